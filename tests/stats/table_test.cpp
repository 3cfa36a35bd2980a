// The statistics table: window, cell texts, weights, "Факт", the full-set comparison, sorting,
// the chart and the staleness rule of the page.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "core/archive.h"
#include "core/binio.h"
#include "core/format.h"
#include "stats/statpage.h"
#include "support/recording_progress.h"
#include "stats/stats_fixture.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

using test::Comb;
using test::MakeDraws;
using test::StatsFixture;

// Ten draws that hold every number once: number n is in draw (n + 4) / 5.
TDrawsArray EveryNumberOnce() {
  std::vector<TComb> rows;
  for (int d = 0; d < 10; ++d) rows.push_back(Comb(5 * d + 1, 5 * d + 2, 5 * d + 3, 5 * d + 4, 5 * d + 5));
  return MakeDraws(rows);
}

TStatCells CellsOf(const TStatPage& page, const std::string& value) {
  for (const TStatTableRow& row : page.Table.Rows)
    if (row.Cells[ColValue] == value) return row.Cells;
  ADD_FAILURE() << "no row " << value;
  return {};
}

TStatCells Row(std::initializer_list<const char*> cells) {
  TStatCells c;
  std::copy(cells.begin(), cells.end(), c.begin());
  return c;
}

class StatPageTest : public ::testing::Test {
 protected:
  explicit StatPageTest(TDrawsArray draws = EveryNumberOnce()) : f(std::move(draws)) {}
  void Select(const std::string& code) {
    f.list.EnableAll();
    TStatKindList graphs;
    f.list.FillKindLists(page.Kinds, graphs, false);
    ASSERT_TRUE(page.Kinds.SelectEntry(f.list.FindCode(code)));
  }
  bool Calculate(bool force = true) { return page.Calculate(force, env); }

  StatsFixture f;
  TStatPage page{f.list};
  TStatEnvironment env;
};

TEST(StatWindowTest, ClampsToTheArchive) {
  TStatWindow w = StatWindow(100, 0, 1000);
  EXPECT_EQ(w.First, 0);
  EXPECT_EQ(w.Last, 99);
  EXPECT_EQ(w.DrawsUsed, 100);
  w = StatWindow(100, 5, 10);
  EXPECT_EQ(w.First, 85);
  EXPECT_EQ(w.Last, 94);
  EXPECT_EQ(w.DrawsUsed, 10);
  w = StatWindow(100, 30, 2147483647);
  EXPECT_EQ(w.DrawsUsed, 70);
  w = StatWindow(3, 5, 10);  // everything hidden
  EXPECT_LT(w.Last, w.First);
  EXPECT_EQ(w.DrawsUsed, 0);
}

TEST_F(StatPageTest, RowsOfValuesSeenOnce) {
  Select("NUMS");
  ASSERT_TRUE(Calculate());
  ASSERT_EQ(page.Table.Rows.size(), 50u);
  EXPECT_EQ(CellsOf(page, "1"), Row({"1", "1", "2.00000", "-", "-", "-", "10", "100.00", "10.00", "1", "-", "-", "-",
                                     "-", "2", "3", "-", "-", "-", "-"}));
  // 3 x 11 / 2 = 16.5 rounds to the even 16.
  EXPECT_EQ(CellsOf(page, "50"), Row({"50", "1", "2.00000", "-", "-", "-", "1", "10.00", "1.00", "10", "-", "-", "-",
                                      "-", "20", "16", "-", "-", "-", "-"}));

  FormatSettings().DecimalSeparator = ",";
  Calculate();
  FormatSettings().DecimalSeparator = ".";
  EXPECT_EQ(CellsOf(page, "50")[ColCountPercent], "2,00000");
  EXPECT_EQ(CellsOf(page, "50")[ColDepthPercent], "10,00");
}

TEST_F(StatPageTest, ValuesNeverSeenShowDashes) {
  f.draws.resize(1);
  Select("NUMS");
  Calculate();
  EXPECT_EQ(CellsOf(page, "9"), Row({"9", "0", "0.00000", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-", "-",
                                     "-", "-", "-", "-", "-"}));
}

// 7 is in draws 3, 5 and 9 of the window and comes again in draw 13, two draws after the window
// of ten draws at offset 5; 5 comes again at once in draw 11.
class FactTest : public StatPageTest {
 protected:
  FactTest()
      : StatPageTest(MakeDraws({Comb(1, 2, 3, 4, 5), Comb(1, 2, 3, 4, 6), Comb(7, 2, 3, 4, 5), Comb(1, 2, 3, 4, 5),
                                Comb(7, 2, 3, 4, 5), Comb(1, 2, 3, 4, 5), Comb(1, 2, 3, 4, 5), Comb(1, 2, 3, 4, 5),
                                Comb(7, 2, 3, 4, 5), Comb(1, 2, 3, 4, 5), Comb(8, 2, 3, 4, 5), Comb(1, 2, 3, 4, 5),
                                Comb(7, 2, 3, 4, 5), Comb(1, 2, 3, 4, 5), Comb(9, 2, 3, 4, 5)})) {}
};

TEST_F(FactTest, NextOccurrenceAfterTheWindowAndTheEstimates) {
  Select("NUMS");
  page.WindowLength = 10;
  env.Offset = 5;
  Calculate();
  // Period 10/3; ПРД R(3.33 + 9) = 12; СТФ R(4 x 9 / 3) = 12; КРН R(5 x 10 / 4) = R(12.5) = 12.
  EXPECT_EQ(CellsOf(page, "7"), Row({"7", "3", "6.00000", "-", "-", "-", "2", "22.22", "2.00", "9", "2", "3.3333", "4",
                                     "12", "12", "12", "13", "-1", "-1", "-1"}));
  // КРН R(11 x 11 / 10) = 12 lies one draw after the fact 11.
  const TStatCells five = CellsOf(page, "5");
  EXPECT_EQ(five[ColFact], "11");
  EXPECT_EQ(five[ColDiffPeriod], "0");
  EXPECT_EQ(five[ColDiffKrn], "+1");
  EXPECT_EQ(CellsOf(page, "6")[ColFact], "-");  // never again
  EXPECT_EQ(CellsOf(page, "8")[ColFact], "-");  // not in the window

  env.Offset = 0;
  page.WindowLength = 15;
  Calculate();
  EXPECT_EQ(CellsOf(page, "7")[ColFact], "-");  // no later draws at offset 0
}

// The one-pass "Факт" must equal the literal per-value search for every method, including
// archives whose draw numbers repeat (where the pass must fall back to the search).
TEST(Facts, OnePassAgreesWithTheLiteralSearch) {
  std::mt19937 random(7);
  for (bool repeatedNumbers : {false, true}) {
    std::vector<TComb> rows;
    for (int i = 0; i < 60; ++i) {
      TComb c;
      for (auto& n : c) n = static_cast<uint8_t>(std::uniform_int_distribution<int>(1, 12)(random));  // many repeats
      rows.push_back(c);
    }
    StatsFixture f(MakeDraws(rows, 300));
    if (repeatedNumbers)
      for (size_t i = 0; i < f.draws.size(); ++i) f.draws[i].Number = 300 + static_cast<int>(i) / 3;
    for (int entry = 0; entry < f.list.Count(); ++entry) {
      SCOPED_TRACE(f.list.Items(entry).Code());
      for (int round = 0; round < 4; ++round) {
        const bool sorted = round % 2 == 1;
        const int offset = std::uniform_int_distribution<int>(0, 40)(random);
        auto stat = f.list.CreateStat(entry);
        const TStatWindow window = StatWindow(60, offset, std::uniform_int_distribution<int>(1, 30)(random));
        const TStatResult r = CalculateStatistics(*stat, window, sorted, nullptr, f.list.Config.Weights);
        for (size_t i = 0; i < r.Items.size(); ++i) {
          const TStatDrawRec& e = r.Items[i];
          const int32_t literal =
              e.Count >= 1 && e.Depth > 0
                  ? stat->FindNextOccurrence(e, FindDrawByNumber(f.draws, e.LastDraw) + 1, sorted, window.Last)
                  : -1;
          ASSERT_EQ(r.Facts[i], literal) << "element " << i << " offset " << offset;
        }
      }
    }
  }
}

TEST_F(StatPageTest, WeightsFollowTheCoefficients) {
  Select("NUMS");
  f.list.Config.Weights = {1, 0, 0, true, false};
  Calculate();
  EXPECT_EQ(CellsOf(page, "50")[ColWeight], "2.00");  // the count in percent
  f.list.Config.Weights = {0, 0, -2, true, true};
  Calculate();
  EXPECT_EQ(CellsOf(page, "1")[ColWeight], "-200.00");  // the depth percent is made absolute, not the product

  TStatDrawRec e;
  e.Count = 3;
  e.Norm = 5;
  e.Depth = 2;
  TStatTotals totals;
  totals.SumCount = 12;
  totals.MaxDepth = 8;
  EXPECT_DOUBLE_EQ(static_cast<double>(StatWeight(e, totals, true, {0, -1, 1, false, false})), 2 + 2);
  EXPECT_DOUBLE_EQ(static_cast<double>(StatWeight(e, totals, false, {0, -1, 1, false, false})), 2);
  EXPECT_DOUBLE_EQ(static_cast<double>(StatWeight(e, totals, true, {1, 1, 1, true, true})), 25 + 40 + 25);
}

std::string FullSetBytes(const std::vector<std::pair<TStatKey, int32_t>>& records, int32_t min, int32_t max) {
  std::string bytes((records.size() + 1) * FullSetRecordSize, '\0');
  auto* data = reinterpret_cast<uint8_t*>(bytes.data());
  for (size_t i = 0; i < records.size(); ++i) {
    RecordWriter w(data + i * FullSetRecordSize, FullSetRecordSize);
    TStatDrawRec key;
    key.SetKey(records[i].first);
    w.U32(0, key.Dword1());
    w.U32(4, key.Dword2());
    w.I32(8, records[i].second);
  }
  RecordWriter trailer(data + records.size() * FullSetRecordSize, FullSetRecordSize);
  trailer.I32(0, min);
  trailer.I32(4, max);
  return bytes;
}

TEST_F(StatPageTest, FullSetComparisonWithEqualCounts) {
  test::TempDir dir;
  std::vector<std::pair<TStatKey, int32_t>> records;
  for (int n = 1; n <= 50; ++n) records.push_back({MakeStatKey(static_cast<uint16_t>(n)), 211876});
  std::filesystem::create_directories(dir.File(FullSetFolder));
  test::WriteBytes(FullSetFilePath(dir.Path(), "NUMS"), FullSetBytes(records, 211876, 211876));
  env.DataDir = dir.Path();
  Select("NUMS");
  page.WindowLength = 3;  // counts 0 and 1: scale (1 + 0) / 2 / 211876, norm R(0.5) = 0
  Calculate();
  EXPECT_FALSE(page.FullSetUsed);  // the option is off
  EXPECT_EQ(CellsOf(page, "50")[ColNorm], "-");

  env.FullSetEnabled = true;
  Calculate();
  EXPECT_TRUE(page.FullSetUsed);
  EXPECT_EQ(CellsOf(page, "50")[ColNorm], "0");
  EXPECT_EQ(CellsOf(page, "50")[ColDeviation], "1");
  EXPECT_EQ(CellsOf(page, "50")[ColDeviationPercent], "100.00000");
  EXPECT_EQ(CellsOf(page, "1")[ColDeviationPercent], "0.00000");
  EXPECT_EQ(CellsOf(page, "50")[ColWeight], "0.00");  // depth 1 minus deviation 1

  page.WindowLength = 10;  // every count 1: norm R(211876 x 1 / 211876) = 1
  Calculate();
  EXPECT_EQ(CellsOf(page, "50")[ColNorm], "1");
  EXPECT_EQ(CellsOf(page, "50")[ColDeviationPercent], "0.00000");
  ASSERT_EQ(page.Chart.Total.size(), 50u);
  EXPECT_DOUBLE_EQ(static_cast<double>(page.Chart.Total[0].Y), 1.0);
  EXPECT_EQ(page.Chart.Total[0].X, 1);
  EXPECT_EQ(page.Chart.Actual[49].Label, "50");

  env.ShowTotalLine = false;
  Calculate();
  EXPECT_TRUE(page.Chart.Total.empty());
  EXPECT_EQ(page.Chart.Actual.size(), 50u);
}

TEST_F(StatPageTest, FullSetScaleFromTheMostFrequentValue) {
  test::TempDir dir;
  std::filesystem::create_directories(dir.File(FullSetFolder));
  // Sums 15 and 240 (one combination each) and 100, with a value the window lacks.
  test::WriteBytes(FullSetFilePath(dir.Path(), "SUMS"),
                   FullSetBytes({{MakeStatKey(15), 1}, {MakeStatKey(100), 40}, {MakeStatKey(241), 4}}, 1, 40));
  f.draws = MakeDraws({Comb(1, 2, 3, 4, 5), Comb(10, 20, 30, 15, 25), Comb(10, 20, 30, 15, 25)});
  env.DataDir = dir.Path();
  env.FullSetEnabled = true;
  Select("SUMS");
  Calculate();
  // Scale 2 / 40: sum 100 expects R(2) = 2, sum 15 R(0.05) = 0; others keep norm 0.
  EXPECT_EQ(CellsOf(page, "100")[ColNorm], "2");
  EXPECT_EQ(CellsOf(page, "15")[ColNorm], "0");
  EXPECT_EQ(CellsOf(page, "15")[ColDeviationPercent], "100.00000");
  EXPECT_EQ(page.Table.Rows.size(), 226u);  // the file's 241 adds no row
  ASSERT_EQ(page.Chart.Total.size(), 3u);
  EXPECT_EQ(page.Chart.Actual.size(), 2u);  // 241 has no actual point
  EXPECT_EQ(page.Chart.Total[2].Label, "241");
}

TEST_F(StatPageTest, UnreadableFullSetFileIsReportedAndSkipped) {
  test::TempDir dir;
  std::filesystem::create_directories(dir.File(FullSetFolder));
  const std::string path = FullSetFilePath(dir.Path(), "NUMS");
  test::WriteBytes(path, "12345");
  env.DataDir = dir.Path();
  env.FullSetEnabled = true;
  test::RecordingProgress reports;
  page.Progress = &reports;
  std::vector<std::string>& errors = reports.errors;
  Select("NUMS");
  Calculate();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].rfind("Ошибка открытия файла данных для полного набора вариантов!\r\rИмя файла: " + path +
                                "\r\r",
                            0),
            0u);
  EXPECT_FALSE(page.FullSetUsed);
  EXPECT_EQ(page.Table.Rows.size(), 50u);

  test::WriteBytes(path, "");  // an empty file counts as missing
  errors.clear();
  Calculate();
  EXPECT_TRUE(errors.empty());
}

TEST(StatCells, DifferenceAndComparison) {
  EXPECT_EQ(DifferenceText("15", "12"), "+3");
  EXPECT_EQ(DifferenceText("12", "12"), "0");
  EXPECT_EQ(DifferenceText("10", "12"), "-2");
  EXPECT_EQ(DifferenceText("-", "12"), "-");
  EXPECT_EQ(DifferenceText("12", "-"), "-");

  EXPECT_LT(CompareStatCells("9", "10"), 0);
  EXPECT_LT(CompareStatCells("2,5", "10.25"), 0);
  EXPECT_GT(CompareStatCells("+3", "-2"), 0);
  EXPECT_LT(CompareStatCells("-", "1"), 0);  // "-" is text: compared as text
  EXPECT_EQ(CompareStatCells("нЧнЧн (021)", "НЧНЧН (021)"), 0);
  EXPECT_GT(CompareStatCells("Остальные", "80-175"), 0);
}

TEST_F(StatPageTest, SortingByColumnTextsThenByValue) {
  f.draws = MakeDraws({Comb(1, 2, 3, 4, 10), Comb(1, 2, 3, 5, 10), Comb(1, 2, 6, 7, 8)});
  Select("NUMS");
  Calculate();
  auto values = [&](size_t n) {
    std::vector<std::string> v;
    for (size_t i = 0; i < n; ++i) v.push_back(page.Table.Rows[i].Cells[ColValue]);
    return v;
  };
  // Count ascending, equal counts by value as numbers (9 before 11).
  EXPECT_EQ(values(4), (std::vector<std::string>{"9", "11", "12", "13"}));
  page.Table.ClickColumn(ColCount);  // the same column again: descending
  EXPECT_EQ(values(3), (std::vector<std::string>{"2", "1", "10"}));
  page.Table.ClickColumn(ColLastDraw);  // a new column: ascending; "-" cells sort as text first
  EXPECT_EQ(page.Table.Rows[0].Cells[ColLastDraw], "-");
  EXPECT_EQ(page.Table.Rows.back().Cells[ColLastDraw], "3");
  EXPECT_FALSE(page.Table.SortDescending);

  const TStatValues row = page.Table.RowText(page.Table.Rows.size() - 1);
  EXPECT_EQ(row.Value, "8");
  EXPECT_EQ(row.Tag, 0);
  EXPECT_EQ(row.Count, "1");
  EXPECT_EQ(row.CountPercent, "6.66667");
  EXPECT_EQ(row.Deviation, "-");
  EXPECT_EQ(row.DepthPercent, "33.33");
  EXPECT_EQ(row.Period, "-");
}

TEST_F(StatPageTest, ExportHoldsTheShownColumnsInTableOrder) {
  Select("NUMS");
  Calculate();
  page.Table.ClickColumn(ColValue);
  page.Table.ClickColumn(ColValue);  // descending: 50 first
  const TExportTable without = StatExportTable(page.Table, false);
  EXPECT_EQ(without.Title, "Статистика");
  ASSERT_EQ(without.Header.size(), 17u);
  EXPECT_EQ(without.Header[2], "Кол-во в %");
  EXPECT_EQ(without.Header[3], "Глубина");  // no comparison columns
  ASSERT_EQ(without.Rows.size(), 50u);
  EXPECT_EQ(without.Rows[0][0], "50");
  EXPECT_EQ(without.Rows[0][3], page.Table.Rows[0].Cells[ColDepth]);

  const TExportTable with = StatExportTable(page.Table, true);
  ASSERT_EQ(with.Header.size(), 20u);
  EXPECT_EQ(with.Header[3], "Норма");
  EXPECT_EQ(std::vector<std::string>(page.Table.Rows[1].Cells.begin(), page.Table.Rows[1].Cells.end()), with.Rows[1]);
}

TEST_F(StatPageTest, ChartWithoutComparisonFollowsKeys) {
  f.draws = MakeDraws({Comb(1, 3, 5, 7, 9)});
  Select("EVEN");
  Calculate();
  ASSERT_EQ(page.Chart.Actual.size(), 6u);
  EXPECT_EQ(page.Chart.Actual[0].Label, "0:5");  // appended last, charted first
  EXPECT_EQ(page.Chart.Actual[0].Y, 1);
  EXPECT_EQ(page.Chart.Actual[5].X, 5);
  EXPECT_TRUE(page.Chart.Total.empty());

  Select("SMLV");  // a single value: no chart
  Calculate();
  EXPECT_TRUE(page.Chart.Actual.empty());
}

TEST_F(StatPageTest, CalculatesAgainOnlyWhenSomethingChanged) {
  test::RecordingProgress reports;
  page.Progress = &reports;
  std::vector<std::string>& statuses = reports.statuses;
  Select("NUMS");
  EXPECT_TRUE(Calculate(false));
  EXPECT_EQ(statuses, (std::vector<std::string>{"Анализ тиражей и расчет статистики...", ""}));
  EXPECT_FALSE(Calculate(false));
  EXPECT_TRUE(Calculate(true));
  page.WindowLength = 5;
  EXPECT_TRUE(Calculate(false));
  f.draws.pop_back();
  EXPECT_TRUE(Calculate(false));
  page.Kinds.ItemIndex = 2;
  EXPECT_TRUE(Calculate(false));

  page.Kinds.ItemIndex = -1;
  EXPECT_TRUE(Calculate(false));
  EXPECT_TRUE(page.Table.Rows.empty());
  f.draws.clear();
  page.Kinds.ItemIndex = 0;
  EXPECT_TRUE(Calculate(true));
  EXPECT_TRUE(page.Table.Rows.empty());
}

TEST_F(StatPageTest, WindowHiddenByTheOffsetLeavesTheTableEmpty) {
  Select("NUMS");
  env.Offset = 10;
  Calculate();
  EXPECT_TRUE(page.Table.Rows.empty());
}

}  // namespace
}  // namespace kavrin
