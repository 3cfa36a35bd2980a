#include <gtest/gtest.h>

#include "views/card.h"
#include "views/views_fixture.h"

namespace kavrin {
namespace {

using test::DrawsOf;

// Row 1 is draw 103, row 2 draw 102, row 3 draw 101.
const TDrawsArray Draws = DrawsOf({{7, 8, 20, 33, 41}, {47, 20, 8, 35, 7}, {12, 25, 26, 47, 3}});

TEST(Card, CellsShowTheWholeArchiveNewestFirst) {
  EXPECT_EQ(CardRowCount(Draws), 4);
  EXPECT_EQ(CardCellText(Draws, 0, 0), "");
  EXPECT_EQ(CardCellText(Draws, 0, 1), "1");
  EXPECT_EQ(CardCellText(Draws, 0, 50), "50");
  EXPECT_EQ(CardCellText(Draws, 0, CardExtraColumn), "E");
  EXPECT_EQ(CardCellText(Draws, 1, 0), "103");
  EXPECT_EQ(CardCellText(Draws, 1, 12), "12");
  EXPECT_EQ(CardCellText(Draws, 1, 13), "");
  EXPECT_EQ(CardCellText(Draws, 1, CardExtraColumn), "3");
  EXPECT_EQ(CardCellText(Draws, 3, 0), "101");
  EXPECT_EQ(CardCellText(Draws, 4, 0), "");
  // An empty archive still shows one empty row.
  EXPECT_EQ(CardRowCount({}), 2);
  EXPECT_EQ(CardCellText({}, 1, 0), "");
}

TEST(Card, RepeatsNeighboursAndGroupColours) {
  const TCardColors all{true, true, 5};
  const TCardColors sequencesOnly{false, true, 5};
  const TCardColors channelsOnly{true, false, 5};
  struct Case {
    int row, column;
    TCardColors colors;
    TCellColor expected;
  };
  const Case cases[] = {
      // 7 and 8 fell in draws 101 and 102: repeated with a neighbour, yellow in both rows.
      {2, 7, all, RgbCell(0xFFFF00)},
      {3, 7, all, RgbCell(0xFFFF00)},
      {3, 8, all, RgbCell(0xFFFF00)},
      // 20 repeats without a neighbour: green; 47 repeats between rows 1 and 2.
      {2, 20, all, RgbCell(0x00FF00)},
      {1, 47, all, RgbCell(0x00FF00)},
      // 25 and 26 of the newest draw sit side by side: cyan.
      {1, 25, all, RgbCell(0x00FFFF)},
      // The header above row 1 holds "12" too, but it is no draw: 12 is neither, so it takes its
      // group colour, or the normal colour with channels off.
      {1, 12, all, RgbCell(GroupColor(12, 5))},
      {1, 12, sequencesOnly, NormalCell},
      // Empty cells take the column's group colour while channels are on.
      {1, 1, all, RgbCell(GroupColor(1, 5))},
      {1, 1, sequencesOnly, NormalCell},
      // Sequences off: a repeat is coloured by its group only.
      {2, 7, channelsOnly, RgbCell(GroupColor(7, 5))},
      // The extra column and the headers keep the grid's colours.
      {1, CardExtraColumn, all, NormalCell},
      {0, 7, all, NormalCell},
      {2, 0, all, NormalCell},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CardCellColor(Draws, c.row, c.column, c.colors, false), c.expected)
        << "row " << c.row << " column " << c.column;
  EXPECT_EQ(CardCellColor(Draws, 2, 7, all, true), HighlightCell);
  // A group size of 10 gives 12 the second group.
  EXPECT_EQ(CardCellColor(Draws, 1, 12, {true, true, 10}, false), RgbCell(GroupColor(12, 10)));
}

TEST(Card, CurrentWhileItHasARowPerDraw) {
  TCardView card;
  TDrawsArray draws = Draws;
  EXPECT_FALSE(card.Current(draws));
  card.Build(draws);
  EXPECT_EQ(card.Rows(), 4);
  EXPECT_TRUE(card.Current(draws));
  draws.pop_back();
  EXPECT_FALSE(card.Current(draws));
}

}  // namespace
}  // namespace kavrin
