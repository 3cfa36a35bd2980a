#pragma once
// A scripted user: records every box, question and status text, and answers from queues
// filled by the test. An unscripted question takes its default button; an unscripted chooser,
// input box or dialog is cancelled.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/uihost.h"

namespace kavrin::test {

struct Message {
  std::string kind;  // "error", "info", "warning", "question"
  std::string text;
  std::string caption;
  friend bool operator==(const Message&, const Message&) = default;
};

class FakeHost : public UiHost {
 public:
  std::vector<Message> messages;
  std::vector<std::string> statusLog;  // every change, as "panel:text"
  std::deque<bool> answers;
  std::deque<std::optional<std::string>> files;
  std::deque<TDrawDialogFields> drawInputs;  // what the user types into the draw dialog, in turn
  std::vector<std::string> dialogCaptions;
  std::optional<std::string> clipboard;                  // nullopt: the clipboard holds no text
  std::deque<TGenerateDialogFields> generateInputs;     // what the user sets in the generation dialog
  std::vector<TGenerateDialogFields> generatePrefills;  // how the generation dialog opened
  std::vector<TDetailsView> detailViews;
  // What the user does in the favourites manager, in turn; true confirms it.
  std::deque<std::function<bool(TFavoritesManager&)>> favoritesEdits;
  std::deque<int> numberInputs;  // what the user types into number input boxes
  // What the user types into the stake dialogs, in turn, and how they opened.
  std::deque<TStakeDialogFields> stakeInputs, multiStakeInputs;
  std::vector<TStakeDialogFields> stakePrefills, multiStakePrefills;
  std::deque<std::pair<int, int>> conditionInputs;  // mode and overlap count
  std::deque<TRegularDialogFields> regularInputs;
  std::vector<TRegularDialogFields> regularPrefills;
  std::vector<TGraphData> graphs;
  // The scenario line and filter dialogs: what the user does in them, in turn (true is OK), and
  // how they opened. A filter the dialog's check refuses shows the message and cancels.
  std::deque<std::function<bool(TScriptLineDialogFields&)>> lineEdits;
  std::vector<std::pair<std::string, TScriptLineDialogFields>> linePrefills;  // caption and fields
  std::deque<std::function<bool(TFilterItem&)>> filterEdits;
  std::vector<TFilterItem> filterPrefills;
  std::vector<std::string> openedUrls;
  std::vector<std::string> shownTabs;
  int processEventsCalls = 0;
  std::vector<TView> changedViews;

  std::vector<std::string> Errors() const;

  void ShowError(const std::string& text) override { messages.push_back({"error", text, "Ошибка"}); }
  void ShowInfo(const std::string& text) override { messages.push_back({"info", text, "Информация"}); }
  void ShowWarning(const std::string& text, const std::string& caption) override {
    messages.push_back({"warning", text, caption});
  }
  bool Ask(const std::string& text, const std::string& caption, bool defaultYes) override;
  bool InputNumber(const std::string&, const std::string&, int min, int max, int& value) override;
  bool ChooseOpenFile(const std::string&, const std::string&, std::string& path) override { return NextFile(path); }
  bool ChooseSaveFile(const std::string&, const std::string&, std::string& path) override { return NextFile(path); }
  bool EditDraw(const std::string& caption, TDrawDialogFields& fields) override;
  void SetStatus(int panel, const std::string& text) override;
  void ViewChanged(TView view) override { changedViews.push_back(view); }
  void ProcessEvents() override { ++processEventsCalls; }
  void OpenUrl(const std::string& url) override { openedUrls.push_back(url); }
  bool GetClipboardText(std::string& text) override;
  void SetClipboardText(const std::string& text) override { clipboard = text; }
  bool EditGenerate(TGenerateDialogFields& fields) override;
  void ShowDetails(const TDetailsView& view) override { detailViews.push_back(view); }
  bool EditFavorites(TFavoritesManager& manager) override;
  bool EditStake(TStakeDialogFields& fields) override;
  bool EditMultiStake(TStakeDialogFields& fields) override;
  bool ChooseStakeCondition(int& mode, int& threshold) override;
  bool EditRegular(TRegularDialogFields& fields, int selected, const TTableStakesArray& existing) override;
  void ShowGraph(const TGraphData& graph) override { graphs.push_back(graph); }
  bool EditScriptLine(const std::string& caption, TScriptLineDialogFields& fields) override;
  bool EditFilter(TFilterItem& filter, const TFilterDialogCheck& validate) override;
  void ShowTab(const std::string& caption) override { shownTabs.push_back(caption); }

 private:
  bool NextFile(std::string& path);
};

}  // namespace kavrin::test
