#!/usr/bin/env bash
# Builds the Windows programs and tests them under Wine: the core's tests
# cross-built, then the programs against the Linux build's (build/default)
# under Xvfb. An argument keeps screenshots there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-windows.sh
export WINEPREFIX="$PWD/build/windows/wineprefix" WINEDEBUG=-all
[ -d "$WINEPREFIX/drive_c" ] || wineboot -i 2>/dev/null
echo "== windows: the core's tests under Wine"
ctest --test-dir build/windows/cmake --output-on-failure
# The Linux programs to compare with, up to date (nothing to do after the
# default preset's build in scripts/test.sh).
cmake --preset default >/dev/null
cmake --build --preset default --target movra movra-replay
echo "== windows: the programs under Wine and Xvfb"
# Debian's own Python, which has python3-pefile.
/usr/bin/python3 tests/frontends/win32/window_test.py build/windows build/default "$@"
/usr/bin/python3 tests/frontends/win32/record_test.py build/windows build/default "$@"
echo "== windows: the zip and the installer under Wine"
tests/frontends/win32/packages_test.sh . build/windows
echo "Windows tests passed."
