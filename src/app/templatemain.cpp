#include "app/templatemain.h"

#include "core/errors.h"
#include "core/fileio.h"
#include "core/format.h"

namespace kavrin {

TTemplateMain::TTemplateMain(UiHost& host, std::string dataDir)
    : Archive(JoinPath(dataDir, ArchiveFileName)), host_(host), dataDir_(std::move(dataDir)) {
  StatPage.ShowStatus = [this](const std::string& text) { SetOperationText(text); };
  StatPage.ShowError = [this](const std::string& text) { host_.ShowError(text); };
}

std::string TTemplateMain::DataPath(const std::string& fileName) const { return JoinPath(dataDir_, fileName); }

void TTemplateMain::SetStatus(int panel, const std::string& text) {
  std::string& current = status_.at(panel);
  if (current == text) return;
  current = text;
  host_.SetStatus(panel, text);
  if (panel == PanelOperation) host_.ProcessEvents();
}

// ---- settings ----

void TTemplateMain::LoadViewSettings() {
  Guarded("Ошибка загрузки параметров программы!", [&] {
    TIniFile ini(DataPath(ViewSettingsFileName));
    kavrin::LoadViewSettings(ini, View);
    if (InitPrefetchsOnFirstRun(ini, View)) ini.UpdateFile();
  });
}

void TTemplateMain::SaveViewSettingsAtExit() {
  Guarded("Ошибка сохранения параметров программы!", [&] {
    TIniFile ini(DataPath(ViewSettingsFileName));
    StoreViewSettingsAtExit(ini, View);
    ini.UpdateFile();
  });
}

void TTemplateMain::StoreViewSetting(const std::string& key) {
  Guarded("Ошибка сохранения параметров программы!", [&] {
    TIniFile ini(DataPath(ViewSettingsFileName));
    kavrin::StoreViewSetting(ini, View, key);
    ini.UpdateFile();
  });
}

void TTemplateMain::LoadConfig() {
  TBusy busy(*this);
  SetOperationText("Загрузка файла конфигурации...");
  Guarded("Ошибка чтения файла конфигурации!", [&] {
    TIniFile ini(DataPath(ConfigFileName));
    LoadGenerateConfig(ini, Generate);
    LoadMainConfig(ini, Config);
    LoadShreddingConfig(ini, Shredding);
    LoadProxyConfig(ini, Proxy);
    ProxyStored = true;
    LoadNetworkConfig(ini, Network);
  });
  SetOperationText("");
}

namespace {

// Each group of keys is written by its own operation into the file as it stands now.
template <typename Store>
bool SaveConfigGroup(TTemplateMain& main, Store&& store, bool withStatus = true) {
  TTemplateMain::TBusy busy(main);
  if (withStatus) main.SetOperationText("Сохранение файла конфигурации...");
  bool ok = true;
  try {
    TIniFile ini(main.DataPath(ConfigFileName));
    store(ini);
    ini.UpdateFile();
  } catch (const std::exception& e) {
    main.Host().ShowError(Format("Ошибка записи в файл конфигурации!\r\r%s", {e.what()}));
    ok = false;
  }
  if (withStatus) main.SetOperationText("");
  return ok;
}

}  // namespace

bool TTemplateMain::SaveMainConfig() {
  return SaveConfigGroup(*this, [&](TIniFile& ini) { StoreMainConfig(ini, Config); });
}
bool TTemplateMain::SaveGenerateConfig() {
  return SaveConfigGroup(*this, [&](TIniFile& ini) { StoreGenerateConfig(ini, Generate); });
}
bool TTemplateMain::SaveShreddingConfig() {
  return SaveConfigGroup(*this, [&](TIniFile& ini) { StoreShreddingConfig(ini, Shredding); });
}
bool TTemplateMain::SaveProxyConfig(bool withStatus) {
  const bool ok = SaveConfigGroup(*this, [&](TIniFile& ini) { StoreProxyConfig(ini, Proxy); }, withStatus);
  if (ok) ProxyStored = true;
  return ok;
}

// ---- archive ----

void TTemplateMain::LoadArchive() {
  if (FileExists(Archive.Path())) {
    TBusy busy(*this);
    SetOperationText("Загрузка файла тиражей...");
    Guarded("Ошибка чтения файла тиражей!", [&] { Archive.Load(); });
    SetOperationText("");
  }
  UpdateArchiveList(true);
}

bool TTemplateMain::SaveArchive() {
  TBusy busy(*this);
  SetOperationText("Сохранение файла тиражей...");
  bool ok = Guarded("Ошибка записи в файл тиражей!", [&] { Archive.Save(); });
  SetOperationText("");
  UpdateArchiveList(true);
  return ok;
}

void TTemplateMain::UpdateArchiveList(bool force) {
  Archive.UpdateNextDrawMarks();
  SetStatus(PanelDraws, Format("Архив тиражей: %d", {Archive.Count()}));
  SetStatus(PanelNextDraw, Format("Следующий тираж: %d", {Archive.NextDrawNumber(Archive.Offset())}));
  SetStatus(PanelNextNumbers, Format("%s", {Archive.NextDrawText(Archive.Offset())}));
}

void TTemplateMain::SetDrawsOffset(int offset) {
  if (!Archive.SetOffset(offset)) return;
  UpdateArchiveList(false);
  RefreshViews(false);
}

void TTemplateMain::RefreshViews(bool force) {
  if (RefreshSuspended) return;
  StatCalculate(force);
  DrawViews.Refresh(force);
}

// ---- statistics ----

void TTemplateMain::InitStatistics() {
  Stats.SetDraws(Archive.Draws());
  Stats.BuildMethods();
  std::string error;
  if (!Stats.LoadFilterList(DataPath(FavoritesFileName), true, error)) host_.ShowError(error);
  StatPage.ResetStaleness();
  Stats.FillKindLists(StatPage.Kinds, GraphKinds, false);
}

void TTemplateMain::StatCalculate(bool force) {
  TBusy busy(*this);
  TStatEnvironment env;
  env.Offset = Archive.Offset();
  env.Sorted = View.SortedDraws;
  env.FullSetEnabled = View.PrefetchsEnabled;
  env.ShowTotalLine = View.ShowTotalLine;
  env.DataDir = dataDir_;
  // Rows of an earlier table are no longer the rows shown.
  Guarded("", [&] {
    if (StatPage.Calculate(force, env)) StatSelection.clear();
  });
}

void TTemplateMain::StatKindChange(int position) {
  StatPage.Kinds.ItemIndex = position;
  // The selected rows hold values of the kind chosen before.
  StatSelection.clear();
  if (StatRefreshUpdate()) StatCalculate(false);
}

int32_t TTemplateMain::StatCombinationValue(int entry, const TComb& comb) {
  return StatCombinationValue(*Stats.CreateStat(entry), comb);
}

int32_t TTemplateMain::StatCombinationValue(TCustomStat& stat, const TComb& comb) {
  auto& graph = dynamic_cast<TCustomGraphStat&>(stat);
  const int last = Archive.IndexOfPosition(Archive.Offset());
  return graph.CombinationValue(comb, last + 1, last, View.SortedDraws);
}

void TTemplateMain::AppendDraw(const TDrawRec& draw) {
  Archive.Append(draw);
  SaveArchive();
  RefreshViews(false);
}

}  // namespace kavrin
