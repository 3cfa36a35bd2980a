// A CSV import file appended to a small archive: what is taken is a valid draw under a new
// number, and the export of the taken draws imports again as the same draws.
#include <cstdlib>
#include <set>

#include "core/cp1251.h"
#include "core/csv.h"
#include "fuzz_support.h"

using namespace kavrin;

namespace {

bool ValidDraw(const TDrawRec& d) {
  std::set<int> seen;
  for (uint8_t n : d.Numbers)
    if (n < 1 || n > NumberMax || !seen.insert(n).second) return false;
  return d.Extra <= ExtraMax && d.Number > 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text = Cp1251ToUtf8(fuzz::AsText(data, size));
  (void)SplitCsvLine(text);
  TDrawsArray draws = {{5, {1, 2, 3, 4, 5}, 1, "01.01.2020 20:00"}, {7, {6, 7, 8, 9, 10}, 11, ""}};
  const size_t before = draws.size();
  const TCsvImportResult result = ImportDrawsCsv(text, draws);
  if (draws.size() != before + static_cast<size_t>(result.Appended)) std::abort();
  std::set<int32_t> numbers;
  for (const TDrawRec& d : draws)
    if (!ValidDraw(d) || !numbers.insert(d.Number).second) std::abort();

  const TDrawsArray taken(draws.begin() + static_cast<long>(before), draws.end());
  TDrawsArray again;
  ImportDrawsCsv(DrawsToCsv(taken), again);
  if (again.size() != taken.size()) std::abort();
  for (size_t i = 0; i < taken.size(); ++i)
    if (again[i].Number != taken[i].Number || again[i].Numbers != taken[i].Numbers ||
        again[i].Extra != taken[i].Extra || again[i].Date != taken[i].Date)
      std::abort();
  return 0;
}
