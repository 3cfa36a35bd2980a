// The formula language: a formula on its own, and a shredding formula whose program parsed once
// must give for each draw what parsing the substituted text gives. The first 15 bytes are the
// numbers of the draw and of the two before it, the rest the formula.
#include <cstdlib>

#include "core/errors.h"
#include "fuzz_support.h"
#include "stats/formula.h"
#include "stats/methods/shredding.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string whole(fuzz::AsText(data, size));
  try {
    (void)EvaluateExpression(whole);
  } catch (const KavrinError&) {
  }
  if (size < 3 * DrawSize) return 0;
  TComb n, p, t;
  for (int i = 0; i < DrawSize; ++i) {
    n[i] = static_cast<uint8_t>(data[i] % NumberMax + 1);
    p[i] = static_cast<uint8_t>(data[DrawSize + i] % NumberMax + 1);
    t[i] = static_cast<uint8_t>(data[2 * DrawSize + i] % NumberMax + 1);
  }
  const std::string formula = whole.substr(3 * DrawSize);
  const uint8_t digits = static_cast<uint8_t>(data[0] % 12);
  const TShreddingFormula parsed(formula);
  if (parsed.Value(n, p, t, digits) != ShreddingValue(n, p, t, digits, formula)) std::abort();
  const TComb many[3] = {n, p, t};
  int32_t values[3];
  parsed.Values(many, p, t, digits, values);
  for (int k = 0; k < 3; ++k)
    if (values[k] != ShreddingValue(many[k], p, t, digits, formula)) std::abort();
  return 0;
}
