#pragma once
// What follows a change of the favourites: the rebuild of the method list that carries the
// favourites and user captions across, and the reset to all methods.
#include <string>

#include "stats/statlist.h"

namespace kavrin {

// Saves the favourites file (favourites, display options, user captions), rebuilds the entries
// from the registration table, so that index ranges and formula texts take their current
// values, and gives the new entries the saved favourites and captions by code. The caller
// refills its kind lists. When the file cannot be written, `error` holds the message and the
// result is false; the rebuild still keeps what the user chose.
bool RebuildStatMethods(TStatList& stats, const std::string& favoritesFile, std::string& error);

// "Все доступные статистики": the question, and the reset once it is answered Yes: every entry a
// favourite, then the rebuild.
inline constexpr char FavoritesResetQuestion[] = "Вы действительно хотите сбросить список избранных фильтров?";
bool ResetFavorites(TStatList& stats, const std::string& favoritesFile, std::string& error);

}  // namespace kavrin
