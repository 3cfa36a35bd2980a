// The scenario tab apart from runs: the lines in memory and their working file, scenario files,
// the editing commands with the line and filter dialogs, rating rows turned into lines, and the
// run log.
#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "app/templatemain.h"
#include "core/errors.h"
#include "core/fileio.h"
#include "core/filemask.h"
#include "stakes/stakedialogs.h"

namespace kavrin {
namespace {

void CheckIndex(const TScenarioLines& lines, int index) {
  if (index < 0 || index >= static_cast<int>(lines.size())) throw KavrinError(RecordNotFoundMessage(index));
}

}  // namespace

// ---- the lines and their files ----

int TTemplateMain::ScriptAppendLine(const std::string& text) {
  ScriptLines.push_back(text);
  ScriptAutoSave();
  return static_cast<int>(ScriptLines.size()) - 1;
}

void TTemplateMain::ScriptReplaceLine(int index, const std::string& text) {
  CheckIndex(ScriptLines, index);
  ScriptLines[index] = text;
  ScriptAutoSave();
}

std::string TTemplateMain::ScriptGetLine(int index) const {
  CheckIndex(ScriptLines, index);
  return ScriptLines[index];
}

bool TTemplateMain::ScriptLoadFile(const std::string& path, bool append) {
  TOperation busy(*this, Format("Загрузка файла \"%s\"...", {path}));
  bool ok = true;
  try {
    // Read in full before touching the scenario, so that a failure leaves it as it was.
    const TScenarioLines lines = ReadScenarioFile(path);
    if (append)
      AppendScenarioLines(ScriptLines, lines);
    else
      ScriptLines = lines;
  } catch (const std::exception& e) {
    host_.ShowError(Format("Ошибка чтения файла \"%s\"!\r\r%s", {path, e.what()}));
    ok = false;
  }
  ScriptRefreshView();
  return ok;
}

bool TTemplateMain::ScriptSaveFile(const std::string& path) {
  TOperation busy(*this, Format("Сохранение файла \"%s\"...", {path}));
  bool ok = true;
  try {
    SaveScenarioFile(path, ScriptLines);
  } catch (const std::exception& e) {
    host_.ShowError(Format("Ошибка записи в файл \"%s\"!\r\r%s", {path, e.what()}));
    ok = false;
  }
  ScriptRefreshView();
  return ok;
}

void TTemplateMain::ScriptAutoLoad() {
  const std::string path = DataPath(ScriptWorkingFileName);
  ScriptFileState.SetLoaded();
  if (!FileExists(path)) {
    ScriptRefreshView();
    return;
  }
  // As ScriptLoadFile, and a working file that could not be read is never rewritten.
  TOperation operation(*this, Format("Загрузка файла \"%s\"...", {path}));
  try {
    ScriptLines = ReadScenarioFile(path);
  } catch (const std::exception& e) {
    ScriptFileState.SetFailed(e.what());
    host_.ShowError(Format("Ошибка чтения файла \"%s\"!\r\r%s", {path, e.what()}));
  }
  ScriptRefreshView();
}

bool TTemplateMain::ScriptAutoSave() {
  const std::string path = DataPath(ScriptWorkingFileName);
  if (ScriptFileState.Loaded()) return ScriptSaveFile(path);
  host_.ShowError(Format("Ошибка записи в файл \"%s\"!\r\r%s", {path, ScriptFileState.Error()}));
  return false;
}

void TTemplateMain::ScriptReplaceAll(const TScenarioLines& lines) {
  ScriptFileState.RequireLoaded();
  SaveScenarioFile(DataPath(ScriptWorkingFileName), lines);
  ScriptLines = lines;
  ScriptRefreshView();
}

void TTemplateMain::ScriptRefreshView() {
  std::erase_if(ScriptSelection, [&](int row) { return row < 0 || row >= static_cast<int>(ScriptLines.size()); });
  ScriptLinesStatus = Format("Строк: %d", {ScriptLines.size()});
  ViewChanged(TView::ScriptLines);
}

std::array<std::string, 9> TTemplateMain::ScriptRowText(int row) const {
  if (row < 0 || row >= static_cast<int>(ScriptLines.size())) return {};
  return ScriptViewCells(ScriptLines[row], Stats);
}

// ---- file commands ----

void TTemplateMain::ScriptOpenExecute() {
  std::string path;
  if (!host_.ChooseOpenFile(ScriptFileFilter, ScriptFileExt, path)) return;
  if (ScriptLoadFile(path, false)) ScriptAutoSave();
}

void TTemplateMain::ScriptSaveExecute() {
  std::string path;
  if (host_.ChooseSaveFile(ScriptFileFilter, ScriptFileExt, path)) ScriptSaveFile(path);
}

void TTemplateMain::ScriptLoadExecute() {
  std::string path;
  if (!host_.ChooseOpenFile(ScriptFileFilter, ScriptFileExt, path)) return;
  if (ScriptLoadFile(path, true)) ScriptAutoSave();
}

// ---- editing ----

namespace {

// The line dialog with its filter fields wired to the filter dialog.
bool EditLine(TTemplateMain& main, const std::string& caption, TScriptLineDialogFields& fields) {
  fields.EditFilter = [&main](std::string& text) {
    const int kind = main.StatPage.Kinds.SelectedEntry();
    const TFilterMethod current = kind >= 0 ? TFilterMethod{kind, main.Stats.Items(kind).Code()} : TFilterMethod{};
    TFilterItem filter = FilterDialogStart(FilterItemFromText(text, main.Stats), current, main.StatPage.WindowLength,
                                           main.Stats.Config.Weights);
    auto validate = [&main](const TFilterItem& f) {
      const bool acceptsList = f.Method.IsSet() && main.Stats.Items(f.Method.Entry).MethodClass->AcceptsValueList();
      return CheckFilterItem(f, acceptsList);
    };
    if (!main.Host().EditFilter(filter, validate)) return false;
    text = FilterItemToText(FilterFromDialog(filter));
    return true;
  };
  return main.Host().EditScriptLine(caption, fields);
}

}  // namespace

void TTemplateMain::ScriptAddExecute() {
  TScriptLineDialogFields fields = LineDialogFields("", View.DrawsExclude);
  if (!EditLine(*this, ScriptNewLineCaption, fields)) return;
  ScriptSelection.clear();
  ScriptSelection = {ScriptAppendLine(LineFromDialog(fields))};
}

void TTemplateMain::ScriptEmptyExecute() { ScriptSelection = {ScriptAppendLine("")}; }

bool TTemplateMain::ScriptCloneUpdate() const {
  return !Busy() && !ScriptSelection.empty() && ScriptSelection.front() < static_cast<int>(ScriptLines.size()) &&
         !IsScriptSeparator(ScriptLines[ScriptSelection.front()]);
}

void TTemplateMain::ScriptCloneExecute() {
  Guarded("", [&] {
    if (ScriptSelection.empty()) return;
    TScriptLineDialogFields fields = LineDialogFields(ScriptGetLine(ScriptSelection.front()), View.DrawsExclude);
    if (!EditLine(*this, ScriptNewLineCaption, fields)) return;
    ScriptSelection.clear();
    ScriptSelection = {ScriptAppendLine(LineFromDialog(fields))};
  });
}

void TTemplateMain::ScriptEditExecute() {
  Guarded("", [&] {
    if (ScriptSelection.empty()) return;
    const int index = ScriptSelection.front();
    TScriptLineDialogFields fields = LineDialogFields(ScriptGetLine(index), View.DrawsExclude);
    if (EditLine(*this, ScriptEditLineCaption, fields)) ScriptReplaceLine(index, LineFromDialog(fields));
  });
}

namespace {

void DeleteLines(TTemplateMain& main, const std::vector<int>& rows) {
  if (rows.empty() || !main.Host().Ask(DeleteRecordsQuestion(rows.size()), "Предупреждение", false)) return;
  {
    TTemplateMain::TOperation busy(main, "Удаление строк...");
    DeleteScenarioLines(main.ScriptLines, rows);
    main.ScriptSelection.clear();
    main.ScriptRefreshView();
  }
  main.ScriptAutoSave();
}

}  // namespace

void TTemplateMain::ScriptDelExecute() { DeleteLines(*this, ScriptSelection); }

void TTemplateMain::ScriptClrExecute() {
  std::vector<int> all(ScriptLines.size());
  for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
  DeleteLines(*this, all);
}

bool TTemplateMain::ScriptUpUpdate() const {
  return !Busy() && !ScriptSelection.empty() && ScriptSelection.front() > 0 &&
         ScriptSelection.front() < static_cast<int>(ScriptLines.size());
}

void TTemplateMain::ScriptUpExecute() {
  if (!ScriptUpUpdate()) return;
  const int row = ScriptSelection.front();
  std::swap(ScriptLines[row], ScriptLines[row - 1]);
  ScriptSelection = {row - 1};
  ScriptAutoSave();
}

bool TTemplateMain::ScriptDownUpdate() const {
  return !Busy() && !ScriptSelection.empty() && ScriptSelection.front() >= 0 &&
         ScriptSelection.front() + 1 < static_cast<int>(ScriptLines.size());
}

void TTemplateMain::ScriptDownExecute() {
  if (!ScriptDownUpdate()) return;
  const int row = ScriptSelection.front();
  std::swap(ScriptLines[row], ScriptLines[row + 1]);
  ScriptSelection = {row + 1};
  ScriptAutoSave();
}

void TTemplateMain::RatingsToScriptExecute() {
  TOperation busy(*this, "Генерация новых строк в сценарии...");
  bool added = false;
  for (int row : RatingsSelection) {
    if (row < 0 || row >= static_cast<int>(Ratings.size())) continue;
    const std::string& key = Ratings[row].Key;
    const std::string line = ScriptLineFromStakeKey(key);
    if (!ScriptLineHasFilters(line, Stats)) {
      host_.ShowError(Format("Строку\r\r%s\r\rневозможно добавить в сценарий!", {key}));
      continue;
    }
    ScriptAppendLine(line);
    if (!added) host_.ShowTab("Сценарий");
    added = true;
  }
}

// ---- the run log ----

void TTemplateMain::LogToggleExecute() {
  View.ScriptLogEnabled = !View.ScriptLogEnabled;
  StoreViewSetting(&TViewSettings::ScriptLogEnabled);
}

void TTemplateMain::LogsDeleteExecute() { LogFilesDelete(ScriptLogMask()); }

void TTemplateMain::LogFilesDelete(const std::string& mask) {
  const std::vector<std::string> names = FindFiles(DataDir(), mask);
  if (names.empty()) {
    host_.ShowInfo("Файлы журналов не найдены!");
    return;
  }
  size_t deleted = 0;
  std::string details;
  {
    TOperation busy(*this, "Поиск файлов журналов...");
    for (const std::string& name : names) {
      if (::unlink(DataPath(name).c_str()) == 0) {
        ++deleted;
        details += "\r" + name;
      } else {
        details += "\r" + name + ": " + std::strerror(errno);
      }
    }
  }
  const std::string text = Format("Удалено файлов журналов: %d из %d.", {deleted, names.size()}) + "\r" + details;
  if (deleted == names.size())
    host_.ShowInfo(text);
  else
    host_.ShowWarning(text, "Предупреждение");
}

void TTemplateMain::ScriptLogStart() {
  ScriptLog.Start(DataDir(), View.ScriptLogEnabled);
  ScriptLogFailed = false;
}

void TTemplateMain::ScriptLogWrite(const std::string& text, bool withTime) {
  if (!View.ScriptLogEnabled || ScriptLogFailed) return;
  if (ScriptLog.Path().empty()) ScriptLogStart();
  try {
    ScriptLog.Write(text, withTime);
  } catch (const std::exception& e) {
    // One box per run: a full disk would otherwise stop every step of the run with a box.
    ScriptLogFailed = true;
    host_.ShowError(Format("Ошибка записи журнала: %s!", {e.what()}));
  }
}

void TTemplateMain::ScriptLogFinish() {
  const std::string shown = ScriptLog.Finish();
  // The shell opens a file path with its default application as it opens an address.
  if (View.ScriptLogEnabled && !shown.empty()) host_.OpenUrl(shown);
}

}  // namespace kavrin
