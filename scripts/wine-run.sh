#!/bin/sh
# Runs a Windows program under Wine in the project's own prefix; ctest uses it
# as the cross-compiling emulator. Nothing outside the prefix is touched.
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$here/build/mingw/wineprefix-test}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
# Another TMPDIR would start a second wineserver beside the persistent one.
export TMPDIR=/tmp
exec /usr/lib/wine/wine64 "$@"
