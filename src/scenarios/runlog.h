#pragma once
// The run log of a scenario: one text file per run, named after the run's start time, one
// time-stamped line per entry.
#include <functional>
#include <string>

#include "core/game.h"

namespace kavrin {

inline constexpr char ScriptLogFileName[] = "ScriptLog_%s.txt";

// "ScriptLog_yyyy-mm-dd-hh-nn-ss.txt" for the time.
std::string ScriptLogName(TDateTime t);
// "ScriptLog_*.txt": the run logs in a folder.
std::string ScriptLogMask();
// "[yyyy-mm-dd hh:nn:ss]: " and the text, or the text alone without the time; no line end.
std::string ScriptLogLine(TDateTime t, const std::string& text, bool withTime);

class TScriptLog {
 public:
  // The present time; tests fix it.
  std::function<TDateTime()> Clock = NowDateTime;

  // At the start of a run: the current file becomes a new one in the folder, named after the
  // present time, when the log is on; none when it is off.
  void Start(const std::string& folder, bool enabled);
  // Appends one line ended by CR LF (Windows-1251) to the current file, creating it; nothing
  // without a current file. Throws KavrinError with the system's error text.
  void Write(const std::string& text, bool withTime = true);
  // At the end of a run: the file to show the user (the current one when it exists, else
  // empty); the current file becomes none.
  std::string Finish();
  // The current file; empty when none.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace kavrin
