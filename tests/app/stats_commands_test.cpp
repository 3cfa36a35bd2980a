// The method list rebuilds, the favourites commands and the settings dialogs' OK.
#include <gtest/gtest.h>

#include "app/templatemain.h"
#include "core/fileio.h"
#include "core/inifile.h"
#include "core/viewsettings.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

class StatsCommands : public testing::Test {
 protected:
  StatsCommands() { main.InitStatistics(); }
  test::TempDir dir;
  test::FakeHost host;
  TTemplateMain main{host, dir.Path()};

  std::string Favorites() const { return TIniFile(dir.File(FavoritesFileName)).ReadString("FILTERS", "Favorites", "?"); }
  std::string SelectedCode(const TStatKindList& list) const {
    return main.Stats.Items(list.SelectedEntry()).Code();
  }
};

TEST_F(StatsCommands, FavoritesManagerConfirmedOrCancelled) {
  main.StatPage.Kinds.SelectEntry(main.Stats.FindCode("SUMS"));
  // Cancelled: nothing is written.
  main.StatFavoritesExecute();
  EXPECT_FALSE(FileExists(dir.File(FavoritesFileName)));

  host.favoritesEdits.push_back([](TFavoritesManager& manager) {
    manager.MarkAll(false);
    for (auto& group : manager.Groups)
      for (auto& method : group.Methods)
        if (method.Entry < 2) method.Marked = true;  // NUMS and DIGS
    return true;
  });
  main.StatFavoritesExecute();
  EXPECT_EQ(Favorites(), "NUMS,DIGS");
  EXPECT_EQ(main.StatPage.Kinds.Items.size(), 2u);
  EXPECT_EQ(SelectedCode(main.StatPage.Kinds), "NUMS");  // the first kind, not the one before

  // "Все доступные статистики" after its question.
  main.StatAllMethodsExecute();  // No
  EXPECT_EQ(main.StatPage.Kinds.Items.size(), 2u);
  host.answers.push_back(true);
  main.StatAllMethodsExecute();
  EXPECT_EQ(host.messages.back().text, "Вы действительно хотите сбросить список избранных фильтров?");
  EXPECT_EQ(Favorites(), "");
  EXPECT_EQ(static_cast<int>(main.StatPage.Kinds.Items.size()), main.Stats.Count());
  EXPECT_TRUE(host.Errors().empty());
}

TEST_F(StatsCommands, SettingsDialogsRebuildTheListKeepingTheSelection) {
  main.StatPage.Kinds.SelectEntry(main.Stats.FindCode("COL2"));
  EXPECT_EQ(main.Stats.FindCode("COL7"), -1);
  TConfigData edited = main.Config;
  edited.MatrixCols = 7;
  main.ConfigConfirm(edited);
  EXPECT_NE(main.Stats.FindCode("COL7"), -1);  // the index ranges follow the matrix
  EXPECT_EQ(main.Stats.FindCode("ROW10"), -1);
  EXPECT_EQ(SelectedCode(main.StatPage.Kinds), "COL2");
  EXPECT_EQ(TIniFile(dir.File(ConfigFileName)).ReadInteger("GLOBAL", "MatrixCols", 0), 7);

  TShreddingConfig shredding = main.Shredding;
  shredding.Formulas[0] = "n1+p1";
  main.ShreddingConfirm(shredding);
  EXPECT_EQ(main.Stats.Items(main.Stats.FindCode("SHR1")).Formula, "n1+p1");
  EXPECT_EQ(SelectedCode(main.StatPage.Kinds), "COL2");
  // The comparison is off: no full-set file was built.
  EXPECT_FALSE(FileExists(dir.File("Prefetchs")));
  EXPECT_TRUE(host.Errors().empty());
}

TEST_F(StatsCommands, TheComparisonSwitchIsStoredAtOnce) {
  main.View.PrefetchsEnabled = true;
  main.StatFullSetExecute();
  EXPECT_FALSE(main.StatFullSetChecked());
  EXPECT_FALSE(TIniFile(dir.File(ViewSettingsFileName)).ReadBool(MainWindowSection, "PrefetchsEnabled", true));
}

}  // namespace
}  // namespace kavrin
