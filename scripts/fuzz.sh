#!/usr/bin/env bash
# Builds the libFuzzer harnesses of tests/fuzz (clang with AddressSanitizer and
# UndefinedBehaviorSanitizer, in build/fuzz) and runs each for SECONDS from its seed corpus.
#
#   scripts/fuzz.sh [SECONDS] [HARNESS...]     default: 600 seconds, every harness
#
# Inputs a run finds new go to build/fuzz/corpus/HARNESS, never into the committed seeds; a
# crashing input is kept as build/fuzz/artifacts/HARNESS-crash-... and the script then fails.
# The last lines give the executions per second of each harness.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-600}"
shift || true

# The compiler is chosen once, when the build folder is made.
if [ ! -f build/fuzz/CMakeCache.txt ]; then
  cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++-14 \
    -DKAVRIN_BUILD_FUZZ=ON -DKAVRIN_BUILD_TESTS=OFF >/dev/null
fi
cmake --build build/fuzz --target fuzzers

harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for source in tests/fuzz/fuzz_*.cpp; do
    name="$(basename "$source" .cpp)"
    [ "$name" = fuzz_support ] || harnesses+=("$name")
  done
fi

mkdir -p build/fuzz/artifacts build/fuzz/logs
# The harnesses' scratch folders live in one folder of this run, removed whatever happens.
scratch_parent=/tmp
[ -d /dev/shm ] && scratch_parent=/dev/shm
KAVRIN_FUZZ_SCRATCH="$(mktemp -d "$scratch_parent/kavrin-fuzz-run.XXXXXX")"
export KAVRIN_FUZZ_SCRATCH
trap 'rm -rf "$KAVRIN_FUZZ_SCRATCH"' EXIT
# Undefined behaviour is reported with the stack that led to it.
export UBSAN_OPTIONS="print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
summary=()
failed=()
for name in "${harnesses[@]}"; do
  mkdir -p "build/fuzz/corpus/$name"
  log="build/fuzz/logs/$name.log"
  echo "fuzzing $name for ${seconds}s"
  if build/fuzz/tests/fuzz/"$name" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="build/fuzz/artifacts/$name-" \
      "build/fuzz/corpus/$name" "tests/fuzz/corpus/$name" >"$log" 2>&1; then
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    rate="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")"
    summary+=("$(printf '%-26s %10s runs %8s exec/s' "$name" "$runs" "$rate")")
  else
    tail -n 60 "$log"
    failed+=("$name")
    summary+=("$(printf '%-26s FAILED, see %s' "$name" "$log")")
  fi
done

printf '%s\n' "${summary[@]}"
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing found faults in: ${failed[*]}" >&2
  exit 1
fi
