#pragma once
// Spreadsheet export: one table of cell texts, as a list or grid shows it, written as an .xlsx
// workbook of one sheet. The window's export commands and `kavrin-cli --xlsx` both end here.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/format.h"
#include "core/game.h"

namespace kavrin {

// The colours a view gives one cell; nullopt keeps the spreadsheet's default.
struct TCellColors {
  std::optional<TColor> Background;
  std::optional<TColor> Text;
  friend bool operator==(const TCellColors&, const TCellColors&) = default;
};

struct TExportTable {
  std::string Title;                             // the tab's caption; names the sheet
  std::vector<std::string> Header;               // the column captions
  std::vector<std::vector<std::string>> Rows;    // cell texts exactly as shown; rows may be shorter
  // Empty when the view has no colours; otherwise row by row beside Rows (a shorter row or a
  // missing one keeps the default colours).
  std::vector<std::vector<TCellColors>> Colors;
};

// A cell text that the sheet stores as a number: the text as the formatter writes numbers
// ("-12", "3.000" with the locale's decimal separator, "-57.664%" for percentages), without
// grouping, leading zeros or a "+", and with at most 15 significant digits, so the spreadsheet
// shows exactly the text the window shows. Anything else ("-", "", "01", "1;2;3", dates) is text.
struct TCellNumber {
  double Value = 0;  // a percentage as a fraction: "12.5%" is 0.125
  int Decimals = 0;
  bool Percent = false;
  friend bool operator==(const TCellNumber&, const TCellNumber&) = default;
};
std::optional<TCellNumber> CellNumber(std::string_view text, const LocaleSettings& locale);

// Writes the workbook whole through the atomic file writer: a failure leaves an existing file at
// `path` as it was and throws KavrinError with the failure's text. The header row is bold,
// frozen and carries the column filters; column widths fit the longest text of the column.
void WriteXlsxTable(const std::string& path, const TExportTable& table, const LocaleSettings& locale);

}  // namespace kavrin
