#include <gtest/gtest.h>

#include "core/cp1251.h"
#include "core/errors.h"
#include "core/inifile.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

const LocaleSettings Russian{",", " "};

TEST(IniFile, SectionsAndKeysIgnoreCase) {
  test::TempDir dir;
  const std::string path = dir.File("a.ini");
  test::WriteBytes(path, "[Global]\r\nmatrixCOLS=7\r\n");
  TIniFile ini(path);
  EXPECT_TRUE(ini.SectionExists("GLOBAL"));
  EXPECT_TRUE(ini.ValueExists("global", "MatrixCols"));
  EXPECT_EQ(ini.ReadInteger("GLOBAL", "MatrixCols", 5), 7);
  ini.WriteInteger("GLOBAL", "MATRIXCOLS", 9);
  ini.WriteInteger("GLOBAL", "ChannelSize", 3);
  EXPECT_EQ(ini.Text(), "[Global]\r\nmatrixCOLS=9\r\nChannelSize=3\r\n");
}

TEST(IniFile, RewriteKeepsEverythingElse) {
  test::TempDir dir;
  const std::string path = dir.File("Kavrin_5x50.ini");
  test::WriteBytes(path,
                   "; written by hand\n"
                   "[GLOBAL]\n"
                   "Unknown = some value \n"
                   "MatrixCols=5\n"
                   "no equals sign here\n"
                   "=orphan value\n"
                   "\n"
                   "[OTHER]\n"
                   "X=1\n");
  TIniFile ini(path);
  ini.WriteInteger("GLOBAL", "MatrixCols", 7);
  ini.WriteString("NEW", "Key", "v");
  ini.UpdateFile();
  EXPECT_EQ(test::ReadBytes(path),
            "; written by hand\r\n"
            "\r\n[GLOBAL]\r\n"
            "Unknown=some value\r\n"
            "MatrixCols=7\r\n"
            "no equals sign here\r\n"
            "=orphan value\r\n"
            "\r\n[OTHER]\r\n"
            "X=1\r\n"
            "\r\n[NEW]\r\n"
            "Key=v\r\n");
  TIniFile again(path);
  EXPECT_EQ(again.ReadString("GLOBAL", "Unknown", ""), "some value");
  EXPECT_EQ(again.ReadInteger("OTHER", "X", 0), 1);
  EXPECT_EQ(again.SectionKeys("GLOBAL"), (std::vector<std::string>{"Unknown", "MatrixCols"}));
}

TEST(IniFile, MissingAndUnreadableValuesGiveTheDefault) {
  test::TempDir dir;
  const std::string path = dir.File("a.ini");
  test::WriteBytes(path,
                   "[S]\r\nInt=12x\r\nEmpty=\r\nBig=99999999999\r\nNeg=-4\r\nBool2=2\r\nBool0=0\r\n"
                   "BoolX=yes\r\nFloat=1.2.3\r\nCost=abc\r\n");
  TIniFile ini(path, Russian);
  EXPECT_EQ(ini.ReadInteger("S", "Int", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "Empty", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "Big", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "Neg", 5), -4);
  EXPECT_EQ(ini.ReadInteger("S", "Missing", 5), 5);
  EXPECT_EQ(ini.ReadInteger("NoSection", "Int", 5), 5);
  EXPECT_TRUE(ini.ReadBool("S", "Bool2", false));
  EXPECT_FALSE(ini.ReadBool("S", "Bool0", true));
  EXPECT_TRUE(ini.ReadBool("S", "BoolX", true));
  EXPECT_FALSE(ini.ReadBool("S", "BoolX", false));
  EXPECT_EQ(ini.ReadFloat("S", "Float", -1), -1);
  EXPECT_EQ(ini.ReadCurrency("S", "Cost", TCurrency::FromRaw(7)), TCurrency::FromRaw(7));
  EXPECT_EQ(ini.ReadString("S", "Empty", "def"), "");
  EXPECT_EQ(ini.ReadString("S", "Missing", "def"), "def");
}

TEST(IniFile, MissingFileIsEmptyAndLineEndsAreAnyKind) {
  test::TempDir dir;
  TIniFile missing(dir.File("none.ini"));
  EXPECT_FALSE(missing.SectionExists("GLOBAL"));
  EXPECT_EQ(missing.Text(), "");

  test::WriteBytes(dir.File("mixed.ini"), "[A]\rX=1\nY=2\r\nZ=3");
  TIniFile mixed(dir.File("mixed.ini"));
  EXPECT_EQ(mixed.SectionKeys("A"), (std::vector<std::string>{"X", "Y", "Z"}));
  EXPECT_EQ(mixed.ReadInteger("A", "Z", 0), 3);
}

TEST(IniFile, FloatsAndCurrencyUseTheDecimalComma) {
  test::TempDir dir;
  const std::string path = dir.File("a.ini");
  test::WriteBytes(path, "[STAKES]\r\nCost=0,25\r\nPoint=0.5\r\n[CDL]\r\nLevel=1,5\r\n");
  TIniFile ini(path, Russian);
  const TCurrency cost = ini.ReadCurrency("STAKES", "Cost", TCurrency());
  EXPECT_EQ(cost.Raw(), 2500);
  EXPECT_EQ(ini.ReadCurrency("STAKES", "Point", TCurrency()).Raw(), 5000);
  EXPECT_EQ(ini.ReadFloat("CDL", "Level", 0), 1.5L);
  ini.WriteCurrency("STAKES", "Cost", cost);
  ini.WriteCurrency("STAKES", "Prize", TCurrency::FromRaw(12345));
  ini.WriteFloat("CDL", "Deviation", -1);
  ini.WriteFloat("CDL", "Count", 1.0L / 3);
  EXPECT_EQ(ini.ReadString("STAKES", "Cost", ""), "0,25");
  EXPECT_EQ(ini.ReadString("STAKES", "Prize", ""), "1,2345");
  EXPECT_EQ(ini.ReadString("CDL", "Deviation", ""), "-1");
  EXPECT_EQ(ini.ReadString("CDL", "Count", ""), "0,333333333333333");
}

TEST(IniFile, ReadsAndWritesWindows1251) {
  test::TempDir dir;
  const std::string path = dir.File("Kavrin_5x50.flt");
  // "[STRINGS_RUS]" / "NUMS=Числа тиража" in Windows-1251.
  const std::string bytes = "[STRINGS_RUS]\r\nNUMS=\xD7\xE8\xF1\xEB\xE0 \xF2\xE8\xF0\xE0\xE6\xE0\r\n";
  test::WriteBytes(path, bytes);
  TIniFile ini(path);
  EXPECT_EQ(ini.ReadString("STRINGS_RUS", "NUMS", ""), "Числа тиража");
  ini.UpdateFile();
  EXPECT_EQ(test::ReadBytes(path), bytes);
  ini.WriteString("STRINGS_RUS", "SUMS", "Сумма");
  ini.UpdateFile();
  EXPECT_EQ(test::ReadBytes(path), bytes + "SUMS=\xD1\xF3\xEC\xEC\xE0\r\n");
}

TEST(IniFile, EraseSectionAndDeleteKey) {
  test::TempDir dir;
  const std::string path = dir.File("a.ini");
  test::WriteBytes(path, "[A]\r\nX=1\r\nY=2\r\n[B]\r\nZ=3\r\n");
  TIniFile ini(path);
  ini.DeleteKey("a", "x");
  ini.EraseSection("b");
  ini.DeleteKey("Missing", "X");
  EXPECT_EQ(ini.Text(), "[A]\r\nY=2\r\n");
}

TEST(IniFile, UnwritableFileFails) {
  test::TempDir dir;
  TIniFile ini(dir.File("no/such/a.ini"));
  ini.WriteInteger("A", "X", 1);
  EXPECT_THROW(ini.UpdateFile(), KavrinError);
}

TEST(TextHelpers, IntegersAndTrim) {
  struct Case {
    const char* text;
    bool ok;
    int32_t value;
  };
  for (const Case& c : {Case{"42", true, 42}, Case{" -7 ", true, -7}, Case{"+3", true, 3},
                        Case{"2147483647", true, 2147483647}, Case{"-2147483648", true, INT32_MIN},
                        Case{"2147483648", false, 0}, Case{"", false, 0}, Case{"-", false, 0},
                        Case{"1 2", false, 0}, Case{"0x10", false, 0}, Case{"١", false, 0}}) {
    int32_t value = -99;
    EXPECT_EQ(TextToInt(c.text, value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
  EXPECT_EQ(Trim("\t a b \r\n"), "a b");
  EXPECT_TRUE(SameText("MatrixCols", "MATRIXcols"));
  EXPECT_FALSE(SameText("Matrix", "MatrixCols"));
}

}  // namespace
}  // namespace kavrin
