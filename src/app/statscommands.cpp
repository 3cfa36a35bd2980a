// The method list and its favourites, the settings dialogs whose values the methods read, and the
// full-set comparison files that depend on both.
#include "app/tableexport.h"
#include "app/templatemain.h"
#include "stats/favoritesmanager.h"

namespace kavrin {

void TTemplateMain::StatRebuildMethods(bool keepSelection) {
  // The save carries the favourites and user captions across the rebuild.
  const std::string favorites = DataPath(FavoritesFileName);
  std::string error;
  if (!Stats.SaveFilterList(favorites, true, false, error)) host_.ShowError(error);
  Stats.BuildMethods();
  Stats.EnableAll();
  if (!Stats.LoadFilterList(favorites, true, error)) host_.ShowError(error);
  Stats.FillKindLists(StatPage.Kinds, GraphKinds, keepSelection);
  StatPage.ResetStaleness();
  StatSelection.clear();
  ViewChanged(TView::Statistics);
}

std::vector<int> TTemplateMain::FullSetEnsure(bool force, TStatGroupSet groups) {
  TOperation busy(*this);
  const TFullSetContext context(Stats, dataDir_, View.PrefetchsEnabled, Progress());
  std::vector<int> built;
  Guarded("", [&] { built = EnsureFullSetFiles(context, force, groups); });
  return built;
}

void TTemplateMain::ConfigConfirm(const TConfigData& edited) {
  const TStatGroupSet changed = ConfigChangeMask(Config, edited);
  Config = edited;
  SaveMainConfig();
  StatRebuildMethods(true);
  FullSetEnsure(false, changed);
  RefreshViews(true);
}

void TTemplateMain::ShreddingConfirm(const TShreddingConfig& edited) {
  Shredding = edited;
  SaveShreddingConfig();
  FullSetEnsure(false, ShreddingStatGroups);
  StatRebuildMethods(true);
  // A shredding table on screen was made with the old formula.
  StatKindChange(StatPage.Kinds.ItemIndex);
}

void TTemplateMain::StatFullSetExecute() {
  View.PrefetchsEnabled = !View.PrefetchsEnabled;
  StoreViewSetting(&TViewSettings::PrefetchsEnabled);
  if (View.PrefetchsEnabled) FullSetEnsure(false, 0);
  if (StatRefreshUpdate()) StatCalculate(true);
}

void TTemplateMain::StatFavoritesExecute() {
  TFavoritesManager manager(Stats);
  if (!host_.EditFavorites(manager)) return;
  manager.Confirm();
  StatRebuildMethods(false);
  // The first kind is now selected: the table on screen must be its table, or the rows the user
  // selects next would be filtered with a method they do not belong to.
  StatKindChange(StatPage.Kinds.ItemIndex);
}

void TTemplateMain::StatAllMethodsExecute() {
  if (!host_.Ask("Вы действительно хотите сбросить список избранных фильтров?", "Подтверждение", false)) return;
  Stats.EnableAll();
  StatRebuildMethods(false);
  StatKindChange(StatPage.Kinds.ItemIndex);
}

void TTemplateMain::StatXlsExportExecute() {
  TableXlsExport(host_, StatExportTable(StatPage.Table, View.PrefetchsEnabled));
}

}  // namespace kavrin
