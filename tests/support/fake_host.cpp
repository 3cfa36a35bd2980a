#include "support/fake_host.h"

#include <algorithm>
#include <tuple>

namespace kavrin::test {

std::vector<std::string> FakeHost::Errors() const {
  std::vector<std::string> errors;
  for (const Message& m : messages)
    if (m.kind == "error") errors.push_back(m.text);
  return errors;
}

bool FakeHost::Ask(const std::string& text, const std::string& caption, bool defaultYes) {
  messages.push_back({"question", text, caption});
  if (answers.empty()) return defaultYes;
  bool answer = answers.front();
  answers.pop_front();
  return answer;
}

bool FakeHost::NextFile(std::string& path) {
  if (files.empty() || !files.front()) {
    if (!files.empty()) files.pop_front();
    return false;
  }
  path = *files.front();
  files.pop_front();
  return true;
}

// Behaves as the dialog does: OK with invalid numbers shows the error and keeps it open.
bool FakeHost::EditDraw(const std::string& caption, TDrawDialogFields& fields) {
  dialogCaptions.push_back(caption);
  while (!drawInputs.empty()) {
    TDrawDialogFields typed = drawInputs.front();
    drawInputs.pop_front();
    if (DrawFromDialog(typed)) {
      fields = typed;
      return true;
    }
    ShowError(InvalidDrawNumbersMessage);
  }
  return false;
}

bool FakeHost::GetClipboardText(std::string& text) {
  if (!clipboard) return false;
  text = *clipboard;
  return true;
}

bool FakeHost::EditFavorites(TFavoritesManager& manager) {
  if (favoritesEdits.empty()) return false;
  auto edit = std::move(favoritesEdits.front());
  favoritesEdits.pop_front();
  return edit(manager);
}

bool FakeHost::EditGenerate(TGenerateDialogFields& fields) {
  generatePrefills.push_back(fields);
  if (generateInputs.empty()) return false;
  fields = generateInputs.front();
  generateInputs.pop_front();
  return true;
}

bool FakeHost::InputNumber(const std::string&, const std::string&, int min, int max, int& value) {
  if (numberInputs.empty()) return false;
  value = std::clamp(numberInputs.front(), min, max);
  numberInputs.pop_front();
  return true;
}

namespace {

// The dialogs' OK: a refused input shows its message and the next input is tried.
template <typename Fields, typename Validate>
bool NextAccepted(FakeHost& host, std::deque<Fields>& inputs, Fields& fields, Validate&& validate) {
  while (!inputs.empty()) {
    Fields typed = inputs.front();
    inputs.pop_front();
    if (auto error = validate(typed)) {
      host.ShowError(error->Message);
      continue;
    }
    fields = typed;
    return true;
  }
  return false;
}

}  // namespace

bool FakeHost::EditStake(TStakeDialogFields& fields) {
  stakePrefills.push_back(fields);
  return NextAccepted(*this, stakeInputs, fields, ValidateStakeDialog);
}

bool FakeHost::EditMultiStake(TStakeDialogFields& fields) {
  multiStakePrefills.push_back(fields);
  return NextAccepted(*this, multiStakeInputs, fields, ValidateMultiStakeDialog);
}

bool FakeHost::ChooseStakeCondition(int& mode, int& threshold) {
  if (conditionInputs.empty()) return false;
  std::tie(mode, threshold) = conditionInputs.front();
  conditionInputs.pop_front();
  return true;
}

bool FakeHost::EditRegular(TRegularDialogFields& fields, int selected, const TTableStakesArray& existing) {
  regularPrefills.push_back(fields);
  return NextAccepted(*this, regularInputs, fields,
                      [&](const TRegularDialogFields& typed) { return ValidateRegularDialog(typed, selected, existing); });
}

void FakeHost::SetStatus(int panel, const std::string& text) {
  statusLog.push_back(std::to_string(panel) + ":" + text);
}

bool FakeHost::EditScriptLine(const std::string& caption, TScriptLineDialogFields& fields) {
  linePrefills.emplace_back(caption, fields);
  if (lineEdits.empty()) return false;
  auto edit = std::move(lineEdits.front());
  lineEdits.pop_front();
  return edit(fields);
}

bool FakeHost::EditFilter(TFilterItem& filter, const TFilterDialogCheck& validate) {
  filterPrefills.push_back(filter);
  if (filterEdits.empty()) return false;
  auto edit = std::move(filterEdits.front());
  filterEdits.pop_front();
  if (!edit(filter)) return false;
  const TFilterCheck check = validate(filter);
  if (check.Field == TFilterField::None) return true;
  ShowError(check.Message);
  return false;
}

}  // namespace kavrin::test
