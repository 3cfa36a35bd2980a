// The backtest of the demonstration scenario as `kavrin-cli scenario test demo/demo.lsc` runs it,
// in-process: a fresh copy of demo/ for every run (outside the timing), the program's start-up
// steps, then ScriptTestRun. With passes computed ahead on the second core and without, side by
// side; the counters give the filter passes and the wall time per pass.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <sstream>

#include "app/templatemain.h"
#include "cli/consolehost.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;

// Counts the filter passes: each shows "Фильтрация комбинаций..." once.
class TCountingHost : public ConsoleHost {
 public:
  explicit TCountingHost(std::ostream& err) : ConsoleHost(err, false, TConsoleProgress::None) {}
  void SetStatus(int panel, const std::string& text) override {
    if (panel == PanelOperation && text == "Фильтрация комбинаций...") ++filters;
  }
  int64_t filters = 0;
};

void BM_DemoBacktest(benchmark::State& state) {
  const int tests = static_cast<int>(state.range(0));
  const bool ahead = state.range(1) != 0;
  const fs::path data = fs::temp_directory_path() / "kavrin-bench-scenario";
  std::ostringstream messages;
  int64_t filters = 0;
  double wallMs = 0;
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(data);
    fs::create_directories(data);
    for (const auto& file : fs::directory_iterator(KAVRIN_DEMO_DIR)) fs::copy_file(file.path(), data / file.path().filename());
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    TCountingHost host(messages);
    {
      TTemplateMain main(host, data.string());
      main.LoadViewSettings();
      main.LoadConfig();
      main.InitStatistics();
      main.StakesOpenAtStart();
      main.LoadArchive();
      main.RatingsLoad();
      main.ScriptLoadFile((data / "demo.lsc").string(), false);
      main.Combs.ReserveFullSet();
      main.ScriptTestAhead = ahead;
      main.ScriptTestRun(tests);
    }
    filters = host.filters;
    wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }
  fs::remove_all(data);
  if (!messages.str().empty()) state.SkipWithError(messages.str().c_str());
  state.counters["filter_passes"] = static_cast<double>(filters);
  // Wall milliseconds per filter pass, everything included.
  state.counters["per_pass_ms"] = filters > 0 ? wallMs / static_cast<double>(filters) : 0;
}
BENCHMARK(BM_DemoBacktest)
    ->ArgNames({"tests", "ahead"})
    ->ArgsProduct({{20, 100}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
}  // namespace kavrin
