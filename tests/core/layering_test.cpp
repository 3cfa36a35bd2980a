// The modules' layering: a file of src/<module> includes its own module and those below it only.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>

#include "test_paths.h"

namespace kavrin::test {
namespace {

// Lower levels first; a new module takes its place here.
const std::map<std::string, int>& Levels() {
  static const std::map<std::string, int> levels = {
      {"core", 0},   {"stats", 1},  {"combs", 2}, {"scenarios", 3}, {"stakes", 4}, {"systems", 5},
      {"online", 6}, {"views", 7},  {"app", 8},   {"gui", 9},       {"cli", 9},
  };
  return levels;
}

TEST(Layering, NoModuleIncludesOneAboveIt) {
  const std::regex include(R"re(^\s*#\s*include\s*"([a-z]+)/)re");
  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(KAVRIN_SOURCE_DIR)) {
    if (!entry.is_regular_file()) continue;
    const std::filesystem::path relative = std::filesystem::relative(entry.path(), KAVRIN_SOURCE_DIR);
    const std::string module = relative.begin()->string();
    ASSERT_TRUE(Levels().count(module)) << "a module without a level: " << module;
    ++files;
    std::ifstream in(entry.path());
    std::string line;
    std::smatch match;
    while (std::getline(in, line)) {
      if (!std::regex_search(line, match, include) || !Levels().count(match[1])) continue;
      const std::string used = match[1];
      EXPECT_TRUE(used == module || Levels().at(used) < Levels().at(module))
          << relative.string() << " includes " << used;
    }
  }
  EXPECT_GT(files, 100);
}

}  // namespace
}  // namespace kavrin::test
