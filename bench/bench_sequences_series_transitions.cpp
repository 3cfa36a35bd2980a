// The run, repeat, characteristic-number, series, period and transition methods: one calculation
// of each over a 1,000-draw window, and the prepared filter of the period and transition methods
// over the full set of 2,118,760 combinations.
#include <benchmark/benchmark.h>

#include "bench_data.h"
#include "stats/statcalc.h"
#include "stats/statlist.h"

namespace kavrin {
namespace {

using bench::Archive;
using bench::FullSet;
using bench::Registry;

const TStatWindow& Window() {
  static const TStatWindow window = StatWindow(static_cast<int>(Archive().size()), 0, 1000);
  return window;
}

// Creating the method, the accumulation, totals, weights and "Факт" at offset 0.
void BM_Calculate1000Draws(benchmark::State& state, int entry) {
  TStatList& list = Registry();
  for (auto _ : state) {
    auto stat = list.CreateStat(entry);
    TStatResult result = CalculateStatistics(*stat, Window(), false, nullptr, list.Config.Weights);
    benchmark::DoNotOptimize(result.Items.size());
  }
}

// Preparing the selection and filtering the full set into a list with room for all of it. The
// selection is every other row of the method's table over the 1,000-draw window.
void BM_PreparedFilterFullSet(benchmark::State& state, int entry) {
  TStatList& list = Registry();
  TStatDrawArray selected;
  {
    auto stat = list.CreateStat(entry);
    const TStatResult table = CalculateStatistics(*stat, Window(), false, nullptr, list.Config.Weights);
    for (size_t i = 0; i < table.Items.size(); i += 2) selected.push_back(table.Items[i]);
  }
  bench::FilterFullSet(state, list, entry, selected, Window().Last);
  state.counters["selected"] = static_cast<double>(selected.size());
}

const bool registered = [] {
  TStatList& list = Registry();
  for (int entry = 0; entry < list.Count(); ++entry) {
    const int group = list.Items(entry).MethodClass->GroupIndex();
    if (group < 6 || group > 11) continue;
    const std::string code = list.Items(entry).Code();
    benchmark::RegisterBenchmark(("BM_Calculate1000Draws/" + code).c_str(), BM_Calculate1000Draws, entry)
        ->Unit(benchmark::kMicrosecond);
    if (group == 9 || group == 10)
      benchmark::RegisterBenchmark(("BM_PreparedFilterFullSet/" + code).c_str(), BM_PreparedFilterFullSet, entry)
          ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
}  // namespace kavrin
