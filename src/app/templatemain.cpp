#include "app/templatemain.h"

#include <optional>

#include "core/errors.h"
#include "core/fileio.h"
#include "core/format.h"
#include "stakes/systemplay.h"

namespace kavrin {

TTemplateMain::TTemplateMain(UiHost& host, std::string dataDir)
    : Archive(JoinPath(dataDir, ArchiveFileName)), host_(host), dataDir_(std::move(dataDir)) {
  StatPage.Progress = &progress_;
}

std::string TTemplateMain::DataPath(const std::string& fileName) const { return JoinPath(dataDir_, fileName); }

void TTemplateMain::RemoveLeftoverTempFiles() {
  kavrin::RemoveLeftoverTempFiles(dataDir_);
  kavrin::RemoveLeftoverTempFiles(DataPath(FullSetFolder));
  kavrin::RemoveLeftoverTempFiles(DataPath(SystemsFolderName));
}

void TTemplateMain::SetStatus(int panel, const std::string& text) {
  std::string& current = status_.at(panel);
  if (current == text) return;
  current = text;
  host_.SetStatus(panel, text);
  if (panel == PanelOperation) host_.ProcessEvents();
}

void TTemplateMain::TMainProgress::Status(const std::string& text) { main_.SetOperationText(text); }
void TTemplateMain::TMainProgress::Error(const std::string& text) { main_.host_.ShowError(text); }
void TTemplateMain::TMainProgress::ProgressStart(const std::string& text, int steps) {
  main_.host_.ProgressStart(text, steps);
}
void TTemplateMain::TMainProgress::ProgressStep(int step) { main_.host_.ProgressStep(step); }
void TTemplateMain::TMainProgress::ProgressEnd() { main_.host_.ProgressEnd(); }
void TTemplateMain::TMainProgress::ProcessEvents() { main_.host_.ProcessEvents(); }
bool TTemplateMain::TMainProgress::StopRequested() const { return main_.ScriptRunState.StopRequested; }

// ---- settings ----

void TTemplateMain::LoadViewSettings() {
  Guarded("Ошибка загрузки параметров программы!", [&] {
    TIniFile ini(DataPath(ViewSettingsFileName));
    kavrin::LoadViewSettings(ini, View);
    firstRunPending_ = !View.PrefetchsInit;
  });
}

void TTemplateMain::SaveViewSettingsAtExit() {
  Guarded("Ошибка сохранения параметров программы!", [&] {
    TIniFile ini(DataPath(ViewSettingsFileName));
    StoreViewSettingsAtExit(ini, View);
    ini.UpdateFile();
  });
}

namespace {

template <typename Member>
void StoreOne(TTemplateMain& main, Member member) {
  main.Guarded("Ошибка сохранения параметров программы!", [&] {
    TIniFile ini(main.DataPath(ViewSettingsFileName));
    StoreViewSetting(ini, main.View, member);
    ini.UpdateFile();
  });
}

}  // namespace

void TTemplateMain::StoreViewSetting(TViewSwitch member) { StoreOne(*this, member); }
void TTemplateMain::StoreViewSetting(TViewNumber member) { StoreOne(*this, member); }

void TTemplateMain::LoadConfig() {
  TOperation operation(*this, "Загрузка файла конфигурации...");
  Guarded("Ошибка чтения файла конфигурации!", [&] {
    TIniFile ini(DataPath(ConfigFileName));
    LoadGenerateConfig(ini, Generate);
    LoadMainConfig(ini, Config);
    LoadShreddingConfig(ini, Shredding);
    LoadProxyConfig(ini, Proxy);
    ProxyStored = true;
    LoadNetworkConfig(ini, Network);
  });
}

namespace {

// Each group of keys is written by its own operation into the file as it stands now.
template <typename Store>
bool SaveConfigGroup(TTemplateMain& main, Store&& store, bool withStatus = true) {
  std::optional<TTemplateMain::TOperation> operation;
  if (withStatus)
    operation.emplace(main, "Сохранение файла конфигурации...");
  else
    operation.emplace(main);
  return main.Guarded("Ошибка записи в файл конфигурации!", [&] {
    TIniFile ini(main.DataPath(ConfigFileName));
    store(ini);
    ini.UpdateFile();
  });
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
    std::string warning;
    {
      TOperation operation(*this, "Загрузка файла тиражей...");
      Guarded("Ошибка чтения файла тиражей!", [&] { warning = Archive.Load(); });
    }
    if (!warning.empty()) host_.ShowWarning(warning, "Внимание!");
  }
  UpdateArchiveList(true);
}

bool TTemplateMain::SaveArchive() {
  bool ok;
  {
    TOperation operation(*this, "Сохранение файла тиражей...");
    ok = Guarded("Ошибка записи в файл тиражей!", [&] { Archive.Save(); });
  }
  UpdateArchiveList(true);
  return ok;
}

void TTemplateMain::UpdateArchiveList(bool force) {
  Archive.UpdateNextDrawMarks();
  SetStatus(PanelDraws, Format("Архив тиражей: %d", {Archive.Count()}));
  SetStatus(PanelNextDraw, Format("Следующий тираж: %d", {Archive.NextDrawNumber(Archive.Offset())}));
  SetStatus(PanelNextNumbers, Format("%s", {Archive.NextDrawText(Archive.Offset())}));
  ViewChanged(TView::DrawsList);
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
  TOperation busy(*this);
  TStatEnvironment env;
  env.Offset = Archive.Offset();
  env.Sorted = View.SortedDraws;
  env.FullSetEnabled = View.PrefetchsEnabled;
  env.ShowTotalLine = View.ShowTotalLine;
  env.DataDir = dataDir_;
  // Rows of an earlier table are no longer the rows shown.
  Guarded("", [&] {
    if (StatPage.Calculate(force, env)) {
      StatSelection.clear();
      ViewChanged(TView::Statistics);
    }
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
