#pragma once
// The export of a shown table to a spreadsheet file, as the window's "… в Microsoft Excel"
// commands and `kavrin-cli --xlsx` do it, with the program's messages.
#include <string>

#include "app/uihost.h"
#include "core/xlsxexport.h"

namespace kavrin {

inline constexpr char XlsxFileFilter[] = "Книга Microsoft Excel (*.xlsx)|*.xlsx";
inline constexpr char XlsxFileExt[] = "xlsx";

// Writes the table as a workbook, numbers read with the process-wide format settings (the ones
// its texts were formatted with). A failure shows "Ошибка записи в файл …" and returns false;
// the file that was there is then unchanged.
bool TableExportFile(UiHost& host, const std::string& path, const TExportTable& table);

// An export command of the window: asks for the file name, writes it and offers to open it with
// the desktop's handler of the file type.
void TableXlsExport(UiHost& host, const TExportTable& table);

}  // namespace kavrin
