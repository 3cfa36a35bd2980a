// The systems tab over the maker's systems service: the catalog, downloads into the local
// systems folder, and the user's own systems published, changed and deleted. The service
// answers first; the view and the local files follow its answer.
#include <filesystem>

#include "app/appidentity.h"
#include "app/templatemain.h"
#include "core/errors.h"
#include "core/fileio.h"
#include "stakes/systemplay.h"
#include "systems/systemsclient.h"

namespace kavrin {
namespace {

// The status text of a step inside a longer operation, giving the outer one its text back.
class TStepText {
 public:
  TStepText(TTemplateMain& main, const std::string& text) : main_(main), outer_(main.StatusText(PanelOperation)) {
    main_.SetOperationText(text);
  }
  ~TStepText() { main_.SetOperationText(outer_); }

 private:
  TTemplateMain& main_;
  std::string outer_;
};

// SystemPut with its own status text and error; -1 after the message.
int32_t PutSystem(TTemplateMain& main, const tSystemData& data, bool deletion) {
  TTemplateMain::TOperation busy(main);
  TStepText text(main, Format(deletion ? "Удаление \"%s\"..." : "Сохранение \"%s\"...", {data.Info.Title}));
  try {
    return SystemPut(main.SystemsService(), data, deletion);
  } catch (const std::exception& e) {
    main.Host().ShowError(Format("Ошибка сохранения системы #%d!\r\r%s", {data.Info.Id, e.what()}));
    return -1;
  }
}

}  // namespace

TServiceIdentity TTemplateMain::ServiceIdentity() const {
  return {ApplicationId, ApplicationVersion(), HardwareId(), Network.UserName, Network.UserMail, View.Language};
}

TMakerService TTemplateMain::SystemsService() const { return {Network.SystemsSite, Network.Http, ServiceIdentity()}; }

void TTemplateMain::SystemsRefresh() {
  TOperation busy(*this, "Загрузка списка систем...");
  const int32_t selectedId =
      SystemsSelection.empty() || SystemsSelection.front() >= static_cast<int>(SystemsRows.size())
          ? 0
          : SystemsRows[SystemsSelection.front()].Info.Id;
  SystemsRows.clear();
  SystemsSelection.clear();
  const std::string folder = DataPath(SystemsFolderName);
  bool listed = true;
  Guarded("Ошибка загрузки списка систем!", [&] {
    listed = SystemsGetList(SystemsService(), [&](const tSystemInfo& info) {
      const std::string path = SystemLocalPath(folder, info);
      SystemsRows.push_back({info, FileExists(path)});
      if (SystemsRows.back().Downloaded && SystemLocalCopyStale(path, info.Created)) SystemDownload(info);
    });
  });
  if (!listed) SystemsRows.push_back(SystemsPlaceholderRow());
  for (size_t i = 0; i < SystemsRows.size(); ++i)
    if (selectedId > 0 && SystemsRows[i].Info.Id == selectedId) SystemsSelection = {static_cast<int>(i)};
  ViewChanged(TView::Systems);
}

bool TTemplateMain::SystemDownload(const tSystemInfo& info) {
  TOperation busy(*this);
  TStepText text(*this, Format("Загрузка \"%s\"...", {info.Title}));
  const std::string folder = DataPath(SystemsFolderName);
  const std::string prefix = Format("Ошибка загрузки системы #%d!", {info.Id});
  return Guarded(prefix.c_str(), [&] { WriteSystemFile(folder, info, SystemGetCombs(SystemsService(), info.Id)); }) &&
         FileExists(SystemLocalPath(folder, info));
}

void TTemplateMain::SystemsSetUp() {
  if (View.SystemsEnabled) SystemsRefresh();
}

void TTemplateMain::SystemsOnExecute() {
  SetOperationText("Подождите пожалуйста...");
  View.SystemsEnabled = !View.SystemsEnabled;
  StoreViewSetting(&TViewSettings::SystemsEnabled);
  if (View.SystemsEnabled) {
    SystemsRefresh();
  } else {
    SystemsRows.clear();
    SystemsSelection.clear();
    ViewChanged(TView::Systems);
  }
  SetOperationText("");
}

void TTemplateMain::SystemsDownloadExecute() {
  TOperation busy(*this);
  const std::string folder = DataPath(SystemsFolderName);
  const std::vector<int> selection = SystemsSelection;
  std::vector<int> stillSelected;
  for (size_t k = 0; k < selection.size(); ++k) {
    const int index = selection[k];
    if (index < 0 || index >= static_cast<int>(SystemsRows.size()) || SystemsRows[index].Info.Id <= 0) continue;
    const tSystemInfo info = SystemsRows[index].Info;
    if (!SystemDownload(info)) {
      stillSelected.push_back(index);
      continue;
    }
    // One system per N: the copies of the others go.
    const std::string prefix = Format("Ошибка загрузки системы #%d!", {info.Id});
    Guarded(prefix.c_str(), [&] { DeleteOtherSystemFiles(folder, info); });
    for (TSystemRow& row : SystemsRows)
      if (row.Info.Nums == info.Nums) row.Downloaded = FileExists(SystemLocalPath(folder, row.Info));
    if (k == 0) stillSelected.push_back(index);
  }
  SystemsSelection = stillSelected;
  ViewChanged(TView::Systems);
}

void TTemplateMain::SystemsAddExecute() {
  Guarded("Ошибка добавления системы!", [&] {
    if (Trim(Network.UserMail).empty()) throw KavrinError(UserMailRequiredMessage);
    tSystemData data;
    data.Info.Author = Network.UserName;
    data.Info.Owner = Network.UserMail;
    TSystemDialogFields fields = SystemDialogPrefill(data);
    if (!host_.EditSystem(fields, true)) return;
    tSystemData result = SystemFromDialog(data, fields);
    result.Info.Id = 0;
    const int32_t id = PutSystem(*this, result, false);
    if (id < 0) return;
    result.Info.Id = id;
    std::erase_if(SystemsRows, [](const TSystemRow& row) { return row.Info.Id <= 0; });
    SystemsRows.push_back({result.Info, false});
    SystemsSelection = {static_cast<int>(SystemsRows.size()) - 1};
    ViewChanged(TView::Systems);
  });
}

void TTemplateMain::SystemsPropExecute() {
  Guarded("Ошибка изменения системы!", [&] {
    if (SystemsSelection.empty()) return;
    const int index = SystemsSelection.front();
    if (index < 0 || index >= static_cast<int>(SystemsRows.size()) || SystemsRows[index].Info.Id <= 0) return;
    tSystemData data{SystemsRows[index].Info, ""};
    {
      TOperation busy(*this);
      TStepText text(*this, Format("Загрузка \"%s\"...", {data.Info.Title}));
      const std::string prefix = Format("Ошибка загрузки системы #%d!", {data.Info.Id});
      if (!Guarded(prefix.c_str(), [&] { data.Combs = SystemGetCombs(SystemsService(), data.Info.Id); })) return;
    }
    const bool editable = IsOwnSystem(data.Info, Network.UserMail);
    TSystemDialogFields fields = SystemDialogPrefill(data);
    if (!host_.EditSystem(fields, editable) || !editable) return;
    const tSystemData result = SystemFromDialog(data, fields);
    if (PutSystem(*this, result, false) < 0) return;
    SystemsRows[index].Info = result.Info;
    ViewChanged(TView::Systems);
  });
}

bool TTemplateMain::SystemsDelUpdate() const {
  return SystemsRefreshUpdate() && !SystemsSelection.empty() && SystemsSelection.front() >= 0 &&
         SystemsSelection.front() < static_cast<int>(SystemsRows.size()) &&
         IsOwnSystem(SystemsRows[SystemsSelection.front()].Info, Network.UserMail);
}

void TTemplateMain::SystemsDelExecute() {
  Guarded("Ошибка удаления системы!", [&] {
    if (SystemsSelection.empty()) return;
    const int index = SystemsSelection.front();
    if (index < 0 || index >= static_cast<int>(SystemsRows.size())) return;
    const tSystemInfo info = SystemsRows[index].Info;
    if (!IsOwnSystem(info, Network.UserMail)) {
      host_.ShowError("Вы можете удалять только свои системы!");
      return;
    }
    if (!host_.Ask(Format("Вы действительно хотите удалить систему \"%s\"?", {info.Title}), "Подтверждение", false))
      return;
    if (PutSystem(*this, {info, ""}, true) != 0) return;
    SystemsRows.erase(SystemsRows.begin() + index);
    SystemsSelection.clear();
    ViewChanged(TView::Systems);
    const std::string path = SystemLocalPath(DataPath(SystemsFolderName), info);
    std::error_code error;
    if (!std::filesystem::remove(path, error) && error) throw KavrinError(error.message() + " (" + path + ")");
  });
}

}  // namespace kavrin
