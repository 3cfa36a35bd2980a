#pragma once
// Group 12 ("shr"): the shredding methods "SHR%d", each the first digits after the decimal point
// of a formula over the numbers of a draw (n1..n5) and of the two draws before it (p1..p5,
// t1..t5).
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/game.h"
#include "stats/formula.h"
#include "stats/registration.h"

namespace kavrin {

// The value of `formula` for the draw `n` after `p` and `t`: every "n1".."t5" (either case) is
// replaced by the decimal text of its number, for 1..5 in turn and n, p, t within each, and the
// result evaluated; the value is the first `digits` digits after the point of its absolute
// value (digits above 9 count as 9). Never fails: any error of the formula gives 0.
int32_t ShreddingValue(const TComb& n, const TComb& p, const TComb& t, uint8_t digits, const std::string& formula);

// A formula parsed once, giving for every n, p, t exactly what ShreddingValue gives. Formulas
// whose text changes meaning with the digits substituted (a number's text running into a later
// variable's name, a variable inside a hexadecimal number) are parsed again for every value.
class TShreddingFormula {
 public:
  explicit TShreddingFormula(std::string formula);
  int32_t Value(const TComb& n, const TComb& p, const TComb& t, uint8_t digits) const;
  // Value of each of `n` after the same `p` and `t`, into `out`; many at once are much cheaper.
  void Values(std::span<const TComb> n, const TComb& p, const TComb& t, uint8_t digits, int32_t* out) const;
  // Whether values come from the program parsed once.
  bool Compiled() const { return program_.has_value(); }

 private:
  std::string formula_;
  std::optional<TFormulaProgram> program_;
};

void RegisterShreddingMethods(TStatRegistrationTable& table);

}  // namespace kavrin
