#!/usr/bin/env python3
"""Checks the winget manifests that the "release" target writes beside the
MSI (release/winget/): each one is valid against its JSON schema in
packaging/winget/schema/, the four files (version, installer, default locale,
ja-JP locale) agree on the package and its version, and the installer's
SHA-256, product code and version are those of the built MSI.

    /usr/bin/python3 scripts/check_winget.py build/mingw/release
"""
import glob
import hashlib
import json
import os
import re
import subprocess
import sys

import jsonschema
import yaml

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SCHEMAS = os.path.join(ROOT, "packaging", "winget", "schema")
WANTED = {"version": None, "installer": None, "defaultLocale": "en-US", "locale": "ja-JP"}


def msi_properties(msi):
    table = subprocess.run(["msiinfo", "export", msi, "Property"], capture_output=True,
                           text=True, check=True).stdout
    return dict(line.split("\t", 1) for line in table.splitlines()[3:] if "\t" in line)


def main(argv):
    folder = argv[1] if len(argv) > 1 else "build/mingw/release"
    msis = glob.glob(os.path.join(folder, "velloric-*-win64.msi"))
    if len(msis) != 1:
        print(f"expected one velloric-*-win64.msi in {folder}, found {len(msis)}", file=sys.stderr)
        return 1
    msi = msis[0]
    with open(msi, "rb") as f:
        digest = hashlib.sha256(f.read()).hexdigest()
    properties = msi_properties(msi)
    faults = []
    manifests = {}
    for path in sorted(glob.glob(os.path.join(folder, "winget", "*.yaml"))):
        name = os.path.basename(path)
        with open(path, encoding="utf-8") as f:
            text = f.read()
        for placeholder in re.findall(r"@[A-Z_]+@", text):
            faults.append(f"{name}: placeholder {placeholder} not filled in")
        manifest = yaml.safe_load(text)
        kind = manifest.get("ManifestType")
        schema_path = os.path.join(SCHEMAS, f"manifest.{kind}.{manifest.get('ManifestVersion')}.json")
        if not os.path.exists(schema_path):
            faults.append(f"{name}: no schema {os.path.basename(schema_path)}")
            continue
        with open(schema_path, encoding="utf-8") as f:
            schema = json.load(f)
        for error in jsonschema.Draft7Validator(schema).iter_errors(manifest):
            faults.append(f"{name}: {'/'.join(map(str, error.path))}: {error.message}")
        manifests.setdefault(kind, []).append((name, manifest))

    for kind, locale in WANTED.items():
        found = manifests.get(kind, [])
        if len(found) != 1:
            faults.append(f"expected one {kind} manifest, found {len(found)}")
        elif locale and found[0][1].get("PackageLocale") != locale:
            faults.append(f"{found[0][0]}: locale {found[0][1].get('PackageLocale')}, wanted {locale}")
    every = [m for found in manifests.values() for m in found]
    for name, manifest in every:
        for key, wanted in (("PackageIdentifier", "Ostrelwick.Velloric"),
                            ("PackageVersion", properties.get("ProductVersion"))):
            if manifest.get(key) != wanted:
                faults.append(f"{name}: {key} {manifest.get(key)!r}, wanted {wanted!r}")
    for name, manifest in manifests.get("version", []):
        if manifest.get("DefaultLocale") != "en-US":
            faults.append(f"{name}: DefaultLocale {manifest.get('DefaultLocale')!r}")
    for name, manifest in manifests.get("installer", []):
        installers = manifest.get("Installers") or []
        hashes = [i.get("InstallerSha256", "").lower() for i in installers]
        if hashes != [digest]:
            faults.append(f"{name}: InstallerSha256 {hashes} is not the MSI's {digest}")
        urls = [i.get("InstallerUrl", "") for i in installers]
        if not all(url.endswith("/" + os.path.basename(msi)) for url in urls):
            faults.append(f"{name}: InstallerUrl {urls} does not name {os.path.basename(msi)}")
        if manifest.get("ProductCode") != properties.get("ProductCode"):
            faults.append(f"{name}: ProductCode {manifest.get('ProductCode')}, "
                          f"the MSI's is {properties.get('ProductCode')}")
        for entry in manifest.get("AppsAndFeaturesEntries") or []:
            for key, wanted in (("ProductCode", properties.get("ProductCode")),
                                ("UpgradeCode", properties.get("UpgradeCode")),
                                ("DisplayVersion", properties.get("ProductVersion")),
                                ("DisplayName", properties.get("ProductName")),
                                ("Publisher", properties.get("Manufacturer"))):
                if entry.get(key) != wanted:
                    faults.append(f"{name}: AppsAndFeaturesEntries {key} {entry.get(key)!r}, "
                                  f"the MSI's is {wanted!r}")
        if manifest.get("Scope") != "machine" or manifest.get("ElevationRequirement") != "elevationRequired":
            faults.append(f"{name}: wanted Scope machine and ElevationRequirement elevationRequired")
    for fault in faults:
        print(fault, file=sys.stderr)
    if not faults:
        print(f"winget manifests valid, SHA-256 {digest} matches {os.path.basename(msi)}")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
