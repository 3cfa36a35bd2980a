#pragma once
// Reads back an .xlsx workbook as a spreadsheet would see it: the zip's parts, the first
// sheet's cells and what their styles say. Enough XML for the files the export writes.
#include <map>
#include <string>
#include <vector>

namespace kavrin::test {

struct XlsxCell {
  std::string Ref;          // "B2"
  bool IsNumber = false;
  std::string Value;        // the text of a string cell, the stored number of a number cell
  std::string Shown;        // the text the spreadsheet shows (numbers through their format)
  std::string NumberFormat; // "0.00", "0.000%", … ("" for the general format)
  std::string Fill;         // background as "FFRRGGBB", "" when none
  std::string FontColor;    // "FFRRGGBB", "" when the default
  bool Bold = false;
};

class XlsxBook {
 public:
  explicit XlsxBook(const std::string& path);  // fails the test (throws) on a broken file

  const std::string& Part(const std::string& name) const;  // "" when the zip has no such part
  std::string SheetName() const;
  std::string FrozenPane() const;  // the first sheet's <pane …/> element, "" when none
  std::string AutoFilter() const;  // the first sheet's filter range, "" when none
  std::vector<double> ColumnWidths() const;
  // Every written cell of the first sheet, row by row.
  const std::vector<XlsxCell>& Cells() const { return cells_; }
  const XlsxCell* Cell(const std::string& ref) const;
  // The shown texts as tab-separated lines, a missing cell as an empty one: how kavrin-cli
  // prints the same table.
  std::string ShownAsTsv() const;

 private:
  std::map<std::string, std::string> parts_;
  std::vector<XlsxCell> cells_;
};

}  // namespace kavrin::test
