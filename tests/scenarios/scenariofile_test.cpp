#include "scenarios/scenariofile.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/fileio.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

struct FaultHookGuard {
  explicit FaultHookGuard(WriteFaultHook hook) { SetWriteFaultHook(std::move(hook)); }
  ~FaultHookGuard() { SetWriteFaultHook(nullptr); }
};

TEST(ScenarioFile, ReadsEveryLineEndAndWindows1251) {
  TempDir dir;
  const std::string path = dir.File("a.lsc");
  struct Case {
    const char* bytes;
    TScenarioLines lines;
  };
  const Case cases[] = {
      {"a|b\r\n\r\n\xDF\r\n", {"a|b", "", "Я"}},
      {"a\rb\nc", {"a", "b", "c"}},
      {"a\n\nb\n", {"a", "", "b"}},
      {"a\r\rb\r\n\n", {"a", "", "b", ""}},
      {"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    WriteBytes(path, c.bytes);
    EXPECT_EQ(ReadScenarioFile(path), c.lines);
  }
  EXPECT_THROW(ReadScenarioFile(dir.File("missing.lsc")), KavrinError);
}

TEST(ScenarioFile, WritesCrLfInWindows1251AndAFailedWriteKeepsTheOldFile) {
  TempDir dir;
  const std::string path = dir.File(ScriptWorkingFileName);
  SaveScenarioFile(path, {"FULL:0#EXT| | | | | | | |Комментарий", "", "x"});
  EXPECT_EQ(ReadBytes(path), "FULL:0#EXT| | | | | | | |\xCA\xEE\xEC\xEC\xE5\xED\xF2\xE0\xF0\xE8\xE9\r\n\r\nx\r\n");
  EXPECT_EQ(ReadScenarioFile(path), (TScenarioLines{"FULL:0#EXT| | | | | | | |Комментарий", "", "x"}));
  {
    FaultHookGuard guard([](size_t) { return false; });  // a full disk
    EXPECT_THROW(SaveScenarioFile(path, {"new"}), KavrinError);
  }
  EXPECT_EQ(ReadScenarioFile(path).size(), 3u);
}

TEST(ScenarioLines, AppendingAScenario) {
  struct Case {
    TScenarioLines scenario, added, result;
  };
  const Case cases[] = {
      {{"a"}, {"b", "c"}, {"a", "", "b", "c"}},  // one separator between
      {{"a", ""}, {"b"}, {"a", "", "b"}},        // the last line is one already
      {{"a", "  "}, {"b"}, {"a", "  ", "b"}},
      {{}, {"b"}, {"b"}},                        // an empty scenario is replaced
      {{"a"}, {}, {"a"}},                        // an empty file changes nothing
  };
  for (const Case& c : cases) {
    TScenarioLines scenario = c.scenario;
    AppendScenarioLines(scenario, c.added);
    EXPECT_EQ(scenario, c.result);
  }
}

TEST(ScenarioLines, DeletingRowsKeepsTheOrderOfTheRest) {
  TScenarioLines lines{"1", "2", "3", "4", "5", "6"};
  DeleteScenarioLines(lines, {3, 1, 3, -1, 6});
  EXPECT_EQ(lines, (TScenarioLines{"1", "3", "5", "6"}));
  EXPECT_EQ(RecordNotFoundMessage(7), "Запись со индексом 7 в файле данных не найдена!");
}

}  // namespace
}  // namespace kavrin
