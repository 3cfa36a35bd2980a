#include "views/week.h"

#include <cmath>

#include "core/errors.h"
#include "core/inifile.h"
#include "core/money.h"

namespace kavrin {

int IsoWeekday(TDateTime t) {
  // Day 0, 30.12.1899, was a Saturday.
  const long long day = static_cast<long long>(std::floor(t));
  return static_cast<int>(((day + 5) % 7 + 7) % 7) + 1;
}

uint32_t TWeekTable::Count(int number, int weekday) const {
  if (number < 0 || number >= WeekGridColumns || weekday < 0 || weekday >= WeekGridRows) return 0;
  return Counts[number][weekday];
}

TWeekTable CountWeekdays(const TDrawsArray& draws, int offset, int depth) {
  TWeekTable table;
  const TDrawWindow window = AnalysisWindow(static_cast<int>(draws.size()), offset, depth);
  for (int i = window.First; i <= window.Last; ++i) {
    // A draw without a date would otherwise count as a Saturday, the weekday of the value 0.
    if (Trim(draws[i].Date).empty()) continue;
    int weekday;
    try {
      weekday = IsoWeekday(DrawTextToDateTime(draws[i].Date));
    } catch (const KavrinError&) {
      continue;
    }
    for (const uint8_t n : draws[i].Numbers)
      if (n >= 1 && n <= NumberMax) table.Largest = std::max(table.Largest, ++table.Counts[n][weekday]);
  }
  return table;
}

std::string WeekCellText(const TWeekTable& table, int row, int column) {
  if (row < 0 || row >= WeekGridRows || column < 0 || column >= WeekGridColumns) return {};
  if (row == 0) return column > 0 ? std::to_string(column) : std::string();
  if (column == 0) return WeekDayNames[row - 1];
  const uint32_t count = table.Count(column, row);
  return count > 0 ? std::to_string(count) : std::string();
}

TCellColor WeekCellColor(const TWeekTable& table, int row, int column, bool selected) {
  if (row < 1 || column < 1 || row >= WeekGridRows || column >= WeekGridColumns) return NormalCell;
  if (selected) return HighlightCell;
  const uint32_t count = table.Count(column, row);
  if (table.Largest == 0 || count == 0) return NormalCell;
  const auto g = static_cast<TColor>(RoundHalfEven(255 - static_cast<long double>(count) * 255 / table.Largest));
  return RgbCell(0xFF0000 | g << 8 | g);
}

TViewSeries WeekChart(const TWeekTable& table, int mode, bool line, int column, int row) {
  TViewSeries series;
  series.Color = ChartGreen;
  series.Style = line ? TSeriesStyle::Line : TSeriesStyle::Bars;
  if (line) {
    series.MarkerSize = 2;
    series.MarkerOutline = ChartMagenta;
  }
  if (mode == 1) {
    for (int day = 1; day <= WeekDays; ++day)
      series.Points.push_back({static_cast<long double>(day), static_cast<long double>(table.Count(column, day)),
                               WeekDayNames[day - 1]});
  } else {
    for (int n = 1; n <= NumberMax; ++n)
      series.Points.push_back({static_cast<long double>(n), static_cast<long double>(table.Count(n, row)),
                               std::to_string(n)});
  }
  return series;
}

void TWeekView::Build(const TDrawsArray& draws, int offset, int depth) {
  staleness_.Remember({draws.size(), offset, depth});
  table_ = CountWeekdays(draws, offset, depth);
}

}  // namespace kavrin
