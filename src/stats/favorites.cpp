// The favourites of the registry: the favourites string, the favourites file and the rebuild
// that carries them across.
#include "stats/favorites.h"

#include <algorithm>
#include <map>

#include "core/format.h"
#include "core/inifile.h"
#include "stats/statlist.h"

namespace kavrin {
namespace {

constexpr char FiltersSection[] = "FILTERS";

}  // namespace

std::string TStatList::FavoritesText() const {
  if (AllEnabled) return "";
  std::string text;
  for (const TStatMethod& entry : methods_)
    if (entry.Enabled) {
      if (!text.empty()) text += ',';
      text += entry.Code();
    }
  return text;
}

void TStatList::ApplyFavorites(const std::string& text) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) {
    EnableAll();
    return;
  }
  std::vector<std::string> words;
  size_t start = 0;
  while (start <= trimmed.size()) {
    size_t comma = trimmed.find(',', start);
    if (comma == std::string::npos) comma = trimmed.size();
    std::string word = Trim(std::string_view(trimmed).substr(start, comma - start));
    if (!word.empty()) words.push_back(std::move(word));
    start = comma + 1;
  }
  AllEnabled = false;
  for (TStatMethod& entry : methods_) {
    const std::string code = entry.Code();
    entry.Enabled = std::any_of(words.begin(), words.end(), [&](const std::string& w) { return SameText(w, code); });
  }
}

void TStatList::EnableAll() {
  AllEnabled = true;
  for (TStatMethod& entry : methods_) entry.Enabled = true;
}

void TStatList::NormalizeFavorites() {
  const bool allSame = std::all_of(methods_.begin(), methods_.end(),
                                   [&](const TStatMethod& e) { return e.Enabled == methods_.front().Enabled; });
  if (!allSame) {
    AllEnabled = false;
    return;
  }
  // Nothing marked at all would leave empty lists: every entry comes back.
  EnableAll();
}

bool TStatList::LoadFilterList(const std::string& fileName, bool withFavorites, std::string& error) {
  try {
    TIniFile ini(fileName);
    if (withFavorites) {
      ApplyFavorites(ini.ReadString(FiltersSection, "Favorites", FavoritesText()));
      Ordered = ini.ReadBool(FiltersSection, "Ordered", Ordered);
      ShowGroupName = ini.ReadBool(FiltersSection, "ShowGroupName", ShowGroupName);
      ShowMethodFlags = ini.ReadBool(FiltersSection, "ShowMethodFlags", ShowMethodFlags);
    }
    const std::string section = "STRINGS_" + Language;
    for (TStatMethod& entry : methods_) entry.UserCaption = Trim(ini.ReadString(section, entry.Code(), ""));
    return true;
  } catch (const std::exception& e) {
    error = Format("Ошибка загрузки списка фильтров!\r\r%s", {e.what()});
    return false;
  }
}

bool TStatList::SaveFilterList(const std::string& fileName, bool withFavorites, bool allCaptions,
                               std::string& error) const {
  try {
    TIniFile ini(fileName);
    if (withFavorites) {
      ini.WriteString(FiltersSection, "Favorites", FavoritesText());
      ini.WriteBool(FiltersSection, "Ordered", Ordered);
      ini.WriteBool(FiltersSection, "ShowGroupName", ShowGroupName);
      ini.WriteBool(FiltersSection, "ShowMethodFlags", ShowMethodFlags);
    }
    const std::string section = "STRINGS_" + Language;
    ini.EraseSection(section);
    for (const TStatMethod& entry : methods_) {
      if (allCaptions)
        ini.WriteString(section, entry.Code(), entry.DisplayCaption());
      else if (!entry.UserCaption.empty())
        ini.WriteString(section, entry.Code(), entry.UserCaption);
    }
    ini.UpdateFile();
    return true;
  } catch (const std::exception& e) {
    error = Format("Ошибка сохранения списка фильтров!\r\r%s", {e.what()});
    return false;
  }
}

bool RebuildStatMethods(TStatList& stats, const std::string& favoritesFile, std::string& error) {
  const bool saved = stats.SaveFilterList(favoritesFile, true, false, error);
  // Carried in memory rather than read back, so that a file that could not be written loses
  // nothing of what the user chose.
  const std::string favorites = stats.FavoritesText();
  const bool ordered = stats.Ordered, showGroupName = stats.ShowGroupName, showMethodFlags = stats.ShowMethodFlags;
  std::map<std::string, std::string> captions;
  for (int i = 0; i < stats.Count(); ++i)
    if (!stats.Items(i).UserCaption.empty()) captions[stats.Items(i).Code()] = stats.Items(i).UserCaption;

  stats.BuildMethods();
  stats.ApplyFavorites(favorites);
  stats.Ordered = ordered;
  stats.ShowGroupName = showGroupName;
  stats.ShowMethodFlags = showMethodFlags;
  for (int i = 0; i < stats.Count(); ++i) {
    auto caption = captions.find(stats.Items(i).Code());
    if (caption != captions.end()) stats.Items(i).UserCaption = Trim(caption->second);
  }
  return saved;
}

bool ResetFavorites(TStatList& stats, const std::string& favoritesFile, std::string& error) {
  stats.EnableAll();
  return RebuildStatMethods(stats, favoritesFile, error);
}

}  // namespace kavrin
