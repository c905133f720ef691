#!/usr/bin/env bash
# Builds the benchmarks in Release, runs them all and writes their figures into
# docs/performance.md (between its "figures" markers; the text around them stays).
#   tools/bench.sh [corvane_bench flags...]     e.g. --benchmark_filter=load
# A run given flags writes its figures to the build folder only, not into the page.
# Environment:
#   CORVANE_BENCH_DIR           build folder (build-bench)
#   CORVANE_BENCH_REPETITIONS   repetitions of each benchmark (5); the figures are medians
#   CORVANE_BENCH_MIN_TIME      least seconds of each repetition (0.5)
#   CORVANE_BENCH_BEFORE        JSON of an earlier run, shown beside each figure
#   CORVANE_BENCH_RESULTS       JSON of a finished run: write the figures from it, run nothing
#   CORVANE_BENCH_NO_DOC=1      leave docs/performance.md alone (figures go to the build folder)
set -euo pipefail
cd "$(dirname "$0")/.."

dir=${CORVANE_BENCH_DIR:-build-bench}
repetitions=${CORVANE_BENCH_REPETITIONS:-5}
min_time=${CORVANE_BENCH_MIN_TIME:-0.5}
jobs=$(nproc 2>/dev/null || echo 2)
doc=docs/performance.md

# Release at -O2: at -O3, g++ 12 reports false -Wrestrict warnings inside libstdc++'s string
# code (GCC bug 105329), and warnings are errors.
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG" \
  -DCORVANE_BUILD_TESTS=OFF -DCORVANE_BUILD_BENCH=ON >/dev/null
cmake --build "$dir" -j "$jobs" --target corvane_bench corvane_bench_report

results=${CORVANE_BENCH_RESULTS:-$dir/bench.json}
if [ -z "${CORVANE_BENCH_RESULTS:-}" ]; then
  "$dir/bench/corvane_bench" --benchmark_repetitions="$repetitions" \
    --benchmark_min_time="$min_time" --benchmark_display_aggregates_only=true \
    --benchmark_out="$results" --benchmark_out_format=json "$@"
fi

report=("$dir/bench/corvane_bench_report" "$results")
[ -n "${CORVANE_BENCH_BEFORE:-}" ] && report+=(--before "$CORVANE_BENCH_BEFORE")
"${report[@]}" >"$dir/figures.md"

if [ "${CORVANE_BENCH_NO_DOC:-0}" = 1 ] || [ $# -gt 0 ]; then
  echo "bench.sh: figures in $dir/figures.md" >&2
  exit 0
fi
begin='<!-- figures: written by tools/bench.sh -->'
end='<!-- end of figures -->'
if ! grep -qF "$begin" "$doc" 2>/dev/null; then
  printf '# Performance\n\n%s\n%s\n' "$begin" "$end" >>"$doc"
fi
awk -v begin="$begin" -v end="$end" -v figures="$dir/figures.md" '
  $0 == begin { print; while ((getline line < figures) > 0) print line; skip = 1; next }
  $0 == end { skip = 0 }
  !skip { print }
' "$doc" >"$doc.new"
mv "$doc.new" "$doc"
echo "bench.sh: figures written into $doc" >&2
