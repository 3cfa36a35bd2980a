// Runs of consecutive numbers in one draw and numbers repeating across draws: values on the
// examples of their descriptions and on hand-checked archives, in drawn and in sorted order.
#include <gtest/gtest.h>

#include <tuple>

#include "stats/method_rows.h"

namespace kavrin {
namespace {

using test::Comb;
using test::CountedRows;
using test::MakeDraws;
using test::Rows;
using test::RowsOf;
using test::Selected;
using test::StatsFixture;
using test::ValueOf;

TEST(SequenceMethods, RunsOfOneDraw) {
  struct Case {
    std::string code;
    TComb draw;
    bool sorted;
    Rows counted;
  } cases[] = {
      {"SEQL", Comb(4, 5, 6, 20, 21), false, {{"3", 1}, {"2", 1}}},
      {"SEQL", Comb(3, 10, 17, 24, 31), false, {{"1", 5}}},
      {"SEQL", Comb(6, 5, 4, 20, 21), false, {{"1", 3}, {"2", 1}}},
      {"SEQL", Comb(6, 5, 4, 20, 21), true, {{"3", 1}, {"2", 1}}},
      {"SEQS", Comb(4, 5, 6, 20, 21), false, {{"2", 1}}},
      {"SEQS", Comb(6, 5, 4, 20, 21), false, {{"1", 1}}},
      {"SEQS", Comb(3, 10, 17, 24, 31), false, {{"0", 1}}},
      {"LENS", Comb(4, 5, 6, 20, 21), false, {{"3", 1}}},
      {"LENS", Comb(6, 5, 4, 20, 21), false, {{"2", 1}}},  // only 20 21 counts
      {"LENS", Comb(6, 5, 4, 20, 21), true, {{"3", 1}}},
      {"LENS", Comb(1, 2, 3, 4, 5), false, {{"5", 1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code + " " + CombToText(c.draw) + (c.sorted ? " sorted" : ""));
    StatsFixture f(MakeDraws({c.draw}, 40));
    EXPECT_EQ(CountedRows(f, c.code, c.sorted), c.counted);
  }

  StatsFixture f(MakeDraws({Comb(3, 10, 17, 24, 31)}));
  EXPECT_EQ(RowsOf(f, "SEQL"), (Rows{{"1", 5}, {"2", 0}, {"3", 0}, {"4", 0}, {"5", 0}}));
  EXPECT_EQ(RowsOf(f, "SEQS"), (Rows{{"0", 1}, {"1", 0}, {"2", 0}}));
  EXPECT_EQ(RowsOf(f, "LENS").size(), 5u);
}

TEST(SequenceMethods, GraphValueAcceptsStepsEitherWay) {
  StatsFixture f(MakeDraws({Comb(6, 5, 4, 20, 21)}));
  for (const auto& [code, table, graph] : {std::tuple{"LENS", 2, 3}, std::tuple{"SEQS", 1, 2}}) {
    SCOPED_TRACE(code);
    auto stat = f.Create(code);
    auto& g = dynamic_cast<TCustomGraphStat&>(*stat);
    EXPECT_EQ(g.CombinationValue(Comb(6, 5, 4, 20, 21), 1, 0, false), graph);
    EXPECT_EQ(g.DrawValue(0, 0, false), graph);
    EXPECT_EQ(g.DrawValue(0, 0, true), graph);  // 4 5 6 20 21
    stat->LoadDraws(-1, 0, false);
    EXPECT_TRUE(stat->Matches(Comb(6, 5, 4, 20, 21), Selected({table}), false, false, 0));
    EXPECT_FALSE(stat->Matches(Comb(6, 5, 4, 20, 21), Selected({graph}), false, false, 0));
  }
  auto seql = f.Create("SEQL");
  EXPECT_TRUE(seql->Matches(Comb(4, 5, 6, 20, 21), Selected({3}), false, false, 0));
  EXPECT_TRUE(seql->Matches(Comb(4, 5, 6, 20, 21), Selected({2}), false, false, 0));
  EXPECT_FALSE(seql->Matches(Comb(4, 5, 6, 20, 21), Selected({1}), false, false, 0));
}

TEST(SequenceMethods, RunLengthRepeatedInADrawMeasuresItsGapOnce) {
  StatsFixture f(MakeDraws({Comb(3, 10, 17, 24, 31), Comb(1, 2, 3, 4, 5), Comb(3, 10, 17, 24, 31)}, 100));
  const TStatDrawRec one = ValueOf(f.Run("SEQL").Items, MakeStatKey(1));
  EXPECT_EQ(one.Count, 10);
  EXPECT_EQ(one.LastDraw, 102);
  EXPECT_EQ(one.PeriodMin, 2);
  EXPECT_EQ(one.PeriodMax, 2);
}

// Newest draw 3 11 25 40 44; only its numbers are ever counted.
TDrawsArray RepeatArchive() {
  return MakeDraws({Comb(3, 11, 7, 8, 9), Comb(3, 11, 25, 1, 2), Comb(40, 44, 25, 30, 31), Comb(3, 11, 25, 40, 44)},
                   100);
}

TEST(RepeatMethods, ValuesOfTheNewestDrawSeenAgainAfterAGap) {
  StatsFixture f(RepeatArchive());
  EXPECT_EQ(RowsOf(f, "RPV2"), (Rows{{"3", 1}, {"11", 1}, {"25", 2}, {"40", 1}, {"44", 1}}));
  EXPECT_EQ(RowsOf(f, "PRV2O1"), (Rows{{"3", 1}, {"11", 1}, {"25", 1}, {"40", 0}, {"44", 0}}));
  EXPECT_EQ(RowsOf(f, "PRV2O2"), (Rows{{"3", 1}, {"11", 1}, {"25", 0}, {"40", 0}, {"44", 0}}));
  EXPECT_EQ(RowsOf(f, "PRV2O3"), (Rows{{"3", 0}, {"11", 0}, {"25", 0}, {"40", 0}, {"44", 0}}));
  const TStatDrawRec r25 = ValueOf(f.Run("RPV2").Items, MakeStatKey(25));
  EXPECT_EQ(r25.LastDraw, 103);
  EXPECT_EQ(r25.Depth, 1);
  EXPECT_EQ(r25.PeriodMin, 1);
  // Sorting the draws changes nothing: only which numbers occur counts.
  EXPECT_EQ(RowsOf(f, "RPV2", true), RowsOf(f, "RPV2"));
}

TEST(RepeatMethods, ShiftedValuesWrapWithinTheNumbers) {
  // A 7 in the draw before and an 8 in the draw, with 7 in the newest draw: 8 for PRV+1.
  StatsFixture plus(MakeDraws({Comb(7, 20, 30, 33, 49), Comb(8, 21, 35, 36, 41), Comb(7, 1, 2, 3, 4)}));
  EXPECT_EQ(RowsOf(plus, "PRV+1"), (Rows{{"8", 1}, {"2", 0}, {"3", 0}, {"4", 0}, {"5", 0}}));
  EXPECT_EQ(RowsOf(plus, "PRV+2"), (Rows{{"9", 0}, {"3", 0}, {"4", 0}, {"5", 0}, {"6", 0}}));
  // PRV-1: a 1 in the earlier draw stands for 50.
  StatsFixture minus(MakeDraws({Comb(1, 10, 20, 30, 40), Comb(50, 11, 21, 31, 41), Comb(1, 2, 3, 4, 5)}));
  EXPECT_EQ(RowsOf(minus, "PRV-1"), (Rows{{"50", 1}, {"1", 0}, {"2", 0}, {"3", 0}, {"4", 0}}));
  EXPECT_EQ(RowsOf(minus, "PRV-2"), (Rows{{"49", 0}, {"50", 0}, {"1", 0}, {"2", 0}, {"3", 0}}));
}

// Draws 0..4; the first ones have no earlier draws, which contribute no numbers (and, shifted,
// must not turn into numbers either).
TDrawsArray CountArchive() {
  return MakeDraws(
      {Comb(1, 2, 3, 4, 5), Comb(2, 3, 4, 10, 11), Comb(3, 4, 12, 13, 14), Comb(4, 5, 6, 7, 8), Comb(4, 12, 13, 9, 20)},
      200);
}

TEST(RepeatMethods, CountsWithGapsShiftsAndThreeDraws) {
  StatsFixture f(CountArchive());
  const std::pair<std::string, Rows> cases[] = {
      {"RPC2", {{"0", 1}, {"1", 2}, {"2", 1}, {"3", 1}}},
      {"RPO1", {{"0", 2}, {"1", 1}, {"2", 1}, {"3", 1}}},
      {"PRC2O2", {{"0", 3}, {"1", 1}, {"2", 1}}},
      {"PRC2O3", {{"0", 4}, {"1", 1}}},
      {"PRC+1", {{"0", 1}, {"1", 1}, {"2", 1}, {"3", 2}}},
      {"PRC-1", {{"0", 2}, {"1", 2}, {"3", 1}}},
      {"RPC3", {{"0", 2}, {"1", 2}, {"2", 1}}},
      {"PRB2", {{"0", 4}, {"3", 1}}},
  };
  for (const auto& [code, counted] : cases) {
    SCOPED_TRACE(code);
    EXPECT_EQ(CountedRows(f, code), counted);
    // 1..5 pre-filled, 0 only when it occurs.
    for (const char* row : {"1", "2", "3", "4", "5"}) EXPECT_EQ(RowsOf(f, code).count(row), 1u) << row;
  }
  EXPECT_EQ(RowsOf(f, "RPV3"), (Rows{{"4", 3}, {"12", 0}, {"13", 0}, {"9", 0}, {"20", 0}}));
  EXPECT_EQ(RowsOf(f, "PRL2"), (Rows{{"4", 1}, {"12", 0}, {"13", 0}, {"9", 0}, {"20", 0}}));
}

TEST(RepeatMethods, CountFiltersTakeTheCombinationAsTheNextDraw) {
  StatsFixture f(CountArchive());
  struct Case {
    std::string code;
    TComb comb;
    int count;  // the combination's value against the newest draws
  } cases[] = {
      {"RPC2", Comb(4, 12, 1, 2, 3), 2},     // against draw 4
      {"RPO1", Comb(4, 5, 6, 1, 2), 3},      // against draw 3
      {"PRC2O3", Comb(2, 3, 4, 10, 44), 4},  // against draw 1
      {"PRC+1", Comb(5, 13, 1, 2, 3), 2},    // against draw 4 moved by 1: 5 13 14 10 21
      {"PRC-2", Comb(2, 10, 11, 7, 19), 4},  // against draw 4 moved by -2: 2 10 11 7 18
      {"RPC3", Comb(4, 5, 1, 2, 3), 1},      // in draw 4 and in draw 3: only 4
      {"PRB2", Comb(12, 13, 9, 1, 2), 3},    // in draw 4 but not in draw 3
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    auto stat = f.Create(c.code);
    stat->LoadDraws(-1, 4, false);
    EXPECT_TRUE(stat->Matches(c.comb, Selected({c.count}), false, false, 4));
    EXPECT_FALSE(stat->Matches(c.comb, Selected({c.count - 1, c.count + 1}), false, false, 4));
  }
  // The values methods keep combinations holding a selected number.
  auto rpv2 = f.Create("RPV2");
  EXPECT_TRUE(rpv2->Matches(Comb(1, 2, 3, 4, 12), Selected({12}), false, false, 4));
  EXPECT_FALSE(rpv2->Matches(Comb(1, 2, 3, 4, 13), Selected({12}), false, false, 4));
}

}  // namespace
}  // namespace kavrin
