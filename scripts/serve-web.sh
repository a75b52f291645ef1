#!/usr/bin/env bash
# Serves build/web/ on localhost; the port is the first argument (default 8000).
set -euo pipefail
cd "$(dirname "$0")/.."
port=${1:-8000}
fail() { echo "serve-web.sh: $*" >&2; exit 2; }
[[ $port =~ ^[0-9]{1,5}$ ]] && ((10#$port >= 1 && 10#$port <= 65535)) || fail "not a port number: $port"
[ -f build/web/index.html ] || fail "no build/web/: run scripts/build-web.sh first"
# The server takes the port before it says where it is, so a port in use
# is one line, not a traceback, and nothing is announced that is not there.
exec python3 - "$((10#$port))" <<'EOF'
import functools, http.server, sys
port = int(sys.argv[1])
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory="build/web")
try:
    server = http.server.ThreadingHTTPServer(("127.0.0.1", port), handler)
except OSError as error:
    print(f"serve-web.sh: cannot serve on port {port}: {error.strerror}", file=sys.stderr)
    sys.exit(2)
print(f"Movra on http://127.0.0.1:{port}/", flush=True)
try:
    server.serve_forever()
except KeyboardInterrupt:
    pass
EOF
