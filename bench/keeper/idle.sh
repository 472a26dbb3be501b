#!/usr/bin/env bash
# The keeper idle: quorvane-link keep on a fresh data folder, outside its
# hours so it only watches, for SECONDS (60 by default); prints the CPU it
# used as a share of the wall time and its resident memory.
# Usage: bench/keeper/idle.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
build=${1:-build/test}
seconds=${2:-60}
dir=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" && wait "$pid"; rm -rf "$dir"' EXIT
"$build/bin/quorvane-db" init "$dir" --operator keeper --pin 1234 >/dev/null
# An hour from now to two hours from now: it waits and watches.
hours="$(date -d '+1 hour' +%H:%M)-$(date -d '+2 hours' +%H:%M)"
XDG_CONFIG_HOME="$dir" "$build/bin/quorvane-link" keep "$dir" --hours "$hours" >"$dir/log" &
pid=$!
sleep 2 # past the start-up
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep "$seconds"
after=$(ticks)
rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
awk -v t=$((after - before)) -v hz="$hz" -v s="$seconds" -v rss="$rss" 'BEGIN {
    printf "keeper idle %d s: CPU %.2f s (%.3f %% of wall), resident %.1f MiB\n",
           s, t / hz, 100 * t / hz / s, rss / 1024 }'
