// The update check commands: the check itself lives in the online module; the application lends
// it the user's windows.
#include "app/appidentity.h"
#include "app/templatemain.h"
#include "online/updatecheck.h"

namespace kavrin {
namespace {

class TUpdateWindows : public TSelfUpdateHost {
 public:
  TUpdateWindows(UiHost& host, TProgress& progress) : host_(host), progress_(progress) {}
  void Error(const std::string& text) override { progress_.Error(text); }
  void ProgressStart(const std::string& text, int steps) override { progress_.ProgressStart(text, steps); }
  void ProgressStep(int step) override { progress_.ProgressStep(step); }
  void ProgressEnd() override { progress_.ProgressEnd(); }
  void ProcessEvents() override { progress_.ProcessEvents(); }
  bool AskInstall(const TUpdateOffer& offer) override { return host_.AskInstallUpdate(offer); }
  void ShowInfo(const std::string& text) override { host_.ShowInfo(text); }
  void ShowWarning(const std::string& text, const std::string& caption) override { host_.ShowWarning(text, caption); }

 private:
  UiHost& host_;
  TProgress& progress_;
};

}  // namespace

int TTemplateMain::SelfUpdateCheck(const std::string& source, bool silent) {
  TOperation busy(*this);
  TSelfUpdateEnvironment env;
  env.ProgramFolder = UpdateFolder;
  env.ProgramFile = ProgramFileName;
  env.RunningVersion = ApplicationVersion();
  env.LanguageId = View.Language;
  env.Http = Network.Http;
  env.ProcessTimeoutMs = UpdateProcessTimeoutMs;
  TUpdateWindows windows(host_, Progress());
  return kavrin::SelfUpdateCheck(source, silent, env, windows);
}

int TTemplateMain::SelfUpdateAtStart() {
  return View.AutoUpdates ? SelfUpdateCheck(Network.UpdateSource, true) : UpdateNothingInstalled;
}

void TTemplateMain::AutoSelfUpdateExecute() {
  View.AutoUpdates = !View.AutoUpdates;
  StoreViewSetting(&TViewSettings::AutoUpdates);
}

}  // namespace kavrin
