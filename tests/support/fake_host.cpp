#include "support/fake_host.h"

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

void FakeHost::SetStatus(int panel, const std::string& text) {
  statusLog.push_back(std::to_string(panel) + ":" + text);
}

}  // namespace kavrin::test
