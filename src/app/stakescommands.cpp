// The stakes file as the application uses it, stake creation, the stake logs and the commands
// of the stakes tab.
#include <random>

#include "app/tableexport.h"
#include "app/templatemain.h"
#include "core/cp1251.h"
#include "core/fileio.h"
#include "stakes/stakelog.h"

namespace kavrin {
namespace {

constexpr char ReadError[] = "Ошибка чтения файла ставок!";
constexpr char WriteError[] = "Ошибка записи в файл ставок!";
constexpr char AppendError[] = "Ошибка добавления записи в файл ставок!";
constexpr char DeleteError[] = "Ошибка удаления записи из файла ставок!";
constexpr char DeletingText[] = "Удаление ставок...";

constexpr char NoExclusiveAccessMessage[] =
    "Невозможно получить монопольный доступ к файлам данных!\r\rВозможные причины данной ошибки: \r\r1) Вы "
    "пытаетесь запустить вторую копию программы из одного и того же каталога. Корректная работа нескольких копий "
    "программы возможна только из разных каталогов.\r\r2) Для программы нет прав на запись в том каталоге, где она "
    "расположена. Например: в Windows 7 и выше по умолчанию запрещена запись в c:\\Program Files.\r\rПрограмма будет "
    "закрыта!";

// One stake per combination, each for the multi-stake dialog's draws; the batch stops at the
// first failure and is checked at once when it went through. False when the dialog was cancelled.
template <typename ForEachComb>
bool StakesForCombinations(TTemplateMain& main, ForEachComb&& forEachComb) {
  TStakeDialogFields fields{main.Archive.NextDrawNumber(main.DrawsOffset()), "", ManualStakeComment, 1};
  if (!main.Host().EditMultiStake(fields)) return false;
  TTemplateMain::TOperation busy(main, "Создание ставок...");
  bool ok = true;
  forEachComb([&](const TComb& comb) {
    TStakeData stake = main.NewStake(StakeManual, CombToNumberSet(comb), fields.Comment);
    stake.DrawNumber = fields.DrawNumber;
    ok = main.StakesAddMany(stake, fields.DrawsCount, true);
    return ok;
  });
  if (ok) {
    main.StakesCheckAndCommit();
    main.StakesRefreshView(true, true);
  }
  return true;
}

// The stake dialog over a template, then the stake for the chosen draws.
void StakeThroughDialog(TTemplateMain& main, const TStakeData& stake) {
  TStakeDialogFields fields = StakeDialogPrefill(stake, 1);
  if (main.Host().EditStake(fields)) main.StakesAddOne(StakeFromDialog(stake, fields, main.Config), fields.DrawsCount);
}

}  // namespace

// ---- the stakes file ----

bool TTemplateMain::StakesLoad() {
  TOperation busy(*this, "Загрузка файла ставок...");
  Stakes.SetPath(DataPath(StakesFileName));
  Guarded(ReadError, [&] {
    Stakes.Open();
    const TStakesFile::TVersionRule rule = Stakes.ApplyVersionRule();
    if (!rule.Warning.empty()) host_.ShowWarning(rule.Warning, "Внимание!");
    if (rule.Emptied) StakesResetView();
  });
  StakesRefreshView(true, false);
  return Stakes.IsOpen();
}

bool TTemplateMain::StakesOpenAtStart() {
  if (StakesLoad()) return true;
  host_.ShowError(NoExclusiveAccessMessage);
  return false;
}

void TTemplateMain::StakesSave() {
  TOperation busy(*this, "Сохранение файла ставок...");
  Guarded(WriteError, [&] { Stakes.Close(); });
}

bool TTemplateMain::StakesReopen() {
  bool closed = Guarded(WriteError, [&] { Stakes.Close(); });
  // Opened again even after a failed close, so that the file stays usable.
  bool opened = Guarded(ReadError, [&] { Stakes.Open(); });
  return closed && opened;
}

TStakeData TTemplateMain::StakesReadRecord(TSeekOrigin origin, int64_t index) {
  TStakeData stake;
  const uint8_t zeros[StakeRecordSize] = {};
  if (!Guarded("Ошибка чтения записи из файла ставок!", [&] { stake = Stakes.Read(origin, index); }))
    stake = DecodeStakeRecord(zeros);
  return stake;
}

bool TTemplateMain::StakesWriteRecord(TSeekOrigin origin, int64_t index, const TStakeData& stake) {
  return Guarded(AppendError, [&] { Stakes.Write(origin, index, stake); });
}

bool TTemplateMain::StakesFind(int drawNumber, const TNumberSet& numbers) {
  bool found = false;
  Guarded("Ошибка поиска записи в файле ставок!", [&] { found = Stakes.Find(drawNumber, numbers); });
  return found;
}

bool TTemplateMain::StakesAppend(const TStakeData& stake, int draws) {
  return Guarded(AppendError, [&] { Stakes.Append(stake, draws); });
}

bool TTemplateMain::StakesCheck() {
  TOperation busy(*this, "Проверка результатов ставок...");
  bool changed = false;
  Guarded("Ошибка проверки ставок!", [&] {
    TStakesCheckHooks hooks;
    hooks.Progress = [&](const std::string& text) { SetOperationText(text); };
    hooks.Checked = [&](const TStakeData& stake) {
      RatingsAddStake(Ratings, stake);
      StakesLogWrite(stake);
    };
    Stakes.Check(Archive.Draws(), Config, hooks, changed);
  });
  return changed;
}

bool TTemplateMain::StakesCheckAndCommit() {
  if (!StakesCheck()) return false;
  StakesReopen();
  RatingsSort(RatingsSortOrder.Column, RatingsSortOrder.Direction);
  return true;
}

bool TTemplateMain::StakesDeleteRows(int64_t first, int64_t last) {
  return Guarded(DeleteError, [&] { Stakes.DeleteRows(first, last); });
}

bool TTemplateMain::StakesDeleteByCondition(int mode, int threshold) {
  return Guarded(DeleteError, [&] { Stakes.DeleteByCondition(mode, threshold); });
}

void TTemplateMain::StakesRefreshView(bool refresh, bool selectLast) {
  int64_t records = 0;
  try {
    if (Stakes.IsOpen()) records = Stakes.Count();
  } catch (const std::exception&) {
    // The count stays 0: a file that cannot even be measured shows as empty.
  }
  if (selectLast && records > 0) StakesSelection = {records - 1};
  std::erase_if(StakesSelection, [&](int64_t record) { return record < 0 || record >= records; });
  SetStatus(PanelStakes, Format("Ставок: %d", {static_cast<long long>(records)}));
  ViewChanged(TView::Stakes);
}

void TTemplateMain::StakesResetView() { StakesSelection.clear(); }

// ---- stake creation ----

TStakeData TTemplateMain::NewStake(TStakeKind kind, const TNumberSet& numbers, const std::string& comment) const {
  TStakeData stake;
  stake.Kind = kind;
  stake.DrawNumber = Archive.NextDrawNumber(DrawsOffset());
  stake.Selection = Combs.CombsList.Count();
  stake.Numbers = numbers;
  SortNumberSet(stake.Numbers);
  stake.Profit = StakeProfit(Config, stake.Numbers.Count, -1);
  stake.Comment = Utf8Prefix(comment, StakeCommentCapacity);
  return stake;
}

bool TTemplateMain::StakesAddOne(const TStakeData& stake, int draws) {
  TOperation busy(*this, "Создание ставки...");
  bool ok = StakesAppend(stake, draws);
  if (ok) {
    StakesCheckAndCommit();
    StakesRefreshView(true, true);
  }
  return ok;
}

bool TTemplateMain::StakesAddMany(const TStakeData& stake, int draws, bool batch) {
  SetOperationText("Создание ставок...");
  bool ok = StakesAppend(stake, draws);
  if (ok && (!batch || View.StakesScrollEnabled)) StakesRefreshView(true, true);
  return ok;
}

void TTemplateMain::StakesStartBatch() {
  if (StakesNotEmpty() && StakesReadRecord(TSeekOrigin::End, -1).DrawNumber > 0) StakesAppend(StakesNewSeparator(), 1);
}

bool TTemplateMain::StakesAddFromScenario(const TNumberSet& numbers, bool batch, TScenarioStakes& scenario) {
  TStakeData stake = NewStake(StakeScenario, numbers, scenario.Comment);
  const std::string numbersText = NumberSetToText(stake.Numbers, ";");
  if (scenario.NewOnly && StakesFind(stake.DrawNumber, stake.Numbers)) {
    if (scenario.Log)
      scenario.Log(Format("{-} Ставка на тираж %d не добавлена, так как уже имеется в списке ставок: [%s]",
                          {stake.DrawNumber, numbersText}));
    return false;
  }
  if (!StakesAddMany(stake, 1, batch)) return false;
  if (scenario.Log)
    scenario.Log(Format("{+} Ставка на тираж %d добавлена в список ставок: [%s]", {stake.DrawNumber, numbersText}));
  ++scenario.Made;
  const auto now = std::chrono::steady_clock::now();
  if (!batch || now - scenario.LastShown >= std::chrono::milliseconds(101)) {
    scenario.LastShown = now;
    if (scenario.Status) scenario.Status(Format("Ставок: %d", {scenario.Made}));
    host_.ProcessEvents();
  }
  return true;
}

void TTemplateMain::StakesLogWrite(const TStakeData& stake) {
  if (!View.StakesLogEnabled || !stake.Checked) return;
  const std::string path = StakeLogPath(DataDir(), stake.OverlapCount());
  try {
    RemoveOversizedLog(path);
  } catch (const std::exception& e) {
    host_.ShowError(Format("Ошибка удаления файла \"%s\"!\r\r%s", {path, e.what()}));
  }
  try {
    AppendLogLine(path, StakeLogLine(stake, NowDateTime()));
  } catch (const std::exception& e) {
    host_.ShowError(Format("Ошибка записи в файл \"%s\"!\r\r%s", {path, e.what()}));
  }
}

// ---- commands of the stakes tab ----

void TTemplateMain::StakeAddExecute() {
  TNumberSet numbers;
  const int32_t row = CombsSelection.First();
  if (row >= 0 && row < Combs.CombsList.Count()) numbers = CombToNumberSet(Combs.CombsList[row]);
  StakeThroughDialog(*this, NewStake(StakeManual, numbers, ManualStakeComment));
}

void TTemplateMain::StakeAddRandomExecute() {
  if (Combs.CombsList.Empty()) return;
  std::mt19937 random{std::random_device{}()};
  const int32_t row = std::uniform_int_distribution<int32_t>(0, Combs.CombsList.Count() - 1)(random);
  StakeThroughDialog(*this, NewStake(StakeManual, CombToNumberSet(Combs.CombsList[row]), ManualStakeComment));
}

void TTemplateMain::StakeAddSelectedExecute() {
  const TCombList& list = Combs.CombsList;
  bool made = StakesForCombinations(*this, [&](auto&& add) {
    for (const TRowSelection::Range& range : CombsSelection.Ranges())
      for (int32_t row = range.First; row <= range.Last && row < list.Count(); ++row)
        if (!add(list[row])) return;
  });
  if (made) CombsSelection.Clear();
}

void TTemplateMain::StakeAddAllExecute() {
  StakesForCombinations(*this, [&](auto&& add) {
    for (const TComb& comb : Combs.CombsList.Combs())
      if (!add(comb)) return;
  });
}

void TTemplateMain::StakeDelExecute() {
  std::vector<int64_t> records = StakesSelection;
  std::sort(records.begin(), records.end());
  records.erase(std::unique(records.begin(), records.end()), records.end());
  if (records.empty()) return;
  if (!host_.Ask(DeleteRecordsQuestion(static_cast<int64_t>(records.size())), "Предупреждение", false)) return;
  {
    TOperation operation(*this, DeletingText);
    // Runs of adjacent records, the last run first, so that the earlier numbers stay valid.
    for (size_t end = records.size(); end > 0;) {
      size_t start = end - 1;
      while (start > 0 && records[start - 1] + 1 == records[start]) --start;
      if (!StakesDeleteRows(records[start] + 1, records[end - 1] + 1)) break;
      end = start;
    }
    StakesSelection.clear();
    StakesCheckAndCommit();
  }
  StakesRefreshView(true, false);
}

void TTemplateMain::StakeFilterExecute() {
  int mode = 0, threshold = 0;
  if (!host_.ChooseStakeCondition(mode, threshold)) return;
  {
    TOperation operation(*this, DeletingText);
    StakesDeleteByCondition(mode, threshold);
    StakesSelection.clear();
    StakesCheckAndCommit();
  }
  StakesRefreshView(true, false);
}

void TTemplateMain::StakeClearExecute() {
  int64_t records = 0;
  if (!Guarded(ReadError, [&] { records = Stakes.Count(); })) return;
  if (!host_.Ask(DeleteRecordsQuestion(records), "Предупреждение", false)) return;
  {
    TOperation busy(*this, DeletingText);
    Guarded(DeleteError, [&] { Stakes.Truncate(); });
    StakesReopen();
    StakesResetView();
    StakesRefreshView(true, false);
  }
  RatingsRefreshExecute();
}

void TTemplateMain::StakesCheckManualExecute() {
  StakesCheckAndCommit();
  StakesRefreshView(true, false);
}

void TTemplateMain::LogStakesExecute() {
  View.StakesLogEnabled = !View.StakesLogEnabled;
  StoreViewSetting(&TViewSettings::StakesLogEnabled);
}

void TTemplateMain::StakesScrollExecute() {
  View.StakesScrollEnabled = !View.StakesScrollEnabled;
  StoreViewSetting(&TViewSettings::StakesScrollEnabled);
}

void TTemplateMain::StakesCheckLineExecute() {
  View.StakesCheckOnLine = !View.StakesCheckOnLine;
  StoreViewSetting(&TViewSettings::StakesCheckOnLine);
}

void TTemplateMain::LogStakesDeleteExecute() { LogFilesDelete(StakeLogMask); }

TExportTable TTemplateMain::StakesExportTable() {
  TExportTable table{"Ставки", {}, {}, {}};
  table.Header.assign(StakesTableCaptions().begin(), StakesTableCaptions().end());
  Guarded(ReadError, [&] {
    Stakes.ForEach(0, [&](int64_t, const TStakeData& stake) {
      const auto cells = StakesTableRow(stake);
      const auto colors = StakesTableColors(stake);
      table.Rows.emplace_back(cells.begin(), cells.end());
      table.Colors.emplace_back(colors.begin(), colors.end());
      return true;
    });
  });
  return table;
}

void TTemplateMain::StakesXlsExportExecute() {
  TExportTable table;
  {
    TOperation operation(*this, "Экспорт ставок...");
    table = StakesExportTable();
  }
  TableXlsExport(host_, table);
}

}  // namespace kavrin
