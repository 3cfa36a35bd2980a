#include "stats/prepared.h"

#include <cstring>
#include <exception>
#include <system_error>
#include <thread>

namespace kavrin {

size_t FilterOnBothCores(std::span<const TComb> in, TComb* out,
                         const std::function<size_t(std::span<const TComb>, TComb*)>& run) {
  // Below this a second thread costs more than it saves.
  constexpr size_t MinSplit = 262144;
  static const bool twoCores = std::thread::hardware_concurrency() >= 2;
  if (in.size() < MinSplit || !twoCores) return run(in, out);
  const size_t half = in.size() / 2;
  // The second half writes at its own place in `out`: when `out` is `in`, behind its reading.
  size_t keptSecond = 0;
  std::exception_ptr failure;
  std::thread second;
  try {
    second = std::thread([&] {
      try {
        keptSecond = run(in.subspan(half), out + half);
      } catch (...) {
        failure = std::current_exception();
      }
    });
  } catch (const std::system_error&) {
    return run(in, out);  // no thread to be had: one run does it all
  }
  size_t keptFirst = 0;
  try {
    keptFirst = run(in.first(half), out);
  } catch (...) {
    second.join();
    throw;
  }
  second.join();
  if (failure) std::rethrow_exception(failure);
  std::memmove(out + keptFirst, out + half, keptSecond * sizeof(TComb));
  return keptFirst + keptSecond;
}

}  // namespace kavrin
