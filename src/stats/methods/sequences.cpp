// Group 6 ("seq"): runs of consecutive numbers inside one draw. Group 7 ("rep"): numbers of a draw
// that repeat from one or two earlier draws, possibly shifted by a fixed amount. Most repeat
// methods count only the numbers of the window's newest draw, so that the table tells how those
// numbers behaved in the past; the count methods take a combination as the draw after the window.
#include "stats/methods/sequences.h"

#include <algorithm>

#include "core/format.h"
#include "stats/customstat.h"
#include "stats/methods/combvalues.h"
#include "stats/methods/drawitems.h"

namespace kavrin {
namespace {

// ---- runs ----

// The runs of the numbers in the order given: a step continues a run when the next number is 1
// greater, or with `eitherWay` also when it is 1 smaller. The lengths add up to 5.
struct TRuns {
  int Count = 0;
  std::array<int, DrawSize> Length{};
};

TRuns RunsOf(const TComb& c, bool eitherWay) {
  TRuns runs;
  runs.Count = 1;
  runs.Length[0] = 1;
  for (int k = 1; k < DrawSize; ++k) {
    const int step = c[k] - c[k - 1];
    if (step == 1 || (eitherWay && step == -1))
      ++runs.Length[runs.Count - 1];
    else
      runs.Length[runs.Count++] = 1;
  }
  return runs;
}

// Runs of two numbers or more.
int SequenceCount(const TRuns& runs) {
  int count = 0;
  for (int r = 0; r < runs.Count; ++r) count += runs.Length[r] >= 2;
  return count;
}

int LongestRun(const TRuns& runs) {
  int longest = 0;
  for (int r = 0; r < runs.Count; ++r) longest = std::max(longest, runs.Length[r]);
  return longest;
}

// ---- "SEQL": the length of every run ----

class TstSequenceLen final : public TCustomNumbersStat {
 public:
  using TCustomNumbersStat::TCustomNumbersStat;
  static std::string CodeFormat() { return "SEQL"; }
  static std::string CaptionFormat() { return "Длина последовательности в тираже"; }
  static int GroupIndex() { return 6; }
  static uint32_t MethodFlags() { return FlagPositional | FlagNorm; }

  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    Prefill(items, 1, DrawSize);
  }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    const TRuns runs = RunsOf(Draw.Numbers, false);
    for (int r = 0; r < runs.Count; ++r)
      MergeOncePerDraw(items, Current, MakeStatKey(static_cast<uint16_t>(runs.Length[r])));
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    const TRuns runs = RunsOf(comb, false);
    for (int r = 0; r < runs.Count; ++r) Merge(items, MakeStatKey(static_cast<uint16_t>(runs.Length[r])), false);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    const TRuns runs = RunsOf(comb, false);
    for (int r = 0; r < runs.Count; ++r)
      if (MatchWord(selected, 1, static_cast<uint16_t>(runs.Length[r]))) return true;
    return false;
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    return MakePreparedMatch([lengths = SelectedWord1Bytes(selected)](const TComb& c) {
      const TRuns runs = RunsOf(c, false);
      uint8_t any = 0;
      for (int r = 0; r < runs.Count; ++r) any |= lengths.Has(static_cast<uint8_t>(runs.Length[r]));
      return any != 0;
    });
  }
};

// ---- "SEQS", "LENS": one number of the runs per draw ----

// The table and the filter count a step only when the next number is 1 greater; the graph value
// accepts a step of 1 either way, which differs only for draws in drawn order.
template <class Derived>
class TSequenceGraphStat : public TCustomGraphStat {
 public:
  using TCustomGraphStat::TCustomGraphStat;
  static int GroupIndex() { return 6; }
  static uint32_t MethodFlags() { return FlagPositional | FlagNorm; }

  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    Prefill(items, Derived::PrefillFirst, Derived::PrefillLast);
  }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    Merge(items, MakeStatKey(static_cast<uint16_t>(TableValue(Draw.Numbers))), true);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    Merge(items, MakeStatKey(static_cast<uint16_t>(TableValue(comb))), false);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    return MatchWord(selected, 1, static_cast<uint16_t>(TableValue(comb)));
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    return MakePreparedMatch([values = SelectedWord1Bytes(selected)](const TComb& c) {
      return values.Has(static_cast<uint8_t>(TableValue(c))) != 0;
    });
  }
  int32_t CombinationValue(const TComb& comb, int, int, bool) override { return Derived::ValueOf(RunsOf(comb, true)); }

 private:
  static int TableValue(const TComb& comb) { return Derived::ValueOf(RunsOf(comb, false)); }
};

class TstSequenceCnt final : public TSequenceGraphStat<TstSequenceCnt> {
 public:
  using TSequenceGraphStat::TSequenceGraphStat;
  static std::string CodeFormat() { return "SEQS"; }
  static std::string CaptionFormat() { return "Количество последовательностей в тираже"; }
  static constexpr int PrefillFirst = 0, PrefillLast = 2;
  static int ValueOf(const TRuns& runs) { return SequenceCount(runs); }
};

class TstSequenceLenMax final : public TSequenceGraphStat<TstSequenceLenMax> {
 public:
  using TSequenceGraphStat::TSequenceGraphStat;
  static std::string CodeFormat() { return "LENS"; }
  static std::string CaptionFormat() { return "Макс. длина последовательности в тираже"; }
  static constexpr int PrefillFirst = 1, PrefillLast = DrawSize;
  static int ValueOf(const TRuns& runs) { return LongestRun(runs); }
};

// ---- repeats: shared pieces ----

// The numbers of archive draw `index` as stored; all zero outside the archive.
TComb StoredNumbers(const TDrawsArray& draws, int index) { return DrawNumbers(draws, index, false); }

// The numbers of a draw moved by `shift` within 1..50; the zeros of a missing draw stay zero.
TComb Shifted(const TComb& numbers, int shift) {
  TComb out{};
  for (int k = 0; k < DrawSize; ++k)
    out[k] = numbers[k] == 0 ? 0 : static_cast<uint8_t>(ShiftNumber(numbers[k], shift));
  return out;
}

// How many of the earlier numbers (zeros excluded) are among `numbers`.
int RepeatCount(const TComb& earlier, const TComb& numbers) {
  int count = 0;
  for (uint8_t x : earlier) count += x != 0 && CombContains(numbers, x);
  return count;
}

// Bit n for each number n of a combination below 64 (numbers of the game are 1..50).
uint64_t NumberBits(const TComb& c) {
  uint64_t bits = 0;
  for (uint8_t n : c) bits |= n < 64 ? uint64_t{1} << n : 0;
  return bits;
}

// Adds the numbers of the window's newest draw, moved by `shift`, with Count 0.
void PrefillNewest(const TDrawsArray& draws, int lastIndex, int shift, TStatDrawArray& items) {
  for (uint8_t n : Shifted(StoredNumbers(draws, lastIndex), shift)) {
    if (n == 0) continue;
    TStatDrawRec rec;
    rec.Key1 = n;
    AddStatValue(items, rec, false);
  }
}

// The "values" methods match a combination with any selected number.
bool AnyNumberSelected(const TComb& comb, const TStatDrawArray& selected) {
  for (uint8_t n : comb)
    if (MatchWord(selected, 1, n)) return true;
  return false;
}

// ---- "RPV2", "PRV2O%d", "PRV%s": numbers of the newest draw seen in a draw and `Gap` draws
// before it, moved by `Offset` ----

template <class Derived>
class TCustomRepValues2Stat : public TCustomValuesStat {
 public:
  using TCustomValuesStat::TCustomValuesStat;
  static int GroupIndex() { return 7; }
  static uint32_t MethodFlags() { return FlagSecondDraw; }

  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    PrefillNewest(Draws, lastIndex, Derived::Offset, items);
  }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    const TComb target = Shifted(SecondDraw.Numbers, Derived::Offset);
    for (uint8_t x : Shifted(StoredNumbers(Draws, index - Derived::Gap), Derived::Offset))
      if (x != 0 && CombContains(target, x) && CombContains(Draw.Numbers, x))
        MergeOncePerDraw(items, Current, MakeStatKey(x));
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    return AnyNumberSelected(comb, selected);
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    return PrepareAnyNumberOf(SelectedWord1Bytes(selected));
  }
};

class TstRepValues2 final : public TCustomRepValues2Stat<TstRepValues2> {
 public:
  using TCustomRepValues2Stat::TCustomRepValues2Stat;
  static std::string CodeFormat() { return "RPV2"; }
  static std::string CaptionFormat() { return "Повторяющиеся числа в 2-х тиражах подряд"; }
  static constexpr int Offset = 0, Gap = 1;
};

template <int Over>
class TRepValues2OverStat final : public TCustomRepValues2Stat<TRepValues2OverStat<Over>> {
 public:
  using TCustomRepValues2Stat<TRepValues2OverStat>::TCustomRepValues2Stat;
  static std::string CodeFormat() { return Format("PRV2O%d", {Over}); }
  static std::string CaptionFormat() { return Format("Повторяющиеся числа в 2-х тиражах через %d тираж(а)", {Over}); }
  static constexpr int Offset = 0, Gap = Over + 1;
};
using TstRepValues2over1 = TRepValues2OverStat<1>;
using TstRepValues2over2 = TRepValues2OverStat<2>;
using TstRepValues2over3 = TRepValues2OverStat<3>;

// "+1" for the code, "+ 1" for the caption.
std::string ShiftCode(int shift) { return Format("%s%d", {shift > 0 ? "+" : "-", shift > 0 ? shift : -shift}); }
std::string ShiftCaption(int shift) { return Format("%s %d", {shift > 0 ? "+" : "-", shift > 0 ? shift : -shift}); }

template <int Shift>
class TRepValues2ShiftStat final : public TCustomRepValues2Stat<TRepValues2ShiftStat<Shift>> {
 public:
  using TCustomRepValues2Stat<TRepValues2ShiftStat>::TCustomRepValues2Stat;
  static std::string CodeFormat() { return Format("PRV%s", {ShiftCode(Shift)}); }
  static std::string CaptionFormat() { return Format("Данные предыдущего тиража %s", {ShiftCaption(Shift)}); }
  static constexpr int Offset = Shift, Gap = 1;
};
using TstRepValues2P1 = TRepValues2ShiftStat<1>;
using TstRepValues2N1 = TRepValues2ShiftStat<-1>;
using TstRepValues2P2 = TRepValues2ShiftStat<2>;
using TstRepValues2N2 = TRepValues2ShiftStat<-2>;

// ---- "RPC2", "RPO1", "PRC2O%d", "PRC%s": how many numbers of the draw `Gap` draws back, moved by
// `Offset`, came again ----

template <class Derived>
class TCustomRepCount2Stat : public TCustomNumbersStat {
 public:
  using TCustomNumbersStat::TCustomNumbersStat;
  static int GroupIndex() { return 7; }
  static uint32_t MethodFlags() { return FlagSecondDraw; }

  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    Prefill(items, 1, DrawSize);
  }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    const int count = RepeatCount(Earlier(index - Derived::Gap), Draw.Numbers);
    Merge(items, MakeStatKey(static_cast<uint16_t>(count)), true);
  }
  // The combination stands for the draw after the window, so its earlier draw is the one at
  // lastIndex - Gap + 1.
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int lastIndex) override {
    return MatchWord(selected, 1, static_cast<uint16_t>(RepeatCount(Earlier(lastIndex - Derived::Gap + 1), comb)));
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int lastIndex) override {
    return MakePreparedMatch(
        [counts = SelectedWord1Bytes(selected), earlier = Earlier(lastIndex - Derived::Gap + 1)](const TComb& c) {
          const uint64_t bits = NumberBits(c);
          int count = 0;
          for (uint8_t x : earlier) count += x != 0 && (bits >> x & 1);
          return counts.Has(static_cast<uint8_t>(count)) != 0;
        });
  }

 private:
  TComb Earlier(int index) const { return Shifted(StoredNumbers(Draws, index), Derived::Offset); }
};

class TstRepCount2 final : public TCustomRepCount2Stat<TstRepCount2> {
 public:
  using TCustomRepCount2Stat::TCustomRepCount2Stat;
  static std::string CodeFormat() { return "RPC2"; }
  static std::string CaptionFormat() { return "Количество повторов в 2-х тиражах подряд"; }
  static constexpr int Offset = 0, Gap = 1;
};

constexpr char RepCountOverCaption[] = "Количество повторов в 2-х тиражах через %d тираж(а)";

// The repeat over one draw has the code "RPO1", its sisters "PRC2O%d".
class TstRepCount2over1 final : public TCustomRepCount2Stat<TstRepCount2over1> {
 public:
  using TCustomRepCount2Stat::TCustomRepCount2Stat;
  static std::string CodeFormat() { return "RPO1"; }
  static std::string CaptionFormat() { return Format(RepCountOverCaption, {1}); }
  static constexpr int Offset = 0, Gap = 2;
};

template <int Over>
class TRepCount2OverStat final : public TCustomRepCount2Stat<TRepCount2OverStat<Over>> {
 public:
  using TCustomRepCount2Stat<TRepCount2OverStat>::TCustomRepCount2Stat;
  static std::string CodeFormat() { return Format("PRC2O%d", {Over}); }
  static std::string CaptionFormat() { return Format(RepCountOverCaption, {Over}); }
  static constexpr int Offset = 0, Gap = Over + 1;
};
using TstRepCount2over2 = TRepCount2OverStat<2>;
using TstRepCount2over3 = TRepCount2OverStat<3>;

template <int Shift>
class TRepCount2ShiftStat final : public TCustomRepCount2Stat<TRepCount2ShiftStat<Shift>> {
 public:
  using TCustomRepCount2Stat<TRepCount2ShiftStat>::TCustomRepCount2Stat;
  static std::string CodeFormat() { return Format("PRC%s", {ShiftCode(Shift)}); }
  static std::string CaptionFormat() { return Format("Количество совпадений \"значений %s\"", {ShiftCaption(Shift)}); }
  static constexpr int Offset = Shift, Gap = 1;
};
using TstRepCount2P1 = TRepCount2ShiftStat<1>;
using TstRepCount2N1 = TRepCount2ShiftStat<-1>;
using TstRepCount2P2 = TRepCount2ShiftStat<2>;
using TstRepCount2N2 = TRepCount2ShiftStat<-2>;

// ---- "RPV3", "PRL2", "RPC3", "PRB2": repeats from the draw before and, for the three-draw
// forms, also from the one before that; for the "at most two" forms not from it ----

template <bool AlsoTwoBack>
bool RepeatsFrom(uint8_t x, const TComb& oneBack, const TComb& twoBack) {
  return x != 0 && CombContains(oneBack, x) && CombContains(twoBack, x) == AlsoTwoBack;
}

template <bool AlsoTwoBack>
class TRepValues3Stat : public TCustomValuesStat {
 public:
  using TCustomValuesStat::TCustomValuesStat;
  static int GroupIndex() { return 7; }
  static uint32_t MethodFlags() { return FlagSecondDraw; }

  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    PrefillNewest(Draws, lastIndex, 0, items);
  }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    const TComb oneBack = StoredNumbers(Draws, index - 1), twoBack = StoredNumbers(Draws, index - 2);
    for (uint8_t x : Draw.Numbers)
      if (CombContains(SecondDraw.Numbers, x) && RepeatsFrom<AlsoTwoBack>(x, oneBack, twoBack))
        MergeOncePerDraw(items, Current, MakeStatKey(x));
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    return AnyNumberSelected(comb, selected);
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    return PrepareAnyNumberOf(SelectedWord1Bytes(selected));
  }
};

class TstRepValues3 final : public TRepValues3Stat<true> {
 public:
  using TRepValues3Stat::TRepValues3Stat;
  static std::string CodeFormat() { return "RPV3"; }
  static std::string CaptionFormat() { return "Повторяющиеся числа в 3-х тиражах подряд"; }
};

class TstRepValues2B3 final : public TRepValues3Stat<false> {
 public:
  using TRepValues3Stat::TRepValues3Stat;
  static std::string CodeFormat() { return "PRL2"; }
  static std::string CaptionFormat() { return "Повторяющиеся числа не более чем в 2-х тиражах"; }
};

template <bool AlsoTwoBack>
class TRepCount3Stat : public TCustomNumbersStat {
 public:
  using TCustomNumbersStat::TCustomNumbersStat;
  static int GroupIndex() { return 7; }
  static uint32_t MethodFlags() { return FlagSecondDraw; }

  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    Prefill(items, 1, DrawSize);
  }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    const int count = Count(Draw.Numbers, StoredNumbers(Draws, index - 1), StoredNumbers(Draws, index - 2));
    Merge(items, MakeStatKey(static_cast<uint16_t>(count)), true);
  }
  // The combination stands for the draw after the window.
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int lastIndex) override {
    const int count = Count(comb, StoredNumbers(Draws, lastIndex), StoredNumbers(Draws, lastIndex - 1));
    return MatchWord(selected, 1, static_cast<uint16_t>(count));
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int lastIndex) override {
    const TComb oneBack = StoredNumbers(Draws, lastIndex), twoBack = StoredNumbers(Draws, lastIndex - 1);
    const TByteValueSet repeating =
        NumberClass([&](int n) { return RepeatsFrom<AlsoTwoBack>(static_cast<uint8_t>(n), oneBack, twoBack); });
    return MakePreparedMatch([counts = SelectedWord1Bytes(selected), repeating](const TComb& c) {
      return counts.Has(static_cast<uint8_t>(ClassCount(c, repeating))) != 0;
    });
  }

 private:
  static int Count(const TComb& numbers, const TComb& oneBack, const TComb& twoBack) {
    int count = 0;
    for (uint8_t x : numbers) count += RepeatsFrom<AlsoTwoBack>(x, oneBack, twoBack);
    return count;
  }
};

class TstRepCount3 final : public TRepCount3Stat<true> {
 public:
  using TRepCount3Stat::TRepCount3Stat;
  static std::string CodeFormat() { return "RPC3"; }
  static std::string CaptionFormat() { return "Количество повторов в 3-х тиражах подряд"; }
};

class TstRepCount2B3 final : public TRepCount3Stat<false> {
 public:
  using TRepCount3Stat::TRepCount3Stat;
  static std::string CodeFormat() { return "PRB2"; }
  static std::string CaptionFormat() { return "Количество повторов не более чем в 2-х тиражах"; }
};

}  // namespace

void RegisterSequenceMethods(TStatRegistrationTable& table) {
  table[39] = &ClassOf<TstSequenceLen>();
  table[40] = &ClassOf<TstSequenceCnt>();
  table[41] = &ClassOf<TstSequenceLenMax>();
  table[42] = &ClassOf<TstRepValues2>();
  table[43] = &ClassOf<TstRepValues3>();
  table[44] = &ClassOf<TstRepValues2B3>();
  table[45] = &ClassOf<TstRepValues2over1>();
  table[46] = &ClassOf<TstRepValues2over2>();
  table[47] = &ClassOf<TstRepValues2over3>();
  table[48] = &ClassOf<TstRepValues2P1>();
  table[49] = &ClassOf<TstRepValues2N1>();
  table[50] = &ClassOf<TstRepValues2P2>();
  table[51] = &ClassOf<TstRepValues2N2>();
  table[52] = &ClassOf<TstRepCount2>();
  table[53] = &ClassOf<TstRepCount3>();
  table[54] = &ClassOf<TstRepCount2B3>();
  table[55] = &ClassOf<TstRepCount2over1>();
  table[56] = &ClassOf<TstRepCount2over2>();
  table[57] = &ClassOf<TstRepCount2over3>();
  table[58] = &ClassOf<TstRepCount2P1>();
  table[59] = &ClassOf<TstRepCount2N1>();
  table[60] = &ClassOf<TstRepCount2P2>();
  table[61] = &ClassOf<TstRepCount2N2>();
}

}  // namespace kavrin
