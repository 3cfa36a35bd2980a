#pragma once
// The user of kavrin-cli: boxes become "error: ", "info: " or "warning: " lines on stderr,
// questions take the --yes/--no answer, choosers and input boxes are cancelled (the commands
// take their files and values as arguments instead). The console has no clipboard and shows
// no detail view.
#include <chrono>
#include <functional>
#include <ostream>
#include <streambuf>
#include <utility>

#include "app/uihost.h"

namespace kavrin {

// How status texts reach stderr: not at all, one line per text, or one line that rewrites
// itself with the text, the step of steps and the time elapsed (for a terminal).
enum class TConsoleProgress { None, Lines, Line };

class ConsoleHost : public UiHost {
 public:
  // `width`: the terminal's columns, which the progress line stays within.
  ConsoleHost(std::ostream& err, bool answerYes, TConsoleProgress progress, int width = 80);
  ~ConsoleHost() override { ClearProgressLine(); }

  bool ErrorShown() const { return errorShown_; }
  // The step of steps of a command that counts its own (the passes of a backtest); {0, 0}: none.
  std::function<std::pair<int, int>()> Steps;
  // Erases the progress line, so that what is written next starts on a clean line.
  void ClearProgressLine();

  void ShowError(const std::string& text) override;
  void ShowInfo(const std::string& text) override;
  void ShowWarning(const std::string& text, const std::string& caption) override;
  bool Ask(const std::string& text, const std::string& caption, bool defaultYes) override;
  void SetStatus(int panel, const std::string& text) override;
  void ProgressStart(const std::string& text, int steps) override;
  void ProgressStep(int step) override;
  void ProgressEnd() override;
  void ProcessEvents() override;

 private:
  using TClock = std::chrono::steady_clock;
  void Line(const char* kind, const std::string& text);
  void Progress(const std::string& text);
  // Redraws the progress line, at most ten times a second unless forced.
  void Draw(bool force);

  std::ostream& err_;
  bool answerYes_;
  TConsoleProgress progress_;
  int width_;
  bool errorShown_ = false;
  std::string text_;
  int step_ = 0, steps_ = 0;
  bool drawn_ = false;
  TClock::time_point start_ = TClock::now();
  TClock::time_point drawnAt_{};
};

// The progress line of `host` and what goes to standard output share the terminal: this buffer
// erases the line before it passes anything on to `target`.
class TProgressClearingBuf : public std::streambuf {
 public:
  TProgressClearingBuf(std::streambuf* target, ConsoleHost& host) : target_(target), host_(host) {}

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override { return target_->pubsync(); }

 private:
  std::streambuf* target_;
  ConsoleHost& host_;
};

// A message on one line: every run of line breaks becomes one space.
std::string OneLine(const std::string& text);

// The progress line: the text, the step of steps when there are steps, the time elapsed as m:ss,
// cut to `width` - 1 characters.
std::string ProgressLineText(const std::string& text, int step, int steps, int elapsedSeconds, int width);

}  // namespace kavrin
