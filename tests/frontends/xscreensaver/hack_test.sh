#!/usr/bin/env bash
# The xscreensaver hack under Xvfb on an 800x600 screen, as xscreensaver runs
# it: on the root window, the pond raining at factor 5 (min(800 / 120,
# 600 / 119)), centred on black; in the window XSCREENSAVER_WINDOW names,
# following its size; ending at once and silently on SIGTERM and when its
# window goes; a bad option refused in one line with status 2.
# Usage: hack_test.sh HACK PROBE
set -euo pipefail
[ "${MOVRA_UNDER_XVFB:-}" = 1 ] ||
    MOVRA_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 800x600x24 -nolisten tcp" "$0" "$@"
hack=$1 probe=$2
out=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$out"' EXIT
fail() { echo "$*"; exit 1; }

# A bad command line: one line on the error stream, nothing run.
refused() {
    local status=0
    "$@" > "$out/refused.out" 2> "$out/refused.err" || status=$?
    [ "$status" -eq 2 ] && [ ! -s "$out/refused.out" ] && [ "$(wc -l < "$out/refused.err")" -eq 1 ] ||
        fail "'$*' is not refused in one line with status 2 (status $status):" "$(cat "$out/refused.err")"
}
refused "$hack" -bogus
refused "$hack" -window-id 12abc
XSCREENSAVER_WINDOW=nonsense refused "$hack" -root

# Polls for up to 5 s until WINDOW shows the pond as FACTOR LEFT TOP say, and
# then until it shows other ripples than at first.
raining() {
    local first="" now
    for _ in $(seq 50); do
        if now=$("$probe" look "$@" 2> "$out/look.err"); then
            [ -n "$first" ] || first=$now
            [ "$now" = "$first" ] || return 0
        fi
        sleep 0.1
    done
    fail "window $1 does not show the pond raining at $2x, at ($3, $4):" "$(cat "$out/look.err")"
}
# The hack $1 ends within a second of $2 (a command), with status 0 and no output.
ends_silently() {
    local pid=$1 status=0
    shift
    "$@"
    for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
    ! kill -0 "$pid" 2>/dev/null || fail "the hack is still running a second after: $*"
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "the hack ends with status $status after: $*"
    [ ! -s "$out/hack.out" ] && [ ! -s "$out/hack.err" ] || fail "the hack wrote:" "$(cat "$out"/hack.*)"
}

"$hack" -root --rain-seed 7 > "$out/hack.out" 2> "$out/hack.err" & hack_pid=$!
raining root 5 100 2
ends_silently "$hack_pid" kill -TERM "$hack_pid"

# xscreensaver's window: 500x400 holds the pond 3 times, at (70, 21); made
# 240x238, exactly twice.
coproc window { "$probe" window 500 400; }
read -r -u "${window[0]}" id
XSCREENSAVER_WINDOW=$id "$hack" --rain-seed 7 > "$out/hack.out" 2> "$out/hack.err" & hack_pid=$!
raining "$id" 3 70 21
echo "size 240 238" >&"${window[1]}"
raining "$id" 2 0 0
close_window() { exec {window[1]}>&-; }
ends_silently "$hack_pid" close_window
echo "hack ok"
