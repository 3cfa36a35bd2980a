// The online scenario catalog panel: the catalog, downloading a scenario into the editor,
// publishing, replacing and deleting the user's scenarios, ratings.
#include "app/appidentity.h"
#include "app/templatemain.h"
#include "core/errors.h"
#include "core/textlines.h"
#include "online/scriptcatalog.h"
#include "online/scriptview.h"

namespace kavrin {
namespace {

constexpr char PublishError[] = "Ошибка публикации online-сценария!";

// ScriptPut of the scenario being edited, with its status text and error; -1 after the message.
int32_t PutScript(TTemplateMain& main, const tScriptData& data) {
  TTemplateMain::TOperation busy(main, "Сохранение сценария в базе данных...");
  int32_t id = -1;
  try {
    id = ScriptPut(main.ScriptsService(), data, ScenarioText(main.ScriptLines));
  } catch (const std::exception& e) {
    main.Host().ShowError(Format("Ошибка сохранения online-сценария в базе данных!\r\r%s", {e.what()}));
  }
  return id;
}

// The properties dialog; an editable one checks the title with the service before OK is taken.
bool EditProperties(TTemplateMain& main, tScriptData& data, bool editable) {
  const TMakerService service = main.ScriptsService();
  auto validate = [&](const tScriptData& fields) {
    return ValidateScriptDialog(fields,
                                [&](const std::string& title) { return ScriptCheckTitle(service, fields.Id, title); });
  };
  if (!main.Host().EditScriptProperties(data, editable, validate)) return false;
  data = ScriptFromDialog(data);
  return true;
}

tScriptData RowData(const tScriptInfo& row) {
  return {row.Id, row.Author, row.LanguageId, row.Universal, row.Public, row.Title, row.Description};
}

}  // namespace

TMakerService TTemplateMain::ScriptsService() const { return {Network.ScriptsSite, Network.Http, ServiceIdentity()}; }

const tScriptInfo* TTemplateMain::SelectedScript() const {
  return ScriptsSelected >= 0 && ScriptsSelected < static_cast<int>(ScriptsRows.size()) ? &ScriptsRows[ScriptsSelected]
                                                                                       : nullptr;
}

void TTemplateMain::ScriptLibraryLoad() {
  TOperation busy(*this, "Загрузка online-каталога сценариев...");
  const std::optional<int32_t> selectedId = SelectedScript() ? std::optional(SelectedScript()->Id) : std::nullopt;
  ScriptsRows.clear();
  ScriptsSelected = -1;
  if (View.ScriptLibraryOn) {
    // A filter index the drop-down does not have is its default.
    const int filter = View.ScriptLibraryFilter >= 0 && View.ScriptLibraryFilter < static_cast<int>(ScriptFilterItems.size())
                           ? View.ScriptLibraryFilter
                           : TViewSettings{}.ScriptLibraryFilter;
    Guarded("Ошибка загрузки каталога online-сценариев!", [&] {
      ScriptsGetList(ScriptsService(), ScriptFilterId(filter), View.Language,
                     [&](const tScriptInfo& row) { ScriptsRows.push_back(row); });
    });
  }
  for (size_t i = 0; i < ScriptsRows.size(); ++i)
    if (selectedId && ScriptsRows[i].Id == *selectedId) ScriptsSelected = static_cast<int>(i);
  ViewChanged(TView::ScriptCatalog);
}

void TTemplateMain::ScriptLibraryFilterChange(int index) {
  View.ScriptLibraryFilter = index;
  ScriptLibraryLoad();
}

void TTemplateMain::ScriptLibraryExecute() {
  View.ScriptLibraryOn = !View.ScriptLibraryOn;
  StoreViewSetting(&TViewSettings::ScriptLibraryOn);
  ScriptLibraryLoad();
}

bool TTemplateMain::ScriptLibraryDownloadUpdate() const {
  return ScriptLibraryRefreshUpdate() && SelectedScript() && SelectedScript()->Usable;
}

void TTemplateMain::ScriptLibraryDownloadExecute() {
  const tScriptInfo* row = SelectedScript();
  if (!row) return;
  TOperation busy(*this, "Скачивание сценария из online-каталога...");
  Guarded("Ошибка загрузки online-сценария!", [&] {
    const std::string text = ScriptGetText(ScriptsService(), row->Id);
    // An empty answer must not wipe out the scenario being edited.
    if (text.empty()) throw KavrinError("Сервер не передал текст сценария.");
    ScriptReplaceAll(TextLines(text));
  });
}

void TTemplateMain::ScriptLibraryUploadExecute() {
  Guarded(PublishError, [&] {
    if (Trim(Network.UserMail).empty()) throw KavrinError(UserMailRequiredMessage);
    tScriptData data = NewScriptData(Network.UserName, View.Language);
    if (!EditProperties(*this, data, true)) return;
    const int32_t id = PutScript(*this, data);
    if (id <= 0) return;
    ScriptsRows.push_back(PublishedScriptRow(id, data, ServiceIdentity(), ProgramFileName));
    ScriptsSelected = static_cast<int>(ScriptsRows.size()) - 1;
    ViewChanged(TView::ScriptCatalog);
  });
}

bool TTemplateMain::ScriptLibraryReplaceUpdate() const {
  return ScriptLibraryDeleteUpdate() && !ScriptLines.empty();
}

void TTemplateMain::ScriptLibraryReplaceExecute() {
  Guarded(PublishError, [&] {
    if (!SelectedScript()) return;
    const int index = ScriptsSelected;
    tScriptData data = RowData(ScriptsRows[index]);
    if (!EditProperties(*this, data, true)) return;
    const int32_t id = PutScript(*this, data);
    if (id <= 0) return;
    tScriptInfo& row = ScriptsRows[index];
    row.Id = id;
    row.AppVersion = ApplicationVersion();
    row.Created = NowDateTime();
    row.Author = data.Author;
    row.LanguageId = data.LanguageId;
    row.Universal = data.Universal;
    row.Public = data.Public;
    row.Title = data.Title;
    row.Description = data.Description;
    ViewChanged(TView::ScriptCatalog);
  });
}

bool TTemplateMain::ScriptLibraryDeleteUpdate() const {
  return ScriptLibraryRefreshUpdate() && SelectedScript() && SelectedScript()->Replaceable;
}

void TTemplateMain::ScriptLibraryDeleteExecute() {
  Guarded(PublishError, [&] {
    if (!SelectedScript()) return;
    const int index = ScriptsSelected;
    const tScriptData data = RowData(ScriptsRows[index]);
    if (!host_.Ask(Format("Вы действительно хотите удалить сценарий \"%s\"?", {data.Title}), "Подтверждение", false))
      return;
    TOperation busy(*this, "Удаление сценария из базы данных...");
    int32_t result = -1;
    Guarded("Ошибка удаления online-сценария из базы данных!",
            [&] { result = ScriptDelete(ScriptsService(), data); });
    if (result != 0) return;
    ScriptsRows.erase(ScriptsRows.begin() + index);
    ScriptsSelected = -1;
    ViewChanged(TView::ScriptCatalog);
  });
}

void TTemplateMain::ScriptLibraryViewExecute() {
  Guarded("Ошибка просмотра свойств online-сценария!", [&] {
    if (!SelectedScript()) return;
    tScriptData data = RowData(*SelectedScript());
    EditProperties(*this, data, false);
  });
}

void TTemplateMain::ScriptLibraryRatesExecute() {
  if (!SelectedScript()) return;
  std::vector<TScriptRate> rates;
  bool received = false;
  {
    TOperation busy(*this, "Загрузка списка оценок...");
    Guarded("Ошибка просмотра оценок online-сценария!",
            [&] { received = ScriptGetRates(ScriptsService(), SelectedScript()->Id, rates); });
  }
  if (received) host_.ShowScriptRates(rates);
}

bool TTemplateMain::ScriptLibraryRateUpdate(int value) const {
  const tScriptInfo* row = SelectedScript();
  return ScriptLibraryRefreshUpdate() && row && value >= -1 && value <= 5 && (value != 0 || row->YourRating != 0);
}

bool TTemplateMain::ScriptLibraryRateChecked(int value) const {
  return value != 0 && SelectedScript() && SelectedScript()->YourRating == value;
}

void TTemplateMain::ScriptLibraryRateExecute(int value) {
  if (!SelectedScript() || value < -1 || value > 5) return;
  std::string notes;
  if (value > 0 && !host_.InputText("Комментарий", "Вы можете оставить свой комментарий:", notes)) return;
  bool rated = false;
  {
    TOperation busy(*this, "Отправка оценки на сервер...");
    Guarded("Ошибка сохранения оценки online-сценария!", [&] {
      rated = ScriptSetRate(ScriptsService(), SelectedScript()->Id, value, notes, View.Language);
    });
  }
  if (rated) ScriptLibraryLoad();
}

}  // namespace kavrin
