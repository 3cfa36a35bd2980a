// Group 1 ("sum"): values derived from the sum of the five numbers — the sum itself, its ranges,
// the sums of the even and of the prime numbers, sums of two numbers equal to a third, and how the
// sum changed from draw to draw after a draw with the newest draw's sum.
#include "stats/methods/sums.h"

#include "core/format.h"
#include "stats/customstat.h"
#include "stats/methods/combvalues.h"

namespace kavrin {
namespace {

// How far the previous sum may lie from the newest one for "SUMV": a tenth of the sum range.
constexpr int SumTolerance = SumTenth;

// Sum of archive draw `index`; an index outside the archive is an all-zero draw.
int DrawSum(const TDrawsArray& draws, int index) {
  return index >= 0 && index < static_cast<int>(draws.size()) ? CombSum(draws[index].Numbers) : 0;
}

int Direction(int from, int to) { return to > from ? 1 : to < from ? -1 : 0; }

// A single-draw value stored as a 32-bit number and selected as (value, 0, 0, 0).
template <class Derived>
class TSumValueStat : public TCustomGraphStat {
 public:
  using TCustomGraphStat::TCustomGraphStat;
  static int GroupIndex() { return 1; }
  static uint32_t MethodFlags() { return FlagNorm; }

  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    Merge(items, DwordStatKey(Derived::ValueOf(Draw.Numbers)), true);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    Merge(items, DwordStatKey(Derived::ValueOf(comb)), false);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    return MatchKeys(selected, static_cast<uint16_t>(Derived::ValueOf(comb)), 0, 0, 0);
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    return MakePreparedMatch(
        [sums = SelectedSingleSums(selected)](const TComb& c) { return sums.Has(Derived::ValueOf(c)); });
  }
  int32_t CombinationValue(const TComb& comb, int, int, bool) override { return Derived::ValueOf(comb); }
};

// ---- "SUMS" ----

class TstSumValues final : public TSumValueStat<TstSumValues> {
 public:
  using TSumValueStat::TSumValueStat;
  static std::string CodeFormat() { return "SUMS"; }
  static std::string CaptionFormat() { return "Сумма тиража: все значения"; }
  static int ValueOf(const TComb& c) { return CombSum(c); }
  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    Prefill(items, SumMin, SumMax);
  }
};

// ---- "SUME", "SUMP" ----

class TstSumEvenValues final : public TSumValueStat<TstSumEvenValues> {
 public:
  using TSumValueStat::TSumValueStat;
  static std::string CodeFormat() { return "SUME"; }
  static std::string CaptionFormat() { return "Сумма тиража: только четные"; }
  static int ValueOf(const TComb& c) {
    int sum = 0;
    for (uint8_t n : c) sum += IsEvenNumber(n) ? n : 0;
    return sum;
  }
};

class TstSumPrimeValues final : public TSumValueStat<TstSumPrimeValues> {
 public:
  using TSumValueStat::TSumValueStat;
  static std::string CodeFormat() { return "SUMP"; }
  static std::string CaptionFormat() { return "Сумма тиража: только простые"; }
  static int ValueOf(const TComb& c) {
    int sum = 0;
    for (uint8_t n : c) sum += IsPrimeNumber(n) ? n : 0;
    return sum;
  }
};

// ---- "S2T3": ways one number is the sum of two others ----

class TstSum2To3 final : public TSumValueStat<TstSum2To3> {
 public:
  using TSumValueStat::TSumValueStat;
  static std::string CodeFormat() { return "S2T3"; }
  static std::string CaptionFormat() { return "Сумма двух чисел тиража равна третьему числу"; }
  static int ValueOf(const TComb& c) {
    int count = 0;
    for (int i = 0; i < DrawSize; ++i)
      for (int j = 0; j < DrawSize; ++j)
        for (int k = j + 1; k < DrawSize; ++k)
          if (j != i && k != i && c[j] + c[k] == c[i]) ++count;
    return count;
  }
  // The count is selected by Key1 alone.
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    return MatchWord(selected, 1, static_cast<uint16_t>(ValueOf(comb)));
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    return MakePreparedMatch([counts = SelectedWord1Bytes(selected)](const TComb& c) {
      return counts.Has(static_cast<uint8_t>(ValueOf(c)));
    });
  }
};

// ---- "SUM%d": the sum inside a fixed range ----

struct TSumRange {
  int Low, High;
  int CaptionA, CaptionB;  // the fraction the caption names, as in "(1/3)"
};
constexpr TSumRange SumRanges[3] = {{80, 175, 1, 3}, {90, 165, 1, 2}, {99, 156, 2, 3}};

class TstSumRanges final : public TCustomGraphStat {
 public:
  TstSumRanges(TStatList& owner, int index) : TCustomGraphStat(owner, index), range_(RangeOf(index)) {}
  static std::string CodeFormat() { return "SUM%d"; }
  static std::string CaptionFormat() { return "Сумма тиража: диапазон %d (%d/%d)"; }
  static std::string Caption(int index) {
    const TSumRange& r = RangeOf(index);
    return Format(CaptionFormat(), {index, r.CaptionA, r.CaptionB});
  }
  static int GroupIndex() { return 1; }
  static uint32_t MethodFlags() { return FlagNorm; }
  static bool AcceptsValueList() { return false; }
  static bool IsIndexed() { return true; }
  static void IndexRange(const TStatList&, int& first, int& last) { first = 1, last = 3; }

  std::string ValueText(const TStatDrawRec& rec) const override {
    return rec.Key1 == 1 ? Format("%d-%d", {range_.Low, range_.High}) : "Остальные";
  }
  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    Prefill(items, 0, 1);
  }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    Merge(items, MakeStatKey(InRange(Draw.Numbers)), true);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    Merge(items, MakeStatKey(InRange(comb)), false);
  }
  // With the row of the range selected the combinations inside match, otherwise those outside.
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    return InRange(comb) == MatchKeys(selected, 1, 0, 0, 0);
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    return MakePreparedMatch([inside = MatchKeys(selected, 1, 0, 0, 0), r = range_](const TComb& c) {
      const int sum = CombSum(c);
      return (sum >= r.Low && sum <= r.High) == inside;
    });
  }
  int32_t CombinationValue(const TComb& comb, int, int, bool) override { return InRange(comb); }

 private:
  static const TSumRange& RangeOf(int index) { return SumRanges[index >= 1 && index <= 3 ? index - 1 : 0]; }
  bool InRange(const TComb& comb) const {
    const int sum = CombSum(comb);
    return sum >= range_.Low && sum <= range_.High;
  }
  TSumRange range_;
};

// ---- "SUMC", "SUMV", "SUMT": the change after a draw resembling the newest one ----

// The sum of the newest draw of the window, which Matches of "SUMV" and "SUMT" loads as Draw.
int NewestSum(TCustomStat& stat, int lastIndex, bool sorted) {
  stat.LoadDraws(lastIndex, lastIndex, sorted);
  return CombSum(stat.Draw.Numbers);
}

// The prepared test of a value of the combination's sum taken against the newest sum: the value
// of every possible sum is looked up in the selection once.
template <class Value>
std::unique_ptr<TPreparedMatch> PrepareAgainstSum(const TStatDrawArray& selected, int newestSum, Value value) {
  TSumValueSet sums;
  for (size_t s = 0; s < TSumValueSet::Size; ++s)
    sums.Set(s, MatchDword(selected, 1, static_cast<uint32_t>(value(newestSum, static_cast<int>(s)))));
  return MakePreparedMatch([sums](const TComb& c) { return sums.Has(CombSum(c)); });
}

int Change(int from, int to) { return to - from; }

class TstSumChange final : public TCustomGraphStat {
 public:
  using TCustomGraphStat::TCustomGraphStat;
  static std::string CodeFormat() { return "SUMC"; }
  static std::string CaptionFormat() { return "Сумма тиража: изменения (точно)"; }
  static int GroupIndex() { return 1; }
  static uint32_t MethodFlags() { return FlagSecondDraw; }
  static bool AcceptsValueList() { return false; }

  std::string ValueText(const TStatDrawRec& rec) const override {
    const auto p = static_cast<int32_t>(rec.Dword1()), t = static_cast<int32_t>(rec.Dword2());
    if (t < p) return Format("- %0:.2d : %1:d - %0:d = %2:d", {p - t, p, t});
    return Format("+%0:.2d : %1:d + %0:d = %2:d", {t - p, p, t});
  }
  // The sums that followed a draw with the newest draw's sum.
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    const int previous = DrawSum(Draws, index - 1);
    if (previous != CombSum(SecondDraw.Numbers)) return;
    Current.SetDword1(static_cast<uint32_t>(previous));
    Current.SetDword2(static_cast<uint32_t>(CombSum(Draw.Numbers)));
    AddStatValue(items, Current, true);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    return MatchDword(selected, 2, static_cast<uint32_t>(CombSum(comb)));
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    TSumValueSet sums;
    for (const TStatDrawRec& s : selected) sums.Set(s.Dword2());
    return MakePreparedMatch([sums](const TComb& c) { return sums.Has(CombSum(c)); });
  }
  int32_t CombinationValue(const TComb& comb, int drawIndex, int, bool) override {
    return Change(DrawSum(Draws, drawIndex - 1), CombSum(comb));
  }
};

class TstSumChangeSome final : public TCustomNumbersStat {
 public:
  using TCustomNumbersStat::TCustomNumbersStat;
  static std::string CodeFormat() { return "SUMV"; }
  static std::string CaptionFormat() { return "Сумма тиража: изменения (диапазон)"; }
  static int GroupIndex() { return 1; }
  static uint32_t MethodFlags() { return FlagSecondDraw; }
  static bool AcceptsValueList() { return false; }

  std::string ValueText(const TStatDrawRec& rec) const override {
    const auto change = static_cast<int32_t>(rec.Dword1());
    return change < 0 ? Format("- %0:.2d", {-static_cast<int64_t>(change)}) : Format("+%0:.2d", {change});
  }
  // The changes after a draw whose sum lies within the tolerance around the newest draw's sum.
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    const int previous = DrawSum(Draws, index - 1), newest = CombSum(SecondDraw.Numbers);
    if (previous - SumTolerance <= newest && newest <= previous + SumTolerance)
      Merge(items, DwordStatKey(static_cast<uint32_t>(Change(previous, CombSum(Draw.Numbers)))), true);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool sorted, int lastIndex) override {
    return MatchDword(selected, 1, static_cast<uint32_t>(Change(NewestSum(*this, lastIndex, sorted), CombSum(comb))));
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool sorted,
                                                 int lastIndex) override {
    return PrepareAgainstSum(selected, NewestSum(*this, lastIndex, sorted), Change);
  }
};

class TstSumTrend final : public TCustomGraphStat {
 public:
  using TCustomGraphStat::TCustomGraphStat;
  static std::string CodeFormat() { return "SUMT"; }
  static std::string CaptionFormat() { return "Сумма тиража: направление изменения"; }
  static int GroupIndex() { return 1; }
  static uint32_t MethodFlags() { return FlagSecondDraw; }
  static bool AcceptsValueList() { return false; }

  std::string ValueText(const TStatDrawRec& rec) const override {
    const auto direction = static_cast<int32_t>(rec.Dword1());
    return direction == 0 ? "=" : direction > 0 ? "+" : "-";
  }
  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    for (int direction : {0, 1, -1}) {
      TStatDrawRec rec;
      rec.SetDword1(static_cast<uint32_t>(direction));
      AddStatValue(items, rec, false);
    }
  }
  // The directions after a draw with the newest draw's sum.
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    const int previous = DrawSum(Draws, index - 1);
    if (previous == CombSum(SecondDraw.Numbers))
      Merge(items, DwordStatKey(static_cast<uint32_t>(Direction(previous, CombSum(Draw.Numbers)))), true);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool sorted, int lastIndex) override {
    return MatchDword(selected, 1,
                      static_cast<uint32_t>(Direction(NewestSum(*this, lastIndex, sorted), CombSum(comb))));
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool sorted,
                                                 int lastIndex) override {
    return PrepareAgainstSum(selected, NewestSum(*this, lastIndex, sorted), Direction);
  }
  int32_t CombinationValue(const TComb& comb, int drawIndex, int, bool) override {
    return Direction(DrawSum(Draws, drawIndex - 1), CombSum(comb));
  }
};

}  // namespace

void RegisterSumMethods(TStatRegistrationTable& table) {
  table[8] = &ClassOf<TstSumValues>();
  table[9] = &ClassOf<TstSumRanges>();
  table[10] = &ClassOf<TstSumChange>();
  table[11] = &ClassOf<TstSumChangeSome>();
  table[12] = &ClassOf<TstSumTrend>();
  table[13] = &ClassOf<TstSumEvenValues>();
  table[14] = &ClassOf<TstSumPrimeValues>();
  table[15] = &ClassOf<TstSum2To3>();
}

}  // namespace kavrin
