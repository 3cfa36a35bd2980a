#pragma once
// The draw views area of the application object: the draws graph ("Графики"), the draw card
// ("Карта"), the number schema with its comparison lists ("Схема") and the weekday statistics
// ("Неделя"), their commands, and the sums comparison and repeats analysis windows. It keeps
// what the tabs show and when it was computed, and tells the window through
// TTemplateMain::ViewChanged which of them changed (DrawsGraph, Card, Layout, LayoutCompare,
// Week: the weekday table and its chart); the window reads it and forwards the user's
// selections, depth fields and commands.
#include <array>
#include <random>
#include <string>

#include "app/uihost.h"
#include "combs/history.h"
#include "views/card.h"
#include "views/drawsgraph.h"
#include "views/repeats.h"
#include "views/schema.h"
#include "views/week.h"

namespace kavrin {

class TTemplateMain;

inline constexpr char CardTabCaption[] = "Карта";
inline constexpr char LayoutTabCaption[] = "Схема";
inline constexpr char WeekTabCaption[] = "Неделя";
inline constexpr char GraphsTabCaption[] = "Графики";

class TDrawViews {
 public:
  explicit TDrawViews(TTemplateMain& main) : main_(main) {}
  TDrawViews(const TDrawViews&) = delete;
  TDrawViews& operator=(const TDrawViews&) = delete;

  // ---- what the tabs show ----
  const std::array<TViewSeries, 3>& GraphSeries() const { return graph_.Series; }
  // The row count of the card; its cells come from CardCellText over the archive.
  int CardRows() const { return card_.Rows(); }
  TCardColors CardColors() const;
  const TSchemaGrid& Schema() const { return schema_.Grid(); }
  const std::array<TCompareList, CompareListCount>& CompareLists() const { return compare_.Lists(); }
  const TWeekTable& Week() const { return week_.Table(); }
  const TViewSeries& WeekChartSeries() const { return weekChart_; }

  // ---- what the user does in the tabs ----
  // Selected rectangles of the grids (the window keeps them current).
  TGridRect CardSelection, LayoutSelection, WeekSelection;
  // Selecting a weekday grid cell redraws the chart for it.
  void WeekCellSelect(int column, int row);
  // "Отображать метки на графике": the value marks of the graph's first series.
  bool GraphMarks() const { return graphMarks_; }
  void SetGraphMarks(bool shown);
  // Enter in a depth field: a value of 1 and up is taken; the schema, weekday and graph depths
  // rebuild only when something changed, a comparison depth rebuilds the lists.
  void LayoutLenEnter(int depth);
  void LayoutCompareLenEnter(int list, int depth);
  void WeekLenEnter(int depth);
  void DrawsGraphLenEnter(int depth);
  // Another graph type chosen in the type list.
  void GraphKindChange(int position);

  // ---- recomputation, in the order RefreshViews runs them; each does nothing while its tab
  //      is hidden, and without force nothing while it is current ----
  void Refresh(bool force);
  void GraphRebuild(bool force);
  void CardRebuild(bool force);
  void SchemaRebuild(bool force);
  void CompareRebuild(bool force);
  void WeekRebuild(bool force);

  // ---- commands ----
  bool TabGrapsUpdate() const;
  bool TabGrapsChecked() const;
  void TabGrapsExecute();
  bool DrawsGraphDrawUpdate() const;
  void DrawsGraphDrawExecute() { GraphRebuild(true); }
  bool TotalSumCombsUpdate() const;
  void TotalSumCombsExecute();
  bool AnalyzeRepeatsUpdate() const;
  void AnalyzeRepeatsExecute();

  bool TabCardUpdate() const;
  bool TabCardChecked() const;
  void TabCardExecute();
  bool ViewColorCardUpdate() const;
  bool ViewColorCardChecked() const;
  void ViewColorCardExecute();
  bool ViewColorCardSequencesUpdate() const { return ViewColorCardUpdate(); }
  bool ViewColorCardSequencesChecked() const;
  void ViewColorCardSequencesExecute();
  bool CardFilter_IncludeUpdate() const;
  void CardFilter_IncludeExecute();
  bool CardFilter_ExcludeUpdate() const { return CardFilter_IncludeUpdate(); }
  void CardFilter_ExcludeExecute();
  // The spreadsheet exports of the grids, with the colours the grids show.
  bool CardXlsExportUpdate() const { return Idle(); }
  void CardXlsExportExecute();

  bool TabLayoutUpdate() const;
  bool TabLayoutChecked() const;
  void TabLayoutExecute();
  bool ViewShemaGradientUpdate() const;
  bool ViewShemaGradientChecked() const;
  void ViewShemaGradientExecute();
  bool LayoutCalcUpdate() const;
  void LayoutCalcExecute() { SchemaRebuild(true); }
  bool LayoutCmpCalcUpdate() const { return LayoutCalcUpdate(); }
  void LayoutCmpCalcExecute() { CompareRebuild(true); }
  bool LayoutFilter_IncludeUpdate() const;
  void LayoutFilter_IncludeExecute();
  bool LayoutFilter_ExcludeUpdate() const { return LayoutFilter_IncludeUpdate(); }
  void LayoutFilter_ExcludeExecute();
  bool LayoutXlsExportUpdate() const;
  void LayoutXlsExportExecute();

  bool TabWeekUpdate() const;
  bool TabWeekChecked() const;
  void TabWeekExecute();
  bool WeekStatCalcUpdate() const;
  void WeekStatCalcExecute() { WeekRebuild(true); }
  bool ViewWeekChartModeUpdate() const;
  bool ViewWeekChartModeChecked() const;
  void ViewWeekChartModeExecute();
  bool ViewWeekChartTypeUpdate() const { return ViewWeekChartModeUpdate(); }
  bool ViewWeekChartTypeChecked() const;
  void ViewWeekChartTypeExecute();
  bool WeekFilter_IncludeUpdate() const;
  void WeekFilter_IncludeExecute();
  bool WeekFilter_ExcludeUpdate() const { return WeekFilter_IncludeUpdate(); }
  void WeekFilter_ExcludeExecute();
  bool WeekXlsExportUpdate() const;
  void WeekXlsExportExecute();

  // The repeats dialog's parameters as stored in its section of the view-settings file.
  TRepeatsDialog RepeatsSettings() const;
  // Recomputes the dialog's list and chart from its parameters, with progress.
  void RepeatsCalculate(TRepeatsDialog& dialog);

 private:
  bool Idle() const;
  bool ListNotEmpty() const;
  bool ArchiveNotEmpty() const;
  // A selection of the card or schema that a filter may take: within columns 1..50.
  static bool FilterColumns(const TGridRect& selection);
  void WeekChartRedraw();
  void CardFilter(TFilterMode mode);
  void LayoutFilter(TFilterMode mode);
  void WeekFilter(TFilterMode mode);
  // Stores a switch of the view settings and has the view redrawn.
  void ToggleSetting(TViewSwitch setting, TView view);

  TTemplateMain& main_;
  TDrawsGraphView graph_;
  bool graphMarks_ = true;
  TCardView card_;
  TSchemaView schema_;
  TCompareView compare_;
  TWeekView week_;
  int weekColumn_ = 1, weekRow_ = 1;  // the weekday grid's current cell
  TViewSeries weekChart_;
  std::mt19937 random_{std::random_device{}()};
};

}  // namespace kavrin
