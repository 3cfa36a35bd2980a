// Pairs, triples and quadruples of the numbers of a draw: the walks over all positions, adjacent
// positions and from one position, in drawn and in ascending order.
#include <gtest/gtest.h>

#include <algorithm>

#include "stats/registration.h"
#include "stats/stats_fixture.h"

namespace kavrin {
namespace {

using test::Comb;
using test::MakeDraws;
using test::StatsFixture;
using test::ValueOf;

using TStrings = std::vector<std::string>;

// The row texts one draw adds, each once, sorted.
TStrings Added(TCustomStat& stat, StatsFixture& f, bool sorted) {
  TStrings texts;
  const TStatResult r = CalculateStatistics(stat, StatWindow(1, 0, 1), sorted, nullptr, f.list.Config.Weights);
  for (const TStatDrawRec& e : r.Items) {
    EXPECT_EQ(e.Count, 1) << stat.ValueText(e);
    texts.push_back(stat.ValueText(e));
  }
  std::sort(texts.begin(), texts.end());
  return texts;
}

TStrings Sorted(TStrings texts) {
  std::sort(texts.begin(), texts.end());
  return texts;
}

TEST(NumberTupleValues, OneDrawAddsItsTuplesInPositionOrder) {
  struct Case {
    std::string code;
    bool sorted;
    TStrings values;
  } cases[] = {
      {"KNM2", true, {"3:8", "3:15", "3:22", "3:49", "8:15", "8:22", "8:49", "15:22", "15:49", "22:49"}},
      {"KNM2", false, {"8:3", "8:15", "8:22", "8:49", "3:15", "3:22", "3:49", "15:22", "15:49", "22:49"}},
      {"KNM3", true,
       {"3:8:15", "3:8:22", "3:8:49", "3:15:22", "3:15:49", "3:22:49", "8:15:22", "8:15:49", "8:22:49", "15:22:49"}},
      {"KNM4", false, {"8:3:15:22", "8:3:15:49", "8:3:22:49", "8:15:22:49", "3:15:22:49"}},
      {"KNS2", false, {"8:3", "3:15", "15:22", "22:49"}},
      {"KNS3", true, {"3:8:15", "8:15:22", "15:22:49"}},
      {"KNS4", false, {"8:3:15:22", "3:15:22:49"}},
      {"KNP21", false, {"8:3"}},
      {"KNP21", true, {"3:8"}},
      {"KNP23", false, {"15:22"}},
      {"KNP24", false, {"22:49"}},
      {"KNP33", false, {"15:22:49"}},
      {"KNP41", true, {"3:8:15:22"}},
      {"KNP42", false, {"3:15:22:49"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code + (c.sorted ? " sorted" : ""));
    StatsFixture f(MakeDraws({Comb(8, 3, 15, 22, 49)}));
    auto stat = f.Create(c.code);
    EXPECT_EQ(Added(*stat, f, c.sorted), Sorted(c.values));
  }
}

TEST(NumberTupleValues, TuplesTrackTheirPeriods) {
  StatsFixture f(MakeDraws({Comb(7, 23, 41, 48, 1)}, 40));
  for (int n = 41; n < 52; ++n) f.draws.push_back(MakeDraws({Comb(1, 2, 3, 4, 5)}, n)[0]);
  f.draws.push_back(MakeDraws({Comb(7, 23, 41, 48, 2)}, 52)[0]);
  const TStatDrawRec quad = ValueOf(f.Run("KNM4").Items, MakeStatKey(7, 23, 41, 48));
  EXPECT_EQ(quad.Count, 2);
  EXPECT_EQ(quad.PeriodMin, 12);
  EXPECT_EQ(quad.PeriodMax, 12);
  EXPECT_EQ(quad.LastDraw, 52);
  EXPECT_EQ(f.Create("KNM4")->ValueText(quad), "7:23:41:48");
}

TStatDrawRec Key(uint16_t k1, uint16_t k2, uint16_t k3 = 0, uint16_t k4 = 0) {
  TStatDrawRec rec;
  rec.SetKey(MakeStatKey(k1, k2, k3, k4));
  return rec;
}

TEST(NumberTupleMatches, ATupleMatchesInTheSamePositions) {
  StatsFixture f(MakeDraws({Comb(1, 2, 3, 4, 5)}));
  struct Case {
    std::string code;
    TStatDrawRec selected;
    TComb comb;
    bool matches;
  } cases[] = {
      {"KNP23", Key(15, 22), Comb(3, 8, 15, 22, 49), true},
      {"KNP23", Key(15, 22), Comb(15, 22, 3, 8, 49), false},
      {"KNP21", Key(15, 22), Comb(15, 22, 3, 8, 49), true},
      {"KNM2", Key(8, 3), Comb(3, 8, 15, 22, 49), false},  // the reverse is another value
      {"KNM2", Key(8, 3), Comb(8, 15, 3, 22, 49), true},
      {"KNM2", Key(8, 3, 1), Comb(8, 15, 3, 22, 49), false},  // all four words compared
      {"KNM3", Key(3, 22, 49), Comb(3, 8, 15, 22, 49), true},
      {"KNM4", Key(3, 8, 22, 49), Comb(3, 8, 15, 22, 49), true},
      {"KNM4", Key(3, 8, 22, 48), Comb(3, 8, 15, 22, 49), false},
      {"KNS2", Key(3, 15), Comb(3, 8, 15, 22, 49), false},
      {"KNS3", Key(8, 15, 22), Comb(3, 8, 15, 22, 49), true},
      {"KNS4", Key(8, 15, 22, 49), Comb(3, 8, 15, 22, 49), true},
      {"KNP42", Key(3, 8, 15, 22), Comb(3, 8, 15, 22, 49), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code + " " + CombToText(c.comb));
    auto stat = f.Create(c.code);
    EXPECT_EQ(stat->Matches(c.comb, {c.selected}, false, false, 0), c.matches);
    EXPECT_EQ(stat->PrepareMatches({c.selected}, false, false, 0)->Matches(c.comb), c.matches);
  }
}

TEST(NumberTupleEntries, EntriesCaptionsAndFlags) {
  StatsFixture f;
  TStrings codes;
  for (int i = 0; i < f.list.Count(); ++i)
    if (f.list.Items(i).Code().rfind("KN", 0) == 0) codes.push_back(f.list.Items(i).Code());
  EXPECT_EQ(codes, (TStrings{"KNM2", "KNM3", "KNM4", "KNS2", "KNS3", "KNS4", "KNP21", "KNP22", "KNP23", "KNP24",
                             "KNP31", "KNP32", "KNP33", "KNP41", "KNP42"}));
  auto text = [&](const std::string& code) { return f.list.MethodListText(f.list.FindCode(code), true); };
  EXPECT_EQ(text("KNM3"), "{ num } Сочетания из 3 чисел по всем числам тиража [ S ]");
  EXPECT_EQ(text("KNS2"), "{ num } Сочетания из 2 соседних чисел тиража [ S ]");
  EXPECT_EQ(text("KNP32"), "{ num } Сочетания из 3-х чисел тиража начиная с 2 позиции [ S ]");
  const TStatClass& knp = *f.list.Items(f.list.FindCode("KNP42")).MethodClass;
  EXPECT_EQ(knp.HelpCodeFormat(), "KNP4");
  EXPECT_FALSE(knp.AcceptsValueList());
  EXPECT_EQ(f.Create("KNM2")->ListValue("7"), 0);
}

// The ascending-order walks exist in the table but are never available, so they have no entry.
TEST(NumberTupleEntries, AscendingWalksAreNeverListed) {
  StatsFixture f(MakeDraws({Comb(8, 3, 15, 22, 49)}));
  const TStatClass& kno = *StatRegistrationTable()[71];
  EXPECT_FALSE(kno.IsAvailable());
  EXPECT_EQ(kno.Code(0), "KNO2");
  EXPECT_EQ(kno.Caption(0), "Сочетания из 2 чисел тиража по возрастанию");
  EXPECT_EQ(kno.EffectiveFlags(), 0u);
  EXPECT_EQ(f.list.FindCode("KNO2"), -1);
  f.list.ApplyFavorites("KNO3,KNM2");
  EXPECT_EQ(f.list.FavoritesText(), "KNM2");

  auto stat = kno.Create(f.list, 0);
  EXPECT_EQ(Added(*stat, f, false), (TStrings{"15:22", "22:49", "3:8", "8:15"}));
  EXPECT_TRUE(stat->Matches(Comb(22, 15, 1, 2, 3), {Key(2, 3)}, false, false, 0));
  EXPECT_TRUE(stat->PrepareMatches({Key(2, 3)}, false, false, 0)->Matches(Comb(22, 15, 1, 2, 3)));
}

}  // namespace
}  // namespace kavrin
