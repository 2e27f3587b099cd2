#!/usr/bin/env python3
"""Installs, upgrades, downgrades and removes the release's MSI under Wine, in
the test prefix, as a user's msiexec would, and checks what each step leaves:

- install: every file of the release's folder lies byte-exact in
  Program Files\\Velloric, the Start menu has the program and the manual of
  the user's language, Settings > Apps has the entry, and the installed
  programs start from there (velloric.exe runs until its window is closed);
- upgrade: a second MSI of a higher version replaces the first in place,
  and its manual shortcut follows a Japanese user's language;
- downgrade: the older MSI refuses to install over the newer one;
- uninstall: every file, folder, shortcut and the entry are gone, and a
  Scancode Map value, the automatic-logon values and the preferences set
  before it are left byte-exact.

    python3 scripts/test_msi.py build/mingw
"""
import glob
import os
import re
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
WINE = "/usr/lib/wine/wine64"
UNINSTALL = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall"
LAYOUT = r"HKLM\SYSTEM\CurrentControlSet\Control\Keyboard Layout"
WINLOGON = r"HKLM\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon"
PREFERENCE = r"HKCU\Software\Ostrelwick\Velloric\Preference"
# Two swapped keys: what a user's table looks like.
TABLE = "00000000000000000300000038001D001D00380000000000"
# Values the uninstall must leave alone, each (key, name, type, data).
KEPT = [
    (LAYOUT, "Scancode Map", "REG_BINARY", TABLE),
    (WINLOGON, "AutoAdminLogon", "REG_SZ", "1"),
    (WINLOGON, "DefaultUserName", "REG_SZ", "msitest"),
    (PREFERENCE, "Fit keyname", "REG_DWORD", "0x1"),
]


class Prefix:
    def __init__(self, path):
        self.path = path
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("LC_ALL", "LC_CTYPE", "LC_MESSAGES", "LANGUAGE")}
        self.env.update(WINEPREFIX=path, WINEARCH="win64", WINEDEBUG="-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=", TMPDIR="/tmp", LANG="en_US.UTF-8")

    def run(self, *args, lang=None, timeout=300):
        env = dict(self.env)
        if lang:
            env["LANG"] = lang
        return subprocess.run([WINE, *args], env=env, stdin=subprocess.DEVNULL,
                              capture_output=True, timeout=timeout)

    def start(self, *args):
        return subprocess.Popen([WINE, *args], env=self.env, stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def query(self, key, name=None):
        """The value's type and data as reg prints them, or None."""
        args = ["reg", "query", key] + (["/v", name] if name else [])
        result = self.run(*args)
        if result.returncode != 0:
            return None
        if name is None:
            return result.stdout.decode("latin-1")
        for line in result.stdout.decode("latin-1").splitlines():
            parts = re.split(r"\s{2,}|\t", line.strip(), maxsplit=2)
            if len(parts) >= 2 and parts[0] == name:
                return (parts[1], parts[2] if len(parts) > 2 else "")
        return None

    def unix(self, windows_path):
        return os.path.join(self.path, "drive_c", *windows_path.split("\\")[1:])


def windows_path(path):
    """A host path as Wine's drive Z: shows it."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def msi_property(msi, name):
    table = subprocess.run(["msiinfo", "export", msi, "Property"], capture_output=True,
                           text=True, check=True).stdout
    for line in table.splitlines():
        parts = line.split("\t")
        if parts[0] == name:
            return parts[1]
    raise SystemExit(f"{msi}: no property {name}")


def staged_files(stage):
    found = {}
    for folder, _, files in os.walk(stage):
        for file in files:
            path = os.path.join(folder, file)
            found[os.path.relpath(path, stage)] = path
    return found


def shortcuts(prefix):
    """Start menu .lnk files anywhere in the prefix, by file name."""
    links = {}
    for path in glob.glob(os.path.join(prefix.path, "drive_c", "**", "*.lnk"), recursive=True):
        if "Velloric" in os.path.basename(path):
            links[os.path.basename(path)] = path
    return links


def link_points_to(link, name):
    with open(link, "rb") as f:
        data = f.read()
    return name.encode("ascii") in data or name.encode("utf-16-le") in data


class Checks:
    def __init__(self):
        self.faults = []

    def equal(self, what, got, wanted):
        if got != wanted:
            self.faults.append(f"{what}: got {got!r}, wanted {wanted!r}")

    def step(self, text):
        print(f"msi: {text}", flush=True)


def main(argv):
    build = os.path.abspath(argv[1] if len(argv) > 1 else "build/mingw")
    release = os.path.join(build, "release")
    msis = glob.glob(os.path.join(release, "velloric-*-win64.msi"))
    if len(msis) != 1:
        print(f"expected one velloric-*-win64.msi in {release}, found {len(msis)}", file=sys.stderr)
        return 1
    msi = msis[0]
    name = os.path.basename(msi)[: -len(".msi")]
    stage = os.path.join(release, name)
    version = msi_property(msi, "ProductVersion")
    code = msi_property(msi, "ProductCode")

    # The upgrade: the same files as a version one higher.
    major, minor, patch = (int(n) for n in version.split("."))
    newer_version = f"{major}.{minor}.{patch + 1}"
    work = os.path.join(build, "msi-test")
    newer = os.path.join(work, "velloric-upgrade.msi")
    os.makedirs(work, exist_ok=True)
    subprocess.run(["cmake", f"-DSOURCE_DIR={ROOT}", f"-DSTAGE={stage}", f"-DOUT={newer}",
                    f"-DVERSION={newer_version}", f"-DVERSION_TEXT={newer_version}",
                    "-P", os.path.join(ROOT, "cmake", "msi.cmake")], check=True)
    newer_code = msi_property(newer, "ProductCode")

    prefix = Prefix(os.path.join(build, "wineprefix-test"))
    start = time.monotonic()
    subprocess.run(["sh", os.path.join(ROOT, "scripts", "wine-prefix.sh"), "start", prefix.path],
                   check=True)
    checks = Checks()
    try:
        run_steps(prefix, checks, msi, newer, code, newer_code, version, newer_version, stage)
    finally:
        # Leave the prefix as the other tests expect it.
        for product in (code, newer_code):
            prefix.run("msiexec", "/x", product, "/qn")
        for key, value, _, _ in KEPT:
            prefix.run("reg", "delete", key, "/v", value, "/f")
        subprocess.run(["sh", os.path.join(ROOT, "scripts", "wine-prefix.sh"), "stop", prefix.path])
    for fault in checks.faults:
        print(f"msi: FAILED {fault}", file=sys.stderr)
    print(f"msi: install, upgrade, downgrade and uninstall checked in "
          f"{time.monotonic() - start:.0f} s, {len(checks.faults)} faults")
    return 1 if checks.faults else 0


def run_steps(prefix, checks, msi, newer, code, newer_code, version, newer_version, stage):
    msi, newer = windows_path(msi), windows_path(newer)
    folder = r"C:\Program Files\Velloric"
    installed = prefix.unix(folder)
    files = staged_files(stage)
    # A prefix left by a run that stopped half-way.
    for product in (code, newer_code):
        prefix.run("msiexec", "/x", product, "/qn")

    for key, value, kind, data in KEPT:
        prefix.run("reg", "add", key, "/v", value, "/t", kind, "/d", data.replace("0x", ""), "/f")
        checks.equal(f"{value} before install", prefix.query(key, value), (kind, data))

    checks.step("install")
    checks.equal("msiexec /i exit code", prefix.run("msiexec", "/i", msi, "/qn").returncode, 0)
    for relative, source in sorted(files.items()):
        target = os.path.join(installed, relative)
        with open(source, "rb") as f:
            wanted = f.read()
        got = open(target, "rb").read() if os.path.exists(target) else None
        if got != wanted:
            checks.faults.append(f"installed {relative} is missing or differs")
    links = shortcuts(prefix)
    checks.equal("Start menu shortcuts", sorted(links), ["Velloric Manual.lnk", "Velloric.lnk"])
    if "Velloric.lnk" in links:
        checks.equal("program shortcut opens velloric.exe",
                     link_points_to(links["Velloric.lnk"], "velloric.exe"), True)
    if "Velloric Manual.lnk" in links:
        checks.equal("manual shortcut of an English user opens the English manual",
                     link_points_to(links["Velloric Manual.lnk"], "velloricman-e.html"), True)
    entry = prefix.query(f"{UNINSTALL}\\{code}") or ""
    for value, wanted in (("DisplayName", "Velloric"), ("Publisher", "Ostrelwick"),
                          ("DisplayVersion", version), ("HelpLink", folder + "\\velloricman-e.html"),
                          ("InstallLocation", folder + "\\")):
        checks.equal(f"uninstall entry's {value}",
                     (prefix.query(f"{UNINSTALL}\\{code}", value) or ("", ""))[1], wanted)
    # Windows Installer keeps the product's icon for Settings > Apps under
    # Windows\Installer\{ProductCode}; the size is the MSI's ARPSIZE
    # (Wine writes it as Size and leaves EstimatedSize 0, Windows computes it).
    checks.equal("product icon published",
                 os.path.exists(prefix.unix(f"C:\\windows\\Installer\\{code}\\velloric.ico")), True)
    sizes = re.findall(r"^\s*(?:EstimatedSize\s+REG_DWORD\s+0x([0-9a-f]+)|Size\s+REG_SZ\s+([0-9]+))\s*$",
                       entry, re.M | re.I)
    checks.equal("uninstall entry has a size",
                 any(int(hex_size or "0", 16) or int(size or "0") for hex_size, size in sizes), True)

    checks.step("the installed program starts")
    # It runs until its window is closed: taskkill (without /f) posts
    # WM_CLOSE to it, and an unedited table closes without a question.
    # A program that cannot start ends by itself, with another exit code.
    program = prefix.start(folder + "\\velloric.exe")
    exit_code = None
    for _ in range(60):
        prefix.run("taskkill", "/im", "velloric.exe")
        try:
            exit_code = program.wait(timeout=5)
            break
        except subprocess.TimeoutExpired:
            continue
    if exit_code is None:
        program.kill()
        program.wait()
    checks.equal("installed velloric.exe, closed by its window, exit code", exit_code, 0)
    cli = prefix.run(folder + "\\velloric-cli.exe", "--version")
    checks.equal("installed velloric-cli --version exit code", cli.returncode, 0)

    checks.step("upgrade (as a Japanese user)")
    checks.equal("msiexec /i of the newer MSI exit code",
                 prefix.run("msiexec", "/i", newer, "/qn", lang="ja_JP.UTF-8").returncode, 0)
    checks.equal("the older version's entry after the upgrade",
                 prefix.query(f"{UNINSTALL}\\{code}"), None)
    checks.equal("the newer version's entry",
                 (prefix.query(f"{UNINSTALL}\\{newer_code}", "DisplayVersion") or ("", ""))[1],
                 newer_version)
    missing = [r for r in files if not os.path.exists(os.path.join(installed, r))]
    checks.equal("files missing after the upgrade", missing, [])
    links = shortcuts(prefix)
    checks.equal("Start menu shortcuts after the upgrade", sorted(links),
                 ["Velloric Manual.lnk", "Velloric.lnk"])
    if "Velloric Manual.lnk" in links:
        checks.equal("manual shortcut of a Japanese user opens the Japanese manual",
                     link_points_to(links["Velloric Manual.lnk"], "velloricman.html"), True)

    checks.step("downgrade is refused")
    checks.equal("msiexec /i of the older MSI over the newer one succeeds",
                 prefix.run("msiexec", "/i", msi, "/qn").returncode == 0, False)
    checks.equal("the newer version stays",
                 (prefix.query(f"{UNINSTALL}\\{newer_code}", "DisplayVersion") or ("", ""))[1],
                 newer_version)

    checks.step("uninstall")
    checks.equal("msiexec /x exit code", prefix.run("msiexec", "/x", newer, "/qn").returncode, 0)
    left = [r for r in files if os.path.exists(os.path.join(installed, r))]
    checks.equal("files left after uninstall", left, [])
    checks.equal("program folder left after uninstall", os.path.exists(installed), False)
    checks.equal("shortcuts left after uninstall", sorted(shortcuts(prefix)), [])
    checks.equal("uninstall entry left", prefix.query(f"{UNINSTALL}\\{newer_code}"), None)
    for key, value, kind, data in KEPT:
        checks.equal(f"{value} after uninstall", prefix.query(key, value), (kind, data))


if __name__ == "__main__":
    sys.exit(main(sys.argv))
