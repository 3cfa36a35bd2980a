#pragma once
// The client of the maker's systems service: the catalog of published systems, a system's
// combination list, and publishing, replacing or deleting the user's own systems.
#include <cstdint>
#include <functional>
#include <string>

#include "core/game.h"
#include "core/http.h"
#include "systems/service.h"

namespace kavrin {

inline constexpr char SystemsListPath[] = "/scripts/sys_getlist.php";
inline constexpr char SystemDataPath[] = "/scripts/sys_getdata.php";
inline constexpr char SystemPutPath[] = "/scripts/sys_putdata.php";

// One catalog row. Times are local; 0 means none.
struct tSystemInfo {
  int32_t Id = 0;  // the service's id; <= 0 for the placeholder row
  int Nums = 0;    // N, the numbers the system covers
  int Block = 0;
  int32_t Combinations = 0;
  std::string Title;
  std::string Author;
  std::string Owner;  // the owner's e-mail address
  std::string Description;
  TDateTime Created = 0;  // creation time of the current version
  int32_t Downloads = 0;
  TDateTime LastDownload = 0;
  std::string Url;
  friend bool operator==(const tSystemInfo&, const tSystemInfo&) = default;
};

struct tSystemData {
  tSystemInfo Info;
  std::string Combs;  // the combination list, one combination a line
};

// The request forms, field by field.
THttpForm SystemsListForm(const TServiceIdentity& identity);
THttpForm SystemCombsForm(int32_t id);
// The author and owner of the system stand in the identity's name and address fields.
THttpForm SystemPutForm(const tSystemData& data, bool deletion, const TServiceIdentity& identity);

// A catalog row of the list reply. Throws KavrinError for a refusal, a malformed tag or a
// non-integer id, numbers, block or combinations count.
tSystemInfo ReadSystemRow(const std::string& row);

// Each catalog row in reply order goes to `onRow`; false when the reply has no result (the
// caller shows the placeholder). A failure at a row ends the walk; the rows before it were
// handed over.
bool SystemsGetList(const TMakerService& service, const std::function<void(const tSystemInfo&)>& onRow);
// The combination list text of the first row that has one; empty when none does.
std::string SystemGetCombs(const TMakerService& service, int32_t id);
// Publishes (id 0), replaces or deletes a system; the id the service gives (>= 0), or -1 when
// no row gives one.
int32_t SystemPut(const TMakerService& service, const tSystemData& data, bool deletion);

// The reply readers behind the three operations.
bool ReadSystemsList(const std::string& body, const std::function<void(const tSystemInfo&)>& onRow);
std::string ReadSystemCombs(const std::string& body);
int32_t ReadSystemPutReply(const std::string& body);

}  // namespace kavrin
