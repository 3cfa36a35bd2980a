// The shredding methods and the full-set files: a formula filter over the full set of 2,118,760
// combinations, the formula parsed once against a fresh parse per value, values in blocks, and
// the computation of one method's full-set distribution.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench_data.h"
#include "stats/fullset.h"
#include "stats/methods/shredding.h"
#include "stats/statlist.h"

namespace kavrin {
namespace {

// A fixed made-up archive of 100 draws in drawn order, without extra numbers.
const TDrawsArray& Archive() {
  static const TDrawsArray draws = bench::MadeUpDraws(100, 100, false);
  return draws;
}
TStatList& Registry() { return bench::Registry(Archive()); }
using bench::FullSet;

// The filter of the statistics tab with SHR1 and the default formula: ten values of the table
// selected, the full set filtered into a list with room for all of it.
void BM_ShreddingFilterFullSet(benchmark::State& state) {
  TStatList& list = Registry();
  const int last = static_cast<int>(Archive().size()) - 1;
  TStatDrawArray selected;
  for (uint16_t v = 20; v < 70; v += 5) {
    TStatDrawRec rec;
    rec.Key1 = v;
    selected.push_back(rec);
  }
  bench::FilterFullSet(state, list, list.FindCode("SHR1"), selected, last);
}
BENCHMARK(BM_ShreddingFilterFullSet)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// One value of the default formula: parsed once, and substituted and parsed afresh.
void BM_ShreddingValue(benchmark::State& state, bool parsedOnce) {
  const std::string formula = "(n1+n2+n3)/(n4+n5)";
  const TShreddingFormula parsed(formula);
  const TComb p{3, 14, 15, 26, 35}, t{8, 9, 7, 9, 32};
  size_t k = 0;
  for (auto _ : state) {
    const TComb& n = FullSet()[k++ % FullSet().size()];
    benchmark::DoNotOptimize(parsedOnce ? parsed.Value(n, p, t, 2) : ShreddingValue(n, p, t, 2, formula));
  }
}
BENCHMARK_CAPTURE(BM_ShreddingValue, parsed_once, true);
BENCHMARK_CAPTURE(BM_ShreddingValue, fresh_parse, false);

// The values of the whole full set in blocks of lanes on one thread, as each filter thread and
// each file build computes them; reported per value.
void BM_ShreddingValuesFullSet(benchmark::State& state) {
  const TShreddingFormula parsed("(n1+n2+n3)/(n4+n5)");
  const TComb p{3, 14, 15, 26, 35}, t{8, 9, 7, 9, 32};
  std::vector<int32_t> values(FullSet().size());
  for (auto _ : state) {
    parsed.Values(FullSet(), p, t, 2, values.data());
    benchmark::DoNotOptimize(values.data());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(FullSet().size()));
}
BENCHMARK(BM_ShreddingValuesFullSet)->Unit(benchmark::kMillisecond);

// The distribution of one method over the full set, as a file build computes it.
void BM_ComputeFullSet(benchmark::State& state, const char* code) {
  TStatList& list = Registry();
  for (auto _ : state) {
    auto stat = list.CreateStat(list.FindCode(code));
    benchmark::DoNotOptimize(ComputeFullSet(*stat).Records.size());
  }
}
BENCHMARK_CAPTURE(BM_ComputeFullSet, NUMS, "NUMS")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComputeFullSet, SUMS, "SUMS")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComputeFullSet, SHR1, "SHR1")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kavrin
