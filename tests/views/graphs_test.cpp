#include <gtest/gtest.h>

#include <numeric>

#include "stats/statlist.h"
#include "views/drawsgraph.h"
#include "views/repeats.h"
#include "views/sums.h"
#include "views/views_fixture.h"

namespace kavrin {
namespace {

using test::DrawsOf;

// The value of "EVEN" (how many even numbers) for each draw of the archive window.
TDrawsGraph EvenGraph(const TDrawsArray& draws, int offset, int depth) {
  TStatList list;
  list.SetDraws(draws);
  list.BuildMethods();
  std::unique_ptr<TCustomStat> stat = list.CreateStat(list.FindCode("EVEN"));
  return BuildDrawsGraph(dynamic_cast<TCustomGraphStat&>(*stat), draws, offset, depth, false);
}

TEST(DrawsGraph, MeanAndTheFirstOfTheMostFrequentValues) {
  // 3, 5, 5, 3 even numbers: mean 4; 3 and 5 both twice, 3 came first.
  const TDrawsArray draws =
      DrawsOf({{2, 4, 6, 1, 3}, {2, 4, 6, 8, 10}, {12, 14, 16, 18, 20}, {22, 24, 26, 5, 7}, {1, 3, 5, 7, 9}});
  const TDrawsGraph graph = EvenGraph(draws, 1, 100);
  EXPECT_EQ(graph.Points, (std::vector<TDrawsGraphPoint>{{101, 3}, {102, 5}, {103, 5}, {104, 3}}));
  EXPECT_EQ(graph.Mean, 4);
  EXPECT_EQ(graph.MostFrequent, 3);

  const std::array<TViewSeries, 3> series = DrawsGraphSeries(graph, "{ num } Четные", true);
  EXPECT_EQ(series[0].Title, "{ num } Четные");
  EXPECT_EQ(series[0].Color, 0x008000u);
  EXPECT_TRUE(series[0].Marks);
  EXPECT_EQ(series[0].Points[1], (TGraphPoint{102, 5, "102"}));
  EXPECT_EQ(series[1].Title, "Среднее значение");
  EXPECT_EQ(series[1].Points[3], (TGraphPoint{104, 4, ""}));
  EXPECT_EQ(series[2].Title, "Наиболее часто встречающееся значение");
  EXPECT_EQ(series[2].Points.size(), 4u);
  EXPECT_EQ(series[2].Points[0].Y, 3);

  // A window of one draw: mean and most frequent value are its value.
  const TDrawsGraph one = EvenGraph(draws, 0, 1);
  EXPECT_EQ(one.Points, (std::vector<TDrawsGraphPoint>{{105, 0}}));
  EXPECT_EQ(one.Mean, 0);
  EXPECT_EQ(one.MostFrequent, 0);
  EXPECT_TRUE(EvenGraph({}, 0, 10).Points.empty());
}

TEST(Sums, TheoreticalDistributionLevelsAndRanges) {
  const TSumCounts& sums = TheoreticalSums();
  EXPECT_EQ(std::accumulate(sums.begin(), sums.end(), int64_t{0}), FullSetSize);
  EXPECT_EQ(sums[14], 0);
  EXPECT_EQ(sums[15], 1);
  EXPECT_EQ(sums[16], 1);
  EXPECT_EQ(sums[17], 2);
  EXPECT_EQ(sums[240], 1);
  EXPECT_EQ(sums[127], 26476);
  EXPECT_EQ(sums[128], 26476);
  EXPECT_EQ(*std::max_element(sums.begin(), sums.end()), 26476);
  const std::array<TSumRange, 3> ranges = SumRanges(sums);
  EXPECT_EQ(ranges, (std::array<TSumRange, 3>{{{8826, 80, 175}, {13239, 90, 165}, {17651, 99, 156}}}));
  EXPECT_EQ(SumRangeTitle(2, ranges[1]), "Диапазон 2 (от 1/2 и выше по оси Y) - суммы 90-165");
}

TEST(Sums, OneDrawOfSum128) {
  const TGraphData graph = SumsComparisonGraph(DrawsOf({{10, 20, 28, 30, 40}}));
  EXPECT_EQ(graph.Caption, "Распределение сумм тиражей и всех возможных комбинаций");
  ASSERT_EQ(graph.Series.size(), 5u);
  const TGraphSeries& actual = graph.Series[0];
  EXPECT_EQ(actual.Title, "Фактическое распределение сумм (по тиражам)");
  EXPECT_EQ(actual.Points, (std::vector<TGraphPoint>{{128, 1, "128"}}));
  EXPECT_TRUE(actual.Markers && actual.Marks);
  EXPECT_EQ(actual.Color, 0xFF0000u);
  const TGraphSeries& theoretical = graph.Series[1];
  EXPECT_EQ(theoretical.Title, "Теоретическое распределение сумм (по комбинациям)");
  EXPECT_EQ(theoretical.Color, 0x800000u);
  ASSERT_EQ(theoretical.Points.size(), 226u);
  EXPECT_EQ(theoretical.Points[113], (TGraphPoint{128, 1, "128"}));
  EXPECT_EQ(theoretical.Points[0].Y, 1.0L / 26476);
  const TGraphSeries& third = graph.Series[4];
  EXPECT_EQ(third.Title, "Диапазон 3 (от 2/3 и выше по оси Y) - суммы 99-156");
  EXPECT_EQ(third.Color, 0xFF00FFu);
  EXPECT_FALSE(third.Markers || third.Marks);
  ASSERT_EQ(third.Points.size(), 226u);
  EXPECT_EQ(third.Points[0].Y, 17651.0L / 26476);
  EXPECT_EQ(graph.Series[2].Color, 0x008000u);
  EXPECT_EQ(graph.Series[3].Color, 0x0000FFu);
  // Without draws the actual series is missing and the curves lie at 0.
  const TGraphData empty = SumsComparisonGraph({});
  ASSERT_EQ(empty.Series.size(), 4u);
  EXPECT_EQ(empty.Series[0].Points[113].Y, 0);
}

TEST(Repeats, TwoDrawsSharingTwoNumbers) {
  const TRepeatsAnalysis analysis = AnalyzeRepeats(DrawsOf({{1, 2, 3, 4, 5}, {1, 2, 10, 11, 12}}), 100, 100);
  EXPECT_EQ(analysis.Rows, (std::vector<TRepeatsRow>{{102, 2, 1, "101"}}));
  EXPECT_EQ(analysis.MaxMatches, 2);
  std::mt19937 random(1);
  const std::vector<TViewSeries> chart = RepeatsChart(analysis, random);
  ASSERT_EQ(chart.size(), 2u);
  EXPECT_EQ(chart[0].Title, "Совпадений: 1");
  EXPECT_TRUE(chart[0].Points.empty());
  EXPECT_EQ(chart[1].Title, "Совпадений: 2");
  EXPECT_EQ(chart[1].Points, (std::vector<TGraphPoint>{{102, 1, "102"}}));
  EXPECT_EQ(chart[1].MarkerSize, 2);
  EXPECT_FALSE(chart[1].Marks);
}

TEST(Repeats, RowsPerDrawAndTheLookBackDepth) {
  // 104 shares 1 with 103 and 101, 2 with 102; 103 shares 1 with 102; 102 shares 2 with 101.
  const TDrawsArray draws =
      DrawsOf({{1, 2, 40, 41, 42}, {1, 2, 20, 21, 22}, {20, 30, 31, 32, 33}, {1, 2, 30, 43, 44}});
  const TRepeatsAnalysis all = AnalyzeRepeats(draws, 100, 100);
  EXPECT_EQ(all.Rows, (std::vector<TRepeatsRow>{{104, 1, 1, "103"},
                                                {104, 2, 2, "102 101"},
                                                {103, 1, 1, "102"},
                                                {102, 2, 1, "101"}}));
  // Depth 1: each draw against its predecessor only; length 2: the two newest draws.
  const TRepeatsAnalysis near = AnalyzeRepeats(draws, 2, 1);
  EXPECT_EQ(near.Rows, (std::vector<TRepeatsRow>{{104, 1, 1, "103"}, {103, 1, 1, "102"}}));
  std::vector<int> steps;
  AnalyzeRepeats(draws, 3, 1, [&](int step) { steps.push_back(step); });
  EXPECT_EQ(steps, (std::vector<int>{1, 2, 3}));
  // The chart takes the rows from the last to the first.
  std::mt19937 random(1);
  const std::vector<TViewSeries> chart = RepeatsChart(all, random);
  ASSERT_EQ(chart.size(), 2u);
  EXPECT_EQ(chart[0].Points, (std::vector<TGraphPoint>{{103, 1, "103"}, {104, 1, "104"}}));
  EXPECT_EQ(chart[1].Points, (std::vector<TGraphPoint>{{102, 1, "102"}, {104, 2, "104"}}));
  EXPECT_EQ(RepeatsRowCells(all.Rows[1]), (std::vector<std::string>{"104", "2", "2", "102 101"}));
}

TEST(Repeats, DamagedRecordsCountEqualPairs) {
  // A record read from a damaged file may repeat a number or hold one past 50: 7 meets 7 twice,
  // 200 meets 200 once.
  const TDrawsArray draws = DrawsOf({{7, 7, 1, 2, 3}, {7, 8, 9, 10, 200}, {200, 8, 30, 31, 32}});
  const TRepeatsAnalysis analysis = AnalyzeRepeats(draws, 3, 2);
  EXPECT_EQ(analysis.Rows, (std::vector<TRepeatsRow>{{103, 2, 1, "102"}, {102, 2, 1, "101"}}));
}

}  // namespace
}  // namespace kavrin
