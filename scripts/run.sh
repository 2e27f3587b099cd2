#!/bin/sh
# Installs what is missing, builds velloric.exe and runs it under Wine in a
# prefix inside the project (.wine), so nothing of this machine is touched.
# Without a display it runs the program on a virtual X screen, saves a
# screenshot of it and says where.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
sh scripts/setup.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j "$(nproc)" --target velloric
exe="$root/build/mingw/velloric.exe"
export WINEPREFIX="$root/.wine"
if [ -n "$DISPLAY" ]; then
    sh scripts/wine-prefix.sh start "$WINEPREFIX" x11
    sh scripts/wine-run.sh "$exe" "$@"
    sh scripts/wine-prefix.sh stop "$WINEPREFIX"
    exit 0
fi
Xvfb :77 -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=:77
sleep 1
sh scripts/wine-prefix.sh start "$WINEPREFIX" x11
sh scripts/wine-run.sh "$exe" "$@" &
sleep "${VELLORIC_SHOT_DELAY:-6}"
shot="$root/build/velloric-screenshot.png"
import -display :77 -window root "$shot"
echo "No display here: velloric.exe ran on a virtual screen; screenshot saved to $shot"
sh scripts/wine-prefix.sh stop "$WINEPREFIX"
