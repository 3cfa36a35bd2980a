#!/usr/bin/env bash
# Whole-run benchmark of the scenario engine: kavrin-cli backtests the demonstration scenario over
# the last TESTS draws of the demonstration archive, each run in a fresh copy of demo/. Given a
# second kavrin-cli (the previous engine), the two run in turn, side by side under the same load.
# The timed runs have the run log off; one more run with the log on counts the filter passes (the
# log's "Удаляем выделенные значения..." and "Оставляем выделенные значения..." lines).
# Usage: bench/scenario_demo.sh [KAVRIN_CLI] [RUNS] [TESTS] [PREVIOUS_KAVRIN_CLI]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/rel/kavrin-cli}
runs=${2:-3}
tests=${3:-20}
previous=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fresh() {
  rm -rf "$work/data"
  mkdir "$work/data"
  cp demo/* "$work/data"/
}

# Prints the wall milliseconds of one backtest and keeps its rating rows in $work/$2.out.
timed() {
  fresh
  local start end
  start=$(date +%s%N)
  "$1" --data-dir "$work/data" --quiet scenario test "$work/data/demo.lsc" --tests "$tests" >"$work/$2.out"
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}

for run in $(seq "$runs"); do
  line="run $run, $tests tests: $(timed "$cli" new) ms wall"
  if [ -n "$previous" ]; then
    line="$line; previous engine $(timed "$previous" previous) ms wall"
    # The random stake of the second line differs from run to run; the other rows must not.
    if ! diff <(grep -v 'Суммы, чётность' "$work/new.out") <(grep -v 'Суммы, чётность' "$work/previous.out") >/dev/null; then
      line="$line (rating rows differ!)"
    fi
  fi
  echo "$line; load $(cut -d' ' -f1 /proc/loadavg)"
done

fresh
printf '[TFormMain]\r\nScriptLogEnabled=1\r\n' >"$work/data/Kavrin_5x50.frm"
"$cli" --data-dir "$work/data" --quiet scenario test "$work/data/demo.lsc" --tests "$tests" >/dev/null
passes=$(iconv -f CP1251 -t UTF-8 "$work"/data/ScriptLog_*.txt | grep -c 'выделенные значения\.\.\.')
echo "filter passes: $passes"
