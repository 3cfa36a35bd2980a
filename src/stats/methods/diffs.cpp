// Group 2 ("dif"): values built from the differences between the numbers of one draw, mostly the
// four adjacent differences in the order the numbers are given.
#include "stats/methods/diffs.h"

#include <algorithm>
#include <bitset>

#include "core/format.h"
#include "stats/customstat.h"
#include "stats/methods/combvalues.h"

namespace kavrin {
namespace {

constexpr int DiffCount = DrawSize - 1;
constexpr int LargestDiff = NumberMax - 1;

// How many of the four differences equal each one, in order: (2, 2, 2, 13) gives 3, 3, 3, 1.
std::array<int, DiffCount> Multiplicities(const std::array<int, DiffCount>& d) {
  std::array<int, DiffCount> m{};
  for (int i = 0; i < DiffCount; ++i)
    for (int j = 0; j < DiffCount; ++j) m[i] += d[i] == d[j];
  return m;
}

// ---- "DIFA": every adjacent difference ----

class TstDiffTotal final : public TCustomNumbersStat {
 public:
  using TCustomNumbersStat::TCustomNumbersStat;
  static std::string CodeFormat() { return "DIFA"; }
  static std::string CaptionFormat() { return "Все разности между соседними позициями"; }
  static int GroupIndex() { return 2; }
  static uint32_t MethodFlags() { return FlagPositional | FlagNorm; }

  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    Prefill(items, 1, LargestDiff);
  }
  // Periods are measured from the first difference only, so that a difference met twice in a
  // draw does not make a gap of 0.
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    const auto d = AdjacentDiffs(Draw.Numbers);
    for (int k = 0; k < DiffCount; ++k) Merge(items, MakeStatKey(static_cast<uint16_t>(d[k])), k == 0);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    for (int d : AdjacentDiffs(comb)) Merge(items, MakeStatKey(static_cast<uint16_t>(d)), false);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    for (int d : AdjacentDiffs(comb))
      if (MatchWord(selected, 1, static_cast<uint16_t>(d))) return true;
    return false;
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    return MakePreparedMatch([set = SelectedWord1Bytes(selected)](const TComb& c) {
      const auto d = AdjacentDiffs(c);
      return (set.Has(static_cast<uint8_t>(d[0])) | set.Has(static_cast<uint8_t>(d[1])) |
              set.Has(static_cast<uint8_t>(d[2])) | set.Has(static_cast<uint8_t>(d[3]))) != 0;
    });
  }
};

// ---- "DIFM", "DIFD", "DIFK": one difference-derived number per draw ----

template <class Derived>
class TDiffValueStat : public TCustomGraphStat {
 public:
  using TCustomGraphStat::TCustomGraphStat;
  static int GroupIndex() { return 2; }

  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    Prefill(items, 1, Derived::PrefillLast);
  }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    Merge(items, MakeStatKey(static_cast<uint16_t>(Derived::ValueOf(Draw.Numbers))), true);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    Merge(items, MakeStatKey(static_cast<uint16_t>(Derived::ValueOf(comb))), false);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    return MatchWord(selected, 1, static_cast<uint16_t>(Derived::ValueOf(comb)));
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    return MakePreparedMatch([set = SelectedWord1Bytes(selected)](const TComb& c) {
      return set.Has(static_cast<uint8_t>(Derived::ValueOf(c)));
    });
  }
  int32_t CombinationValue(const TComb& comb, int, int, bool) override { return Derived::ValueOf(comb); }
};

class TstDiffMax final : public TDiffValueStat<TstDiffMax> {
 public:
  using TDiffValueStat::TDiffValueStat;
  static std::string CodeFormat() { return "DIFM"; }
  static std::string CaptionFormat() { return "Максимальная разность между соседними позициями"; }
  static uint32_t MethodFlags() { return FlagPositional | FlagNorm; }
  static constexpr int PrefillLast = LargestDiff;
  static int ValueOf(const TComb& c) {
    const auto d = AdjacentDiffs(c);
    return *std::max_element(d.begin(), d.end());
  }
};

class TstMinMaxDiffs final : public TDiffValueStat<TstMinMaxDiffs> {
 public:
  using TDiffValueStat::TDiffValueStat;
  static std::string CodeFormat() { return "DIFD"; }
  static std::string CaptionFormat() { return "Разность между минимальным и максимальным числом"; }
  static uint32_t MethodFlags() { return FlagNorm; }
  static constexpr int PrefillLast = LargestDiff;
  static int ValueOf(const TComb& c) {
    const auto [low, high] = std::minmax_element(c.begin(), c.end());
    return *high - *low;
  }
};

class TstDiffSameCnt final : public TDiffValueStat<TstDiffSameCnt> {
 public:
  using TDiffValueStat::TDiffValueStat;
  static std::string CodeFormat() { return "DIFK"; }
  static std::string CaptionFormat() { return "Количество одинаковых разностей между соседними позициями"; }
  static uint32_t MethodFlags() { return FlagPositional | FlagNorm; }
  static constexpr int PrefillLast = DiffCount;
  static int ValueOf(const TComb& c) {
    const auto m = Multiplicities(AdjacentDiffs(c));
    return *std::max_element(m.begin(), m.end());
  }
};

// ---- "DIFO": each distinct difference with its multiplicity ----

class TstDiffSame final : public TCustomNumbersStat {
 public:
  using TCustomNumbersStat::TCustomNumbersStat;
  static std::string CodeFormat() { return "DIFO"; }
  static std::string CaptionFormat() { return "Одинаковые разности между соседними позициями"; }
  static int GroupIndex() { return 2; }
  static uint32_t MethodFlags() { return FlagPositional | FlagNorm; }
  static bool AcceptsValueList() { return false; }

  std::string ValueText(const TStatDrawRec& rec) const override { return Format("%0:d x %1:d", {rec.Key1, rec.Key2}); }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    const TStatSimpleArray distinct = Distinct(Draw.Numbers);
    for (const TStatSimpleItem& e : distinct.Items())
      Merge(items, MakeStatKey(static_cast<uint16_t>(e.Key), static_cast<uint16_t>(e.Count)), true);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    const TStatSimpleArray distinct = Distinct(comb);
    for (const TStatSimpleItem& e : distinct.Items())
      Merge(items, MakeStatKey(static_cast<uint16_t>(e.Key), static_cast<uint16_t>(e.Count)), false);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    const TStatSimpleArray distinct = Distinct(comb);
    for (const TStatSimpleItem& e : distinct.Items())
      if (MatchKeys(selected, static_cast<uint16_t>(e.Key), static_cast<uint16_t>(e.Count), 0, 0)) return true;
    return false;
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    // Bit d * 8 + m: the difference d (0..255) occurring m times (1..4) is selected.
    std::bitset<256 * 8> pairs;
    for (const TStatDrawRec& s : selected)
      if (s.Key1 < 256 && s.Key2 >= 1 && s.Key2 <= DiffCount && s.Key3 == 0 && s.Key4 == 0) pairs.set(s.Key1 * 8 + s.Key2);
    return MakePreparedMatch([pairs](const TComb& c) {
      const auto d = AdjacentDiffs(c);
      const auto m = Multiplicities(d);
      return pairs[d[0] * 8 + m[0]] || pairs[d[1] * 8 + m[1]] || pairs[d[2] * 8 + m[2]] || pairs[d[3] * 8 + m[3]];
    });
  }

 private:
  static TStatSimpleArray Distinct(const TComb& comb) {
    TStatSimpleArray list;
    for (int d : AdjacentDiffs(comb)) list.Add(d);
    return list;
  }
};

// ---- "KDS2", "KDS3", "KDS4": runs of consecutive adjacent differences ----

template <int Width>
class TCombDiffSeqStat : public TCustomStat {
 public:
  using TCustomStat::TCustomStat;
  static std::string CodeFormat() { return Format("KDS%d", {Width}); }
  static std::string CaptionFormat() { return Format("Сочетания из %0:d разностей между числами", {Width}); }
  static int GroupIndex() { return 2; }
  static uint32_t MethodFlags() { return FlagPositional; }
  static bool AcceptsValueList() { return false; }

  std::string ValueText(const TStatDrawRec& rec) const override {
    const uint16_t words[4] = {rec.Key1, rec.Key2, rec.Key3, rec.Key4};
    std::string text = std::to_string(words[0]);
    for (int i = 1; i < Width; ++i) {
      text += ':';
      text += std::to_string(words[i]);
    }
    return text;
  }
  // Periods are measured from the first window of a draw only.
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    const auto d = AdjacentDiffs(Draw.Numbers);
    for (int start = 0; start < WindowCount; ++start) Merge(items, WindowKey(d, start), start == 0);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    const auto d = AdjacentDiffs(comb);
    for (int start = 0; start < WindowCount; ++start) {
      const TStatKey key = WindowKey(d, start);
      for (const TStatDrawRec& s : selected)
        if (s.Key() == key) return true;
    }
    return false;
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    TStatKeyIndex keys;
    for (const TStatDrawRec& s : selected) keys.Insert(s.Key(), 0);
    return MakePreparedMatch([keys = std::move(keys)](const TComb& c) {
      const auto d = AdjacentDiffs(c);
      for (int start = 0; start < WindowCount; ++start)
        if (keys.Contains(WindowKey(d, start))) return true;
      return false;
    });
  }

 private:
  static constexpr int WindowCount = DiffCount - Width + 1;
  static TStatKey WindowKey(const std::array<int, DiffCount>& d, int start) {
    uint16_t words[4] = {};
    for (int i = 0; i < Width; ++i) words[i] = static_cast<uint16_t>(d[start + i]);
    return MakeStatKey(words[0], words[1], words[2], words[3]);
  }
};

class TstCombDiffSeq2 final : public TCombDiffSeqStat<2> {
 public:
  using TCombDiffSeqStat::TCombDiffSeqStat;
};
class TstCombDiffSeq3 final : public TCombDiffSeqStat<3> {
 public:
  using TCombDiffSeqStat::TCombDiffSeqStat;
};
class TstCombDiffSeq4 final : public TCombDiffSeqStat<4> {
 public:
  using TCombDiffSeqStat::TCombDiffSeqStat;
};

}  // namespace

void RegisterDifferenceMethods(TStatRegistrationTable& table) {
  table[16] = &ClassOf<TstDiffTotal>();
  table[17] = &ClassOf<TstDiffMax>();
  table[18] = &ClassOf<TstMinMaxDiffs>();
  table[19] = &ClassOf<TstDiffSame>();
  table[20] = &ClassOf<TstDiffSameCnt>();
  table[74] = &ClassOf<TstCombDiffSeq2>();
  table[75] = &ClassOf<TstCombDiffSeq3>();
  table[76] = &ClassOf<TstCombDiffSeq4>();
}

}  // namespace kavrin
