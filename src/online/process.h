#pragma once
// Starting a program and waiting for it with a time-out, as installing an update needs.
#include <functional>
#include <string>

namespace kavrin {

// Runs the program file (no arguments) with `workFolder` as its current folder and waits for
// it, checking every 100 ms and calling `whileWaiting` in between so that the window stays
// responsive. Returns its exit code (128 + the signal when a signal ended it). Throws
// KavrinError when it cannot be started, and, after terminating it with everything it started,
// "Ожидание завершения процесса (файла) "path" прервано в связи с превышением времени
// ожидания!" when it still runs after `timeoutMs`.
int RunProcessAndWait(const std::string& path, const std::string& workFolder, int timeoutMs,
                      const std::function<void()>& whileWaiting);

}  // namespace kavrin
