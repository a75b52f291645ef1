#!/usr/bin/env bash
# Builds the web version and tests it: the compiled core under Node.js against
# movra-replay's traces, then the served page in headless Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-web.sh
if [ -z "${MOVRA_REPLAY:-}" ] && [ ! -x build/default/tools/movra-replay ]; then
    cmake --preset default
    cmake --build --preset default --target movra-replay
fi
[ -d tests/web/node_modules/playwright-core ] || (cd tests/web && npm ci --no-audit --no-fund)
cd tests/web
echo "== web: the compiled core against movra-replay"
node --no-experimental-fetch trace_test.js
echo "== web: the page in headless Chromium"
node e2e_test.js
echo "Web tests passed."
