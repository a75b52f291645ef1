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
# The whole site, every file the service worker keeps on a first visit: at
# most 100 KiB as stored, and what a compressing server sends (gzip -9, file
# by file) beside it.
limit=$((100 * 1024)) bytes=0 sent=0
for file in build/web/*; do
    bytes=$((bytes + $(stat -c %s "$file")))
    sent=$((sent + $(gzip -9c "$file" | wc -c)))
done
echo "Built build/web/: $bytes bytes, $sent compressed"
((bytes <= limit)) || { echo "build-web.sh: the site is $bytes bytes, above $limit" >&2; exit 1; }
