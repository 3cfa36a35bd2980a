#pragma once
// The registry of statistic methods: one entry per method and index in registration order, the
// texts of the kind lists, the favourites and user captions of the favourites file, and the
// configuration values that methods read.
#include <memory>
#include <string>
#include <vector>

#include "core/config.h"
#include "core/money.h"
#include "stats/customstat.h"

namespace kavrin {

// One entry of the registry.
struct TStatMethod {
  const TStatClass* MethodClass = nullptr;
  int32_t Index = 0;
  bool Enabled = true;      // a favourite
  std::string UserCaption;  // empty: the method's own caption
  std::string Formula;      // group 12 only: the shredding formula of the index

  std::string Code() const { return MethodClass->Code(Index); }
  std::string Caption() const { return MethodClass->Caption(Index); }
  std::string DisplayCaption() const { return UserCaption.empty() ? Caption() : UserCaption; }
  // DisplayCaption, for group 12 with the formula filled in.
  std::string CaptionWithFormula() const;
  std::string HelpURL(const std::string& helpFile) const { return MethodClass->HelpURL(Index, helpFile); }
};

// A statistics kind list of the window as data: its texts, the entry behind each, the selection.
struct TStatKindItem {
  std::string Text;
  int Entry = -1;
};
struct TStatKindList {
  explicit TStatKindList(std::string name = {}) : Name(std::move(name)) {}

  std::string Name;  // identifier of the list control, named when nothing is selected
  bool Sorted = false;
  std::vector<TStatKindItem> Items;
  int ItemIndex = -1;

  // Registry entry of the selected position, or -1.
  int SelectedEntry() const;
  // Selects the position of the entry; false when the list does not show it.
  bool SelectEntry(int entry);
};

class TStatList {
 public:
  TStatList();
  TStatList(const TStatList&) = delete;
  TStatList& operator=(const TStatList&) = delete;
  // Takes the other registry's configuration, entries and display options; the archive it reads
  // stays its own.
  void CopySettingsFrom(const TStatList& other);

  // ---- configuration the methods and the stake Parts read ----
  TConfigData Config;  // matrix, channels, stake prices, weights, segments
  TGenerateConfig Generate;
  TShreddingConfig Shredding;
  TStatWeights SavedWeights;
  std::string HelpFile;          // established at start-up; empty while there is none
  std::string Language = "RUS";  // abbreviation naming the captions' section of the favourites file

  // ---- list display ----
  bool Ordered = false;
  bool ShowGroupName = true;
  bool ShowMethodFlags = true;
  bool AllEnabled = true;

  // The archive the methods read; it must outlive the registry's use of it.
  void SetDraws(const TDrawsArray& draws) { draws_ = &draws; }
  const TDrawsArray& Draws() const { return *draws_; }

  // Rebuilds the entries from the registration table; resets the display options and enables all.
  void BuildMethods();
  int Count() const { return static_cast<int>(methods_.size()); }
  const TStatMethod& Items(int i) const { return methods_.at(i); }
  TStatMethod& Items(int i) { return methods_.at(i); }
  // The entry with the code (letter case ignored), or -1.
  int FindCode(const std::string& code) const;
  bool IsVisible(int i) const { return AllEnabled || Items(i).Enabled; }
  // "{ num } Числа тиража [ N ]" as the options ask.
  std::string MethodListText(int i, bool withFlags) const;
  std::unique_ptr<TCustomStat> CreateStat(int i);
  // Throws "Не выбран метод расчета статистики (cb: %s)!" when the list has no selection.
  std::unique_ptr<TCustomStat> CreateSelected(const TStatKindList& list);
  // Refills both lists with the visible entries; with keepSelection each keeps its position
  // when that still exists, otherwise the first position is selected.
  void FillKindLists(TStatKindList& stats, TStatKindList& graphs, bool keepSelection) const;

  // ---- favourites ----
  // Codes of the enabled entries joined by ","; empty when AllEnabled.
  std::string FavoritesText() const;
  void ApplyFavorites(const std::string& text);
  void EnableAll();
  // After the user marked entries: all marks equal means no selection in force.
  void NormalizeFavorites();
  // The favourites file (or a names file with withFavorites false). On failure `error` holds the
  // message to show and the result is false; entries already updated keep their new values.
  bool LoadFilterList(const std::string& fileName, bool withFavorites, std::string& error);
  bool SaveFilterList(const std::string& fileName, bool withFavorites, bool allCaptions, std::string& error) const;

  // ---- weights of a scenario run ----
  void SaveWeights() { SavedWeights = Config.Weights; }
  void RestoreWeights() { Config.Weights = SavedWeights; }
  // The override's weights when enabled, else the saved ones.
  void ApplyWeights(bool enabled, const TStatWeights& weights) { Config.Weights = enabled ? weights : SavedWeights; }

  // Money result of a stake of `numbersCount` numbers with `matched` guessed (-1: not checked):
  // the price of its combinations as a loss, plus the prize of the first Profits row for it.
  TCurrency StakeResult(int numbersCount, int matched) const;

 private:
  std::vector<TStatMethod> methods_;
  const TDrawsArray* draws_;
};

}  // namespace kavrin
