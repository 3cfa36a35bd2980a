#include "combs/combdetails.h"

#include <algorithm>

namespace kavrin {

std::vector<std::vector<TDetailsCell>> DetailsMatrix(const TDetailsView& view, int cols) {
  cols = std::clamp(cols, 1, NumberMax);
  std::vector<std::vector<TDetailsCell>> rows(MatrixRowCount(cols), std::vector<TDetailsCell>(cols));
  for (int n = 1; n <= NumberMax; ++n)
    rows[MatrixRow(n, cols) - 1][MatrixColumn(n, cols) - 1] = {n, GroupColor(n, view.ChannelSize),
                                                                 CombContains(view.Numbers, n)};
  return rows;
}

}  // namespace kavrin
