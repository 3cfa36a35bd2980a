#pragma once
// The user as the application object sees it. The desktop window, the console of kavrin-cli and
// the scripted host of the tests implement it, so every message and question is testable.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/startup.h"
#include "combs/combdetails.h"
#include "combs/generate.h"
#include "core/config.h"
#include "core/drawlist.h"
#include "core/proxylist.h"
#include "core/inifile.h"
#include "core/viewsettings.h"
#include "online/scriptview.h"
#include "online/updatecheck.h"
#include "scenarios/scriptdialogs.h"
#include "stakes/graphdata.h"
#include "stakes/regulars.h"
#include "stakes/stakedialogs.h"
#include "stats/favoritesmanager.h"
#include "systems/systemcatalog.h"
#include "views/repeats.h"

namespace kavrin {

inline constexpr int StatusPanelCount = 7;
enum StatusPanel { PanelDraws = 0, PanelNextDraw = 1, PanelNextNumbers = 2, PanelCombs = 3, PanelStakes = 4,
                   PanelRating = 5, PanelOperation = 6 };

// The views whose data the application object changes. A window resets exactly the view named
// in UiHost::ViewChanged; the data itself is read from the application object.
enum class TView {
  DrawsList,      // the archive list
  CombsList,      // the combination list
  Filters,        // the applied-filters list under the combination list
  Statistics,     // the statistics table and its chart
  Stakes,         // the stakes grid
  Ratings,        // the rating list
  Tables,         // the regular stakes list
  Systems,        // the systems list
  ScriptLines,    // the scenario list and its status bar
  ScriptCatalog,  // the online scenario catalog panel
  DrawsGraph,     // the draw views
  Card,
  Layout,
  LayoutCompare,
  Week,
};

// What the method description window shows of a statistic method.
struct TMethodDescription {
  std::string Code;
  std::string Caption;
  std::string Group;     // the group's title
  std::string Features;  // the feature letters, such as "SNDPG"
  std::string HelpAddress;  // the help page; empty without a viewer for the help file
};
// The description of registry entry `entry`, with its help page when `withHelpPage`.
TMethodDescription DescribeMethod(const TStatList& stats, int entry, bool withHelpPage);

// Every window, chooser and input box defaults to "cancelled" (and every display to nothing), so a
// host overrides only what it shows; the boxes, the question and the status panels each host must
// decide on.
class UiHost {
 public:
  virtual ~UiHost() = default;

  // Boxes; texts may hold "\r" line breaks.
  virtual void ShowError(const std::string& text) = 0;                               // caption "Ошибка"
  virtual void ShowInfo(const std::string& text) = 0;                                // caption "Информация"
  virtual void ShowWarning(const std::string& text, const std::string& caption) = 0;  // "Внимание!" or "Предупреждение"
  // Yes/No question; `defaultYes` chooses the default button.
  virtual bool Ask(const std::string& text, const std::string& caption, bool defaultYes) = 0;

  // Input boxes; false when cancelled.
  virtual bool InputNumber(const std::string& caption, const std::string& prompt, int min, int max, int& value) {
    return false;
  }
  virtual bool InputText(const std::string& caption, const std::string& prompt, std::string& value) { return false; }
  // File choosers with a filter such as "Файлы тиражей (*.csv)|*.csv"; false when cancelled.
  virtual bool ChooseOpenFile(const std::string& filter, const std::string& defaultExt, std::string& path) { return false; }
  virtual bool ChooseSaveFile(const std::string& filter, const std::string& defaultExt, std::string& path) { return false; }

  // The draw dialog: returns only fields that DrawFromDialog accepts, or false when cancelled.
  virtual bool EditDraw(const std::string& caption, TDrawDialogFields& fields) { return false; }

  virtual void SetStatus(int panel, const std::string& text) = 0;
  // The data shown by `view` changed (rows added, removed or rewritten); a host without that
  // view ignores it.
  virtual void ViewChanged(TView view) {}
  virtual void ProgressStart(const std::string& text, int steps) {}
  virtual void ProgressStep(int step) {}
  virtual void ProgressEnd() {}
  // Lets the window repaint and take the stop command during long operations.
  virtual void ProcessEvents() {}
  virtual void OpenUrl(const std::string& url) {}
  // The small borderless wait window of downloads: shown with the text (which may hold "\r"
  // breaks), closed by an empty text. A host without such a window ignores it.
  virtual void SetWaitText(const std::string& text) {}

  // The clipboard as text; GetClipboardText is false when it holds no text.
  virtual bool GetClipboardText(std::string& text) { return false; }
  virtual void SetClipboardText(const std::string& text) {}
  // The generation dialog, prefilled with the saved parameters; false when cancelled.
  virtual bool EditGenerate(TGenerateDialogFields& fields) { return false; }
  // The detail view "Подробная информация".
  virtual void ShowDetails(const TDetailsView& view) {}
  // The favourites manager dialog; true when the user confirmed it (the caller then applies it).
  virtual bool EditFavorites(TFavoritesManager& manager) { return false; }

  // The stake dialogs. Each returns only fields its validation accepts (a refused OK shows the
  // message and keeps the dialog open), or false when cancelled. The stake dialog (caption
  // StakeDialogCaption) edits all fields, the multi-stake dialog all but the numbers.
  virtual bool EditStake(TStakeDialogFields& fields) { return false; }
  virtual bool EditMultiStake(TStakeDialogFields& fields) { return false; }
  // The condition dialog of deletion by condition: mode 0..4 and overlap count 0..5.
  virtual bool ChooseStakeCondition(int& mode, int& threshold) { return false; }
  // The regular stake dialog for `selected` combinations selected in the working list; a comment
  // already used by one of `existing` is refused.
  virtual bool EditRegular(TRegularDialogFields& fields, int selected, const TTableStakesArray& existing) { return false; }
  // A graph window, shown modally.
  virtual void ShowGraph(const TGraphData& graph) {}
  // The repeats analysis dialog (caption RepeatsCaption), modal, opened with its first result;
  // the user's parameters go back through `dialog`, which recomputes through dialog.Calculate.
  // A host without it ignores it.
  virtual void ShowRepeats(TRepeatsDialog& dialog) {}

  // ---- the scenario tab's dialogs; a host without them cancels them ----
  // The line dialog "Элемент сценария" titled `caption`; its filter fields call
  // fields.EditFilter. False when cancelled.
  virtual bool EditScriptLine(const std::string& caption, TScriptLineDialogFields& fields) { return false; }
  // The filter dialog "Фильтр": OK returns only a filter that `validate` accepts (a refusal shows
  // its message, focuses its field and keeps the dialog open). False when cancelled.
  using TFilterDialogCheck = std::function<TFilterCheck(const TFilterItem&)>;
  virtual bool EditFilter(TFilterItem& filter, const TFilterDialogCheck& validate) { return false; }
  // Brings the tab with this caption to the front; a host without tabs ignores it.
  virtual void ShowTab(const std::string& caption) {}

  // ---- the maker's online services; a host without these windows cancels them ----
  // The system dialog (caption SystemDialogCaption). Editable: OK normalises the combinations
  // and returns only fields that ValidateSystemDialog accepts (a refusal shows its message and
  // keeps the dialog open). Read-only: only "Закрыть окно", and false.
  virtual bool EditSystem(TSystemDialogFields& fields, bool editable) { return false; }
  // The scenario properties dialog (caption ScriptPropertiesCaption). Editable: OK returns only
  // fields that `validate` accepts (a refusal shows its message and keeps the dialog open).
  // Read-only: OK hidden, and false.
  using TScriptDialogCheck = std::function<std::optional<TScriptDialogError>(const tScriptData&)>;
  virtual bool EditScriptProperties(tScriptData& fields, bool editable, const TScriptDialogCheck& validate) {
    return false;
  }
  // The ratings window "Оценки пользователей", shown modally.
  virtual void ShowScriptRates(const std::vector<TScriptRate>& rates) {}
  // The update question window "Найдена новая версия программы"; true for "Установить".
  virtual bool AskInstallUpdate(const TUpdateOffer& offer) { return false; }

  // ---- the main window's life; a host without a window ignores them ----
  virtual void SetCaption(const std::string& caption) {}
  // The system's menu font face with the Cyrillic character set.
  virtual void UseMenuFont() {}
  // Shows or hides the optional tabs as the settings say (Tab…, SystemsEnabled) and the systems
  // menu with its two play commands.
  virtual void ApplyTabVisibility(const TViewSettings& view, bool systemsMenuShown) {}
  // Window placement, column widths and the sort settings of the lists the window keeps itself,
  // read at start-up and written at shut-down in the view-settings file.
  virtual void RestoreLayout(const TIniFile& ini) {}
  virtual void StoreLayout(TIniFile& ini) {}
  // The program must end: the window closes (shut-down follows) or the console returns.
  virtual void Quit() {}
  // "О программе".
  virtual void ShowAbout(const std::string& title, const std::string& version) {}
  // "Справочная информация"; the buttons call `openHelp` or OpenUrl. True when closed with
  // "Больше не показывать данный диалог" ticked.
  virtual bool ShowFirstRun(const TFirstRunDialog& dialog, const std::function<void()>& openHelp) { return false; }
  // The settings dialog "Параметры системы" on a copy of the settings (segment cells go through
  // SegmentCellValue) and the shredding formulas dialog; false when cancelled.
  virtual bool EditConfig(TConfigData& config) { return false; }
  virtual bool EditShredding(TShreddingConfig& shredding) { return false; }
  // The proxy dialog "Параметры proxy-сервера": OK returns only fields that ProxyFromDialog accepts
  // (a refusal shows its message and keeps the dialog open). False when cancelled.
  virtual bool EditProxy(TProxyDialogFields& fields) { return false; }
  // Whether the help file's pages can be shown (a viewer for the compiled help exists).
  virtual bool CanShowHelpPages() const { return false; }
  // The method description window: the method's code, caption, group and features, and the help
  // page's address when a viewer for it exists (empty otherwise).
  virtual void ShowMethodDescription(const TMethodDescription& description) {}
};

}  // namespace kavrin
