#pragma once
// UiHost with real widgets: the boxes, inputs, file choosers, clipboard, status panels, wait and
// progress windows of the main window. The overrides that show a tab's own dialogs are defined
// in that tab's folder, next to the dialog, so this file stays the thin platform layer.
#include <QString>
#include <array>
#include <functional>

#include "app/uihost.h"

class QDialog;
class QLabel;
class QMainWindow;
class QStatusBar;

namespace kavrin::gui {

class ProgressWindow;
class WaitWindow;

class WindowHost : public UiHost {
 public:
  explicit WindowHost(QMainWindow& window);
  ~WindowHost() override;

  // Called by ProcessEvents after the window's events: the window's command-state pass.
  std::function<void()> OnIdle;
  // The window's own parts of start-up and shut-down (MainWindow sets them).
  std::function<void(const TViewSettings&, bool)> OnApplyTabVisibility;
  std::function<void(const TIniFile&)> OnRestoreLayout;
  std::function<void(TIniFile&)> OnStoreLayout;
  std::function<void()> OnQuit;
  // Resets the view whose data changed.
  std::function<void(TView)> OnViewChanged;
  // Brings the tab with this caption to the front.
  std::function<void(const QString&)> OnShowTab;
  QLabel* Panel(int panel) const { return panels_.at(panel); }
  // The view-settings file, where the graph window keeps its placement; the data folder the
  // about window names.
  std::string ViewSettingsPath;
  std::string DataDir;

  void ShowError(const std::string& text) override;
  void ShowInfo(const std::string& text) override;
  void ShowWarning(const std::string& text, const std::string& caption) override;
  bool Ask(const std::string& text, const std::string& caption, bool defaultYes) override;
  bool InputNumber(const std::string& caption, const std::string& prompt, int min, int max, int& value) override;
  bool InputText(const std::string& caption, const std::string& prompt, std::string& value) override;
  bool ChooseOpenFile(const std::string& filter, const std::string& defaultExt, std::string& path) override;
  bool ChooseSaveFile(const std::string& filter, const std::string& defaultExt, std::string& path) override;
  bool EditDraw(const std::string& caption, TDrawDialogFields& fields) override;
  void SetStatus(int panel, const std::string& text) override;
  void ViewChanged(TView view) override {
    if (OnViewChanged) OnViewChanged(view);
  }
  void ProgressStart(const std::string& text, int steps) override;
  void ProgressStep(int step) override;
  void ProgressEnd() override;
  void ProcessEvents() override;
  void OpenUrl(const std::string& url) override;
  void SetWaitText(const std::string& text) override;
  bool GetClipboardText(std::string& text) override;
  void SetClipboardText(const std::string& text) override;
  void ShowDetails(const TDetailsView& view) override;
  void ShowGraph(const TGraphData& graph) override;
  void ShowTab(const std::string& caption) override;
  bool AskInstallUpdate(const TUpdateOffer& offer) override;
  void SetCaption(const std::string& caption) override;
  void ApplyTabVisibility(const TViewSettings& view, bool systemsMenuShown) override {
    if (OnApplyTabVisibility) OnApplyTabVisibility(view, systemsMenuShown);
  }
  void RestoreLayout(const TIniFile& ini) override {
    if (OnRestoreLayout) OnRestoreLayout(ini);
  }
  void StoreLayout(TIniFile& ini) override {
    if (OnStoreLayout) OnStoreLayout(ini);
  }
  void Quit() override {
    if (OnQuit) OnQuit();
  }
  void ShowAbout(const std::string& title, const std::string& version) override;
  bool EditConfig(TConfigData& config) override;
  bool EditShredding(TShreddingConfig& shredding) override;
  bool EditProxy(TProxyDialogFields& fields) override;
  bool ShowFirstRun(const TFirstRunDialog& dialog, const std::function<void()>& openHelp) override;

  // Statistics tab (gui/statistics/).
  bool EditFavorites(TFavoritesManager& manager) override;
  void ShowMethodDescription(const TMethodDescription& description) override;

  // Combination list (gui/combs/).
  bool EditGenerate(TGenerateDialogFields& fields) override;

  // Scenario tab and scenario catalog (gui/script/).
  bool EditScriptLine(const std::string& caption, TScriptLineDialogFields& fields) override;
  bool EditFilter(TFilterItem& filter, const TFilterDialogCheck& validate) override;
  bool EditScriptProperties(tScriptData& fields, bool editable, const TScriptDialogCheck& validate) override;
  void ShowScriptRates(const std::vector<TScriptRate>& rates) override;

  // Stakes and rating tabs (gui/stakes/).
  bool EditStake(TStakeDialogFields& fields) override;
  bool EditMultiStake(TStakeDialogFields& fields) override;
  bool ChooseStakeCondition(int& mode, int& threshold) override;

  // Regular stakes and systems tabs (gui/tables/, gui/systems/).
  bool EditRegular(TRegularDialogFields& fields, int selected, const TTableStakesArray& existing) override;
  bool EditSystem(TSystemDialogFields& fields, bool editable) override;

  // Draw views (gui/views/).
  void ShowRepeats(TRepeatsDialog& dialog) override;

 private:
  // A window that keeps its placement in the view-settings file under `section`, run modally.
  void RunModalPlaced(QDialog& dialog, const char* section);
  QMainWindow& window_;
  std::array<QLabel*, StatusPanelCount> panels_{};
  WaitWindow* wait_;
  ProgressWindow* progress_;
};

}  // namespace kavrin::gui
