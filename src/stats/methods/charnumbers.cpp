// Group 11 ("chr"): the characteristic number of a draw, one number reached by taking the
// differences of neighbours until two numbers remain, then the difference (or the sum) of those.
#include "stats/methods/charnumbers.h"

#include <cstdlib>

#include "core/format.h"
#include "stats/customstat.h"
#include "stats/methods/combvalues.h"
#include "stats/methods/drawitems.h"

namespace kavrin {
namespace {

// The characteristic number of five numbers in the order given. `Variant` 0 is the difference
// r = |b - a| of the last two; 1 is the sum a + b when r is 0 or 1, else r; 2 is the sum when r
// is 0, the two-part value (1, a + b) when r is 1, else r.
struct TCharNumber {
  int Value = 0;
  bool TwoPart = false;  // Value is a + b and stands with the part 1
};

TCharNumber CharNumber(const TComb& numbers, int variant) {
  int x[DrawSize];
  for (int k = 0; k < DrawSize; ++k) x[k] = numbers[k];
  for (int n = DrawSize; n > 2; --n)
    for (int k = 0; k + 1 < n; ++k) x[k] = std::abs(x[k + 1] - x[k]);
  const int a = x[0], b = x[1], r = std::abs(b - a);
  switch (variant) {
    case 0:
      return {r};
    case 1:
      return {r < 2 ? a + b : r};
    default:
      if (r == 0) return {a + b};
      if (r == 1) return {a + b, true};
      return {r};
  }
}

// ---- "HCN1", "HCN2": the characteristic number of every draw ----

template <int Variant>
class TCustomCharNumberGraphStat : public TCustomGraphStat {
 public:
  using TCustomGraphStat::TCustomGraphStat;
  static std::string CodeFormat() { return Format("HCN%d", {Variant + 1}); }
  static int GroupIndex() { return 11; }
  static uint32_t MethodFlags() { return FlagPositional | FlagNorm; }

  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    Merge(items, MakeStatKey(static_cast<uint16_t>(ValueOf(Draw.Numbers))), true);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    Merge(items, MakeStatKey(static_cast<uint16_t>(ValueOf(comb))), false);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    return MatchWord(selected, 1, static_cast<uint16_t>(ValueOf(comb)));
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    return MakePreparedMatch([values = SelectedWord1Bytes(selected)](const TComb& c) {
      return values.Has(static_cast<uint8_t>(ValueOf(c))) != 0;
    });
  }
  int32_t CombinationValue(const TComb& comb, int, int, bool) override { return ValueOf(comb); }

 private:
  // At most 2 x 49, so it fits a byte.
  static int ValueOf(const TComb& comb) { return CharNumber(comb, Variant).Value; }
};

class TstCharNumber1 final : public TCustomCharNumberGraphStat<0> {
 public:
  using TCustomCharNumberGraphStat::TCustomCharNumberGraphStat;
  static std::string CaptionFormat() { return "Характеристическое число тиража (только разность)"; }
};

class TstCharNumber2 final : public TCustomCharNumberGraphStat<1> {
 public:
  using TCustomCharNumberGraphStat::TCustomCharNumberGraphStat;
  static std::string CaptionFormat() { return "Характеристическое число тиража (разность или сумма при 0 и 1)"; }
};

// ---- "HCN3": the numbers the window's last draw points to, and whether the next draw had them ----

class TstCharNumber3 final : public TCustomStat {
 public:
  using TCustomStat::TCustomStat;
  static std::string CodeFormat() { return "HCN3"; }
  static std::string CaptionFormat() { return "Характеристические числа тиража (динамика, только фильтр)"; }
  static int GroupIndex() { return 11; }
  static uint32_t MethodFlags() { return FlagPositional | FlagSecondDraw; }
  static bool AcceptsValueList() { return false; }

  // "9 (1)" for the two-part value.
  std::string ValueText(const TStatDrawRec& rec) const override {
    return rec.Key4 == TwoPartMark ? Format("%d (%d)", {rec.Key1, rec.Key2}) : std::to_string(rec.Key1);
  }
  // Only the window's last draw counts. Each value has Count 1 when the draw after the window
  // (there is one only while the offset hides newer draws) holds it, else 0.
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    if (index != lastIndex) return;
    const TComb next = DrawNumbers(Draws, lastIndex + 1, false);
    // The zeros of a missing next draw hold no number.
    auto inNext = [&](int v) { return v != 0 && CombContains(next, v) ? 1 : 0; };
    const TCharNumber cn = CharNumber(Draw.Numbers, 2);
    const auto f = static_cast<uint16_t>(cn.Value);
    Current.Count = inNext(f);
    Merge(items, cn.TwoPart ? MakeStatKey(f, 1, 0, TwoPartMark) : MakeStatKey(f), false);
    // Multiples of the number within 1..50, counting down to twice the number from its cube, or
    // from its square once that passes 49.
    for (int g = f * f > 49 ? f * f : f * f * f; g > f; g -= f)
      if (g >= 1 && g <= NumberMax) {
        Current.Count = inNext(g);
        Merge(items, MakeStatKey(static_cast<uint16_t>(g)), false);
      }
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    for (uint8_t n : comb)
      if (MatchWord(selected, 1, n)) return true;
    return false;
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    return PrepareAnyNumberOf(SelectedWord1Bytes(selected));
  }

 private:
  static constexpr uint16_t TwoPartMark = 2;
};

}  // namespace

void RegisterCharNumberMethods(TStatRegistrationTable& table) {
  table[139] = &ClassOf<TstCharNumber1>();
  table[140] = &ClassOf<TstCharNumber2>();
  table[141] = &ClassOf<TstCharNumber3>();
}

}  // namespace kavrin
