#include "core/fileio.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "core/errors.h"

namespace kavrin {
namespace {

WriteFaultHook& FaultHook() {
  static WriteFaultHook hook;
  return hook;
}

[[noreturn]] void ThrowErrno(int error, const std::string& path) {
  throw KavrinError(std::string(std::strerror(error)) + " (" + path + ")");
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

}  // namespace

void SetWriteFaultHook(WriteFaultHook hook) { FaultHook() = std::move(hook); }

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string ReadFileBytes(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) ThrowErrno(errno, path);
  std::string bytes;
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0) {
      if (errno == EINTR) continue;
      int error = errno;
      ::close(fd);
      ThrowErrno(error, path);
    }
    if (n == 0) break;
    bytes.append(buf, static_cast<size_t>(n));
  }
  ::close(fd);
  return bytes;
}

void WriteFileAtomic(const std::string& path, std::string_view bytes) {
  std::string pattern = path + ".~XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  int fd = ::mkstemp(name.data());
  if (fd < 0) ThrowErrno(errno, path);
  std::string tmp(name.data());
  auto fail = [&](int error) {
    ::close(fd);
    ::unlink(tmp.c_str());
    ThrowErrno(error, path);
  };
  size_t written = 0;
  while (written < bytes.size()) {
    if (FaultHook() && !FaultHook()(written)) fail(ENOSPC);
    size_t chunk = std::min<size_t>(bytes.size() - written, 1 << 20);
    ssize_t n = ::write(fd, bytes.data() + written, chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      fail(errno);
    }
    written += static_cast<size_t>(n);
  }
  if (::fchmod(fd, 0644) != 0 || ::fsync(fd) != 0) fail(errno);
  if (::close(fd) != 0) {
    int error = errno;
    ::unlink(tmp.c_str());
    ThrowErrno(error, path);
  }
  if (::rename(tmp.c_str(), path.c_str()) != 0) {
    int error = errno;
    ::unlink(tmp.c_str());
    ThrowErrno(error, path);
  }
  // Make the rename itself durable.
  int dirFd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
}

}  // namespace kavrin
