#!/usr/bin/env bash
# Builds Movra and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
exec build/default/app/movra "$@"
