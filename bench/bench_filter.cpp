// The filter by values as the command runs it: the undo copy of the full set, the method created
// for the selected kind, its draws loaded, the selection prepared and the list rebuilt from the
// copy, with the history row and the status texts — the whole list operation, not only the
// method's own loop.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "app/templatemain.h"
#include "bench_data.h"
#include "cli/consolehost.h"
#include "combs/generate.h"

namespace kavrin {
namespace {

struct TFilterBench {
  std::ostringstream messages;
  ConsoleHost host{messages, false, TConsoleProgress::None};
  TTemplateMain main{host, (std::filesystem::temp_directory_path() / "kavrin-bench-filter").string()};

  // The archive of the statistics benchmarks and the full set in the list.
  TFilterBench() {
    for (const TDrawRec& draw : bench::Archive()) main.Archive.Append(draw);
    main.RefreshSuspended = true;
    main.InitStatistics();
    main.Combs.ReserveFullSet();
    EnumerateCombs(0, {}, main.Combs.CombsList);
  }
  // The statistics table of the method over 1,000 draws with every `step`-th row selected.
  void SelectRows(const std::string& code, int step) {
    main.StatPage.Kinds.SelectEntry(main.Stats.FindCode(code));
    main.StatPage.WindowLength = 1000;
    main.StatCalculate(true);
    main.StatSelection.clear();
    for (int row = 0; row < static_cast<int>(main.StatPage.Table.Rows.size()); row += step)
      main.StatSelection.push_back(row);
  }
};

void BM_StatFilterFullSet(benchmark::State& state, const char* code, int step) {
  TFilterBench fixture;
  fixture.SelectRows(code, step);
  const TCombList& list = fixture.main.Combs.CombsList;
  int32_t kept = 0;
  for (auto _ : state) {
    fixture.main.StatFilter_ExcludeExecute();
    kept = list.Count();
    state.PauseTiming();
    fixture.main.CombsUndo(false);  // back to the full set for the next round
    fixture.main.Combs.History.Clear();
    state.ResumeTiming();
  }
  state.counters["kept"] = kept;
  state.counters["selected"] = static_cast<double>(fixture.main.StatSelection.size());
}
BENCHMARK_CAPTURE(BM_StatFilterFullSet, NUMS, "NUMS", 6)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StatFilterFullSet, SUMS, "SUMS", 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StatFilterFullSet, EVNV, "EVNV", 5)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StatFilterFullSet, DIFA, "DIFA", 3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StatFilterFullSet, KDS3, "KDS3", 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kavrin
