#pragma once
// The data the benchmarks share: made-up archives, the registry over one, and the full set.
#include <benchmark/benchmark.h>

#include <random>

#include "core/game.h"
#include "stats/statlist.h"

namespace kavrin::bench {

// A fixed made-up archive in drawn order: `count` draws from the seed, with extra numbers when
// asked (drawing them shifts the random stream, so an archive without them is another one).
inline TDrawsArray MadeUpDraws(int count, unsigned seed, bool withExtra) {
  std::mt19937 random(seed);
  TDrawsArray draws;
  for (int i = 0; i < count; ++i) {
    TDrawRec draw;
    draw.Number = i + 1;
    int filled = 0;
    while (filled < DrawSize) {
      auto n = static_cast<uint8_t>(random() % NumberMax + 1);
      if (!CombContains(draw.Numbers, n)) draw.Numbers[filled++] = n;
    }
    if (withExtra) draw.Extra = static_cast<uint8_t>(random() % ExtraMax + 1);
    draws.push_back(draw);
  }
  return draws;
}

// The archive of the statistics benchmarks: 1,000 draws, seed 1000, with extra numbers.
inline const TDrawsArray& Archive() {
  static const TDrawsArray draws = MadeUpDraws(1000, 1000, true);
  return draws;
}

// The registry with every method, over the archive given on the first call.
inline TStatList& Registry(const TDrawsArray& draws = Archive()) {
  static TStatList list;
  static const bool built = [&] {
    list.SetDraws(draws);
    list.BuildMethods();
    return true;
  }();
  static_cast<void>(built);
  return list;
}

// The 2,118,760 combinations in ascending order.
inline const TCombsArray& FullSet() {
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

// The timed loop of the filter benchmarks: the method created, its draws loaded up to `last`,
// the selection prepared and the full set filtered into a list with room for all of it. Sets
// the counter "kept".
inline void FilterFullSet(benchmark::State& state, TStatList& list, int entry, const TStatDrawArray& selected,
                          int last) {
  TCombsArray out(FullSet().size());
  size_t kept = 0;
  for (auto _ : state) {
    auto stat = list.CreateStat(entry);
    stat->LoadDraws(-1, last, false);
    kept = stat->PrepareMatches(selected, false, false, last)->Filter(FullSet(), false, out.data());
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["kept"] = static_cast<double>(kept);
}

}  // namespace kavrin::bench
