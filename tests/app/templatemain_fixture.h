#pragma once
// The application object over a fresh data folder and a scripted user.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/templatemain.h"
#include "core/fileio.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"
#include "support/draws.h"

namespace kavrin::test {

// Records the analysis recomputations that the commands ask for.
class RecordingMain : public TTemplateMain {
 public:
  using TTemplateMain::TTemplateMain;
  void RefreshViews(bool force) override {
    refreshes.push_back(force);
    TTemplateMain::RefreshViews(force);
  }
  std::vector<bool> refreshes;
};

// Also keeps the fields that the program put into the draw dialog.
class DialogHost : public FakeHost {
 public:
  bool EditDraw(const std::string& caption, TDrawDialogFields& fields) override {
    prefills.push_back(fields);
    return FakeHost::EditDraw(caption, fields);
  }
  std::vector<TDrawDialogFields> prefills;
};

// Clears the write fault seam whatever the test's outcome.
struct FaultHookGuard {
  explicit FaultHookGuard(WriteFaultHook hook) { SetWriteFaultHook(std::move(hook)); }
  ~FaultHookGuard() { SetWriteFaultHook(nullptr); }
};
inline bool FullDisk(size_t) { return false; }


inline TDrawDialogFields Typed(int32_t number, const std::string& numbers, TDateTime date = 0) {
  TDrawDialogFields fields;
  fields.Number = number;
  fields.NumbersText = numbers;
  fields.DateTime = date;
  return fields;
}

class TemplateMainTest : public ::testing::Test {
 protected:
  // Writes the archive file and loads it as start-up does; the messages so far are forgotten.
  void Seed(const TDrawsArray& draws) {
    TDrawArchive file(ArchivePath());
    for (const TDrawRec& d : draws) file.Append(d);
    file.Save();
    main.LoadArchive();
    host.messages.clear();
    host.statusLog.clear();
  }
  std::string ArchivePath() const { return dir.File(ArchiveFileName); }
  std::string ArchiveBytes() const { return ReadBytes(ArchivePath()); }
  std::vector<int32_t> Numbers() const {
    std::vector<int32_t> numbers;
    for (const TDrawRec& d : main.Archive.Draws()) numbers.push_back(d.Number);
    return numbers;
  }

  TempDir dir;
  DialogHost host;
  RecordingMain main{host, dir.Path()};
};

}  // namespace kavrin::test
