#include <gtest/gtest.h>

#include "core/archive.h"
#include "views/schema.h"
#include "views/views_fixture.h"

namespace kavrin {
namespace {

using test::DrawsOf;

// Draw 101: 1 2 3 4 5; 102: 3 4 6 7 8; 103: 12 3 40 7 25 (newest).
const TDrawsArray Draws = DrawsOf({{1, 2, 3, 4, 5}, {3, 4, 6, 7, 8}, {12, 3, 40, 7, 25}});

std::vector<std::vector<std::string>> Cells(const TSchemaGrid& grid) {
  std::vector<std::vector<std::string>> cells(grid.Rows());
  for (int r = 0; r < grid.Rows(); ++r)
    for (int c = 0; c < grid.Columns(); ++c) cells[r].push_back(grid.Cell(r, c));
  return cells;
}

TEST(Schema, EntriesInOrderOfFirstMeetingFromTheNewestDraw) {
  const TShemaArray entries = CountAppearances(Draws, AnalysisWindow(3, 0, 2));
  const TShemaArray expected = {{12, 1, 103}, {3, 2, 103}, {40, 1, 103}, {7, 2, 103}, {25, 1, 103},
                                {4, 1, 102},  {6, 1, 102}, {8, 1, 102}};
  EXPECT_EQ(entries, expected);
}

TEST(Schema, GridPlacesNumbersByCountAndNewestDraw) {
  const TSchemaGrid grid(CountAppearances(Draws, AnalysisWindow(3, 0, 3)), {});
  const std::vector<std::vector<std::string>> expected = {
      {"", "103", "102", "101"},
      {"3", "3", "", ""},
      {"2", "7", "4", ""},
      {"1", "12, 40, 25", "6, 8", "1, 2, 5"},
  };
  EXPECT_EQ(Cells(grid), expected);
}

TEST(Schema, OneDrawGivesOneCellWithItsFiveNumbers) {
  const TSchemaGrid grid(CountAppearances(Draws, AnalysisWindow(3, 0, 1)), {});
  const std::vector<std::vector<std::string>> expected = {{"", "103"}, {"1", "12, 3, 40, 7, 25"}};
  EXPECT_EQ(Cells(grid), expected);
  // An empty archive gives the corner cell alone.
  EXPECT_EQ(Cells(TSchemaGrid(CountAppearances({}, AnalysisWindow(0, 0, 5)), {})),
            (std::vector<std::vector<std::string>>{{""}}));
}

TEST(Schema, AfterAnOffsetStepTheHiddenDrawIsBracketedAndGreen) {
  TDrawArchive archive;
  for (const TDrawRec& d : Draws) archive.Append(d);
  ASSERT_TRUE(archive.SetOffset(1));
  archive.UpdateNextDrawMarks();
  TSchemaView view;
  view.Build(archive.Draws(), archive.Offset(), 1, archive.NextDrawMarks());
  const TSchemaGrid& grid = view.Grid();
  EXPECT_EQ(grid.Cell(0, 1), "102");
  EXPECT_EQ(grid.Cell(1, 1), "[3], 4, 6, [7], 8");
  EXPECT_EQ(SchemaCellColor(grid, 1, 1, true, false), RgbCell(0x00FF00));
  EXPECT_EQ(SchemaCellColor(grid, 1, 1, false, false), RgbCell(0x00FF00));
  EXPECT_EQ(SchemaCellColor(grid, 1, 1, true, true), HighlightCell);
  EXPECT_EQ(SchemaCellColor(grid, 0, 1, true, false), NormalCell);
  // Current until the draws, the offset or the depth change.
  EXPECT_TRUE(view.Current(archive.Draws(), 1, 1));
  EXPECT_FALSE(view.Current(archive.Draws(), 0, 1));
  EXPECT_FALSE(view.Current(archive.Draws(), 1, 2));
}

TEST(Schema, GradientAndCheckerboard) {
  const TSchemaGrid grid(CountAppearances(Draws, AnalysisWindow(3, 0, 3)), {});  // 4 x 4
  // Row 1 of 4: R = round(255 - 38.75), B = round(38.75 + 100); column 2 of 4: G = round(177.5).
  EXPECT_EQ(SchemaCellColor(grid, 1, 2, true, false), RgbCell(0xD8B28B));
  // Row 1 and column 3 both lie in the first odd block: light green; the checkerboard needs
  // indexes past 5 to show pink, below.
  EXPECT_EQ(SchemaCellColor(grid, 1, 3, false, false), RgbCell(0xEAFFEA));

  struct Case {
    int index;
    bool odd;
  };
  const Case cases[] = {{0, false}, {1, true},   {5, true},   {6, false},  {10, false}, {11, true},
                        {15, true}, {16, false}, {91, true},  {95, true},  {96, false}, {101, false},
                        {105, false}};
  for (const Case& c : cases) EXPECT_EQ(SchemaOddBlock(c.index), c.odd) << c.index;
}

TEST(Schema, ComparisonListsCountInCreationOrder) {
  const TCompareList list = BuildCompareList(Draws, 0, 2);
  EXPECT_EQ(list.Caption, "102 - 103");
  EXPECT_EQ(list.Rows, (std::vector<TCompareRow>{{1, "12, 40, 25, 4, 6, 8"}, {2, "3, 7"}}));
  // A depth beyond the archive covers all of it; an offset moves the window back.
  EXPECT_EQ(BuildCompareList(Draws, 0, 50).Caption, "101 - 103");
  EXPECT_EQ(BuildCompareList(Draws, 1, 50).Caption, "101 - 102");
  const TCompareList empty = BuildCompareList({}, 0, 5);
  EXPECT_EQ(empty.Caption, "");
  EXPECT_TRUE(empty.Rows.empty());

  TCompareView view;
  view.Build(Draws, 0, {1, 2, 3, 4, 5});
  EXPECT_EQ(view.Lists()[0].Caption, "103 - 103");
  EXPECT_EQ(view.Lists()[4].Caption, "101 - 103");
  // The depths are no part of its memory: a changed depth is applied by a forced rebuild.
  EXPECT_TRUE(view.Current(Draws, 0));
  EXPECT_FALSE(view.Current(Draws, 1));
}

}  // namespace
}  // namespace kavrin
