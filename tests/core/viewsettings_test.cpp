#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/viewsettings.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

TEST(ViewSettings, ReadsTheMainWindowSection) {
  test::TempDir dir;
  test::WriteBytes(dir.File(ViewSettingsFileName),
                   "[TFormMain]\r\nSortedDraws=1\r\nColorDraws=0\r\nAutoUpdates=7\r\nDrawsStatLen=abc\r\n"
                   "LayoutCompareLen3=33\r\nLanguage=1033\r\n[Other]\r\nWeekLen=5\r\n");
  TIniFile ini(dir.File(ViewSettingsFileName));
  TViewSettings view;
  LoadViewSettings(ini, view);
  EXPECT_TRUE(view.SortedDraws);
  EXPECT_FALSE(view.ColorDraws);
  EXPECT_TRUE(view.AutoUpdates) << "any non-zero value is on";
  EXPECT_EQ(view.DrawsStatLen, TViewSettings().DrawsStatLen);
  EXPECT_EQ(view.LayoutCompareLen, (std::array<int, 5>{5, 10, 33, 50, 100}));
  EXPECT_EQ(view.Language, 1033);
  EXPECT_EQ(view.WeekLen, TViewSettings().WeekLen) << "keys of other sections are not the main window's";
}

TEST(ViewSettings, ExitWritesOnlyTheSizesAndSwitchesOneKey) {
  test::TempDir dir;
  TIniFile ini(dir.File(ViewSettingsFileName));
  TViewSettings view;
  view.SortedDraws = true;
  view.LayoutCompareLen[4] = 77;
  StoreViewSettingsAtExit(ini, view);
  EXPECT_FALSE(ini.ValueExists(MainWindowSection, "SortedDraws"));
  EXPECT_FALSE(ini.ValueExists(MainWindowSection, "PrefetchsInit"));
  EXPECT_EQ(ini.ReadInteger(MainWindowSection, "LayoutCompareLen5", 0), 77);
  EXPECT_TRUE(ini.ValueExists(MainWindowSection, "ScriptLibraryFilter"));

  StoreViewSetting(ini, view, &TViewSettings::SortedDraws);
  EXPECT_EQ(ini.ReadString(MainWindowSection, "SortedDraws", ""), "1");
  view.RatingsEffMode = 2;
  StoreViewSetting(ini, view, &TViewSettings::RatingsEffMode);
  EXPECT_EQ(ini.ReadInteger(MainWindowSection, "RatingsEffMode", 0), 2);
}

TEST(ViewSettings, FirstRunMarksPrefetchs) {
  test::TempDir dir;
  TIniFile ini(dir.File(ViewSettingsFileName));
  TViewSettings view;
  EXPECT_TRUE(InitPrefetchsOnFirstRun(ini, view));
  EXPECT_TRUE(view.PrefetchsInit);
  EXPECT_EQ(ini.ReadString(MainWindowSection, "PrefetchsInit", ""), "1");
  EXPECT_EQ(ini.ReadString(MainWindowSection, "PrefetchsEnabled", ""), "0");
  EXPECT_FALSE(InitPrefetchsOnFirstRun(ini, view));
}

TEST(WindowPlacement, ScreenSizeKeysArePreferred) {
  test::TempDir dir;
  TIniFile ini(dir.File(ViewSettingsFileName));
  TWindowPlacement stored;
  stored.ShowCmd = 3;
  stored.NormPos = {10, 20, 810, 620};
  stored.MinMaxPos = {-1, -1, -8, -8};
  StoreWindowPlacement(ini, "TFormGraph", 1920, 1080, stored);
  EXPECT_EQ(ini.ReadString("TFormGraph", "NormPos_1920x1080", ""), "10,20,810,620");
  ini.WriteString("TFormGraph", "NormPos", "0,0,100,100");

  TWindowPlacement placement;
  ASSERT_TRUE(LoadWindowPlacement(ini, "TFormGraph", 1920, 1080, 96, placement));
  EXPECT_EQ(placement, stored);
  ASSERT_TRUE(LoadWindowPlacement(ini, "TFormGraph", 1280, 1024, 96, placement));
  EXPECT_EQ(placement.NormPos, (TRect{0, 0, 100, 100})) << "another screen: the general keys";

  TWindowPlacement untouched;
  EXPECT_FALSE(LoadWindowPlacement(ini, "TFormGraph", 1920, 1080, 120, untouched));
  EXPECT_EQ(untouched, TWindowPlacement()) << "another resolution keeps the window's own place";
  EXPECT_FALSE(LoadWindowPlacement(ini, "TFormRepeats", 1920, 1080, 96, untouched));
}

TEST(ListColumns, WidthsAndSort) {
  test::TempDir dir;
  TIniFile ini(dir.File(ViewSettingsFileName));
  StoreListColumns(ini, MainWindowSection, "lvDraws", {60, 30, 30});
  EXPECT_EQ(ini.ReadString(MainWindowSection, "lvDraws.Column2", ""), "30");
  std::vector<int> widths = {1, 2, 3, 4};
  LoadListColumns(ini, MainWindowSection, "lvDraws", widths);
  EXPECT_EQ(widths, (std::vector<int>{60, 30, 30, 4}));

  TListSort sort;
  EXPECT_FALSE(LoadListSort(ini, MainWindowSection, "lvRatings", sort));
  StoreListSort(ini, MainWindowSection, "lvRatings", TListSort{3, 1});
  EXPECT_EQ(ini.ReadString(MainWindowSection, "lvRatings.SortType", ""), "3,1");
  ASSERT_TRUE(LoadListSort(ini, MainWindowSection, "lvRatings", sort));
  EXPECT_EQ(sort, (TListSort{3, 1}));
  ini.WriteString(MainWindowSection, "lvRatings.SortType", "3,1,x");
  EXPECT_FALSE(LoadListSort(ini, MainWindowSection, "lvRatings", sort));
}

}  // namespace
}  // namespace kavrin
