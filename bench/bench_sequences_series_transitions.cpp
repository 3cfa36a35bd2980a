// The run, repeat, characteristic-number, series, period and transition methods: one calculation
// of each over a 1,000-draw window, and the prepared filter of the period and transition methods
// over the full set of 2,118,760 combinations.
#include <benchmark/benchmark.h>

#include <random>

#include "stats/statcalc.h"
#include "stats/statlist.h"

namespace kavrin {
namespace {

// A fixed made-up archive of 1,000 draws in drawn order (the one of bench_stats).
const TDrawsArray& Archive() {
  static const TDrawsArray draws = [] {
    std::mt19937 random(1000);
    TDrawsArray d;
    for (int i = 0; i < 1000; ++i) {
      TDrawRec draw;
      draw.Number = i + 1;
      int filled = 0;
      while (filled < DrawSize) {
        auto n = static_cast<uint8_t>(random() % NumberMax + 1);
        if (!CombContains(draw.Numbers, n)) draw.Numbers[filled++] = n;
      }
      draw.Extra = static_cast<uint8_t>(random() % ExtraMax + 1);
      d.push_back(draw);
    }
    return d;
  }();
  return draws;
}

TStatList& Registry() {
  static TStatList list;
  static const bool built = [] {
    list.SetDraws(Archive());
    list.BuildMethods();
    return true;
  }();
  static_cast<void>(built);
  return list;
}

const TCombsArray& FullSet() {
  static const TCombsArray combs = [] {
    TCombsArray all;
    all.reserve(FullSetSize);
    for (uint8_t a = 1; a <= NumberMax; ++a)
      for (uint8_t b = a + 1; b <= NumberMax; ++b)
        for (uint8_t c = b + 1; c <= NumberMax; ++c)
          for (uint8_t d = c + 1; d <= NumberMax; ++d)
            for (uint8_t e = d + 1; e <= NumberMax; ++e) all.push_back({a, b, c, d, e});
    return all;
  }();
  return combs;
}

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
  const TCombsArray& all = FullSet();
  TStatDrawArray selected;
  {
    auto stat = list.CreateStat(entry);
    const TStatResult table = CalculateStatistics(*stat, Window(), false, nullptr, list.Config.Weights);
    for (size_t i = 0; i < table.Items.size(); i += 2) selected.push_back(table.Items[i]);
  }
  TCombsArray out(all.size());
  size_t kept = 0;
  for (auto _ : state) {
    auto stat = list.CreateStat(entry);
    stat->LoadDraws(-1, Window().Last, false);
    auto prepared = stat->PrepareMatches(selected, false, false, Window().Last);
    kept = prepared->Filter(all, false, out.data());
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["selected"] = static_cast<double>(selected.size());
  state.counters["kept"] = static_cast<double>(kept);
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
