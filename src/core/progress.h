#pragma once
// How a long operation reports to whoever started it: the operation text, the progress window,
// errors it shows and goes on after, the window's event processing and the stop request. Every
// member does nothing by default, so a caller without a window passes a plain TProgress.
#include <string>

namespace kavrin {

class TProgress {
 public:
  virtual ~TProgress() = default;
  // The operation text of the status bar; "" clears it.
  virtual void Status(const std::string& text) {}
  // A failure the operation shows and then goes on after.
  virtual void Error(const std::string& text) {}
  // The progress window: opened with a text and a number of steps, moved to step `step`
  // (1..steps), closed.
  virtual void ProgressStart(const std::string& text, int steps) {}
  virtual void ProgressStep(int step) {}
  virtual void ProgressEnd() {}
  // Lets the window repaint and take the stop command; loops call it while they go on.
  virtual void ProcessEvents() {}
  // Set by the stop command; loops end at the next step when it is set.
  virtual bool StopRequested() const { return false; }
};

// The quiet reporter of callers that show nothing.
inline TProgress& NoProgress() {
  static TProgress quiet;
  return quiet;
}

}  // namespace kavrin
