#include "combs/listfile.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

std::vector<TComb> Items(const TCombList& list) { return {list.Combs().begin(), list.Combs().end()}; }

TEST(ListFile, ReaderLineRules) {
  TCombList list;
  AppendListText(
      "1,2,3,4\r\n"             // four fields: skipped
      "1;2;3;4;5;6\r\n"         // six fields: skipped
      "01; 02 ;03;04;05\r\n"    // trimmed, leading zeros
      ";6;;7,8;9;10;\n"         // separators at the ends and in runs
      "\r\n"                    // empty line: skipped
      "50;3;49;1;7\r"           // the order given is kept
      "11;12;13;14;15",         // no final line break
      list);
  EXPECT_EQ(Items(list), (std::vector<TComb>{{1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}, {50, 3, 49, 1, 7}, {11, 12, 13, 14, 15}}));
}

TEST(ListFile, ALineOfNumbersThatIsNoCombinationIsRefusedByItsNumber) {
  const char* bad[] = {"50;50;49;30;1", "1;2;3;4;51", "1;2;3;4;x", "1;2;3;4;300", "0;1;2;3;4"};
  for (const char* line : bad) {
    SCOPED_TRACE(line);
    test::TempDir dir;
    test::WriteBytes(dir.File("a.lcv"), std::string("1;2;3;4;5\r\n1;2\r\n") + line + "\r\n");
    TCombList list;
    list.Append({6, 7, 8, 9, 10});
    try {
      ReadListFile(dir.File("a.lcv"), list);
      ADD_FAILURE() << "accepted";
    } catch (const KavrinError& e) {
      EXPECT_EQ(std::string(e.what()), "Файл " + dir.File("a.lcv") + ". Строка 3: \"" + line +
                                           "\" - не пять разных чисел от 1 до 50.");
    }
    EXPECT_EQ(Items(list), (std::vector<TComb>{{6, 7, 8, 9, 10}})) << "the list is left as it was";
  }
}

TEST(ListFile, WriteThenReadGivesTheSameList) {
  test::TempDir dir;
  TCombList list;
  list.Append({1, 12, 23, 34, 45});
  list.Append({50, 3, 7, 1, 2});
  WriteListFile(dir.File("a.lcv"), list);
  EXPECT_EQ(test::ReadBytes(dir.File("a.lcv")), "1;12;23;34;45\r\n50;3;7;1;2\r\n");

  TCombList back;
  back.Append({9, 9, 9, 9, 9});
  ReadListFile(dir.File("a.lcv"), back);
  EXPECT_EQ(Items(back), Items(list));

  WriteListFile(dir.File("empty.lcv"), TCombList{});
  EXPECT_EQ(test::ReadBytes(dir.File("empty.lcv")), "");
}

TEST(ListFile, UnreadableFileLeavesTheListAlone) {
  test::TempDir dir;
  TCombList list;
  list.Append({1, 2, 3, 4, 5});
  EXPECT_THROW(ReadListFile(dir.File("missing.lcv"), list), KavrinError);
  EXPECT_THROW(ReadListFile(dir.Path(), list), KavrinError);  // a folder
  EXPECT_EQ(Items(list), (std::vector<TComb>{{1, 2, 3, 4, 5}}));
}

TEST(ListFile, FileLargerThanTheReservedStorageLoads) {
  test::TempDir dir;
  TCombList list;
  list.Reserve(FullSetSize);
  std::string text;
  text.reserve(static_cast<size_t>(FullSetSize + 1) * 10);
  for (int64_t i = 0; i < FullSetSize; ++i) text += "1;2;3;4;5\n";
  text += "6;7;8;9;10\n";
  test::WriteBytes(dir.File("big.lcv"), text);
  ReadListFile(dir.File("big.lcv"), list);
  ASSERT_EQ(list.Count(), FullSetSize + 1);
  EXPECT_EQ(list[0], (TComb{1, 2, 3, 4, 5}));
  EXPECT_EQ(list[static_cast<int32_t>(FullSetSize)], (TComb{6, 7, 8, 9, 10}));
}

TEST(Clipboard, CopyTextOfTheSelectedRowsInListOrder) {
  TCombList list;
  for (uint8_t i = 1; i <= 5; ++i) list.Append({i, 12, 23, 34, 45});
  TRowSelection selection;
  selection.Select(4, 3);
  selection.Select(0, 0);
  EXPECT_EQ(CombsClipboardText(list, selection), "01 12 23 34 45\r\n04 12 23 34 45\r\n05 12 23 34 45\r\n");
  EXPECT_EQ(CombsClipboardText(list, TRowSelection{}), "");
}

TEST(Clipboard, PasteReadsEveryLineOrFailsOnTheFirstBadOne) {
  TCombList list;
  PasteCombs("01 12 23 34 45\r\n2,3-4.5:6\r7|8;9\t10 11\n", list);
  EXPECT_EQ(Items(list), (std::vector<TComb>{{1, 12, 23, 34, 45}, {2, 3, 4, 5, 6}, {7, 8, 9, 10, 11}}));

  struct Bad {
    const char* text;
    const char* message;
  };
  for (const Bad& bad : {Bad{"1 2 3 4 5\r\n\r\n6 7 8 9 10", "Некорректная комбинация: \"\"!"},
                         Bad{"1 2 3 4 5\n1 2 3 4", "Некорректная комбинация: \"1 2 3 4\"!"},
                         Bad{"1 2 3 4 5 6", "Некорректная комбинация: \"1 2 3 4 5 6\"!"},
                         Bad{"1 2 3 4 99", "Некорректная комбинация: \"1 2 3 4 99\"!"},
                         Bad{"1 2 3 4 4", "Некорректная комбинация: \"1 2 3 4 4\"!"}}) {
    try {
      PasteCombs(bad.text, list);
      ADD_FAILURE() << bad.text;
    } catch (const KavrinError& e) {
      EXPECT_STREQ(e.what(), bad.message);
    }
  }
}

}  // namespace
}  // namespace kavrin
