#pragma once
// The catalog panel apart from its widgets: the filter list, the view's cells, the properties
// dialog's rules. The scenario text exchanged with the catalog is the scenario file's.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "online/scriptcatalog.h"
#include "scenarios/scenariofile.h"

namespace kavrin {

// The filter drop-down; a request sends the item's index - 1.
inline constexpr std::array<const char*, 8> ScriptFilterItems = {
    "Скрытые", "Все, включая скрытые", "Все, кроме скрытых (по умолчанию)", "Только мои", "Только публичные",
    "С моими оценками", "Без моих оценок", "Новые (24 часа с момента публикации)"};
inline constexpr char ScriptFilterHint[] = "Фильтр сценариев";
inline int ScriptFilterId(int itemIndex) { return itemIndex - 1; }

inline constexpr int ScriptsColumnCount = 13;
inline constexpr std::array<const char*, ScriptsColumnCount> ScriptsColumnHeaders = {
    "Тип",    "Название", "Автор",       "Программа", "Версия",    "Язык",       "Создан",
    "Рейтинг", "Оценок",   "Ваша оценка", "Загрузок",  "Последняя", "Комментарии"};
std::array<std::string, ScriptsColumnCount> ScriptRowCells(const tScriptInfo& row);

inline constexpr int ScriptRatesColumnCount = 6;
inline constexpr std::array<const char*, ScriptRatesColumnCount> ScriptRatesColumnHeaders = {
    "Имя", "Оценка", "Дата", "Программа", "Версия", "Комментарии"};
inline constexpr char ScriptRatesCaption[] = "Оценки пользователей";

// ---- the properties dialog "Свойства сценария" ----
inline constexpr char ScriptPropertiesCaption[] = "Свойства сценария";
inline constexpr int ScriptTitleMaxLength = 64;  // also the author's
// The two applicability choices; the second sets universal.
std::string ScriptOnlyHereChoice(const std::string& programName);
inline constexpr char ScriptAnyAppChoice[] = "В любом приложении Vexa";

enum class TScriptDialogField { Title, Author };
struct TScriptDialogError {
  std::string Message;
  TScriptDialogField Field;
  friend bool operator==(const TScriptDialogError&, const TScriptDialogError&) = default;
};
// OK: a title, a title no other scenario has (asked through `titleFree`, which may throw: its
// failure is the title check's error), an author; nullopt when accepted.
std::optional<TScriptDialogError> ValidateScriptDialog(const tScriptData& fields,
                                                       const std::function<bool(const std::string&)>& titleFree);
// The accepted dialog with the title and author trimmed.
tScriptData ScriptFromDialog(const tScriptData& fields);
// What publishing starts from: id -1, the user as author, universal off, public on.
tScriptData NewScriptData(const std::string& userName, int languageId);
// The catalog row of a scenario just published by the user.
tScriptInfo PublishedScriptRow(int32_t id, const tScriptData& data, const TServiceIdentity& identity,
                               const std::string& programName);

}  // namespace kavrin
