#pragma once
// kavrin-cli as a function, so tests run it in-process with their own streams.
#include <ostream>
#include <string>
#include <vector>

namespace kavrin {

inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1;
inline constexpr int ExitBadArguments = 2;

// `args` are the program arguments without the program name. `errColumns`: the width of the
// terminal that `err` writes to, 0 when it is no terminal.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, int errColumns = 0);

}  // namespace kavrin
