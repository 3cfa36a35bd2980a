// The full-set comparison files: their contents against independent counts, the file format,
// opening and building with their failures, and EnsureFullSetFiles with its group sets.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>

#include "core/binio.h"
#include "core/fileio.h"
#include "stats/fullset.h"
#include "stats/methods/shredding.h"
#include "stats/stats_fixture.h"
#include "support/recording_progress.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

using test::StatsFixture;

TFullSetData Compute(StatsFixture& f, const std::string& code) { return ComputeFullSet(*f.Create(code)); }

std::map<TStatKey, int64_t> Counts(const TFullSetData& data) {
  std::map<TStatKey, int64_t> counts;
  for (const TFullSetRecord& r : data.Records) counts[r.Key] = r.Count;
  return counts;
}

// Calls f(a, b, c, d, e) for every combination of the full set.
template <class F>
void ForEachCombination(F f) {
  for (int a = 1; a <= 46; ++a)
    for (int b = a + 1; b <= 47; ++b)
      for (int c = b + 1; c <= 48; ++c)
        for (int d = c + 1; d <= 49; ++d)
          for (int e = d + 1; e <= 50; ++e) f(a, b, c, d, e);
}

TEST(FullSetContents, NumbersEachInATenthOfAllCombinations) {
  StatsFixture f;
  const TFullSetData data = Compute(f, "NUMS");
  ASSERT_EQ(data.Records.size(), 50u);
  for (int n = 1; n <= 50; ++n) {
    EXPECT_EQ(data.Records[n - 1].Key, MakeStatKey(static_cast<uint16_t>(n)));
    EXPECT_EQ(data.Records[n - 1].Count, Binomial(49, 4));
  }
  const std::string bytes = EncodeFullSet(data);
  ASSERT_EQ(bytes.size(), 51 * FullSetRecordSize);
  RecordReader trailer(reinterpret_cast<const uint8_t*>(bytes.data()) + 50 * FullSetRecordSize, FullSetRecordSize);
  EXPECT_EQ(trailer.I32(0), 211876);
  EXPECT_EQ(trailer.I32(4), 211876);
  EXPECT_EQ(trailer.I32(8), 0);
  RecordReader first(reinterpret_cast<const uint8_t*>(bytes.data()), FullSetRecordSize);
  EXPECT_EQ(first.U32(0), 1u);
  EXPECT_EQ(first.U32(4), 0u);
  EXPECT_EQ(first.I32(8), 211876);
}

TEST(FullSetContents, SumsPeakAt127And128) {
  StatsFixture f;
  const TFullSetData data = Compute(f, "SUMS");
  ASSERT_EQ(data.Records.size(), static_cast<size_t>(SumMax - SumMin + 1));
  std::map<int, int64_t> bySum;
  int64_t total = 0;
  ForEachCombination([&](int a, int b, int c, int d, int e) { ++bySum[a + b + c + d + e]; });
  for (const TFullSetRecord& r : data.Records) {
    TStatDrawRec rec;
    rec.SetKey(r.Key);
    EXPECT_EQ(r.Count, bySum[rec.Key1]) << rec.Key1;
    total += r.Count;
  }
  EXPECT_EQ(total, FullSetSize);
  EXPECT_EQ(data.MaxCount, 26476);
  EXPECT_EQ(data.MinCount, 1);
  EXPECT_EQ(bySum[127], 26476);
  EXPECT_EQ(bySum[128], 26476);
}

TEST(FullSetContents, OtherMethodsMatchIndependentCounts) {
  StatsFixture f;
  // Even numbers: C(25, k) C(25, 5 - k) combinations hold k of them.
  std::map<TStatKey, int64_t> even;
  for (int k = 0; k <= 5; ++k) even[MakeStatKey(static_cast<uint16_t>(k))] = Binomial(25, k) * Binomial(25, 5 - k);
  EXPECT_EQ(Counts(Compute(f, "EVEN")), even);

  // Largest minus smallest number d: 50 - d places, C(d - 1, 3) ways to fill between.
  std::map<TStatKey, int64_t> spread;
  for (int d = 4; d <= 49; ++d) spread[MakeStatKey(static_cast<uint16_t>(d))] = (50 - d) * Binomial(d - 1, 3);
  EXPECT_EQ(Counts(Compute(f, "DIFD")), spread);

  // The default first shredding formula, computed straight from the numbers.
  std::map<TStatKey, int64_t> shredded;
  ForEachCombination([&](long double a, long double b, long double c, long double d, long double e) {
    const long double v = (a + b + c) / (d + e);
    ++shredded[MakeStatKey(static_cast<uint16_t>(std::trunc((v - std::trunc(v)) * 100)))];
  });
  EXPECT_EQ(Counts(Compute(f, "SHR1")), shredded);
}

class FullSetFiles : public ::testing::Test {
 protected:
  std::string Path(const std::string& code) const { return FullSetFilePath(dir.Path(), code); }
  TFullSetContext Context(bool enabled) {
    return TFullSetContext(f.list, dir.Path(), enabled, reports);
  }
  int Entry(const std::string& code) const { return f.list.FindCode(code); }
  void Plant(const std::string& code, const std::string& bytes) {
    std::filesystem::create_directories(dir.File(FullSetFolder));
    test::WriteBytes(Path(code), bytes);
  }

  test::TempDir dir;
  StatsFixture f;
  test::RecordingProgress reports;
  std::vector<std::string>& statuses = reports.statuses;
  std::vector<std::string>& errors = reports.errors;
  std::vector<int>& progress = reports.steps;
};

TEST_F(FullSetFiles, OpenBuildsAMissingOrEmptyFileOnlyWithTheOptionOn) {
  EXPECT_FALSE(OpenFullSetFile(Context(false), Entry("EVEN")));
  EXPECT_FALSE(FileExists(Path("EVEN")));
  EXPECT_FALSE(OpenFullSetFile(Context(true), Entry("SUMC")));  // no norm

  Plant("EVEN", "");
  std::optional<TFullSetData> data = OpenFullSetFile(Context(true), Entry("EVEN"));
  ASSERT_TRUE(data);
  EXPECT_EQ(data->Records.size(), 6u);
  EXPECT_EQ(test::ReadBytes(Path("EVEN")), EncodeFullSet(*data));
  EXPECT_EQ(statuses, (std::vector<std::string>{"Создание файла предварительной выборки Kavrin_5x50_EVEN.dfc...", ""}));
  EXPECT_TRUE(errors.empty());

  // An existing file is read as it is.
  TFullSetData planted;
  planted.Records = {{MakeStatKey(2), 7}};
  planted.MinCount = planted.MaxCount = 7;
  Plant("EVEN", EncodeFullSet(planted));
  data = OpenFullSetFile(Context(true), Entry("EVEN"));
  ASSERT_TRUE(data);
  EXPECT_EQ(data->Records.size(), 1u);
  EXPECT_EQ(data->MaxCount, 7);
}

TEST_F(FullSetFiles, UnreadableFileIsReportedAndKept) {
  Plant("EVEN", "1234567");
  EXPECT_FALSE(OpenFullSetFile(Context(true), Entry("EVEN")));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].rfind("Ошибка открытия файла данных для полного набора вариантов!\r\rИмя файла: " + Path("EVEN") +
                                "\r\r",
                            0),
            0u);
  EXPECT_EQ(test::ReadBytes(Path("EVEN")), "1234567");
}

TEST_F(FullSetFiles, FailedBuildLeavesNoFile) {
  Plant("EVEN", "old contents");
  SetWriteFaultHook([](size_t) { return false; });
  EXPECT_FALSE(BuildFullSetFile(Context(true), Entry("EVEN")));
  SetWriteFaultHook(nullptr);
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].rfind("Ошибка создания файла данных для полного набора вариантов!\r\rИмя файла: " + Path("EVEN") +
                                "\r\r",
                            0),
            0u);
  EXPECT_FALSE(FileExists(Path("EVEN")));
  EXPECT_EQ(statuses.back(), "");

  // The folder cannot be made: a file stands in its way.
  std::filesystem::remove_all(dir.File(FullSetFolder));
  test::WriteBytes(dir.File(FullSetFolder), "in the way");
  errors.clear();
  EXPECT_FALSE(OpenFullSetFile(Context(true), Entry("EVEN")));
  EXPECT_EQ(errors.size(), 1u);
}

TEST_F(FullSetFiles, EnsureBuildsMissingFilesAndTheGroupsAsked) {
  const std::vector<int> some = {Entry("DIFD"), Entry("EVEN"), Entry("SUMS"), Entry("SUMC")};
  EXPECT_TRUE(EnsureFullSetFiles(Context(false), false, AllStatGroups, some).empty());  // option off
  EXPECT_TRUE(statuses.empty());

  Plant("EVEN", "planted");
  Plant("SUMS", "planted");
  // Forced with the option off: the missing DIFD; SUMC has no norm.
  EXPECT_EQ(EnsureFullSetFiles(Context(false), true, 0, some), std::vector<int>{Entry("DIFD")});
  EXPECT_EQ(test::ReadBytes(Path("EVEN")), "planted");
  // Group 1 (sums) asked again: SUMS, written while EVEN stays.
  statuses.clear();
  progress.clear();
  EXPECT_EQ(EnsureFullSetFiles(Context(true), false, 1u << 1, some), std::vector<int>{Entry("SUMS")});
  EXPECT_EQ(test::ReadBytes(Path("EVEN")), "planted");
  StatsFixture fresh;
  EXPECT_EQ(test::ReadBytes(Path("SUMS")), EncodeFullSet(Compute(fresh, "SUMS")));
  EXPECT_EQ(statuses, (std::vector<std::string>{"Создание файлов для полного набора комбинаций...",
                                                "Создание файла предварительной выборки Kavrin_5x50_SUMS.dfc...", ""}));
  ASSERT_EQ(progress.size(), static_cast<size_t>(f.list.Count()) + 2);
  EXPECT_EQ(progress.front(), -f.list.Count());
  EXPECT_EQ(progress[f.list.Count()], f.list.Count());
  EXPECT_EQ(progress.back(), 0);
}

TEST_F(FullSetFiles, EnsureReportsEachFailureInOrderAndGoesOn) {
  // Written in registry order EVEN, SUMS, DIFD; the second write fails.
  int writes = 0;
  SetWriteFaultHook([&](size_t written) { return written > 0 || ++writes != 2; });
  const std::vector<int> written =
      EnsureFullSetFiles(Context(true), false, 0, std::vector<int>{Entry("DIFD"), Entry("SUMS"), Entry("EVEN")});
  SetWriteFaultHook(nullptr);
  EXPECT_EQ(written, (std::vector<int>{Entry("EVEN"), Entry("DIFD")}));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_NE(errors[0].find("Имя файла: " + Path("SUMS")), std::string::npos);
  EXPECT_FALSE(FileExists(Path("SUMS")));
  EXPECT_TRUE(FileExists(Path("DIFD")));
}

}  // namespace
}  // namespace kavrin
