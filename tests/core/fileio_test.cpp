#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "core/cp1251.h"
#include "core/errors.h"
#include "core/fileio.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

// Clears the write fault seam whatever the test's outcome.
struct FaultHookGuard {
  explicit FaultHookGuard(WriteFaultHook hook) { SetWriteFaultHook(std::move(hook)); }
  ~FaultHookGuard() { SetWriteFaultHook(nullptr); }
};

std::vector<std::string> FolderEntries(const test::TempDir& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(AtomicWrite, CreatesAndReplaces) {
  test::TempDir dir;
  const std::string path = dir.File("data.bin");
  WriteFileAtomic(path, std::string("first\0x", 7));
  EXPECT_EQ(test::ReadBytes(path), std::string("first\0x", 7));
  WriteFileAtomic(path, "second");
  EXPECT_EQ(ReadFileBytes(path), "second");
  WriteFileAtomic(path, "");
  EXPECT_EQ(ReadFileBytes(path), "");
  EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"data.bin"});
  struct stat st;
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0644u);
}

TEST(AtomicWrite, FailureHalfWayKeepsTheOldFile) {
  test::TempDir dir;
  const std::string path = dir.File("Kavrin_5x50.ldr");
  test::WriteBytes(path, "old content");
  const std::string big(3 << 20, 'n');  // several chunks, so the fault hits in the middle
  std::vector<size_t> calls;
  {
    FaultHookGuard guard([&](size_t written) {
      calls.push_back(written);
      return written < big.size() / 2;
    });
    try {
      WriteFileAtomic(path, big);
      ADD_FAILURE() << "the write did not fail";
    } catch (const KavrinError& e) {
      EXPECT_NE(std::string(e.what()).find("No space left on device"), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
    }
  }
  ASSERT_GE(calls.size(), 2u) << "the fault must come after a part was written";
  EXPECT_EQ(test::ReadBytes(path), "old content");
  EXPECT_EQ(FolderEntries(dir), std::vector<std::string>{"Kavrin_5x50.ldr"});

  WriteFileAtomic(path, big);  // the seam is gone: the same write now succeeds
  EXPECT_EQ(ReadFileBytes(path), big);
}

TEST(AtomicWrite, MissingFolderFails) {
  test::TempDir dir;
  EXPECT_THROW(WriteFileAtomic(dir.File("no/such/file"), "x"), KavrinError);
  EXPECT_TRUE(FolderEntries(dir).empty());
}

TEST(AtomicWrite, KeepsPermissionBitsAndFollowsSymbolicLinks) {
  test::TempDir dir;
  const std::string target = dir.File("Kavrin_5x50.ini");
  test::WriteBytes(target, "[PROXY]\r\nProxyPassword=secret\r\n");
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
  ASSERT_EQ(::symlink("Kavrin_5x50.ini", dir.File("link.ini").c_str()), 0);

  WriteFileAtomic(dir.File("link.ini"), "rewritten");
  EXPECT_EQ(test::ReadBytes(target), "rewritten");
  struct stat st;
  ASSERT_EQ(::lstat(dir.File("link.ini").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode)) << "the link stays a link";
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);

  // A link whose target does not exist yet creates the target.
  ASSERT_EQ(::symlink(dir.File("new.bin").c_str(), dir.File("dangling").c_str()), 0);
  WriteFileAtomic(dir.File("dangling"), "made");
  EXPECT_EQ(test::ReadBytes(dir.File("new.bin")), "made");
  EXPECT_EQ(FolderEntries(dir), (std::vector<std::string>{"Kavrin_5x50.ini", "dangling", "link.ini", "new.bin"}));
}

TEST(AtomicWrite, LeftoverTemporaryFilesGoByTheirNamingOnly) {
  test::TempDir dir;
  for (const char* name : {"Kavrin_5x50.ldr", "Kavrin_5x50.ldr.~aB3xY9", "Kavrin_5x50.lrt.~000000", "notes.~tmp",
                           "x.~abc12", "x.~abc12-", "Kavrin_5x50.lsk.~AbCdEf.txt"})
    test::WriteBytes(dir.File(name), "x");
  std::filesystem::create_directory(dir.File("folder.~ABCDEF"));
  EXPECT_EQ(RemoveLeftoverTempFiles(dir.Path()), 2);
  EXPECT_EQ(FolderEntries(dir), (std::vector<std::string>{"Kavrin_5x50.ldr", "Kavrin_5x50.lsk.~AbCdEf.txt",
                                                          "folder.~ABCDEF", "notes.~tmp", "x.~abc12", "x.~abc12-"}));
  EXPECT_EQ(RemoveLeftoverTempFiles(dir.File("missing")), 0);
}

TEST(ReadFile, MissingFileNamesTheSystemError) {
  test::TempDir dir;
  try {
    ReadFileBytes(dir.File("none"));
    ADD_FAILURE();
  } catch (const KavrinError& e) {
    EXPECT_EQ(std::string(e.what()), "No such file or directory (" + dir.File("none") + ")");
  }
  EXPECT_FALSE(FileExists(dir.File("none")));
  EXPECT_FALSE(FileExists(dir.Path())) << "a folder is no file";
}

TEST(Paths, Join) {
  EXPECT_EQ(JoinPath("/data", "a.ini"), "/data/a.ini");
  EXPECT_EQ(JoinPath("/data/", "a.ini"), "/data/a.ini");
  EXPECT_EQ(JoinPath("", "a.ini"), "a.ini");
}

TEST(Cp1251, EveryDefinedByteRoundTrips) {
  std::string all;
  for (int b = 1; b < 256; ++b)
    if (b != 0x98) all += static_cast<char>(b);  // 0x98 is the one unassigned byte
  const std::string utf8 = Cp1251ToUtf8(all);
  EXPECT_EQ(Utf8ToCp1251(utf8), all);
  EXPECT_EQ(Utf8Length(utf8), all.size());
}

TEST(Cp1251, KnownCharacters) {
  EXPECT_EQ(Utf8ToCp1251("Тираж №"), "\xD2\xE8\xF0\xE0\xE6 \xB9");
  EXPECT_EQ(Cp1251ToUtf8("\xA8\xB8\x88"), "Ёё€");
  EXPECT_EQ(Utf8ToCp1251("plain"), "plain");
}

TEST(Cp1251, UnmappableAndBrokenInputBecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1251("a✓b"), "a?b");
  EXPECT_EQ(Utf8ToCp1251("a\xFF" "b"), "a?b");
  EXPECT_EQ(Utf8ToCp1251("ab\xD0"), "ab?") << "a cut sequence at the end";
  EXPECT_EQ(Cp1251ToUtf8("a\x98" "b"), "a?b");
}

TEST(Utf8, PrefixNeverSplitsACharacter) {
  EXPECT_EQ(Utf8Prefix("Дата тиража", 4), "Дата");
  EXPECT_EQ(Utf8Prefix("abc", 5), "abc");
  EXPECT_EQ(Utf8Prefix("abc", 0), "");
  EXPECT_EQ(Utf8Length("Дата"), 4u);
}

}  // namespace
}  // namespace kavrin
