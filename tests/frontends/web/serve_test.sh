#!/usr/bin/env bash
# scripts/serve-web.sh as a user meets it: it serves the page on a free port,
# and a bad port or one in use is a single line on standard error, status 2.
# Usage: serve_web_test.sh SOURCE_DIR
set -euo pipefail
tree=$(mktemp -d)
server=
trap '[ -z "$server" ] || kill "$server"; rm -rf "$tree"' EXIT
mkdir -p "$tree/scripts" "$tree/build/web"
cp "$1/scripts/serve-web.sh" "$tree/scripts/"
echo 'the page' > "$tree/build/web/index.html"

refused() {  # PORT WORDS: refused with status 2 and one line holding WORDS
    local status=0 said
    said=$("$tree/scripts/serve-web.sh" "$1" 2>&1 >/dev/null) || status=$?
    [ "$status" -eq 2 ] && [ "$(wc -l <<<"$said")" -eq 1 ] && [[ $said == *"$2"* ]] ||
        { echo "port $1: status $status, said: $said"; exit 1; }
}
refused 80x 'not a port number: 80x'
refused 70000 'not a port number: 70000'

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
"$tree/scripts/serve-web.sh" "$port" > "$tree/said" 2>/dev/null & server=$!
fetch() { python3 -c "import urllib.request; print(urllib.request.urlopen('http://127.0.0.1:$port/').read().decode(), end='')"; }
for _ in $(seq 50); do page=$(fetch 2>/dev/null) && break; sleep 0.1; done
[ "${page:-}" = 'the page' ] || { echo "port $port: no page"; exit 1; }
grep -qx "Movra on http://127.0.0.1:$port/" "$tree/said" || { echo "no announcement:"; cat "$tree/said"; exit 1; }
refused "$port" "cannot serve on port $port: Address already in use"
echo "serve-web ok"
