#!/bin/sh
# Runs every test: the house rules (includes point down the layers, generated
# resources are what their scripts make), the portable core natively (ASan +
# UBSan), a short fuzzing run of each parser of outside data, the Win32 suite
# under Wine, the release's contents (zip, MSI, winget manifests), the MSI's
# install, upgrade and uninstall under Wine, and the Windows build once more
# with clang.
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh
jobs=$(nproc)

python3 scripts/check_layers.py
python3 res/make_all.py --check

cmake --preset native >/dev/null
cmake --build --preset native -j "$jobs"
ctest --preset native

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
for f in build/fuzz/tests/fuzz/fuzz_*; do
    [ -x "$f" ] || continue
    echo "Fuzzing $(basename "$f") for ${VELLORIC_FUZZ_SECONDS:-20} s"
    mkdir -p "build/fuzz/corpus/$(basename "$f")"
    "$f" -max_total_time="${VELLORIC_FUZZ_SECONDS:-20}" -print_final_stats=0 \
        -artifact_prefix=build/fuzz/ \
        "build/fuzz/corpus/$(basename "$f")" 2>build/fuzz/$(basename "$f").log \
        || { tail -n 40 build/fuzz/$(basename "$f").log; exit 1; }
done

cmake --preset mingw >/dev/null
cmake --build --preset mingw -j "$jobs"
ctest --preset mingw
cmake --build --preset mingw --target release
python3 scripts/check_release.py build/mingw/release
# The Debian python, which has the schema validator that setup.sh installs.
/usr/bin/python3 scripts/check_winget.py build/mingw/release
python3 scripts/test_msi.py build/mingw

cmake --preset mingw-clang >/dev/null
cmake --build --preset mingw-clang -j "$jobs"
