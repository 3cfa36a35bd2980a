// The combination list's whole-set operations: generation of the full set, the undo copy and
// the removal of the last draws, each over 2,118,760 combinations in storage reserved once.
#include <benchmark/benchmark.h>

#include <random>

#include "combs/combsstore.h"
#include "combs/generate.h"
#include "combs/lastdraws.h"
#include "core/format.h"

namespace kavrin {
namespace {

void BM_GenerateFullSet(benchmark::State& state) {
  TCombsStore store;
  store.ReserveFullSet();
  for (auto _ : state) {
    EnumerateCombs(0, {}, store.CombsList);
    benchmark::DoNotOptimize(store.CombsList.Data());
  }
  state.counters["combinations"] = store.CombsList.Count();
}
BENCHMARK(BM_GenerateFullSet)->Unit(benchmark::kMillisecond);

void BM_UndoCopyFullSet(benchmark::State& state) {
  TCombsStore store;
  store.ReserveFullSet();
  EnumerateCombs(0, {}, store.CombsList);
  for (auto _ : state) {
    store.TakeUndoCopy();
    benchmark::DoNotOptimize(store.CombsUndoList.Data());
  }
}
BENCHMARK(BM_UndoCopyFullSet)->Unit(benchmark::kMillisecond);

// With the progress texts the command shows, about a hundred per run.
void BM_RemoveLast10DrawsFromFullSet(benchmark::State& state) {
  TCombsStore store;
  store.ReserveFullSet();
  EnumerateCombs(0, {}, store.CombsUndoList);
  std::mt19937 random(5);
  std::vector<TDrawRec> draws(10);
  for (TDrawRec& draw : draws) {
    std::vector<uint8_t> numbers;
    for (int n = 1; n <= NumberMax; ++n) numbers.push_back(static_cast<uint8_t>(n));
    std::shuffle(numbers.begin(), numbers.end(), random);
    std::copy_n(numbers.begin(), DrawSize, draw.Numbers.begin());
  }
  std::string status;
  for (auto _ : state) {
    RemoveDrawMatches(store.CombsUndoList, draws, store.CombsList, [&](double percent) {
      status = Format("Удаление из списка комбинаций %d последних тиражей ( завершено %.0f %% )...", {10, percent});
    });
    benchmark::DoNotOptimize(status.data());
  }
  state.counters["kept"] = store.CombsList.Count();
}
BENCHMARK(BM_RemoveLast10DrawsFromFullSet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kavrin
