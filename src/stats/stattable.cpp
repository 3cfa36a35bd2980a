#include "stats/stattable.h"

#include <algorithm>

#include "core/format.h"
#include "core/inifile.h"
#include "core/money.h"
#include "core/textcase.h"

namespace kavrin {
namespace {

constexpr char Dash[] = "-";

std::string Rounded(long double value) { return std::to_string(RoundHalfEven(value)); }

bool CellNumber(const std::string& text, long double& value) {
  std::string s = text;
  std::replace(s.begin(), s.end(), ',', '.');
  static const LocaleSettings point;
  return TextToFloat(point, s, value);
}

}  // namespace

const std::array<std::string, StatColumnCount>& StatTableCaptions() {
  static const std::array<std::string, StatColumnCount> captions = {
      "Значение",   "Количество", "Кол-во в %",  "Норма",    "Отклонение", "Откл-ие в %", "Глубина",
      "Глубина в %", "Вес",       "Посл. тираж", "Период min", "Период",   "Период max",  "Ожд. ПРД",
      "Ожд. СТФ",   "Ожд. КРН",   "Факт",        "+/- ПРД",  "+/- СТФ",    "+/- КРН"};
  return captions;
}

bool StatColumnShown(int column, bool fullSetOn) {
  return fullSetOn || column < ColNorm || column > ColDeviationPercent;
}

std::string DifferenceText(const std::string& expected, const std::string& fact) {
  int32_t e, f;
  if (!TextToInt(expected, e) || !TextToInt(fact, f)) return Dash;
  const int64_t d = int64_t{e} - f;
  return d > 0 ? Format("+%d", {d}) : std::to_string(d);
}

int CompareStatCells(const std::string& a, const std::string& b) {
  long double x, y;
  if (CellNumber(a, x) && CellNumber(b, y)) return x < y ? -1 : x > y ? 1 : 0;
  return CompareTextIgnoreCase(a, b);
}

TStatCells StatRowCells(const TCustomStat& stat, const TStatResult& result, size_t i) {
  const TStatDrawRec& e = result.Items[i];
  const TStatTotals& totals = result.Totals;
  TStatCells c;
  c.fill(Dash);
  c[ColValue] = stat.ValueText(e);
  c[ColCount] = std::to_string(e.Count);
  if (totals.SumCount != 0) c[ColCountPercent] = Format("%.5f", {static_cast<long double>(e.Count) * 100 / totals.SumCount});
  if (result.FullSetUsed) {
    c[ColNorm] = std::to_string(e.Norm);
    c[ColDeviation] = std::to_string(int64_t{e.Count} - e.Norm);
    const long double percent = e.Norm != 0 ? (static_cast<long double>(e.Count) - e.Norm) * 100 / e.Norm
                                            : (e.Count != 0 ? 100 : 0);
    c[ColDeviationPercent] = Format("%.5f", {percent});
  }
  if (e.Depth == 0) return c;

  c[ColDepth] = std::to_string(e.Depth);
  c[ColDepthPercent] = Format("%.2f", {static_cast<long double>(e.Depth) * 100 / totals.MaxDepth});
  c[ColWeight] = Format("%.2f", {result.Weights[i]});
  c[ColLastDraw] = std::to_string(e.LastDraw);
  const long double count = e.Count, lastDraw = e.LastDraw;
  if (e.Count >= 2) {
    const long double period = result.Window.DrawsUsed / count;
    c[ColPeriodMin] = std::to_string(e.PeriodMin);
    c[ColPeriod] = Format("%.4f", {period});
    c[ColPeriodMax] = std::to_string(e.PeriodMax);
    c[ColExpectedPeriod] = Rounded(period + lastDraw);
  }
  if (e.Count != 0) c[ColExpectedStf] = Rounded((count + 1) * lastDraw / count);
  c[ColExpectedKrn] = Rounded((count + 2) * (lastDraw + 1) / (count + 1));
  const int32_t fact = result.Facts[i];
  if (fact != -1) {
    c[ColFact] = std::to_string(fact);
    c[ColDiffPeriod] = DifferenceText(c[ColExpectedPeriod], c[ColFact]);
    c[ColDiffStf] = DifferenceText(c[ColExpectedStf], c[ColFact]);
    c[ColDiffKrn] = DifferenceText(c[ColExpectedKrn], c[ColFact]);
  }
  return c;
}

void TStatTable::Fill(const TCustomStat& stat, const TStatResult& result) {
  Rows.clear();
  Rows.reserve(result.Items.size());
  for (size_t i = 0; i < result.Items.size(); ++i) Rows.push_back({result.Items[i], StatRowCells(stat, result, i)});
  Sort();
}

void TStatTable::Sort() {
  const int column = std::clamp(SortColumn, 0, StatColumnCount - 1);
  std::stable_sort(Rows.begin(), Rows.end(), [&](const TStatTableRow& a, const TStatTableRow& b) {
    int r = CompareStatCells(a.Cells[column], b.Cells[column]);
    if (r == 0) r = CompareStatCells(a.Cells[ColValue], b.Cells[ColValue]);
    return SortDescending ? r > 0 : r < 0;
  });
}

void TStatTable::ClickColumn(int column) {
  SetSort(column, column == SortColumn ? !SortDescending : false);
}

void TStatTable::SetSort(int column, bool descending) {
  SortColumn = column;
  SortDescending = descending;
  Sort();
}

TStatValues TStatTable::RowText(size_t row) const {
  const TStatCells& c = Rows.at(row).Cells;
  TStatValues v;
  v.Value = c[ColValue];
  v.Count = c[ColCount];
  v.CountPercent = c[ColCountPercent];
  v.Deviation = c[ColDeviation];
  v.DeviationPercent = c[ColDeviationPercent];
  v.Depth = c[ColDepth];
  v.DepthPercent = c[ColDepthPercent];
  v.Weight = c[ColWeight];
  v.PeriodMin = c[ColPeriodMin];
  v.Period = c[ColPeriod];
  v.PeriodMax = c[ColPeriodMax];
  return v;
}

TStatChart BuildStatChart(const TCustomStat& stat, const TStatResult& result, bool totalLine) {
  TStatChart chart;
  if (result.Items.size() <= 1) return chart;
  if (result.FullSetUsed) {
    long double x = 1;
    for (const TFullSetRecord& record : result.FullSet) {
      TStatDrawRec key;
      key.SetKey(record.Key);
      if (totalLine) chart.Total.push_back({x, record.Count * result.Scale, stat.ValueText(key)});
      const int found = result.Items.Find(record.Key);
      if (found >= 0) chart.Actual.push_back({x, static_cast<long double>(result.Items[found].Count),
                                              stat.ValueText(result.Items[found])});
      ++x;
    }
    return chart;
  }
  TStatDrawArray sorted = result.Items;
  SortStatValues(sorted);
  long double x = 0;
  for (const TStatDrawRec& e : sorted) chart.Actual.push_back({x++, static_cast<long double>(e.Count), stat.ValueText(e)});
  return chart;
}

TExportTable StatExportTable(const TStatTable& table, bool fullSetOn) {
  TExportTable sheet;
  sheet.Title = "Статистика";
  std::vector<int> columns;
  for (int column = 0; column < StatColumnCount; ++column)
    if (StatColumnShown(column, fullSetOn)) columns.push_back(column);
  for (const int column : columns) sheet.Header.push_back(StatTableCaptions()[column]);
  for (const TStatTableRow& row : table.Rows) {
    std::vector<std::string>& cells = sheet.Rows.emplace_back();
    for (const int column : columns) cells.push_back(row.Cells[column]);
  }
  return sheet;
}

}  // namespace kavrin
