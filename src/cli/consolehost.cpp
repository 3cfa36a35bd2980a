#include "cli/consolehost.h"

namespace kavrin {

std::string OneLine(const std::string& text) {
  std::string out;
  bool inBreak = false;
  for (char c : text) {
    if (c == '\r' || c == '\n') {
      if (!inBreak) out += ' ';
      inBreak = true;
    } else {
      out += c;
      inBreak = false;
    }
  }
  return out;
}

void ConsoleHost::Line(const char* kind, const std::string& text) { err_ << kind << ": " << OneLine(text) << "\n"; }

void ConsoleHost::ShowError(const std::string& text) {
  errorShown_ = true;
  Line("error", text);
}

void ConsoleHost::ShowInfo(const std::string& text) { Line("info", text); }

void ConsoleHost::ShowWarning(const std::string& text, const std::string&) { Line("warning", text); }

bool ConsoleHost::Ask(const std::string&, const std::string&, bool) { return answerYes_; }

void ConsoleHost::SetStatus(int panel, const std::string& text) {
  if (!quiet_ && panel == PanelOperation && !text.empty()) err_ << text << "\n";
}

void ConsoleHost::ProgressStart(const std::string& text, int) {
  if (!quiet_ && !text.empty()) err_ << text << "\n";
}

}  // namespace kavrin
