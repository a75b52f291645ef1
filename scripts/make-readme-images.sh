#!/usr/bin/env bash
# Remakes the README's pictures with movra-replay (after a default build).
set -euo pipefail
cd "$(dirname "$0")/.."
replay=build/default/frontends/replay/movra-replay
frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT
"$replay" --png "$frames" --gif docs/pond.gif --scale 3 docs/rings.txt > /dev/null
cp "$frames/tick-0011.png" docs/rings.png
