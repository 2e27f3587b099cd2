#!/usr/bin/env python3
"""Fails when an include points up the layers. Each layer may include its own
files and those of the layers below it:

    platform  <  framework  <  model  <  view, dialogs  <  app, cli

The headers of res/ (the resource ids, the version) may be included from every
layer above the framework. Tests and tools stand outside the layers.
"""
import os
import re
import sys

LAYERS = {"platform": 0, "framework": 1, "model": 2, "view": 3, "dialogs": 3, "app": 4, "cli": 4}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def layer_of(path):
    top = path.split("/", 1)[0]
    return top, LAYERS.get(top)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    faults = []
    for top in LAYERS:
        for folder, _, files in os.walk(os.path.join(root, top)):
            for name in files:
                if not name.endswith((".h", ".cpp")):
                    continue
                path = os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")
                source_top, source_level = layer_of(path)
                with open(os.path.join(root, path), encoding="utf-8") as f:
                    text = f.read()
                for included in INCLUDE.findall(text):
                    if included.startswith("res/") and source_level >= LAYERS["model"]:
                        continue
                    target_top, target_level = layer_of(included)
                    if target_level is None:
                        faults.append(f"{path}: includes {included}, which is in no layer")
                    elif target_level > source_level or (
                        target_level == source_level and target_top != source_top):
                        faults.append(f"{path}: {source_top} includes {included} ({target_top})")
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} include(s) point up or across the layers", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
