#pragma once
// The public proxy-list service the automatic proxy search asks, and the proxy dialog's rules.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/config.h"
#include "core/http.h"

namespace kavrin {

// What the proxy search asks the service for; empty lists and zero bounds ask for anything.
struct TProxyQuery {
  std::vector<std::string> Protocols;  // "http", "https", "socks4", "socks5"
  std::vector<int> AnonymityLevels;    // 1..4
  std::vector<std::string> Countries;
  int MinUptime = 0;        // per cent
  int MaxResponseTime = 0;  // seconds
};

inline constexpr int ProxyListPageRows = 15;  // rows of a full page of the service
inline constexpr int ProxySearchEnough = 30;  // the search stops once it has this many

// "?protocol=http&protocol=https&min_uptime=75&offset=15": the pairs joined by "&" after "?"
// (empty when there are none); offset = (page - 1) * 15 for pages after the first.
std::string ProxyListQueryString(const TProxyQuery& query, int page);

// One page of the service: a row is `<tr class="proxy">` with `<td class="ip">` and
// `<td class="port">` cells. Entries are "host:port" in page order; rows whose cells cannot be
// read count as rows but give no entry.
struct TProxyListPage {
  std::vector<std::string> Entries;
  int Rows = 0;
};
TProxyListPage ReadProxyListPage(const std::string& page);

// Asks the service at `listAddress` page by page until at least 30 proxies are found or a page
// has fewer than 15 rows (or adds nothing). Throws KavrinError on a request failure and
// "Не найдено ни одного proxy-сервера с заданными параметрами" when nothing was found.
std::vector<std::string> FindProxies(THttpClient& client, const std::string& listAddress, const TProxyQuery& query);

// "host:port" as the search lists it; throws KavrinError when the port is no number 1..65535.
std::pair<std::string, int> SplitProxyEntry(const std::string& entry);

// ---- the proxy dialog "Параметры proxy-сервера" ----
enum TProxyChoice { ProxyChoiceNone = 0, ProxyChoiceAutomatic = 1, ProxyChoiceManual = 2 };

struct TProxyDialogFields {
  int Choice = ProxyChoiceNone;
  std::string Server;
  int Port = 80;
  std::string Username;
  std::string Password;
};

// The dialog's fields from the current settings; a mode other than 1 or 2 selects "none".
TProxyDialogFields ProxyDialogPrefill(const TProxy& proxy);
// The settings the dialog's OK makes, or nullopt with `error` set when the manual choice lacks
// a server or a port 1..65535 (the dialog then shows the error and stays open).
std::optional<TProxy> ProxyFromDialog(const TProxyDialogFields& fields, std::string& error);

}  // namespace kavrin
