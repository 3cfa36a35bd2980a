// The draw views: everything RefreshViews recomputes for them over the demonstration folder, the
// repeats analysis, the sums comparison, and the cells of one screen of a long draw card.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "app/templatemain.h"
#include "bench_data.h"
#include "cli/consolehost.h"
#include "views/card.h"
#include "views/repeats.h"
#include "views/sums.h"

namespace kavrin {
namespace {

// A copy of the demonstration folder (start-up writes the view settings of a first run), read
// as start-up reads it.
std::string DemoCopy() {
  const std::filesystem::path copy = std::filesystem::temp_directory_path() / "kavrin-bench-views";
  std::filesystem::remove_all(copy);
  std::filesystem::copy(KAVRIN_DEMO_DIR, copy);
  return copy.string();
}

struct TDemoViews {
  std::ostringstream messages;
  ConsoleHost host{messages, false, true};
  TTemplateMain main{host, DemoCopy()};
  TDemoViews() {
    main.LoadViewSettings();
    main.LoadConfig();
    main.InitStatistics();
    main.LoadArchive();
  }
};

// Forced, so that every view is computed again: the draws graph of the first graph type over
// DrawsGraphLen draws, the card, the schema over LayoutLen draws, the five comparison lists and
// the weekday table over WeekLen draws with its chart, at the stored defaults.
void BM_DrawViewsRefreshDemo(benchmark::State& state) {
  TDemoViews demo;
  for (auto _ : state) demo.main.DrawViews.Refresh(true);
  const TViewSettings& v = demo.main.View;
  state.SetLabel(std::to_string(demo.main.Archive.Count()) + " draws; graph " +
                 demo.main.Stats.Items(demo.main.GraphKinds.SelectedEntry()).Code() + " over " +
                 std::to_string(v.DrawsGraphLen) + ", schema " + std::to_string(v.LayoutLen) + ", week " +
                 std::to_string(v.WeekLen));
}
BENCHMARK(BM_DrawViewsRefreshDemo)->Unit(benchmark::kMicrosecond);

// Each offset step of a test: the offset moves and RefreshViews runs without force, the
// statistics table included.
void BM_OffsetStepDemo(benchmark::State& state) {
  TDemoViews demo;
  int offset = 0;
  for (auto _ : state) demo.main.SetDrawsOffset(offset ^= 1);
}
BENCHMARK(BM_OffsetStepDemo)->Unit(benchmark::kMicrosecond);

void BM_AnalyzeRepeats1000Deep1000(benchmark::State& state) {
  const TDrawsArray draws = bench::MadeUpDraws(2000, 2000, true);
  for (auto _ : state) benchmark::DoNotOptimize(AnalyzeRepeats(draws, 1000, 1000));
}
BENCHMARK(BM_AnalyzeRepeats1000Deep1000)->Unit(benchmark::kMillisecond);

void BM_SumsComparisonDemo(benchmark::State& state) {
  TDemoViews demo;
  for (auto _ : state) benchmark::DoNotOptimize(SumsComparisonGraph(demo.main.Archive.Draws()));
}
BENCHMARK(BM_SumsComparisonDemo)->Unit(benchmark::kMillisecond);

// What a window asks for one screen of a 10,000-draw card: 40 rows of 52 texts and backgrounds,
// in the middle of the card.
void BM_CardScreen10000(benchmark::State& state) {
  const TDrawsArray draws = bench::MadeUpDraws(10000, 10000, true);
  const TCardColors colors;
  for (auto _ : state)
    for (int row = 5000; row < 5040; ++row)
      for (int column = 0; column < CardColumnCount; ++column) {
        benchmark::DoNotOptimize(CardCellText(draws, row, column));
        benchmark::DoNotOptimize(CardCellColor(draws, row, column, colors, false));
      }
}
BENCHMARK(BM_CardScreen10000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kavrin
