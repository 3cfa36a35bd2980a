#include <gtest/gtest.h>

#include "core/drawlist.h"
#include "core/errors.h"
#include "support/draws.h"

namespace kavrin {
namespace {

using test::Draw;


TEST(DrawList, RowInDrawnOrSortedOrder) {
  const TDrawRec draw = Draw(1234, {47, 5, 33, 12, 41}, 7, "01.02.2020 21:00");
  using Row = std::array<std::string, DrawListColumnCount>;
  EXPECT_EQ(DrawListRow(draw, false), (Row{"1234", "47", "5", "33", "12", "41", "7", "138", "01.02.2020 21:00"}));
  EXPECT_EQ(DrawListRow(draw, true), (Row{"1234", "5", "12", "33", "41", "47", "7", "138", "01.02.2020 21:00"}));
  EXPECT_EQ(DrawListCaptions(), (Row{"Тираж", "1", "2", "3", "4", "5", "E", "S", "Дата тиража"}));
}

TEST(DrawList, CellColours) {
  TDrawArchive archive;
  archive.Append(Draw(1, {1, 2, 3, 4, 5}, 1));
  archive.Append(Draw(2, {50, 6, 11, 16, 21}, 2));
  ASSERT_TRUE(archive.SetOffset(1));
  // Position 0 is the newest draw (50 6 11 16 21); position 1 is the offset row.
  EXPECT_EQ(DrawListCellColor(archive, 0, 1, false, true, 5), 0xFFAAD5u) << "50 is in group 10";
  EXPECT_EQ(DrawListCellColor(archive, 0, 1, true, true, 5), 0xFFFFAAu) << "sorted: 6 comes first";
  EXPECT_EQ(DrawListCellColor(archive, 0, 0, false, true, 5), WhiteColor);
  EXPECT_EQ(DrawListCellColor(archive, 0, 8, false, true, 5), WhiteColor);
  EXPECT_EQ(DrawListCellColor(archive, 1, 0, false, true, 5), OffsetRowColor);
  EXPECT_EQ(DrawListCellColor(archive, 1, 7, false, true, 5), OffsetRowColor);
  EXPECT_EQ(DrawListCellColor(archive, 1, 3, false, true, 5), 0xAAFFAAu) << "numbers keep their colour in the offset row";
  EXPECT_EQ(DrawListCellColor(archive, 1, 3, false, false, 5), OffsetRowColor);
  EXPECT_EQ(DrawListCellColor(archive, 0, 3, false, false, 5), std::nullopt);
}

TEST(DrawDialog, PrefillFromARecord) {
  TDrawDialogFields fields = DrawDialogPrefill(Draw(7, {47, 5, 33, 12, 41}, 7, "01.02.2020 21:00"));
  EXPECT_EQ(fields.Number, 7);
  EXPECT_EQ(fields.NumbersText, "47;5;33;12;41;7");
  EXPECT_EQ(fields.DateTime, EncodeDateTime(2020, 2, 1, 21, 0));

  SetNowForTests(EncodeDateTime(2024, 3, 9, 12, 30));
  fields = DrawDialogPrefill(TDrawRec{});
  SetNowForTests(std::nullopt);
  EXPECT_EQ(fields.NumbersText, "0;0;0;0;0;0");
  EXPECT_EQ(fields.DateTime, EncodeDateTime(2024, 3, 9, 12, 30));

  EXPECT_THROW(DrawDialogPrefill(Draw(7, {1, 2, 3, 4, 5}, 1, "31.02.2020 21:00")), KavrinError);
}

TEST(DrawDialog, AcceptsSixValidNumbers) {
  TDrawDialogFields fields;
  fields.Number = 99;
  fields.NumbersText = " 47, 5;;33 ,12;41;7";
  fields.DateTime = EncodeDateTime(2020, 2, 1, 21, 5);
  std::optional<TDrawRec> draw = DrawFromDialog(fields);
  ASSERT_TRUE(draw.has_value());
  EXPECT_EQ(draw->Number, 99);
  EXPECT_EQ(draw->Numbers, (TComb{47, 5, 33, 12, 41}));
  EXPECT_EQ(draw->Extra, 7);
  EXPECT_EQ(draw->Date, "01.02.2020 21:05");

  fields.NumbersText = "1;2;3;4;50;11";
  ASSERT_TRUE(DrawFromDialog(fields).has_value());
  EXPECT_EQ(DrawFromDialog(fields)->Extra, 11);
}

class DrawDialogRejectTest : public ::testing::TestWithParam<const char*> {};

TEST_P(DrawDialogRejectTest, InvalidNumbers) {
  TDrawDialogFields fields;
  fields.Number = 1;
  fields.NumbersText = GetParam();
  EXPECT_FALSE(DrawFromDialog(fields).has_value()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Texts, DrawDialogRejectTest,
                         ::testing::Values("1;2;3;4;5", "1;2;3;4;5;6;7", "1;1;3;4;5;6", "1;2;3;4;5;12",
                                           "51;2;3;4;5;6", "0;2;3;4;5;6", "1;2;3;4;5;0", "1;2;3;4;5;-1",
                                           "a;2;3;4;5;6", "1 2 3 4 5 6", "", "0;0;0;0;0;0"));

}  // namespace
}  // namespace kavrin
