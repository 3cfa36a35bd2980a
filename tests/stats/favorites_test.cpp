// The favourites manager: its tree, marks and names, import and export of names, confirmation,
// and the rebuild and reset of the method list.
#include <gtest/gtest.h>

#include "core/cp1251.h"
#include "core/inifile.h"
#include "stats/favorites.h"
#include "stats/favoritesmanager.h"
#include "stats/stats_fixture.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

using test::StatsFixture;

using TNodeRef = TFavoritesManager::TNodeRef;

// The node of an entry's code.
TNodeRef NodeOf(const TFavoritesManager& m, const TStatList& list, const std::string& code) {
  for (int g = 0; g < static_cast<int>(m.Groups.size()); ++g)
    for (int k = 0; k < static_cast<int>(m.Groups[g].Methods.size()); ++k)
      if (list.Items(m.Groups[g].Methods[k].Entry).Code() == code) return {g, k};
  ADD_FAILURE() << "no node " << code;
  return {};
}

class FavoritesManagerTest : public ::testing::Test {
 protected:
  TFavoritesManager::TMethodNode& Node(TFavoritesManager& m, const std::string& code) {
    const TNodeRef ref = NodeOf(m, f.list, code);
    return m.Groups[ref.Group].Methods[ref.Method];
  }
  TStatMethod& Entry(const std::string& code) { return f.list.Items(f.list.FindCode(code)); }

  StatsFixture f;
  test::TempDir dir;
  std::string error;
};

TEST_F(FavoritesManagerTest, TreeOfGroupsInOrderOfFirstEntry) {
  f.list.ApplyFavorites("SUMS,POS2");
  Entry("SUMS").UserCaption = "Суммы";
  f.list.ShowMethodFlags = false;
  TFavoritesManager m(f.list);

  ASSERT_GE(m.Groups.size(), 3u);
  EXPECT_EQ(m.Groups[0].Text, "{ num } Числа тиража");
  EXPECT_EQ(m.Groups[1].Text, "{ sum } Сумма чисел тиража");
  size_t methods = 0;
  for (const auto& group : m.Groups) {
    methods += group.Methods.size();
    for (size_t k = 1; k < group.Methods.size(); ++k) EXPECT_LT(group.Methods[k - 1].Entry, group.Methods[k].Entry);
  }
  EXPECT_EQ(methods, static_cast<size_t>(f.list.Count()));
  EXPECT_EQ(m.TotalText(), "всего " + std::to_string(f.list.Count()) + " методов");
  // "POS%d" comes long after "PRMV" but joins its group.
  EXPECT_EQ(NodeOf(m, f.list, "POS2").Group, 0);
  EXPECT_TRUE(Node(m, "POS2").Marked);
  EXPECT_FALSE(Node(m, "NUMS").Marked);
  EXPECT_EQ(Node(m, "SUMS").Text, "Суммы");
  EXPECT_EQ(Node(m, "SHR1").Text, "Метод шинковки 1: %s");  // without the formula
  EXPECT_FALSE(m.ShowMethodFlags);
  EXPECT_TRUE(m.ShowGroupName);
}

TEST_F(FavoritesManagerTest, MarksNamesAndConfirmation) {
  TFavoritesManager m(f.list);
  m.MarkAll(false);
  m.Toggle(NodeOf(m, f.list, "DIFA"));
  m.Selected = {NodeOf(m, f.list, "SUMS").Group, -1};  // a group node
  m.MarkGroup(true);
  m.Toggle(NodeOf(m, f.list, "SUM2"));
  EXPECT_FALSE(m.MethodSelected());
  m.Rename("ignored");  // needs a method node

  m.Selected = NodeOf(m, f.list, "NUMS");
  m.Rename("ЧИСЛА ТИРАЖА");  // the own caption in other letters
  m.Selected = NodeOf(m, f.list, "DIGS");
  m.Rename("Мои цифры");
  m.Selected = NodeOf(m, f.list, "EVEN");
  m.Rename("Чётные");
  m.Restore();
  m.Ordered = true;
  m.ShowGroupName = false;

  const std::string before = f.list.FavoritesText();
  EXPECT_EQ(before, "");  // nothing reaches the registry before OK
  m.Confirm();
  EXPECT_FALSE(f.list.AllEnabled);
  const std::string favorites = f.list.FavoritesText();
  EXPECT_EQ(favorites.rfind("SUMS,SUM1,SUM3,SUMC,", 0), 0u) << favorites;
  EXPECT_NE(favorites.find(",DIFA"), std::string::npos);
  EXPECT_EQ(favorites.find("SUM2"), std::string::npos);
  EXPECT_EQ(Entry("NUMS").UserCaption, "");
  EXPECT_EQ(Entry("DIGS").UserCaption, "Мои цифры");
  EXPECT_EQ(Entry("EVEN").UserCaption, "");
  EXPECT_TRUE(f.list.Ordered);
  EXPECT_FALSE(f.list.ShowGroupName);

  // Nothing marked at all: every method comes back.
  TFavoritesManager none(f.list);
  none.MarkAll(false);
  none.Confirm();
  EXPECT_TRUE(f.list.AllEnabled);
  EXPECT_TRUE(Entry("SUM2").Enabled);
}

TEST_F(FavoritesManagerTest, ImportTakesNamesIntoTheTreeOnly) {
  const std::string names = dir.File("names.flt");
  test::WriteBytes(names, Utf8ToCp1251("[STRINGS_RUS]\r\nDIGS=  Цифры  \r\nSUMS=Суммы\r\n[STRINGS_ENU]\r\nNUMS=Numbers\r\n"));
  Entry("NUMS").UserCaption = "Номера";
  TFavoritesManager m(f.list);
  m.Toggle(NodeOf(m, f.list, "EVEN"));
  ASSERT_TRUE(m.ImportNames(names, error)) << error;
  EXPECT_EQ(Node(m, "DIGS").Text, "Цифры");
  EXPECT_EQ(Node(m, "SUMS").Text, "Суммы");
  EXPECT_EQ(Node(m, "NUMS").Text, "Числа тиража");  // the file has no Russian name for it
  EXPECT_FALSE(Node(m, "EVEN").Marked);              // the user's marks stay
  EXPECT_EQ(Entry("NUMS").UserCaption, "Номера");    // cancel would change nothing
  EXPECT_EQ(Entry("DIGS").UserCaption, "");

  m.Confirm();
  EXPECT_EQ(Entry("NUMS").UserCaption, "");
  EXPECT_EQ(Entry("DIGS").UserCaption, "Цифры");

  // A names file without the current language clears every name.
  test::WriteBytes(names, "[STRINGS_ENU]\r\nNUMS=Numbers\r\n");
  TFavoritesManager again(f.list);
  ASSERT_TRUE(again.ImportNames(names, error));
  EXPECT_EQ(Node(again, "DIGS").Text, "Цифры тиража");
}

TEST_F(FavoritesManagerTest, ExportWritesTheTextsShownAndKeepsTheRegistry) {
  const std::string names = dir.File("export.flt");
  Entry("NUMS").UserCaption = "Номера";
  TFavoritesManager m(f.list);
  m.Selected = NodeOf(m, f.list, "SUMS");
  m.Rename("Суммы");
  m.Selected = NodeOf(m, f.list, "NUMS");
  m.Restore();
  ASSERT_TRUE(m.ExportNames(names, error)) << error;
  TIniFile ini(names);
  EXPECT_FALSE(ini.SectionExists("FILTERS"));
  EXPECT_EQ(ini.ReadString("STRINGS_RUS", "SUMS", ""), "Суммы");
  EXPECT_EQ(ini.ReadString("STRINGS_RUS", "NUMS", ""), "Числа тиража");
  EXPECT_EQ(ini.SectionKeys("STRINGS_RUS").size(), static_cast<size_t>(f.list.Count()));
  EXPECT_EQ(Entry("NUMS").UserCaption, "Номера");
  EXPECT_EQ(Entry("SUMS").UserCaption, "");

  EXPECT_FALSE(m.ExportNames(dir.File("missing/export.flt"), error));
  EXPECT_EQ(error.rfind("Ошибка сохранения списка фильтров!\r\r", 0), 0u) << error;
}

TEST_F(FavoritesManagerTest, RebuildCarriesFavoritesAcrossNewIndexRanges) {
  const std::string file = dir.File("Kavrin_5x50.flt");
  f.list.ApplyFavorites("SHR2,DIGS");
  f.list.Ordered = true;
  Entry("DIGS").UserCaption = "Мои цифры";
  f.list.Shredding.Formulas[1] = "n1/7";
  ASSERT_TRUE(RebuildStatMethods(f.list, file, error)) << error;
  EXPECT_EQ(f.list.FavoritesText(), "DIGS,SHR2");
  EXPECT_EQ(Entry("DIGS").UserCaption, "Мои цифры");
  EXPECT_TRUE(f.list.Ordered);
  EXPECT_EQ(Entry("SHR2").Formula, "n1/7");
  TIniFile ini(file);
  EXPECT_EQ(ini.ReadString("FILTERS", "Favorites", ""), "DIGS,SHR2");
  EXPECT_EQ(ini.ReadString("STRINGS_RUS", "DIGS", ""), "Мои цифры");

  // A file that cannot be written is reported; the choices survive the rebuild all the same.
  EXPECT_FALSE(RebuildStatMethods(f.list, dir.File("missing/x.flt"), error));
  EXPECT_EQ(error.rfind("Ошибка сохранения списка фильтров!\r\r", 0), 0u) << error;
  EXPECT_EQ(f.list.FavoritesText(), "DIGS,SHR2");
  EXPECT_EQ(Entry("DIGS").UserCaption, "Мои цифры");

  ASSERT_TRUE(ResetFavorites(f.list, file, error)) << error;
  EXPECT_TRUE(f.list.AllEnabled);
  EXPECT_EQ(TIniFile(file).ReadString("FILTERS", "Favorites", "x"), "");
  EXPECT_EQ(Entry("DIGS").UserCaption, "Мои цифры");
}

}  // namespace
}  // namespace kavrin
