#pragma once
// The draw card "Карта": one row per draw of the whole archive (newest first, whatever the
// analysis offset), one column per number. Cells are produced on demand from the archive, so a
// card of any length costs nothing to build.
#include <string>

#include "core/game.h"
#include "views/viewtypes.h"

namespace kavrin {

inline constexpr int CardColumnCount = NumberMax + 2;  // draw number, 1..50, extra
inline constexpr int CardExtraColumn = NumberMax + 1;

// Row 0 holds the headers; row r >= 1 is the draw at position r - 1. At least 2 rows, so that
// an empty archive shows one empty row.
int CardRowCount(const TDrawsArray& draws);

// Row 0: "1" ... "50" and "E" (column 0 empty). Draw rows: the draw number, n in column n when
// the draw holds n, the extra number. Empty outside the card.
std::string CardCellText(const TDrawsArray& draws, int row, int column);

struct TCardColors {
  bool Channels = true;   // ColorCard: group colours of the columns' numbers
  bool Sequences = true;  // ColorCardSequences: repeats and neighbours
  int ChannelSize = 5;
};
// The background of a data cell (header cells keep the grid's colours). A number repeated in
// the row above or below is green, one with a number beside it cyan, both yellow; other cells
// of columns 1..50 take the group colour of their column while channels are on.
TCellColor CardCellColor(const TDrawsArray& draws, int row, int column, const TCardColors& colors, bool selected);

// The card's memory: its row count, the only thing a rebuild changes.
class TCardView {
 public:
  // The card is current while it has a row per draw.
  bool Current(const TDrawsArray& draws) const { return rows_ == CardRowCount(draws); }
  void Build(const TDrawsArray& draws) { rows_ = CardRowCount(draws); }
  int Rows() const { return rows_; }

 private:
  int rows_ = 0;
};

}  // namespace kavrin
