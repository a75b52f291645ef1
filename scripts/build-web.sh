#!/usr/bin/env bash
# Builds the web version (the core in WebAssembly and its page) into build/web/.
# Arguments go to CMake, such as -DMOVRA_MAKER=... for the about panel.
set -euo pipefail
cd "$(dirname "$0")/.."
# Emscripten's optimiser needs Node.js modules from Debian's own folder.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# The page's GIF encoder, again whenever the lock file is newer than what npm installed.
[ frontends/web/node_modules/.package-lock.json -nt frontends/web/package-lock.json ] || (cd frontends/web && npm ci --no-audit --no-fund)
emcmake cmake -S . -B build/wasm -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" \
    -DMOVRA_WITH_QT=OFF -DMOVRA_TESTS=OFF -DMOVRA_BENCH=OFF >/dev/null
cmake --build build/wasm
rm -rf build/web
cp -r build/wasm/frontends/web/site build/web
echo "Built build/web/"
