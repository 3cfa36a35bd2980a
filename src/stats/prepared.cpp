#include "stats/prepared.h"

#include <condition_variable>
#include <cstring>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

namespace kavrin {
namespace {

// One helper thread for the second halves, kept for the life of the program. A half offered to
// it and not yet taken when the calling thread is through its own half is taken back and run
// there: on a machine busy with other programs the helper may wait long for a core, and nobody
// waits for it unless it has begun.
class TSecondCore {
 public:
  static TSecondCore* Get() {
    static TSecondCore* core = [] {
      if (std::thread::hardware_concurrency() < 2) return static_cast<TSecondCore*>(nullptr);
      try {
        return new TSecondCore;  // never deleted: the thread outlives every caller
      } catch (const std::system_error&) {
        return static_cast<TSecondCore*>(nullptr);
      }
    }();
    return core;
  }

  // Runs `here` on the calling thread and `there` on whichever thread gets to it first; while
  // another thread uses the helper, both on the calling thread.
  void Run(const std::function<void()>& here, const std::function<void()>& there) {
    std::unique_lock caller(caller_, std::try_to_lock);
    if (!caller.owns_lock()) {
      here();
      there();
      return;
    }
    {
      std::lock_guard lock(mutex_);
      offered_ = &there;
    }
    changed_.notify_all();
    here();
    std::unique_lock lock(mutex_);
    if (offered_) {
      offered_ = nullptr;
      lock.unlock();
      there();
      return;
    }
    changed_.wait(lock, [&] { return !running_; });
  }

 private:
  TSecondCore() : thread_([this] { Work(); }) {}
  void Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [&] { return offered_ != nullptr; });
      const std::function<void()>* job = offered_;
      offered_ = nullptr;
      running_ = true;
      lock.unlock();
      (*job)();
      lock.lock();
      running_ = false;
      changed_.notify_all();
    }
  }

  std::mutex caller_;
  std::mutex mutex_;
  std::condition_variable changed_;
  const std::function<void()>* offered_ = nullptr;
  bool running_ = false;
  std::thread thread_;
};

}  // namespace

size_t FilterOnBothCores(std::span<const TComb> in, TComb* out,
                         const std::function<size_t(std::span<const TComb>, TComb*)>& run) {
  // Below this a second thread costs more than it saves.
  constexpr size_t MinSplit = 262144;
  TSecondCore* core = in.size() >= MinSplit ? TSecondCore::Get() : nullptr;
  if (!core) return run(in, out);
  const size_t half = in.size() / 2;
  // The second half writes at its own place in `out`: when `out` is `in`, behind its reading.
  size_t keptFirst = 0, keptSecond = 0;
  std::exception_ptr failureFirst, failureSecond;
  core->Run(
      [&] {
        try {
          keptFirst = run(in.first(half), out);
        } catch (...) {
          failureFirst = std::current_exception();
        }
      },
      [&] {
        try {
          keptSecond = run(in.subspan(half), out + half);
        } catch (...) {
          failureSecond = std::current_exception();
        }
      });
  if (failureFirst) std::rethrow_exception(failureFirst);
  if (failureSecond) std::rethrow_exception(failureSecond);
  std::memmove(out + keptFirst, out + half, keptSecond * sizeof(TComb));
  return keptFirst + keptSecond;
}

}  // namespace kavrin
