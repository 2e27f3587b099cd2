#!/usr/bin/env python3
"""Makes every generated resource from its script, the one entry to them all:

    python3 res/make_all.py           writes the outputs
    python3 res/make_all.py --check   changes nothing; fails when a committed
                                      output differs from what its script makes

Each script names its outputs (paths from the repository's root) and makes
them byte for byte the same on every run. tips.txt and the manuals are
written by hand and made by nothing here.
"""

import os
import sys

import make_about_sound
import make_cursors
import make_icon
import make_keyboard_forms
import make_light_bulb
import make_toolbar_bitmap

SCRIPTS = [make_icon, make_toolbar_bitmap, make_cursors, make_light_bulb, make_about_sound,
           make_keyboard_forms]


def main(argv):
    check = "--check" in argv[1:]
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    differing = []
    for script in SCRIPTS:
        for path, data in script.outputs().items():
            full = os.path.join(root, path)
            if check:
                try:
                    with open(full, "rb") as f:
                        committed = f.read()
                except OSError:
                    committed = None
                if committed != data:
                    differing.append((path, script.__name__))
            else:
                with open(full, "wb") as f:
                    f.write(data)
    for path, name in differing:
        print(f"{path} is not what res/{name}.py makes: run python3 res/make_all.py", file=sys.stderr)
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
