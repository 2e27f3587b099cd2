#!/bin/sh
# wine-prefix.sh start|stop PREFIX [x11]
# start: creates the throw-away prefix once (fonts, display driver), then keeps
# one wineserver running so that every test exe does not pay for its own.
# Tests use the null display driver, which needs no X server; "x11" keeps
# Wine's X driver for a prefix that shows the program on a screen.
set -e
action=$1
prefix=$2
driver=${3:-null}
export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" TMPDIR=/tmp
wine=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver

case "$action" in
start)
    if [ ! -f "$prefix/.velloric-ready" ]; then
        rm -rf "$prefix"
        mkdir -p "$prefix"
        $wine wineboot -i >/dev/null 2>&1 || true
        mkdir -p "$prefix/drive_c/windows/Fonts"
        cp /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
        if [ "$driver" = null ]; then
            reg="$prefix/velloric-driver.reg"
            printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\r\n"Graphics"="null"\r\n' > "$reg"
            $wine regedit /S 'Z:'"$(echo "$reg" | sed 's|/|\\\\|g')" >/dev/null 2>&1 || $wine regedit /S "$reg" >/dev/null 2>&1
        else
            reg="$prefix/velloric-driver.reg"
            # A virtual desktop (fast without a window manager), and a font with
            # Japanese glyphs for the menus of the Japanese set.
            printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1024x768"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n"MS UI Gothic"="VL Gothic"\r\n"Tahoma"="VL PGothic"\r\n' > "$reg"
            $wine regedit /S "$reg" >/dev/null 2>&1 || true
        fi
        $server -k >/dev/null 2>&1 || true
        $server -w >/dev/null 2>&1 || true
        touch "$prefix/.velloric-ready"
    fi
    # The driver is chosen when the desktop starts: begin with a fresh server.
    $server -k >/dev/null 2>&1 || true
    $server -w >/dev/null 2>&1 || true
    $server -p300 </dev/null >/dev/null 2>&1
    # Start Wine's own background processes (services, the desktop) now, with
    # no terminal or pipe: started by a test they would hold ctest's pipe open.
    $wine wineboot </dev/null >/dev/null 2>&1 || true
    $wine cmd /c exit </dev/null >/dev/null 2>&1 || true
    ;;
stop)
    $server -k >/dev/null 2>&1 || true
    $server -w >/dev/null 2>&1 || true
    ;;
*)
    echo "usage: $0 start|stop PREFIX [null|x11]" >&2
    exit 2
    ;;
esac
