#include "core/xlsxexport.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/errors.h"
#include "core/fileio.h"
#include "support/temp_dir.h"
#include "support/xlsx_reader.h"

namespace kavrin {
namespace {

TEST(XlsxExport, CellNumberTakesOnlyTheFormattersNumbers) {
  const LocaleSettings point{".", ","}, comma{",", " "};
  struct Case {
    const char* text;
    const LocaleSettings& locale;
    std::optional<TCellNumber> number;
  };
  const Case cases[] = {
      {"12", point, TCellNumber{12, 0, false}},
      {"0", point, TCellNumber{0, 0, false}},
      {"-3.000", point, TCellNumber{-3, 3, false}},
      {"1234.50", point, TCellNumber{1234.5, 2, false}},
      {"1234,50", comma, TCellNumber{1234.5, 2, false}},
      {"-57.664%", point, TCellNumber{-0.57664, 3, true}},
      {"0,000%", comma, TCellNumber{0, 3, true}},
      {"123456789012345", point, TCellNumber{123456789012345.0, 0, false}},
      // texts the spreadsheet could not show back unchanged, or that are no single number
      {"1234,50", point, std::nullopt},
      {"1234.50", comma, std::nullopt},
      {"1,234", point, std::nullopt},
      {"1234567890123456", point, std::nullopt},
      {"12345678901234.56", point, std::nullopt},
      {"", point, std::nullopt},
      {"-", point, std::nullopt},
      {"01", point, std::nullopt},
      {"+1", point, std::nullopt},
      {"1.", point, std::nullopt},
      {".5", point, std::nullopt},
      {"1e5", point, std::nullopt},
      {"1;2;3", point, std::nullopt},
      {"1 2 3", point, std::nullopt},
      {"01.02.2020 21:00", point, std::nullopt},
      {"%", point, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(CellNumber(c.text, c.locale), c.number) << c.text;
}

TEST(XlsxExport, WorkbookHoldsTheTableAsTheWindowShowsIt) {
  test::TempDir dir;
  TExportTable table;
  table.Title = "Ставки";
  table.Header = {"Тираж", "Комментарий", "Профит", "E0", "Пусто"};
  table.Rows = {{"1500", "Ставка \"вручную\" <&>", "-12.50", "-57.664%", ""},
                {"1501", "-", "0.00", "0.000%", ""},
                {},
                {"07", "очень длинный комментарий к ставке", "3"}};
  table.Colors = {{{0xFFAAAA, std::nullopt}, {0xFFAAAA, 0x008000}, {std::nullopt, 0}}, {}, {}, {}};
  WriteXlsxTable(dir.File("t.xlsx"), table, LocaleSettings{".", ","});

  test::XlsxBook book(dir.File("t.xlsx"));
  EXPECT_EQ(book.SheetName(), "Ставки");
  EXPECT_NE(book.FrozenPane().find("ySplit=\"1\""), std::string::npos) << book.FrozenPane();
  EXPECT_NE(book.FrozenPane().find("state=\"frozen\""), std::string::npos) << book.FrozenPane();
  EXPECT_EQ(book.AutoFilter(), "A1:E5");
  EXPECT_EQ(book.ShownAsTsv(),
            "Тираж\tКомментарий\tПрофит\tE0\tПусто\n"
            "1500\tСтавка \"вручную\" <&>\t-12.50\t-57.664%\t\n"
            "1501\t-\t0.00\t0.000%\t\n"
            "\t\t\t\t\n"
            "07\tочень длинный комментарий к ставке\t3\t\t\n");

  for (const char* ref : {"A1", "B1", "E1"}) {
    EXPECT_TRUE(book.Cell(ref)->Bold) << ref;
    EXPECT_FALSE(book.Cell(ref)->IsNumber) << ref;
  }
  struct Expected {
    const char* ref;
    bool number;
    const char* value;
    const char* format;
  };
  for (const Expected& e : {Expected{"A2", true, "1500", "0"}, Expected{"C2", true, "-12.5", "0.00"},
                            Expected{"D2", true, "-0.57664", "0.000%"}, Expected{"B3", false, "-", ""},
                            Expected{"C3", true, "0", "0.00"}, Expected{"A5", false, "07", ""}}) {
    const test::XlsxCell* cell = book.Cell(e.ref);
    ASSERT_NE(cell, nullptr) << e.ref;
    EXPECT_EQ(cell->IsNumber, e.number) << e.ref;
    EXPECT_EQ(cell->Value, e.value) << e.ref;
    EXPECT_EQ(cell->NumberFormat, e.format) << e.ref;
  }
  EXPECT_EQ(book.Cell("A2")->Fill, "FFFFAAAA");
  EXPECT_EQ(book.Cell("B2")->Fill, "FFFFAAAA");
  EXPECT_EQ(book.Cell("B2")->FontColor, "FF008000");
  EXPECT_EQ(book.Cell("C2")->FontColor, "FF000000");  // black is a colour too
  EXPECT_EQ(book.Cell("C2")->Fill, "");
  EXPECT_EQ(book.Cell("A3")->Fill, "");
  EXPECT_EQ(book.Cell("E2"), nullptr);  // an empty cell without colour is not written

  const std::vector<double> widths = book.ColumnWidths();
  ASSERT_EQ(widths.size(), 5u);
  EXPECT_GT(widths[1], widths[0]);
  EXPECT_GE(widths[1], 34.0);  // the longest comment, in characters rather than bytes
  EXPECT_LT(widths[1], 40.0);
}

TEST(XlsxExport, SheetNameKeepsWhatTheFormatAllows) {
  test::TempDir dir;
  const std::pair<std::string, std::string> cases[] = {
      {"Схема [1/2]: *?", "Схема _1_2__ __"},
      {"'Карта'", "Карта"},
      {"Статистика по длинному окну тиражей", "Статистика по длинному окну тир"},
      {"", "Лист1"},
  };
  for (const auto& [title, name] : cases) {
    WriteXlsxTable(dir.File("n.xlsx"), TExportTable{title, {"A"}, {{"1"}}, {}}, LocaleSettings{});
    EXPECT_EQ(test::XlsxBook(dir.File("n.xlsx")).SheetName(), name) << title;
  }
}

TEST(XlsxExport, AFailedWriteLeavesTheOldFile) {
  test::TempDir dir;
  const std::string path = dir.File("old.xlsx");
  test::WriteBytes(path, "the old workbook");
  const TExportTable table{"Рейтинг", {"Комментарий"}, {{"x"}}, {}};
  SetWriteFaultHook([](size_t) { return false; });
  EXPECT_THROW(WriteXlsxTable(path, table, LocaleSettings{}), KavrinError);
  SetWriteFaultHook(nullptr);
  EXPECT_EQ(test::ReadBytes(path), "the old workbook");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);

  try {
    WriteXlsxTable(dir.File("missing/new.xlsx"), table, LocaleSettings{});
    ADD_FAILURE() << "written into a missing folder";
  } catch (const KavrinError& e) {
    EXPECT_NE(std::string(e.what()).find("missing/new.xlsx"), std::string::npos) << e.what();
  }
  TExportTable tooLong{"Ставки", {"№ тиража"}, std::vector<std::vector<std::string>>(1048576), {}};
  try {
    WriteXlsxTable(path, tooLong, LocaleSettings{});
    ADD_FAILURE() << "a sheet of more rows than the format holds";
  } catch (const KavrinError& e) {
    EXPECT_STREQ(e.what(), "Таблица (строк: 1048577, столбцов: 1) не помещается на лист: на нём не более 1048576 строк "
                           "и 16384 столбцов.");
  }
  EXPECT_EQ(test::ReadBytes(path), "the old workbook");

  WriteXlsxTable(path, table, LocaleSettings{});
  EXPECT_EQ(test::XlsxBook(path).ShownAsTsv(), "Комментарий\nx\n");
}

}  // namespace
}  // namespace kavrin
