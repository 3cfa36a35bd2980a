#include "combs/combdetails.h"

#include <gtest/gtest.h>

namespace kavrin {
namespace {

TEST(CombDetails, MatrixLaysOutNumbersRowByRowAndShowsTheCombination) {
  TDetailsView view;
  view.Numbers = {8, 1, 50, 14, 22};
  view.ChannelSize = 10;
  auto rows = DetailsMatrix(view, 7);
  ASSERT_EQ(rows.size(), 8u);
  ASSERT_EQ(rows[0].size(), 7u);
  EXPECT_EQ(rows[1][0], (TDetailsCell{8, GroupColor(8, 10), true}));
  EXPECT_EQ(rows[1][1], (TDetailsCell{9, GroupColor(9, 10), false}));
  EXPECT_EQ(rows[7][0], (TDetailsCell{50, GroupColor(50, 10), true}));
  EXPECT_EQ(rows[7][1].Number, 0);
  int shown = 0;
  for (const auto& row : rows)
    for (const TDetailsCell& cell : row) shown += cell.Shown;
  EXPECT_EQ(shown, 5);
  EXPECT_EQ(DetailsMatrix(view, 0).size(), 50u);  // column count clamped to 1
}

}  // namespace
}  // namespace kavrin
