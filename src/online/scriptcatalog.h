#pragma once
// The client of the maker's online scenario catalog: the catalog list, a scenario's text,
// ratings, the title check, publishing, replacing and deleting. Transport, identity, escaping
// and replies are those of the systems service.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/http.h"
#include "systems/service.h"

namespace kavrin {

inline constexpr char ScriptsListPath[] = "/scripts/scr_getlist.php";
inline constexpr char ScriptDataPath[] = "/scripts/scr_getdata.php";
inline constexpr char ScriptRatePath[] = "/scripts/scr_setrate.php";
inline constexpr char ScriptTitlePath[] = "/scripts/scr_chktitle.php";
inline constexpr char ScriptPutPath[] = "/scripts/scr_putscript.php";
inline constexpr char ScriptRatesPath[] = "/scripts/scr_getrates.php";

// One catalog row. Times are local; 0 means none.
struct tScriptInfo {
  int32_t Id = 0;
  std::string Author;
  std::string AuthorMail;
  int LanguageId = 0;
  std::string AppName;     // as the service sent it
  std::string AppVersion;  // as the service sent it
  bool Universal = false;  // usable in any application of the family
  bool Public = false;     // visible to all users
  TDateTime Created = 0;
  long double Rating = 0;
  int32_t RatingsCount = 0;
  int32_t YourRating = 0;  // 0 none, 1..5 the user's rating, -1 hidden by the user
  int32_t Downloads = 0;
  TDateTime LastDownload = 0;
  std::string Title;
  std::string Description;
  bool Mine = false;         // published under the user's e-mail address
  bool Usable = false;       // universal, or made for this application
  bool Replaceable = false;  // mine and usable
};

// What the properties dialog edits and publishing sends.
struct tScriptData {
  int32_t Id = -1;
  std::string Author;
  int LanguageId = 0;
  bool Universal = false;
  bool Public = true;
  std::string Title;
  std::string Description;
  friend bool operator==(const tScriptData&, const tScriptData&) = default;
};

// A row of the ratings window, as received but for the date.
struct TScriptRate {
  std::string Name;
  std::string Rate;
  std::string Created;  // local "yyyy-mm-dd hh:nn:ss"
  std::string AppName;
  std::string AppVersion;
  std::string Notes;
  friend bool operator==(const TScriptRate&, const TScriptRate&) = default;
};

// The request forms, field by field. `languageId` is the interface language, except for
// publishing, which sends the scenario's own.
THttpForm ScriptsListForm(int filterId, int languageId, const TServiceIdentity& identity);
THttpForm ScriptIdForm(int32_t id);  // "scr_id": the text and the ratings
THttpForm ScriptRateForm(int32_t id, int value, const std::string& notes, int languageId,
                         const TServiceIdentity& identity);
THttpForm ScriptTitleForm(int32_t id, const std::string& title);
// Publishing or replacing (text given) or deleting (no text): the author is the scenario's,
// the address the user's.
THttpForm ScriptPutForm(const tScriptData& data, const std::string* text, const TServiceIdentity& identity);

// A catalog row; `languageId` stands in for a language the row does not give. Throws
// KavrinError for a refusal, a malformed tag or a non-integer id.
tScriptInfo ReadScriptRow(const std::string& row, int languageId, const TServiceIdentity& identity);
// "4,5", "4.5" and " 4.5 *" all read 4.5: digits and "-" are kept, "." and "," are the decimal
// separator, anything else is ignored; 0 when nothing readable is left.
long double ReadScriptRating(std::string_view text);

// Each row goes to `onRow` in reply order; false when the reply has no result.
bool ScriptsGetList(const TMakerService& service, int filterId, int languageId,
                    const std::function<void(const tScriptInfo&)>& onRow);
// The scenario text (base64, then UTF-8) of the first row that has one; empty when none does.
std::string ScriptGetText(const TMakerService& service, int32_t id);
// Rates a scenario (0 removes the user's rating, -1 hides the scenario). False, without a
// message, when the reply has no result; a return code below 0 throws "Код возврата: %d".
bool ScriptSetRate(const TMakerService& service, int32_t id, int value, const std::string& notes, int languageId);
// Whether no other scenario has the title.
bool ScriptCheckTitle(const TMakerService& service, int32_t id, const std::string& title);
// The id the service gives to the published or replaced scenario; -1 without rows.
int32_t ScriptPut(const TMakerService& service, const tScriptData& data, const std::string& text);
// The service's answer to the deletion (0 when the scenario is gone); -1 without rows.
int32_t ScriptDelete(const TMakerService& service, const tScriptData& data);
// The users' ratings of a scenario; false when the reply has no result.
bool ScriptGetRates(const TMakerService& service, int32_t id, std::vector<TScriptRate>& rates);

// The reply readers behind the operations.
bool ReadScriptsList(const std::string& body, int languageId, const TServiceIdentity& identity,
                     const std::function<void(const tScriptInfo&)>& onRow);
std::string ReadScriptText(const std::string& body);
bool ReadScriptRateReply(const std::string& body);
bool ReadScriptTitleReply(const std::string& body);
int32_t ReadScriptPutReply(const std::string& body);
bool ReadScriptRates(const std::string& body, std::vector<TScriptRate>& rates);

}  // namespace kavrin
