#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include <algorithm>
#include <climits>
#include <random>

#include "core/errors.h"
#include "core/format.h"
#include "stakes/ratingview.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

TStakeData CheckedStake(const std::string& comment, int overlaps, long double profit, int draw = 10) {
  TStakeData stake;
  stake.Kind = StakeManual;
  stake.DrawNumber = draw;
  stake.Checked = true;
  stake.Numbers = {5, {1, 2, 3, 4, 5}};
  stake.Overlaps.Count = overlaps;
  stake.Profit = TCurrency::FromAmount(profit);
  stake.Comment = comment;
  return stake;
}

TRatingData Row(const std::string& key, int32_t stakes, int32_t overlaps, long double profit) {
  TRatingData row;
  row.Key = key;
  row.Stakes = stakes;
  row.Overlaps = overlaps;
  row.Profit = TCurrency::FromAmount(profit);
  return row;
}

struct DecimalComma {
  DecimalComma() { FormatSettings().DecimalSeparator = ","; }
  ~DecimalComma() { FormatSettings().DecimalSeparator = "."; }
};

TEST(Rating, OneCheckedStakeMakesOneRowWithItsEfficiencyInEachMode) {
  DecimalComma comma;
  TRatingsArray rows;
  RatingsAddStake(rows, CheckedStake("Ставка", -1, -100));  // unchecked: ignored
  RatingsAddStake(rows, CheckedStake("Ставка", 2, -100));
  ASSERT_EQ(rows.size(), 1u);
  using Cells = std::array<std::string, RatingsColumnCount>;
  Cells cells = RatingsRowCells(rows[0], 0);
  EXPECT_EQ(cells, (Cells{"Ставка", "1", "2", "2,000", "-100,00", "-100,00", "0", "0", "1", "0", "0", "0", "1", "0", "0",
                          "0", "0", "0"}));
  cells = RatingsRowCells(rows[0], 1);
  EXPECT_EQ(cells[14], "93,303%");
  EXPECT_EQ(cells[12], "-57,664%");
  cells = RatingsRowCells(rows[0], 2);
  EXPECT_EQ(cells[14], "1493,136%");
  EXPECT_EQ(cells[12], "0,000%");

  EXPECT_EQ(RatingsRowCells(TRatingData{"Пусто", 0, 0, {}, {}}, 0), (Cells{"Пусто"}));
}

TEST(Rating, KeysIgnoreLetterCaseAndKeepTheFirstSpelling) {
  TRatingsArray rows;
  RatingsAddStake(rows, CheckedStake("Сценарий Ёлка", 2, -100));
  RatingsAddStake(rows, CheckedStake("сценарий ёЛКА", 5, 900));
  RatingsAddStake(rows, CheckedStake("другой", 0, -100));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].Key, "Сценарий Ёлка");
  EXPECT_EQ(rows[0].Stakes, 2);
  EXPECT_EQ(rows[0].Overlaps, 7);
  EXPECT_EQ(rows[0].Profit, TCurrency::FromAmount(800));
  EXPECT_EQ(rows[0].Counts, (std::array<int32_t, 6>{0, 0, 1, 0, 0, 1}));
  EXPECT_EQ(rows[1].Key, "другой");
}

TEST(Rating, SumsOfARowFromADamagedFileStopAtTheirBounds) {
  TRatingsArray rows = {Row("Ставка", INT32_MAX, INT32_MAX - 1, 0)};
  rows[0].Profit = TCurrency::FromRaw(INT64_MAX - 5);
  rows[0].Counts[2] = INT32_MAX;
  RatingsAddStake(rows, CheckedStake("Ставка", 2, 1));
  EXPECT_EQ(rows[0].Stakes, INT32_MAX);
  EXPECT_EQ(rows[0].Overlaps, INT32_MAX);
  EXPECT_EQ(rows[0].Counts[2], INT32_MAX);
  EXPECT_EQ(rows[0].Profit, TCurrency::FromRaw(INT64_MAX)) << "a profit never wraps round into a loss";

  rows[0].Profit = TCurrency::FromRaw(INT64_MIN + 5);
  RatingsAddStake(rows, CheckedStake("ставка", 2, -1));
  EXPECT_EQ(rows[0].Profit, TCurrency::FromRaw(INT64_MIN));
}

TEST(Rating, ComparisonWorksAtAResolutionOfOneHundredth) {
  TRatingData a = Row("a", 1000, 2001, 0.004), b = Row("b", 1000, 2004, 0);
  EXPECT_EQ(RatingsCompare(a, b, 3, 0), 0);  // averages 2.001 and 2.004
  EXPECT_EQ(RatingsCompare(a, b, 4, 0), 0);
  b.Overlaps = 2020;
  EXPECT_EQ(RatingsCompare(a, b, 3, 0), -2);
  EXPECT_EQ(RatingsCompare(a, b, 3, 1), 2);
  a.Profit = TCurrency::FromAmount(0.015);
  EXPECT_EQ(RatingsCompare(a, b, 4, 0), 2);  // 1.5 hundredths round to even
  a.Profit = TCurrency::FromAmount(0.005);
  EXPECT_EQ(RatingsCompare(a, b, 4, 0), 0);
  EXPECT_EQ(RatingsCompare(a, b, 1, 0), 0);
  EXPECT_EQ(RatingsCompare(a, b, 15, 0), 0);  // efficiency columns give no order
  b.Stakes = 0;
  EXPECT_EQ(RatingsCompare(a, b, 2, 0), 0);
  a.Counts[2] = 5;
  b.Stakes = 1;
  EXPECT_EQ(RatingsCompare(a, b, 8, 0), 5);
}

TEST(Rating, SortingFollowsTheColumnAndDirection) {
  TRatingsArray rows = {Row("Б", 1, 3, 0), Row("а", 2, 1, 0), Row("B", 3, 9, 0), Row("А", 4, 2, 0), Row("ё", 5, 0, 0),
                        Row("ж", 6, 0, 0), Row("е", 7, 0, 0)};
  auto keys = [&] {
    std::string out;
    for (const TRatingData& row : rows) out += row.Key + " ";
    return out;
  };
  const std::string before = keys();
  RatingsSortRows(rows, 15, 1);
  EXPECT_EQ(keys(), before);
  RatingsSortRows(rows, 0, 0);
  EXPECT_EQ(keys(), "B а А Б е ё ж ");
  RatingsSortRows(rows, 1, 1);
  EXPECT_EQ(keys(), "е ж ё А B а Б ");
  RatingsSortRows(rows, 2, 0);
  EXPECT_EQ(rows.front().Overlaps, 0);
  EXPECT_EQ(rows.back().Key, "B");
}

TEST(Rating, DescendingOrderOfExtremeCountsFromADamagedFile) {
  TRatingsArray rows = {Row("a", INT32_MIN, 0, 0), Row("b", 1, 0, 0), Row("c", INT32_MAX, 0, 0)};
  EXPECT_EQ(RatingsCompare(rows[0], rows[1], 1, 1), INT32_MAX) << "the difference is clamped before it is negated";
  RatingsSortRows(rows, 1, 1);
  EXPECT_EQ(rows[0].Key, "c");
  EXPECT_EQ(rows[2].Key, "a");
}

TEST(Rating, SortingWithRoundedComparisonsStaysInsideTheArray) {
  // Averages 0.003 apart compare equal to their neighbours but not to rows further away.
  TRatingsArray rows;
  for (int i = 0; i < 2000; ++i) rows.push_back(Row(std::to_string(i), 1000, 2000 + 3 * i, 0));
  std::shuffle(rows.begin(), rows.end(), std::mt19937(7));
  RatingsSortRows(rows, 3, 1);
  std::vector<int> keys;
  for (const TRatingData& row : rows) keys.push_back(std::stoi(row.Key));
  std::sort(keys.begin(), keys.end());
  for (int i = 0; i < 2000; ++i) ASSERT_EQ(keys[i], i);
  EXPECT_GT(rows.front().Overlaps, rows.back().Overlaps);
}

TEST(RatingFile, RecordLayoutAndAFileThatEndsInsideARecord) {
  TRatingData row = Row("Ключ", 3, 7, -12.5);
  row.Counts = {1, 0, 1, 0, 0, 1};
  uint8_t bytes[RatingRecordSize];
  EncodeRatingRecord(row, bytes);
  EXPECT_EQ(bytes[0], 4);
  EXPECT_EQ(bytes[1], 0xCA);  // К in Windows-1251
  EXPECT_EQ(bytes[5], 0);
  EXPECT_EQ(bytes[256], 3);
  EXPECT_EQ(bytes[260], 7);
  EXPECT_EQ(bytes[264], 1);
  EXPECT_EQ(bytes[272], 1);
  EXPECT_EQ(bytes[284], 1);
  const uint64_t raw = static_cast<uint64_t>(TCurrency::FromAmount(-12.5).Raw());
  for (int i = 0; i < 8; ++i) EXPECT_EQ(bytes[288 + i], static_cast<uint8_t>(raw >> (8 * i)));
  EXPECT_EQ(DecodeRatingRecord(bytes), row);

  test::TempDir dir;
  WriteRatingsFile(dir.File(RatingFileName), {row, Row("x", 1, 0, 0)});
  std::string bytesOnDisk = test::ReadBytes(dir.File(RatingFileName));
  EXPECT_EQ(bytesOnDisk.size(), 2 * RatingRecordSize);
  test::WriteBytes(dir.File(RatingFileName), bytesOnDisk + "abc");
  TRatingsArray read;
  EXPECT_THROW(ReadRatingsFile(dir.File(RatingFileName), read), KavrinError);
  EXPECT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0], row);
  TRatingsArray none;
  ReadRatingsFile(dir.File("missing.lrt"), none);
  EXPECT_TRUE(none.empty());
}

TEST(RatingFile, RecordsOutOfRangeAreRefusedByTheirNumber) {
  struct Case {
    const char* name;
    std::function<void(TRatingData&)> damage;
    const char* problem;
  };
  const Case cases[] = {
      {"no stakes", [](TRatingData& r) { r.Stakes = 0; }, "количество ставок 0 меньше 1"},
      {"negative overlaps", [](TRatingData& r) { r.Overlaps = -1; }, "сумма совпадений -1 вне диапазона от 0 до 15"},
      {"more overlaps than five a stake", [](TRatingData& r) { r.Overlaps = 16; }, "сумма совпадений 16"},
      {"negative count", [](TRatingData& r) { r.Counts[2] = -1; }, "количество ставок с 2 совпадениями отрицательно"},
      {"counts above the stakes", [](TRatingData& r) { r.Counts = {2, 2, 0, 0, 0, 0}; }, "ставок по числу совпадений (4) больше, чем ставок (3)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TRatingData bad = Row("b", 3, 7, 1);
    c.damage(bad);
    test::TempDir dir;
    WriteRatingsFile(dir.File(RatingFileName), {Row("a", 1, 0, 0), bad});
    TRatingsArray read;
    try {
      ReadRatingsFile(dir.File(RatingFileName), read);
      ADD_FAILURE() << "accepted";
    } catch (const KavrinError& e) {
      EXPECT_NE(std::string(e.what()).find("Файл " + dir.File(RatingFileName) + ", запись 2: " + c.problem),
                std::string::npos)
          << e.what();
    }
  }
}

TEST(Rating, CountersAndProfitSaturateAndSortingNegatesNoSmallestInteger) {
  TRatingsArray rows(1);
  rows[0] = Row("s", INT32_MAX, INT32_MAX, 0);
  rows[0].Counts[5] = INT32_MAX;
  rows[0].Profit = TCurrency::FromRaw(INT64_MAX - 5);
  TStakeData stake;
  stake.DrawNumber = 1;
  stake.Checked = true;
  stake.Comment = "s";
  stake.Overlaps = {5, {1, 2, 3, 4, 5}};
  stake.Profit = TCurrency::FromRaw(100);
  RatingsAddStake(rows, stake);
  EXPECT_EQ(rows[0].Stakes, INT32_MAX);
  EXPECT_EQ(rows[0].Overlaps, INT32_MAX);
  EXPECT_EQ(rows[0].Counts[5], INT32_MAX);
  EXPECT_EQ(rows[0].Profit.Raw(), INT64_MAX);
  stake.Profit = TCurrency::FromRaw(INT64_MIN);
  rows[0].Profit = TCurrency::FromRaw(-1);
  RatingsAddStake(rows, stake);
  EXPECT_EQ(rows[0].Profit.Raw(), INT64_MIN);

  // Counts whose difference clamps to the smallest integer, sorted descending.
  TRatingData negative = Row("neg", 1, 0, 0);
  negative.Counts[0] = INT32_MIN;
  TRatingData positive = Row("pos", 1, 0, 0);
  positive.Counts[0] = INT32_MAX;
  EXPECT_EQ(RatingsCompare(negative, positive, 6, 1), INT32_MAX);
  TRatingsArray sorted = {negative, positive, Row("zero", 1, 0, 0)};
  RatingsSortRows(sorted, 6, 1);
  EXPECT_EQ(sorted.front().Key, "pos");
}

TEST(RatingExport, HeaderOfAllCaptionsAndTwelveFieldsPerRow) {
  TRatingsArray rows;
  RatingsAddStake(rows, CheckedStake("Ставка \"вручную\"", 2, -100));
  RatingsAddStake(rows, CheckedStake("b", 1, 0.5));
  RatingsAddStake(rows, CheckedStake("b", 0, 0));
  RatingsAddStake(rows, CheckedStake("c", 5, 1000));
  const std::string text = RatingsCsvText(rows);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
  EXPECT_EQ(text.substr(0, text.find("\r\n")),
            "\"Комментарий\";\"Ставок\";\"Угадано\";\"Среднее\";\"Профит\";\"Ср. профит\";\"0\";\"1\";\"2\";\"3\";\"4\";"
            "\"5\";\"E0\";\"E1\";\"E2\";\"E3\";\"E4\";\"E5\"");
  EXPECT_NE(text.find("\r\n\"Ставка \"\"вручную\"\"\";1;2;2.000;-100.00;-100.00;0;0;1;0;0;0\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n\"b\";2;1;0.500;0.50;0.25;1;1;0;0;0;0\r\n"), std::string::npos);
}

TEST(RatingGraphs, ProfitByDrawsHasTheDrawProfitItsMeanAndTheRunningSum) {
  TProfitDrawArray draws;
  EXPECT_THROW(ProfitByDrawsGraph(draws), KavrinError);
  draws.Add(10, TCurrency::FromAmount(-100));
  draws.Add(11, TCurrency::FromAmount(400));
  draws.Add(10, TCurrency::FromAmount(-50));
  ASSERT_EQ(draws.Items().size(), 2u);
  TGraphData graph = ProfitByDrawsGraph(draws);
  EXPECT_EQ(graph.Caption, StakesGraphDrawsCaption);
  ASSERT_EQ(graph.Series.size(), 3u);
  EXPECT_EQ(graph.Series[0].Title, "Суммарный профит ставок по тиражу");
  EXPECT_EQ(graph.Series[0].Color, 0x008000u);
  EXPECT_EQ(graph.Series[0].Points, (std::vector<TGraphPoint>{{10, -150, "10"}, {11, 400, "11"}}));
  EXPECT_EQ(graph.Series[1].Title, "Среднее значение");
  EXPECT_FALSE(graph.Series[1].Markers);
  EXPECT_EQ(graph.Series[1].Points, (std::vector<TGraphPoint>{{10, 125, "10"}, {11, 125, "11"}}));
  EXPECT_EQ(graph.Series[2].Title, "Накопленное значение");
  EXPECT_EQ(graph.Series[2].Color, 0xFF0000u);
  EXPECT_EQ(graph.Series[2].Points, (std::vector<TGraphPoint>{{10, -150, "10"}, {11, 250, "11"}}));
}

TEST(RatingGraphs, StakePointsGoToTheSeriesOfTheirCommentWhateverItsCase) {
  TGraphData graph{StakesGraphProfitsCaption, {}};
  AddStakeGraphPoint(graph, CheckedStake("Alpha", 2, -100, 10), {"alpha"}, true);
  AddStakeGraphPoint(graph, CheckedStake("ALPHA", 1, 50, 11), {"alpha"}, true);
  AddStakeGraphPoint(graph, CheckedStake("beta", 3, 0, 11), {"alpha"}, true);
  TStakeData unchecked = CheckedStake("alpha", 2, 0, 12);
  unchecked.Checked = false;
  AddStakeGraphPoint(graph, unchecked, {"alpha"}, true);
  ASSERT_EQ(graph.Series.size(), 1u);
  EXPECT_EQ(graph.Series[0].Title, "Alpha");
  EXPECT_EQ(graph.Series[0].Points, (std::vector<TGraphPoint>{{10, -100, "10"}, {11, 50, "11"}}));
}

TEST(RatingGraphs, OverlapCountsBesideRandomPlayForTheMostStakes) {
  TRatingData a = Row("a", 3, 2, 0), b = Row("b", 5, 4, 0);
  b.Counts = {1, 2, 1, 1, 0, 0};
  TGraphData graph = RatingsOverlapGraph({a, b});
  ASSERT_EQ(graph.Series.size(), 3u);
  EXPECT_EQ(graph.Series[0].Title, "Нормальные значения");
  EXPECT_EQ(graph.Series[0].Color, 0x808080u);
  EXPECT_NEAR(static_cast<double>(graph.Series[0].Points[2].Y), 141900.0 * 5 / 2118760, 1e-12);
  EXPECT_EQ(graph.Series[2].Title, "b");
  EXPECT_EQ(graph.Series[2].Points[1].Y, 2);
  EXPECT_FALSE(graph.Series[2].Marks);
}

}  // namespace
}  // namespace kavrin
