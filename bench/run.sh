#!/usr/bin/env bash
# Builds and runs the benchmarks, then prints one line per figure:
#   NAME: R x floor (VALUE, floor FLOOR)
# usage: bash bench/run.sh [BUILD]      (BUILD: the CMake build folder, default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if ! log=$(cmake --build "$build" --target kestrin-bench kestrin-startup kestrin-startup-floor 2>&1); then
  echo "$log"
  exit 1
fi

export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "machine: $(nproc) CPUs, $(lscpu | sed -n 's/^Model name: *//p' | head -1)"
echo
echo "== in process: median CPU time of 5 randomly interleaved repetitions"
"$build/kestrin-bench" --benchmark_min_time=0.2 --benchmark_repetitions=5 \
  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
  --benchmark_color=false --figures="$work/figures.txt"

# Every start-up run gets an empty configuration and runtime folder.
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
fresh="rm -rf $work/config $work/runtime && mkdir -m 700 $work/config $work/runtime"

echo
echo "== start-up to the first paint (hyperfine, offscreen platform)"
hyperfine -N --warmup 2 --runs 15 --prepare "bash -c '$fresh'" --export-csv "$work/startup.csv" \
  -n kestrin "$build/kestrin-startup" -n floor "$build/kestrin-startup-floor"

# Peak resident memory in KiB, the median of three runs.
peak() {
  for _ in 1 2 3; do
    bash -c "$fresh"
    /usr/bin/time -v -o "$work/time.txt" "$1" 2>/dev/null >/dev/null
    sed -n 's/.*Maximum resident set size (kbytes): *//p' "$work/time.txt"
  done | sort -n | sed -n 2p
}
peak_kestrin=$(peak "$build/kestrin-startup")
peak_floor=$(peak "$build/kestrin-startup-floor")

median() { awk -F, -v name="$1" '$1 == name { print $4 }' "$work/startup.csv"; }
start_kestrin=$(median kestrin)
start_floor=$(median floor)

echo
echo "== figures"
grep -v '^#' "$work/figures.txt"
awk -v v="$start_kestrin" -v f="$start_floor" \
  'BEGIN { printf "start-up: %.2f x floor (%.1f ms, floor %.1f ms)\n", v / f, v * 1e3, f * 1e3 }'
awk -v v="$peak_kestrin" -v f="$peak_floor" \
  'BEGIN { printf "start-up peak memory: %.2f x floor (%.1f MiB, floor %.1f MiB)\n", v / f, v / 1024, f / 1024 }'
grep '^#' "$work/figures.txt" || true
