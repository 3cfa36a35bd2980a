#include "stakes/stakesfile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "core/errors.h"
#include "core/fileio.h"
#include "core/format.h"

namespace kavrin {
namespace {

constexpr int64_t RecordBytes = static_cast<int64_t>(StakeRecordSize);
constexpr char TempExtension[] = ".~tmp";

[[noreturn]] void ThrowErrno(int error, const std::string& path) {
  throw KavrinError(std::string(std::strerror(error)) + " (" + path + ")");
}

[[noreturn]] void ThrowNotFound(int64_t index) {
  throw KavrinError(RecordNotFoundMessage(index));
}

// Opens (creating when missing) and locks; -1 with errno set on failure.
int OpenLocked(const std::string& path, int flags) {
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | flags, 0644);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    int error = errno;
    ::close(fd);
    errno = error;
    return -1;
  }
  return fd;
}

bool SameFile(int fd, const std::string& path) {
  struct stat opened, named;
  return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
         opened.st_ino == named.st_ino;
}

// OpenLocked on the file that still has the name once locked: a holder replacing the file by a
// rename between the open and the lock leaves this process with the lock of a file that is gone
// from the folder, which guards nothing; then the new file is opened and locked in turn.
int OpenLockedNamed(const std::string& path) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    int fd = OpenLocked(path, 0);
    if (fd < 0 || SameFile(fd, path)) return fd;
    ::close(fd);
  }
  errno = EWOULDBLOCK;
  return -1;
}

void WriteAt(int fd, const std::string& path, int64_t position, const uint8_t* data, size_t size) {
  size_t done = 0;
  CheckWriteFault(done, path);
  while (done < size) {
    ssize_t n = ::pwrite(fd, data + done, size - done, position + static_cast<int64_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowErrno(errno, path);
    done += static_cast<size_t>(n);
  }
}

[[noreturn]] void ThrowOpenError(int error, const std::string& path) {
  if (error == EWOULDBLOCK)
    throw KavrinError("Процесс не может получить доступ к файлу, так как этот файл занят другим процессом. (" +
                      path + ")");
  ThrowErrno(error, path);
}

}  // namespace

TStakesFile::~TStakesFile() {
  if (fd_ >= 0) ::close(fd_);
}

std::string TStakesFile::TempPath() const {
  size_t slash = path_.find_last_of('/');
  size_t dot = path_.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return path_ + TempExtension;
  return path_.substr(0, dot) + TempExtension;
}

void TStakesFile::Open() {
  cache_.reset();
  position_ = 0;
  if (fd_ >= 0) return;
  int fd = OpenLockedNamed(path_);
  if (fd < 0) ThrowOpenError(errno, path_);
  fd_ = fd;
  ::unlink(TempPath().c_str());
}

void TStakesFile::Close() {
  cache_.reset();
  if (fd_ < 0) return;
  int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) ThrowErrno(errno, path_);
}

void TStakesFile::Reopen() {
  Close();
  Open();
}

void TStakesFile::RequireOpen() const {
  if (fd_ < 0) throw KavrinError(StakesNotOpenMessage);
}

void TStakesFile::RequireUsable() const {
  RequireOpen();
  state_.RequireLoaded();
}

std::string TStakesFile::KeepCopy() const {
  std::string copy = path_ + ".old";
  for (int n = 2; ::access(copy.c_str(), F_OK) == 0; ++n) copy = path_ + ".old" + std::to_string(n);
  WriteFileAtomic(copy, ReadFileBytes(path_));
  return copy;
}

int64_t TStakesFile::Size() const {
  RequireOpen();
  // A refused file shows no records: nothing of it reaches the views, the checks or the graphs.
  if (!state_.Loaded()) return 0;
  struct stat st;
  if (::fstat(fd_, &st) != 0) ThrowErrno(errno, path_);
  return st.st_size;
}

TStakesFile::TVersionRule TStakesFile::ApplyVersionRule() {
  state_.SetLoaded();
  TVersionRule rule;
  const int64_t size = Size();
  if (size == 0) return rule;
  uint8_t version = 0;
  while (::pread(fd_, &version, 1, 0) < 0)
    if (errno != EINTR) ThrowErrno(errno, path_);
  if (version < StakeRecordVersion) {
    rule.Warning = Format("Обнаружен файл ставок устаревшей версии - имеющиеся в файле ставки будут удалены!\r\r"
                          "Копия прежнего файла: %s",
                          {KeepCopy()});
    Truncate();
    rule.Emptied = true;
    return rule;
  }
  std::string damage;
  if (version > StakeRecordVersion) {
    damage = Format("запись 1: версия записи %d не поддерживается", {version});
  } else {
    if (size % RecordBytes != 0) {
      rule.Warning = Format("Последняя запись файла ставок повреждена и будет удалена!\r\rКопия прежнего файла: %s",
                            {KeepCopy()});
      Truncate(Count() * RecordBytes);
      rule.Emptied = Count() == 0;
    }
    ForEach(0, [&](int64_t index, const TStakeData& stake) {
      const std::string problem = StakeRecordProblem(stake);
      if (!problem.empty()) damage = Format("запись %d: %s", {index + 1, problem});
      return problem.empty();
    });
  }
  if (!damage.empty()) {
    state_.SetFailed(Format("Файл ставок %s поврежден: %s.", {path_, damage}));
    state_.RequireLoaded();
  }
  return rule;
}

void TStakesFile::Truncate(int64_t size) {
  RequireUsable();
  cache_.reset();
  position_ = 0;
  if (::ftruncate(fd_, size) != 0) ThrowErrno(errno, path_);
}

int64_t TStakesFile::Resolve(TSeekOrigin origin, int64_t index) const {
  int64_t base = origin == TSeekOrigin::Begin ? 0 : origin == TSeekOrigin::Current ? position_ : Size();
  return base + index * RecordBytes;
}

TStakeData TStakesFile::Read(TSeekOrigin origin, int64_t index) {
  RequireUsable();
  int64_t position = Resolve(origin, index);
  if (position < 0 || position + RecordBytes > Size()) ThrowNotFound(index);
  position_ = position + RecordBytes;
  if (cache_ && cache_->first == position) return cache_->second;
  uint8_t bytes[StakeRecordSize];
  size_t done = 0;
  while (done < StakeRecordSize) {
    ssize_t n = ::pread(fd_, bytes + done, StakeRecordSize - done, position + static_cast<int64_t>(done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ThrowErrno(errno, path_);
    if (n == 0) ThrowNotFound(index);
    done += static_cast<size_t>(n);
  }
  TStakeData stake = DecodeStakeRecord(bytes);
  cache_.emplace(position, stake);
  return stake;
}

void TStakesFile::Write(TSeekOrigin origin, int64_t index, const TStakeData& stake) {
  RequireUsable();
  int64_t position = Resolve(origin, index);
  if (position < 0 || position > Size()) ThrowNotFound(index);
  cache_.reset();
  uint8_t bytes[StakeRecordSize];
  EncodeStakeRecord(stake, bytes);
  WriteAt(fd_, path_, position, bytes, StakeRecordSize);
  position_ = position + RecordBytes;
}

void TStakesFile::ForEach(int64_t first, const std::function<bool(int64_t, const TStakeData&)>& visit) {
  RequireUsable();
  constexpr int64_t BlockRecords = 4096;
  std::vector<uint8_t> block(static_cast<size_t>(BlockRecords) * StakeRecordSize);
  const int64_t count = Count();
  for (int64_t start = std::max<int64_t>(first, 0); start < count; start += BlockRecords) {
    const int64_t records = std::min(BlockRecords, count - start);
    const size_t bytes = static_cast<size_t>(records) * StakeRecordSize;
    size_t done = 0;
    while (done < bytes) {
      ssize_t n = ::pread(fd_, block.data() + done, bytes - done, start * RecordBytes + static_cast<int64_t>(done));
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) ThrowErrno(errno, path_);
      if (n == 0) ThrowNotFound(start + static_cast<int64_t>(done / StakeRecordSize));
      done += static_cast<size_t>(n);
    }
    for (int64_t i = 0; i < records; ++i) {
      position_ = (start + i + 1) * RecordBytes;
      if (!visit(start + i, DecodeStakeRecord(block.data() + i * RecordBytes))) return;
    }
  }
}

void TStakesFile::Rewrite(const std::function<bool(int64_t, const TStakeData&)>& keep) {
  RequireUsable();
  const std::string temp = TempPath();
  // The new file is locked before it gets the stakes file's name, so no second copy of the
  // program can slip in between.
  int fd = OpenLocked(temp, O_TRUNC);
  if (fd < 0) ThrowErrno(errno, temp);
  auto abandon = [&] {
    ::close(fd);
    ::unlink(temp.c_str());
  };
  try {
    std::vector<uint8_t> out;
    int64_t written = 0;
    auto flush = [&] {
      WriteAt(fd, temp, written, out.data(), out.size());
      written += static_cast<int64_t>(out.size());
      out.clear();
    };
    ForEach(0, [&](int64_t index, const TStakeData& stake) {
      if (!keep(index + 1, stake)) return true;
      size_t at = out.size();
      out.resize(at + StakeRecordSize);
      EncodeStakeRecord(stake, out.data() + at);
      if (out.size() >= (1u << 20)) flush();
      return true;
    });
    flush();
    if (::fsync(fd) != 0) ThrowErrno(errno, temp);
  } catch (...) {
    abandon();
    throw;
  }
  if (::rename(temp.c_str(), path_.c_str()) != 0) {
    int error = errno;
    abandon();
    throw KavrinError(Format("Ошибка переименования / удаления временного файла ставок %s!\r\r%s",
                             {temp, std::strerror(error)}));
  }
  ::close(fd_);  // the old file is gone from the folder; its lock goes with it
  fd_ = fd;
  cache_.reset();
  position_ = 0;
  std::string folder = path_.find('/') == std::string::npos ? "." : path_.substr(0, path_.find_last_of('/') + 1);
  int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dirFd >= 0) {
    ::fsync(dirFd);
    ::close(dirFd);
  }
}

}  // namespace kavrin
