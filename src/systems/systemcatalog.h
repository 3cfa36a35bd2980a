#pragma once
// The systems tab apart from its widgets: the catalog view's rows and cells, the local copies of
// downloaded systems, and the rules of the system dialog.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "systems/systemsclient.h"

namespace kavrin {

inline constexpr char SystemsPlaceholderTitle[] = "Список систем не доступен!";
inline constexpr char SystemDialogCaption[] = "Система";

inline constexpr int SystemsColumnCount = 11;
inline constexpr std::array<const char*, SystemsColumnCount> SystemsColumnHeaders = {
    "Название", "Автор", "Числа", "Блок", "Комбинаций", "Дата создания", "Статус", "Загрузок", "Последняя",
    "Комментарии", "Ссылка"};
inline constexpr int SystemsSortColumn = 2;  // the view starts sorted on "Числа", ascending

struct TSystemRow {
  tSystemInfo Info;
  bool Downloaded = false;  // the local file exists
};

// The six icons of a row; the placeholder row has none.
enum class TSystemRowState { None, OwnDownloaded, Own, ForeignDownloaded, Foreign, NoOwnerDownloaded, NoOwner };

// The placeholder row shown when the service gives no catalog.
TSystemRow SystemsPlaceholderRow();
// The user's own system: its owner is the user's e-mail address, letter case ignored. Without
// an address of the user nothing is theirs.
bool IsOwnSystem(const tSystemInfo& info, const std::string& userMail);
TSystemRowState SystemRowState(const TSystemRow& row, const std::string& userMail);
std::array<std::string, SystemsColumnCount> SystemRowCells(const TSystemRow& row);

// ---- local copies in the systems folder ----

std::string SystemLocalPath(const std::string& systemsFolder, const tSystemInfo& info);
// The local copy exists and its last-write time is not the system's creation time (a system
// without a creation time is never stale).
bool SystemLocalCopyStale(const std::string& path, TDateTime created);
// Writes the downloaded combination list as the local copy (Windows-1251, CR LF) with the
// system's creation time as its last-write time, creating the folder when missing. Throws
// KavrinError, writing nothing, when the line count is not the system's combinations count.
void WriteSystemFile(const std::string& systemsFolder, const tSystemInfo& info, const std::string& combs);
// Deletes the local files for the system's N other than its own: at most one system per N.
void DeleteOtherSystemFiles(const std::string& systemsFolder, const tSystemInfo& info);

// ---- the system dialog ----

struct TSystemDialogFields {
  std::string Title;
  std::string Description;
  std::string Author;
  std::string Url;
  std::string CombsText;
  std::string CreatedText;       // read-only
  std::string CombinationsText;  // read-only: lines of CombsText
  std::string NumsText;          // digits only
  std::string BlockText;         // digits only
  std::string DownloadsText;     // read-only
  std::string LastDownloadText;  // read-only
};

enum class TSystemDialogField { Title, Nums, Block, Author, Description, Combs };
struct TSystemDialogError {
  std::string Message;
  TSystemDialogField Field;
  friend bool operator==(const TSystemDialogError&, const TSystemDialogError&) = default;
};

TSystemDialogFields SystemDialogPrefill(const tSystemData& data);
// Leaving the combinations text: lines of exactly five integers (separated by any of the
// system separators) become "01 02 03 04 05", other lines go; the numbers field becomes
// max - min + 1 over all values, the count field the number of lines. Throws KavrinError,
// changing nothing, for a word that is no integer.
void NormaliseSystemCombs(TSystemDialogFields& fields);
// OK of the editable dialog, checks in order; nullopt when accepted.
std::optional<TSystemDialogError> ValidateSystemDialog(const TSystemDialogFields& fields);
// The accepted dialog: id and owner from `given`, everything else from the fields; an empty
// creation time is now, an empty last download 0.
tSystemData SystemFromDialog(const tSystemData& given, const TSystemDialogFields& fields);

}  // namespace kavrin
