#include "stakes/stakelog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>

#include "core/cp1251.h"
#include "core/errors.h"
#include "core/fileio.h"
#include "core/format.h"

namespace kavrin {
namespace {

[[noreturn]] void ThrowErrno(int error, const std::string& path) {
  throw KavrinError(std::string(std::strerror(error)) + " (" + path + ")");
}

// "dd.mm.yyyy hh:nn" of the draw dates, rearranged, with the seconds added.
std::string LogTimeText(TDateTime now) {
  const std::string text = DateTimeToDrawText(now);
  const double days = std::floor(now);
  const int64_t ms = std::llround((now - days) * 86400000.0) % 86400000;
  return text.substr(6, 4) + "." + text.substr(3, 2) + "." + text.substr(0, 2) + text.substr(10) +
         Format(":%.2d", {static_cast<long long>(ms / 1000 % 60)});
}

}  // namespace

std::string StakeLogPath(const std::string& folder, int overlaps) {
  return JoinPath(folder, Format(StakeLogFileName, {overlaps}));
}

std::string StakeLogLine(const TStakeData& stake, TDateTime now) {
  TNumberSet drawn;
  drawn.Count = DrawSize;
  std::copy(stake.DrawNumbers.begin(), stake.DrawNumbers.end(), drawn.Numbers.begin());
  return LogTimeText(now) + ": " +
         Format("Тираж № %s. Ставка: \"%s\" [%s] {%d}. Результаты тиража: [%s]. Совпадений: %d. Профит: %.2f.",
                {std::to_string(stake.DrawNumber), stake.Comment, NumberSetToText(stake.Numbers, ";"), stake.Selection,
                 NumberSetToText(drawn, ";"), stake.OverlapCount(), stake.Profit});
}

void RemoveOversizedLog(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 || st.st_size <= StakeLogSizeLimit) return;
  if (::unlink(path.c_str()) != 0) ThrowErrno(errno, path);
}

void AppendLogLine(const std::string& path, const std::string& line) {
  const std::string bytes = Utf8ToCp1251(line) + "\r\n";
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) ThrowErrno(errno, path);
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      int error = errno;
      ::close(fd);
      ThrowErrno(error, path);
    }
    done += static_cast<size_t>(n);
  }
  if (::close(fd) != 0) ThrowErrno(errno, path);
}

}  // namespace kavrin
