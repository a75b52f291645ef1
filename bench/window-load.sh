#!/usr/bin/env bash
# Measures the window as the system sees it, under Xvfb: CPU time and
# wake-ups (context switches of all its threads) over a span, at rest or with
# ten sources kept going by ten presses every 3.05 s.
#   bench/window-load.sh PROGRAM rest|busy [SECONDS]
set -euo pipefail
program=$1 mode=$2 span=${3:-20}
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 640x480x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
sleep 1
"$program" &
pid=$!
trap 'kill $pid $xvfb 2>/dev/null' EXIT
sleep 2
window=$(xdotool search --sync --pid "$pid" --name "Movra" | head -1)
read -r wx wy < <(xdotool getwindowgeometry "$window" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')

cpu_ns() { cat /proc/"$pid"/task/*/schedstat | awk '{n += $1} END {printf "%d", n}'; }  # run time, all threads
switches() { cat /proc/"$pid"/task/*/status | awk '/ctxt_switches/ {n += $2} END {print n}'; }
rss_kb() { awk '/VmRSS/ {print $2}' "/proc/$pid/status"; }
presses() {  # ten presses spread over the pond
    for i in 0 1 2 3 4 5 6 7 8 9; do
        xdotool mousemove $((wx + 10 + i * 10)) $((wy + 10 + (i * 37) % 100)) click 1
    done
}

presses; sleep 3.5  # the first rings run out; from here the pond sleeps
[ "$mode" = rest ] && sleep 1
now_ns() { date +%s%N; }
t0=$(cpu_ns) s0=$(switches) start=$(now_ns)
if [ "$mode" = busy ]; then
    # Rounds of presses 3.05 s apart, counted from the start so that the
    # time the presses take does not stretch the rounds.
    for ((round = 0; round * 3050 < span * 1000; round++)); do
        presses
        wait_ms=$(((start + (round + 1) * 3050000000 - $(now_ns)) / 1000000))
        [ "$wait_ms" -gt 0 ] && sleep "$(awk -v ms="$wait_ms" 'BEGIN {print ms / 1000}')"
    done
else
    sleep "$span"
fi
t1=$(cpu_ns) s1=$(switches) stop=$(now_ns)
awk -v mode="$mode" -v cpu=$((t1 - t0)) -v wall=$((stop - start)) -v wakes=$((s1 - s0)) -v rss="$(rss_kb)" \
    'BEGIN {printf "%s: %.3f%% CPU, %d wake-ups in %.1f s, RSS %d kB\n", mode, 100 * cpu / wall, wakes, wall / 1e9, rss}'
