#pragma once
// The user of kavrin-cli: boxes become "error: ", "info: " or "warning: " lines on stderr,
// questions take the --yes/--no answer, choosers and input boxes are cancelled (the commands
// take their files and values as arguments instead). The console has no clipboard and shows
// no detail view.
#include <ostream>

#include "app/uihost.h"

namespace kavrin {

class ConsoleHost : public UiHost {
 public:
  ConsoleHost(std::ostream& err, bool answerYes, bool quiet) : err_(err), answerYes_(answerYes), quiet_(quiet) {}

  bool ErrorShown() const { return errorShown_; }

  void ShowError(const std::string& text) override;
  void ShowInfo(const std::string& text) override;
  void ShowWarning(const std::string& text, const std::string& caption) override;
  bool Ask(const std::string& text, const std::string& caption, bool defaultYes) override;
  bool InputNumber(const std::string&, const std::string&, int, int, int&) override { return false; }
  bool InputText(const std::string&, const std::string&, std::string&) override { return false; }
  bool ChooseOpenFile(const std::string&, const std::string&, std::string&) override { return false; }
  bool ChooseSaveFile(const std::string&, const std::string&, std::string&) override { return false; }
  bool EditDraw(const std::string&, TDrawDialogFields&) override { return false; }
  void SetStatus(int panel, const std::string& text) override;
  void ProgressStart(const std::string& text, int steps) override;
  void ProgressStep(int) override {}
  void ProgressEnd() override {}
  void ProcessEvents() override {}
  void OpenUrl(const std::string&) override {}
  bool GetClipboardText(std::string&) override { return false; }
  void SetClipboardText(const std::string&) override {}
  bool EditGenerate(TGenerateDialogFields&) override { return false; }
  void ShowDetails(const TDetailsView&) override {}
  bool EditFavorites(TFavoritesManager&) override { return false; }
  bool EditStake(TStakeDialogFields&) override { return false; }
  bool EditMultiStake(TStakeDialogFields&) override { return false; }
  bool ChooseStakeCondition(int&, int&) override { return false; }
  bool EditRegular(TRegularDialogFields&, int, const TTableStakesArray&) override { return false; }
  void ShowGraph(const TGraphData&) override {}

 private:
  void Line(const char* kind, const std::string& text);
  std::ostream& err_;
  bool answerYes_;
  bool quiet_;
  bool errorShown_ = false;
};

// A message on one line: every run of line breaks becomes one space.
std::string OneLine(const std::string& text);

}  // namespace kavrin
