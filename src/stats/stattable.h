#pragma once
// The statistics table as data: the 20 cell texts of each value's row, the row order, the text
// form of a row that scenario criteria read, and the points of the chart below the table.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/xlsxexport.h"
#include "stats/statcalc.h"

namespace kavrin {

inline constexpr int StatColumnCount = 20;
enum StatColumn {
  ColValue = 0, ColCount, ColCountPercent, ColNorm, ColDeviation, ColDeviationPercent, ColDepth, ColDepthPercent,
  ColWeight, ColLastDraw, ColPeriodMin, ColPeriod, ColPeriodMax, ColExpectedPeriod, ColExpectedStf,
  ColExpectedKrn, ColFact, ColDiffPeriod, ColDiffStf, ColDiffKrn
};
const std::array<std::string, StatColumnCount>& StatTableCaptions();
// Norm and the two deviation columns are shown only with the full-set comparison on.
bool StatColumnShown(int column, bool fullSetOn);

using TStatCells = std::array<std::string, StatColumnCount>;
// The cells of element `i` of the result, numbers with the formatter's decimal separator.
TStatCells StatRowCells(const TCustomStat& stat, const TStatResult& result, size_t i);
// expected - fact as "+3", "0" or "-2"; "-" unless both texts are whole numbers.
std::string DifferenceText(const std::string& expected, const std::string& fact);
// Two cells compared as numbers ("," read as ".") when both are, else as texts ignoring case.
int CompareStatCells(const std::string& a, const std::string& b);

// A row as scenario criteria see it: the cell texts as shown, "-" included.
struct TStatValues {
  std::string Value;
  int32_t Tag = 0;  // left 0 by the table
  std::string Count, CountPercent, Deviation, DeviationPercent, Depth, DepthPercent, Weight, PeriodMin, Period,
      PeriodMax;
};

struct TStatTableRow {
  TStatDrawRec Rec;  // the value, handed to the filter when the row is selected
  TStatCells Cells;
};

class TStatTable {
 public:
  std::vector<TStatTableRow> Rows;
  int SortColumn = ColCount;
  bool SortDescending = false;

  void Clear() { Rows.clear(); }
  // One row per element in the result's order, then sorted.
  void Fill(const TCustomStat& stat, const TStatResult& result);
  void Sort();
  // A header click: a new column sorts ascending, the same column again reverses.
  void ClickColumn(int column);
  void SetSort(int column, bool descending);
  TStatValues RowText(size_t row) const;
};

// The table as the spreadsheet export writes it: the captions and cells of the shown columns,
// rows in the table's order, titled with the page's caption "Статистика".
TExportTable StatExportTable(const TStatTable& table, bool fullSetOn);

struct TChartPoint {
  long double X = 0;
  long double Y = 0;
  std::string Label;
};
struct TStatChart {
  std::vector<TChartPoint> Actual;  // "Фактические данные"
  std::vector<TChartPoint> Total;   // "Все возможные комбинации", with the comparison and the total line on
};
// Nothing for fewer than two values. With the comparison: one point per file record at x = 1, 2,
// ...; without: the counts in key order at x = 0, 1, ...
TStatChart BuildStatChart(const TCustomStat& stat, const TStatResult& result, bool totalLine);

}  // namespace kavrin
