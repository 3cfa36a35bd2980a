#pragma once
// The statistic method framework. A method has class operations, asked without an instance
// (code, caption, group, features, index range: TStatClass), and instance operations that value
// draws and combinations (TCustomStat). A concrete method Tst... derives from one of the bases
// below and declares its class operations as static members; ClassOf<Tst...>() makes them
// virtual, so the registry holds one TStatClass per concrete class.
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "core/game.h"
#include "stats/prepared.h"
#include "stats/statrec.h"

namespace kavrin {

class TStatList;
class TCustomStat;

// ---- groups and features ----

inline constexpr int StatGroupCount = 13;
// "num", "sum", ... of group 0..12; empty outside.
std::string GroupShortName(int group);
std::string GroupCaption(int group);
// "{ num } Числа тиража"; "#ERROR#" outside 0..12.
std::string GroupTitle(int group);

// Feature bits, shown as the letters S N D P G in bit order.
enum TStatFlag : uint32_t {
  FlagPositional = 1,  // "S": the value depends on the positions of the numbers in a draw
  FlagNorm = 2,        // "N": a norm from the full set of combinations can be computed
  FlagSecondDraw = 4,  // "D": the method needs a second draw
  FlagPeriod = 8,      // "P": period method
  FlagGraph = 16,      // "G": one number per draw; added by EffectiveFlags, never declared
};
std::string FlagLetters(uint32_t flags);

// ---- class operations ----

class TStatClass {
 public:
  virtual ~TStatClass() = default;
  virtual std::string CodeFormat() const = 0;
  virtual std::string CaptionFormat() const = 0;
  // The code of the help page; indexed methods share one page ("POSx").
  virtual std::string HelpCodeFormat() const = 0;
  // A new instance for one use; the caller owns it.
  virtual std::unique_ptr<TCustomStat> Create(TStatList& owner, int index) const = 0;
  virtual int GroupIndex() const = 0;
  virtual uint32_t MethodFlags() const = 0;
  uint32_t EffectiveFlags() const;
  std::string Code(int index) const;
  virtual std::string Caption(int index) const;
  // The help page address, or empty when `helpFile` is empty or does not exist.
  std::string HelpURL(int index, const std::string& helpFile) const;
  virtual bool IsAvailable() const = 0;
  virtual bool IsListed() const = 0;
  virtual bool IsGraph() const = 0;
  bool HasNorm() const { return MethodFlags() & FlagNorm; }
  virtual bool AcceptsValueList() const = 0;
  virtual bool IsIndexed() const = 0;
  // Indexes the registry makes entries for; none when last < first. May depend on the
  // registry's configuration (channels, matrix, segments).
  virtual void IndexRange(const TStatList& list, int& first, int& last) const = 0;
};

template <class T>
class TStatClassOf;

// The class object of a concrete method.
template <class T>
const TStatClass& ClassOf() {
  static const TStatClassOf<T> instance;
  return instance;
}

// ---- instance operations ----

class TCustomStat {
 public:
  // Takes the registry's draws; the instance owns nothing and lives for one use.
  TCustomStat(TStatList& owner, int index);
  virtual ~TCustomStat() = default;
  TCustomStat(const TCustomStat&) = delete;
  TCustomStat& operator=(const TCustomStat&) = delete;

  int32_t Index;
  const TDrawsArray& Draws;
  TDrawRec Draw;        // the draw being processed (its date is not copied: no method reads it)
  TDrawRec SecondDraw;  // the second draw of "D" methods
  TStatDrawRec Current;

  const TStatClass& Class() const { return *class_; }
  TStatList& Owner() const { return owner_; }

  // Class operations every method inherits unless it declares its own.
  static bool IsAvailable() { return true; }
  static bool IsListed() { return true; }
  static bool IsGraph() { return false; }
  static bool AcceptsValueList() { return true; }
  static bool IsIndexed() { return false; }
  static void IndexRange(const TStatList&, int& first, int& last) { first = last = 0; }

  std::string InstanceCaption() const;
  // Row caption of a value.
  virtual std::string ValueText(const TStatDrawRec& rec) const = 0;
  // The value a typed text stands for; 0 when it stands for none.
  virtual int32_t ValueFromText(const std::string& text) const;
  // ValueFromText when the method accepts value lists, else 0.
  virtual int32_t ListValue(const std::string& text) const;
  // Clears Current; methods add every possible value with Count 0 so that it shows in the table.
  virtual void PrepareValues(int lastIndex, TStatDrawArray& items);
  // Copies draw `index` into Draw and, for "D" methods, draw `secondIndex` into SecondDraw; an
  // index outside the archive gives an all-zero draw; `sorted` sorts the five numbers.
  virtual void LoadDraws(int index, int secondIndex, bool sorted);
  // Merges the values of a bare combination (no period tracking); nothing unless the method has "N".
  virtual void AddCombination(const TComb& comb, TStatDrawArray& items);
  // AddCombination of each combination in turn; a method that values many combinations at once
  // more cheaply than one by one does so here (the full-set files pass the full set in blocks).
  virtual void AddCombinations(std::span<const TComb> combs, TStatDrawArray& items) {
    for (const TComb& comb : combs) AddCombination(comb, items);
  }
  // Loads draw `index` against `lastIndex` and fills Current for it (LastDraw, PrevDraw, Depth =
  // lastIndex - index + 1, Count 1); methods then merge their values with period tracking.
  virtual void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work,
                       TStatDrawArray& items, bool sorted);
  // Draw number of the first archive draw from `fromIndex` on that carries the item's value, or -1.
  virtual int32_t FindNextOccurrence(const TStatDrawRec& item, int fromIndex, bool sorted, int lastIndex);
  // Whether the combination carries a selected value. A filter first calls LoadDraws(-1,
  // lastIndex, sorted); `exclude` says whether matching combinations are removed (the caller
  // applies it).
  virtual bool Matches(const TComb& comb, const TStatDrawArray& selected, bool exclude, bool sorted,
                       int lastIndex) = 0;
  // The same test prepared once for a whole filter run: for every combination the result's
  // Matches answers as Matches(comb, selected, exclude, sorted, lastIndex) would, after the same
  // LoadDraws. The result does not refer to `selected` or to this instance.
  virtual std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool exclude, bool sorted,
                                                         int lastIndex) = 0;
  // True when AddDraw reads state kept in the work area or the last-value array, so that the
  // values of a draw depend on the draws added before it.
  virtual bool KeepsDrawState() const { return false; }

 protected:
  // Current with the key, merged.
  void Merge(TStatDrawArray& items, TStatKey key, bool trackPeriods) {
    Current.SetKey(key);
    AddStatValue(items, Current, trackPeriods);
  }
  // Adds the values first..last in Key1 with Count 0.
  void Prefill(TStatDrawArray& items, int first, int last);
  bool HasFlag(uint32_t flag) const;

 private:
  template <class T>
  friend class TStatClassOf;
  TStatList& owner_;
  const TStatClass* class_ = nullptr;
};

// Methods giving one number per draw.
class TCustomGraphStat : public TCustomStat {
 public:
  using TCustomStat::TCustomStat;
  static bool IsGraph() { return true; }
  std::string ValueText(const TStatDrawRec& rec) const override;
  // The number the method gives for a combination taking the place of draw `drawIndex`.
  virtual int32_t CombinationValue(const TComb& comb, int drawIndex, int lastIndex, bool sorted) = 0;
  // CombinationValue of archive draw `drawIndex` itself.
  virtual int32_t DrawValue(int drawIndex, int lastIndex, bool sorted);
};

// A count k of the five numbers, shown as k:5-k.
class TCustomRatioStat : public TCustomGraphStat {
 public:
  using TCustomGraphStat::TCustomGraphStat;
  std::string ValueText(const TStatDrawRec& rec) const override;
  int32_t ValueFromText(const std::string& text) const override;
};

// The value is a lottery number.
class TCustomValuesStat : public TCustomStat {
 public:
  using TCustomStat::TCustomStat;
  std::string ValueText(const TStatDrawRec& rec) const override;
};

// The value is a count or another small integer.
class TCustomNumbersStat : public TCustomStat {
 public:
  using TCustomStat::TCustomStat;
  std::string ValueText(const TStatDrawRec& rec) const override;
};

// The value is a 5-bit pattern over the draw positions, position 1 the most significant bit.
class TCustomMaskStat : public TCustomStat {
 public:
  using TCustomStat::TCustomStat;
  virtual std::string ZeroSymbol() const = 0;
  virtual std::string OneSymbol() const = 0;
  std::string ValueText(const TStatDrawRec& rec) const override;  // "ЧннЧн (013)"
  int32_t ValueFromText(const std::string& text) const override;
  void PrepareValues(int lastIndex, TStatDrawArray& items) override;  // all 32 patterns
};
inline constexpr int MaskPatternCount = 1 << DrawSize;

// ---- the class object ----

template <class T>
class TStatClassOf final : public TStatClass {
 public:
  std::string CodeFormat() const override { return T::CodeFormat(); }
  std::string CaptionFormat() const override { return T::CaptionFormat(); }
  std::string HelpCodeFormat() const override {
    if constexpr (requires { T::HelpCodeFormat(); })
      return T::HelpCodeFormat();
    else
      return T::CodeFormat();
  }
  std::unique_ptr<TCustomStat> Create(TStatList& owner, int index) const override {
    auto stat = std::make_unique<T>(owner, index);
    stat->class_ = this;
    return stat;
  }
  int GroupIndex() const override { return T::GroupIndex(); }
  uint32_t MethodFlags() const override { return T::MethodFlags(); }
  std::string Caption(int index) const override {
    if constexpr (requires { T::Caption(index); })
      return T::Caption(index);
    else
      return TStatClass::Caption(index);
  }
  bool IsAvailable() const override { return T::IsAvailable(); }
  bool IsListed() const override { return T::IsListed(); }
  bool IsGraph() const override { return T::IsGraph(); }
  bool AcceptsValueList() const override { return T::AcceptsValueList(); }
  bool IsIndexed() const override { return T::IsIndexed(); }
  void IndexRange(const TStatList& list, int& first, int& last) const override { T::IndexRange(list, first, last); }
};

}  // namespace kavrin
