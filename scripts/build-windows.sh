#!/usr/bin/env bash
# Builds the Windows programs with MinGW-w64 into build/windows/: movra.exe,
# the screen saver movra.scr, movra-replay.exe and the help file Movra.chm
# beside them. Arguments go to CMake, such as -DMOVRA_MAKER=... for the about
# box.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/windows/cmake -G Ninja --no-warn-unused-cli --toolchain cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
    -DMOVRA_WITH_QT=OFF -DMOVRA_BENCH=OFF "$@" >/dev/null
cmake --build build/windows/cmake
cp build/windows/cmake/frontends/win32/movra.exe build/windows/cmake/frontends/win32/movra.scr \
    build/windows/cmake/frontends/replay/movra-replay.exe \
    build/windows/cmake/frontends/win32/Movra.chm build/windows/
# The C++ runtime is linked in whole functions only where they are called: a
# program past the limit has pulled in something large, such as the streams.
limit=$((512 * 1024))
for program in build/windows/movra.exe build/windows/movra.scr build/windows/movra-replay.exe; do
    size=$(stat -c %s "$program")
    if [ "$size" -gt "$limit" ]; then
        echo "$program is $size bytes, more than $limit: see what it links with -Wl,-Map=FILE" >&2
        exit 1
    fi
done
scripts/package-windows.sh build/windows
echo "Built build/windows/movra.exe, movra.scr, movra-replay.exe and Movra.chm"
