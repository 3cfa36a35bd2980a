#pragma once
// What a kavrin-cli command prints. Its table goes row by row through PrintRow: as tab-separated
// lines on standard output, or, with --xlsx, into the workbook written when the command is done.
// Everything else (counts, file names) goes to standard output as it is.
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/xlsxexport.h"

namespace kavrin {

class TCliOutput {
 public:
  explicit TCliOutput(std::ostream& stream) : stream_(stream) {}

  // From now on rows are collected into a table for the sheet `title` instead of printed.
  void CollectTable(std::string title);
  // The first row of a command is its header; `colors` are what the window paints the cells with.
  void Row(std::vector<std::string> cells, std::vector<TCellColors> colors = {});
  // The collected table; null when rows are printed or the command printed none.
  const TExportTable* CollectedTable() const { return table_ && headerSeen_ ? &*table_ : nullptr; }

  template <typename T>
  TCliOutput& operator<<(const T& value) {
    stream_ << value;
    return *this;
  }

 private:
  std::ostream& stream_;
  std::optional<TExportTable> table_;
  bool headerSeen_ = false;
};

template <typename Cells, typename Colors = std::vector<TCellColors>>
void PrintRow(TCliOutput& out, const Cells& cells, const Colors& colors = {}) {
  out.Row(std::vector<std::string>(std::begin(cells), std::end(cells)),
          std::vector<TCellColors>(std::begin(colors), std::end(colors)));
}

}  // namespace kavrin
