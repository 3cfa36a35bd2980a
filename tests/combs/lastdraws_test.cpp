#include "combs/lastdraws.h"

#include <gtest/gtest.h>

#include <random>

#include "combs/generate.h"
#include "support/draws.h"

namespace kavrin {
namespace {

TDrawRec Draw(TComb numbers) { return test::Draw(0, numbers); }

TEST(LastDraws, RangeFromTheAnalysisOffset) {
  struct Case {
    int drawCount, offset, lastDraws, first, count;
  };
  for (const Case& c : {Case{10, 0, 0, 0, 0}, Case{10, 0, 1, 9, 1}, Case{10, 0, 3, 7, 3},
                        Case{10, 3, 1, 6, 1},   // three places before the newest
                        Case{10, 3, 100, 0, 7},  // more than visible: every visible draw
                        Case{0, 0, 5, 0, 0}, Case{10, 10, 5, 0, 0}}) {
    TDrawRange range = LastDrawsRange(c.drawCount, c.offset, c.lastDraws);
    EXPECT_EQ(range.First, c.first) << c.drawCount << " " << c.offset << " " << c.lastDraws;
    EXPECT_EQ(range.Count, c.count) << c.drawCount << " " << c.offset << " " << c.lastDraws;
  }
}

// The packed comparison must give exactly what CountMatches gives, also for lists and draws
// that a file or a damaged archive may hold: repeated numbers and bytes beyond 50.
TEST(LastDraws, AgreesWithCountMatchesOnOddData) {
  std::mt19937 random(7);
  auto byte = [&](int max) { return static_cast<uint8_t>(std::uniform_int_distribution<int>(0, max)(random)); };
  std::vector<TDrawRec> draws;
  for (int i = 0; i < 30; ++i) draws.push_back(Draw({byte(8), byte(8), byte(8), byte(8), byte(255)}));
  draws.push_back(Draw({1, 1, 2, 3, 4}));  // CountMatches 5 with (1, 2, 3, 4, 9)

  TCombList source;
  source.Append({1, 2, 3, 4, 9});
  source.Append({1, 1, 1, 1, 1});
  for (int i = 0; i < 20000; ++i) source.Append({byte(8), byte(8), byte(8), byte(8), i % 2 ? byte(255) : byte(8)});
  for (const TDrawRec& d : draws) source.Append(d.Numbers);

  TCombList target;
  RemoveDrawMatches(source, draws, target, nullptr);
  std::vector<TComb> expected;
  for (const TComb& comb : source.Combs())
    if (std::none_of(draws.begin(), draws.end(), [&](const TDrawRec& d) { return CountMatches(d, comb) == 5; }))
      expected.push_back(comb);
  EXPECT_EQ(std::vector<TComb>(target.Combs().begin(), target.Combs().end()), expected);
  EXPECT_FALSE(target.Contains({1, 2, 3, 4, 9}));
  EXPECT_LT(target.Count(), source.Count() - static_cast<int>(draws.size()));
}

TEST(LastDraws, RemovesExactlyTheDrawnCombinationsAndReportsProgress) {
  TCombList full, target;
  EnumerateCombs(0, {}, full);
  const std::vector<TDrawRec> draws = {Draw({5, 1, 9, 3, 7}), Draw({46, 47, 48, 49, 50}), Draw({5, 1, 9, 3, 7})};
  std::vector<double> percents;
  RemoveDrawMatches(full, draws, target, [&](double percent) { percents.push_back(percent); });
  EXPECT_EQ(target.Count(), full.Count() - 2);
  EXPECT_FALSE(target.Contains({1, 3, 5, 7, 9}));
  EXPECT_EQ(target[target.Count() - 1], (TComb{45, 47, 48, 49, 50}));
  // After combination i for every multiple of 21187, i = 0 included.
  ASSERT_EQ(percents.size(), 101u);
  EXPECT_DOUBLE_EQ(percents.front(), 100.0 / full.Count());
  EXPECT_DOUBLE_EQ(percents.back(), (100 * 21187 + 1) * 100.0 / full.Count());

  RemoveDrawMatches(full, {}, target, nullptr);
  EXPECT_EQ(target.Count(), full.Count());
}

}  // namespace
}  // namespace kavrin
