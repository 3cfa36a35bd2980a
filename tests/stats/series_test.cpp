// Characteristic numbers, series of appearances and absences, and repeat periods: values on the
// examples of their descriptions and on hand-checked archives, with channels and segments.
#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "core/config.h"
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
using test::Value;
using test::ValueOf;

TEST(CharNumberMethods, CodesCaptionsAndFeatures) {
  StatsFixture f;
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"HCN1", "Характеристическое число тиража (только разность)", "SNG"},
      {"HCN2", "Характеристическое число тиража (разность или сумма при 0 и 1)", "SNG"},
      {"HCN3", "Характеристические числа тиража (динамика, только фильтр)", "SD"},
      {"GRPV", "Повторы чисел в нескольких тиражах подряд", "D"},
      {"GRSP", "Интервалы между повторениями сегментов", "D"},
      {"PRDC", "Периоды повторения каналов", "P"},
  };
  for (const auto& [code, caption, flags] : cases) {
    SCOPED_TRACE(code);
    const TStatMethod& entry = f.list.Items(f.list.FindCode(code));
    EXPECT_EQ(entry.Caption(), caption);
    EXPECT_EQ(FlagLetters(entry.MethodClass->EffectiveFlags()), flags);
  }
  EXPECT_EQ(GroupTitle(11), "{ chr } Характеристические числа тиража");
  for (const char* code : {"HCN3", "GRPV", "PRDV"}) EXPECT_EQ(f.Create(code)->ListValue("12"), 0) << code;
  EXPECT_EQ(f.Create("HCN1")->ListValue("12"), 12);
}

TEST(CharNumberMethods, DifferencesDownToTwoNumbers) {
  struct Case {
    std::string code;
    TComb draw;
    bool sorted;
    std::string value;
  } cases[] = {
      {"HCN1", Comb(1, 2, 3, 4, 5), false, "0"},      {"HCN2", Comb(1, 2, 3, 4, 5), false, "0"},
      {"HCN1", Comb(1, 3, 5, 7, 9), false, "0"},      {"HCN2", Comb(1, 3, 5, 7, 9), false, "0"},
      {"HCN1", Comb(1, 2, 3, 8, 22), false, "1"},     {"HCN2", Comb(1, 2, 3, 8, 22), false, "9"},  // 4 and 5
      {"HCN1", Comb(5, 12, 33, 41, 47), false, "10"}, {"HCN2", Comb(5, 12, 33, 41, 47), false, "10"},
      {"HCN1", Comb(47, 5, 12, 33, 41), false, "20"}, {"HCN1", Comb(47, 5, 12, 33, 41), true, "10"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code + " " + CombToText(c.draw) + (c.sorted ? " sorted" : ""));
    StatsFixture f(MakeDraws({c.draw}));
    EXPECT_EQ(RowsOf(f, c.code, c.sorted), (Rows{{c.value, 1}}));
    auto stat = f.Create(c.code);
    EXPECT_EQ(dynamic_cast<TCustomGraphStat&>(*stat).DrawValue(0, 0, c.sorted), std::stoi(c.value));
    stat->LoadDraws(-1, 0, c.sorted);
    const TComb asStored = c.sorted ? Comb(5, 12, 33, 41, 47) : c.draw;
    EXPECT_EQ(stat->Matches(asStored, Selected({std::stoi(c.value)}), false, false, 0), true);
    TStatDrawArray full;
    stat->AddCombination(c.draw, full);
    EXPECT_EQ(full.size(), 1u);
  }
}

TEST(CharNumberMethods, DynamicValuesOfTheLastDrawAgainstTheNextOne) {
  // The window ends at 1 2 3 8 22 (two-part value 9 (1): 9 and its multiples 45, 36, 27, 18); the
  // hidden next draw holds 9, 45 and 36.
  StatsFixture f(MakeDraws({Comb(1, 2, 3, 4, 13), Comb(1, 2, 3, 8, 22), Comb(9, 45, 36, 1, 2)}, 30));
  EXPECT_EQ(RowsOf(f, "HCN3", false, 1), (Rows{{"9 (1)", 1}, {"45", 1}, {"36", 1}, {"27", 0}, {"18", 0}}));
  const TStatDrawRec two = ValueOf(f.Run("HCN3", 1000000, 1).Items, MakeStatKey(9, 1, 0, 2));
  EXPECT_EQ(two.LastDraw, 31);
  EXPECT_EQ(two.Depth, 1);

  // Only the window's last draw counts (CN 8 of the draw before it adds nothing). Without a next
  // draw nothing has occurred.
  StatsFixture three(MakeDraws({Comb(1, 2, 3, 4, 13), Comb(1, 2, 3, 4, 8)}));
  EXPECT_EQ(RowsOf(three, "HCN3"),
            (Rows{{"3", 0}, {"27", 0}, {"24", 0}, {"21", 0}, {"18", 0}, {"15", 0}, {"12", 0}, {"9", 0}, {"6", 0}}));
  StatsFixture eight(MakeDraws({Comb(1, 2, 3, 4, 13)}));
  EXPECT_EQ(RowsOf(eight, "HCN3"), (Rows{{"8", 0}, {"48", 0}, {"40", 0}, {"32", 0}, {"24", 0}, {"16", 0}}));
  // CN 0 adds 0 only; the zeros of the missing next draw do not make it occur.
  StatsFixture zero(MakeDraws({Comb(1, 2, 3, 4, 5)}));
  EXPECT_EQ(RowsOf(zero, "HCN3"), (Rows{{"0", 0}}));

  auto hcn3 = f.Create("HCN3");
  hcn3->LoadDraws(-1, 1, false);
  EXPECT_TRUE(hcn3->Matches(Comb(1, 2, 3, 4, 27), Selected({27}), false, false, 1));
  EXPECT_FALSE(hcn3->Matches(Comb(1, 2, 3, 4, 26), Selected({27}), false, false, 1));
}

// 7 is absent at first, then in the last three draws.
TDrawsArray SeriesArchive() {
  return MakeDraws({Comb(1, 2, 3, 4, 5), Comb(7, 20, 21, 22, 23), Comb(7, 30, 31, 32, 33), Comb(7, 40, 41, 42, 43)},
                   10);
}

TEST(SeriesMethods, RunsOfItemsOfTheLastDraw) {
  StatsFixture f(SeriesArchive());
  EXPECT_EQ(RowsOf(f, "GRPV"), (Rows{{"7 x 3", 1}, {"40 x 1", 1}, {"41 x 1", 1}, {"42 x 1", 1}, {"43 x 1", 1}}));
  const TStatDrawRec seven = ValueOf(f.Run("GRPV").Items, MakeStatKey(7, 3));
  EXPECT_EQ(seven.LastDraw, 13);
  EXPECT_EQ(seven.Depth, 1);
  EXPECT_EQ(RowsOf(f, "GRCV"), (Rows{{"02 x 3", 1}, {"08 x 1", 1}, {"09 x 1", 1}}));
  EXPECT_EQ(RowsOf(f, "GRPP"), (Rows{{"7 x 1", 1}, {"40 x 3", 1}, {"41 x 3", 1}, {"42 x 3", 1}, {"43 x 3", 1}}));

  f.list.Config.MatrixSegments = SegmentsFromText(std::string(25, '1') + std::string(25, '2'));
  EXPECT_EQ(RowsOf(f, "GRSV"), (Rows{{"1 x 4", 1}, {"2 x 2", 1}}));
  EXPECT_EQ(RowsOf(f, "GRSP"), (Rows{{"2 x 2", 1}}));
  const TStatDrawRec pause = ValueOf(f.Run("GRSP").Items, MakeStatKey(2, 2));
  EXPECT_EQ(pause.LastDraw, 11);  // the pause's latest draw
  EXPECT_EQ(pause.Depth, 3);

  f.list.Config.ChannelSize = 7;  // 1..7 in channel 1, 43 in channel 7
  EXPECT_EQ(RowsOf(f, "GRCV"), (Rows{{"01 x 4", 1}, {"06 x 1", 1}, {"07 x 1", 1}}));
}

TEST(SeriesMethods, ARunIsRecordedWhenItEnds) {
  StatsFixture f(
      MakeDraws({Comb(7, 1, 2, 3, 4), Comb(7, 5, 6, 8, 9), Comb(10, 11, 12, 13, 14), Comb(7, 20, 21, 22, 23)}, 50));
  EXPECT_EQ(CountedRows(f, "GRPV"),
            (Rows{{"7 x 2", 1}, {"7 x 1", 1}, {"20 x 1", 1}, {"21 x 1", 1}, {"22 x 1", 1}, {"23 x 1", 1}}));
  const TStatDrawRec run = ValueOf(f.Run("GRPV").Items, MakeStatKey(7, 2));
  EXPECT_EQ(run.LastDraw, 51);
  EXPECT_EQ(run.Depth, 3);
  // Absences: 7 missed one draw, 20..23 three; numbers absent from the last draw record nothing.
  EXPECT_EQ(RowsOf(f, "GRPP"), (Rows{{"7 x 1", 1}, {"20 x 3", 1}, {"21 x 3", 1}, {"22 x 3", 1}, {"23 x 3", 1}}));
  EXPECT_EQ(ValueOf(f.Run("GRPP").Items, MakeStatKey(7, 1)).LastDraw, 52);
}

TEST(SeriesMethods, FiltersKeepCombinationsWithTheSelectedItem) {
  StatsFixture f(SeriesArchive());
  auto grcv = f.Create("GRCV");
  grcv->LoadDraws(-1, 3, false);
  EXPECT_TRUE(grcv->Matches(Comb(1, 6, 13, 30, 40), {Value(3, 2)}, false, false, 3));
  EXPECT_FALSE(grcv->Matches(Comb(1, 6, 20, 30, 40), {Value(3, 2)}, false, false, 3));
  auto grpv = f.Create("GRPV");
  EXPECT_TRUE(grpv->Matches(Comb(1, 6, 7, 30, 40), {Value(7, 3)}, true, false, 3));
}

// The series and period methods search the next occurrence of a value their own quick way; it
// must give what adding draw after draw from the search start gives.
TEST(SeriesMethods, NextOccurrenceAsTheDrawByDrawSearch) {
  std::mt19937 random(11);
  std::vector<TComb> rows;
  for (int i = 0; i < 70; ++i) {
    TComb c;
    for (auto& n : c) n = static_cast<uint8_t>(std::uniform_int_distribution<int>(1, 14)(random));
    rows.push_back(c);
  }
  StatsFixture f(MakeDraws(rows, 300));
  f.list.Config.MatrixSegments = SegmentsFromText("1122334455");
  f.list.BuildMethods();
  int found = 0;
  for (const char* code : {"GRPV", "GRPP", "GRCV", "GRCP", "GRSV", "GRSP", "PRDV", "PRDC", "PRDG"}) {
    SCOPED_TRACE(code);
    for (int offset : {0, 12, 30}) {
      auto stat = f.Create(code);
      const TStatWindow window = StatWindow(70, offset, 25);
      for (const TStatDrawRec& e : CalculateStatistics(*stat, window, false, nullptr, f.list.Config.Weights).Items)
        for (int from : {window.First - 3, window.First + 5, window.Last, window.Last + 1}) {
          const int32_t quick = stat->FindNextOccurrence(e, from, false, window.Last);
          ASSERT_EQ(quick, stat->TCustomStat::FindNextOccurrence(e, from, false, window.Last)) << from;
          found += quick > 0;
        }
    }
  }
  EXPECT_GT(found, 0);
}

TEST(PeriodMethods, DistanceBetweenAppearances) {
  std::vector<TComb> rows = {Comb(12, 1, 2, 3, 4)};
  for (int i = 1; i < 7; ++i) rows.push_back(Comb(5 + i, 20 + i, 30, 40, 50));
  rows.push_back(Comb(12, 45, 46, 47, 48));
  StatsFixture f(MakeDraws(rows, 100));
  const TStatDrawRec twelve = ValueOf(f.Run("PRDV").Items, MakeStatKey(12, 7));
  EXPECT_EQ(twelve.Count, 1);
  EXPECT_EQ(twelve.LastDraw, 107);
  EXPECT_EQ(twelve.Depth, 1);
  EXPECT_EQ(ValueOf(f.Run("PRDV").Items, MakeStatKey(30, 1)).Count, 5);
  auto prdv = f.Create("PRDV");
  EXPECT_EQ(prdv->ValueText(twelve), "12 x 7");

  // Two numbers of one channel in a draw: the second is no period of 0.
  StatsFixture c(MakeDraws({Comb(11, 12, 21, 31, 41), Comb(13, 22, 32, 42, 50)}));
  EXPECT_EQ(RowsOf(c, "PRDC"), (Rows{{"03 x 1", 1}, {"05 x 1", 1}, {"07 x 1", 1}, {"09 x 1", 1}}));
  c.list.Config.MatrixSegments = SegmentsFromText(std::string(25, '1') + std::string(25, '2'));
  EXPECT_EQ(RowsOf(c, "PRDG"), (Rows{{"1 x 1", 1}, {"2 x 1", 1}}));
}

TEST(PeriodMethods, FilterKeepsItemsWhosePeriodIsDue) {
  // 12 was in draw 0 and not in the last draw 1.
  StatsFixture f(MakeDraws({Comb(12, 1, 2, 3, 4), Comb(5, 6, 7, 8, 9)}));
  auto prdv = f.Create("PRDV");
  prdv->LoadDraws(-1, 1, false);
  const TComb with12 = Comb(12, 20, 30, 40, 50), without = Comb(11, 20, 30, 40, 50);
  EXPECT_FALSE(prdv->Matches(with12, {Value(12, 1)}, false, false, 1));  // 12 not in the last draw
  EXPECT_TRUE(prdv->Matches(with12, {Value(12, 1)}, true, false, 1));
  EXPECT_TRUE(prdv->Matches(with12, {Value(12, 2)}, false, false, 1));  // 12 one draw before it
  EXPECT_FALSE(prdv->Matches(with12, {Value(12, 2)}, true, false, 1));
  EXPECT_FALSE(prdv->Matches(without, {Value(12, 2)}, false, false, 1));
  EXPECT_FALSE(prdv->Matches(without, {Value(12, 1)}, true, false, 1));
  // Periods reaching before the archive find no draw: never due.
  EXPECT_FALSE(prdv->Matches(with12, {Value(12, 9)}, false, false, 1));

  auto prdc = f.Create("PRDC");
  EXPECT_TRUE(prdc->Matches(Comb(14, 20, 30, 40, 50), {Value(3, 2)}, false, false, 1));
  EXPECT_FALSE(prdc->Matches(Comb(14, 20, 30, 40, 50), {Value(3, 1)}, false, false, 1));
}

}  // namespace
}  // namespace kavrin
