// The update check commands: the check itself lives in the online module; the application lends
// it the user's windows.
#include "app/appidentity.h"
#include "app/templatemain.h"
#include "online/updatecheck.h"

namespace kavrin {
namespace {

class TUpdateWindows : public TSelfUpdateHost {
 public:
  explicit TUpdateWindows(UiHost& host) : host_(host) {}
  void ProgressStart(const std::string& text, int steps) override {
    step_ = 0;
    host_.ProgressStart(text, steps);
  }
  void ProgressStep() override { host_.ProgressStep(++step_); }
  void ProgressEnd() override { host_.ProgressEnd(); }
  void ProcessEvents() override { host_.ProcessEvents(); }
  bool AskInstall(const TUpdateOffer& offer) override { return host_.AskInstallUpdate(offer); }
  void ShowError(const std::string& text) override { host_.ShowError(text); }
  void ShowInfo(const std::string& text) override { host_.ShowInfo(text); }
  void ShowWarning(const std::string& text, const std::string& caption) override { host_.ShowWarning(text, caption); }

 private:
  UiHost& host_;
  int step_ = 0;
};

}  // namespace

int TTemplateMain::SelfUpdateCheck(const std::string& source, bool silent) {
  TBusy busy(*this);
  TSelfUpdateEnvironment env;
  env.ProgramFolder = UpdateFolder;
  env.ProgramFile = ProgramFileName;
  env.RunningVersion = ApplicationVersion();
  env.LanguageId = View.Language;
  env.Http = Network.Http;
  env.ProcessTimeoutMs = UpdateProcessTimeoutMs;
  TUpdateWindows windows(host_);
  return kavrin::SelfUpdateCheck(source, silent, env, windows);
}

int TTemplateMain::SelfUpdateAtStart() {
  return View.AutoUpdates ? SelfUpdateCheck(Network.UpdateSource, true) : UpdateNothingInstalled;
}

void TTemplateMain::AutoSelfUpdateExecute() {
  View.AutoUpdates = !View.AutoUpdates;
  StoreViewSetting("AutoUpdates");
}

}  // namespace kavrin
