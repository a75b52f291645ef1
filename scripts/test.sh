#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless: a normal build,
# a build under AddressSanitizer and UndefinedBehaviorSanitizer, the fuzzers,
# the Windows programs under Wine, and the web version where Emscripten is installed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
for preset in default sanitize fuzz; do
    echo "== $preset"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
scripts/test-windows.sh
if command -v em++ >/dev/null; then
    scripts/test-web.sh
fi
echo "All tests passed."
