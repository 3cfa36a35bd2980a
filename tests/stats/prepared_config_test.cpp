// The fast paths of the methods that follow the configuration (channels, matrix, segments) give
// the answers of their plain forms under channel sizes, matrix widths and segment maps other than
// the defaults: the prepared filters those of Matches, the block merge of combinations that of
// AddCombination one by one.
#include <gtest/gtest.h>

#include <random>

#include "stats/stats_fixture.h"

namespace kavrin {
namespace {

using test::MakeDraws;
using test::RandomCombs;
using test::StatsFixture;

struct TVariant {
  int channelSize;
  int cols;
  std::string segments;
};

std::string RandomSegments(std::mt19937& random) {
  std::string text;
  for (int n = 0; n < NumberMax; ++n) text += static_cast<char>('1' + random() % 9);
  return text;
}

void Configure(StatsFixture& f, const TVariant& v) {
  f.list.Config.ChannelSize = v.channelSize;
  f.list.Config.MatrixCols = v.cols;
  f.list.Config.MatrixSegments = SegmentsFromText(v.segments);
  f.list.BuildMethods();
}

TEST(PreparedMatching, AgreesWithMatchesUnderOtherConfigurations) {
  std::mt19937 random(77);
  const TVariant variants[] = {
      {1, 1, RandomSegments(random)},
      {3, 7, "2222222222" + std::string(40, '5')},
      {7, 12, "123456789123456789123456789123456789123456789"},
      {50, 50, ""},
      {6, 3, RandomSegments(random)},
      {13, 33, "9" + std::string(49, '1')},
  };
  const std::vector<TComb> combs = RandomCombs(random, 1500);
  for (const TVariant& v : variants) {
    SCOPED_TRACE("channels " + std::to_string(v.channelSize) + ", columns " + std::to_string(v.cols) +
                 ", segments " + v.segments);
    StatsFixture archive(MakeDraws(RandomCombs(random, 60), 500));
    Configure(archive, v);
    // The test combinations as draws: their values make selections that combinations do carry.
    StatsFixture asDraws(MakeDraws(std::vector<TComb>(combs.begin(), combs.begin() + 200)));
    Configure(asDraws, v);

    for (int entry = 0; entry < archive.list.Count(); ++entry) {
      const int group = archive.list.Items(entry).MethodClass->GroupIndex();
      if (group < 3 || group > 5) continue;
      const std::string code = archive.list.Items(entry).Code();
      SCOPED_TRACE(code);
      // Values the first test combinations carry; none for lines that cannot hold adjacent numbers.
      TStatDrawArray candidates;
      for (const TStatDrawRec& e : asDraws.Run(code).Items)
        if (e.Count > 0) candidates.push_back(e);
      int matched = 0;
      for (int round = 0; round < 4; ++round) {
        const bool sorted = round % 2 == 1;
        const int last = std::uniform_int_distribution<int>(0, 59)(random);
        auto stat = archive.list.CreateStat(entry);
        TStatDrawArray selected;
        if (!candidates.empty()) selected.push_back(candidates[random() % candidates.size()]);
        for (const TStatDrawRec& e : candidates)
          if (random() % (round + 2) == 0) selected.push_back(e);
        TStatDrawRec junk;
        junk.SetKey(static_cast<TStatKey>(random()) << 32 | random());
        selected.push_back(junk);

        stat->LoadDraws(-1, last, sorted);
        auto prepared = stat->PrepareMatches(selected, false, sorted, last);
        for (const TComb& comb : combs) {
          const bool plain = stat->Matches(comb, selected, false, sorted, last);
          ASSERT_EQ(prepared->Matches(comb), plain) << CombToText(comb) << " round " << round;
          matched += plain;
        }
      }
      EXPECT_EQ(matched > 0, !candidates.empty());
    }
  }
}

TEST(AddCombinations, LeavesTheTableOfOneByOneMerges) {
  std::mt19937 random(78);
  const std::vector<TComb> combs = RandomCombs(random, 3000);
  for (const TVariant& v : {TVariant{5, 5, ""}, TVariant{3, 7, RandomSegments(random)},
                            TVariant{50, 1, "2222222222" + std::string(40, '5')}}) {
    StatsFixture f(MakeDraws(RandomCombs(random, 5)));
    Configure(f, v);
    for (int entry = 0; entry < f.list.Count(); ++entry) {
      const TStatClass& c = *f.list.Items(entry).MethodClass;
      if (c.GroupIndex() < 3 || c.GroupIndex() > 5 || !c.HasNorm()) continue;
      SCOPED_TRACE(f.list.Items(entry).Code() + " channels " + std::to_string(v.channelSize) + ", columns " +
                   std::to_string(v.cols));
      auto stat = f.list.CreateStat(entry);
      // A table that already holds values, as after a pre-fill, keeps their order and counts.
      TStatDrawArray single, block;
      stat->PrepareValues(4, single);
      stat->PrepareValues(4, block);
      for (const TComb& comb : combs) stat->AddCombination(comb, single);
      stat->AddCombinations({combs.data(), 1000}, block);
      stat->AddCombinations({combs.data() + 1000, combs.size() - 1000}, block);
      EXPECT_EQ(block.Items(), single.Items());
    }
  }
}

}  // namespace
}  // namespace kavrin
