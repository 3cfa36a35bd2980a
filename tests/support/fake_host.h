#pragma once
// A scripted user: records every box, question and status text, and answers from queues
// filled by the test. An unscripted question takes its default button; an unscripted chooser,
// input box or dialog is cancelled.
#include <deque>
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
  int processEventsCalls = 0;

  std::vector<std::string> Errors() const;

  void ShowError(const std::string& text) override { messages.push_back({"error", text, "Ошибка"}); }
  void ShowInfo(const std::string& text) override { messages.push_back({"info", text, "Информация"}); }
  void ShowWarning(const std::string& text, const std::string& caption) override {
    messages.push_back({"warning", text, caption});
  }
  bool Ask(const std::string& text, const std::string& caption, bool defaultYes) override;
  bool InputNumber(const std::string&, const std::string&, int, int, int&) override { return false; }
  bool InputText(const std::string&, const std::string&, std::string&) override { return false; }
  bool ChooseOpenFile(const std::string&, const std::string&, std::string& path) override { return NextFile(path); }
  bool ChooseSaveFile(const std::string&, const std::string&, std::string& path) override { return NextFile(path); }
  bool EditDraw(const std::string& caption, TDrawDialogFields& fields) override;
  void SetStatus(int panel, const std::string& text) override;
  void ProgressStart(const std::string&, int) override {}
  void ProgressStep(int) override {}
  void ProgressEnd() override {}
  void ProcessEvents() override { ++processEventsCalls; }
  void OpenUrl(const std::string&) override {}

 private:
  bool NextFile(std::string& path);
};

}  // namespace kavrin::test
