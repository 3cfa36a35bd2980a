#!/usr/bin/env bash
# Whole-run benchmark of the scenario engine: kavrin-cli backtests the demonstration scenario over
# the last 20 draws of the demonstration archive, each run in a fresh copy of demo/. The timed runs
# have the run log off; one more run with the log on counts the filter passes (the log's
# "Удаляем выделенные значения..." and "Оставляем выделенные значения..." lines).
# Usage: bench/scenario_demo.sh [KAVRIN_CLI] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/rel/kavrin-cli}
runs=${2:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fresh() {
  rm -rf "$work/data"
  mkdir "$work/data"
  cp demo/* "$work/data"/
}

for run in $(seq "$runs"); do
  fresh
  start=$(date +%s%N)
  "$cli" --data-dir "$work/data" --quiet scenario test "$work/data/demo.lsc" --tests 20 >/dev/null
  end=$(date +%s%N)
  echo "run $run: $(((end - start) / 1000000)) ms wall"
done

fresh
printf '[TFormMain]\r\nScriptLogEnabled=1\r\n' >"$work/data/Kavrin_5x50.frm"
"$cli" --data-dir "$work/data" --quiet scenario test "$work/data/demo.lsc" --tests 20 >/dev/null
passes=$(iconv -f CP1251 -t UTF-8 "$work"/data/ScriptLog_*.txt | grep -c 'выделенные значения\.\.\.')
echo "filter passes: $passes"
