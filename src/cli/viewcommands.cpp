#include "cli/viewcommands.h"

#include <climits>
#include <map>

#include "app/templatemain.h"
#include "cli/cliargs.h"
#include "core/format.h"
#include "views/card.h"
#include "views/drawsgraph.h"
#include "views/repeats.h"
#include "views/schema.h"
#include "views/sums.h"
#include "views/week.h"

namespace kavrin {
namespace {

struct TViewContext {
  TTemplateMain& main;
  CliArgs& args;
  const TRowPrinter& print;
  const TDrawsArray& Draws() const { return main.Archive.Draws(); }
  void Print(const std::vector<std::string>& cells, const std::vector<TCellColors>& colors = {}) const {
    print(cells, colors);
  }
};

void NoPositionals(const CliArgs& args) {
  auto positionals = args.Positionals();
  if (!positionals.empty()) throw CliUsageError("unexpected argument " + positionals.front());
}

// --depth N, 1 and up, or the stored depth.
int TakeDepth(CliArgs& args, int stored) { return args.TakeInt("--depth", 1, INT_MAX).value_or(stored); }

// --offset K moves the analysis offset (and with it the next-draw marks); nothing else is
// recomputed for the views printed here.
void TakeOffset(TViewContext& c) {
  const int offset = c.args.TakeInt("--offset", 0, c.main.Archive.MaxOffset()).value_or(0);
  c.main.RefreshSuspended = true;
  c.main.SetDrawsOffset(offset);
}

// The grid's rows with the backgrounds the window gives its cells.
template <typename Cell, typename Color>
void PrintGrid(const TViewContext& c, int rows, int columns, Cell&& cell, Color&& color) {
  for (int r = 0; r < rows; ++r) {
    std::vector<std::string> cells;
    std::vector<TCellColors> colors;
    for (int column = 0; column < columns; ++column) {
      cells.push_back(cell(r, column));
      colors.push_back(ExportCellColors(color(r, column)));
    }
    c.Print(cells, colors);
  }
}

void Card(TViewContext& c) {
  const int limit = c.args.TakeInt("--limit", 0, INT_MAX).value_or(INT_MAX);
  NoPositionals(c.args);
  const int draws = static_cast<int>(c.Draws().size());
  const TCardColors colors = c.main.DrawViews.CardColors();
  PrintGrid(c, 1 + std::min(limit, draws), CardColumnCount,
            [&](int row, int column) { return CardCellText(c.Draws(), row, column); },
            [&](int row, int column) { return CardCellColor(c.Draws(), row, column, colors, false); });
}

void Schema(TViewContext& c) {
  const int depth = TakeDepth(c.args, c.main.View.LayoutLen);
  TakeOffset(c);
  NoPositionals(c.args);
  const TDrawArchive& archive = c.main.Archive;
  const TSchemaGrid grid(
      CountAppearances(c.Draws(), AnalysisWindow(archive.Count(), archive.Offset(), depth)), archive.NextDrawMarks());
  const bool gradient = c.main.View.LayoutGradient;
  PrintGrid(c, grid.Rows(), grid.Columns(), [&](int row, int column) { return grid.Cell(row, column); },
            [&](int row, int column) { return SchemaCellColor(grid, row, column, gradient, false); });
}

void Compare(TViewContext& c) {
  const std::vector<std::string> given = c.args.TakeRepeated("--depth");
  if (given.size() > CompareListCount) throw CliUsageError("view compare takes at most five --depth");
  std::array<int, CompareListCount> depths = c.main.View.LayoutCompareLen;
  for (size_t i = 0; i < given.size(); ++i) depths[i] = ParseIntArgument(given[i], "--depth", 1, INT_MAX);
  TakeOffset(c);
  NoPositionals(c.args);
  c.Print({"Список", "Тиражи", CompareCountCaption, "Числа"});
  for (int i = 0; i < CompareListCount; ++i) {
    const TCompareList list = BuildCompareList(c.Draws(), c.main.Archive.Offset(), depths[i]);
    for (const TCompareRow& row : list.Rows)
      c.Print({std::to_string(i + 1), list.Caption, std::to_string(row.Count), row.Numbers});
  }
}

void Week(TViewContext& c) {
  const int depth = TakeDepth(c.args, c.main.View.WeekLen);
  TakeOffset(c);
  NoPositionals(c.args);
  const TWeekTable table = CountWeekdays(c.Draws(), c.main.Archive.Offset(), depth);
  PrintGrid(c, WeekGridRows, WeekGridColumns, [&](int row, int column) { return WeekCellText(table, row, column); },
            [&](int row, int column) { return WeekCellColor(table, row, column, false); });
}

void Graph(TViewContext& c) {
  const int depth = TakeDepth(c.args, c.main.View.DrawsGraphLen);
  TakeOffset(c);
  const std::vector<std::string> positionals = c.args.Positionals();
  if (positionals.size() != 1) throw CliUsageError("view graph needs a graph method code");
  const std::string& code = positionals.front();
  const int entry = c.main.Stats.FindCode(code);
  if (entry < 0) throw CliUsageError("unknown statistic method " + code);
  if (!c.main.Stats.Items(entry).MethodClass->IsGraph()) throw CliUsageError(code + " is not a graph method");
  std::unique_ptr<TCustomStat> stat = c.main.Stats.CreateStat(entry);
  const TDrawsGraph graph = BuildDrawsGraph(dynamic_cast<TCustomGraphStat&>(*stat), c.Draws(),
                                            c.main.Archive.Offset(), depth, c.main.View.SortedDraws);
  c.Print({"Тираж", "Значение", MeanSeriesTitle, MostFrequentSeriesTitle});
  const std::string mean = Format("%.4f", {graph.Mean});
  for (const TDrawsGraphPoint& p : graph.Points)
    c.Print({std::to_string(p.DrawNumber), std::to_string(p.Value), mean, std::to_string(graph.MostFrequent)});
}

void Sums(TViewContext& c) {
  const bool ranges = c.args.TakeFlag("--ranges");
  NoPositionals(c.args);
  const TSumCounts& theoretical = TheoreticalSums();
  if (ranges) {
    const std::array<TSumRange, 3> found = SumRanges(theoretical);
    for (int k = 1; k <= 3; ++k) c.Print({SumRangeTitle(k, found[k - 1])});
    return;
  }
  const std::map<int, int64_t> actual = ActualSums(c.Draws());
  c.Print({"Сумма", "Комбинаций", "Тиражей"});
  for (int sum = SumMin; sum <= SumMax; ++sum) {
    const auto drawn = actual.find(sum);
    c.Print({std::to_string(sum), std::to_string(theoretical[sum]),
             std::to_string(drawn == actual.end() ? 0 : drawn->second)});
  }
}

void Repeats(TViewContext& c) {
  const TRepeatsDialog stored = c.main.DrawViews.RepeatsSettings();
  const int length = c.args.TakeInt("--length", 1, INT_MAX).value_or(stored.Length);
  const int deep = c.args.TakeInt("--deep", 1, INT_MAX).value_or(stored.Deep);
  NoPositionals(c.args);
  c.Print(RepeatsCaptions());
  for (const TRepeatsRow& row : AnalyzeRepeats(c.Draws(), length, deep).Rows) c.Print(RepeatsRowCells(row));
}

}  // namespace

void ViewCommand(TTemplateMain& main, const std::string& name, CliArgs& args, const TRowPrinter& print) {
  static const std::map<std::string, void (*)(TViewContext&)> views = {
      {"card", Card}, {"schema", Schema}, {"compare", Compare}, {"week", Week},
      {"graph", Graph}, {"sums", Sums},     {"repeats", Repeats},
  };
  TViewContext context{main, args, print};
  views.at(name)(context);
}

}  // namespace kavrin
