// One scenario line: its options and filters read as the view and the engine read them, the
// stored form read again unchanged, and the variants expanded under a small limit.
#include <cstdlib>

#include "core/errors.h"
#include "fuzz_support.h"
#include "scenarios/expansion.h"
#include "scenarios/scriptline.h"
#include "stats/statlist.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TStatList* stats = &fuzz::BuiltStats();
  const std::string line(fuzz::AsText(data, size));
  (void)ScriptViewCells(line, *stats);
  (void)ScriptLineHasFilters(line, *stats);
  (void)ScriptLineFromStakeKey(line);

  const TLineOptions options = LineOptionsFromText(ScriptLineOptions(line));
  if (!(LineOptionsFromText(LineOptionsToText(options)) == options)) std::abort();
  (void)LineOptionsShortText(options);
  (void)LineOptionsDisplayText(options);

  std::vector<TFilterItem> filters;
  for (int k = 1; k <= ScriptFilterCount; ++k) {
    const TFilterItem item = FilterItemFromText(ScriptLineFilter(line, k), *stats);
    const std::string stored = FilterItemToText(item);
    // A filter naming a known method keeps its stored form; one without (kept as typed, empty
    // method text included) is no filter the engine runs.
    if (item.Method.IsSet() && FilterItemToText(FilterItemFromText(stored, *stats)) != stored) std::abort();
    (void)CheckFilterItem(item, true);
    if (item.Active) filters.push_back(item);
  }
  (void)FilterVariantsCount(filters);
  try {
    const TFilterVariants variants = ExpandFilterVariants(filters, {}, 2000);
    for (const TFilterRec& rec : variants) (void)FilterRecToText(rec);
    if (!variants.empty())
      (void)StakeDescription(1, 1, ScriptLineComment(line), LineOptionsShortText(options) + " + " +
                                                               FilterRecToText(variants.front()));
  } catch (const KavrinError&) {
  }
  return 0;
}
