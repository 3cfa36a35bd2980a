// Start-up in two phases, the close request and shut-down, and the program's own commands (help,
// about, links, start-up download mode, update check with restart).
#include <cstdlib>
#include <ctime>

#include "app/templatemain.h"
#include "core/errors.h"
#include "online/languages.h"
#include "online/updatecheck.h"

namespace kavrin {

namespace {

constexpr char ApplicationTitle[] = "Kavrin 5x50";

}  // namespace

bool TTemplateMain::StartPhase1() {
  bool started = false;
  Guarded(StartErrorPrefix, [&] {
    host_.UseMenuFont();
    SetOperationText("");
    Proxy = TProxy{};
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    Combs.CombsList.Clear();
    Combs.CombsUndoList.Clear();
    Combs.CombsBuffer.Clear();

    // The predecessor may still be writing the data files; if it never ends, this run touches
    // none of them.
    if (Switches.Restart && !WaitForPredecessor(*Processes, [&] { host_.ProcessEvents(); })) {
      quitRequested_ = true;
      host_.Quit();
      return;
    }

    // Reading only: the data folder may belong to another running instance, which phase 2 finds
    // out before anything is written.
    LoadViewSettings();
    if (Switches.NoLanguage) View.Language = TViewSettings{}.Language;
    host_.SetCaption(ApplicationTitle);
    // Only the built-in Russian texts exist: a language this program does not know is Russian.
    const std::string language = LanguageAbbreviation(View.Language);
    Stats.HelpFile = FindHelpFile(ProgramFolder, language.empty() ? "RUS" : language);

    Combs.BufferInvalidate();
    ScriptRunState = {};
    RefreshSuspended = false;
    ScriptLines.clear();

    host_.ApplyTabVisibility(View, false);
    Guarded("Ошибка загрузки параметров программы!", [&] {
      const TIniFile ini(DataPath(ViewSettingsFileName));
      TListSort statSort;
      if (LoadListSort(ini, MainWindowSection, "lvDrawsStat", statSort)) {
        StatPage.Table.SortColumn = statSort.Column;
        StatPage.Table.SortDescending = statSort.Direction != 0;
      }
      LoadListSort(ini, MainWindowSection, "lvRatings", RatingsSortOrder);
      host_.RestoreLayout(ini);
    });

    LoadConfig();
    InitStatistics();
    StatPage.WindowLength = View.DrawsStatLen;
    started = true;
  });
  return started && !quitRequested_;
}

bool TTemplateMain::LockDataFolder() {
  if (!StakesOpenAtStart()) return false;
  ownsDataFolder_ = true;
  // Leftover temporary files of writes that an earlier run could not finish are removed here:
  // from this point on this instance alone writes in the data folder.
  if (firstRunPending_) {
    Guarded("Ошибка сохранения параметров программы!", [&] {
      TIniFile ini(DataPath(ViewSettingsFileName));
      if (InitPrefetchsOnFirstRun(ini, View)) ini.UpdateFile();
    });
    firstRunPending_ = false;
  }
  return true;
}

bool TTemplateMain::StartPhase2() {
  Guarded(InitErrorPrefix, [&] {
    TOperation operation(*this, "Инициализация...");
    Combs.ReserveFullSet();
    MatchTable();
    host_.SetCaption(std::string(ApplicationTitle) + " версия " + ApplicationVersion());
    SetDrawsOffset(0);
    if (!LockDataFolder()) {
      quitRequested_ = true;
      return;
    }
    // Only once the folder is ours: another running program may be writing its temporaries.
    RemoveLeftoverTempFiles();
    LoadArchive();
    CombsGenerate(Generate, true);
    RefreshViews(true);
    RatingsLoad();
    TablesLoad();
    ScriptAutoLoad();

    const bool quitsAfterLoading = Switches.LoadOnly || Switches.FullRecreate || Switches.FullRefresh;
    if (!quitsAfterLoading) {
      host_.ApplyTabVisibility(View, true);
      // The catalogs live on the maker's server: a console run reaches it only when asked.
      if (Interactive) {
        SystemsSetUp();
        ScriptLibraryLoad();
      }
    }
    if (Switches.LoadOnly) {
      DrawsDownload();
      if (!Switches.FullRecreate && !Switches.FullRefresh) {
        quitRequested_ = true;
        return;
      }
    }
    if (Interactive && SelfUpdateAtStart() == UpdateInstalled) {
      Restart();
      return;
    }
    if (Switches.FullRecreate) {
      FullSetEnsure(true, AllStatGroups);
      quitRequested_ = true;
      return;
    }
    FullSetEnsure(Switches.FullRefresh, 0);
    if (Switches.FullRefresh) {
      quitRequested_ = true;
      return;
    }
    if (Interactive) {
      StartDownload();
      ShowFirstRunDialog();
    }
  });
  if (quitRequested_) host_.Quit();
  return !quitRequested_;
}

void TTemplateMain::StartDownload() {
  switch (View.DownloadDrawsOnStart) {
    case 0:
      if (host_.Ask(StartDownloadQuestion, "Подтверждение", true)) DrawsDownload();
      break;
    case 1:
      DrawsDownload();
      break;
    default:
      break;
  }
}

void TTemplateMain::ShowFirstRunDialog() {
  if (!View.FirstRun) return;
  if (!host_.ShowFirstRun(FirstRunDialog(GetHelpUpdate()), [this] { GetHelpExecute(); })) return;
  View.FirstRun = false;
  StoreViewSetting(&TViewSettings::FirstRun);
}

void TTemplateMain::Restart() {
  Processes->StartProgram(ProgramFile, {"restart"}, ProgramFolder);
  quitRequested_ = true;
  host_.Quit();
}

bool TTemplateMain::CloseQuery() {
  if (!ScriptRunState.Running || ScriptRunState.StopRequested) return true;
  if (!host_.Ask(CloseQueryText, "Подтверждение", false)) return false;
  ScriptRunState.StopRequested = true;
  return true;
}

void TTemplateMain::ShutDown() {
  // The console has no panels or lists whose sizes the user changes.
  if (ownsDataFolder_ && Interactive) {
    View.DrawsStatLen = StatPage.WindowLength;
    SaveViewSettingsAtExit();
    Guarded("Ошибка сохранения параметров программы!", [&] {
      TIniFile ini(DataPath(ViewSettingsFileName));
      host_.StoreLayout(ini);
      StoreListSort(ini, MainWindowSection, "lvDrawsStat",
                    {StatPage.Table.SortColumn, StatPage.Table.SortDescending ? 1 : 0});
      StoreListSort(ini, MainWindowSection, "lvRatings", RatingsSortOrder);
      ini.UpdateFile();
    });
  }
  Combs.CombsList.Clear();
  Combs.CombsUndoList.Clear();
  Combs.CombsBuffer.Clear();
  Archive.ClearDraws();
  if (Stakes.IsOpen()) {
    TOperation operation(*this, "Сохранение файла ставок...");
    Guarded("Ошибка записи в файл ставок!", [&] { Stakes.Close(); });
  }
  ownsDataFolder_ = false;
  SystemsRows.clear();
  Tables.clear();
}

// ---- the program's commands ----

void TTemplateMain::ExitProgramExecute() {
  if (!CloseQuery()) return;
  quitRequested_ = true;
  host_.Quit();
}

bool TTemplateMain::GetHelpUpdate() const { return !Busy() && !Stats.HelpFile.empty() && FileExists(Stats.HelpFile); }

void TTemplateMain::GetHelpExecute() {
  if (GetHelpUpdate()) host_.OpenUrl(Stats.HelpFile);
}

void TTemplateMain::AboutExecute() { host_.ShowAbout(ApplicationTitle, ApplicationVersion()); }

void TTemplateMain::LinkExecute(const std::string& name) {
  const std::string address = LinkAddress(name);
  if (!address.empty()) host_.OpenUrl(address);
}

void TTemplateMain::AutoDownloadExecute(int mode) {
  View.DownloadDrawsOnStart = mode;
  StoreViewSetting(&TViewSettings::DownloadDrawsOnStart);
}

int TTemplateMain::CheckUpdate() {
  const int result = SelfUpdateCheck(Network.UpdateSource, false);
  if (result == UpdateInstalled) Restart();
  return result;
}

void TTemplateMain::CheckUpdateExecute() {
  Guarded("", [&] { CheckUpdate(); });
}

}  // namespace kavrin
