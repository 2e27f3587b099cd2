#!/bin/sh
# Makes the manual's pictures, res/manual/images/*-en.png and *-ja.png, from
# the real program: builds tools/screenshots (velloric_screenshots.exe) and
# runs it under Wine, once with the English and once with the Japanese
# resource set, then turns its bitmaps into small palette PNGs. Run it again
# after a change to anything the pictures show.
#
# Everything happens in build/screenshots: the build, and a throw-away Wine
# prefix with the null display driver, which needs no X server and names the
# keys as Windows does ("Caps Lock", not X's "Caps_Lock"). The tool writes
# that prefix's registry and nothing else.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# fontTools, for the Wingdings step below; the Debian package serves the
# system's python3, which need not be the first python3 on the path.
sh scripts/setup.sh python3-fonttools
python=/usr/bin/python3

build="$root/build/screenshots"
prefix="$build/prefix"
shots="$build/shots"
images="$root/res/manual/images"

cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target velloric_screenshots

export WINEPREFIX="$prefix"
sh scripts/wine-prefix.sh start "$prefix"
trap 'sh "$root/scripts/wine-prefix.sh" stop "$prefix"' EXIT

# The fonts the Japanese set asks for, from VL Gothic: without them Japanese
# text draws as boxes. Font smoothing on, as Windows has it by default (see
# smooth_fonts.py below). A UTF-16 file, for the names in full-width letters.
printf 'Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"FontSmoothing"="2"\r\n"FontSmoothingType"=dword:00000001\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"MS UI Gothic"="VL PGothic"\r\n"MS Gothic"="VL Gothic"\r\n"MS PGothic"="VL PGothic"\r\n"ＭＳ ゴシック"="VL Gothic"\r\n"ＭＳ Ｐゴシック"="VL PGothic"\r\n\r\n' |
    iconv -f UTF-8 -t UTF-16LE | { printf '\377\376'; cat; } >"$build/fonts.reg"
(cd "$build" && sh "$root/scripts/wine-run.sh" regedit /S fonts.reg)
# The keypad's digits and Backspace are drawn in Wingdings; Wine's copy lacks them.
$python tools/screenshots/complete_wingdings.py /usr/share/wine/fonts/wingding.ttf \
    /usr/share/fonts/truetype/vlgothic/VL-Gothic-Regular.ttf \
    "$prefix/drive_c/windows/Fonts/wingding.ttf" >/dev/null
# Tahoma as Wine ships it draws small text wider than it measures it.
$python tools/screenshots/smooth_fonts.py \
    /usr/share/wine/fonts/tahoma.ttf "$prefix/drive_c/windows/Fonts/tahoma.ttf" \
    /usr/share/wine/fonts/tahomabd.ttf "$prefix/drive_c/windows/Fonts/tahomabd.ttf" >/dev/null

rm -rf "$shots"
mkdir -p "$shots"
for lang in en_US.UTF-8 ja_JP.UTF-8; do
    # The locale picks the resource set: nothing else may override LANG.
    (cd "$build" && env -u LC_ALL -u LC_CTYPE -u LC_MESSAGES -u LANGUAGE LANG="$lang" \
        sh "$root/scripts/wine-run.sh" velloric_screenshots.exe shots >/dev/null)
done

mkdir -p "$images"
for bmp in "$shots"/*.bmp; do
    png="$images/$(basename "$bmp" .bmp).png"
    # Lossless: an 8-bit palette wherever a picture has 256 colours or fewer
    # (convert chooses it), full colour for the few with more. No time
    # stamps, so that the same pictures make the same files.
    convert "$bmp" -strip -define png:exclude-chunks=date,time "$png"
    echo "$png"
done
