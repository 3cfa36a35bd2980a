#pragma once
// Methods that sort the numbers 1..50 into groups — channels, matrix columns or rows, segments —
// and describe a draw by the groups its numbers fall into. The families differ in how a number
// finds its group, in the rows they pre-fill and in their row texts; how a draw is walked and how
// a selection is prepared for the filter is the same for all of them and lives here.
//
// A template below takes the family base (which holds the configuration copied at creation) and
// a grouping policy `By` with `static TGrouping Of(const Base&)`.
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/game.h"
#include "stats/customstat.h"
#include "stats/methods/combvalues.h"

namespace kavrin {

// Where each number 1..50 belongs under one classification.
struct TGrouping {
  std::array<uint8_t, NumberMax + 1> Of{};  // group of number n at [n]; [0] unused
  std::vector<int> Order;                   // every group a per-group list holds, in its order

  std::array<uint8_t, DrawSize> GroupsOf(const TComb& c) const {
    return {Of[c[0]], Of[c[1]], Of[c[2]], Of[c[3]], Of[c[4]]};
  }
};

// Each number its own group.
TGrouping NumberGrouping();
// Channels of `channelSize` (at least 1, which the configuration guarantees) numbers: 1..K.
TGrouping ChannelGrouping(int channelSize);
// Matrix of `cols` columns (at least 1), filled row by row: columns 1..cols, rows 1..ceil(50/cols).
TGrouping ColumnGrouping(int cols);
TGrouping RowGrouping(int cols);
// Segment of each number from the map of numbers 1..50; the list order is that of first use.
TGrouping SegmentGrouping(const std::array<uint8_t, NumberMax>& segments);

// The groups that hold numbers, renumbered 0..Count-1, so that prepared tests index small tables:
// there are at most 50 of them whatever the configuration.
struct TDenseGroups {
  std::array<uint8_t, NumberMax + 1> OfNumber{};  // dense id of the group of number n
  std::array<int8_t, 256> OfGroup{};              // dense id of a group; -1 when it holds no number
  int Count = 0;
  int Find(uint32_t group) const { return group < OfGroup.size() ? OfGroup[group] : -1; }
};
TDenseGroups DenseGroups(const TGrouping& grouping);

// The number of distinct groups among the five.
inline int DistinctCount(const std::array<uint8_t, DrawSize>& g) {
  int count = 1;
  for (int i = 1; i < DrawSize; ++i) {
    bool seen = false;
    for (int j = 0; j < i; ++j) seen |= g[j] == g[i];
    count += !seen;
  }
  return count;
}

// Merges, in order, the values one draw (trackPeriods) or one combination gives. A value the same
// draw gives again adds to its count but is not taken as an occurrence 0 draws after itself, which
// would wipe the smallest period measured so far.
void MergeValues(TStatDrawArray& items, TStatDrawRec& current, std::span<const TStatKey> keys, bool trackPeriods);

// Counts of values given as small codes, kept in order of first appearance, for the block form
// of AddCombination: merging each value once with its count leaves the table exactly as merging
// it once per combination would (no periods are tracked for combinations).
class TValueTally {
 public:
  explicit TValueTally(size_t codes) : count_(codes) {}
  void Add(size_t code) {
    if (count_[code]++ == 0) order_.push_back(code);
  }
  template <class KeyOf>
  void MergeInto(TStatDrawArray& items, KeyOf keyOf) const {
    for (size_t code : order_) {
      TStatDrawRec rec;
      rec.SetKey(keyOf(code));
      rec.Count = count_[code];
      AddStatValue(items, rec, false);
    }
  }

 private:
  std::vector<int32_t> count_;
  std::vector<size_t> order_;
};

// ---- the group of each number: "CHAN", "COLS", "ROWS", "SGMS" ----

// Pre-fills every group of the list order. `LowByte`: a selected value is compared on the low
// byte of Key1 only, otherwise on the whole of Key1.
template <class Base, class By, bool LowByte = false>
class TGroupEachStat : public Base {
 public:
  TGroupEachStat(TStatList& owner, int index) : Base(owner, index), groups_(By::Of(*this)) {}

  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    for (int g : groups_.Order) this->Prefill(items, g, g);
  }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    MergeValues(items, this->Current, Keys(this->Draw.Numbers), true);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    MergeValues(items, this->Current, Keys(comb), false);
  }
  void AddCombinations(std::span<const TComb> combs, TStatDrawArray& items) override {
    TValueTally tally(256);
    for (const TComb& comb : combs)
      for (uint8_t n : comb) tally.Add(groups_.Of[n]);
    tally.MergeInto(items, [](size_t g) { return MakeStatKey(static_cast<uint16_t>(g)); });
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    for (uint8_t g : groups_.GroupsOf(comb))
      if (LowByte ? MatchByte(selected, 1, g) : MatchWord(selected, 1, g)) return true;
    return false;
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    TByteValueSet chosen;
    for (const TStatDrawRec& s : selected) chosen.Set(LowByte ? s.Key1 & 0xFF : s.Key1);
    // The numbers whose group is selected.
    TByteValueSet numbers;
    for (int n = 1; n <= NumberMax; ++n)
      if (chosen.Has(groups_.Of[n])) numbers.Set(n);
    return MakePreparedMatch([numbers](const TComb& c) { return ClassCount(c, numbers) > 0; });
  }

 protected:
  const TGrouping groups_;

 private:
  std::array<TStatKey, DrawSize> Keys(const TComb& comb) const {
    std::array<TStatKey, DrawSize> keys;
    for (int i = 0; i < DrawSize; ++i) keys[i] = MakeStatKey(groups_.Of[comb[i]]);
    return keys;
  }
};

// ---- how many numbers each group holds: "CHNV", "COLV", "ROWV", "SGMV" ----

// Every group of the list order gives the value (group, count) per draw, empty groups included.
template <class Base, class By>
class TGroupCountsStat : public Base {
 public:
  TGroupCountsStat(TStatList& owner, int index) : Base(owner, index), groups_(By::Of(*this)) {
    position_.fill(-1);
    for (size_t i = 0; i < groups_.Order.size(); ++i)
      if (groups_.Order[i] >= 0 && groups_.Order[i] < static_cast<int>(position_.size()))
        position_[groups_.Order[i]] = static_cast<int>(i);
  }
  static bool AcceptsValueList() { return false; }

  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    MergeValues(items, this->Current, Keys(this->Draw.Numbers), true);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    MergeValues(items, this->Current, Keys(comb), false);
  }
  // Codes: place of the group in the list order times 6 plus the count.
  void AddCombinations(std::span<const TComb> combs, TStatDrawArray& items) override {
    const size_t groups = groups_.Order.size();
    TValueTally tally(groups * (DrawSize + 1));
    std::vector<uint8_t> counts(groups);
    for (const TComb& comb : combs) {
      for (uint8_t n : comb) ++counts[position_[groups_.Of[n]]];
      for (size_t i = 0; i < groups; ++i) tally.Add(i * (DrawSize + 1) + counts[i]);
      for (uint8_t n : comb) counts[position_[groups_.Of[n]]] = 0;
    }
    tally.MergeInto(items, [this](size_t code) {
      return MakeStatKey(static_cast<uint16_t>(groups_.Order[code / (DrawSize + 1)]),
                         static_cast<uint16_t>(code % (DrawSize + 1)));
    });
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    const std::vector<TStatKey> keys = Keys(comb);
    for (const TStatDrawRec& s : selected)
      if (std::find(keys.begin(), keys.end(), s.Key()) != keys.end()) return true;
    return false;
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    TStatKeyIndex chosen;
    for (const TStatDrawRec& s : selected) chosen.Insert(s.Key(), 0);
    const TDenseGroups dense = DenseGroups(groups_);
    // hit[g][k]: a group holding k >= 1 numbers is selected; zero[g]: the group empty is selected.
    std::array<std::array<uint8_t, DrawSize + 1>, NumberMax> hit{};
    std::array<uint8_t, NumberMax> zero{};
    int zeroTotal = 0;  // selected empty groups of the list, held numbers or not
    for (int g : groups_.Order) {
      const int d = dense.Find(static_cast<uint32_t>(g));
      if (chosen.Contains(MakeStatKey(static_cast<uint16_t>(g), 0))) {
        ++zeroTotal;
        if (d >= 0) zero[d] = 1;
      }
      for (int k = 1; k <= DrawSize && d >= 0; ++k)
        hit[d][k] = chosen.Contains(MakeStatKey(static_cast<uint16_t>(g), static_cast<uint16_t>(k)));
    }
    return MakePreparedMatch([of = dense.OfNumber, hit, zero, zeroTotal](const TComb& c) {
      const uint8_t d[DrawSize] = {of[c[0]], of[c[1]], of[c[2]], of[c[3]], of[c[4]]};
      uint8_t count[NumberMax];  // only the groups of the combination are used
      for (uint8_t g : d) count[g] = 0;
      for (uint8_t g : d) ++count[g];
      uint8_t any = 0;
      int zeroHeld = 0;  // selected empty groups that the combination fills
      for (uint8_t g : d) {
        // A group is answered at its first number; its count then reads 0, which hits nothing.
        any |= hit[g][count[g]];
        zeroHeld += zero[g] & (count[g] != 0);
        count[g] = 0;
      }
      return any != 0 || zeroHeld < zeroTotal;
    });
  }

 protected:
  const TGrouping groups_;

  // Every group of the list with the counts 0..maxCount, Count 0.
  void PrefillCounts(TStatDrawArray& items, int maxCount) {
    for (int g : groups_.Order)
      for (int k = 0; k <= maxCount; ++k) {
        TStatDrawRec rec;
        rec.SetKey(MakeStatKey(static_cast<uint16_t>(g), static_cast<uint16_t>(k)));
        AddStatValue(items, rec, false);
      }
  }

 private:
  std::array<int, 256> position_;  // place of a group in the list order

  std::vector<TStatKey> Keys(const TComb& comb) const {
    std::vector<int> counts(groups_.Order.size());
    for (uint8_t n : comb) ++counts[position_[groups_.Of[n]]];
    std::vector<TStatKey> keys(counts.size());
    for (size_t i = 0; i < counts.size(); ++i)
      keys[i] = MakeStatKey(static_cast<uint16_t>(groups_.Order[i]), static_cast<uint16_t>(counts[i]));
    return keys;
  }
};

// ---- one number per draw from the groups: "CHNC", "COLN", ... and "CHN%d", "COL%d", ... ----

// The number of distinct groups the five numbers fall into.
template <class Base, class By>
class TGroupDistinctStat : public Base {
 public:
  TGroupDistinctStat(TStatList& owner, int index) : Base(owner, index), groups_(By::Of(*this)) {}

  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    this->Merge(items, MakeStatKey(static_cast<uint16_t>(ValueOf(this->Draw.Numbers))), true);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    this->Merge(items, MakeStatKey(static_cast<uint16_t>(ValueOf(comb))), false);
  }
  void AddCombinations(std::span<const TComb> combs, TStatDrawArray& items) override {
    TValueTally tally(DrawSize + 1);
    for (const TComb& comb : combs) tally.Add(ValueOf(comb));
    tally.MergeInto(items, [](size_t value) { return MakeStatKey(static_cast<uint16_t>(value)); });
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    return MatchWord(selected, 1, static_cast<uint16_t>(ValueOf(comb)));
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    return MakePreparedMatch([counts = SelectedWord1Bytes(selected), of = groups_.Of](const TComb& c) {
      return counts.Has(static_cast<uint8_t>(DistinctCount({of[c[0]], of[c[1]], of[c[2]], of[c[3]], of[c[4]]})));
    });
  }
  int32_t CombinationValue(const TComb& comb, int, int, bool) override { return ValueOf(comb); }

 protected:
  const TGrouping groups_;

 private:
  int ValueOf(const TComb& comb) const { return DistinctCount(groups_.GroupsOf(comb)); }
};

// How many of the five numbers lie in the group Index; one entry per group.
template <class Base, class By>
class TGroupSizeStat : public Base {
 public:
  TGroupSizeStat(TStatList& owner, int index) : Base(owner, index), groups_(By::Of(*this)) {
    for (int n = 1; n <= NumberMax; ++n)
      if (groups_.Of[n] == index) members_.Set(n);
  }
  static bool IsIndexed() { return true; }

  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    this->Merge(items, MakeStatKey(static_cast<uint16_t>(ClassCount(this->Draw.Numbers, members_))), true);
  }
  void AddCombination(const TComb& comb, TStatDrawArray& items) override {
    TCustomStat::AddCombination(comb, items);
    this->Merge(items, MakeStatKey(static_cast<uint16_t>(ClassCount(comb, members_))), false);
  }
  void AddCombinations(std::span<const TComb> combs, TStatDrawArray& items) override {
    TValueTally tally(DrawSize + 1);
    for (const TComb& comb : combs) tally.Add(ClassCount(comb, members_));
    tally.MergeInto(items, [](size_t value) { return MakeStatKey(static_cast<uint16_t>(value)); });
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    return MatchWord(selected, 1, static_cast<uint16_t>(ClassCount(comb, members_)));
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    return MakePreparedMatch([counts = SelectedWord1Bytes(selected), members = members_](const TComb& c) {
      return counts.Has(static_cast<uint8_t>(ClassCount(c, members)));
    });
  }
  int32_t CombinationValue(const TComb& comb, int, int, bool) override { return ClassCount(comb, members_); }

 protected:
  const TGrouping groups_;

 private:
  TByteValueSet members_;  // the numbers of the group
};

}  // namespace kavrin
