// The systems tab's rules: the dialog, the local copies and the catalog cells.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/errors.h"
#include "core/fileio.h"
#include "stakes/systemplay.h"
#include "support/temp_dir.h"
#include "systems/systemcatalog.h"

namespace kavrin {
namespace {

TEST(SystemDialog, LeavingTheCombinationsNormalisesThemAndCountsNumbersAndLines) {
  TSystemDialogFields f;
  f.CombsText = "1 2 3 4 5\r\n6-7-8-9-10\n11;12;13;14\r\n\r\n  1*2+3,4.5/6 \r\n";
  NormaliseSystemCombs(f);
  EXPECT_EQ(f.CombsText, "01 02 03 04 05\r\n06 07 08 09 10");
  EXPECT_EQ(f.NumsText, "10");
  EXPECT_EQ(f.CombinationsText, "2");

  f.CombsText = "3:4=5\\6_7|8~9 ";  // seven words: dropped
  NormaliseSystemCombs(f);
  EXPECT_EQ(f.CombsText, "");
  EXPECT_EQ(f.NumsText, "0");
  EXPECT_EQ(f.CombinationsText, "0");

  f.CombsText = "1 2 3 4 5\r\n1 2 x 4 5";
  EXPECT_THROW(NormaliseSystemCombs(f), KavrinError);
  EXPECT_EQ(f.CombsText, "1 2 3 4 5\r\n1 2 x 4 5") << "a refused text stays as typed";
}

TEST(SystemDialog, OkChecksTheFieldsInOrder) {
  TSystemDialogFields good;
  good.Title = "Система";
  good.NumsText = "12";
  good.BlockText = "3";
  good.Author = "Пётр";
  good.Description = "Описание";
  good.CombsText = "01 02 03 04 05";
  EXPECT_EQ(ValidateSystemDialog(good), std::nullopt);
  struct Case {
    std::function<void(TSystemDialogFields&)> change;
    TSystemDialogError error;
  };
  const Case cases[] = {
      {[](auto& f) { f.Title = "  "; f.NumsText = "5"; },
       {"Название системы должно быть указано обязательно!", TSystemDialogField::Title}},
      {[](auto& f) { f.NumsText = "5"; f.BlockText = "5"; },
       {"Указано недопустмое количество используемых чисел!", TSystemDialogField::Nums}},
      {[](auto& f) { f.NumsText = "51"; }, {"Указано недопустмое количество используемых чисел!", TSystemDialogField::Nums}},
      {[](auto& f) { f.NumsText = ""; }, {"Указано недопустмое количество используемых чисел!", TSystemDialogField::Nums}},
      {[](auto& f) { f.BlockText = "5"; f.Description = ""; },
       {"Указан недопустмый размер блока!", TSystemDialogField::Block}},
      {[](auto& f) { f.Author = " "; }, {"Имя автора должно быть указано обязательно!", TSystemDialogField::Author}},
      {[](auto& f) { f.Description = ""; f.CombsText = ""; },
       {"Описание системы должно быть указано обязательно!", TSystemDialogField::Description}},
      {[](auto& f) { f.CombsText = "\r\n"; }, {"Содержимое системы должно быть указано обязательно!", TSystemDialogField::Combs}},
  };
  for (const Case& c : cases) {
    TSystemDialogFields f = good;
    c.change(f);
    EXPECT_EQ(ValidateSystemDialog(f), std::optional(c.error)) << c.error.Message;
  }
  for (const char* nums : {"6", "50"}) {
    TSystemDialogFields f = good;
    f.NumsText = nums;
    EXPECT_EQ(ValidateSystemDialog(f), std::nullopt) << nums;
  }
}

TEST(SystemDialog, TheResultKeepsIdAndOwnerAndReadsTimesBack) {
  tSystemData given;
  given.Info.Id = 42;
  given.Info.Owner = "petr@example.org";
  given.Info.Title = "старое";
  given.Info.Created = ViewTextToDateTime("2024-01-02 03:04:05");
  given.Info.Downloads = 9;
  given.Combs = "01 02 03 04 05";
  TSystemDialogFields f = SystemDialogPrefill(given);
  EXPECT_EQ(f.CreatedText, "2024-01-02 03:04:05");
  EXPECT_EQ(f.LastDownloadText, "");
  EXPECT_EQ(f.DownloadsText, "9");
  f.Title = "новое";
  f.NumsText = "12";
  f.CombinationsText = "1";
  tSystemData result = SystemFromDialog(given, f);
  EXPECT_EQ(result.Info.Id, 42);
  EXPECT_EQ(result.Info.Owner, "petr@example.org");
  EXPECT_EQ(result.Info.Title, "новое");
  EXPECT_EQ(result.Info.Nums, 12);
  EXPECT_EQ(result.Info.Combinations, 1);
  EXPECT_EQ(result.Info.Downloads, 9);
  EXPECT_EQ(result.Info.Created, given.Info.Created);
  EXPECT_EQ(result.Info.LastDownload, 0);
  EXPECT_EQ(result.Combs, "01 02 03 04 05");

  SetNowForTests(ViewTextToDateTime("2024-06-01 12:00:00"));
  f.CreatedText = "";
  EXPECT_EQ(DateTimeToViewText(SystemFromDialog(given, f).Info.Created), "2024-06-01 12:00:00");
  SetNowForTests(std::nullopt);
}

tSystemInfo System(int id, int nums, int block, int combinations) {
  tSystemInfo info;
  info.Id = id;
  info.Nums = nums;
  info.Block = block;
  info.Combinations = combinations;
  info.Created = ViewTextToDateTime("2024-01-02 03:04:05");
  return info;
}

TEST(SystemLocalCopy, AWrongLineCountWritesNothing) {
  test::TempDir dir;
  const std::string folder = dir.File(SystemsFolderName);
  try {
    WriteSystemFile(folder, System(42, 12, 3, 3), "01 02 03 04 05\r\n01 02 03 04 06\r\n");
    FAIL();
  } catch (const KavrinError& e) {
    EXPECT_STREQ(e.what(), "Количество скачанных комбинаций ( 2 ) отличается от ожидаемого значения ( 3 )");
  }
  EXPECT_FALSE(FindSystemFile(folder, 12));
}

TEST(SystemLocalCopy, TheFileIsWindows1251WithCrLfAndCarriesTheCreationTime) {
  test::TempDir dir;
  const std::string folder = dir.File(SystemsFolderName);
  const tSystemInfo info = System(42, 12, 3, 2);
  WriteSystemFile(folder, info, "01 02 03 04 05\n01 02 03 04 06");
  const std::string path = SystemLocalPath(folder, info);
  EXPECT_EQ(path, folder + "/5-12-3_0042.dat");
  EXPECT_EQ(test::ReadBytes(path), "01 02 03 04 05\r\n01 02 03 04 06\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(static_cast<int64_t>(st.st_mtime), DateTimeToUnix(info.Created));
  EXPECT_FALSE(SystemLocalCopyStale(path, info.Created));
  EXPECT_TRUE(SystemLocalCopyStale(path, ViewTextToDateTime("2024-01-02 03:04:06")));
  EXPECT_FALSE(SystemLocalCopyStale(folder + "/5-12-3_0043.dat", info.Created)) << "no copy, nothing stale";

  // A second system for 12 numbers replaces the first one's copy.
  const tSystemInfo second = System(7, 12, 0, 1);
  WriteSystemFile(folder, second, "01 02 03 04 05");
  test::WriteBytes(folder + "/5-11-0_0001.dat", "01 02 03 04 05\r\n");
  DeleteOtherSystemFiles(folder, second);
  EXPECT_FALSE(FileExists(path));
  EXPECT_TRUE(FileExists(SystemLocalPath(folder, second)));
  EXPECT_TRUE(FileExists(folder + "/5-11-0_0001.dat"));
}

TEST(SystemsView, CellsStatesAndThePlaceholder) {
  TSystemRow row{System(42, 9, 3, 30), true};
  row.Info.Title = "Лидер";
  row.Info.Author = "Пётр";
  row.Info.Owner = "Petr@Example.org";
  row.Info.Downloads = 17;
  row.Info.Description = "Описание";
  row.Info.Url = "http://example.org";
  EXPECT_EQ(SystemRowCells(row), (std::array<std::string, SystemsColumnCount>{
                                     "Лидер", "Пётр", "09", "3", "30", "2024-01-02 03:04:05", "Загружена", "17", "",
                                     "Описание", "http://example.org"}));
  EXPECT_EQ(SystemRowState(row, "petr@example.org"), TSystemRowState::OwnDownloaded);
  EXPECT_EQ(SystemRowState(row, "other@example.org"), TSystemRowState::ForeignDownloaded);
  row.Downloaded = false;
  EXPECT_EQ(SystemRowState(row, ""), TSystemRowState::Foreign) << "without an address nothing is the user's";
  row.Info.Owner = "";
  EXPECT_EQ(SystemRowState(row, ""), TSystemRowState::NoOwner);
  EXPECT_FALSE(IsOwnSystem(row.Info, "")) << "an ownerless system is not the own system of a user without address";

  const TSystemRow placeholder = SystemsPlaceholderRow();
  EXPECT_EQ(placeholder.Info.Id, -1);
  EXPECT_EQ(SystemRowState(placeholder, ""), TSystemRowState::None);
  EXPECT_EQ(SystemRowCells(placeholder),
            (std::array<std::string, SystemsColumnCount>{"Список систем не доступен!"}));
}

}  // namespace
}  // namespace kavrin
