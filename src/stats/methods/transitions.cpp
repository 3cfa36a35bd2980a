// Group 10 ("mov"): what came next, in the history, after draws that looked like the last draw of
// the window. For archive draw D the draw before it (P), and for the three-draw chains the one
// before that (Q), are compared with the window's last draw (L) and the one before it (M); only
// when they match does D add its values, so the table lists the continuations observed after
// situations like the present one. The values are numbers, channels, segments, or counts of
// numbers in one channel or segment.
#include "stats/methods/transitions.h"

#include "core/format.h"
#include "stats/customstat.h"
#include "stats/methods/combvalues.h"
#include "stats/methods/drawitems.h"

namespace kavrin {
namespace {

// A draw exists when it lies in the archive with a positive draw number.
bool DrawExists(const TDrawsArray& draws, int index) {
  return index >= 0 && index < static_cast<int>(draws.size()) && draws[index].Number > 0;
}

uint16_t KeyWord(const TStatDrawRec& rec, int word) {
  const uint16_t words[4] = {rec.Key1, rec.Key2, rec.Key3, rec.Key4};
  return words[word - 1];
}

// Key word `word` (1..4) of every selected record: the continuation a filter looks for.
TByteValueSet SelectedWordBytes(const TStatDrawArray& selected, int word) {
  TByteValueSet set;
  for (const TStatDrawRec& s : selected) set.Set(KeyWord(s, word));
  return set;
}

// "12 -> 35", "7-12 -> 35", with two digits "03 -> 05".
std::string ChainText(const TStatDrawRec& rec, int width, bool twoDigits) {
  const char* key = twoDigits ? "%.2d" : "%d";
  const std::string from =
      width == 3 ? Format(key, {rec.Key1}) + "-" + Format(key, {rec.Key2}) : Format(key, {rec.Key1});
  return from + " -> " + Format(key, {KeyWord(rec, width)});
}

class TCustomChainStat : public TCustomStat {
 public:
  TCustomChainStat(TStatList& owner, int index, TItemKind kind) : TCustomStat(owner, index), items_(kind, owner) {}
  static int GroupIndex() { return 10; }
  static uint32_t MethodFlags() { return FlagPositional | FlagSecondDraw; }
  static bool AcceptsValueList() { return false; }

 protected:
  TNumberItems items_;
};

// ---- chains of numbers, channels and segments ----

enum class TChainWalk {
  AllNumbers,   // every number of P that L holds, to every number of D; positions play no part
  Positions,    // each position where P (and Q) equal L (and M), to D at that position
  OnePosition,  // the position Index only
};

// `Width` is 2 for the chains of two draws (P -> D) and 3 for those of three (Q-P -> D); the
// continuation is key word `Width`.
template <TItemKind Kind, int Width, TChainWalk Walk>
class TChainStat : public TCustomChainStat {
 public:
  TChainStat(TStatList& owner, int index) : TCustomChainStat(owner, index, Kind) {}
  static uint32_t MethodFlags() {
    return Walk == TChainWalk::AllNumbers ? FlagSecondDraw : FlagPositional | FlagSecondDraw;
  }
  static bool IsIndexed() { return Walk == TChainWalk::OnePosition; }
  static void IndexRange(const TStatList&, int& first, int& last) {
    first = IsIndexed() ? 1 : 0;
    last = IsIndexed() ? DrawSize : 0;
  }

  std::string ValueText(const TStatDrawRec& rec) const override {
    return ChainText(rec, Width, Kind == TItemKind::Channels);
  }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    if (!DrawExists(Draws, index - 1) || (Width == 3 && !DrawExists(Draws, index - 2))) return;
    const TComb p = DrawNumbers(Draws, index - 1, sorted);
    const TComb q = Width == 3 ? DrawNumbers(Draws, index - 2, sorted) : TComb{};
    const TComb m = Width == 3 ? DrawNumbers(Draws, lastIndex - 1, sorted) : TComb{};
    const TComb& d = Draw.Numbers;
    const TComb& l = SecondDraw.Numbers;
    auto addAt = [&](int k) {
      if (items_(p[k]) != items_(l[k]) || (Width == 3 && items_(q[k]) != items_(m[k]))) return;
      const TStatKey key =
          Width == 3 ? MakeStatKey(items_(q[k]), items_(p[k]), items_(d[k])) : MakeStatKey(items_(p[k]), items_(d[k]));
      MergeOncePerDraw(items, Current, key);
    };
    switch (Walk) {
      case TChainWalk::AllNumbers:
        for (uint8_t r : p)
          if (items_.InDraw(l, items_(r)))
            for (uint8_t n : d) MergeOncePerDraw(items, Current, MakeStatKey(items_(r), items_(n)));
        break;
      case TChainWalk::Positions:
        for (int k = 0; k < DrawSize; ++k) addAt(k);
        break;
      case TChainWalk::OnePosition:
        if (Index >= 1 && Index <= DrawSize) addAt(Index - 1);
        break;
    }
  }
  // The continuation anywhere in the combination: its position plays no part.
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    for (uint8_t n : comb)
      if (MatchWord(selected, Width, items_(n))) return true;
    return false;
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    const TByteValueSet chosen = SelectedWordBytes(selected, Width);
    return PrepareAnyNumberOf(NumberClass([&](int n) { return chosen.Has(items_(static_cast<uint8_t>(n))); }));
  }
};

template <TChainWalk Walk>
using TCustomChainValues2Stat = TChainStat<TItemKind::Numbers, 2, Walk>;
template <TChainWalk Walk>
using TCustomChainValues3Stat = TChainStat<TItemKind::Numbers, 3, Walk>;
template <TChainWalk Walk>
using TCustomChainChannels2Stat = TChainStat<TItemKind::Channels, 2, Walk>;
template <TChainWalk Walk>
using TCustomChainChannels3Stat = TChainStat<TItemKind::Channels, 3, Walk>;
template <TChainWalk Walk>
using TCustomChainSegments2Stat = TChainStat<TItemKind::Segments, 2, Walk>;
template <TChainWalk Walk>
using TCustomChainSegments3Stat = TChainStat<TItemKind::Segments, 3, Walk>;

constexpr char NumbersAllCaption[] = "Переходы чисел между %0:d тиражами без учета позиции";
constexpr char NumbersPosCaption[] = "Переходы чисел между %0:d тиражами с учетом позиции";
constexpr char NumbersOneCaption[] = "Переходы чисел между %0:d тиражами в %%d позиции";
constexpr char ChannelsAllCaption[] = "Переходы каналов между %0:d тиражами без учета позиции";
constexpr char ChannelsPosCaption[] = "Переходы каналов между %0:d тиражами с учетом позиции";
constexpr char ChannelsOneCaption[] = "Переходы каналов между %0:d тиражами в %%d позиции";
constexpr char SegmentsAllCaption[] = "Переходы сегментов между %0:d тиражами без учета позиции";
constexpr char SegmentsPosCaption[] = "Переходы сегментов между %0:d тиражами с учетом позиции";
constexpr char SegmentsOneCaption[] = "Переходы сегментов между %0:d тиражами в %%d позиции";

class TstChain2DrawsAll final : public TCustomChainValues2Stat<TChainWalk::AllNumbers> {
 public:
  using TChainStat::TChainStat;
  static std::string CodeFormat() { return "SDV2"; }
  static std::string CaptionFormat() { return Format(NumbersAllCaption, {2}); }
};
class TstChain2DrawsPos final : public TCustomChainValues2Stat<TChainWalk::Positions> {
 public:
  using TChainStat::TChainStat;
  static std::string CodeFormat() { return "SDP2"; }
  static std::string CaptionFormat() { return Format(NumbersPosCaption, {2}); }
};
class TstChain2Pos final : public TCustomChainValues2Stat<TChainWalk::OnePosition> {
 public:
  using TChainStat::TChainStat;
  static std::string CodeFormat() { return "SDN%d"; }
  static std::string HelpCodeFormat() { return "SDNx"; }
  static std::string CaptionFormat() { return Format(NumbersOneCaption, {2}); }
};
class TstChain3DrawsPos final : public TCustomChainValues3Stat<TChainWalk::Positions> {
 public:
  using TChainStat::TChainStat;
  static std::string CodeFormat() { return "SDP3"; }
  static std::string CaptionFormat() { return Format(NumbersPosCaption, {3}); }
};
class TstChain3Pos final : public TCustomChainValues3Stat<TChainWalk::OnePosition> {
 public:
  using TChainStat::TChainStat;
  static std::string CodeFormat() { return "SDM%d"; }
  static std::string HelpCodeFormat() { return "SDMx"; }
  static std::string CaptionFormat() { return Format(NumbersOneCaption, {3}); }
};

class TstChain2ChannelsAll final : public TCustomChainChannels2Stat<TChainWalk::AllNumbers> {
 public:
  using TChainStat::TChainStat;
  static std::string CodeFormat() { return "SCV2"; }
  static std::string CaptionFormat() { return Format(ChannelsAllCaption, {2}); }
};
class TstChain2ChannelsPos final : public TCustomChainChannels2Stat<TChainWalk::Positions> {
 public:
  using TChainStat::TChainStat;
  static std::string CodeFormat() { return "SCP2"; }
  static std::string CaptionFormat() { return Format(ChannelsPosCaption, {2}); }
};
class TstChain2Channel final : public TCustomChainChannels2Stat<TChainWalk::OnePosition> {
 public:
  using TChainStat::TChainStat;
  static std::string CodeFormat() { return "SCN%d"; }
  static std::string HelpCodeFormat() { return "SCNx"; }
  static std::string CaptionFormat() { return Format(ChannelsOneCaption, {2}); }
};
class TstChain3ChannelsPos final : public TCustomChainChannels3Stat<TChainWalk::Positions> {
 public:
  using TChainStat::TChainStat;
  static std::string CodeFormat() { return "SCP3"; }
  static std::string CaptionFormat() { return Format(ChannelsPosCaption, {3}); }
};
class TstChain3Channel final : public TCustomChainChannels3Stat<TChainWalk::OnePosition> {
 public:
  using TChainStat::TChainStat;
  static std::string CodeFormat() { return "SCM%d"; }
  static std::string HelpCodeFormat() { return "SCMx"; }
  static std::string CaptionFormat() { return Format(ChannelsOneCaption, {3}); }
};

class TstChain2SegmentsAll final : public TCustomChainSegments2Stat<TChainWalk::AllNumbers> {
 public:
  using TChainStat::TChainStat;
  static std::string CodeFormat() { return "SSV2"; }
  static std::string CaptionFormat() { return Format(SegmentsAllCaption, {2}); }
};
class TstChain2SegmentsPos final : public TCustomChainSegments2Stat<TChainWalk::Positions> {
 public:
  using TChainStat::TChainStat;
  static std::string CodeFormat() { return "SSP2"; }
  static std::string CaptionFormat() { return Format(SegmentsPosCaption, {2}); }
};
class TstChain2Segment final : public TCustomChainSegments2Stat<TChainWalk::OnePosition> {
 public:
  using TChainStat::TChainStat;
  static std::string CodeFormat() { return "SSN%d"; }
  static std::string HelpCodeFormat() { return "SSNx"; }
  static std::string CaptionFormat() { return Format(SegmentsOneCaption, {2}); }
};
class TstChain3SegmentsPos final : public TCustomChainSegments3Stat<TChainWalk::Positions> {
 public:
  using TChainStat::TChainStat;
  static std::string CodeFormat() { return "SSP3"; }
  static std::string CaptionFormat() { return Format(SegmentsPosCaption, {3}); }
};
class TstChain3Segment final : public TCustomChainSegments3Stat<TChainWalk::OnePosition> {
 public:
  using TChainStat::TChainStat;
  static std::string CodeFormat() { return "SSM%d"; }
  static std::string HelpCodeFormat() { return "SSMx"; }
  static std::string CaptionFormat() { return Format(SegmentsOneCaption, {3}); }
};

// ---- how many numbers lie in channel (segment) Index ----

template <TItemKind Kind, int Width>
class TChainCountStat : public TCustomChainStat {
 public:
  TChainCountStat(TStatList& owner, int index)
      : TCustomChainStat(owner, index, Kind), largestCount_(Kind == TItemKind::Channels ? ChannelSizeOf(owner) : 0) {}
  static uint32_t MethodFlags() { return FlagSecondDraw; }
  static bool IsIndexed() { return true; }
  static void IndexRange(const TStatList& list, int& first, int& last) {
    if (Kind == TItemKind::Channels)
      ChannelIndexRange(list, first, last);
    else
      SegmentIndexRange(list, first, last);
  }

  std::string ValueText(const TStatDrawRec& rec) const override { return ChainText(rec, Width, false); }
  // The counts that may follow the window's last draw(s): for channels every count up to the
  // channel size, for segments, whose sizes vary, only 0.
  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    const auto l = static_cast<uint16_t>(Count(DrawNumbers(Draws, lastIndex, false)));
    const auto m = static_cast<uint16_t>(Count(DrawNumbers(Draws, lastIndex - 1, false)));
    for (int v = 0; v <= largestCount_; ++v) {
      TStatDrawRec rec;
      rec.SetKey(Width == 3 ? MakeStatKey(m, l, static_cast<uint16_t>(v)) : MakeStatKey(l, static_cast<uint16_t>(v)));
      AddStatValue(items, rec, false);
    }
  }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    if (!DrawExists(Draws, index - 1) || (Width == 3 && !DrawExists(Draws, index - 2))) return;
    const auto p = static_cast<uint16_t>(Count(DrawNumbers(Draws, index - 1, false)));
    const auto d = static_cast<uint16_t>(Count(Draw.Numbers));
    if (p != Count(SecondDraw.Numbers)) return;
    if (Width == 2) {
      Merge(items, MakeStatKey(p, d), true);
      return;
    }
    const auto q = static_cast<uint16_t>(Count(DrawNumbers(Draws, index - 2, false)));
    if (q == Count(DrawNumbers(Draws, lastIndex - 1, false))) Merge(items, MakeStatKey(q, p, d), true);
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int) override {
    return MatchWord(selected, Width, static_cast<uint16_t>(Count(comb)));
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int) override {
    const TByteValueSet inside = NumberClass([&](int n) { return items_(static_cast<uint8_t>(n)) == Index; });
    return MakePreparedMatch([counts = SelectedWordBytes(selected, Width), inside](const TComb& c) {
      return counts.Has(static_cast<uint8_t>(ClassCount(c, inside))) != 0;
    });
  }

 private:
  const int largestCount_;  // of the pre-filled continuations

  int Count(const TComb& numbers) const {
    int count = 0;
    for (uint8_t n : numbers) count += items_(n) == Index;
    return count;
  }
};

constexpr char ChannelCountCaption[] = "Переходы кол-ва чисел в %%d канале между %0:d тиражами";
constexpr char SegmentCountCaption[] = "Переходы кол-ва чисел в %%d сегменте между %0:d тиражами";

class TstChain2CnlCnt final : public TChainCountStat<TItemKind::Channels, 2> {
 public:
  using TChainCountStat::TChainCountStat;
  static std::string CodeFormat() { return "SC2C%d"; }
  static std::string HelpCodeFormat() { return "SC2Cx"; }
  static std::string CaptionFormat() { return Format(ChannelCountCaption, {2}); }
};
class TstChain3CnlCnt final : public TChainCountStat<TItemKind::Channels, 3> {
 public:
  using TChainCountStat::TChainCountStat;
  static std::string CodeFormat() { return "SC3C%d"; }
  static std::string HelpCodeFormat() { return "SC3Cx"; }
  static std::string CaptionFormat() { return Format(ChannelCountCaption, {3}); }
};
class TstChain2SgmCnt final : public TChainCountStat<TItemKind::Segments, 2> {
 public:
  using TChainCountStat::TChainCountStat;
  static std::string CodeFormat() { return "SS2C%d"; }
  static std::string HelpCodeFormat() { return "SS2Cx"; }
  static std::string CaptionFormat() { return Format(SegmentCountCaption, {2}); }
};
class TstChain3SgmCnt final : public TChainCountStat<TItemKind::Segments, 3> {
 public:
  using TChainCountStat::TChainCountStat;
  static std::string CodeFormat() { return "SS3C%d"; }
  static std::string HelpCodeFormat() { return "SS3Cx"; }
  static std::string CaptionFormat() { return Format(SegmentCountCaption, {3}); }
};

// ---- the numbers of D in the channel of a number that P and L share ----

enum TInsideMode {
  InsideAll = 0,      // (r, x) for every x of D in r's channel, or (r, 0) when there is none
  InsideSuccess = 1,  // only the (r, x)
  InsideFailure = 2,  // only the (r, 0)
  InsideCount = 3,    // (r, how many numbers of D lie in r's channel)
};

template <int Mode>
class TCustomChainChannels2Inside : public TCustomChainStat {
 public:
  TCustomChainChannels2Inside(TStatList& owner, int index) : TCustomChainStat(owner, index, TItemKind::Channels) {}
  static uint32_t MethodFlags() { return FlagSecondDraw; }

  std::string ValueText(const TStatDrawRec& rec) const override { return ChainText(rec, 2, Mode != InsideCount); }
  void AddDraw(int index, int lastIndex, TLastValueArray& lastValues, TStatWork& work, TStatDrawArray& items,
               bool sorted) override {
    TCustomStat::AddDraw(index, lastIndex, lastValues, work, items, sorted);
    if (!DrawExists(Draws, index - 1)) return;
    for (uint8_t r : DrawNumbers(Draws, index - 1, false)) {
      if (!CombContains(SecondDraw.Numbers, r)) continue;
      uint16_t to = 0;
      for (uint8_t n : Draw.Numbers) {
        if (items_(n) != items_(r)) continue;
        if (Mode == InsideCount) {
          ++to;
          continue;
        }
        to = n;
        if (Mode != InsideFailure) MergeOncePerDraw(items, Current, MakeStatKey(r, n));
      }
      if (Mode == InsideCount || (to == 0 && Mode != InsideSuccess))
        MergeOncePerDraw(items, Current, MakeStatKey(r, to));
    }
  }
  bool Matches(const TComb& comb, const TStatDrawArray& selected, bool, bool, int lastIndex) override {
    const TComb last = DrawNumbers(Draws, lastIndex, false);
    for (uint8_t q : comb)
      if (Qualifies(last, q, selected)) return true;
    return false;
  }
  std::unique_ptr<TPreparedMatch> PrepareMatches(const TStatDrawArray& selected, bool, bool, int lastIndex) override {
    const TComb last = DrawNumbers(Draws, lastIndex, false);
    return PrepareAnyNumberOf(NumberClass([&](int q) { return Qualifies(last, static_cast<uint8_t>(q), selected); }));
  }

 private:
  // Whether the number q of a combination carries a selected value: for some number p of the
  // window's last draw, a count or an "N-0" value of p asks for any number in p's channel, any
  // other value of p for q itself.
  bool Qualifies(const TComb& last, uint8_t q, const TStatDrawArray& selected) const {
    for (uint8_t p : last) {
      if (p == 0) continue;
      for (const TStatDrawRec& v : selected) {
        if (v.Key1 != p) continue;
        const bool anyInChannel = Mode == InsideCount || v.Key2 == 0;
        if (anyInChannel ? items_(q) == items_(p) : v.Key2 == q) return true;
      }
    }
    return false;
  }
};

class TstChainChannels2InsideAll final : public TCustomChainChannels2Inside<InsideAll> {
 public:
  using TCustomChainChannels2Inside::TCustomChainChannels2Inside;
  static std::string CodeFormat() { return "SDA2"; }
  static std::string CaptionFormat() { return "Переходы чисел в пределах каналов (все)"; }
};
class TstChainChannels2InsideSuc final : public TCustomChainChannels2Inside<InsideSuccess> {
 public:
  using TCustomChainChannels2Inside::TCustomChainChannels2Inside;
  static std::string CodeFormat() { return "SDG2"; }
  static std::string CaptionFormat() { return "Переходы чисел в пределах каналов (N-M, удачные)"; }
};
class TstChainChannels2InsideBad final : public TCustomChainChannels2Inside<InsideFailure> {
 public:
  using TCustomChainChannels2Inside::TCustomChainChannels2Inside;
  static std::string CodeFormat() { return "SDZ2"; }
  static std::string CaptionFormat() { return "Переходы чисел в пределах каналов (N-0, не удачные)"; }
};
class TstChainChannels2InsideCnt final : public TCustomChainChannels2Inside<InsideCount> {
 public:
  using TCustomChainChannels2Inside::TCustomChainChannels2Inside;
  static std::string CodeFormat() { return "SDC2"; }
  static std::string CaptionFormat() { return "Переходы чисел в пределах каналов (количество)"; }
};

}  // namespace

void RegisterTransitionMethods(TStatRegistrationTable& table) {
  table[116] = &ClassOf<TstChain2DrawsAll>();
  table[117] = &ClassOf<TstChain2DrawsPos>();
  table[118] = &ClassOf<TstChain2Pos>();
  table[119] = &ClassOf<TstChain3DrawsPos>();
  table[120] = &ClassOf<TstChain3Pos>();
  table[121] = &ClassOf<TstChain2ChannelsAll>();
  table[122] = &ClassOf<TstChain2ChannelsPos>();
  table[123] = &ClassOf<TstChain2Channel>();
  table[124] = &ClassOf<TstChain3ChannelsPos>();
  table[125] = &ClassOf<TstChain3Channel>();
  table[126] = &ClassOf<TstChain2CnlCnt>();
  table[127] = &ClassOf<TstChain3CnlCnt>();
  table[128] = &ClassOf<TstChainChannels2InsideAll>();
  table[129] = &ClassOf<TstChainChannels2InsideSuc>();
  table[130] = &ClassOf<TstChainChannels2InsideBad>();
  table[131] = &ClassOf<TstChainChannels2InsideCnt>();
  table[132] = &ClassOf<TstChain2SegmentsAll>();
  table[133] = &ClassOf<TstChain2SegmentsPos>();
  table[134] = &ClassOf<TstChain2Segment>();
  table[135] = &ClassOf<TstChain3SegmentsPos>();
  table[136] = &ClassOf<TstChain3Segment>();
  table[137] = &ClassOf<TstChain2SgmCnt>();
  table[138] = &ClassOf<TstChain3SgmCnt>();
}

}  // namespace kavrin
