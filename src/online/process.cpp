#include "online/process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include "core/errors.h"
#include "core/format.h"

namespace kavrin {
namespace {

[[noreturn]] void ThrowErrno(int error, const std::string& path) {
  throw KavrinError(std::string(std::strerror(error)) + " (" + path + ")");
}

int ExitCode(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status); }

}  // namespace

int RunProcessAndWait(const std::string& path, const std::string& workFolder, int timeoutMs,
                      const std::function<void()>& whileWaiting) {
  // The child reports a failed start through this pipe; a successful exec closes it.
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) ThrowErrno(errno, path);
  const pid_t pid = ::fork();
  if (pid < 0) {
    const int error = errno;
    ::close(report[0]);
    ::close(report[1]);
    ThrowErrno(error, path);
  }
  if (pid == 0) {
    // Its own process group, so that a time-out ends whatever it started too.
    ::setpgid(0, 0);
    int error = 0;
    if (::chdir(workFolder.c_str()) != 0) error = errno;
    if (!error) {
      ::execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
      error = errno;
    }
    [[maybe_unused]] ssize_t written = ::write(report[1], &error, sizeof error);
    ::_exit(127);
  }
  ::setpgid(pid, pid);
  ::close(report[1]);
  int childError = 0;
  ssize_t got;
  do got = ::read(report[0], &childError, sizeof childError);
  while (got < 0 && errno == EINTR);
  ::close(report[0]);
  if (got == static_cast<ssize_t>(sizeof childError)) {
    ::waitpid(pid, nullptr, 0);
    ThrowErrno(childError, path);
  }

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    int status = 0;
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid) return ExitCode(status);
    if (done < 0 && errno != EINTR) ThrowErrno(errno, path);
    if (std::chrono::steady_clock::now() >= deadline) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    if (whileWaiting) whileWaiting();
  }
  ::kill(-pid, SIGKILL);
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  throw KavrinError(Format("Ожидание завершения процесса (файла) \"%s\" прервано в связи с превышением времени "
                           "ожидания!",
                           {path}));
}

}  // namespace kavrin
