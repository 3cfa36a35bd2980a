#pragma once
// kavrin-cli run in-process, with what it printed.
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "support/temp_dir.h"

namespace kavrin::test {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

inline CliRun RunCliCaptured(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunCli(args, out, err);
  return {status, out.str(), err.str()};
}

// With the folder as the data folder and without progress texts.
inline CliRun RunCliIn(const TempDir& dir, std::vector<std::string> args) {
  args.insert(args.begin(), {"--data-dir", dir.Path(), "--quiet"});
  return RunCliCaptured(args);
}

inline std::vector<std::string> OutputLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace kavrin::test
