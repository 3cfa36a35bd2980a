#include "cli/consolehost.h"

#include <algorithm>
#include <tuple>

#include "core/format.h"

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

std::string ProgressLineText(const std::string& text, int step, int steps, int elapsedSeconds, int width) {
  std::string line = OneLine(text);
  if (steps > 0) line += Format(" [%d/%d]", {step, steps});
  line += Format(" %d:%.2d", {elapsedSeconds / 60, elapsedSeconds % 60});
  // Cut at a character boundary of the UTF-8 text: a wrapped line could not be rewritten.
  const int room = std::max(1, width - 1);
  int chars = 0;
  for (size_t i = 0; i < line.size(); ++i) {
    if ((static_cast<unsigned char>(line[i]) & 0xC0) == 0x80) continue;
    if (++chars > room) return line.substr(0, i);
  }
  return line;
}

ConsoleHost::ConsoleHost(std::ostream& err, bool answerYes, TConsoleProgress progress, int width)
    : err_(err), answerYes_(answerYes), progress_(progress), width_(width) {}

void ConsoleHost::ClearProgressLine() {
  if (!drawn_) return;
  err_ << "\r\x1b[K" << std::flush;
  drawn_ = false;
}

void ConsoleHost::Line(const char* kind, const std::string& text) {
  ClearProgressLine();
  err_ << kind << ": " << OneLine(text) << "\n";
}

void ConsoleHost::ShowError(const std::string& text) {
  errorShown_ = true;
  Line("error", text);
}

void ConsoleHost::ShowInfo(const std::string& text) { Line("info", text); }

void ConsoleHost::ShowWarning(const std::string& text, const std::string&) { Line("warning", text); }

bool ConsoleHost::Ask(const std::string&, const std::string&, bool) { return answerYes_; }

void ConsoleHost::Progress(const std::string& text) {
  if (text.empty()) return;
  if (progress_ == TConsoleProgress::Lines) {
    // An operation that puts back the text it found repeats it: a log shows it once.
    if (text != text_) err_ << text << "\n";
    text_ = text;
  } else if (progress_ == TConsoleProgress::Line) {
    const bool changed = text != text_;
    text_ = text;
    Draw(changed && !drawn_);
  }
}

void ConsoleHost::SetStatus(int panel, const std::string& text) {
  if (panel == PanelOperation) Progress(text);
}

void ConsoleHost::ProgressStart(const std::string& text, int steps) {
  step_ = 0;
  steps_ = steps;
  Progress(text);
}

void ConsoleHost::ProgressStep(int step) {
  step_ = step;
  if (progress_ == TConsoleProgress::Line) Draw(false);
}

void ConsoleHost::ProgressEnd() { steps_ = 0; }

void ConsoleHost::ProcessEvents() {
  if (progress_ == TConsoleProgress::Line) Draw(false);
}

void ConsoleHost::Draw(bool force) {
  if (text_.empty()) return;
  const TClock::time_point now = TClock::now();
  if (!force && drawn_ && now - drawnAt_ < std::chrono::milliseconds(100)) return;
  int step = step_, steps = steps_;
  if (Steps) {
    const std::pair<int, int> counted = Steps();
    if (counted.second > 0) std::tie(step, steps) = counted;
  }
  const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(now - start_).count();
  err_ << "\r" << ProgressLineText(text_, step, steps, static_cast<int>(elapsed), width_) << "\x1b[K" << std::flush;
  drawn_ = true;
  drawnAt_ = now;
}

TProgressClearingBuf::int_type TProgressClearingBuf::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  host_.ClearProgressLine();
  return target_->sputc(traits_type::to_char_type(c));
}

std::streamsize TProgressClearingBuf::xsputn(const char* s, std::streamsize n) {
  host_.ClearProgressLine();
  return target_->sputn(s, n);
}

}  // namespace kavrin
