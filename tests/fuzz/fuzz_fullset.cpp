// A full-set comparison file, read and used by the statistics table of its method.
#include "core/errors.h"
#include "fuzz_support.h"
#include "stats/fullset.h"
#include "stats/statcalc.h"
#include "stats/statlist.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TDrawsArray draws = {{1, {3, 14, 25, 36, 47}, 2, ""}, {2, {1, 2, 3, 4, 5}, 7, ""},
                                    {3, {50, 49, 10, 20, 30}, 11, ""}, {4, {8, 16, 24, 32, 40}, 5, ""}};
  static TStatList* stats = [] {
    auto* list = new TStatList;
    list->BuildMethods();
    list->SetDraws(draws);
    return list;
  }();
  fuzz::Scratch scratch;
  try {
    const std::optional<TFullSetData> file =
        ReadFullSetFile(scratch.Write("Kavrin_5x50_SUMS.dfc", fuzz::AsText(data, size)));
    if (!file) return 0;
    const int entry = stats->FindCode(size % 2 ? "SUMS" : "NUMS");
    auto stat = stats->CreateStat(entry);
    (void)CalculateStatistics(*stat, StatWindow(static_cast<int>(draws.size()), 0, 100), false, &*file,
                              stats->Config.Weights);
  } catch (const KavrinError&) {
  }
  return 0;
}
