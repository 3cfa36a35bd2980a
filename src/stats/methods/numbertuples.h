#pragma once
// Values that are small tuples taken from the five numbers of a draw in position order: every
// pair, triple or quadruple of positions, the runs of adjacent positions, or the one run starting
// at a given position. The numbers' own methods (KNM, KNS, KNP) take the numbers themselves; the
// channel, matrix and segment families take the group of each number instead.
#include <algorithm>
#include <bit>
#include <string>
#include <utility>

#include "stats/methods/numbergroups.h"
#include "stats/registration.h"

namespace kavrin {

// Group 0 methods of the tuples of the numbers themselves: "KNM%d", "KNS%d", "KNP2%d", "KNP3%d",
// "KNP4%d" and the never available "KNO%d".
void RegisterNumberTupleMethods(TStatRegistrationTable& table);

enum class TTupleWalk {
  Mix,        // every set of positions, in lexicographic order
  Seq,        // every run of adjacent positions
  Pos,        // the one run starting at position Index
  SortedSeq,  // the runs of adjacent positions once the numbers are sorted ascending
};

// The position sets of a walk of tuples of `Width` positions.
template <int Width, TTupleWalk Walk>
struct TTupleWalkOf {
  static constexpr int Count = [] {
    if (Walk == TTupleWalk::Pos) return 1;
    if (Walk != TTupleWalk::Mix) return DrawSize - Width + 1;
    int c = 1;  // C(5, Width)
    for (int i = 0; i < Width; ++i) c = c * (DrawSize - i) / (i + 1);
    return c;
  }();
  using TPositions = std::array<std::array<uint8_t, Width>, Count>;

  // `index` is the 1-based start of a Pos walk; an index out of range starts at the first position.
  static constexpr TPositions Positions(int index) {
    TPositions p{};
    if (Walk != TTupleWalk::Mix) {
      const int first = Walk != TTupleWalk::Pos ? 0 : index >= 1 && index <= DrawSize - Width + 1 ? index - 1 : 0;
      for (int t = 0; t < Count; ++t)
        for (int i = 0; i < Width; ++i) p[t][i] = static_cast<uint8_t>(first + t + i);
      return p;
    }
    std::array<uint8_t, Width> set{};
    for (int i = 0; i < Width; ++i) set[i] = static_cast<uint8_t>(i);
    for (int t = 0; t < Count; ++t) {
      p[t] = set;
      int i = Width - 1;  // the next set in lexicographic order
      while (i >= 0 && set[i] == DrawSize - Width + i) --i;
      if (i < 0) break;
      ++set[i];
      for (int j = i + 1; j < Width; ++j) set[j] = static_cast<uint8_t>(set[j - 1] + 1);
    }
    return p;
  }
};

// The tuples of the groups of a draw's numbers. Every value is merged with period tracking; a
// tuple a draw gives twice (two numbers of one channel) counts twice but measures one period.
template <class Base, class By, int Width, TTupleWalk Walk>
class TGroupTupleStat : public Base {
  using TWalk = TTupleWalkOf<Width, Walk>;
  using TKeys = std::array<TStatKey, TWalk::Count>;

 public:
  TGroupTupleStat(TStatList& owner, int index)
      : Base(owner, index), groups_(By::Of(*this)), positions_(TWalk::Positions(index)) {}
  static uint32_t MethodFlags() { return FlagPositional; }
  static bool AcceptsValueList() { return false; }

  std::string ValueText(const TStatDrawRec& rec) const override {
    const uint16_t words[4] = {rec.Key1, rec.Key2, rec.Key3, rec.Key4};
    std::string text = std::to_string(words[0]);
    for (int i = 1; i < Width; ++i) text += ':' + std::to_string(words[i]);
    return text;
  }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    MergeValues(items, this->Current, Keys(this->Draw.Numbers), true);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    const TKeys keys = Keys(comb);
    for (const TStatDrawRec& s : selected)
      if (std::find(keys.begin(), keys.end(), s.Key()) != keys.end()) return true;
    return false;
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    const TDenseGroups dense = DenseGroups(groups_);
    TTable table;
    table.D = dense.Count;
    table.PrefixOnly = Width == 4 && table.D * table.D * table.D > ExactEntries;
    table.Masks.resize(table.PrefixOnly ? table.D * table.D : Power(table.D, Width - 1));
    for (const TStatDrawRec& s : selected) {
      const uint16_t words[4] = {s.Key1, s.Key2, s.Key3, s.Key4};
      int v[4] = {};
      bool possible = true;
      for (int i = 0; i < 4; ++i) {
        v[i] = i < Width ? dense.Find(words[i]) : 0;
        possible &= i < Width ? v[i] >= 0 : words[i] == 0;
      }
      if (!possible) continue;
      const int last = table.PrefixOnly ? 2 : Width - 1;
      table.Masks[table.Entry(v, last)] |= uint64_t{1} << v[last];
      if (table.PrefixOnly) table.Whole.Insert(DenseKey(v), 0);
    }
    if constexpr (Width == 4)
      if (table.PrefixOnly) return Prepared<true>(dense, std::move(table));
    return Prepared<false>(dense, std::move(table));
  }

 protected:
  const TGrouping groups_;

 private:
  const typename TWalk::TPositions positions_;

  // Selected tuples of groups renumbered densely (fewer than 64), as bit masks: the entry of the
  // first groups of a tuple holds one bit per last group. Quadruples over many groups keep only
  // their first three groups this way (all four would make a table too large for the cache) and
  // confirm a hit on the whole tuple.
  static constexpr int ExactEntries = 4096;
  struct TTable {
    int D = 0;
    bool PrefixOnly = false;  // the masks hold the first three groups of quadruples
    std::vector<uint64_t> Masks;
    TStatKeyIndex Whole;

    // The entry of the first `last` values of the tuple.
    int Entry(const int* v, int last) const {
      int entry = 0;
      for (int i = 0; i < last; ++i) entry = entry * D + v[i];
      return entry;
    }
    // The mask of the tuple of the dense groups v at the positions, and its bit (1 when the
    // tuple is, or with PrefixOnly may be, selected).
    template <bool Confirm>
    uint64_t Mask(const int (&v)[DrawSize], const std::array<uint8_t, Width>& at) const {
      int t[Width];
      for (int i = 0; i < Width; ++i) t[i] = v[at[i]];
      return Masks[Entry(t, Confirm ? 2 : Width - 1)];
    }
    template <bool Confirm>
    uint64_t Bit(const int (&v)[DrawSize], const std::array<uint8_t, Width>& at) const {
      return Mask<Confirm>(v, at) >> v[at[Confirm ? 2 : Width - 1]] & 1;
    }
  };

  static int Power(int base, int exponent) {
    int p = 1;
    for (int i = 0; i < exponent; ++i) p *= base;
    return p;
  }

  // Bit t of the result: tuple t of the walk is (possibly) selected; without Confirm only whether
  // the result is 0 counts. The positions are constants except for the one tuple of a Pos walk.
  template <bool Confirm, size_t... T>
  static uint64_t Hits(const int (&v)[DrawSize], const TTable& table, const typename TWalk::TPositions& at,
                       std::index_sequence<T...>) {
    if constexpr (Walk == TTupleWalk::Pos) {
      return table.template Bit<Confirm>(v, at[0]);
    } else if constexpr (Walk == TTupleWalk::Mix && !Confirm) {
      // The tuples that share their first positions end at every later position, so one mask
      // tested against the groups of all later positions answers them together.
      static constexpr typename TWalk::TPositions Fixed = TWalk::Positions(1);
      uint64_t later[DrawSize + 1] = {};
      for (int k = DrawSize - 1; k >= 0; --k) later[k] = later[k + 1] | uint64_t{1} << v[k];
      return ((Fixed[T][Width - 1] == Fixed[T][Width - 2] + 1
                   ? table.template Mask<Confirm>(v, Fixed[T]) & later[Fixed[T][Width - 1]]
                   : 0) |
              ...);
    } else {
      static constexpr typename TWalk::TPositions Fixed = TWalk::Positions(1);
      return ((table.template Bit<Confirm>(v, Fixed[T]) << T) | ...);
    }
  }

  template <bool Confirm>
  std::unique_ptr<TPreparedMatch> Prepared(const TDenseGroups& dense, TTable table) const {
    return MakePreparedMatch([of = dense.OfNumber, table = std::move(table), at = positions_](const TComb& c) {
      TComb n = c;
      if constexpr (Walk == TTupleWalk::SortedSeq) SortComb(n);
      const int v[DrawSize] = {of[n[0]], of[n[1]], of[n[2]], of[n[3]], of[n[4]]};
      uint64_t hits = Hits<Confirm>(v, table, at, std::make_index_sequence<TWalk::Count>{});
      if constexpr (!Confirm) {
        return hits != 0;
      } else {
        for (; hits != 0; hits &= hits - 1) {
          const auto& t = at[std::countr_zero(hits)];
          const int tuple[4] = {v[t[0]], v[t[1]], v[t[2]], v[t[3]]};
          if (table.Whole.Contains(DenseKey(tuple))) return true;
        }
        return false;
      }
    });
  }

  static TStatKey DenseKey(const int (&v)[4]) {
    return MakeStatKey(static_cast<uint16_t>(v[0]), static_cast<uint16_t>(v[1]), static_cast<uint16_t>(v[2]),
                       static_cast<uint16_t>(v[3]));
  }
  TKeys Keys(TComb comb) const {
    if constexpr (Walk == TTupleWalk::SortedSeq) SortComb(comb);
    TKeys keys;
    for (int t = 0; t < TWalk::Count; ++t) {
      uint16_t words[4] = {};
      for (int i = 0; i < Width; ++i) words[i] = groups_.Of[comb[positions_[t][i]]];
      keys[t] = MakeStatKey(words[0], words[1], words[2], words[3]);
    }
    return keys;
  }
};

}  // namespace kavrin
