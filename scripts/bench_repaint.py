#!/usr/bin/env python3
"""The keyboard view's repaint against a floor: runs velloric_floor.exe (the
caps drawn with the bare GDI calls, alone and in a frame of the main window's
structure) and velloric_bench.exe (the real view and main window) one after
the other, RUNS times each, under Wine's null display driver and under its X11
driver on an Xvfb screen, and prints the medians and the ratios view/floor
and main window/floor. Not a test: times depend on the machine.

With --shots DIR it saves pictures of the main window in several states
instead (null driver), for a byte comparison before and after a change.

Everything happens under build/: the mingw build and one throw-away Wine
prefix per driver (build/bench/prefix-null, build/bench/prefix-x11) and one
for the pictures (build/bench/prefix-shots).
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build", "mingw")
BENCH = os.path.join(ROOT, "build", "bench")
EXE_DIR = BUILD  # where the two programs are run from (--exe-dir)
STATES = ["plain", "remaps", "raised", "sunk", "drag", "focus", "contrast"]
# (file-name part, program flag): the flag is the program's own first argument.
FLAGS = [("", "-"), ("-d", "-d"), ("-106", "-6")]


def wine_env(prefix):
    env = dict(os.environ)
    env.update(WINEPREFIX=prefix, LANG="en_US.UTF-8")
    for name in ("LC_ALL", "LC_CTYPE", "LC_MESSAGES", "LANGUAGE"):
        env.pop(name, None)
    return env


def prefix_ctl(action, prefix, driver, env):
    subprocess.run(["sh", os.path.join(ROOT, "scripts", "wine-prefix.sh"), action, prefix, driver],
                   env=env, check=True)


def run_exe(exe, args, env):
    out = subprocess.run(["sh", os.path.join(ROOT, "scripts", "wine-run.sh"), exe] + args,
                         cwd=EXE_DIR, env=env, capture_output=True, text=True, timeout=300)
    if out.returncode != 0:
        sys.stderr.write(out.stderr)
        raise RuntimeError("%s %s exited with %d" % (exe, " ".join(args), out.returncode))
    return [float(x) for x in out.stdout.split()]


class XScreen:
    """An Xvfb display for the X11 driver; none needed for the null driver."""

    def __init__(self, driver):
        self.proc = None
        self.display = None
        if driver != "x11":
            return
        for number in range(90, 120):
            if not os.path.exists("/tmp/.X%d-lock" % number):
                self.display = ":%d" % number
                break
        self.proc = subprocess.Popen(["Xvfb", self.display, "-screen", "0", "1280x1024x24",
                                      "-nolisten", "tcp"],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def close(self):
        if self.proc is not None:
            self.proc.terminate()
            self.proc.wait()


def measure(driver, runs, flag, tag):
    prefix = os.path.join(BENCH, "prefix-" + driver + tag)
    screen = XScreen(driver)
    env = wine_env(prefix)
    if screen.display:
        env["DISPLAY"] = screen.display
    floor_caps, floor_main, floor_draw, view, main, draw = [], [], [], [], [], []
    try:
        prefix_ctl("start", prefix, driver, env)
        floor_args = [flag] if flag != "-" else []
        for _ in range(runs):
            caps_ms, main_ms, floor_draw_ms = run_exe("velloric_floor.exe", floor_args, env)
            view_ms, window_ms, draw_ms = run_exe("velloric_bench.exe", [flag, "time"], env)
            floor_caps.append(caps_ms)
            floor_main.append(main_ms)
            floor_draw.append(floor_draw_ms)
            view.append(view_ms)
            main.append(window_ms)
            draw.append(draw_ms)
    finally:
        prefix_ctl("stop", prefix, driver, env)
        screen.close()
    m = statistics.median
    print("%-5s caps: view %7.1f ms, floor %7.1f ms, ratio %.2f | main window %7.1f ms, "
          "floor %7.1f ms, ratio %.2f | drawing alone %7.1f ms, floor %7.1f ms, ratio %.2f"
          % (driver, m(view), m(floor_caps), m(view) / m(floor_caps), m(main), m(floor_main),
             m(main) / m(floor_main), m(draw), m(floor_draw), m(draw) / m(floor_draw)))
    sys.stdout.flush()


def shots(folder, states):
    prefix = os.path.join(BENCH, "prefix-shots")
    env = wine_env(prefix)
    os.makedirs(folder, exist_ok=True)
    prefix_ctl("start", prefix, "null", env)
    try:
        for suffix, flag in FLAGS:
            for state in states:
                name = "%s%s.bmp" % (state, suffix)
                target = os.path.join(EXE_DIR, "bench-shot.bmp")
                out = subprocess.run(["sh", os.path.join(ROOT, "scripts", "wine-run.sh"),
                                      "velloric_bench.exe", flag, "shot", state, "bench-shot.bmp"],
                                     cwd=EXE_DIR, env=env, capture_output=True, text=True, timeout=300)
                if out.returncode == 3:
                    print("%s: cannot be shown under this driver" % name)
                    continue
                if out.returncode != 0:
                    sys.stderr.write(out.stderr)
                    raise RuntimeError("the picture %s failed" % name)
                shutil.move(target, os.path.join(folder, name))
                print(os.path.join(folder, name))
    finally:
        prefix_ctl("stop", prefix, "null", env)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--drivers", default="null,x11")
    parser.add_argument("--flag", default="-", help='the program\'s flag: "-", "-d" or "-6"')
    parser.add_argument("--shots", metavar="DIR", help="save pictures instead of timing")
    parser.add_argument("--states", default=",".join(STATES), help="the pictures' states")
    parser.add_argument("--exe-dir", help="run the programs from this folder; no build")
    parser.add_argument("--prefix-tag", default="",
                        help="appended to the prefixes' names, for two measurements at once")
    parser.add_argument("--no-build", action="store_true")
    args = parser.parse_args()
    global EXE_DIR
    if args.exe_dir:
        EXE_DIR = os.path.abspath(args.exe_dir)
    elif not args.no_build:
        subprocess.run(["cmake", "--preset", "mingw"], cwd=ROOT, check=True,
                       stdout=subprocess.DEVNULL)
        subprocess.run(["cmake", "--build", "--preset", "mingw", "-j2", "--target",
                        "velloric_floor", "velloric_bench"], cwd=ROOT, check=True,
                       stdout=subprocess.DEVNULL)
    os.makedirs(BENCH, exist_ok=True)
    if args.shots:
        shots(os.path.abspath(args.shots), args.states.split(","))
        return 0
    for driver in args.drivers.split(","):
        measure(driver, args.runs, args.flag, args.prefix_tag)
    return 0


if __name__ == "__main__":
    sys.exit(main())
