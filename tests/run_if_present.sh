#!/usr/bin/env bash
# Runs a suite whose tools may be missing on this machine, or says which are
# missing and exits 77, which CTest counts as skipped.
# Usage: run_if_present.sh "TOOL..." COMMAND [ARGUMENT...]
set -euo pipefail
missing=()
for tool in $1; do command -v "$tool" >/dev/null || missing+=("$tool"); done
if [ ${#missing[@]} -gt 0 ]; then
    echo "skipped: ${missing[*]} not installed (scripts/install-deps.sh installs them)"
    exit 77
fi
shift
exec "$@"
