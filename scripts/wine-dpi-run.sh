#!/bin/sh
# wine-dpi-run.sh "DPI ..." PROGRAM [ARGS...]
# Runs a Windows program under Wine once per screen DPI: Wine reads the DPI
# (HKCU\Control Panel\Desktop "LogPixels") when a process starts, so each run
# sets it first; 96 is put back at the end, also after a failure.
here=$(cd "$(dirname "$0")" && pwd)
dpis=$1
shift
set_dpi() {
    sh "$here/wine-run.sh" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
        /d "$1" /f >/dev/null 2>&1
}
trap 'set_dpi 96' EXIT INT TERM
status=0
for dpi in $dpis; do
    echo "== LogPixels $dpi"
    set_dpi "$dpi" || { echo "cannot set LogPixels $dpi" >&2; exit 1; }
    sh "$here/wine-run.sh" "$@" || status=1
done
exit $status
