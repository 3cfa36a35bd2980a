// The typed text forms: combinations, integer lists, numbers, draw dates and the services' times.
#include "core/errors.h"
#include "core/game.h"
#include "core/config.h"
#include "core/drawlist.h"
#include "fuzz_support.h"
#include "systems/service.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(fuzz::AsText(data, size));
  try {
    TComb comb = TextToComb(text);
    (void)CombToText(comb);
  } catch (const KavrinError&) {
  }
  const TIntArray list = TextToIntList(text);
  (void)IntListToText(list, ";");
  (void)NumberFromText(text);
  try {
    (void)DateTimeToDrawText(DrawTextToDateTime(text));
  } catch (const KavrinError&) {
  }
  try {
    (void)DateTimeToViewText(ViewTextToDateTime(text));
  } catch (const KavrinError&) {
  }
  try {
    (void)ServiceTimeToLocal(text);
  } catch (const KavrinError&) {
  }
  (void)SegmentsFromText(text);
  (void)ProfitRowsFromText({text, text});
  // The draw dialog reads "a;b;c;d;e;x" and a date.
  TDrawDialogFields fields;
  fields.NumbersText = text;
  fields.Number = static_cast<int32_t>(size);
  if (auto draw = DrawFromDialog(fields)) (void)DrawToText(*draw);
  return 0;
}
