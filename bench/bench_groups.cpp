// The channel, matrix, segment and number-tuple methods over the full set of 2,118,760
// combinations: their prepared filters, with a fifth of the rows of their table over 1,000 draws
// selected, and the distribution a full-set file holds.
#include <benchmark/benchmark.h>

#include "bench_data.h"
#include "stats/fullset.h"
#include "stats/statcalc.h"
#include "stats/statlist.h"

namespace kavrin {
namespace {

using bench::Archive;
using bench::FullSet;
using bench::Registry;

// Every fifth row of the method's table over the whole archive.
TStatDrawArray Selection(int entry) {
  auto stat = Registry().CreateStat(entry);
  const TStatWindow window = StatWindow(static_cast<int>(Archive().size()), 0, 1000);
  const TStatResult result = CalculateStatistics(*stat, window, false, nullptr, Registry().Config.Weights);
  TStatDrawArray selected;
  for (size_t i = 0; i < result.Items.size(); i += 5) selected.push_back(result.Items[i]);
  return selected;
}

void BM_PreparedFilterFullSet(benchmark::State& state, int entry) {
  TStatList& list = Registry();
  const TStatDrawArray selected = Selection(entry);
  bench::FilterFullSet(state, list, entry, selected, static_cast<int>(Archive().size()) - 1);
  state.counters["selected"] = static_cast<double>(selected.size());
}

void BM_ComputeFullSet(benchmark::State& state, int entry) {
  for (auto _ : state) {
    auto stat = Registry().CreateStat(entry);
    benchmark::DoNotOptimize(ComputeFullSet(*stat).Records.size());
  }
}

const bool registered = [] {
  TStatList& list = Registry();
  for (int entry = 0; entry < list.Count(); ++entry) {
    const TStatClass& c = *list.Items(entry).MethodClass;
    const std::string code = list.Items(entry).Code();
    if ((c.GroupIndex() >= 3 && c.GroupIndex() <= 5) || code.rfind("KN", 0) == 0)
      benchmark::RegisterBenchmark(("BM_PreparedFilterFullSet/" + code).c_str(), BM_PreparedFilterFullSet, entry)
          ->Unit(benchmark::kMillisecond);
  }
  for (int entry = 0; entry < list.Count(); ++entry) {
    const TStatClass& c = *list.Items(entry).MethodClass;
    if (c.GroupIndex() >= 3 && c.GroupIndex() <= 5 && c.HasNorm())
      benchmark::RegisterBenchmark(("BM_ComputeFullSet/" + list.Items(entry).Code()).c_str(), BM_ComputeFullSet, entry)
          ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
}  // namespace kavrin
