#pragma once
// The weekday statistics "Неделя": how often each number fell on each day of the week over a
// window of recent draws, as a heat table and a chart of one of its rows or columns.
#include <array>
#include <cstdint>
#include <string>

#include "core/game.h"
#include "views/viewtypes.h"

namespace kavrin {

inline constexpr int WeekDays = 7;
inline constexpr int WeekGridColumns = NumberMax + 1;  // day names, numbers 1..50
inline constexpr int WeekGridRows = WeekDays + 1;      // numbers, Monday..Sunday
// Short day names, Monday first.
inline constexpr std::array<const char*, WeekDays> WeekDayNames = {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};

// ISO weekday of a date-time value: Monday 1 ... Sunday 7.
int IsoWeekday(TDateTime t);

struct TWeekTable {
  // Indexed [number][weekday]; index 0 of either stays 0, so header cells read as 0.
  std::array<std::array<uint32_t, WeekGridRows>, WeekGridColumns> Counts{};
  uint32_t Largest = 0;
  uint32_t Count(int number, int weekday) const;  // 0 outside the table
};
// Draws whose date text is empty or forms no date have no weekday and are not counted.
TWeekTable CountWeekdays(const TDrawsArray& draws, int offset, int depth);

// Row 0: "1" ... "50"; column 0: the day names; data cells the count, empty for 0.
std::string WeekCellText(const TWeekTable& table, int row, int column);
// A non-empty data cell with count c: RGB(255, g, g), g = round(255 - c * 255 / largest).
TCellColor WeekCellColor(const TWeekTable& table, int row, int column, bool selected);

// The chart for the grid cell (column, row): in mode 1 seven points of the column's number,
// labelled with the day names; otherwise fifty points of the row's weekday, labelled with the
// numbers. A line with markers when `line`, else bars.
TViewSeries WeekChart(const TWeekTable& table, int mode, bool line, int column, int row);

// The table with its memory: the number of draws, the offset and the depth.
class TWeekView {
 public:
  bool Current(const TDrawsArray& draws, int offset, int depth) const {
    return staleness_.Current({draws.size(), offset, depth});
  }
  void Build(const TDrawsArray& draws, int offset, int depth);
  const TWeekTable& Table() const { return table_; }

 private:
  TStaleness<TWindowStamp> staleness_;
  TWeekTable table_;
};

}  // namespace kavrin
