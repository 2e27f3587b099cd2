#!/usr/bin/env python3
"""Checks a release made by the "release" target: the zip holds the program,
the command-line tool, the tips, both manuals with every file of res/manual,
README.txt and LICENSE.txt in one folder named after the zip; the MSI of the
same name installs the same files (names and sizes) and has the project's
version; and the .sha256 file beside each matches it.

    python3 scripts/check_release.py build/mingw/release
"""
import glob
import hashlib
import os
import re
import subprocess
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
    with zipfile.ZipFile(path) as archive:
        zipped = sorted((os.path.basename(i.filename), i.file_size) for i in archive.infolist()
                        if not i.filename.endswith("/"))
    faults += check_msi(os.path.join(folder, name + ".msi"), zipped, root)
    for file in (name + ".zip", name + ".msi"):
        full = os.path.join(folder, file)
        if not os.path.exists(full):
            continue
        with open(full, "rb") as f:
            digest = hashlib.sha256(f.read()).hexdigest()
        with open(full + ".sha256") as f:
            if f.read() != f"{digest}  {file}\n":
                faults.append(f"{file}.sha256 does not match {file}")
    for fault in faults:
        print(fault, file=sys.stderr)
    return 1 if faults else 0


def msi_table(msi, table):
    text = subprocess.run(["msiinfo", "export", msi, table], capture_output=True, text=True,
                          check=True).stdout
    return [line.split("\t") for line in text.splitlines()[3:]]


def check_msi(msi, zipped, root):
    if not os.path.exists(msi):
        return [f"missing: {os.path.basename(msi)}"]
    faults = []
    files = sorted((row[2].split("|")[-1], int(row[3])) for row in msi_table(msi, "File"))
    if files != zipped:
        faults.append(f"{os.path.basename(msi)} does not hold the zip's files: "
                      f"{sorted(set(files) ^ set(zipped))}")
    properties = {row[0]: row[1] for row in msi_table(msi, "Property")}
    with open(os.path.join(root, "CMakeLists.txt")) as f:
        version = re.search(r"project\(Velloric VERSION ([0-9.]+)", f.read()).group(1)
    if properties.get("ProductVersion") != version:
        faults.append(f"{os.path.basename(msi)}: ProductVersion {properties.get('ProductVersion')}, "
                      f"wanted {version}")
    return faults


if __name__ == "__main__":
    sys.exit(main(sys.argv))
