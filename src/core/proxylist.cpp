#include "core/proxylist.h"

#include "core/errors.h"
#include "core/format.h"
#include "core/inifile.h"
#include "core/textextract.h"

namespace kavrin {

std::string ProxyListQueryString(const TProxyQuery& query, int page) {
  std::vector<std::string> pairs;
  for (const std::string& protocol : query.Protocols) pairs.push_back(Format("protocol=%s", {protocol}));
  for (int level : query.AnonymityLevels) pairs.push_back(Format("anonlvl=%d", {level}));
  for (const std::string& country : query.Countries) pairs.push_back(Format("country=%s", {country}));
  if (query.MinUptime > 0) pairs.push_back(Format("min_uptime=%d", {query.MinUptime}));
  if (query.MaxResponseTime > 0) pairs.push_back(Format("max_response_time=%d", {query.MaxResponseTime}));
  if (page > 1) pairs.push_back(Format("offset=%d", {(page - 1) * ProxyListPageRows}));
  std::string text;
  for (const std::string& pair : pairs) text += (text.empty() ? "?" : "&") + pair;
  return text;
}

TProxyListPage ReadProxyListPage(const std::string& page) {
  TProxyListPage result;
  std::string_view rest = page;
  while (auto row = NextTextElement(rest, "<tr class=\"proxy\">")) {
    ++result.Rows;
    const std::string host = TextBetween(*row, "<td class=\"ip\">", "</td>", false);
    int32_t port = 0;
    if (!host.empty() && TextToInt(TextBetween(*row, "<td class=\"port\">", "</td>", false), port) && port >= 1 &&
        port <= 65535)
      result.Entries.push_back(Format("%s:%d", {host, port}));
  }
  return result;
}

std::vector<std::string> FindProxies(THttpClient& client, const std::string& listAddress, const TProxyQuery& query) {
  std::vector<std::string> found;
  for (int page = 1; static_cast<int>(found.size()) < ProxySearchEnough; ++page) {
    const TProxyListPage rows =
        ReadProxyListPage(DecodeUtf8Body(client.Get(listAddress + ProxyListQueryString(query, page))));
    found.insert(found.end(), rows.Entries.begin(), rows.Entries.end());
    // A service that keeps sending unreadable rows would otherwise be asked for ever.
    if (rows.Rows < ProxyListPageRows || rows.Entries.empty()) break;
  }
  if (found.empty()) throw KavrinError("Не найдено ни одного proxy-сервера с заданными параметрами");
  return found;
}

std::pair<std::string, int> SplitProxyEntry(const std::string& entry) {
  const size_t colon = entry.rfind(':');
  int32_t port = 0;
  if (colon == std::string::npos || colon == 0 || !TextToInt(entry.substr(colon + 1), port) || port < 1 ||
      port > 65535)
    throw KavrinError(Format("Некорректный адрес proxy-сервера: \"%s\"", {entry}));
  return {entry.substr(0, colon), port};
}

TProxyDialogFields ProxyDialogPrefill(const TProxy& proxy) {
  TProxyDialogFields fields;
  fields.Choice = proxy.Mode == ProxyChoiceAutomatic || proxy.Mode == ProxyChoiceManual ? proxy.Mode : ProxyChoiceNone;
  fields.Server = proxy.Server;
  fields.Port = proxy.Port;
  fields.Username = proxy.Username;
  fields.Password = proxy.Password;
  return fields;
}

std::optional<TProxy> ProxyFromDialog(const TProxyDialogFields& fields, std::string& error) {
  TProxy proxy;
  proxy.Server = Trim(fields.Server);
  proxy.Port = fields.Port;
  proxy.Username = fields.Username;
  proxy.Password = fields.Password;
  if (fields.Choice == ProxyChoiceManual) {
    if (proxy.Server.empty()) {
      error = "Не указано имя или адрес proxy-сервера!";
      return std::nullopt;
    }
    if (proxy.Port < 1 || proxy.Port > 65535) {
      error = Format("Некорректный номер порта proxy-сервера: %d!\r\rУкажите любое число от 1 до 65535", {proxy.Port});
      return std::nullopt;
    }
    proxy.Mode = ProxyChoiceManual;
  } else if (fields.Choice == ProxyChoiceNone) {
    proxy.Mode = ProxyChoiceNone;
  } else {
    // The search fills these in when a download needs a proxy.
    proxy.Mode = ProxyChoiceAutomatic;
    proxy.Server.clear();
    proxy.Username.clear();
    proxy.Password.clear();
    proxy.Port = 0;
  }
  return proxy;
}

}  // namespace kavrin
