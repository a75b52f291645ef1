#!/usr/bin/env bash
# Builds the web version and tests it: the compiled core under Node.js against
# movra-replay's traces, then the served page in headless Chromium, and its
# recordings against movra-replay, and the page in Firefox and WebKitGTK.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build-web.sh
if [ -z "${MOVRA_REPLAY:-}" ] && [ ! -x build/default/frontends/replay/movra-replay ]; then
    cmake --preset default
    cmake --build --preset default --target movra-replay
fi
# npm ci again whenever the lock file is newer than what it installed.
[ tests/frontends/web/node_modules/.package-lock.json -nt tests/frontends/web/package-lock.json ] ||
    (cd tests/frontends/web && npm ci --no-audit --no-fund)
cd tests/frontends/web
echo "== web: the compiled core against movra-replay"
node --no-experimental-fetch trace_test.js
echo "== web: the page in headless Chromium"
node e2e_test.js
echo "== web: recordings in the page against movra-replay"
node session_test.js
echo "== web: the page in Firefox and WebKitGTK"
xvfb-run -a node engines_test.js
echo "Web tests passed."
