#!/usr/bin/env python3
"""Checks a release made by the "release" target: the zip holds the program,
the command-line tool, the tips, both manuals with every file of res/manual,
README.txt and LICENSE.txt in one folder named after the zip, and the
.sha256 file beside it matches the zip.

    python3 scripts/check_release.py build/mingw/release
"""
import glob
import hashlib
import os
import sys
import zipfile


def main(argv):
    folder = argv[1] if len(argv) > 1 else "build/mingw/release"
    zips = glob.glob(os.path.join(folder, "velloric-*-win64.zip"))
    if len(zips) != 1:
        print(f"expected one velloric-*-win64.zip in {folder}, found {len(zips)}", file=sys.stderr)
        return 1
    path = zips[0]
    name = os.path.basename(path)[: -len(".zip")]
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    manual = os.path.join(root, "res", "manual")
    wanted = {"velloric.exe", "velloric-cli.exe", "tips.txt", "README.txt", "LICENSE.txt"}
    for folder_path, _, files in os.walk(manual):
        for file in files:
            wanted.add(os.path.relpath(os.path.join(folder_path, file), manual).replace(os.sep, "/"))
    with zipfile.ZipFile(path) as archive:
        held = {entry[len(name) + 1:] for entry in archive.namelist()
                if entry.startswith(name + "/") and not entry.endswith("/")}
    faults = [f"missing from {name}.zip: {file}" for file in sorted(wanted - held)]
    faults += [f"not expected in {name}.zip: {file}" for file in sorted(held - wanted)]
    with open(path, "rb") as f:
        digest = hashlib.sha256(f.read()).hexdigest()
    with open(path + ".sha256") as f:
        if f.read() != f"{digest}  {name}.zip\n":
            faults.append(f"{name}.zip.sha256 does not match the zip")
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
