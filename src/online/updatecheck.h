#pragma once
// The update check and installation: fetch the description, compare builds, offer the update,
// download and verify the package, run it, and copy what it unpacked over the program.
#include <string>

#include "core/http.h"
#include "core/progress.h"
#include "online/selfupdate.h"

namespace kavrin {

// What the check shows of itself and asks of the user.
struct TUpdateOffer {
  std::string CurrentVersion;
  std::string NewVersion;       // the description's Description
  std::string DescriptionText;  // the version's description text
};

// The progress window, events and error box come through TProgress; the update adds its question
// and two more kinds of box.
class TSelfUpdateHost : public TProgress {
 public:
  // The update question window; true for "Установить".
  virtual bool AskInstall(const TUpdateOffer& offer) = 0;
  virtual void ShowInfo(const std::string& text) = 0;
  virtual void ShowWarning(const std::string& text, const std::string& caption) = 0;
};

struct TSelfUpdateEnvironment {
  std::string ProgramFolder;   // where the program's files are replaced
  std::string ProgramFile;     // the description's section: the program file's name
  std::string RunningVersion;  // "a.b.c.d"
  int LanguageId = 1049;       // the interface language
  THttpSettings Http;
  int ProcessTimeoutMs = 60000;  // the longest wait for a program the update runs
  int DownloadAttempts = 3;
};

enum TSelfUpdateResult { UpdateNothingInstalled = 0, UpdateInstalled = 1, UpdateError = 2 };

// The whole check. Silent: no message unless an update is found or its installation fails.
// UpdateInstalled means the program must restart.
TSelfUpdateResult SelfUpdateCheck(const std::string& source, bool silent, const TSelfUpdateEnvironment& env,
                                  TSelfUpdateHost& host);

}  // namespace kavrin
