// The commands of the archive list: add, edit, delete, order switch, colours, CSV.
#include <algorithm>

#include "app/tableexport.h"
#include "app/templatemain.h"
#include "core/cp1251.h"
#include "core/csv.h"
#include "core/errors.h"
#include "core/fileio.h"

namespace kavrin {
namespace {

constexpr char CsvFilter[] = "Файлы тиражей (*.csv)|*.csv";
constexpr char CsvExt[] = "csv";

}  // namespace

void TTemplateMain::DrawsAddExecute() {
  TDrawRec draw;
  draw.Number = Archive.NextDrawNumber(0);
  TDrawDialogFields fields = DrawDialogPrefill(draw);
  if (!host_.EditDraw(DrawDialogCaption, fields)) return;
  if (auto accepted = DrawFromDialog(fields)) AppendDraw(*accepted);
}

void TTemplateMain::DrawsEditExecute() {
  if (DrawsSelection.size() != 1) return;
  const int index = Archive.IndexOfPosition(DrawsSelection.front());
  if (index < 0 || index >= Archive.Count()) return;
  TDrawDialogFields fields;
  try {
    fields = DrawDialogPrefill(Archive.At(index));
  } catch (const KavrinError& e) {
    host_.ShowError(e.what());
    return;
  }
  if (!host_.EditDraw(DrawDialogCaption, fields)) return;
  auto accepted = DrawFromDialog(fields);
  if (!accepted) return;
  Archive.Replace(index, *accepted);
  SaveArchive();
  RefreshViews(false);
}

void TTemplateMain::DrawsDelExecute() {
  if (DrawsSelection.empty()) return;
  const std::string question =
      DrawsSelection.size() == 1
          ? std::string("Удалить выделенную запись?")
          : Format("Удалить все выделенные записи (всего будет удалено %d записи(ей))?", {DrawsSelection.size()});
  if (!host_.Ask(question, "Предупреждение", false)) return;
  {
    TOperation busy(*this, "Удаление выделенных тиражей....");
    // The selected records themselves go, newest first so that the indexes still to delete stay
    // valid. Finding a row again by its draw number could remove another draw of the same number.
    std::vector<int> indexes;
    for (int position : DrawsSelection) {
      int index = Archive.IndexOfPosition(position);
      if (index >= 0 && index < Archive.Count()) indexes.push_back(index);
    }
    std::sort(indexes.begin(), indexes.end(), std::greater<>());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    for (int index : indexes) Archive.DeleteDraw(index);
  }
  UpdateArchiveList(true);
  DrawsSelection.clear();
  SaveArchive();
  RefreshViews(false);
}

void TTemplateMain::DrawsSortedExecute() {
  View.SortedDraws = !View.SortedDraws;
  StoreViewSetting(&TViewSettings::SortedDraws);
  UpdateArchiveList(true);
  RefreshViews(true);
}

void TTemplateMain::ViewColorDrawsExecute() {
  View.ColorDraws = !View.ColorDraws;
  StoreViewSetting(&TViewSettings::ColorDraws);
  ViewChanged(TView::DrawsList);
}

void TTemplateMain::DrawsImportExecute() {
  std::string path;
  if (host_.ChooseOpenFile(CsvFilter, CsvExt, path)) DrawsImportFile(path);
}

void TTemplateMain::DrawsExportExecute() {
  std::string path;
  if (host_.ChooseSaveFile(CsvFilter, CsvExt, path)) DrawsExportFile(path);
}

void TTemplateMain::DrawsXlsExportExecute() {
  TExportTable table;
  table.Title = "Архив тиражей";
  table.Header.assign(DrawListCaptions().begin(), DrawListCaptions().end());
  const bool sorted = View.SortedDraws;
  for (int position = 0; position < Archive.Count(); ++position) {
    const auto cells = DrawListRow(Archive.At(Archive.IndexOfPosition(position)), sorted);
    const auto colors = DrawListRowColors(Archive, position, sorted, View.ColorDraws, Config.ChannelSize);
    table.Rows.emplace_back(cells.begin(), cells.end());
    table.Colors.emplace_back(colors.begin(), colors.end());
  }
  TableXlsExport(host_, table);
}

int TTemplateMain::DrawsImportFile(const std::string& path) {
  TCsvImportResult result;
  {
    TOperation busy(*this, Format("Импорт тиражей из файла \"%s\"...", {path}));
    std::string text;
    bool read = Guarded("", [&] { text = Cp1251ToUtf8(ReadFileBytes(path)); });
    if (!read) return -1;
    TDrawsArray draws = Archive.Draws();
    result = ImportDrawsCsv(text, draws);
    for (size_t i = Archive.Draws().size(); i < draws.size(); ++i) Archive.Append(draws[i]);
  }
  SaveArchive();
  if (result.SkippedInvalid > 0)
    host_.ShowWarning(Format("Пропущено строк с некорректными номерами: %d", {result.SkippedInvalid}),
                      "Предупреждение");
  return result.Appended;
}

int TTemplateMain::DrawsExportFile(const std::string& path) {
  TOperation busy(*this, Format("Экспорт тиражей в файл \"%s\"...", {path}));
  bool ok = Guarded("", [&] { WriteFileAtomic(path, Utf8ToCp1251(DrawsToCsv(Archive.Draws()))); });
  return ok ? Archive.Count() : -1;
}

}  // namespace kavrin
