#pragma once
// kavrin-cli run in-process, with what it printed.
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "core/archive.h"
#include "support/draws.h"
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

// The archive of the statistics tests in the folder: draws 1..12 holding i, i + 10, i + 20,
// i + 30 and 50 (half of them one even number, half five).
inline void WriteTwelveDraws(const TempDir& dir) {
  TDrawArchive archive(dir.File(ArchiveFileName));
  for (int i = 1; i <= 12; ++i)
    archive.Append(Draw(i,
                        {static_cast<uint8_t>(i), static_cast<uint8_t>(i + 10), static_cast<uint8_t>(i + 20),
                         static_cast<uint8_t>(i + 30), 50},
                        0, "01.02.2020 21:00"));
  archive.Save();
}

inline std::vector<std::string> OutputLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace kavrin::test
