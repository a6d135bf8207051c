#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build/fuzz) and runs each for a
# bounded time, two at a time, starting from its committed seeds. Fails on any
# finding; the input that caused it is left in build/fuzz/findings/.
#   tools/fuzz.sh              about 20 s per target (the test command)
#   tools/fuzz.sh --seconds N  longer runs
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=20
[ "${1:-}" = --seconds ] && seconds=${2:?--seconds needs a number}
build="$root/build/fuzz"
cmake -S "$root" -B "$build" -DTARNIX_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" >/dev/null
mkdir -p "$build/findings"
run() {  # run TARGET
  local t=$1 work="$build/corpus/$1"
  mkdir -p "$work"
  # New inputs go to the work folder; the committed seeds stay as they are.
  if "$build/tests/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
       -artifact_prefix="$build/findings/$t-" -print_final_stats=1 "$work" "$root/tests/fuzz/corpus/$t" \
       >"$build/$t.log" 2>&1; then
    echo "fuzz: $t: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/$t.log" | grep -o '[0-9]*$') runs, no finding"
  else
    echo "fuzz: $t: FINDING (see $build/$t.log)"; tail -n 30 "$build/$t.log"; return 1
  fi
}
targets=(dispatch preview_handle stored_number version_block bmp region)
failed=0
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  run "${targets[i]}" & a=$!
  pids=("$a")
  if [ $((i + 1)) -lt ${#targets[@]} ]; then run "${targets[i + 1]}" & pids+=("$!"); fi
  for p in "${pids[@]}"; do wait "$p" || failed=1; done
done
exit $failed
