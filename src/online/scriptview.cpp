#include "online/scriptview.h"

#include "core/format.h"
#include "core/inifile.h"
#include "online/languages.h"

namespace kavrin {

std::array<std::string, ScriptsColumnCount> ScriptRowCells(const tScriptInfo& s) {
  std::string yours;
  if (s.YourRating == -1) yours = "Скрытый";
  else if (s.YourRating >= 1 && s.YourRating <= 5) yours = std::to_string(s.YourRating);
  return {s.Mine ? "Мой" : "Общий",
          s.Title,
          s.Author,
          s.Universal ? "Универсальный" : s.AppName,
          s.AppVersion,
          LanguageAbbreviation(s.LanguageId),
          DateTimeToViewText(s.Created),
          Format("%.3n", {s.Rating}),
          std::to_string(s.RatingsCount),
          yours,
          std::to_string(s.Downloads),
          DateTimeToViewText(s.LastDownload),
          s.Description};
}

std::string ScriptOnlyHereChoice(const std::string& programName) {
  return Format("Только в \"%s\"", {programName});
}

std::optional<TScriptDialogError> ValidateScriptDialog(const tScriptData& fields,
                                                       const std::function<bool(const std::string&)>& titleFree) {
  const std::string title = Trim(fields.Title);
  if (title.empty())
    return TScriptDialogError{"Название сценария должно быть указано обязательно!", TScriptDialogField::Title};
  try {
    if (!titleFree(title))
      return TScriptDialogError{"Сценарий с таким названием уже существует!\rВыберите другое название.",
                                TScriptDialogField::Title};
  } catch (const std::exception& e) {
    return TScriptDialogError{Format("Ошибка проверки уникальности online-сценария!\r\r%s", {e.what()}),
                              TScriptDialogField::Title};
  }
  if (Trim(fields.Author).empty())
    return TScriptDialogError{"Имя автора должно быть указано обязательно!", TScriptDialogField::Author};
  return std::nullopt;
}

tScriptData ScriptFromDialog(const tScriptData& fields) {
  tScriptData data = fields;
  data.Title = Trim(fields.Title);
  data.Author = Trim(fields.Author);
  return data;
}

tScriptData NewScriptData(const std::string& userName, int languageId) {
  tScriptData data;
  data.Id = -1;
  data.Author = userName;
  data.LanguageId = languageId;
  data.Universal = false;
  data.Public = true;
  return data;
}

tScriptInfo PublishedScriptRow(int32_t id, const tScriptData& data, const TServiceIdentity& identity,
                               const std::string& programName) {
  tScriptInfo row;
  row.Id = id;
  row.AppName = programName;
  row.AppVersion = identity.AppVersion;
  row.Author = data.Author;
  row.AuthorMail = identity.UserMail;
  row.LanguageId = data.LanguageId;
  row.Universal = data.Universal;
  row.Public = data.Public;
  row.Title = data.Title;
  row.Description = data.Description;
  row.Created = NowDateTime();
  row.Mine = row.Usable = row.Replaceable = true;
  return row;
}

}  // namespace kavrin
