// A scenario file (".lsc" or the working file): read, shown, appended to a scenario, saved and
// read back as the same lines.
#include <cstdlib>

#include "core/errors.h"
#include "fuzz_support.h"
#include "scenarios/scenariofile.h"
#include "scenarios/scriptline.h"
#include "stats/statlist.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TStatList* stats = &fuzz::BuiltStats();
  fuzz::Scratch scratch;
  try {
    const TScenarioLines lines = ReadScenarioFile(scratch.Write("scenario.lsc", fuzz::AsText(data, size)));
    for (const std::string& line : lines) (void)ScriptViewCells(line, *stats);
    TScenarioLines scenario = {"FULL:0#EXT|TSF1#SUMS:100#LMV:5#SF:1"};
    AppendScenarioLines(scenario, lines);
    DeleteScenarioLines(scenario, {0, static_cast<int>(scenario.size()) / 2, -1, 1 << 30});
    const std::string saved = scratch.Path() + "/" + ScriptWorkingFileName;
    SaveScenarioFile(saved, lines);
    if (ReadScenarioFile(saved) != lines) std::abort();
  } catch (const KavrinError&) {
  }
  return 0;
}
