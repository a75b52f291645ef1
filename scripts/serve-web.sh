#!/usr/bin/env bash
# Serves build/web/ on localhost; the port is the first argument (default 8000).
set -euo pipefail
cd "$(dirname "$0")/.."
port=${1:-8000}
[ -f build/web/index.html ] || { echo "No build/web/: run scripts/build-web.sh first" >&2; exit 1; }
echo "Movra on http://localhost:$port/"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web
