// Progress texts of kavrin-cli: one self-rewriting line on a terminal, the texts line by line only
// with --progress elsewhere, nothing with --quiet; tables and messages never share a line with it.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli_run.h"
#include "cli/consolehost.h"

namespace kavrin {
namespace {

using test::CliRun;

CliRun RunOnTerminal(const std::vector<std::string>& args, int columns) {
  std::ostringstream out, err;
  const int status = RunCli(args, out, err, columns);
  return {status, out.str(), err.str()};
}

TEST(CliProgress, ProgressLineText) {
  struct Case {
    std::string text;
    int step, steps, seconds, width;
    std::string line;
  };
  const Case cases[] = {
      {"Фильтрация комбинаций...", 3, 20, 75, 80, "Фильтрация комбинаций... [3/20] 1:15"},
      {"Генерация", 0, 0, 5, 80, "Генерация 0:05"},
      {"Ошибка\r\rтекст", 0, 0, 0, 80, "Ошибка текст 0:00"},
      // Cut to the width less one, between characters of two bytes.
      {"Фильтрация комбинаций...", 1, 2, 0, 8, "Фильтра"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ProgressLineText(c.text, c.step, c.steps, c.seconds, c.width), c.line) << c.text;
}

TEST(CliProgress, TheLineShowsTheCommandsStepsAndMakesRoomForMessages) {
  std::ostringstream err;
  {
    ConsoleHost host(err, false, TConsoleProgress::Line, 80);
    host.Steps = [] { return std::pair{2, 7}; };
    host.SetStatus(PanelOperation, "Выполнение сценария...");
    host.ShowWarning("Внимание\rтекст", "Внимание!");
    host.SetStatus(PanelOperation, "Фильтрация комбинаций...");
  }
  EXPECT_EQ(err.str(),
            "\rВыполнение сценария... [2/7] 0:00\x1b[K\r\x1b[K"
            "warning: Внимание текст\n"
            "\rФильтрация комбинаций... [2/7] 0:00\x1b[K\r\x1b[K");
}

TEST(CliProgress, WhereTheTextsGo) {
  test::TempDir dir;
  const std::vector<std::string> generate{"combs", "generate", "--mode", "2", "--params", "1;2;3;4;5;6"};
  auto with = [&](std::vector<std::string> options) {
    options.insert(options.begin(), {"--data-dir", dir.Path()});
    options.insert(options.end(), generate.begin(), generate.end());
    return options;
  };
  // Standard error no terminal: nothing unless asked for, then one line per text.
  EXPECT_EQ(test::RunCliCaptured(with({})).err, "");
  EXPECT_EQ(test::RunCliCaptured(with({"--progress"})).err,
            "Загрузка файла конфигурации...\nИнициализация...\nЗагрузка файла ставок...\n"
            "Генерация возможных комбинаций...\nОбновление карты тиражей...\n"
            "Построение схемы выпадения номеров...\nПостроение статистики по дням недели...\n"
            "Генерация возможных комбинаций...\n");
  // A terminal: the line (redrawn at most ten times a second), erased before the command's table
  // and at the end; --quiet silences it.
  const CliRun terminal = RunOnTerminal(with({}), 80);
  EXPECT_EQ(terminal.out, "6\n");
  EXPECT_EQ(terminal.err.rfind("\rЗагрузка файла конфигурации... 0:00\x1b[K", 0), 0u) << terminal.err;
  EXPECT_EQ(terminal.err.find('\n'), std::string::npos);
  EXPECT_EQ(terminal.err.substr(terminal.err.size() - 4), "\r\x1b[K");
  EXPECT_EQ(RunOnTerminal(with({"--quiet"}), 80).err, "");
  EXPECT_EQ(RunOnTerminal(with({"--quiet", "--progress"}), 80).err, "");
}

}  // namespace
}  // namespace kavrin
