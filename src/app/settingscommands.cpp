// The settings dialogs, the detail and description windows, and the view switches of the lists
// and the statistics page.
#include "app/templatemain.h"
#include "stats/customstat.h"

namespace kavrin {

void TTemplateMain::EditConfigExecute() {
  TConfigData edited = Config;
  if (host_.EditConfig(edited)) ConfigConfirm(edited);
}

void TTemplateMain::EditShreddingExecute() {
  TShreddingConfig edited = Shredding;
  if (host_.EditShredding(edited)) ShreddingConfirm(edited);
}

void TTemplateMain::EditProxyExecute() {
  TProxyDialogFields fields = ProxyDialogPrefill(Proxy);
  if (host_.EditProxy(fields)) EditProxyApply(fields);
}

void TTemplateMain::AddGraphValues(TDetailsView& view, const std::function<int32_t(TCustomGraphStat&)>& valueOf) {
  Guarded("", [&] {
    for (int entry = 0; entry < Stats.Count(); ++entry) {
      if (!Stats.IsVisible(entry) || !Stats.Items(entry).MethodClass->IsGraph()) continue;
      const std::unique_ptr<TCustomStat> stat = Stats.CreateStat(entry);
      view.Properties.push_back(
          {stat->InstanceCaption(), std::to_string(valueOf(dynamic_cast<TCustomGraphStat&>(*stat)))});
    }
  });
}

void TTemplateMain::DrawsInfoExecute() {
  if (DrawsSelection.empty()) return;
  const int index = Archive.IndexOfPosition(DrawsSelection.front());
  if (index < 0 || index >= Archive.Count()) return;
  const TDrawRec draw = Archive.Draws()[index];
  TDetailsView view;
  view.Numbers = draw.Numbers;
  view.MatrixCols = Config.MatrixCols;
  view.ChannelSize = Config.ChannelSize;
  view.Properties = {{"Номер тиража:", std::to_string(draw.Number)}, {"Дата тиража:", draw.Date}};
  // The values the draw had when it was drawn: its own index, whatever the analysis offset.
  AddGraphValues(view, [&](TCustomGraphStat& graph) { return graph.DrawValue(index, index, View.SortedDraws); });
  host_.ShowDetails(view);
}

void TTemplateMain::ViewColorCombsExecute() {
  View.ColorCombs = !View.ColorCombs;
  StoreViewSetting(&TViewSettings::ColorCombs);
  ViewChanged(TView::CombsList);
}

void TTemplateMain::StatTotalLineExecute() {
  View.ShowTotalLine = !View.ShowTotalLine;
  StoreViewSetting(&TViewSettings::ShowTotalLine);
  StatPage.Chart = {};
  ViewChanged(TView::Statistics);
  const bool calculate = StatRefreshUpdate();
  TOperation operation(*this, "Создание графиков...");
  if (calculate) StatCalculate(true);
}

void TTemplateMain::StatWindowLengthChange(int length) {
  if (length < 1) return;
  StatPage.WindowLength = length;
  View.DrawsStatLen = length;
  StatKindChange(StatPage.Kinds.ItemIndex);
}

TMethodDescription DescribeMethod(const TStatList& stats, int entry, bool withHelpPage) {
  const TStatMethod& method = stats.Items(entry);
  TMethodDescription description;
  description.Code = method.Code();
  description.Caption = method.CaptionWithFormula();
  description.Group = GroupTitle(method.MethodClass->GroupIndex());
  description.Features = FlagLetters(method.MethodClass->EffectiveFlags());
  // The compiled help has no viewer on every system; the window then shows the facts alone.
  if (withHelpPage) description.HelpAddress = method.HelpURL(stats.HelpFile);
  return description;
}

void TTemplateMain::StatDescriptionExecute() {
  const int entry = StatPage.Kinds.SelectedEntry();
  if (entry < 0) return;
  host_.ShowMethodDescription(DescribeMethod(Stats, entry, host_.CanShowHelpPages()));
}

}  // namespace kavrin
