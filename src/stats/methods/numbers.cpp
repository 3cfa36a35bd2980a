// Group 0 ("num"): the numbers of one draw by themselves — which numbers, which digits, how many
// are even, small or prime and where, the number at a position and the extra number.
#include "stats/methods/numbers.h"

#include "stats/customstat.h"
#include "stats/methods/combvalues.h"

namespace kavrin {
namespace {

// ---- "NUMS": the numbers of the draw ----

class TstValues final : public TCustomValuesStat {
 public:
  using TCustomValuesStat::TCustomValuesStat;
  static std::string CodeFormat() { return "NUMS"; }
  static std::string CaptionFormat() { return "Числа тиража"; }
  static int GroupIndex() { return 0; }
  static uint32_t MethodFlags() { return FlagNorm; }

  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    Prefill(items, 1, NumberMax);
  }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    for (uint8_t n : Draw.Numbers) Merge(items, MakeStatKey(n), true);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    for (uint8_t n : comb) Merge(items, MakeStatKey(n), false);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    for (uint8_t n : comb)
      if (MatchKeys(selected, n, 0, 0, 0)) return true;
    return false;
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    return std::make_unique<TNumberSetMatch>(SelectedSingleBytes(selected));
  }
};

// ---- "DIGS": the decimal digits of the numbers ----

class TstDigits final : public TCustomNumbersStat {
 public:
  using TCustomNumbersStat::TCustomNumbersStat;
  static std::string CodeFormat() { return "DIGS"; }
  static std::string CaptionFormat() { return "Цифры тиража"; }
  static int GroupIndex() { return 0; }
  static uint32_t MethodFlags() { return FlagNorm; }

  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    // A digit met again in the same draw would measure a gap of 0 and wipe its PeriodMin, so
    // only its first merge in the draw tracks periods.
    bool seen[10] = {};
    for (uint8_t n : Draw.Numbers)
      for (char c : std::to_string(n)) {
        const int digit = c - '0';
        Merge(items, MakeStatKey(static_cast<uint16_t>(digit)), !seen[digit]);
        seen[digit] = true;
      }
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    for (uint8_t n : comb)
      for (char c : std::to_string(n)) Merge(items, MakeStatKey(static_cast<uint16_t>(c - '0')), false);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    for (uint8_t n : comb)
      for (char c : std::to_string(n))
        if (MatchKeys(selected, static_cast<uint16_t>(c - '0'), 0, 0, 0)) return true;
    return false;
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    // The numbers that have a selected digit, looked up once per number of the combination.
    const TByteValueSet digits = SelectedSingleBytes(selected);
    const TByteValueSet numbers = NumberClass([&](int n) {
      for (char c : std::to_string(n))
        if (digits.Has(static_cast<uint8_t>(c - '0'))) return true;
      return false;
    });
    return MakePreparedMatch([numbers](const TComb& c) { return ClassCount(c, numbers) > 0; });
  }
};

// ---- "EVEN", "SMAL", "PRIM": how many numbers belong to a class, shown as k:5-k ----

template <bool (*InClass)(int)>
class TClassCountStat : public TCustomRatioStat {
 public:
  using TCustomRatioStat::TCustomRatioStat;
  static int GroupIndex() { return 0; }
  static uint32_t MethodFlags() { return FlagNorm; }

  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    Prefill(items, 1, DrawSize);
  }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    Merge(items, MakeStatKey(static_cast<uint16_t>(CountOf(Draw.Numbers))), true);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    Merge(items, MakeStatKey(static_cast<uint16_t>(CountOf(comb))), false);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    return MatchWord(selected, 1, static_cast<uint16_t>(CountOf(comb)));
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    return MakePreparedMatch([counts = SelectedWord1Bytes(selected), cls = NumberClass(InClass)](const TComb& c) {
      return counts.Has(static_cast<uint8_t>(ClassCount(c, cls)));
    });
  }
  int32_t CombinationValue(const TComb& comb, int, int, bool) override { return CountOf(comb); }

 private:
  static int CountOf(const TComb& comb) {
    int k = 0;
    for (uint8_t n : comb) k += InClass(n);
    return k;
  }
};

class TstEvenCount final : public TClassCountStat<IsEvenNumber> {
 public:
  using TClassCountStat::TClassCountStat;
  static std::string CodeFormat() { return "EVEN"; }
  static std::string CaptionFormat() { return "Количество четных чисел в тираже (Ч:Н)"; }
};

class TstSmallCount final : public TClassCountStat<IsSmallNumber> {
 public:
  using TClassCountStat::TClassCountStat;
  static std::string CodeFormat() { return "SMAL"; }
  static std::string CaptionFormat() { return "Количество чисел из первой половины диапазона (1П:2П)"; }
};

class TstPrimeCount final : public TClassCountStat<IsPrimeNumber> {
 public:
  using TClassCountStat::TClassCountStat;
  static std::string CodeFormat() { return "PRIM"; }
  static std::string CaptionFormat() { return "Количество простых чисел (П:С)"; }
};

// ---- "EVNV", "SMLV", "PRMV": the pattern of a class over the five positions ----

template <bool (*BitOne)(int)>
class TClassMaskStat : public TCustomMaskStat {
 public:
  using TCustomMaskStat::TCustomMaskStat;
  static int GroupIndex() { return 0; }
  static uint32_t MethodFlags() { return FlagPositional | FlagNorm; }

  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    Merge(items, DwordStatKey(PatternOf(Draw.Numbers)), true);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    Merge(items, DwordStatKey(PatternOf(comb)), false);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    return MatchDword(selected, 1, PatternOf(comb));
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    uint32_t patterns = 0;
    for (const TStatDrawRec& s : selected)
      if (s.Dword1() < MaskPatternCount) patterns |= 1u << s.Dword1();
    return MakePreparedMatch([patterns, cls = NumberClass(BitOne)](const TComb& c) {
      const uint32_t p = cls.Has(c[0]) << 4 | cls.Has(c[1]) << 3 | cls.Has(c[2]) << 2 | cls.Has(c[3]) << 1 | cls.Has(c[4]);
      return (patterns >> p & 1) != 0;
    });
  }

 private:
  static uint32_t PatternOf(const TComb& comb) {
    uint32_t value = 0;
    for (uint8_t n : comb) value = value * 2 + (BitOne(n) ? 1 : 0);
    return value;
  }
};

bool IsOddNumber(int n) { return !IsEvenNumber(n); }
bool IsLargeNumber(int n) { return !IsSmallNumber(n); }

class TstEvenValues final : public TClassMaskStat<IsOddNumber> {
 public:
  using TClassMaskStat::TClassMaskStat;
  static std::string CodeFormat() { return "EVNV"; }
  static std::string CaptionFormat() { return "Четные и нечетные числа в тираже (Чн..нЧ)"; }
  std::string ZeroSymbol() const override { return "Ч"; }
  std::string OneSymbol() const override { return "н"; }
};

class TstSmallValues final : public TClassMaskStat<IsLargeNumber> {
 public:
  using TClassMaskStat::TClassMaskStat;
  static std::string CodeFormat() { return "SMLV"; }
  static std::string CaptionFormat() { return "Числа из первой половины диапазона (12..12)"; }
  std::string ZeroSymbol() const override { return "1"; }
  std::string OneSymbol() const override { return "2"; }
  // Only the patterns that occur are listed; Current is left as it is.
  void PrepareValues(int, TStatDrawArray&) override {}
};

class TstPrimeValues final : public TClassMaskStat<IsPrimeNumber> {
 public:
  using TClassMaskStat::TClassMaskStat;
  static std::string CodeFormat() { return "PRMV"; }
  static std::string CaptionFormat() { return "Простые и составные числа (ПС..СП)"; }
  std::string ZeroSymbol() const override { return "С"; }
  std::string OneSymbol() const override { return "П"; }
};

// ---- "POS%d": the number at a position ----

class TstPosVal final : public TCustomGraphStat {
 public:
  TstPosVal(TStatList& owner, int index)
      : TCustomGraphStat(owner, index), position_(index >= 1 && index <= DrawSize ? index - 1 : 0) {}
  static std::string CodeFormat() { return "POS%d"; }
  static std::string CaptionFormat() { return "Число в %0:d позиции тиража"; }
  static std::string HelpCodeFormat() { return "POSx"; }
  static int GroupIndex() { return 0; }
  static uint32_t MethodFlags() { return FlagPositional | FlagNorm; }
  static bool IsIndexed() { return true; }
  static void IndexRange(const TStatList&, int& first, int& last) { first = 1, last = DrawSize; }

  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    Prefill(items, 1, NumberMax);
  }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    Merge(items, MakeStatKey(Draw.Numbers[position_]), true);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    Merge(items, MakeStatKey(comb[position_]), false);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    return MatchWord(selected, 1, comb[position_]);
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    return MakePreparedMatch(
        [set = SelectedWord1Bytes(selected), p = position_](const TComb& c) { return set.Has(c[p]); });
  }
  int32_t CombinationValue(const TComb& comb, int, int, bool) override { return comb[position_]; }

 private:
  int position_;  // 0-based; an index outside 1..5 reads the first position
};

// ---- "POE%d": the extra number; shown, never filtered ----

class TstPosExt final : public TCustomGraphStat {
 public:
  using TCustomGraphStat::TCustomGraphStat;
  static std::string CodeFormat() { return "POE%d"; }
  static std::string CaptionFormat() { return "Extra (Bonus, Star...) - число (!без фильтра!)"; }
  static std::string HelpCodeFormat() { return "POSx"; }
  static int GroupIndex() { return 0; }
  static uint32_t MethodFlags() { return 0; }
  static bool IsIndexed() { return true; }
  static void IndexRange(const TStatList&, int& first, int& last) { first = last = ExtraCount; }

  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    Merge(items, MakeStatKey(Draw.Extra), true);
  }
  bool Matches(const TComb&, const TStatDrawArray&, bool, bool, int) override { return false; }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray&, bool, bool, int) override {
    return MakePreparedMatch([](const TComb&) { return false; });
  }
  int32_t CombinationValue(const TComb&, int drawIndex, int lastIndex, bool sorted) override {
    LoadDraws(drawIndex, lastIndex, sorted);
    return Draw.Extra;
  }
};

}  // namespace

void RegisterNumberMethods(TStatRegistrationTable& table) {
  table[0] = &ClassOf<TstValues>();
  table[1] = &ClassOf<TstDigits>();
  table[2] = &ClassOf<TstEvenCount>();
  table[3] = &ClassOf<TstEvenValues>();
  table[4] = &ClassOf<TstSmallCount>();
  table[5] = &ClassOf<TstSmallValues>();
  table[6] = &ClassOf<TstPrimeCount>();
  table[7] = &ClassOf<TstPrimeValues>();
  table[101] = &ClassOf<TstPosVal>();
  table[102] = &ClassOf<TstPosExt>();
}

}  // namespace kavrin
