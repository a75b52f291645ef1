#!/usr/bin/env bash
# Builds Movra and opens its window; the arguments go to movra.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# Once configured, the build itself configures again when a CMakeLists.txt changes.
[ -f build/default/build.ninja ] || cmake --preset default
cmake --build --preset default
exec build/default/frontends/qt/movra "$@"
