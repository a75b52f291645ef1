#!/usr/bin/env bash
# Builds everything and runs the whole test suite headless: a normal build
# (whose suites include the Windows programs under Wine and the web version),
# a build under AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzzers.
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
echo "All tests passed."
