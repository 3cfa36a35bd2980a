// A process killed at any point while it writes the archive, the rating, a full-set file and the
// stakes leaves every file whole and readable, and the next start removes what the interrupted
// writes left behind.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>

#include "cli/cli_run.h"
#include "core/archive.h"
#include "core/fileio.h"
#include "stakes/rating.h"
#include "stakes/stakesfile.h"
#include "stats/fullset.h"
#include "support/draws.h"
#include "support/stakes.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

constexpr int ArchiveDraws = 20000;

TDrawRec Draw(int number) {
  const auto first = static_cast<uint8_t>(number % 46 + 1);
  return test::Draw(number, {first, static_cast<uint8_t>(first + 1), static_cast<uint8_t>(first + 2),
                             static_cast<uint8_t>(first + 3), static_cast<uint8_t>(first + 4)},
                    static_cast<uint8_t>(number % 11 + 1), "01.02.2020 21:00");
}

TStakeData Stake(int draw) { return test::Stake(draw, {1, 2, 3, 4, 5}, "kill", StakeScenario); }

// The child: rewrites every store over and over until it is killed. With `killAtWrite` above 0 it
// kills itself just before the chunk of that number is written (counting every chunk of every
// store), so that the kill lands inside a write for certain.
[[noreturn]] void WriteForever(const std::string& folder, int killAtWrite) {
  if (killAtWrite > 0) {
    SetWriteFaultHook([killAtWrite, chunks = 0](size_t) mutable {
      if (++chunks == killAtWrite) ::raise(SIGKILL);
      return true;
    });
  }
  try {
    TDrawArchive archive(JoinPath(folder, ArchiveFileName));
    archive.Load();
    TRatingsArray rows(5000);
    for (size_t i = 0; i < rows.size(); ++i) {
      rows[i].Key = "row " + std::to_string(i);
      rows[i].Stakes = 1;
    }
    TFullSetData fullSet;
    for (int key = 0; key < 100000; ++key) fullSet.Records.push_back({static_cast<TStatKey>(key), 1});
    fullSet.MinCount = fullSet.MaxCount = 1;
    const std::string fullSetPath = FullSetFilePath(folder, "EVEN");
    std::filesystem::create_directories(std::filesystem::path(fullSetPath).parent_path());
    TStakesFile stakes(JoinPath(folder, StakesFileName));
    stakes.Open();
    for (int round = 0;; ++round) {
      archive.Append(Draw(archive.Count() + 1));
      archive.Save();
      rows[round % rows.size()].Stakes += 1;
      WriteRatingsFile(JoinPath(folder, RatingFileName), rows);
      fullSet.Records[round % fullSet.Records.size()].Count += 1;
      fullSet.MaxCount = std::max(fullSet.MaxCount, fullSet.Records[round % fullSet.Records.size()].Count);
      WriteFileAtomic(fullSetPath, EncodeFullSet(fullSet));
      for (int i = 0; i < 200; ++i) stakes.Append(Stake(round + 1), 1);
      stakes.DeleteRows(1, 100);
    }
  } catch (...) {
  }
  _exit(1);
}

std::vector<std::string> Leftovers(const std::string& folder) {
  std::vector<std::string> names;
  if (!std::filesystem::is_directory(folder)) return names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (IsAtomicWriteTempName(name) || name == "Kavrin_5x50.~tmp") names.push_back(name);
  }
  return names;
}

TEST(KillWhileWriting, EveryFileStaysWholeAndTheNextStartLeavesNoTemporaryFile) {
  test::TempDir dir;
  {
    TDrawArchive archive(dir.File(ArchiveFileName));
    for (int number = 1; number <= ArchiveDraws; ++number) archive.Append(Draw(number));
    archive.Save();
  }
  // A round writes the archive (1 chunk), the rating (2), the full-set file (2), 200 stakes and
  // the stakes file's replacement (1): these are every write of the first round but the stakes,
  // the first stake, the replacement at the end of each of the first two rounds and the second
  // round's writes of the whole files. All but the stake's leave a temporary file.
  const int writes[] = {1, 2, 3, 4, 5, 6, 206, 207, 208, 209, 210, 211, 412};
  const int writesWithTemporary = 12;
  int leftoversSeen = 0;
  for (int kill = 0; kill < 2 * static_cast<int>(std::size(writes)); ++kill) {
    SCOPED_TRACE("kill " + std::to_string(kill));
    const int killAtWrite = kill % 2 == 0 ? writes[kill / 2] : 0;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) WriteForever(dir.Path(), killAtWrite);
    // The other kills come from outside, at moments from the first bytes to several rounds in.
    if (killAtWrite == 0) {
      ::usleep(static_cast<useconds_t>(3000 + kill * 38000));
      ::kill(child, SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself";
    leftoversSeen += static_cast<int>(Leftovers(dir.Path()).size() + Leftovers(dir.File(FullSetFolder)).size());

    // Every file reads whole: no partial record, no damaged record.
    TDrawArchive archive(dir.File(ArchiveFileName));
    EXPECT_EQ(archive.Load(), "");
    EXPECT_GE(archive.Count(), ArchiveDraws);
    TRatingsArray rows;
    EXPECT_NO_THROW(ReadRatingsFile(dir.File(RatingFileName), rows));
    EXPECT_NO_THROW(ReadFullSetFile(FullSetFilePath(dir.Path(), "EVEN")));

    // The next start, which loads the archive, the stakes and the rating whatever the command:
    // no message, and the leftovers are gone.
    const test::CliRun run = test::RunCliIn(dir, {"draws", "list", "--limit", "1"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Leftovers(dir.Path()), std::vector<std::string>{});
    EXPECT_EQ(Leftovers(dir.File(FullSetFolder)), std::vector<std::string>{});
  }
  // The kills inside a write leave its temporary file; without them the test would test nothing.
  EXPECT_GE(leftoversSeen, writesWithTemporary);
}

}  // namespace
}  // namespace kavrin
