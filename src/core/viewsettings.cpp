#include "core/viewsettings.h"

#include <cstdio>
#include <variant>

#include "core/errors.h"
#include "core/format.h"

namespace kavrin {
namespace {

enum class Written { AtExit, OnChange, FirstRun };

// A field is an integer, a switch, or an element of LayoutCompareLen (by index).
using Field = std::variant<int TViewSettings::*, bool TViewSettings::*, size_t>;

struct Key {
  const char* name;
  Field field;
  Written written;
};

bool IsSwitch(const Key& k) { return std::holds_alternative<bool TViewSettings::*>(k.field); }
bool& SwitchOf(TViewSettings& s, const Key& k) { return s.*std::get<bool TViewSettings::*>(k.field); }
int& IntOf(TViewSettings& s, const Key& k) {
  if (const size_t* index = std::get_if<size_t>(&k.field)) return s.LayoutCompareLen[*index];
  return s.*std::get<int TViewSettings::*>(k.field);
}

#define KAVRIN_INT(name, when) Key{#name, &TViewSettings::name, Written::when}
#define KAVRIN_BOOL(name, when) Key{#name, &TViewSettings::name, Written::when}
#define KAVRIN_COMPARE(i) Key{"LayoutCompareLen" #i, size_t{(i) - 1}, Written::AtExit}

const std::vector<Key>& Keys() {
  static const std::vector<Key> keys = {
      KAVRIN_INT(LeftPanelWidth, AtExit),      KAVRIN_INT(DrawsExclude, AtExit),
      KAVRIN_INT(DrawsStatLen, AtExit),        KAVRIN_INT(DrawsStatHeight, AtExit),
      KAVRIN_INT(DrawsGraphLen, AtExit),       KAVRIN_INT(FiltersHeight, AtExit),
      KAVRIN_INT(LayoutLen, AtExit),           KAVRIN_COMPARE(1),
      KAVRIN_COMPARE(2),                       KAVRIN_COMPARE(3),
      KAVRIN_COMPARE(4),                       KAVRIN_COMPARE(5),
      KAVRIN_INT(LayoutCompareHeight, AtExit), KAVRIN_INT(WeekLen, AtExit),
      KAVRIN_INT(WeekHeight, AtExit),          KAVRIN_INT(WeekChartMode, OnChange),
      KAVRIN_BOOL(WeekChartType, OnChange),    KAVRIN_BOOL(AutoUpdates, OnChange),
      KAVRIN_INT(DownloadDrawsOnStart, OnChange), KAVRIN_BOOL(ScriptLogEnabled, OnChange),
      KAVRIN_BOOL(StakesLogEnabled, OnChange), KAVRIN_BOOL(StakesScrollEnabled, OnChange),
      KAVRIN_BOOL(StakesCheckOnLine, OnChange), KAVRIN_BOOL(ColorDraws, OnChange),
      KAVRIN_BOOL(ColorCombs, OnChange),       KAVRIN_BOOL(ColorCard, OnChange),
      KAVRIN_BOOL(ColorCardSequences, OnChange), KAVRIN_BOOL(LayoutGradient, OnChange),
      KAVRIN_BOOL(SortedDraws, OnChange),      KAVRIN_BOOL(PrefetchsEnabled, OnChange),
      KAVRIN_BOOL(PrefetchsInit, FirstRun),    KAVRIN_BOOL(ShowTotalLine, OnChange),
      KAVRIN_INT(RatingsEffMode, OnChange),    KAVRIN_BOOL(ScriptLibraryOn, OnChange),
      KAVRIN_INT(ScriptLibraryHeight, AtExit), KAVRIN_INT(ScriptLibraryFilter, AtExit),
      KAVRIN_BOOL(SystemsEnabled, OnChange),   KAVRIN_BOOL(TabGraphs, OnChange),
      KAVRIN_BOOL(TabCard, OnChange),          KAVRIN_BOOL(TabLayout, OnChange),
      KAVRIN_BOOL(TabWeek, OnChange),          KAVRIN_BOOL(TabTables, OnChange),
      KAVRIN_INT(Language, OnChange),          KAVRIN_BOOL(FirstRun, OnChange),
  };
  return keys;
}

#undef KAVRIN_INT
#undef KAVRIN_BOOL
#undef KAVRIN_COMPARE

void ReadKey(const TIniFile& ini, const Key& k, TViewSettings& s) {
  if (IsSwitch(k)) {
    bool& value = SwitchOf(s, k);
    value = ini.ReadBool(MainWindowSection, k.name, value);
  } else {
    int& value = IntOf(s, k);
    value = ini.ReadInteger(MainWindowSection, k.name, value);
  }
}

void WriteKey(TIniFile& ini, const Key& k, const TViewSettings& settings) {
  TViewSettings& s = const_cast<TViewSettings&>(settings);
  if (IsSwitch(k))
    ini.WriteBool(MainWindowSection, k.name, SwitchOf(s, k));
  else
    ini.WriteInteger(MainWindowSection, k.name, IntOf(s, k));
}

std::string RectText(const TRect& r) { return Format("%d,%d,%d,%d", {r.Left, r.Top, r.Right, r.Bottom}); }

bool RectFromText(const std::string& text, TRect& r) {
  int v[4];
  char tail;
  if (std::sscanf(text.c_str(), "%d,%d,%d,%d%c", &v[0], &v[1], &v[2], &v[3], &tail) != 4) return false;
  r = TRect{v[0], v[1], v[2], v[3]};
  return true;
}

}  // namespace

void LoadViewSettings(const TIniFile& ini, TViewSettings& settings) {
  for (const Key& k : Keys()) ReadKey(ini, k, settings);
}

void StoreViewSettingsAtExit(TIniFile& ini, const TViewSettings& settings) {
  for (const Key& k : Keys())
    if (k.written == Written::AtExit) WriteKey(ini, k, settings);
}

namespace {

void StoreField(TIniFile& ini, const TViewSettings& settings, const Field& field) {
  for (const Key& k : Keys())
    if (k.field == field) {
      WriteKey(ini, k, settings);
      return;
    }
  throw KavrinError("The view setting has no key");
}

}  // namespace

void StoreViewSetting(TIniFile& ini, const TViewSettings& settings, TViewSwitch member) {
  StoreField(ini, settings, member);
}
void StoreViewSetting(TIniFile& ini, const TViewSettings& settings, TViewNumber member) {
  StoreField(ini, settings, member);
}

bool InitPrefetchsOnFirstRun(TIniFile& ini, TViewSettings& settings) {
  if (settings.PrefetchsInit) return false;
  settings.PrefetchsInit = true;
  ini.WriteBool(MainWindowSection, "PrefetchsInit", true);
  ini.WriteBool(MainWindowSection, "PrefetchsEnabled", settings.PrefetchsEnabled);
  return true;
}

bool LoadWindowPlacement(const TIniFile& ini, const std::string& section, int screenWidth, int screenHeight,
                         int pixelsPerInch, TWindowPlacement& placement) {
  if (!ini.ValueExists(section, "ShowCmd")) return false;
  TWindowPlacement p = placement;
  p.Flags = ini.ReadInteger(section, "Flags", p.Flags);
  p.ShowCmd = ini.ReadInteger(section, "ShowCmd", p.ShowCmd);
  p.PixelsPerInch = ini.ReadInteger(section, "PixelsPerInch", pixelsPerInch);
  if (p.PixelsPerInch != pixelsPerInch) return false;
  const std::string suffix = Format("_%dx%d", {screenWidth, screenHeight});
  for (auto [key, rect] : {std::pair{"MinMaxPos", &p.MinMaxPos}, std::pair{"NormPos", &p.NormPos}}) {
    std::string name = key;
    if (!RectFromText(ini.ReadString(section, name + suffix, ""), *rect))
      RectFromText(ini.ReadString(section, name, ""), *rect);
  }
  placement = p;
  return true;
}

void StoreWindowPlacement(TIniFile& ini, const std::string& section, int screenWidth, int screenHeight,
                          const TWindowPlacement& placement) {
  const std::string suffix = Format("_%dx%d", {screenWidth, screenHeight});
  ini.WriteInteger(section, "Flags", placement.Flags);
  ini.WriteInteger(section, "ShowCmd", placement.ShowCmd);
  ini.WriteInteger(section, "PixelsPerInch", placement.PixelsPerInch);
  ini.WriteString(section, "MinMaxPos", RectText(placement.MinMaxPos));
  ini.WriteString(section, "NormPos", RectText(placement.NormPos));
  ini.WriteString(section, "MinMaxPos" + suffix, RectText(placement.MinMaxPos));
  ini.WriteString(section, "NormPos" + suffix, RectText(placement.NormPos));
}

void LoadListColumns(const TIniFile& ini, const std::string& section, const std::string& list,
                     std::vector<int>& widths) {
  for (size_t i = 0; i < widths.size(); ++i)
    widths[i] = ini.ReadInteger(section, Format("%s.Column%d", {list, i}), widths[i]);
}

void StoreListColumns(TIniFile& ini, const std::string& section, const std::string& list,
                      const std::vector<int>& widths) {
  for (size_t i = 0; i < widths.size(); ++i) ini.WriteInteger(section, Format("%s.Column%d", {list, i}), widths[i]);
}

bool LoadListSort(const TIniFile& ini, const std::string& section, const std::string& list, TListSort& sort) {
  int column, direction;
  char tail;
  std::string text = ini.ReadString(section, list + ".SortType", "");
  if (std::sscanf(text.c_str(), "%d,%d%c", &column, &direction, &tail) != 2) return false;
  sort = TListSort{column, direction};
  return true;
}

void StoreListSort(TIniFile& ini, const std::string& section, const std::string& list, const TListSort& sort) {
  ini.WriteString(section, list + ".SortType", Format("%d,%d", {sort.Column, sort.Direction}));
}

}  // namespace kavrin
