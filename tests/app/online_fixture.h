#pragma once
// The application object against a local stand-in of the maker's services, with a scripted
// user who also fills the dialogs of the online services.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>

#include "app/templatemain.h"
#include "standin/web_standin.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace kavrin::test {

class OnlineHost : public FakeHost {
 public:
  // The system dialog behaves as the window does: OK normalises the combinations and shows a
  // refusal, and the next input is tried.
  std::deque<TSystemDialogFields> systemInputs;
  std::vector<std::pair<TSystemDialogFields, bool>> systemPrefills;  // with editable
  bool EditSystem(TSystemDialogFields& fields, bool editable) override {
    systemPrefills.emplace_back(fields, editable);
    while (editable && !systemInputs.empty()) {
      TSystemDialogFields typed = systemInputs.front();
      systemInputs.pop_front();
      NormaliseSystemCombs(typed);
      if (auto error = ValidateSystemDialog(typed)) {
        ShowError(error->Message);
        continue;
      }
      fields = typed;
      return true;
    }
    return false;
  }

  std::deque<tScriptData> scriptInputs;
  std::vector<std::pair<tScriptData, bool>> scriptPrefills;
  bool EditScriptProperties(tScriptData& fields, bool editable, const TScriptDialogCheck& validate) override {
    scriptPrefills.emplace_back(fields, editable);
    while (editable && !scriptInputs.empty()) {
      tScriptData typed = scriptInputs.front();
      scriptInputs.pop_front();
      if (auto error = validate(typed)) {
        ShowError(error->Message);
        continue;
      }
      fields = typed;
      return true;
    }
    return false;
  }

  std::deque<std::optional<std::string>> textInputs;  // nullopt cancels
  std::vector<std::string> textPrompts;               // "caption|prompt|start text"
  bool InputText(const std::string& caption, const std::string& prompt, std::string& value) override {
    textPrompts.push_back(caption + "|" + prompt + "|" + value);
    if (textInputs.empty() || !textInputs.front()) {
      if (!textInputs.empty()) textInputs.pop_front();
      return false;
    }
    value = *textInputs.front();
    textInputs.pop_front();
    return true;
  }

  std::vector<std::vector<TScriptRate>> rateWindows;
  void ShowScriptRates(const std::vector<TScriptRate>& rates) override { rateWindows.push_back(rates); }

  std::vector<TUpdateOffer> offers;
  bool install = true;
  bool AskInstallUpdate(const TUpdateOffer& offer) override {
    offers.push_back(offer);
    return install;
  }
};

class OnlineTest : public ::testing::Test {
 protected:
  OnlineTest() {
    std::filesystem::create_directories(site.File("service"));
    main.Network.SystemsSite = server.Address();
    main.Network.ScriptsSite = server.Address() + "/";
    main.Network.UserName = "Иван";
    main.Network.UserMail = "ivan@example.org";
    main.UpdateFolder = data.Path();
  }
  // The service's canned reply to a request of NAME.php ("sys_getlist"), or of it about one id.
  void Reply(const std::string& name, const std::string& body) { WriteBytes(site.File("service/" + name + ".xml"), body); }
  std::vector<standin::Request> Posts() const {
    std::vector<standin::Request> posts;
    for (const auto& request : server.Requests())
      if (request.Method == "POST") posts.push_back(request);
    return posts;
  }
  std::vector<std::string> PostTargets() const {
    std::vector<std::string> targets;
    for (const auto& request : Posts()) targets.push_back(request.Target);
    return targets;
  }
  // The identity fields every request of the user sends.
  THttpForm IdentityFields(const std::string& name = "Иван", int languageId = 1049) const {
    const TServiceIdentity identity = main.ServiceIdentity();
    return {{"appid", identity.AppId},  {"appver", identity.AppVersion},   {"hwdid", identity.HardwareId},
            {"cl_name", name},          {"cl_mail", "ivan@example.org"}, {"cl_lcid", std::to_string(languageId)}};
  }

  TempDir data;
  TempDir site;
  standin::WebStandIn server{site.Path()};
  OnlineHost host;
  TTemplateMain main{host, data.Path()};
};

inline std::string Row(const std::string& inner) { return "<row>" + inner + "</row>"; }
inline std::string Result(const std::string& rows) { return "<result>" + rows + "</result>"; }

}  // namespace kavrin::test
