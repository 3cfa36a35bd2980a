// Group 3 ("grp"): a draw described by the channels its numbers fall into. A channel is a run of
// ChannelSize consecutive numbers (1..5, 6..10, ... for 5); the size is copied from the
// configuration when a method is created, so a calculation keeps the size it started with.
#include "stats/methods/channels.h"

#include "core/format.h"
#include "stats/methods/numbertuples.h"
#include "stats/statlist.h"

namespace kavrin {
namespace {

template <class Base>
class TChannelsStatOf : public Base {
 public:
  TChannelsStatOf(TStatList& owner, int index) : Base(owner, index), ChannelSize(owner.Config.ChannelSize) {}
  static int GroupIndex() { return 3; }

  int32_t ChannelSize;

 protected:
  // "05 [21-25]"; the last channel shows its full span even past 50 ("08 [50-56]" for 7).
  std::string ChannelLabel(int channel) const {
    return Format("%.2d [%s-%s]", {channel, std::to_string(ChannelSize * (channel - 1) + 1),
                                   std::to_string(channel * ChannelSize)});
  }
};

using TCustomChannelsStat = TChannelsStatOf<TCustomStat>;
using TCustomChannelsGraphStat = TChannelsStatOf<TCustomGraphStat>;

struct ByChannel {
  template <class Stat>
  static TGrouping Of(const Stat& stat) {
    return ChannelGrouping(stat.ChannelSize);
  }
};

// ---- "CHAN": the channel of each number ----

class TstChannels final : public TGroupEachStat<TCustomChannelsStat, ByChannel, true> {
 public:
  using TGroupEachStat::TGroupEachStat;
  static std::string CodeFormat() { return "CHAN"; }
  static std::string CaptionFormat() { return "Каналы"; }
  static uint32_t MethodFlags() { return FlagNorm; }

  std::string ValueText(const TStatDrawRec& rec) const override { return ChannelLabel(rec.Key1); }
  // The channel number before the span: "03 [11-15]" gives 3.
  int32_t ValueFromText(const std::string& text) const override {
    const size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos) return 0;
    return NumberFromText(text.substr(start, text.find(' ', start) - start));
  }
};

// ---- "CHNV": how many numbers each channel holds ----

class TstChanValues final : public TGroupCountsStat<TCustomChannelsStat, ByChannel> {
 public:
  using TGroupCountsStat::TGroupCountsStat;
  static std::string CodeFormat() { return "CHNV"; }
  static std::string CaptionFormat() { return "Количество чисел в канале"; }
  static uint32_t MethodFlags() { return FlagNorm; }

  std::string ValueText(const TStatDrawRec& rec) const override {
    return Format("%0:s x %1:d", {ChannelLabel(rec.Key1), rec.Key2});
  }
  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    PrefillCounts(items, std::min(ChannelSize, DrawSize));
  }
};

// ---- "CHNC": how many channels the draw touches ----

class TstChanCount final : public TGroupDistinctStat<TCustomChannelsGraphStat, ByChannel> {
 public:
  using TGroupDistinctStat::TGroupDistinctStat;
  static std::string CodeFormat() { return "CHNC"; }
  static std::string CaptionFormat() { return "Количество каналов в тираже"; }
  static uint32_t MethodFlags() { return FlagNorm; }

  // With channels of fewer than five numbers the larger counts occur without being pre-filled.
  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    Prefill(items, 1, std::min(ChannelSize, DrawSize));
  }
};

// ---- "CHN%d": how many numbers lie in one channel ----

class TstChnValCnt final : public TGroupSizeStat<TCustomChannelsGraphStat, ByChannel> {
 public:
  using TGroupSizeStat::TGroupSizeStat;
  static std::string CodeFormat() { return "CHN%d"; }
  static std::string CaptionFormat() { return "Количество чисел в %0:d канале"; }
  static std::string HelpCodeFormat() { return "CHNx"; }
  static uint32_t MethodFlags() { return FlagNorm; }
  // No entries without a usable channel size.
  static void IndexRange(const TStatList& list, int& first, int& last) {
    first = 1;
    last = list.Config.ChannelSize >= 1 ? GroupCount(list.Config.ChannelSize) : 0;
  }

  // 0 is not pre-filled; a channel of more than five numbers pre-fills counts that cannot occur.
  void PrepareValues(int lastIndex, TStatDrawArray& items) override {
    TCustomStat::PrepareValues(lastIndex, items);
    Prefill(items, 1, ChannelSize);
  }
};

// ---- "KCM%d", "KCS%d": tuples of the channels of the numbers ----

template <int Width>
class TCombChnMixStat : public TGroupTupleStat<TCustomChannelsStat, ByChannel, Width, TTupleWalk::Mix> {
 public:
  using TGroupTupleStat<TCustomChannelsStat, ByChannel, Width, TTupleWalk::Mix>::TGroupTupleStat;
  static std::string CodeFormat() { return Format("KCM%d", {Width}); }
  static std::string CaptionFormat() { return Format("Сочетания из %0:d каналов по всем числам тиража", {Width}); }
};

template <int Width>
class TCombChnSeqStat : public TGroupTupleStat<TCustomChannelsStat, ByChannel, Width, TTupleWalk::Seq> {
 public:
  using TGroupTupleStat<TCustomChannelsStat, ByChannel, Width, TTupleWalk::Seq>::TGroupTupleStat;
  static std::string CodeFormat() { return Format("KCS%d", {Width}); }
  static std::string CaptionFormat() { return Format("Сочетания из %0:d каналов по соседним числам", {Width}); }
};

class TstCombChnMix2 final : public TCombChnMixStat<2> {
 public:
  using TCombChnMixStat::TCombChnMixStat;
};
class TstCombChnMix3 final : public TCombChnMixStat<3> {
 public:
  using TCombChnMixStat::TCombChnMixStat;
};
class TstCombChnMix4 final : public TCombChnMixStat<4> {
 public:
  using TCombChnMixStat::TCombChnMixStat;
};
class TstCombChnSeq2 final : public TCombChnSeqStat<2> {
 public:
  using TCombChnSeqStat::TCombChnSeqStat;
};
class TstCombChnSeq3 final : public TCombChnSeqStat<3> {
 public:
  using TCombChnSeqStat::TCombChnSeqStat;
};
class TstCombChnSeq4 final : public TCombChnSeqStat<4> {
 public:
  using TCombChnSeqStat::TCombChnSeqStat;
};

}  // namespace

void RegisterChannelMethods(TStatRegistrationTable& table) {
  table[21] = &ClassOf<TstChannels>();
  table[22] = &ClassOf<TstChanValues>();
  table[23] = &ClassOf<TstChanCount>();
  table[77] = &ClassOf<TstCombChnMix2>();
  table[78] = &ClassOf<TstCombChnMix3>();
  table[79] = &ClassOf<TstCombChnMix4>();
  table[80] = &ClassOf<TstCombChnSeq2>();
  table[81] = &ClassOf<TstCombChnSeq3>();
  table[82] = &ClassOf<TstCombChnSeq4>();
  table[103] = &ClassOf<TstChnValCnt>();
}

}  // namespace kavrin
