#include <gtest/gtest.h>

#include "views/views_fixture.h"
#include "views/week.h"

namespace kavrin {
namespace {

using test::DrawsOf;

TEST(Week, IsoWeekdays) {
  EXPECT_EQ(IsoWeekday(0), 6);  // 30.12.1899
  EXPECT_EQ(IsoWeekday(EncodeDateTime(2020, 1, 1, 21, 0)), 3);
  EXPECT_EQ(IsoWeekday(EncodeDateTime(2020, 1, 5, 23, 59)), 7);
  EXPECT_EQ(IsoWeekday(EncodeDateTime(2020, 1, 6, 0, 0)), 1);
  EXPECT_EQ(IsoWeekday(-1), 5);
}

TEST(Week, AWednesdayOnlyWindowIsPureRedInTheWednesdayRow) {
  const TDrawsArray draws = DrawsOf({{1, 2, 3, 4, 5}, {7, 9, 11, 30, 50}}, 101, "01.01.2020 21:00");
  const TWeekTable table = CountWeekdays(draws, 0, 1);
  EXPECT_EQ(table.Largest, 1u);
  for (int n : {7, 9, 11, 30, 50}) {
    EXPECT_EQ(WeekCellText(table, 3, n), "1");
    EXPECT_EQ(WeekCellColor(table, 3, n, false), RgbCell(0xFF0000));
  }
  EXPECT_EQ(WeekCellText(table, 3, 1), "");
  EXPECT_EQ(WeekCellColor(table, 3, 1, false), NormalCell);
  EXPECT_EQ(WeekCellText(table, 2, 7), "");
  EXPECT_EQ(WeekCellColor(table, 3, 7, true), HighlightCell);
  EXPECT_EQ(WeekCellText(table, 0, 0), "");
  EXPECT_EQ(WeekCellText(table, 0, 50), "50");
  EXPECT_EQ(WeekCellText(table, 1, 0), "Пн");
  EXPECT_EQ(WeekCellText(table, 7, 0), "Вс");
}

TEST(Week, HeatAndDrawsWithoutAWeekday) {
  TDrawsArray draws = DrawsOf({{1, 2, 3, 4, 5}, {1, 6, 7, 8, 9}, {1, 2, 10, 11, 12}, {1, 2, 3, 13, 14}});
  draws[0].Date = "06.01.2020 21:00";  // Monday
  draws[1].Date = "";                  // no date: not a Saturday
  draws[2].Date = "45.13.2020 21:00";  // no valid date
  draws[3].Date = "13.01.2020 21:00";  // Monday
  const TWeekTable table = CountWeekdays(draws, 0, 10);
  EXPECT_EQ(table.Largest, 2u);
  EXPECT_EQ(table.Count(1, 1), 2u);
  EXPECT_EQ(table.Count(6, 6), 0u);
  EXPECT_EQ(table.Count(10, 1), 0u);
  EXPECT_EQ(WeekCellColor(table, 1, 1, false), RgbCell(0xFF0000));
  // Half the largest count: g = round(127.5).
  EXPECT_EQ(WeekCellColor(table, 1, 4, false), RgbCell(0xFF8080));
  // The window ends at the analysis offset.
  EXPECT_EQ(CountWeekdays(draws, 3, 10).Count(1, 1), 1u);
  EXPECT_EQ(CountWeekdays(draws, 1, 1).Largest, 0u);
}

TEST(Week, ChartOfANumberOrOfAWeekday) {
  const TDrawsArray draws = DrawsOf({{7, 2, 3, 4, 5}}, 101, "01.01.2020 21:00");
  const TWeekTable table = CountWeekdays(draws, 0, 1);
  const TViewSeries byDay = WeekChart(table, 1, true, 7, 2);
  ASSERT_EQ(byDay.Points.size(), 7u);
  EXPECT_EQ(byDay.Points[0], (TGraphPoint{1, 0, "Пн"}));
  EXPECT_EQ(byDay.Points[2], (TGraphPoint{3, 1, "Ср"}));
  EXPECT_EQ(byDay.Points[6], (TGraphPoint{7, 0, "Вс"}));
  EXPECT_EQ(byDay.Style, TSeriesStyle::Line);
  EXPECT_EQ(byDay.Color, 0x008000u);
  EXPECT_EQ(byDay.MarkerOutline, 0xFF00FFu);

  const TViewSeries byNumber = WeekChart(table, 0, false, 7, 3);
  ASSERT_EQ(byNumber.Points.size(), 50u);
  EXPECT_EQ(byNumber.Points[6], (TGraphPoint{7, 1, "7"}));
  EXPECT_EQ(byNumber.Points[7], (TGraphPoint{8, 0, "8"}));
  EXPECT_EQ(byNumber.Style, TSeriesStyle::Bars);
  // A header cell gives zeros.
  for (const TGraphPoint& p : WeekChart(table, 0, true, 7, 0).Points) EXPECT_EQ(p.Y, 0);
}

}  // namespace
}  // namespace kavrin
