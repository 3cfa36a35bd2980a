#include "stats/statlist.h"

#include <algorithm>

#include "core/errors.h"
#include "core/format.h"
#include "core/inifile.h"
#include "stats/registration.h"
#include "core/textcase.h"

namespace kavrin {
namespace {

constexpr int ShreddingGroup = 12;

const TDrawsArray& NoDraws() {
  static const TDrawsArray empty;
  return empty;
}

}  // namespace

std::string TStatMethod::CaptionWithFormula() const {
  std::string caption = DisplayCaption();
  if (MethodClass->GroupIndex() != ShreddingGroup) return caption;
  try {
    return Format(caption, {Formula});
  } catch (const KavrinError&) {
    // A user caption with a stray "%" is shown as typed rather than failing every list fill.
    return caption;
  }
}

int TStatKindList::SelectedEntry() const {
  return ItemIndex >= 0 && ItemIndex < static_cast<int>(Items.size()) ? Items[ItemIndex].Entry : -1;
}

bool TStatKindList::SelectEntry(int entry) {
  for (size_t i = 0; i < Items.size(); ++i)
    if (Items[i].Entry == entry) {
      ItemIndex = static_cast<int>(i);
      return true;
    }
  return false;
}

TStatList::TStatList() : draws_(&NoDraws()) {}

void TStatList::CopySettingsFrom(const TStatList& other) {
  Config = other.Config;
  Generate = other.Generate;
  Shredding = other.Shredding;
  SavedWeights = other.SavedWeights;
  HelpFile = other.HelpFile;
  Language = other.Language;
  Ordered = other.Ordered;
  ShowGroupName = other.ShowGroupName;
  ShowMethodFlags = other.ShowMethodFlags;
  AllEnabled = other.AllEnabled;
  methods_ = other.methods_;
}

void TStatList::BuildMethods() {
  Ordered = false;
  ShowGroupName = true;
  ShowMethodFlags = true;
  AllEnabled = true;
  methods_.clear();
  for (const TStatClass* c : StatRegistrationTable()) {
    if (!c || !c->IsAvailable()) continue;
    int first = 0, last = 0;
    if (c->IsIndexed()) c->IndexRange(*this, first, last);
    for (int index = first; index <= last; ++index) {
      TStatMethod entry;
      entry.MethodClass = c;
      entry.Index = index;
      if (c->GroupIndex() == ShreddingGroup && index >= 1 && index <= ShreddingFormulaCount)
        entry.Formula = Shredding.Formulas[index - 1];
      methods_.push_back(std::move(entry));
    }
  }
}

int TStatList::FindCode(const std::string& code) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(methods_[i].Code(), code)) return i;
  return -1;
}

std::string TStatList::MethodListText(int i, bool withFlags) const {
  const TStatMethod& entry = Items(i);
  std::string text = entry.CaptionWithFormula();
  if (ShowGroupName) text = Format("{ %1:s } %0:s", {text, GroupShortName(entry.MethodClass->GroupIndex())});
  if (withFlags && ShowMethodFlags) {
    std::string letters = FlagLetters(entry.MethodClass->EffectiveFlags());
    if (!letters.empty()) text = Format("%0:s [ %1:s ]", {text, letters});
  }
  return text;
}

std::unique_ptr<TCustomStat> TStatList::CreateStat(int i) {
  const TStatMethod& entry = Items(i);
  return entry.MethodClass->Create(*this, entry.Index);
}

std::unique_ptr<TCustomStat> TStatList::CreateSelected(const TStatKindList& list) {
  const int entry = list.SelectedEntry();
  if (entry < 0 || entry >= Count())
    throw KavrinError(Format("Не выбран метод расчета статистики (cb: %s)!", {list.Name}));
  return CreateStat(entry);
}

void TStatList::FillKindLists(TStatKindList& stats, TStatKindList& graphs, bool keepSelection) const {
  const int oldStats = stats.ItemIndex, oldGraphs = graphs.ItemIndex;
  for (TStatKindList* list : {&stats, &graphs}) {
    list->Items.clear();
    list->Sorted = Ordered;
  }
  for (int i = 0; i < Count(); ++i) {
    const TStatClass& c = *methods_[i].MethodClass;
    if (!c.IsAvailable() || !c.IsListed() || !IsVisible(i)) continue;
    std::string text = MethodListText(i, true);
    if (c.IsGraph()) graphs.Items.push_back({text, i});
    stats.Items.push_back({std::move(text), i});
  }
  auto finish = [&](TStatKindList& list, int old) {
    if (list.Sorted)
      std::stable_sort(list.Items.begin(), list.Items.end(), [](const TStatKindItem& a, const TStatKindItem& b) {
        return CompareTextIgnoreCase(a.Text, b.Text) < 0;
      });
    const int size = static_cast<int>(list.Items.size());
    list.ItemIndex = keepSelection && old >= 0 && old < size ? old : (size > 0 ? 0 : -1);
  };
  finish(stats, oldStats);
  finish(graphs, oldGraphs);
}

TCurrency TStatList::StakeResult(int numbersCount, int matched) const {
  const TCurrency loss = -(Config.Cost * Binomial(numbersCount, DrawSize));
  if (matched >= 0)
    for (const TProfitRow& row : Config.Profits)
      if (row.Overlap == matched) return loss + row.Profit;
  return loss;
}

}  // namespace kavrin
