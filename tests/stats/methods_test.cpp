// Values, row texts and matching of the number, sum and difference methods on the examples of
// their descriptions and on hand-checked draws.
#include <gtest/gtest.h>

#include "stats/stats_fixture.h"

namespace kavrin {
namespace {

using test::Comb;
using test::MakeDraws;
using test::StatsFixture;
using test::ValueOf;

struct ValueCase {
  std::string code;
  TComb draw;
  bool sorted;
  // The values the draw adds, as (row text, count added).
  std::vector<std::pair<std::string, int>> values;
};

// A single draw in the window: every row with a count shows exactly what that draw added.
TEST(MethodValues, OneDrawAddsTheDescribedValues) {
  const ValueCase cases[] = {
      {"NUMS", Comb(3, 17, 22, 41, 50), false, {{"3", 1}, {"17", 1}, {"22", 1}, {"41", 1}, {"50", 1}}},
      {"DIGS", Comb(11, 20, 22, 35, 46), false, {{"1", 2}, {"2", 3}, {"0", 1}, {"3", 1}, {"5", 1}, {"4", 1}, {"6", 1}}},
      {"EVEN", Comb(1, 3, 5, 7, 9), false, {{"0:5", 1}}},
      {"EVEN", Comb(2, 3, 4, 7, 50), false, {{"3:2", 1}}},
      {"EVNV", Comb(8, 3, 15, 22, 49), false, {{"ЧннЧн (013)", 1}}},
      {"EVNV", Comb(8, 3, 15, 22, 49), true, {{"нЧнЧн (021)", 1}}},
      {"SMAL", Comb(25, 26, 1, 50, 3), false, {{"3:2", 1}}},
      {"SMLV", Comb(25, 26, 1, 50, 3), false, {{"12121 (010)", 1}}},
      {"PRIM", Comb(1, 4, 9, 10, 50), false, {{"1:4", 1}}},
      {"PRMV", Comb(2, 4, 9, 11, 50), false, {{"ПССПС (018)", 1}}},
      {"POS3", Comb(40, 2, 33, 7, 12), false, {{"33", 1}}},
      {"POS3", Comb(40, 2, 33, 7, 12), true, {{"12", 1}}},  // the median
      {"SUMS", Comb(1, 2, 3, 4, 5), false, {{"15", 1}}},
      {"SUMS", Comb(46, 47, 48, 49, 50), false, {{"240", 1}}},
      {"SUM1", Comb(30, 31, 35, 39, 40), false, {{"80-175", 1}}},  // 175
      {"SUM1", Comb(30, 31, 35, 39, 41), false, {{"Остальные", 1}}},
      {"SUM3", Comb(10, 20, 21, 22, 26), false, {{"99-156", 1}}},  // 99
      {"SUME", Comb(1, 3, 5, 7, 9), false, {{"0", 1}}},
      {"SUME", Comb(2, 3, 10, 7, 9), false, {{"12", 1}}},
      {"SUMP", Comb(1, 4, 9, 47, 23), false, {{"71", 1}}},
      {"S2T3", Comb(1, 2, 3, 4, 5), false, {{"4", 1}}},
      {"DIFA", Comb(30, 5, 41, 2, 17), false, {{"25", 1}, {"36", 1}, {"39", 1}, {"15", 1}}},
      {"DIFA", Comb(30, 5, 41, 2, 17), true, {{"3", 1}, {"12", 1}, {"13", 1}, {"11", 1}}},
      {"DIFA", Comb(1, 3, 5, 7, 20), false, {{"2", 3}, {"13", 1}}},
      {"DIFM", Comb(30, 5, 41, 2, 17), false, {{"39", 1}}},
      {"DIFM", Comb(30, 5, 41, 2, 17), true, {{"13", 1}}},
      {"DIFD", Comb(30, 5, 41, 2, 17), false, {{"39", 1}}},
      {"DIFD", Comb(30, 5, 41, 2, 17), true, {{"39", 1}}},
      {"DIFO", Comb(1, 3, 5, 7, 20), false, {{"2 x 3", 1}, {"13 x 1", 1}}},
      {"DIFK", Comb(1, 3, 5, 7, 20), false, {{"3", 1}}},
      {"DIFK", Comb(1, 2, 4, 7, 11), false, {{"1", 1}}},
      {"KDS2", Comb(1, 3, 5, 7, 20), false, {{"2:2", 2}, {"2:13", 1}}},
      {"KDS3", Comb(1, 6, 8, 19, 20), false, {{"5:2:11", 1}, {"2:11:1", 1}}},
      {"KDS4", Comb(1, 6, 8, 19, 20), false, {{"5:2:11:1", 1}}},
  };
  for (const ValueCase& c : cases) {
    SCOPED_TRACE(c.code + (c.sorted ? " sorted" : ""));
    StatsFixture f(MakeDraws({c.draw}, 77));
    auto stat = f.Create(c.code);
    TStatResult r = f.Run(c.code, 1, 0, c.sorted);
    std::vector<std::pair<std::string, int>> seen;
    for (const TStatDrawRec& e : r.Items)
      if (e.Count > 0) {
        seen.push_back({stat->ValueText(e), e.Count});
        EXPECT_EQ(e.LastDraw, 77);
        EXPECT_EQ(e.Depth, 1);
      }
    std::sort(seen.begin(), seen.end());
    std::vector<std::pair<std::string, int>> expected = c.values;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(seen, expected);
  }
}

std::vector<std::string> RowTexts(const std::string& code, const TComb& draw) {
  StatsFixture f(MakeDraws({draw}));
  auto stat = f.Create(code);
  std::vector<std::string> texts;
  for (const TStatDrawRec& e : f.Run(code).Items) texts.push_back(stat->ValueText(e));
  return texts;
}

TEST(MethodValues, PrefilledRows) {
  const auto nums = RowTexts("NUMS", Comb(3, 17, 22, 41, 50));
  ASSERT_EQ(nums.size(), 50u);
  EXPECT_EQ(nums.front(), "1");
  EXPECT_EQ(RowTexts("EVEN", Comb(1, 3, 5, 7, 9)),
            (std::vector<std::string>{"1:4", "2:3", "3:2", "4:1", "5:0", "0:5"}));
  EXPECT_EQ(RowTexts("EVNV", Comb(1, 3, 5, 7, 9)).size(), 32u);
  EXPECT_EQ(RowTexts("PRMV", Comb(1, 3, 5, 7, 9))[5], "ССПСП (005)");
  EXPECT_EQ(RowTexts("SMLV", Comb(1, 3, 5, 7, 9)), std::vector<std::string>{"11111 (000)"});
  EXPECT_EQ(RowTexts("SUMS", Comb(1, 3, 5, 7, 9)).size(), 226u);
  EXPECT_EQ(RowTexts("SUM2", Comb(1, 3, 5, 7, 9)), (std::vector<std::string>{"Остальные", "90-165"}));
  EXPECT_EQ(RowTexts("SUMT", Comb(1, 3, 5, 7, 9)), (std::vector<std::string>{"=", "+", "-"}));
  EXPECT_EQ(RowTexts("DIFA", Comb(1, 3, 5, 7, 9)).size(), 49u);
  EXPECT_EQ(RowTexts("DIFK", Comb(1, 3, 5, 7, 9)), (std::vector<std::string>{"1", "2", "3", "4"}));
  EXPECT_EQ(RowTexts("POS5", Comb(1, 3, 5, 7, 9)).size(), 50u);
  EXPECT_EQ(RowTexts("POE1", Comb(1, 3, 5, 7, 9)), std::vector<std::string>{"0"});
  EXPECT_TRUE(RowTexts("DIFO", Comb(1, 3, 5, 7, 9)).size() == 1u);
}

TEST(MethodValues, DigitRepeatedInADrawMeasuresItsGapOnce) {
  StatsFixture f(MakeDraws({Comb(1, 20, 30, 40, 45), Comb(11, 20, 30, 40, 45), Comb(2, 3, 4, 5, 6),
                            Comb(1, 20, 30, 40, 45)}, 100));
  TStatDrawRec one = ValueOf(f.Run("DIGS").Items, MakeStatKey(1));
  EXPECT_EQ(one.Count, 4);
  EXPECT_EQ(one.PeriodMin, 1);
  EXPECT_EQ(one.PeriodMax, 2);
}

TEST(MethodValues, DifferencesTrackPeriodsFromTheFirstOnly) {
  // 2 is d1 in draws 100 and 102 and only d3 in draw 101.
  StatsFixture f(MakeDraws({Comb(1, 3, 5, 7, 20), Comb(1, 10, 20, 22, 40), Comb(1, 3, 5, 7, 20)}, 100));
  TStatDrawRec two = ValueOf(f.Run("DIFA").Items, MakeStatKey(2));
  EXPECT_EQ(two.Count, 7);
  EXPECT_EQ(two.PeriodMin, 1);  // 101 -> 102; the untracked merge of 101 moved PrevDraw
  EXPECT_EQ(two.PeriodMax, 1);

  StatsFixture g(MakeDraws({Comb(1, 6, 8, 19, 20)}, 40));
  for (int n = 41; n < 52; ++n) g.draws.push_back(MakeDraws({Comb(1, 2, 3, 4, 5)}, n)[0]);
  g.draws.push_back(MakeDraws({Comb(1, 6, 8, 19, 20)}, 52)[0]);
  TStatDrawRec quad = ValueOf(g.Run("KDS4").Items, MakeStatKey(5, 2, 11, 1));
  EXPECT_EQ(quad.PeriodMin, 12);
  EXPECT_EQ(quad.PeriodMax, 12);
}

TEST(MethodValues, SumChangesAfterDrawsLikeTheNewest) {
  // Sums: 131, 124, 131, 143, 131, 109, 131 (newest). After 131 came 124, 143 and 109.
  StatsFixture f(MakeDraws({Comb(20, 21, 25, 30, 35), Comb(10, 21, 25, 30, 38), Comb(20, 21, 25, 30, 35),
                            Comb(20, 21, 25, 30, 47), Comb(20, 21, 25, 30, 35), Comb(1, 2, 25, 46, 35),
                            Comb(20, 21, 25, 30, 35)}));
  auto sumc = f.Create("SUMC");
  std::vector<std::string> texts;
  for (const TStatDrawRec& e : f.Run("SUMC").Items) texts.push_back(sumc->ValueText(e));
  EXPECT_EQ(texts, (std::vector<std::string>{"- 07 : 131 - 7 = 124", "+12 : 131 + 12 = 143",
                                             "- 22 : 131 - 22 = 109"}));
  TStatDrawRec same;
  same.SetDword1(131);
  same.SetDword2(131);
  EXPECT_EQ(sumc->ValueText(same), "+00 : 131 + 0 = 131");
  TStatDrawArray trend = f.Run("SUMT").Items;
  EXPECT_EQ(ValueOf(trend, DwordStatKey(static_cast<uint32_t>(-1))).Count, 2);
  EXPECT_EQ(ValueOf(trend, DwordStatKey(1)).Count, 1);
  EXPECT_EQ(ValueOf(trend, DwordStatKey(0)).Count, 0);

  // The newest sum 150 never came before: nothing.
  f.draws.push_back(MakeDraws({Comb(20, 21, 29, 40, 40)}, 8)[0]);
  EXPECT_TRUE(f.Run("SUMC").Items.empty());
}

TEST(MethodValues, SumRangeChangesUseAToleranceOf22) {
  // Newest sum 100; previous sums 78 and 122 are inside the tolerance, 77 and 123 are not.
  StatsFixture f(MakeDraws({Comb(10, 11, 12, 20, 25), Comb(10, 11, 12, 20, 30), Comb(10, 11, 12, 20, 24),
                            Comb(10, 11, 12, 20, 45), Comb(10, 11, 12, 20, 69), Comb(10, 11, 12, 20, 44),
                            Comb(10, 11, 12, 20, 47)}));
  // Sums: 78, 83, 77, 98, 122, 97, 100.
  auto sumv = f.Create("SUMV");
  std::vector<std::string> texts;
  for (const TStatDrawRec& e : f.Run("SUMV").Items) texts.push_back(sumv->ValueText(e));
  // After 78: +05; after 83: - 06; after 98: +24; after 122: - 25; after 97: +03.
  EXPECT_EQ(texts, (std::vector<std::string>{"+05", "- 06", "+24", "- 25", "+03"}));
  TStatDrawRec zero;
  EXPECT_EQ(sumv->ValueText(zero), "+00");
}

TEST(MethodMatches, SelectedValuesOfTheDescriptions) {
  StatsFixture f(MakeDraws({Comb(10, 20, 30, 40, 50)}));  // newest sum 150
  auto single = [](uint32_t v) {
    TStatDrawRec rec;
    rec.SetDword1(v);
    return rec;
  };
  struct Case {
    std::string code;
    TStatDrawArray selected;
    TComb comb;
    bool matches;
  } cases[] = {
      {"NUMS", {single(7), single(8)}, Comb(1, 2, 3, 4, 8), true},
      {"NUMS", {single(7), single(8)}, Comb(1, 2, 3, 4, 9), false},
      {"DIGS", {single(7)}, Comb(1, 2, 3, 4, 17), true},
      {"DIGS", {single(7)}, Comb(1, 2, 3, 4, 16), false},
      {"EVEN", {single(2)}, Comb(1, 2, 3, 4, 5), true},
      {"EVNV", {single(13)}, Comb(8, 3, 15, 22, 49), true},
      {"EVNV", {single(13)}, Comb(3, 8, 15, 22, 49), false},
      {"POS2", {single(8)}, Comb(3, 8, 15, 22, 49), true},
      {"POE1", {single(0)}, Comb(3, 8, 15, 22, 49), false},
      {"SUMS", {single(15)}, Comb(5, 4, 3, 2, 1), true},
      {"SUM2", {single(0)}, Comb(1, 2, 3, 4, 5), true},       // only "Остальные": below 90
      {"SUM2", {single(0)}, Comb(20, 21, 22, 23, 24), false},  // 110 lies in the range
      {"SUM2", {single(0), single(1)}, Comb(20, 21, 22, 23, 24), true},
      {"SUM2", {single(1)}, Comb(40, 41, 42, 43, 44), false},  // 210
      {"SUMV", {single(static_cast<uint32_t>(-5))}, Comb(10, 20, 30, 40, 45), true},
      {"SUMV", {single(5)}, Comb(10, 20, 30, 40, 45), false},
      {"SUMT", {single(static_cast<uint32_t>(-1))}, Comb(10, 20, 30, 40, 45), true},
      {"SUMT", {single(0)}, Comb(10, 20, 30, 40, 50), true},
      {"DIFA", {single(13)}, Comb(1, 14, 20, 22, 30), true},
      {"DIFA", {single(13)}, Comb(1, 13, 20, 22, 30), false},
      {"DIFD", {single(29)}, Comb(20, 1, 5, 30, 7), true},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.code);
    auto stat = f.Create(c.code);
    stat->LoadDraws(-1, 0, false);
    EXPECT_EQ(stat->Matches(c.comb, c.selected, false, false, 0), c.matches);
  }

  TStatDrawRec pair;
  pair.Key1 = 2;
  pair.Key2 = 3;
  EXPECT_TRUE(f.Create("DIFO")->Matches(Comb(1, 3, 5, 7, 20), {pair}, false, false, 0));
  TStatDrawRec sumc;
  sumc.SetDword1(131);
  sumc.SetDword2(124);
  EXPECT_TRUE(f.Create("SUMC")->Matches(Comb(20, 21, 25, 28, 30), {sumc}, false, false, 0));
}

TEST(MethodTexts, ValuesFromTypedTexts) {
  StatsFixture f;
  EXPECT_EQ(f.Create("EVEN")->ValueFromText("2:3"), 2);
  EXPECT_EQ(f.Create("NUMS")->ValueFromText("17"), 17);
  EXPECT_EQ(f.Create("NUMS")->ValueFromText("x"), 0);
  EXPECT_EQ(f.Create("EVNV")->ValueFromText("ЧннЧн (013)"), 13);
  EXPECT_EQ(f.Create("PRMV")->ValueFromText("ПС"), 16);
  EXPECT_EQ(f.Create("SMLV")->ValueFromText("12122"), 11);
  EXPECT_EQ(f.Create("SUMS")->ListValue("140"), 140);
  EXPECT_EQ(f.Create("SUMC")->ListValue("140"), 0);  // no value list
}

TEST(MethodValues, GraphValuesOfCombinations) {
  StatsFixture f(MakeDraws({Comb(10, 20, 30, 40, 50), Comb(1, 2, 3, 4, 5)}));
  f.draws[0].Extra = 9;
  struct Case {
    std::string code;
    TComb comb;
    int drawIndex;
    int32_t value;
  } cases[] = {
      {"EVEN", Comb(2, 4, 6, 7, 9), 2, 3},        {"POS4", Comb(2, 4, 6, 7, 9), 2, 7},
      {"POE1", Comb(2, 4, 6, 7, 9), 0, 9},        {"SUMS", Comb(2, 4, 6, 7, 9), 2, 28},
      {"SUM1", Comb(2, 4, 6, 7, 9), 2, 0},        {"SUMC", Comb(2, 4, 6, 7, 9), 1, 28 - 150},
      {"SUMT", Comb(2, 4, 6, 7, 9), 2, 1},        {"DIFM", Comb(2, 4, 6, 7, 29), 2, 22},
      {"DIFK", Comb(2, 4, 6, 7, 29), 2, 2},       {"S2T3", Comb(1, 2, 3, 5, 8), 2, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    auto stat = f.Create(c.code);
    auto& graph = dynamic_cast<TCustomGraphStat&>(*stat);
    EXPECT_EQ(graph.CombinationValue(c.comb, c.drawIndex, 1, false), c.value);
  }
  auto sums = f.Create("SUMS");
  EXPECT_EQ(dynamic_cast<TCustomGraphStat&>(*sums).DrawValue(0, 1, false), 150);
}

}  // namespace
}  // namespace kavrin
