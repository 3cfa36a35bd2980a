// The regular stakes file: read, shown, rewritten as the same rules, and each rule advanced by a
// stake, which must be a combination of the game.
#include <cstdlib>

#include "core/errors.h"
#include "fuzz_support.h"
#include "stakes/regulars.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TDrawArchive* archive = [] {
    auto* a = new TDrawArchive;
    a->Append({1, {3, 14, 25, 36, 47}, 2, ""});
    a->Append({2, {1, 2, 3, 4, 5}, 7, ""});
    return a;
  }();
  fuzz::Scratch scratch;
  TTableStakesArray rules;
  try {
    ReadTablesFile(scratch.Write(TablesFileName, fuzz::AsText(data, size)), rules);
  } catch (const KavrinError&) {
    return 0;
  }
  const std::string copy = scratch.Path() + "/copy.ltb";
  try {
    WriteTablesFile(copy, rules);
    TTableStakesArray again;
    ReadTablesFile(copy, again);
    if (again != rules) std::abort();
  } catch (const KavrinError&) {
  }
  for (TTableStakeData& rule : rules) {
    (void)TablesRowCells(rule);
    (void)RegularDialogPrefill(rule, 1);
    try {
      TableStakeNext(rule, *archive, 0);
    } catch (const KavrinError&) {
      continue;
    }
    // Every stake a rule makes is a combination of the game.
    const std::array<int32_t, DrawSize> current = {rule.Current[0], rule.Current[1], rule.Current[2],
                                                   rule.Current[3], rule.Current[4]};
    if (!ValidDrawNumbers(current, 0)) std::abort();
  }
  return 0;
}
