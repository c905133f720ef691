#!/usr/bin/env bash
# Builds the benchmarks in Release, runs them all and writes their figures into
# docs/performance.md (between its "figures" markers; the text around them stays).
#   tools/bench.sh [benchmark flags...]     e.g. --benchmark_filter=load
# The flags go to corvane_bench and to corvane_qt_bench (the Qt toolkit's load, built when
# Qt is, run on Qt's offscreen platform). A run given flags writes its figures to the build
# folder only, not into the page.
# Environment:
#   CORVANE_BENCH_DIR           build folder (build-bench)
#   CORVANE_BENCH_REPETITIONS   repetitions of each benchmark (5); the figures are medians
#   CORVANE_BENCH_MIN_TIME      least seconds of each repetition (0.5)
#   CORVANE_BENCH_CPU           run the benchmarks on this CPU only (taskset -c), e.g. 1
#   CORVANE_BENCH_BEFORE        JSON of an earlier run (its bench.json, and bench-qt.json
#                               beside it when there is one), shown beside each figure
#   CORVANE_BENCH_RESULTS       JSON of a finished run: write the figures from it (and from
#                               bench-qt.json beside it), run nothing
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
targets=(corvane_bench corvane_bench_report)
with_qt=$(grep -q '^CORVANE_WITH_QT:BOOL=ON' "$dir/CMakeCache.txt" && echo 1 || echo 0)
[ "$with_qt" = 1 ] && targets+=(corvane_qt_bench)
cmake --build "$dir" -j "$jobs" --target "${targets[@]}"

# The Qt figures of a run sit beside its bench.json, in bench-qt.json.
qt_json() { echo "${1%.json}-qt.json"; }
results=${CORVANE_BENCH_RESULTS:-$dir/bench.json}
if [ -z "${CORVANE_BENCH_RESULTS:-}" ]; then
  pin=()
  [ -n "${CORVANE_BENCH_CPU:-}" ] && pin=(taskset -c "$CORVANE_BENCH_CPU")
  run=(--benchmark_repetitions="$repetitions" --benchmark_min_time="$min_time"
       --benchmark_display_aggregates_only=true --benchmark_out_format=json)
  "${pin[@]}" "$dir/bench/corvane_bench" "${run[@]}" --benchmark_out="$results" "$@"
  rm -f "$(qt_json "$results")"
  if [ "$with_qt" = 1 ]; then
    QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} "${pin[@]}" "$dir/bench/corvane_qt_bench" \
      "${run[@]}" --benchmark_out="$(qt_json "$results")" "$@"
  fi
fi

# A filter that matches none of a binary's benchmarks leaves its file empty.
report=("$dir/bench/corvane_bench_report")
for file in "$results" "$(qt_json "$results")"; do
  [ -s "$file" ] && report+=("$file")
done
if [ -n "${CORVANE_BENCH_BEFORE:-}" ]; then
  for file in "$CORVANE_BENCH_BEFORE" "$(qt_json "$CORVANE_BENCH_BEFORE")"; do
    [ -s "$file" ] && report+=(--before "$file")
  done
fi
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
