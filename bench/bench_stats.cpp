// The statistics engine: one calculation of every registered method over a 1,000-draw window, and
// the prepared filter of a selection over the full set of 2,118,760 combinations.
#include <benchmark/benchmark.h>

#include "bench_data.h"
#include "core/archive.h"
#include "stats/statcalc.h"
#include "stats/statlist.h"

namespace kavrin {
namespace {

using bench::Archive;
using bench::FullSet;
using bench::Registry;

// Creating the method, the accumulation, totals, weights and "Факт" at offset 0.
void BM_Calculate1000Draws(benchmark::State& state, int entry) {
  TStatList& list = Registry();
  const TStatWindow window = StatWindow(static_cast<int>(Archive().size()), 0, 1000);
  for (auto _ : state) {
    auto stat = list.CreateStat(entry);
    TStatResult result = CalculateStatistics(*stat, window, false, nullptr, list.Config.Weights);
    benchmark::DoNotOptimize(result.Items.size());
  }
}

// "Факт" of every value of a table at offset 100: the one pass over the hidden draws against the
// literal search from each value's last occurrence.
void BM_FactsAtOffset100(benchmark::State& state, int entry, bool literal) {
  TStatList& list = Registry();
  auto stat = list.CreateStat(entry);
  const TStatWindow window = StatWindow(static_cast<int>(Archive().size()), 100, 1000);
  const TStatResult result = CalculateStatistics(*stat, window, false, nullptr, list.Config.Weights);
  for (auto _ : state) {
    if (!literal) {
      benchmark::DoNotOptimize(FindFacts(*stat, result.Items, window.Last, false).data());
      continue;
    }
    for (const TStatDrawRec& e : result.Items)
      if (e.Count >= 1 && e.Depth > 0)
        benchmark::DoNotOptimize(
            stat->FindNextOccurrence(e, FindDrawByNumber(Archive(), e.LastDraw) + 1, false, window.Last));
  }
}

TStatDrawArray Values(std::initializer_list<uint32_t> values) {
  TStatDrawArray selected;
  for (uint32_t v : values) {
    TStatDrawRec rec;
    rec.SetDword1(v);
    selected.push_back(rec);
  }
  return selected;
}

TStatDrawArray Range(uint32_t first, uint32_t last) {
  TStatDrawArray selected;
  for (uint32_t v = first; v <= last; ++v) {
    TStatDrawRec rec;
    rec.SetDword1(v);
    selected.push_back(rec);
  }
  return selected;
}

// Preparing the selection and filtering the full set into a list with room for all of it.
void BM_PreparedFilterFullSet(benchmark::State& state, int entry, TStatDrawArray selected) {
  TStatList& list = Registry();
  bench::FilterFullSet(state, list, entry, selected, static_cast<int>(Archive().size()) - 1);
}

const bool registered = [] {
  TStatList& list = Registry();
  for (int entry = 0; entry < list.Count(); ++entry)
    benchmark::RegisterBenchmark(("BM_Calculate1000Draws/" + list.Items(entry).Code()).c_str(), BM_Calculate1000Draws,
                                 entry)
        ->Unit(benchmark::kMicrosecond);
  for (const char* code : {"NUMS", "KDS3"})
    for (bool literal : {false, true})
      benchmark::RegisterBenchmark(
          (std::string("BM_FactsAtOffset100/") + code + (literal ? "/literal" : "/one_pass")).c_str(),
          BM_FactsAtOffset100, list.FindCode(code), literal)
          ->Unit(benchmark::kMicrosecond);
  const std::pair<const char*, TStatDrawArray> filters[] = {
      {"NUMS", Values({3, 7, 12, 18, 25, 33, 41, 49})},
      {"SUMS", Range(100, 150)},
      {"EVNV", Values({0, 5, 10, 13, 21, 31})},
      {"DIFA", Values({1, 2, 3, 10, 20})},
  };
  for (const auto& [code, selected] : filters)
    benchmark::RegisterBenchmark((std::string("BM_PreparedFilterFullSet/") + code).c_str(), BM_PreparedFilterFullSet,
                                 list.FindCode(code), selected)
        ->Unit(benchmark::kMillisecond);
  return true;
}();

}  // namespace
}  // namespace kavrin
