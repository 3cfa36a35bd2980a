#include "scenarios/runlog.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/fileio.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

using test::ReadBytes;
using test::TempDir;

TEST(ScriptLog, NamesAndLineStamps) {
  const TDateTime t = EncodeDateTime(2024, 3, 5, 21, 7, 44);
  EXPECT_EQ(ScriptLogName(t), "ScriptLog_2024-03-05-21-07-44.txt");
  EXPECT_EQ(ScriptLogMask(), "ScriptLog_*.txt");
  EXPECT_EQ(ScriptLogLine(t, "текст", true), "[2024-03-05 21:07:44]: текст");
  EXPECT_EQ(ScriptLogLine(t, "", true), "[2024-03-05 21:07:44]: ");
  EXPECT_EQ(ScriptLogLine(t, "текст", false), "текст");
  // A time a hair before the next second shows that second, and midnight the next day.
  EXPECT_EQ(ScriptLogName(EncodeDateTime(2024, 12, 31, 23, 59, 59) + 0.9999 / 86400),
            "ScriptLog_2025-01-01-00-00-00.txt");
}

TEST(ScriptLog, OneFilePerRunWithATimedLineEach) {
  TempDir dir;
  TDateTime now = EncodeDateTime(2024, 3, 5, 21, 7, 44);
  TScriptLog log;
  log.Clock = [&] { return now; };

  log.Start(dir.Path(), true);
  const std::string path = dir.File("ScriptLog_2024-03-05-21-07-44.txt");
  EXPECT_EQ(log.Path(), path);
  EXPECT_FALSE(FileExists(path)) << "the file is made by the first line";
  log.Write("Строка 1");
  now += 1.0 / 86400;
  log.Write("");
  log.Write("без времени", false);
  EXPECT_EQ(ReadBytes(path), "[2024-03-05 21:07:44]: \xD1\xF2\xF0\xEE\xEA\xE0 1\r\n[2024-03-05 21:07:45]: \r\n"
                             "\xE1\xE5\xE7 \xE2\xF0\xE5\xEC\xE5\xED\xE8\r\n");
  EXPECT_EQ(log.Finish(), path);
  EXPECT_EQ(log.Path(), "");
}

TEST(ScriptLog, OffWritesNothing) {
  TempDir dir;
  TScriptLog log;
  log.Start(dir.Path(), false);
  log.Write("x");
  EXPECT_EQ(log.Finish(), "");
  log.Start(dir.Path(), true);
  EXPECT_EQ(log.Finish(), "") << "a run that wrote nothing has nothing to show";
}

TEST(ScriptLog, AWriteFailureIsReported) {
  TempDir dir;
  TScriptLog log;
  log.Start(dir.File("missing-folder"), true);
  EXPECT_THROW(log.Write("x"), KavrinError);
}

}  // namespace
}  // namespace kavrin
