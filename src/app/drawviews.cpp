#include "app/drawviews.h"

#include "app/tableexport.h"
#include "app/templatemain.h"
#include "core/inifile.h"
#include "views/sums.h"

namespace kavrin {
namespace {

constexpr char CardStatus[] = "Обновление карты тиражей...";
constexpr char LayoutStatus[] = "Построение схемы выпадения номеров...";
constexpr char WeekStatus[] = "Построение статистики по дням недели...";
constexpr char GraphStatus[] = "Анализ тиражей и построение графиков...";
constexpr char CollectStatus[] = "Идет сбор статистики....";

}  // namespace

bool TDrawViews::Idle() const { return !main_.Busy(); }
bool TDrawViews::ListNotEmpty() const { return !main_.Combs.CombsList.Empty(); }
bool TDrawViews::ArchiveNotEmpty() const { return main_.Archive.Count() > 0; }
bool TDrawViews::FilterColumns(const TGridRect& selection) {
  return selection.Left >= 1 && selection.Right <= NumberMax;
}

TCardColors TDrawViews::CardColors() const {
  return {main_.View.ColorCard, main_.View.ColorCardSequences, main_.Config.ChannelSize};
}

// ---- recomputation ----

void TDrawViews::Refresh(bool force) {
  GraphRebuild(force);
  CardRebuild(force);
  SchemaRebuild(force);
  CompareRebuild(force);
  WeekRebuild(force);
}

void TDrawViews::GraphRebuild(bool force) {
  if (!main_.View.TabGraphs) return;
  const TStatKindList& kinds = main_.GraphKinds;
  const TDrawArchive& archive = main_.Archive;
  const TDrawsGraphView::TStamp stamp{archive.Draws().size(), archive.Offset(), main_.View.DrawsGraphLen,
                                     kinds.SelectedEntry()};
  if (!force && graph_.Current(stamp)) return;
  graph_.Reset(stamp);
  if (kinds.SelectedEntry() >= 0 && archive.Count() > 0) {
    TTemplateMain::TOperation operation(main_, GraphStatus);
    main_.Guarded("", [&] {
      std::unique_ptr<TCustomStat> stat = main_.Stats.CreateStat(kinds.SelectedEntry());
      graph_.Graph = BuildDrawsGraph(dynamic_cast<TCustomGraphStat&>(*stat), archive.Draws(), archive.Offset(),
                                     main_.View.DrawsGraphLen, main_.View.SortedDraws);
      graph_.Series = DrawsGraphSeries(graph_.Graph, kinds.Items.at(kinds.ItemIndex).Text, graphMarks_);
    });
  }
  main_.ViewChanged(TView::DrawsGraph);
}

void TDrawViews::CardRebuild(bool force) {
  const TDrawsArray& draws = main_.Archive.Draws();
  if (!main_.View.TabCard || (!force && card_.Current(draws))) return;
  // The cells come from the archive as they are drawn: the rebuild is the row count alone.
  TTemplateMain::TOperation operation(main_, CardStatus);
  card_.Build(draws);
  main_.ViewChanged(TView::Card);
}

void TDrawViews::SchemaRebuild(bool force) {
  const TDrawArchive& archive = main_.Archive;
  const int depth = main_.View.LayoutLen;
  if (!main_.View.TabLayout || (!force && schema_.Current(archive.Draws(), archive.Offset(), depth))) return;
  {
    TTemplateMain::TOperation operation(main_, LayoutStatus);
    schema_.Build(archive.Draws(), archive.Offset(), depth, archive.NextDrawMarks());
  }
  main_.ViewChanged(TView::Layout);
}

void TDrawViews::CompareRebuild(bool force) {
  const TDrawArchive& archive = main_.Archive;
  if (!main_.View.TabLayout || (!force && compare_.Current(archive.Draws(), archive.Offset()))) return;
  {
    TTemplateMain::TOperation operation(main_, LayoutStatus);
    compare_.Build(archive.Draws(), archive.Offset(), main_.View.LayoutCompareLen);
  }
  main_.ViewChanged(TView::LayoutCompare);
}

void TDrawViews::WeekRebuild(bool force) {
  const TDrawArchive& archive = main_.Archive;
  const int depth = main_.View.WeekLen;
  if (!main_.View.TabWeek || (!force && week_.Current(archive.Draws(), archive.Offset(), depth))) return;
  {
    TTemplateMain::TOperation operation(main_, WeekStatus);
    week_.Build(archive.Draws(), archive.Offset(), depth);
  }
  WeekChartRedraw();
}

void TDrawViews::WeekChartRedraw() {
  {
    TTemplateMain::TOperation operation(main_, WeekStatus);
    weekChart_ = WeekChart(week_.Table(), main_.View.WeekChartMode, main_.View.WeekChartType, weekColumn_, weekRow_);
  }
  main_.ViewChanged(TView::Week);
}

// ---- what the user does in the tabs ----

void TDrawViews::WeekCellSelect(int column, int row) {
  weekColumn_ = column;
  weekRow_ = row;
  WeekChartRedraw();
}

void TDrawViews::SetGraphMarks(bool shown) {
  graphMarks_ = shown;
  graph_.Series[0].Marks = shown;
  main_.ViewChanged(TView::DrawsGraph);
}

void TDrawViews::LayoutLenEnter(int depth) {
  if (depth < 1) return;
  main_.View.LayoutLen = depth;
  SchemaRebuild(false);
}

void TDrawViews::LayoutCompareLenEnter(int list, int depth) {
  if (depth < 1 || list < 0 || list >= CompareListCount) return;
  main_.View.LayoutCompareLen[list] = depth;
  CompareRebuild(true);
}

void TDrawViews::WeekLenEnter(int depth) {
  if (depth < 1) return;
  main_.View.WeekLen = depth;
  WeekRebuild(false);
}

void TDrawViews::DrawsGraphLenEnter(int depth) {
  if (depth < 1) return;
  main_.View.DrawsGraphLen = depth;
  if (DrawsGraphDrawUpdate()) GraphRebuild(false);
}

void TDrawViews::GraphKindChange(int position) {
  main_.GraphKinds.ItemIndex = position;
  if (DrawsGraphDrawUpdate()) GraphRebuild(false);
}

// ---- graphs ----

bool TDrawViews::TabGrapsUpdate() const { return Idle(); }
bool TDrawViews::TabGrapsChecked() const { return main_.View.TabGraphs; }
void TDrawViews::TabGrapsExecute() {
  main_.View.TabGraphs = !main_.View.TabGraphs;
  main_.StoreViewSetting(&TViewSettings::TabGraphs);
  if (main_.View.TabGraphs) GraphRebuild(true);
  main_.TabSwitched(GraphsTabCaption, main_.View.TabGraphs);
}

bool TDrawViews::DrawsGraphDrawUpdate() const {
  return Idle() && ArchiveNotEmpty() && main_.GraphKinds.SelectedEntry() >= 0;
}

bool TDrawViews::TotalSumCombsUpdate() const { return Idle(); }
void TDrawViews::TotalSumCombsExecute() {
  TGraphData graph;
  {
    TTemplateMain::TOperation operation(main_, CollectStatus);
    graph = SumsComparisonGraph(main_.Archive.Draws());
  }
  main_.Host().ShowGraph(graph);
}

bool TDrawViews::AnalyzeRepeatsUpdate() const { return Idle() && ArchiveNotEmpty(); }

void TDrawViews::AnalyzeRepeatsExecute() {
  TRepeatsDialog dialog = RepeatsSettings();
  dialog.Calculate = [this, &dialog] { RepeatsCalculate(dialog); };
  dialog.Calculate();
  main_.Host().ShowRepeats(dialog);
  main_.Guarded("Ошибка сохранения параметров программы!", [&] {
    TIniFile ini(main_.DataPath(ViewSettingsFileName));
    ini.WriteInteger(RepeatsSection, "DrawsLength", dialog.Length);
    ini.WriteInteger(RepeatsSection, "DrawsDeep", dialog.Deep);
    ini.WriteInteger(RepeatsSection, "GraphHeight", dialog.GraphHeight);
    ini.UpdateFile();
  });
}

TRepeatsDialog TDrawViews::RepeatsSettings() const {
  TRepeatsDialog dialog;
  main_.Guarded("Ошибка загрузки параметров программы!", [&] {
    const TIniFile ini(main_.DataPath(ViewSettingsFileName));
    // The fields take 1 and up: anything else read keeps the default.
    auto read = [&](const char* key, int& value) {
      const int stored = ini.ReadInteger(RepeatsSection, key, value);
      if (stored >= 1) value = stored;
    };
    read("DrawsLength", dialog.Length);
    read("DrawsDeep", dialog.Deep);
    read("GraphHeight", dialog.GraphHeight);
  });
  return dialog;
}

void TDrawViews::RepeatsCalculate(TRepeatsDialog& dialog) {
  TTemplateMain::TOperation operation(main_);
  TProgress& progress = main_.Progress();
  const TDrawsArray& draws = main_.Archive.Draws();
  progress.ProgressStart(CollectStatus, AnalysisWindow(static_cast<int>(draws.size()), 0, dialog.Length).Size());
  dialog.Analysis = AnalyzeRepeats(draws, dialog.Length, dialog.Deep, [&](int step) { progress.ProgressStep(step); });
  progress.ProgressStart("Создание графиков...", 0);
  dialog.Chart = RepeatsChart(dialog.Analysis, random_);
  progress.ProgressEnd();
}

// ---- card ----

bool TDrawViews::TabCardUpdate() const { return Idle(); }
bool TDrawViews::TabCardChecked() const { return main_.View.TabCard; }
void TDrawViews::TabCardExecute() {
  main_.View.TabCard = !main_.View.TabCard;
  main_.StoreViewSetting(&TViewSettings::TabCard);
  if (main_.View.TabCard) CardRebuild(true);
  main_.TabSwitched(CardTabCaption, main_.View.TabCard);
}

void TDrawViews::ToggleSetting(TViewSwitch setting, TView view) {
  main_.View.*setting = !(main_.View.*setting);
  main_.StoreViewSetting(setting);
  main_.ViewChanged(view);
}

bool TDrawViews::ViewColorCardUpdate() const { return Idle() && main_.View.TabCard; }
bool TDrawViews::ViewColorCardChecked() const { return main_.View.ColorCard; }
void TDrawViews::ViewColorCardExecute() { ToggleSetting(&TViewSettings::ColorCard, TView::Card); }
bool TDrawViews::ViewColorCardSequencesChecked() const { return main_.View.ColorCardSequences; }
void TDrawViews::ViewColorCardSequencesExecute() {
  ToggleSetting(&TViewSettings::ColorCardSequences, TView::Card);
}

bool TDrawViews::CardFilter_IncludeUpdate() const {
  return Idle() && ListNotEmpty() && main_.View.TabCard && FilterColumns(CardSelection);
}
void TDrawViews::CardFilter_IncludeExecute() { CardFilter(TFilterMode::Include); }
void TDrawViews::CardFilter_ExcludeExecute() { CardFilter(TFilterMode::Exclude); }

void TDrawViews::CardFilter(TFilterMode mode) {
  main_.CombsFilterNumbers(mode, CardTabCaption, [this] {
    const TGridRect& s = CardSelection;
    TCellColumns columns;
    for (int column = s.Left; column <= s.Right; ++column) {
      columns.emplace_back();
      for (int row = s.Top; row <= s.Bottom; ++row)
        columns.back().push_back(CardCellText(main_.Archive.Draws(), row, column));
    }
    return CardSelectionNumbers(columns);
  });
}

void TDrawViews::CardXlsExportExecute() {
  const TDrawsArray& draws = main_.Archive.Draws();
  const TCardColors colors = CardColors();
  TableXlsExport(main_.Host(), GridExportTable(
                                   CardTabCaption, CardRowCount(draws), CardColumnCount,
                                   [&](int row, int column) { return CardCellText(draws, row, column); },
                                   [&](int row, int column) { return CardCellColor(draws, row, column, colors, false); }));
}

// ---- schema ----

bool TDrawViews::TabLayoutUpdate() const { return Idle(); }
bool TDrawViews::TabLayoutChecked() const { return main_.View.TabLayout; }
void TDrawViews::TabLayoutExecute() {
  main_.View.TabLayout = !main_.View.TabLayout;
  main_.StoreViewSetting(&TViewSettings::TabLayout);
  if (main_.View.TabLayout) {
    SchemaRebuild(true);
    CompareRebuild(true);
  }
  main_.TabSwitched(LayoutTabCaption, main_.View.TabLayout);
}

bool TDrawViews::ViewShemaGradientUpdate() const { return Idle() && main_.View.TabLayout; }
bool TDrawViews::ViewShemaGradientChecked() const { return main_.View.LayoutGradient; }
void TDrawViews::ViewShemaGradientExecute() {
  ToggleSetting(&TViewSettings::LayoutGradient, TView::Layout);
}

bool TDrawViews::LayoutCalcUpdate() const { return Idle() && main_.View.TabLayout && ArchiveNotEmpty(); }

bool TDrawViews::LayoutFilter_IncludeUpdate() const {
  return Idle() && main_.View.TabLayout && ListNotEmpty() && FilterColumns(LayoutSelection);
}
void TDrawViews::LayoutFilter_IncludeExecute() { LayoutFilter(TFilterMode::Include); }
void TDrawViews::LayoutFilter_ExcludeExecute() { LayoutFilter(TFilterMode::Exclude); }

void TDrawViews::LayoutFilter(TFilterMode mode) {
  main_.CombsFilterNumbers(mode, LayoutTabCaption, [this] {
    const TGridRect& s = LayoutSelection;
    TCellColumns columns;
    for (int column = s.Left; column <= s.Right; ++column) {
      columns.emplace_back();
      for (int row = s.Top; row <= s.Bottom; ++row) columns.back().push_back(Schema().Cell(row, column));
    }
    return SchemaSelectionNumbers(columns);
  });
}

bool TDrawViews::LayoutXlsExportUpdate() const { return Idle() && Schema().Columns() > 2; }
void TDrawViews::LayoutXlsExportExecute() {
  const TSchemaGrid& grid = Schema();
  const bool gradient = main_.View.LayoutGradient;
  TableXlsExport(main_.Host(),
                 GridExportTable(
                     LayoutTabCaption, grid.Rows(), grid.Columns(),
                     [&](int row, int column) { return grid.Cell(row, column); },
                     [&](int row, int column) { return SchemaCellColor(grid, row, column, gradient, false); }));
}

// ---- weekday statistics ----

bool TDrawViews::TabWeekUpdate() const { return Idle(); }
bool TDrawViews::TabWeekChecked() const { return main_.View.TabWeek; }
void TDrawViews::TabWeekExecute() {
  main_.View.TabWeek = !main_.View.TabWeek;
  main_.StoreViewSetting(&TViewSettings::TabWeek);
  if (main_.View.TabWeek) WeekRebuild(true);
  main_.TabSwitched(WeekTabCaption, main_.View.TabWeek);
}

bool TDrawViews::WeekStatCalcUpdate() const { return Idle() && main_.View.TabWeek && ArchiveNotEmpty(); }

bool TDrawViews::ViewWeekChartModeUpdate() const { return Idle() && main_.View.TabWeek; }
bool TDrawViews::ViewWeekChartModeChecked() const { return main_.View.WeekChartMode == 1; }
void TDrawViews::ViewWeekChartModeExecute() {
  int& mode = main_.View.WeekChartMode;
  mode = mode > 0 ? 0 : mode + 1;
  main_.StoreViewSetting(&TViewSettings::WeekChartMode);
  WeekChartRedraw();
}

bool TDrawViews::ViewWeekChartTypeChecked() const { return main_.View.WeekChartType; }
void TDrawViews::ViewWeekChartTypeExecute() {
  main_.View.WeekChartType = !main_.View.WeekChartType;
  main_.StoreViewSetting(&TViewSettings::WeekChartType);
  WeekChartRedraw();
}

bool TDrawViews::WeekFilter_IncludeUpdate() const { return Idle() && main_.View.TabWeek && ListNotEmpty(); }
void TDrawViews::WeekFilter_IncludeExecute() { WeekFilter(TFilterMode::Include); }
void TDrawViews::WeekFilter_ExcludeExecute() { WeekFilter(TFilterMode::Exclude); }

void TDrawViews::WeekFilter(TFilterMode mode) {
  main_.CombsFilterNumbers(mode, WeekTabCaption, [this] {
    std::vector<int32_t> columns;
    for (int column = WeekSelection.Left; column <= WeekSelection.Right; ++column) columns.push_back(column);
    return WeekSelectionNumbers(columns);
  });
}

bool TDrawViews::WeekXlsExportUpdate() const { return Idle() && main_.View.TabWeek; }
void TDrawViews::WeekXlsExportExecute() {
  const TWeekTable& table = Week();
  TableXlsExport(main_.Host(),
                 GridExportTable(
                     WeekTabCaption, WeekGridRows, WeekGridColumns,
                     [&](int row, int column) { return WeekCellText(table, row, column); },
                     [&](int row, int column) { return WeekCellColor(table, row, column, false); }));
}

}  // namespace kavrin
