#include "cli/tableoutput.h"

namespace kavrin {

void TCliOutput::CollectTable(std::string title) {
  table_ = TExportTable{};
  table_->Title = std::move(title);
}

void TCliOutput::Row(std::vector<std::string> cells, std::vector<TCellColors> colors) {
  if (!table_) {
    for (size_t i = 0; i < cells.size(); ++i) stream_ << (i ? "\t" : "") << cells[i];
    stream_ << '\n';
  } else if (!headerSeen_) {
    table_->Header = std::move(cells);
  } else {
    table_->Rows.push_back(std::move(cells));
    if (!colors.empty()) {
      table_->Colors.resize(table_->Rows.size());
      table_->Colors.back() = std::move(colors);
    }
  }
  headerSeen_ = true;
}

}  // namespace kavrin
