#!/usr/bin/env bash
# Start-up benchmark: how long Quarvel takes until its start window is mapped,
# and how much memory it holds then, side by side with a bare Qt Widgets window
# of the same size (bench/reference), both measured in the same run under a
# private Xvfb server without a window manager.
#
#   bench/startup.sh [--runs N] [--program PATH] [BUILD-DIR]
#
# BUILD-DIR (default build/release) provides the reference window and the
# probe; PATH (default BUILD-DIR/src/quarvel) may be an installed quarvel.
# Runs alternate between the two programs; the first run of each only warms
# the page cache and is not counted. Reports medians of the wall-clock time,
# of the CPU time spent until the map (steadier on a busy machine) and of the
# peak resident memory, the ratios, and each program's CPU use over 5 s idle.
set -euo pipefail

runs=15
program=
while [[ $# -gt 0 ]]; do
    case $1 in
    --runs) runs=$2; shift 2 ;;
    --program) program=$2; shift 2 ;;
    -h | --help) sed -n '2,15p' "$0"; exit 0 ;;
    *) break ;;
    esac
done
build=${1:-build/release}
program=${program:-$build/src/quarvel}
reference=$build/bench/reference/startup_reference
probe=$build/bench/reference/mapwait
for f in "$program" "$reference" "$probe"; do
    [[ -x $f ]] || { echo "startup.sh: $f not built (cmake --build $build)" >&2; exit 1; }
done
((runs >= 2)) || { echo "startup.sh: need at least 2 runs" >&2; exit 2; }

tmp=$(mktemp -d)
xvfb_pid=
cleanup() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

# A private server on a display number well away from the usual :0 and :99,
# so no other X session or test run on the machine is disturbed or disturbs.
for display in $(seq $((140 + RANDOM % 40)) 199); do
    [[ -e /tmp/.X$display-lock || -e /tmp/.X11-unix/X$display ]] && continue
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp 2>"$tmp/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [[ -S /tmp/.X11-unix/X$display ]] && break
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.05
    done
    [[ -S /tmp/.X11-unix/X$display ]] && kill -0 "$xvfb_pid" 2>/dev/null && break
    xvfb_pid=
done
[[ -n $xvfb_pid ]] || { echo "startup.sh: Xvfb did not start" >&2; cat "$tmp/xvfb.log" >&2; exit 1; }
export DISPLAY=:$display
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$tmp/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_FONT_DPI

# Xvfb now and then refuses a connection on a busy machine; the probe then
# exits with 3 and the run is repeated (the failed try is not timed).
retries=0
measure() { # measure NAME TITLE PROGRAM [probe options]
    local name=$1 title=$2 exe=$3 status
    shift 3
    for _ in 1 2 3 4 5; do
        status=0
        "$probe" "$@" "$title" "$exe" >>"$tmp/$name" 2>>"$tmp/errors" || status=$?
        ((status == 3)) || break
        retries=$((retries + 1))
    done
    if ((status != 0)); then
        echo "startup.sh: probe failed for $exe" >&2
        grep -v '^QStandardPaths' "$tmp/errors" >&2
        kill -0 "$xvfb_pid" 2>/dev/null || { echo "Xvfb has ended:" >&2; cat "$tmp/xvfb.log" >&2; }
        exit 1
    fi
}

for ((i = 0; i < runs; i++)); do
    measure quarvel Quarvel "$program"
    measure reference Referenz "$reference"
done

# median NAME KEY: the median of KEY over all runs but the first
median() {
    tail -n +2 "$tmp/$1" | tr ' ' '\n' | sed -n "s/^$2=//p" | sort -g |
        awk '{ v[NR] = $1 } END { printf "%.1f\n", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

q_ms=$(median quarvel map_ms)
r_ms=$(median reference map_ms)
q_cpu=$(median quarvel cpu_ms)
r_cpu=$(median reference cpu_ms)
q_kb=$(median quarvel hwm_kb)
r_kb=$(median reference hwm_kb)

# Idle: CPU time used in 5 s after the window has settled for a second.
measure quarvel-idle Quarvel "$program" --settle 1000 --idle 5000
measure reference-idle Referenz "$reference" --settle 1000 --idle 5000
q_idle=$(sed -n 's/.*idle_us=\([0-9]*\).*/\1/p' "$tmp/quarvel-idle")
r_idle=$(sed -n 's/.*idle_us=\([0-9]*\).*/\1/p' "$tmp/reference-idle")

echo "Start-up until the start window is mapped (median of $((runs - 1)) runs, Xvfb $DISPLAY)"
row() { printf '%-16s %14s %14s %16s %18s\n' "$@"; }
mib() { awk -v kb="$1" 'BEGIN { printf "%.1f", kb / 1024 }'; }
ms() { awk -v us="$1" 'BEGIN { printf "%.1f", us / 1000 }'; }
row "" "start (ms)" "CPU (ms)" "peak RSS (MiB)" "idle CPU 5 s (ms)"
row "Quarvel" "$q_ms" "$q_cpu" "$(mib "$q_kb")" "$(ms "$q_idle")"
row "bare Qt window" "$r_ms" "$r_cpu" "$(mib "$r_kb")" "$(ms "$r_idle")"
awk -v qm="$q_ms" -v rm="$r_ms" -v qc="$q_cpu" -v rc="$r_cpu" -v qk="$q_kb" -v rk="$r_kb" 'BEGIN {
    ts = qm / rm; cs = qc / rc; ms = qk / rk
    printf "ratio start  %.2fx (target <= 1.10x) %s\n", ts, ts <= 1.10 ? "ok" : "MISSED"
    printf "ratio CPU    %.2fx (start-up work, insensitive to other load)\n", cs
    printf "ratio memory %.2fx (target <= 1.15x) %s\n", ms, ms <= 1.15 ? "ok" : "MISSED"
}'
runs_of() { sed -n "s/.*$2=\([0-9.]*\).*/\1/p" "$tmp/$1" | paste -sd' '; }
echo "start (ms), every run: Quarvel $(runs_of quarvel map_ms)"
echo "                       bare    $(runs_of reference map_ms)"
((retries == 0)) || echo "($retries runs repeated after a refused display connection)"
