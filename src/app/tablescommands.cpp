// Regular stakes as the application uses them: their file, tab and commands.
#include <algorithm>

#include "app/templatemain.h"
#include "core/fileio.h"

namespace kavrin {
namespace {

constexpr char TablesTabCaption[] = "Регуляры";

// The selected rows that exist, in list order.
std::vector<int> ValidRows(const std::vector<int>& selection, size_t count) {
  std::vector<int> rows;
  for (int row : selection)
    if (row >= 0 && static_cast<size_t>(row) < count) rows.push_back(row);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

}  // namespace

void TTemplateMain::TablesLoad() {
  const std::string path = DataPath(TablesFileName);
  Tables.clear();
  TablesFileState.SetLoaded();
  if (View.TabTables && FileExists(path)) {
    TOperation operation(*this, "Загрузка файла регулярных ставок...");
    Guarded("Ошибка чтения файла регулярных ставок!", [&] {
      try {
        ReadTablesFile(path, Tables);
      } catch (const std::exception& e) {
        Tables.clear();
        TablesFileState.SetFailed(e.what());
        throw;
      }
    });
  }
  TablesSelection = ValidRows(TablesSelection, Tables.size());
  ViewChanged(TView::Tables);
}

void TTemplateMain::TablesSave() {
  if (!View.TabTables) return;
  {
    TOperation operation(*this, "Сохранение файла регулярных ставок...");
    Guarded("Ошибка записи в файл регулярных ставок!", [&] {
      TablesFileState.RequireLoaded();
      WriteTablesFile(DataPath(TablesFileName), Tables);
    });
  }
  TablesSelection = ValidRows(TablesSelection, Tables.size());
  ViewChanged(TView::Tables);
}

void TTemplateMain::TabTablesExecute() {
  View.TabTables = !View.TabTables;
  StoreViewSetting(&TViewSettings::TabTables);
  if (View.TabTables) {
    TablesLoad();
  } else {
    Tables.clear();
    TablesSelection.clear();
    ViewChanged(TView::Tables);
  }
  TabSwitched(TablesTabCaption, View.TabTables);
}

void TTemplateMain::TablesAddExecute() {
  std::vector<TSelectedComb> selected;
  const TCombList& list = Combs.CombsList;
  for (const TRowSelection::Range& range : CombsSelection.Ranges())
    for (int32_t row = range.First; row <= range.Last && row < list.Count(); ++row)
      selected.push_back({row + 1, list[row]});
  const int k = static_cast<int>(selected.size());
  const TTableStakeData rule = RegularTemplate(selected);
  TRegularDialogFields fields = RegularDialogPrefill(rule, k);
  if (!host_.EditRegular(fields, k, Tables)) return;
  {
    TOperation busy(*this, "Создание регулярных ставок...");
    for (const TTableStakeData& added : RegularsToAdd(RegularFromDialog(rule, fields, k), selected))
      Tables.push_back(added);
  }
  TablesSave();
}

void TTemplateMain::TablesDelExecute() {
  std::vector<int> rows = ValidRows(TablesSelection, Tables.size());
  if (rows.empty()) return;
  if (!host_.Ask(DeleteRecordsQuestion(static_cast<int64_t>(rows.size())), "Предупреждение", false)) return;
  {
    TOperation busy(*this, "Удаление регулярных ставок...");
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) Tables.erase(Tables.begin() + *row);
    TablesSelection.clear();
  }
  TablesSave();
}

void TTemplateMain::TablesStakeAddExecute() {
  std::vector<int> rows = ValidRows(TablesSelection, Tables.size());
  if (rows.empty()) return;
  TTableStakeData advanced = Tables[rows.front()];
  if (!Guarded("", [&] { TableStakeNext(advanced, Archive, DrawsOffset()); })) return;
  const TStakeData stake = NewStake(StakeRegular, CombToNumberSet(advanced.Current), advanced.Comment);
  TStakeDialogFields fields = StakeDialogPrefill(stake, 1);
  if (!host_.EditStake(fields)) return;
  Tables[rows.front()] = advanced;
  TablesSave();
  StakesAddOne(StakeFromDialog(stake, fields, Config), fields.DrawsCount);
}

void TTemplateMain::TablesStakeTestExecute() {
  int tests = 10;
  if (!host_.InputNumber("Количество тестов", "Укажите количество тестов:", 1, Archive.Count() - 1, tests)) return;
  TablesStakeTestRun(tests);
}

void TTemplateMain::TablesStakeTestRun(int tests) {
  tests = std::min(tests, Archive.Count() - 1);
  const std::vector<int> rows = ValidRows(TablesSelection, Tables.size());
  if (tests <= 0 || rows.empty()) return;
  TOperation busy(*this, "Создание ставок по регулярным табличным ставкам...");
  const bool suspended = RefreshSuspended;
  RefreshSuspended = true;
  const int offset = DrawsOffset();
  bool ok = true;
  for (int position = tests; position >= 1 && ok; --position) {
    SetDrawsOffset(position);
    for (int row : rows) {
      TTableStakeData& rule = Tables[row];
      ok = Guarded("", [&] { TableStakeNext(rule, Archive, position); }) &&
           StakesAddMany(NewStake(StakeRegular, CombToNumberSet(rule.Current), rule.Comment), 1, true);
      if (!ok) break;
    }
  }
  SetDrawsOffset(offset);
  TablesSave();
  if (ok) {
    StakesCheckAndCommit();
    StakesRefreshView(true, true);
  }
  RefreshSuspended = suspended;
}

}  // namespace kavrin
