// The prepared filters of the series, period and transition methods give the answers of their
// plain Matches under channel sizes and segment maps other than the defaults.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "core/config.h"
#include "stats/stats_fixture.h"

namespace kavrin {
namespace {

using test::MakeDraws;
using test::RandomCombs;
using test::StatsFixture;

struct Variant {
  int channelSize;
  std::string segments;
};

TEST(PreparedMatching, ItemMethodsAgreeUnderOtherChannelsAndSegments) {
  const Variant variants[] = {
      {3, "11111111112222222222333333333344444444445555555555"},
      {7, std::string(20, '2') + std::string(30, '5')},
      {1, "123456789123456789123456789123456789123456789"},  // 50 channels; the last numbers keep segment 1
      {50, std::string(50, '9')},
  };
  std::mt19937 random(77);
  for (const Variant& v : variants) {
    SCOPED_TRACE("channel size " + std::to_string(v.channelSize) + ", segments " + v.segments);
    StatsFixture archive(MakeDraws(RandomCombs(random, 80), 500));
    const std::vector<TComb> combs = RandomCombs(random, 1200);
    StatsFixture asDraws(MakeDraws(std::vector<TComb>(combs.begin(), combs.begin() + 200)));
    for (StatsFixture* f : {&archive, &asDraws}) {
      f->list.Config.ChannelSize = v.channelSize;
      f->list.Config.MatrixSegments = SegmentsFromText(v.segments);
      f->list.BuildMethods();
    }
    // Every method meets matching combinations; the combinations that do not match are counted
    // per group, since a single method may match everything (a count in a channel of one number
    // is nearly always 0, and 0 is selected).
    std::map<int, int> unmatchedInGroup;
    for (int entry = 0; entry < archive.list.Count(); ++entry) {
      const int group = archive.list.Items(entry).MethodClass->GroupIndex();
      if (group < 8 || group > 10) continue;
      const std::string code = archive.list.Items(entry).Code();
      SCOPED_TRACE(code);
      const TStatDrawArray candidates = asDraws.Run(code).Items;
      int matched = 0;
      for (int round = 0; round < 4; ++round) {
        const bool sorted = round % 2 == 1, exclude = round >= 2;
        const int last = std::uniform_int_distribution<int>(2, 79)(random);
        auto stat = archive.list.CreateStat(entry);
        // A few values the window or the test combinations show, and a few made-up ones of small
        // numbers, channels, segments and counts, so that some combinations match and some do not.
        std::vector<TStatDrawRec> pool = candidates.Items();
        for (const TStatDrawRec& e :
             CalculateStatistics(*stat, StatWindow(80, 79 - last, 40), sorted, nullptr, archive.list.Config.Weights)
                 .Items)
          pool.push_back(e);
        TStatDrawArray selected;
        for (int i = 0; i < 3 && !pool.empty(); ++i) selected.push_back(pool[random() % pool.size()]);
        for (int i = 0; i < 3; ++i) {
          auto word = [&] { return static_cast<uint16_t>(random() % 10); };
          TStatDrawRec made;
          made.SetKey(MakeStatKey(word(), word(), word()));
          selected.push_back(made);
        }

        stat->LoadDraws(-1, last, sorted);
        auto prepared = stat->PrepareMatches(selected, exclude, sorted, last);
        for (const TComb& comb : combs) {
          const bool plain = stat->Matches(comb, selected, exclude, sorted, last);
          ASSERT_EQ(prepared->Matches(comb), plain) << CombToText(comb) << " round " << round;
          (plain ? matched : unmatchedInGroup[group])++;
        }
      }
      // With one channel and one segment the pauses and the counts in the only channel or
      // segment take one value each, which a few selected values may well miss.
      if (v.channelSize < 50) {
        EXPECT_GT(matched, 0);
      }
    }
    for (const auto& [group, unmatched] : unmatchedInGroup) EXPECT_GT(unmatched, 0) << "group " << group;
  }
}

}  // namespace
}  // namespace kavrin
