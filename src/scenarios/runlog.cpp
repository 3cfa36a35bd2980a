#include "scenarios/runlog.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/cp1251.h"
#include "core/errors.h"
#include "core/fileio.h"
#include "core/format.h"

namespace kavrin {
namespace {

// The six fields of a time at whole seconds, read off the draw-date text (which gives the date,
// hours and minutes) and the fraction's seconds, rounded the same way.
struct TTimeFields {
  std::string Year, Month, Day, Hour, Minute, Second;
};

TTimeFields TimeFields(TDateTime t) {
  const std::string text = DateTimeToDrawText(t);  // "dd.mm.yyyy hh:nn"
  const double days = std::floor(t);
  const int64_t ms = std::llround((t - days) * 86400000.0) % 86400000;
  return {text.substr(6, 4), text.substr(3, 2), text.substr(0, 2),
          text.substr(11, 2), text.substr(14, 2), Format("%.2d", {static_cast<long long>(ms / 1000 % 60)})};
}

}  // namespace

std::string ScriptLogName(TDateTime t) {
  const TTimeFields f = TimeFields(t);
  return Format(ScriptLogFileName, {f.Year + "-" + f.Month + "-" + f.Day + "-" + f.Hour + "-" + f.Minute + "-" + f.Second});
}

std::string ScriptLogMask() { return Format(ScriptLogFileName, {"*"}); }

std::string ScriptLogLine(TDateTime t, const std::string& text, bool withTime) {
  if (!withTime) return text;
  const TTimeFields f = TimeFields(t);
  return "[" + f.Year + "-" + f.Month + "-" + f.Day + " " + f.Hour + ":" + f.Minute + ":" + f.Second + "]: " + text;
}

void TScriptLog::Start(const std::string& folder, bool enabled) {
  path_ = enabled ? JoinPath(folder, ScriptLogName(Clock())) : std::string();
}

void TScriptLog::Write(const std::string& text, bool withTime) {
  if (path_.empty()) return;
  const std::string line = Utf8ToCp1251(ScriptLogLine(Clock(), text, withTime)) + "\r\n";
  std::FILE* file = std::fopen(path_.c_str(), "ab");
  if (!file) throw KavrinError(std::string(std::strerror(errno)) + " (" + path_ + ")");
  const bool written = std::fwrite(line.data(), 1, line.size(), file) == line.size();
  const int error = errno;
  if (std::fclose(file) != 0 || !written)
    throw KavrinError(std::string(std::strerror(written ? errno : error)) + " (" + path_ + ")");
}

std::string TScriptLog::Finish() {
  std::string shown = !path_.empty() && FileExists(path_) ? path_ : std::string();
  path_.clear();
  return shown;
}

}  // namespace kavrin
