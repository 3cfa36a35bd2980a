#include "core/fileio.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

#include "core/errors.h"

namespace kavrin {
namespace {

WriteFaultHook& FaultHook() {
  static WriteFaultHook hook;
  return hook;
}

ReadFaultHook& ReadHook() {
  static ReadFaultHook hook;
  return hook;
}

[[noreturn]] void ThrowErrno(int error, const std::string& path) {
  throw KavrinError(std::string(std::strerror(error)) + " (" + path + ")");
}

std::string FolderOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

constexpr char TempMarker[] = ".~";
constexpr size_t TempRandomLength = 6;  // mkstemp's XXXXXX

// The file a write to `path` must replace: the target of a symbolic link (followed through
// every link, even when the last one dangles), else `path` itself.
std::string WriteTarget(const std::string& path) {
  std::string target = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return target;
    std::vector<char> link(PATH_MAX + 1);
    ssize_t n = ::readlink(target.c_str(), link.data(), PATH_MAX);
    if (n <= 0) return target;
    std::string next(link.data(), static_cast<size_t>(n));
    target = next.front() == '/' ? next : JoinPath(FolderOf(target), next);
  }
  throw KavrinError(std::string(std::strerror(ELOOP)) + " (" + path + ")");
}

// The permission bits the new file gets: those of the file it replaces.
mode_t ReplacedFileMode(const std::string& path) {
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return st.st_mode & 07777;
  return 0644;
}

}  // namespace

void SetWriteFaultHook(WriteFaultHook hook) { FaultHook() = std::move(hook); }
void SetReadFaultHook(ReadFaultHook hook) { ReadHook() = std::move(hook); }

void CheckWriteFault(size_t written, const std::string& path) {
  if (FaultHook() && !FaultHook()(written)) ThrowErrno(ENOSPC, path);
}

bool FileExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  return folder.back() == '/' ? folder + name : folder + "/" + name;
}

std::string ReadFileBytes(const std::string& path) {
  if (ReadHook() && !ReadHook()(path)) ThrowErrno(EIO, path);
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

void WriteFileAtomic(const std::string& linkPath, std::string_view bytes) {
  const std::string path = WriteTarget(linkPath);
  const mode_t mode = ReplacedFileMode(path);
  std::string pattern = path + TempMarker + std::string(TempRandomLength, 'X');
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
  if (::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) fail(errno);
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

bool IsAtomicWriteTempName(std::string_view fileName) {
  const size_t suffix = std::char_traits<char>::length(TempMarker) + TempRandomLength;
  if (fileName.size() <= suffix) return false;
  const std::string_view tail = fileName.substr(fileName.size() - suffix);
  if (tail.substr(0, 2) != TempMarker) return false;
  for (char c : tail.substr(2))
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
  return true;
}

int RemoveLeftoverTempFiles(const std::string& folder) {
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return 0;
  std::vector<std::string> leftovers;
  while (const dirent* entry = ::readdir(dir))
    if (IsAtomicWriteTempName(entry->d_name)) leftovers.push_back(JoinPath(folder, entry->d_name));
  ::closedir(dir);
  int removed = 0;
  for (const std::string& path : leftovers) {
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(path.c_str()) == 0) ++removed;
  }
  return removed;
}

}  // namespace kavrin
