// Group 8 ("ser"): how many draws in a row a number, channel or segment kept appearing, or kept
// being absent. Group 9 ("per"): how many draws lay between two appearances of one. Both keep
// state from draw to draw (the runs in the work area, the last appearances in the last-value
// array), so a draw's values depend on the draws of the window before it.
#include "stats/methods/series.h"

#include <algorithm>
#include <cstring>

#include "core/format.h"
#include "stats/customstat.h"
#include "stats/methods/combvalues.h"
#include "stats/methods/drawitems.h"

namespace kavrin {
namespace {

// "12 x 3"; a channel is written with two digits, "03 x 7".
std::string ItemValueText(TItemKind kind, const TStatDrawRec& rec) {
  return Format(kind == TItemKind::Channels ? "%0:.2d x %1:d" : "%0:d x %1:d", {rec.Key1, rec.Key2});
}

// Which items the numbers have, indexed by item.
using TItemFlags = std::array<bool, 256>;
TItemFlags ItemsOf(const TNumberItems& items, const TComb& numbers) {
  TItemFlags flags{};
  for (uint8_t n : numbers)
    if (items(n) != 0) flags[items(n)] = true;
  return flags;
}

// ---- series ----

enum class TSerialMode { Groups, Pauses };  // runs of appearances, runs of absences

// The run of one item as the work area keeps it, three 32-bit integers per item of the range.
struct TRunRecord {
  int32_t Length = 0;
  int32_t LastDraw = 0;  // draw number of the run's latest draw
  int32_t Depth = 0;     // of that draw
};
static_assert(sizeof(TRunRecord) * NumberMax <= StatWorkSize, "a run for each of the 50 numbers");

class TCustomSerialStat : public TCustomStat {
 public:
  TCustomSerialStat(TStatList& owner, int index, TItemKind kind, TSerialMode mode)
      : TCustomStat(owner, index), items_(kind, owner), mode_(mode) {}
  static int GroupIndex() { return 8; }
  static uint32_t MethodFlags() { return FlagSecondDraw; }
  static bool AcceptsValueList() { return false; }

  std::string ValueText(const TStatDrawRec& rec) const override { return ItemValueText(items_.Kind(), rec); }
  // A run is recorded when it ends, and the run still going at the window's last draw is
  // recorded there. Only items of the window's last draw make rows, so only their runs are
  // followed, and a pause still going at the end (its item is absent from the last draw) is never
  // recorded.
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    const TItemFlags present = ItemsOf(items_, Draw.Numbers), inLast = ItemsOf(items_, SecondDraw.Numbers);
    for (int v = items_.First(); v <= items_.Last(); ++v) {
      if (!inLast[v]) continue;
      TRunRecord run;
      uint8_t* slot = work.data() + (v - items_.First()) * sizeof(TRunRecord);
      std::memcpy(&run, slot, sizeof run);
      if (present[v] == (mode_ == TSerialMode::Groups)) {
        ++run.Length;
        run.LastDraw = Draw.Number;
        run.Depth = lastIndex - index + 1;
        if (index == lastIndex) Record(items, v, run);
      } else {
        if (run.Length > 0) Record(items, v, run);
        run = TRunRecord{};
      }
      std::memcpy(slot, &run, sizeof run);
    }
  }
  bool KeepsDrawState() const override { return true; }
  // The search adds draw after draw with one work area; only the item asked about can give its
  // key, so its run alone is followed (the draws' order does not change whether it is present).
  int32_t FindNextOccurrence(const TStatDrawRec& item, int fromIndex, bool, int lastIndex) override {
    const int v = item.Key1;
    if (item.Key3 != 0 || item.Key4 != 0 || v < items_.First() || v > items_.Last() ||
        !items_.InDraw(DrawNumbers(Draws, lastIndex, false), v))
      return -1;
    int32_t length = 0, lastDraw = 0;
    for (int k = fromIndex; k < static_cast<int>(Draws.size()); ++k) {
      if (items_.InDraw(DrawNumbers(Draws, k, false), v) == (mode_ == TSerialMode::Groups)) {
        ++length;
        lastDraw = k >= 0 ? Draws[k].Number : 0;
        if (k == lastIndex && static_cast<uint16_t>(length) == item.Key2) return lastDraw;
      } else {
        if (length > 0 && static_cast<uint16_t>(length) == item.Key2) return lastDraw;
        length = 0;
      }
    }
    return -1;
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    for (uint8_t n : comb)
      if (MatchWord(selected, 1, items_(n))) return true;
    return false;
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    const TByteValueSet chosen = SelectedWord1Bytes(selected);
    return PrepareAnyNumberOf(NumberClass([&](int n) { return chosen.Has(items_(static_cast<uint8_t>(n))); }));
  }

 private:
  void Record(TStatDrawArray& items, int item, const TRunRecord& run) {
    Current.Depth = run.Depth;
    Current.LastDraw = Current.PrevDraw = run.LastDraw;
    Merge(items, MakeStatKey(static_cast<uint16_t>(item), static_cast<uint16_t>(run.Length)), true);
  }
  TNumberItems items_;
  TSerialMode mode_;
};

template <TItemKind Kind, TSerialMode Mode>
class TItemsSerialStat : public TCustomSerialStat {
 public:
  TItemsSerialStat(TStatList& owner, int index) : TCustomSerialStat(owner, index, Kind, Mode) {}
};
template <TSerialMode Mode>
using TValuesSerialStat = TItemsSerialStat<TItemKind::Numbers, Mode>;
template <TSerialMode Mode>
using TChannelsSerialStat = TItemsSerialStat<TItemKind::Channels, Mode>;
template <TSerialMode Mode>
using TSegmentsSerialStat = TItemsSerialStat<TItemKind::Segments, Mode>;

class TstNumGroups final : public TValuesSerialStat<TSerialMode::Groups> {
 public:
  using TItemsSerialStat::TItemsSerialStat;
  static std::string CodeFormat() { return "GRPV"; }
  static std::string CaptionFormat() { return "Повторы чисел в нескольких тиражах подряд"; }
};
class TstNumPauses final : public TValuesSerialStat<TSerialMode::Pauses> {
 public:
  using TItemsSerialStat::TItemsSerialStat;
  static std::string CodeFormat() { return "GRPP"; }
  static std::string CaptionFormat() { return "Интервалы между повторениями чисел"; }
};
class TstChnGroups final : public TChannelsSerialStat<TSerialMode::Groups> {
 public:
  using TItemsSerialStat::TItemsSerialStat;
  static std::string CodeFormat() { return "GRCV"; }
  static std::string CaptionFormat() { return "Повторы каналов в нескольких тиражах подряд"; }
};
class TstChnPauses final : public TChannelsSerialStat<TSerialMode::Pauses> {
 public:
  using TItemsSerialStat::TItemsSerialStat;
  static std::string CodeFormat() { return "GRCP"; }
  static std::string CaptionFormat() { return "Интервалы между повторениями каналов"; }
};
class TstSgmGroups final : public TSegmentsSerialStat<TSerialMode::Groups> {
 public:
  using TItemsSerialStat::TItemsSerialStat;
  static std::string CodeFormat() { return "GRSV"; }
  static std::string CaptionFormat() { return "Повторы сегментов в нескольких тиражах подряд"; }
};
class TstSgmPauses final : public TSegmentsSerialStat<TSerialMode::Pauses> {
 public:
  using TItemsSerialStat::TItemsSerialStat;
  static std::string CodeFormat() { return "GRSP"; }
  static std::string CaptionFormat() { return "Интервалы между повторениями сегментов"; }
};

// ---- periods ----

class TCustomPeriodsStat : public TCustomStat {
 public:
  TCustomPeriodsStat(TStatList& owner, int index, TItemKind kind) : TCustomStat(owner, index), items_(kind, owner) {}
  static int GroupIndex() { return 9; }
  static uint32_t MethodFlags() { return FlagPeriod; }
  static bool AcceptsValueList() { return false; }

  std::string ValueText(const TStatDrawRec& rec) const override { return ItemValueText(items_.Kind(), rec); }
  // The period of an item is the distance in draw numbers from its previous appearance; the
  // second number of one channel or segment in a draw gives 0, which is not a period.
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    for (uint8_t n : Draw.Numbers) {
      const uint8_t item = items_(n);
      if (item == 0) continue;
      auto seen = std::find_if(lastValues.begin(), lastValues.end(), [&](const TLastValue& v) {
        return v.Key1 == item && v.Key2 == 0 && v.Key3 == 0 && v.Key4 == 0;
      });
      if (seen == lastValues.end()) {
        lastValues.push_back({Draw.Number, item, 0, 0, 0});
        continue;
      }
      const int32_t period = Draw.Number - seen->DrawNumber;
      seen->DrawNumber = Draw.Number;
      if (period > 0) Merge(items, MakeStatKey(item, static_cast<uint16_t>(period)), true);
    }
  }
  bool KeepsDrawState() const override { return true; }
  // The search adds each draw with an empty last-value array, where no item has appeared before,
  // so no draw gives a period: searching the archive would always end without one.
  int32_t FindNextOccurrence(const TStatDrawRec&, int, bool, int) override { return -1; }
  // A selected period p of an item is due when the item appeared p - 1 draws before the last one
  // of the window: including keeps the combinations with due items, excluding removes those with
  // items that are not due.
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool exclude, bool, int lastIndex) override {
    for (uint8_t n : comb)
      for (const TStatDrawRec& v : selected)
        if (v.Key1 == items_(n) && Due(v, lastIndex) != exclude) return true;
    return false;
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool exclude, bool,
                                                 int lastIndex) override {
    std::array<bool, 256> qualifies{};
    for (const TStatDrawRec& v : selected)
      if (v.Key1 < qualifies.size() && Due(v, lastIndex) != exclude) qualifies[v.Key1] = true;
    return PrepareAnyNumberOf(NumberClass([&](int n) { return qualifies[items_(static_cast<uint8_t>(n))]; }));
  }

 private:
  bool Due(const TStatDrawRec& v, int lastIndex) const {
    return items_.InDraw(DrawNumbers(Draws, lastIndex - v.Key2 + 1, false), v.Key1);
  }
  TNumberItems items_;
};

template <TItemKind Kind>
class TItemsPeriodsStat : public TCustomPeriodsStat {
 public:
  TItemsPeriodsStat(TStatList& owner, int index) : TCustomPeriodsStat(owner, index, Kind) {}
};

class TstNumPeriods final : public TItemsPeriodsStat<TItemKind::Numbers> {
 public:
  using TItemsPeriodsStat::TItemsPeriodsStat;
  static std::string CodeFormat() { return "PRDV"; }
  static std::string CaptionFormat() { return "Периоды повторения чисел"; }
};
class TstChnPeriods final : public TItemsPeriodsStat<TItemKind::Channels> {
 public:
  using TItemsPeriodsStat::TItemsPeriodsStat;
  static std::string CodeFormat() { return "PRDC"; }
  static std::string CaptionFormat() { return "Периоды повторения каналов"; }
};
class TstSgmPeriods final : public TItemsPeriodsStat<TItemKind::Segments> {
 public:
  using TItemsPeriodsStat::TItemsPeriodsStat;
  static std::string CodeFormat() { return "PRDG"; }
  static std::string CaptionFormat() { return "Периоды повторения сегментов"; }
};

}  // namespace

void RegisterSeriesMethods(TStatRegistrationTable& table) {
  table[107] = &ClassOf<TstNumGroups>();
  table[108] = &ClassOf<TstNumPauses>();
  table[109] = &ClassOf<TstChnGroups>();
  table[110] = &ClassOf<TstChnPauses>();
  table[111] = &ClassOf<TstSgmGroups>();
  table[112] = &ClassOf<TstSgmPauses>();
  table[113] = &ClassOf<TstNumPeriods>();
  table[114] = &ClassOf<TstChnPeriods>();
  table[115] = &ClassOf<TstSgmPeriods>();
}

}  // namespace kavrin
