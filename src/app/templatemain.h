#pragma once
// TTemplateMain: the whole program without widgets. It owns the data from start-up to
// shut-down and carries every user command as a pair XxxUpdate() (may it run now?) and
// XxxExecute() (do it). It reaches the user only through UiHost.
#include <array>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/appidentity.h"
#include "app/datadir.h"
#include "app/drawviews.h"
#include "app/startup.h"
#include "app/uihost.h"
#include "combs/combsfeed.h"
#include "combs/combsstore.h"
#include "combs/numberselection.h"
#include "core/archive.h"
#include "core/config.h"
#include "core/fileio.h"
#include "core/format.h"
#include "core/http.h"
#include "core/netconfig.h"
#include "core/progress.h"
#include "core/proxylist.h"
#include "core/viewsettings.h"
#include "scenarios/runlog.h"
#include "scenarios/scenariofile.h"
#include "stats/fullset.h"
#include "stats/statlist.h"
#include "stats/statpage.h"
#include "stakes/rating.h"
#include "stakes/ratingview.h"
#include "stakes/regulars.h"
#include "stakes/stakesfile.h"
#include "systems/service.h"

namespace kavrin {

class TTemplateMain {
 public:
  TTemplateMain(UiHost& host, std::string dataDir);
  virtual ~TTemplateMain() = default;
  TTemplateMain(const TTemplateMain&) = delete;
  TTemplateMain& operator=(const TTemplateMain&) = delete;

  UiHost& Host() { return host_; }
  const std::string& DataDir() const { return dataDir_; }
  std::string DataPath(const std::string& fileName) const;
  // Start-up, once the stakes file's lock is held: the atomic writer's temporary files that an
  // interrupted run left in the data folder, the full-set folder and the systems folder go.
  void RemoveLeftoverTempFiles();

  // ---- busy counter, status bar, progress and the error guard ----
  // A long operation for its lifetime: the busy counter raised (every command is disabled while
  // it is above zero) and, when given, its text in the operation panel. On every exit,
  // exceptions included, the text is cleared (or, for a step inside another operation, the
  // outer operation's text put back) and the counter lowered.
  class TOperation {
   public:
    enum TEnd { ClearText, RestoreText };
    explicit TOperation(TTemplateMain& main) : main_(main), showsText_(false) { ++main_.busy_; }
    TOperation(TTemplateMain& main, const std::string& text, TEnd end = ClearText)
        : main_(main), after_(end == RestoreText ? main.StatusText(PanelOperation) : std::string()) {
      ++main_.busy_;
      main_.SetOperationText(text);
    }
    ~TOperation() {
      if (showsText_) main_.SetOperationText(after_);
      --main_.busy_;
    }
    TOperation(const TOperation&) = delete;
    TOperation& operator=(const TOperation&) = delete;

   private:
    TTemplateMain& main_;
    std::string after_;
    bool showsText_ = true;
  };
  bool Busy() const { return busy_ > 0; }
  // Shows the text in its panel; a changed operation text lets the window process its events.
  void SetStatus(int panel, const std::string& text);
  void SetOperationText(const std::string& text) { SetStatus(PanelOperation, text); }
  const std::string& StatusText(int panel) const { return status_.at(panel); }
  // The one reporter of long operations: status to the operation panel, errors to the error
  // box, the progress window and events to the host, the stop request of a scenario run.
  TProgress& Progress() { return progress_; }
  // Tells the window that a view's data changed.
  void ViewChanged(TView view) { host_.ViewChanged(view); }
  // After a tab's switch: the tabs shown as the settings now say, a tab just switched on in front.
  void TabSwitched(const std::string& caption, bool shown) {
    host_.ApplyTabVisibility(View, true);
    if (shown) host_.ShowTab(caption);
  }

  // Runs `work`; a failure is shown as the prefix followed by "\r\r" and its text, or as its
  // text alone when the prefix is empty. False after a failure.
  template <typename Work>
  bool Guarded(std::string_view prefix, Work&& work) {
    try {
      work();
      return true;
    } catch (const std::exception& e) {
      host_.ShowError(prefix.empty() ? std::string(e.what()) : std::string(prefix) + "\r\r" + e.what());
      return false;
    }
  }

  // ---- start-up and shut-down (lifecycle.cpp) ----
  // The switches of this run, set before phase 1.
  TStartSwitches Switches;
  // A window runs the update check, the start-up download and the first-run dialog, and loads
  // the online catalogs; kavrin-cli reaches the network only when its command asks.
  bool Interactive = true;
  // The operating system as start-up and restart use it; tests substitute it.
  std::unique_ptr<TProcessServices> Processes = SystemProcessServices();
  // The program's own folder and file: the help file's place and what a restart starts.
  std::string ProgramFolder = ProgramDir();
  std::string ProgramFile = JoinPath(ProgramDir(), ProgramFileName);
  // Phase 1, while the window is created: settings only. False when phase 2 must not follow
  // (a failure was shown, or the program must quit).
  bool StartPhase1();
  // Phase 2, once the window is shown: the data. False when the program must quit (the
  // switches ask for it, another instance holds the data folder, a restart was started).
  bool StartPhase2();
  bool QuitRequested() const { return quitRequested_; }
  // The close request: false (the window stays) when a running scenario is not to be stopped.
  bool CloseQuery();
  // What the destruction of the window stores and releases. A run that never held the data
  // folder's lock writes nothing.
  void ShutDown();
  // Starts the program file with the single argument "restart" in the program folder and asks
  // the host to quit; a failure is raised and this instance goes on.
  void Restart();

  bool ExitProgramUpdate() const { return !Busy(); }
  void ExitProgramExecute();
  bool GetHelpUpdate() const;
  void GetHelpExecute();
  bool AboutUpdate() const { return !Busy(); }
  void AboutExecute();
  // The link commands of LinkCommands(), by name.
  bool LinkUpdate() const { return !Busy(); }
  void LinkExecute(const std::string& name);
  // "Автозагрузка при запуске программы": 0 ask, 1 download, 2 nothing.
  bool AutoDownloadUpdate() const { return !Busy(); }
  bool AutoDownloadChecked(int mode) const { return View.DownloadDrawsOnStart == mode; }
  void AutoDownloadExecute(int mode);

  // ---- settings: the view-settings file and the configuration file ----
  TViewSettings View;
  // The statistic registry carries the configuration that results depend on; these name it.
  TStatList Stats;
  TConfigData& Config = Stats.Config;
  TGenerateConfig& Generate = Stats.Generate;
  TShreddingConfig& Shredding = Stats.Shredding;
  TProxy Proxy;

  // Reads the view-settings file; a first run's marker is written only once the data folder's
  // lock is held (phase 2).
  void LoadViewSettings();
  void SaveViewSettingsAtExit();
  // Stores one view setting at once, as the switch commands do.
  void StoreViewSetting(TViewSwitch member);
  void StoreViewSetting(TViewNumber member);
  void LoadConfig();
  bool SaveMainConfig();
  bool SaveGenerateConfig();
  bool SaveShreddingConfig();
  bool SaveProxyConfig(bool withStatus = true);

  // ---- the draw archive ----
  TDrawArchive Archive;
  void LoadArchive();
  bool SaveArchive();
  // Recomputes the next-draw marks and the archive status panels.
  void UpdateArchiveList(bool force);
  int DrawsOffset() const { return Archive.Offset(); }
  void SetDrawsOffset(int offset);
  bool RefreshSuspended = false;
  // Recomputes the analysis views; does nothing while refresh is suspended.
  virtual void RefreshViews(bool force);
  // Appends a draw as the draw dialog's OK does: save, then refresh.
  void AppendDraw(const TDrawRec& draw);

  // The draw card, number schema, weekday statistics and analysis graphs.
  TDrawViews DrawViews{*this};

  // ---- statistics ----
  TStatPage StatPage{Stats};
  TStatKindList GraphKinds{"cbGraphKind"};  // the graph kind list of the graphs page
  // Start-up: points the registry at the archive, builds the method list, reads the favourites
  // file and fills the kind lists with their first entries selected.
  void InitStatistics();
  // The statistics table of the page at the current offset and order switch.
  void StatCalculate(bool force);
  bool StatRefreshUpdate() const { return !Busy() && Archive.Count() > 0 && StatPage.Kinds.SelectedEntry() >= 0; }
  void StatRefreshExecute() { StatCalculate(true); }
  // Another kind chosen in the statistics kind list.
  void StatKindChange(int position);
  // The value a graph entry gives for a combination valued as the draw after the analysis end.
  int32_t StatCombinationValue(int entry, const TComb& comb);
  // The same for an instance already created (a graph method).
  int32_t StatCombinationValue(TCustomStat& stat, const TComb& comb);
  // The listed graph methods' values as detail rows; `valueOf` computes one method's value.
  void AddGraphValues(TDetailsView& view, const std::function<int32_t(TCustomGraphStat&)>& valueOf);
  // Selected rows of the statistics table, in row order.
  std::vector<int> StatSelection;

  // ---- method list, favourites and full-set files (statscommands.cpp) ----
  // Saves the favourites file, rebuilds the method list from the registration table (index
  // ranges and formulas take the configuration's values), reads the favourites back and refills
  // the kind lists.
  void StatRebuildMethods(bool keepSelection);
  // Builds the missing full-set files (those of `groups` rebuilt) when forced or when the
  // comparison option is on; returns the entries whose files were written.
  std::vector<int> FullSetEnsure(bool force, TStatGroupSet groups);
  // OK of the configuration dialog and of the shredding formulas dialog with the edited values.
  void ConfigConfirm(const TConfigData& edited);
  void ShreddingConfirm(const TShreddingConfig& edited);
  // "Использовать сравнение с полным набором комбинаций".
  bool StatFullSetUpdate() const { return !Busy(); }
  bool StatFullSetChecked() const { return View.PrefetchsEnabled; }
  void StatFullSetExecute();
  // "Избранные статистики" and "Все доступные статистики".
  bool StatFavoritesUpdate() const { return !Busy(); }
  void StatFavoritesExecute();
  bool StatAllMethodsUpdate() const { return !Busy(); }
  void StatAllMethodsExecute();
  // "График идеального распределения": the total line of the chart, only with the comparison on.
  bool StatTotalLineUpdate() const { return !Busy() && View.PrefetchsEnabled; }
  bool StatTotalLineChecked() const { return View.ShowTotalLine; }
  void StatTotalLineExecute();
  // Enter in the window length field (1..2147483647): kept for the next start, then as a kind change.
  void StatWindowLengthChange(int length);
  // "Описание статистики" of the selected kind.
  bool StatDescriptionUpdate() const { return !Busy() && StatPage.Kinds.SelectedEntry() >= 0; }
  void StatDescriptionExecute();
  // "Экспорт статистики в Microsoft Excel": the table as shown, titled "Статистика".
  bool StatXlsExportUpdate() const { return !Busy() && !StatPage.Table.Rows.empty(); }
  void StatXlsExportExecute();
  // "Параметры" and "Формулы шинковки": the dialogs, then ConfigConfirm / ShreddingConfirm.
  bool EditConfigUpdate() const { return !Busy(); }
  void EditConfigExecute();
  bool EditShreddingUpdate() const { return !Busy(); }
  void EditShreddingExecute();

  // Selected rows of the archive list, as positions (0 = newest).
  std::vector<int> DrawsSelection;

  // ---- archive commands ----
  bool DrawsAddUpdate() const { return !Busy(); }
  void DrawsAddExecute();
  bool DrawsEditUpdate() const { return !Busy() && DrawsSelection.size() == 1; }
  void DrawsEditExecute();
  bool DrawsDelUpdate() const { return !Busy() && !DrawsSelection.empty(); }
  void DrawsDelExecute();
  bool DrawsSortedUpdate() const { return !Busy(); }
  bool DrawsSortedChecked() const { return View.SortedDraws; }
  void DrawsSortedExecute();
  bool ViewColorDrawsUpdate() const { return !Busy(); }
  bool ViewColorDrawsChecked() const { return View.ColorDraws; }
  // "Сведения о тираже": the selected draw with the graph methods' values at that draw.
  bool DrawsInfoUpdate() const { return !Busy() && !DrawsSelection.empty(); }
  void DrawsInfoExecute();
  void ViewColorDrawsExecute();
  bool DrawsImportUpdate() const { return !Busy(); }
  void DrawsImportExecute();
  bool DrawsExportUpdate() const { return !Busy() && Archive.Count() > 0; }
  void DrawsExportExecute();
  // The archive list as a spreadsheet, with the colours the list shows.
  bool DrawsXlsExportUpdate() const { return !Busy() && Archive.Count() > 0; }
  void DrawsXlsExportExecute();
  // The two commands after the file was chosen; they return the number of draws appended or
  // written, or -1 after showing the failure.
  int DrawsImportFile(const std::string& path);
  int DrawsExportFile(const std::string& path);

  // ---- the combination lists (current list, undo copy, start-list buffer, history) ----
  TCombsStore Combs;
  // Selected rows of the combination list, kept within the list.
  TRowSelection CombsSelection;
  // While a backtest pass runs with results computed ahead: generation and the filter by values
  // take their lists from it (or, on the copy that computes them, record them there).
  TCombsFeed* CombsFeed = nullptr;

  // Replaces the list with the generation mode's combinations, or with the list file named by
  // the parameters in mode 4 (a read error keeps what was read). With progress: busy state and
  // status text, then no history, no undo and no buffer, and the count shown. False after a
  // failure was shown.
  bool CombsGenerate(const TGenerateConfig& params, bool progress);
  // Copies the list into the undo copy; false after a failure was shown (the copy is then not
  // the list, and the caller must not go on).
  bool CombsTakeUndoCopy(bool withStatus);
  // The same for an operation that rebuilds the whole list from the copy next: the storages trade
  // places, so the list must be rebuilt before anything reads it.
  bool CombsTakeUndoForRebuild(bool withStatus);
  void CombsUndo(bool withStatus);
  // Rebuilds the list from the undo copy without the combinations of the last N draws at the
  // analysis offset, and appends the history row "Последние тиражи".
  void CombsRemoveLastDraws(int lastDraws);
  // Rebuilds the list from the undo copy (taken by the caller just before) with the combinations
  // that carry one of `selected` (Include) or none of them (Exclude), as `stat` tests them at the
  // analysis offset, and appends the history row. No selected value leaves the list as it is;
  // an empty undo copy leaves the list empty and adds no row. False after a failure was shown
  // (the list is then unchanged).
  bool CombsFilter(TCustomStat& stat, const TStatDrawArray& selected, TFilterMode mode, const std::string& caption,
                   const std::string& valuesText);
  // The filter by numbers of the card, schema and weekday views: `collect` gives the selected
  // numbers (its failure is shown and nothing changes), then the undo copy, then the filter by
  // the draw numbers statistic; `caption` is the view's tab caption.
  void CombsFilterNumbers(TFilterMode mode, const std::string& caption,
                          const std::function<TSelectedNumbers()>& collect);
  void CombsBufferStore(int drawsOffset, int excluded);
  bool CombsBufferLoad(int drawsOffset, int excluded);
  void CombsBufferInvalidate() { Combs.BufferInvalidate(); }
  // After every change of the list: the count panel, and the selection kept within the list.
  void CombsRefresh();
  // The list-file commands after the file was chosen; false after a failure was shown.
  bool CombsOpenFile(const std::string& path);
  bool CombsSaveFile(const std::string& path);

  // ---- combination list commands ----
  bool CombsGenUpdate() const { return !Busy(); }
  void CombsGenExecute();
  bool CombsOpenUpdate() const { return !Busy(); }
  void CombsOpenExecute();
  bool CombsSaveUpdate() const { return !Busy() && !Combs.CombsList.Empty(); }
  void CombsSaveExecute();
  bool CombsCopyUpdate() const { return !Busy() && !Combs.CombsList.Empty(); }
  void CombsCopyExecute();
  bool CombsPasteUpdate() const;
  void CombsPasteExecute();
  bool CombsSelectAllUpdate() const { return !Busy() && !Combs.CombsList.Empty(); }
  void CombsSelectAllExecute();
  bool CombsCheckNumsUpdate() const { return !Busy(); }
  void CombsCheckNumsExecute();
  bool CombsFindInDrawsUpdate() const { return !Busy() && !CombsSelection.Empty(); }
  void CombsFindInDrawsExecute();
  bool CombsInfoUpdate() const { return !Busy() && !CombsSelection.Empty(); }
  void CombsInfoExecute();
  // "Выделять каналы в списке комбинаций".
  bool ViewColorCombsUpdate() const { return !Busy(); }
  bool ViewColorCombsChecked() const { return View.ColorCombs; }
  void ViewColorCombsExecute();
  bool CombsDelExistsUpdate() const {
    return !Busy() && !Combs.CombsList.Empty() && Archive.Count() > 0 && View.DrawsExclude > 0;
  }
  void CombsDelExistsExecute();
  bool CombsDelSelectedUpdate() const { return !Busy() && !Combs.CombsList.Empty() && !CombsSelection.Empty(); }
  void CombsDelSelectedExecute();
  bool CombsUndoUpdate() const { return !Busy() && !Combs.CombsUndoList.Empty(); }
  void CombsUndoExecute();
  // The filter by values: the selected rows of the statistics table, tested by the method chosen
  // in the statistics kind list.
  bool StatFilterUpdate() const { return !Busy() && !Combs.CombsList.Empty() && !StatSelection.empty(); }
  bool StatFilter_IncludeUpdate() const { return StatFilterUpdate(); }
  void StatFilter_IncludeExecute() { StatFilterExecute(TFilterMode::Include); }
  bool StatFilter_ExcludeUpdate() const { return StatFilterUpdate(); }
  void StatFilter_ExcludeExecute() { StatFilterExecute(TFilterMode::Exclude); }
  void StatFilterExecute(TFilterMode mode);

  // ---- stakes: the stakes file, stake creation and logs (stakescommands.cpp) ----
  // Open from start-up to shut-down with an exclusive lock: the single-instance guard.
  TStakesFile Stakes;
  // Selected records of the stakes view (0 = the first record of the file), ascending.
  std::vector<int64_t> StakesSelection;

  // Start-up: opens the stakes file and applies the version rule; false when it cannot be
  // opened, after the message.
  bool StakesLoad();
  // StakesLoad, and on failure the no-exclusive-access message: the program must then quit.
  bool StakesOpenAtStart();
  void StakesSave();
  bool StakesReopen();
  bool StakesNotEmpty() const { return Stakes.NotEmpty(); }
  // Each shows its failure and then gives a zero-filled record, false or nothing.
  TStakeData StakesReadRecord(TSeekOrigin origin, int64_t index);
  bool StakesWriteRecord(TSeekOrigin origin, int64_t index, const TStakeData& stake);
  bool StakesFind(int drawNumber, const TNumberSet& numbers);
  bool StakesAppend(const TStakeData& stake, int draws);
  // Result checking; true when at least one stake became checked (each one went through the
  // rating and the stake log).
  bool StakesCheck();
  // StakesCheck and, when it checked some, the reopen and the rating's sort and save.
  bool StakesCheckAndCommit();
  bool StakesDeleteRows(int64_t first, int64_t last);
  bool StakesDeleteByCondition(int mode, int threshold);
  void StakesRefreshView(bool refresh, bool selectLast);
  void StakesResetView();
  // A new stake for the next draw at the analysis offset, priced, with the working list's size.
  TStakeData NewStake(TStakeKind kind, const TNumberSet& numbers, const std::string& comment) const;
  bool StakesAddOne(const TStakeData& stake, int draws);
  bool StakesAddMany(const TStakeData& stake, int draws, bool batch);
  // A separator when the file ends with a stake, so that a run's stakes form one block.
  void StakesStartBatch();
  // What the scenario engine hands over with each stake, and the stakes it has made so far.
  struct TScenarioStakes {
    std::string Comment;
    bool NewOnly = false;
    std::function<void(const std::string&)> Log;     // the scenario log; empty when it is off
    std::function<void(const std::string&)> Status;  // the stake panel of the scenario status bar
    int Made = 0;
    std::chrono::steady_clock::time_point LastShown{};
  };
  bool StakesAddFromScenario(const TNumberSet& numbers, bool batch, TScenarioStakes& scenario);
  void StakesLogWrite(const TStakeData& stake);

  bool StakeAddUpdate() const { return !Busy() && Stakes.IsOpen(); }
  void StakeAddExecute();
  bool StakeAddRandomUpdate() const { return !Busy() && !Combs.CombsList.Empty() && Stakes.IsOpen(); }
  void StakeAddRandomExecute();
  bool StakeAddSelectedUpdate() const { return !Busy() && !CombsSelection.Empty() && Stakes.IsOpen(); }
  void StakeAddSelectedExecute();
  bool StakeAddAllUpdate() const { return !Busy() && !Combs.CombsList.Empty() && Stakes.IsOpen(); }
  void StakeAddAllExecute();
  bool StakeDelUpdate() const { return !Busy() && StakesNotEmpty() && !StakesSelection.empty(); }
  void StakeDelExecute();
  bool StakeFilterUpdate() const { return !Busy() && StakesNotEmpty(); }
  void StakeFilterExecute();
  bool StakeClearUpdate() const { return !Busy() && StakesNotEmpty(); }
  void StakeClearExecute();
  bool StakesCheckManualUpdate() const { return !Busy() && StakesNotEmpty(); }
  void StakesCheckManualExecute();
  bool LogStakesUpdate() const { return !Busy(); }
  bool LogStakesChecked() const { return View.StakesLogEnabled; }
  void LogStakesExecute();
  bool StakesScrollUpdate() const { return !Busy(); }
  bool StakesScrollChecked() const { return View.StakesScrollEnabled; }
  void StakesScrollExecute();
  bool StakesCheckLineUpdate() const { return !Busy(); }
  bool StakesCheckLineChecked() const { return View.StakesCheckOnLine; }
  void StakesCheckLineExecute();
  bool LogStakesDeleteUpdate() const { return !Busy(); }
  void LogStakesDeleteExecute();
  // The stakes table with its colours, as the grid shows it, for the spreadsheet export.
  TExportTable StakesExportTable();
  bool StakesXlsExportUpdate() const { return !Busy() && StakesNotEmpty(); }
  void StakesXlsExportExecute();

  // ---- the rating (ratingcommands.cpp) ----
  TRatingsArray Ratings;
  TLoadState RatingsFileState;  // a rating file that could not be read is never rewritten
  TListSort RatingsSortOrder{3, 1};  // the view's column and direction (1 = descending)
  std::vector<int> RatingsSelection;  // selected rows of the rating view
  // Reads the file and sorts the rows by the view's order, in memory only: reading writes nothing.
  void RatingsLoad();
  void RatingsSave();
  // Sorts and saves.
  void RatingsSort(int column, int direction);
  void RatingsRefreshView();
  // The cells of a view row; "# bad data #" for a row the rating does not have.
  std::array<std::string, RatingsColumnCount> RatingsRowText(int row) const;
  bool RatingsRefreshUpdate() const { return !Busy() && Stakes.IsOpen(); }
  void RatingsRefreshExecute();
  bool RatingsExportUpdate() const { return !Busy() && !Ratings.empty(); }
  void RatingsExportExecute();
  bool RatingsExportFile(const std::string& path);
  bool RatingsEffModeUpdate() const { return !Busy(); }
  bool RatingsEffModeChecked(int mode) const { return View.RatingsEffMode == mode; }
  void RatingsEffModeExecute(int mode);
  bool StakesGraphDrawsUpdate() const { return !Busy() && StakesNotEmpty(); }
  void StakesGraphDrawsExecute();
  bool StakesGraphOverlapUpdate() const { return !Busy() && StakesNotEmpty() && !RatingsSelection.empty(); }
  void StakesGraphOverlapExecute();
  bool StakesGraphProfitsUpdate() const { return StakesGraphOverlapUpdate(); }
  void StakesGraphProfitsExecute();
  bool RatingsGraphOverlapUpdate() const { return !Busy() && !RatingsSelection.empty(); }
  void RatingsGraphOverlapExecute();
  // The rating list as the view shows it, for the spreadsheet export.
  TExportTable RatingsExportTable() const;
  bool RatingsXlsExportUpdate() const { return !Busy() && !Ratings.empty(); }
  void RatingsXlsExportExecute();

  // ---- regular stakes (tablescommands.cpp); read and written only while their tab is shown ----
  TTableStakesArray Tables;
  TLoadState TablesFileState;
  std::vector<int> TablesSelection;  // selected rows of the regular stakes view
  void TablesLoad();
  void TablesSave();
  bool TabTablesUpdate() const { return !Busy(); }
  bool TabTablesChecked() const { return View.TabTables; }
  void TabTablesExecute();
  bool TablesAddUpdate() const { return !Busy() && View.TabTables; }
  void TablesAddExecute();
  bool TablesDelUpdate() const { return TablesAddUpdate() && !TablesSelection.empty(); }
  void TablesDelExecute();
  bool TablesStakeAddUpdate() const { return TablesDelUpdate(); }
  void TablesStakeAddExecute();
  bool TablesStakeTestUpdate() const { return TablesDelUpdate(); }
  void TablesStakeTestExecute();
  // The test after the number of tests was entered: stakes for the last `tests` draws.
  void TablesStakeTestRun(int tests);

  // ---- system play over the local systems folder (systemcommands.cpp) ----
  // The system for exactly these numbers mapped onto them; false after the message (the short
  // form of a missing system's message is also returned for the scenario log).
  bool SystemLoadForNumbers(const std::vector<uint8_t>& numbers, TCombsArray& combs, std::string& path,
                            std::string& shortMessage);
  bool SystemStakeAllUpdate() const {
    return !Busy() && View.SystemsEnabled && !Combs.CombsList.Empty() && Stakes.IsOpen();
  }
  void SystemStakeAllExecute();
  bool SystemStakeFilterUpdate() const { return SystemStakeAllUpdate(); }
  void SystemStakeFilterExecute();

  // ---- draw download and proxies (drawsdownload.cpp) ----
  TNetworkConfig Network;
  bool ProxyStored = true;  // Proxy holds what the PROXY section of the configuration file holds
  // How many retry questions a failing batch may get; 0 asks every time. kavrin-cli --yes sets
  // one so that a dead site cannot keep it running for ever.
  int DownloadRetryLimit = 0;
  struct TDownloadOutcome {
    int Appended = 0;
    bool Failed = false;  // a batch failed and was not retried
    std::string Error;    // that batch's failure
  };
  bool DrawsDownloadUpdate() const { return !Busy(); }
  TDownloadOutcome DrawsDownload();
  void DrawsDownloadExecute() { DrawsDownload(); }
  // Reads draws first..last from the operator's archive and appends them to the archive in
  // memory (not saved); returns how many. Failures are raised. The generic window has no draw
  // source and appends nothing.
  virtual int DownloadRange(int first, int last);
  // One GET through the current proxy choice; with `decode` the body is read as UTF-8. Empty,
  // without a request, when the automatic choice found no proxy. Failures are raised.
  std::string HttpGetText(const std::string& address, bool decode);
  bool EditProxyUpdate() const { return !Busy(); }
  // The proxy dialog's OK: false, after showing why, when the fields are refused; otherwise the
  // settings are taken and stored at once.
  bool EditProxyApply(const TProxyDialogFields& fields);
  void EditProxyExecute();

  // ---- the maker's online services (onlinesystemscommands.cpp, scriptlibrarycommands.cpp,
  //      selfupdatecommands.cpp) ----
  // Who is asking, and where the two services are, as the configuration says.
  TServiceIdentity ServiceIdentity() const;
  TMakerService SystemsService() const;
  TMakerService ScriptsService() const;

  // The systems tab: catalog rows in the service's order, and the selected rows as indexes in
  // the view's order (the first one is "the selected row").
  std::vector<TSystemRow> SystemsRows;
  std::vector<int> SystemsSelection;
  // Reloads the catalog, keeping the selected system selected, and brings stale local copies
  // up to date.
  void SystemsRefresh();
  // The system's combinations into its local file; false after the message.
  bool SystemDownload(const tSystemInfo& info);
  // Start-up: loads the catalog when the tab is shown.
  void SystemsSetUp();
  bool SystemsOnUpdate() const { return !Busy(); }
  bool SystemsOnChecked() const { return View.SystemsEnabled; }
  void SystemsOnExecute();
  bool SystemsRefreshUpdate() const { return !Busy() && View.SystemsEnabled; }
  void SystemsRefreshExecute() { SystemsRefresh(); }
  bool SystemsDownloadUpdate() const { return SystemsRefreshUpdate() && !SystemsSelection.empty(); }
  void SystemsDownloadExecute();
  bool SystemsAddUpdate() const { return SystemsRefreshUpdate(); }
  void SystemsAddExecute();
  bool SystemsPropUpdate() const { return SystemsDownloadUpdate(); }
  void SystemsPropExecute();
  bool SystemsDelUpdate() const;
  void SystemsDelExecute();

  // The scenario catalog panel: rows in the service's order and the selected row (-1: none).
  std::vector<tScriptInfo> ScriptsRows;
  int ScriptsSelected = -1;
  // Reloads the catalog with the stored filter, keeping the selected scenario selected.
  void ScriptLibraryLoad();
  // Another filter chosen in the drop-down: stored and the catalog reloaded.
  void ScriptLibraryFilterChange(int index);
  bool ScriptLibraryUpdate() const { return !Busy(); }
  bool ScriptLibraryChecked() const { return View.ScriptLibraryOn; }
  void ScriptLibraryExecute();
  bool ScriptLibraryRefreshUpdate() const { return !Busy() && View.ScriptLibraryOn; }
  void ScriptLibraryRefreshExecute() { ScriptLibraryLoad(); }
  bool ScriptLibraryDownloadUpdate() const;
  void ScriptLibraryDownloadExecute();
  bool ScriptLibraryUploadUpdate() const { return ScriptLibraryRefreshUpdate() && !ScriptLines.empty(); }
  void ScriptLibraryUploadExecute();
  bool ScriptLibraryReplaceUpdate() const;
  void ScriptLibraryReplaceExecute();
  bool ScriptLibraryDeleteUpdate() const;
  void ScriptLibraryDeleteExecute();
  bool ScriptLibraryViewUpdate() const { return ScriptLibraryRefreshUpdate() && SelectedScript() != nullptr; }
  void ScriptLibraryViewExecute();
  bool ScriptLibraryRatesUpdate() const { return ScriptLibraryViewUpdate(); }
  void ScriptLibraryRatesExecute();
  // The rating commands: 1..5 rate (asking for a comment), 0 removes the user's rating, -1 hides
  // the scenario ("Скрыть сценарий").
  bool ScriptLibraryRateUpdate(int value) const;
  bool ScriptLibraryRateChecked(int value) const;
  void ScriptLibraryRateExecute(int value);
  const tScriptInfo* SelectedScript() const;

  // Self-update: the folder whose files an update replaces (the program's own), and the
  // longest wait for a program an update runs.
  std::string UpdateFolder = ProgramDir();
  int UpdateProcessTimeoutMs = 60000;
  // A TSelfUpdateResult; 1 means the program must restart.
  int SelfUpdateCheck(const std::string& source, bool silent);
  // Start-up: the silent check when automatic updates are on.
  int SelfUpdateAtStart();
  bool CheckUpdateUpdate() const { return !Busy(); }
  // The manual check; a prepared update restarts the program. Returns the TSelfUpdateResult.
  int CheckUpdate();
  void CheckUpdateExecute();
  bool AutoSelfUpdateUpdate() const { return !Busy(); }
  bool AutoSelfUpdateChecked() const { return View.AutoUpdates; }
  void AutoSelfUpdateExecute();

  // ---- scenario: lines, files, editing, run log (scenariocommands.cpp) ----
  // The scenario's lines, an empty one being a separator. Read it freely; change it only through
  // the operations below, which keep the working file in step with every change.
  TScenarioLines ScriptLines;
  TLoadState ScriptFileState;  // the working file's
  // Selected rows of the scenario view, ascending.
  std::vector<int> ScriptSelection;
  // The scenario tab's first status panel, "Строк: %d".
  std::string ScriptLinesStatus;
  // Appends a line, saves; returns its index.
  int ScriptAppendLine(const std::string& text);
  // Both throw KavrinError "Запись со индексом %d в файле данных не найдена!" for an index
  // outside the scenario; the replacement is saved.
  void ScriptReplaceLine(int index, const std::string& text);
  std::string ScriptGetLine(int index) const;
  // Reads a scenario file into the scenario (appended after a separator, or replacing it);
  // false after the read failure was shown, the scenario unchanged. Does not save.
  bool ScriptLoadFile(const std::string& path, bool append);
  // Writes the scenario; false after the failure was shown.
  bool ScriptSaveFile(const std::string& path);
  // Start-up: the working file, when it exists.
  void ScriptAutoLoad();
  bool ScriptAutoSave();
  // Replaces the whole scenario, writing the working file first: a failed write (thrown as
  // KavrinError) changes nothing.
  void ScriptReplaceAll(const TScenarioLines& lines);
  void ScriptRefreshView();
  // The cells of a view row: comment, options, filters 1 to 7 normalised; empty for a separator
  // or a row the scenario does not have.
  std::array<std::string, 9> ScriptRowText(int row) const;

  bool ScriptOpenUpdate() const { return !Busy(); }
  void ScriptOpenExecute();
  bool ScriptSaveUpdate() const { return !Busy() && !ScriptLines.empty(); }
  void ScriptSaveExecute();
  bool ScriptAddUpdate() const { return !Busy(); }
  void ScriptAddExecute();
  bool ScriptEmptyUpdate() const { return !Busy() && !ScriptLines.empty(); }
  void ScriptEmptyExecute();
  bool ScriptLoadUpdate() const { return !Busy(); }
  void ScriptLoadExecute();
  bool ScriptCloneUpdate() const;
  void ScriptCloneExecute();
  bool ScriptEditUpdate() const { return ScriptCloneUpdate(); }
  void ScriptEditExecute();
  bool ScriptDelUpdate() const { return !Busy() && !ScriptSelection.empty(); }
  void ScriptDelExecute();
  bool ScriptClrUpdate() const { return !Busy() && !ScriptLines.empty(); }
  void ScriptClrExecute();
  bool ScriptUpUpdate() const;
  void ScriptUpExecute();
  bool ScriptDownUpdate() const;
  void ScriptDownExecute();
  // Selected rating rows become scenario lines.
  bool RatingsToScriptUpdate() const { return !Busy() && !RatingsSelection.empty(); }
  void RatingsToScriptExecute();

  // The run log, on while View.ScriptLogEnabled.
  TScriptLog ScriptLog;
  bool LogToggleUpdate() const { return !Busy() && !ScriptRunState.Running; }
  bool LogToggleChecked() const { return View.ScriptLogEnabled; }
  void LogToggleExecute();
  bool LogsDeleteUpdate() const { return LogToggleUpdate(); }
  void LogsDeleteExecute();
  // Deletes the log files of the program folder that match the mask and shows how it went.
  void LogFilesDelete(const std::string& mask);
  // At the start of every run.
  void ScriptLogStart();
  // One line, with the time prefix when asked; nothing while the log is off. The first failure
  // of a run is shown and ends the run's logging.
  void ScriptLogWrite(const std::string& text, bool withTime);
  bool ScriptLogFailed = false;
  // At the end of every run: the log file is opened for the user when there is one.
  void ScriptLogFinish();

  // ---- scenario run: prediction and test (scenariorun.cpp) ----
  // The scenario tab's status bar as a run leaves it: "Цикл: %d", "Строка: %d", "Ставок: %d" and
  // the text panel. The window shows it whenever the run lets it process its events.
  struct TScriptStatusBar {
    std::string Cycle = "Цикл: 0", Line = "Строка: 0", Stakes = "Ставок: 0", Text;
  };
  struct TScriptRunState {
    bool Running = false;
    // Set by ScriptStop, by the stake mode STOP and by any failure; every loop of a run ends on it.
    bool StopRequested = false;
    int Cycle = 0;  // 1 for a prediction, 1..N in a test, 0 when idle
    TScenarioStakes Stakes;  // the run's stake context and counter
    TScriptStatusBar Status;
    // The first stakes-file record the last run may have written (0 once it emptied the file).
    int64_t FirstRecord = 0;
    // While a backtest waits for a pass computed ahead, it serves the window's events between
    // slices of the wait; set during those calls, which are no steps of the run.
    bool WaitingAhead = false;
  };
  TScriptRunState ScriptRunState;
  bool ScriptRunUpdate() const;
  // Prediction: the scenario once, for the draw after the analysis offset.
  void ScriptRunExecute();
  bool ScriptTestUpdate() const { return ScriptRunUpdate(); }
  // Asks for the number of tests, then ScriptTestRun.
  void ScriptTestExecute();
  // Test: the scenario at the offsets tests, tests - 1, ..., 1 (at most the archive's draws - 1),
  // then back to the offset it had unless a stop ended it.
  void ScriptTestRun(int tests);
  // Backtests compute later passes ahead on a second core (scenarioahead.h) when the scenario
  // allows it; off, every pass is computed on the calling thread alone. Both leave the same
  // results. Off by default: since number removals are enumerated and long filters run on both
  // cores by themselves, the lists the worker copies for the calling thread cost more than the
  // work they save (bench/README.md).
  bool ScriptTestAhead = false;
  // A fixed seed for the stake modes that choose at random, for runs that must compare equal;
  // unset, each run takes a fresh one.
  std::optional<uint32_t> ScriptRandomSeed;
  bool ScriptStopUpdate() const { return ScriptRunState.Running && !ScriptRunState.StopRequested; }
  void ScriptStopExecute();
  // Progress of a run: cycle, line (0 outside a line), stakes and the text, then the window's events.
  void ScriptStatus(int line, const std::string& text);

 protected:
  THttpClient http_;  // its cookies last for the whole run
  int downloadAttempt_ = 0;
  std::optional<std::vector<std::string>> foundProxies_;  // exists only during a download
  bool ChooseFoundProxy();
  bool DropFailedProxy();
  std::vector<std::string> SearchProxies();
  void ShowDownloadWait(const std::string& detail);


  // Computes `list` unless the feed holds its result; a computed list is handed to the feed.
  template <typename Compute>
  void CombsComputeOrTake(const std::string& key, TCombList& list, Compute&& compute) {
    if (CombsFeed && CombsFeed->Take(key, list)) return;
    compute();
    if (CombsFeed) CombsFeed->Put(key, list);
  }

 private:
  class TMainProgress : public TProgress {
   public:
    explicit TMainProgress(TTemplateMain& main) : main_(main) {}
    void Status(const std::string& text) override;
    void Error(const std::string& text) override;
    void ProgressStart(const std::string& text, int steps) override;
    void ProgressStep(int step) override;
    void ProgressEnd() override;
    void ProcessEvents() override;
    bool StopRequested() const override;

   private:
    TTemplateMain& main_;
  };

  // Start-up steps that need the lock of the data folder, and the first-run settings they write.
  bool LockDataFolder();
  void StartDownload();
  void ShowFirstRunDialog();
  bool quitRequested_ = false;
  bool ownsDataFolder_ = false;     // the stakes file's lock was taken: shut-down may write
  bool firstRunPending_ = false;  // PrefetchsInit is to be written once the lock is held

  UiHost& host_;
  std::string dataDir_;
  int busy_ = 0;
  std::array<std::string, StatusPanelCount> status_;
  TMainProgress progress_{*this};
};

}  // namespace kavrin
