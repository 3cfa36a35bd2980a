#include <sys/ioctl.h>
#include <unistd.h>

#include <iostream>

#include "cli/cli.h"

namespace {

// The columns of the terminal on standard error; 0 when it is no terminal.
int ErrorTerminalColumns() {
  if (!isatty(STDERR_FILENO)) return 0;
  winsize size{};
  if (ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) return size.ws_col;
  return 80;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return kavrin::RunCli(args, std::cout, std::cerr, ErrorTerminalColumns());
}
