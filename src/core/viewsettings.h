#pragma once
// The view-settings file "Kavrin_5x50.frm": display switches, panel sizes, view depths, window
// placement and list columns. Every key, its default and when it is written are declared once,
// in the table of viewsettings.cpp.
#include <array>
#include <string>
#include <vector>

#include "core/inifile.h"

namespace kavrin {

inline constexpr char ViewSettingsFileName[] = "Kavrin_5x50.frm";
inline constexpr char FavoritesFileName[] = "Kavrin_5x50.flt";
inline constexpr char MainWindowSection[] = "TFormMain";

struct TViewSettings {
  int LeftPanelWidth = 330;
  int DrawsExclude = 0;
  int DrawsStatLen = 100;
  int DrawsStatHeight = 200;
  int DrawsGraphLen = 100;
  int FiltersHeight = 150;
  int LayoutLen = 20;
  std::array<int, 5> LayoutCompareLen = {5, 10, 20, 50, 100};
  int LayoutCompareHeight = 150;
  int WeekLen = 100;
  int WeekHeight = 200;
  int WeekChartMode = 0;
  bool WeekChartType = false;
  bool AutoUpdates = true;
  int DownloadDrawsOnStart = 0;
  bool ScriptLogEnabled = false;
  bool StakesLogEnabled = false;
  bool StakesScrollEnabled = true;
  bool StakesCheckOnLine = true;
  bool ColorDraws = true;
  bool ColorCombs = true;
  bool ColorCard = true;
  bool ColorCardSequences = true;
  bool LayoutGradient = true;
  bool SortedDraws = false;
  bool PrefetchsEnabled = false;
  bool PrefetchsInit = false;
  bool ShowTotalLine = true;
  int RatingsEffMode = 1;
  bool ScriptLibraryOn = true;
  int ScriptLibraryHeight = 150;
  int ScriptLibraryFilter = 2;
  bool SystemsEnabled = true;
  bool TabGraphs = true;
  bool TabCard = true;
  bool TabLayout = true;
  bool TabWeek = true;
  bool TabTables = true;
  int Language = 1049;
  bool FirstRun = false;
};

// Reads every key of the table; missing or unreadable values keep the defaults.
void LoadViewSettings(const TIniFile& ini, TViewSettings& settings);
// Writes the keys that shut-down stores (panel sizes and depths the user drags or types).
void StoreViewSettingsAtExit(TIniFile& ini, const TViewSettings& settings);
// Writes the key of one member (switches are stored when they change), named by the member so
// that a mistyped key does not compile. Throws KavrinError for a member the key table lacks.
using TViewSwitch = bool TViewSettings::*;
using TViewNumber = int TViewSettings::*;
void StoreViewSetting(TIniFile& ini, const TViewSettings& settings, TViewSwitch member);
void StoreViewSetting(TIniFile& ini, const TViewSettings& settings, TViewNumber member);
// The first run stores PrefetchsInit = on and PrefetchsEnabled; returns true when it did.
bool InitPrefetchsOnFirstRun(TIniFile& ini, TViewSettings& settings);

struct TRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  friend bool operator==(const TRect&, const TRect&) = default;
};

struct TWindowPlacement {
  int Flags = 0;
  int ShowCmd = 1;  // 1, 5, 9 normal; 2, 6, 7 minimised; 3 maximised
  int PixelsPerInch = 96;
  TRect MinMaxPos;  // minimised and maximised corner: x, y, x, y
  TRect NormPos;
  friend bool operator==(const TWindowPlacement&, const TWindowPlacement&) = default;
};

// Restores a window's placement: the keys of the current screen size are preferred; false when
// nothing is stored or the stored resolution differs (the window keeps its own place).
bool LoadWindowPlacement(const TIniFile& ini, const std::string& section, int screenWidth, int screenHeight,
                         int pixelsPerInch, TWindowPlacement& placement);
void StoreWindowPlacement(TIniFile& ini, const std::string& section, int screenWidth, int screenHeight,
                          const TWindowPlacement& placement);

// Column widths "<list>.Column<i>"; a missing width keeps the given one.
void LoadListColumns(const TIniFile& ini, const std::string& section, const std::string& list,
                     std::vector<int>& widths);
void StoreListColumns(TIniFile& ini, const std::string& section, const std::string& list,
                      const std::vector<int>& widths);
struct TListSort {
  int Column = 0;
  int Direction = 0;
  friend bool operator==(const TListSort&, const TListSort&) = default;
};
bool LoadListSort(const TIniFile& ini, const std::string& section, const std::string& list, TListSort& sort);
void StoreListSort(TIniFile& ini, const std::string& section, const std::string& list, const TListSort& sort);

}  // namespace kavrin
