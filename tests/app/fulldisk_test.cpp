// A full disk while each store is written: the failure is shown with the store's message, the
// file keeps what it had, and no temporary file is left.
#include <filesystem>
#include <functional>

#include "app/templatemain_fixture.h"
#include "support/recording_progress.h"
#include "support/stakes.h"
#include "combs/listfile.h"
#include "core/config.h"
#include "core/viewsettings.h"
#include "scenarios/scenariofile.h"
#include "stakes/rating.h"
#include "stakes/regulars.h"
#include "stakes/stakesfile.h"
#include "stats/fullset.h"
#include "systems/systemcatalog.h"

namespace kavrin {
namespace {

using test::FaultHookGuard;
using test::FullDisk;

std::vector<std::string> TempFiles(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (IsAtomicWriteTempName(name) || name.ends_with(".~tmp")) names.push_back(name);
  }
  return names;
}

using test::Stake;

class FullDiskTest : public test::TemplateMainTest {
 protected:
  // Writes the store's file, loads it as start-up does, then runs `change` on a full disk.
  void Check(const std::string& file, const std::function<void()>& seedAndLoad, const std::function<void()>& change,
             const std::string& message) {
    seedAndLoad();
    const std::string before = test::ReadBytes(file);
    host.messages.clear();
    {
      FaultHookGuard guard(FullDisk);
      change();
    }
    const std::vector<std::string> errors = host.Errors();
    ASSERT_EQ(errors.size(), 1u) << message;
    EXPECT_EQ(errors[0].rfind(message, 0), 0u) << errors[0];
    EXPECT_NE(errors[0].find("No space left on device"), std::string::npos) << errors[0];
    EXPECT_EQ(test::ReadBytes(file), before) << message;
    EXPECT_EQ(TempFiles(dir.Path()), std::vector<std::string>{}) << message;
  }
};

TEST_F(FullDiskTest, EveryStoreKeepsItsFile) {
  Check(
      ArchivePath(), [&] { Seed({test::Draw(1, {1, 2, 3, 4, 5}, 1)}); },
      [&] { main.AppendDraw(test::Draw(2, {6, 7, 8, 9, 10}, 2)); }, "Ошибка записи в файл тиражей!");

  Check(
      dir.File(RatingFileName),
      [&] {
        TRatingsArray rows(2);
        rows[0] = {"a", 1, 0, {1, 0, 0, 0, 0, 0}, {}};
        rows[1] = {"b", 1, 5, {0, 0, 0, 0, 0, 1}, {}};
        WriteRatingsFile(dir.File(RatingFileName), rows);
        main.RatingsLoad();
      },
      [&] { main.RatingsSort(0, 1); }, "Ошибка записи в файл рейтинга!");

  Check(
      dir.File(TablesFileName),
      [&] {
        TTableStakeData rule;
        rule.Comment = "r";
        rule.Start = rule.Current = {1, 2, 3, 4, 5};
        WriteTablesFile(dir.File(TablesFileName), {rule});
        main.View.TabTables = true;
        main.TablesLoad();
      },
      [&] {
        main.Tables.push_back(main.Tables.front());
        main.TablesSave();
      },
      "Ошибка записи в файл регулярных ставок!");

  Check(
      dir.File(ScriptWorkingFileName),
      [&] {
        SaveScenarioFile(dir.File(ScriptWorkingFileName), {"line"});
        main.ScriptAutoLoad();
      },
      [&] { main.ScriptAppendLine("another"); }, "Ошибка записи в файл");

  Check(
      dir.File(ConfigFileName), [&] { test::WriteBytes(dir.File(ConfigFileName), "[GLOBAL]\r\n"); },
      [&] { main.SaveMainConfig(); }, "Ошибка записи в файл конфигурации!");

  Check(
      dir.File(ViewSettingsFileName), [&] { test::WriteBytes(dir.File(ViewSettingsFileName), "[MAIN]\r\n"); },
      [&] { main.StoreViewSetting(&TViewSettings::ColorDraws); }, "Ошибка сохранения параметров программы!");

  Check(
      dir.File("list.lcv"), [&] { test::WriteBytes(dir.File("list.lcv"), "1;2;3;4;5\r\n"); },
      [&] {
        main.Combs.CombsList.Append({6, 7, 8, 9, 10});
        main.CombsSaveFile(dir.File("list.lcv"));
      },
      "Ошибка записи в файл");

  Check(
      dir.File(StakesFileName),
      [&] {
        ASSERT_TRUE(main.StakesLoad());
        ASSERT_TRUE(main.StakesAppend(Stake(1), 1));
        ASSERT_TRUE(main.StakesAppend(Stake(2), 1));
      },
      [&] { main.StakesAppend(Stake(3), 1); }, "Ошибка добавления записи в файл ставок!");
  Check(
      dir.File(StakesFileName), [] {}, [&] { main.StakesDeleteRows(1, 1); }, "Ошибка удаления записи из файла ставок!");
}

// The systems folder's copies are written by the same writer, away from the application object.
TEST(FullDiskSystems, ADownloadedSystemKeepsTheOldCopy) {
  test::TempDir dir;
  tSystemInfo info;
  info.Id = 7;
  info.Nums = 6;
  info.Block = 1;
  info.Combinations = 1;
  WriteSystemFile(dir.Path(), info, "1 2 3 4 5");
  const std::string path = SystemLocalPath(dir.Path(), info);
  {
    FaultHookGuard guard(FullDisk);
    EXPECT_THROW(WriteSystemFile(dir.Path(), info, "2 3 4 5 6"), KavrinError);
  }
  EXPECT_EQ(test::ReadBytes(path), "1 2 3 4 5\r\n");
  EXPECT_EQ(TempFiles(dir.Path()), std::vector<std::string>{});
}

// A full-set file that cannot be rewritten is removed rather than left with another setting's
// counts; it is built again when next needed.
TEST_F(FullDiskTest, AFullSetFileThatCannotBeRebuiltGoes) {
  main.InitStatistics();
  const int entry = main.Stats.FindCode("EVEN");
  ASSERT_GE(entry, 0);
  const std::string path = FullSetFilePath(dir.Path(), "EVEN");
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  test::WriteBytes(path, EncodeFullSet({{{1, 5}}, 5, 5}));
  test::RecordingProgress progress;
  {
    FaultHookGuard guard(FullDisk);
    EXPECT_FALSE(BuildFullSetFile(TFullSetContext(main.Stats, dir.Path(), true, progress), entry));
  }
  ASSERT_EQ(progress.errors.size(), 1u);
  EXPECT_NE(progress.errors[0].find("No space left on device"), std::string::npos) << progress.errors[0];
  EXPECT_FALSE(FileExists(path));
  EXPECT_EQ(TempFiles(dir.Path()), std::vector<std::string>{});
}

}  // namespace
}  // namespace kavrin
