#include "app/tableexport.h"

#include <exception>

namespace kavrin {

bool TableExportFile(UiHost& host, const std::string& path, const TExportTable& table) {
  try {
    WriteXlsxTable(path, table, FormatSettings());
    return true;
  } catch (const std::exception& e) {
    host.ShowError(Format("Ошибка записи в файл \"%s\"!\r\r%s", {path, e.what()}));
    return false;
  }
}

void TableXlsExport(UiHost& host, const TExportTable& table) {
  std::string path;
  if (!host.ChooseSaveFile(XlsxFileFilter, XlsxFileExt, path) || !TableExportFile(host, path, table)) return;
  // The shell opens a file path with its default application as it opens an address.
  if (host.Ask(Format("Таблица сохранена в файл \"%s\".\r\rОткрыть файл?", {path}), "Подтверждение", true))
    host.OpenUrl(path);
}

}  // namespace kavrin
