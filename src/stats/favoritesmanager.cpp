#include "stats/favoritesmanager.h"

#include <algorithm>

#include "core/format.h"
#include "core/textcase.h"

namespace kavrin {
namespace {

bool SameCaption(const std::string& a, const std::string& b) { return CompareTextIgnoreCase(a, b) == 0; }

// The user captions of the registry, put back when an import or export is over.
class TCaptionsKeeper {
 public:
  explicit TCaptionsKeeper(TStatList& stats) : stats_(stats) {
    for (int i = 0; i < stats.Count(); ++i) captions_.push_back(stats.Items(i).UserCaption);
  }
  ~TCaptionsKeeper() {
    for (int i = 0; i < stats_.Count(); ++i) stats_.Items(i).UserCaption = captions_[i];
  }
  TCaptionsKeeper(const TCaptionsKeeper&) = delete;
  TCaptionsKeeper& operator=(const TCaptionsKeeper&) = delete;

 private:
  TStatList& stats_;
  std::vector<std::string> captions_;
};

}  // namespace

TFavoritesManager::TFavoritesManager(TStatList& stats)
    : Ordered(stats.Ordered), ShowGroupName(stats.ShowGroupName), ShowMethodFlags(stats.ShowMethodFlags),
      stats_(stats) {
  for (int i = 0; i < stats.Count(); ++i) {
    const TStatMethod& entry = stats.Items(i);
    if (!entry.MethodClass->IsAvailable()) continue;
    const std::string title = GroupTitle(entry.MethodClass->GroupIndex());
    auto group = std::find_if(Groups.begin(), Groups.end(), [&](const TGroupNode& g) { return SameCaption(g.Text, title); });
    if (group == Groups.end()) group = Groups.insert(Groups.end(), TGroupNode{title, {}});
    group->Methods.push_back({i, entry.DisplayCaption(), entry.Enabled});
  }
}

std::string TFavoritesManager::TotalText() const { return Format("всего %d методов", {stats_.Count()}); }

const TFavoritesManager::TMethodNode* TFavoritesManager::SelectedMethod() const {
  if (Selected.Group < 0 || Selected.Group >= static_cast<int>(Groups.size())) return nullptr;
  const std::vector<TMethodNode>& methods = Groups[Selected.Group].Methods;
  return Selected.Method >= 0 && Selected.Method < static_cast<int>(methods.size()) ? &methods[Selected.Method]
                                                                                    : nullptr;
}

bool TFavoritesManager::MethodSelected() const { return SelectedMethod() != nullptr; }

void TFavoritesManager::Toggle(TNodeRef node) {
  if (node.Group < 0 || node.Group >= static_cast<int>(Groups.size())) return;
  std::vector<TMethodNode>& methods = Groups[node.Group].Methods;
  if (node.Method >= 0 && node.Method < static_cast<int>(methods.size()))
    methods[node.Method].Marked = !methods[node.Method].Marked;
}

void TFavoritesManager::MarkAll(bool marked) {
  for (TGroupNode& group : Groups)
    for (TMethodNode& method : group.Methods) method.Marked = marked;
}

void TFavoritesManager::MarkGroup(bool marked) {
  if (Selected.Group < 0 || Selected.Group >= static_cast<int>(Groups.size())) return;
  for (TMethodNode& method : Groups[Selected.Group].Methods) method.Marked = marked;
}

void TFavoritesManager::Rename(const std::string& text) {
  if (MethodSelected()) Groups[Selected.Group].Methods[Selected.Method].Text = text;
}

void TFavoritesManager::Restore() {
  if (const TMethodNode* method = SelectedMethod()) Rename(stats_.Items(method->Entry).Caption());
}

int TFavoritesManager::SelectedEntry() const {
  const TMethodNode* method = SelectedMethod();
  return method ? method->Entry : -1;
}

bool TFavoritesManager::ImportNames(const std::string& fileName, std::string& error) {
  TCaptionsKeeper keeper(stats_);
  if (!stats_.LoadFilterList(fileName, false, error)) return false;
  for (TGroupNode& group : Groups)
    for (TMethodNode& method : group.Methods) method.Text = stats_.Items(method.Entry).DisplayCaption();
  return true;
}

bool TFavoritesManager::ExportNames(const std::string& fileName, std::string& error) {
  TCaptionsKeeper keeper(stats_);
  ApplyTexts();
  return stats_.SaveFilterList(fileName, false, true, error);
}

void TFavoritesManager::ApplyTexts() {
  for (const TGroupNode& group : Groups)
    for (const TMethodNode& method : group.Methods) {
      TStatMethod& entry = stats_.Items(method.Entry);
      entry.UserCaption = SameCaption(method.Text, entry.Caption()) ? "" : method.Text;
    }
}

void TFavoritesManager::Confirm() {
  ApplyTexts();
  for (const TGroupNode& group : Groups)
    for (const TMethodNode& method : group.Methods) stats_.Items(method.Entry).Enabled = method.Marked;
  stats_.NormalizeFavorites();
  stats_.Ordered = Ordered;
  stats_.ShowGroupName = ShowGroupName;
  stats_.ShowMethodFlags = ShowMethodFlags;
}

}  // namespace kavrin
