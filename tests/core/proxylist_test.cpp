#include "core/proxylist.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "standin/web_standin.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

TEST(ProxyList, QueryStringCarriesEveryWantedValue) {
  TProxyQuery download;
  download.Protocols = {"http", "https"};
  download.MinUptime = 75;
  EXPECT_EQ(ProxyListQueryString(download, 1), "?protocol=http&protocol=https&min_uptime=75");
  EXPECT_EQ(ProxyListQueryString(download, 3), "?protocol=http&protocol=https&min_uptime=75&offset=30");

  TProxyQuery full;
  full.Protocols = {"socks5"};
  full.AnonymityLevels = {1, 4};
  full.Countries = {"RU", "DE"};
  full.MinUptime = 50;
  full.MaxResponseTime = 2;
  EXPECT_EQ(ProxyListQueryString(full, 2),
            "?protocol=socks5&anonlvl=1&anonlvl=4&country=RU&country=DE&min_uptime=50&max_response_time=2&offset=15");
  EXPECT_EQ(ProxyListQueryString(TProxyQuery{}, 1), "");
  EXPECT_EQ(ProxyListQueryString(TProxyQuery{}, 2), "?offset=15");
}

TEST(ProxyList, PageRowsGiveEntriesInPageOrder) {
  const std::string page =
      "<table><tr><th>IP</th></tr>"
      "<tr class=\"proxy\"><td class=\"ip\">10.1.1.1</td><td class=\"port\">8080</td></tr>"
      "<tr class=\"proxy\"><td class=\"ip\">bad.port</td><td class=\"port\">http</td></tr>"
      "<tr class=\"proxy\"><td class=\"ip\">10.1.1.2</td><td class=\"port\">70000</td></tr>"
      "<TR CLASS=\"proxy\"><td class=\"ip\"> proxy.example </td><td class=\"port\">3128</td></tr></table>";
  TProxyListPage rows = ReadProxyListPage(page);
  EXPECT_EQ(rows.Rows, 4);
  EXPECT_EQ(rows.Entries, (std::vector<std::string>{"10.1.1.1:8080", "proxy.example:3128"}));
  EXPECT_EQ(ReadProxyListPage("<html>no rows</html>").Rows, 0);
}

TEST(ProxyList, SearchAsksPageByPageUntilEnoughOrAShortPage) {
  struct Case {
    int listed;
    int found;
    std::vector<std::string> queries;
  };
  const Case cases[] = {
      {40, 30, {"/proxies?min_uptime=75", "/proxies?min_uptime=75&offset=15"}},
      {20, 20, {"/proxies?min_uptime=75", "/proxies?min_uptime=75&offset=15"}},
      {15, 15, {"/proxies?min_uptime=75", "/proxies?min_uptime=75&offset=15"}},
      {14, 14, {"/proxies?min_uptime=75"}},
  };
  for (const Case& c : cases) {
    test::TempDir site;
    std::string list;
    for (int i = 1; i <= c.listed; ++i) list += "10.0.0." + std::to_string(i) + ":" + std::to_string(8000 + i) + "\n";
    test::WriteBytes(site.File("proxies.txt"), list);
    standin::WebStandIn server(site.Path());
    THttpClient client;
    TProxyQuery query;
    query.MinUptime = 75;

    std::vector<std::string> found = FindProxies(client, server.Address() + "/proxies", query);
    ASSERT_EQ(static_cast<int>(found.size()), c.found) << c.listed;
    EXPECT_EQ(found.front(), "10.0.0.1:8001");
    EXPECT_EQ(found.back(), "10.0.0." + std::to_string(c.found) + ":" + std::to_string(8000 + c.found));
    std::vector<std::string> queries;
    for (const auto& request : server.Requests()) queries.push_back(request.Target);
    EXPECT_EQ(queries, c.queries) << c.listed;
  }
}

TEST(ProxyList, EmptyListOrFailingServiceIsAnError) {
  test::TempDir site;
  test::WriteBytes(site.File("proxies.txt"), "");
  standin::WebStandIn server(site.Path());
  THttpClient client;
  try {
    FindProxies(client, server.Address() + "/proxies", {});
    FAIL() << "no error";
  } catch (const KavrinError& e) {
    EXPECT_STREQ(e.what(), "Не найдено ни одного proxy-сервера с заданными параметрами");
  }
  EXPECT_THROW(FindProxies(client, server.Address() + "/nothing-here", {}), KavrinError);
}

TEST(ProxyList, EntrySplitsIntoHostAndPort) {
  EXPECT_EQ(SplitProxyEntry("10.0.0.1:8080"), (std::pair<std::string, int>{"10.0.0.1", 8080}));
  for (const char* bad : {"host", "host:", ":80", "host:0", "host:65536", "host:x"})
    EXPECT_THROW(SplitProxyEntry(bad), KavrinError) << bad;
}

TEST(ProxyDialog, PrefillSelectsTheModesChoice) {
  TProxy proxy;
  proxy.Server = "gate";
  proxy.Port = 3128;
  proxy.Username = "u";
  for (auto [mode, choice] : {std::pair{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}}) {
    proxy.Mode = mode;
    TProxyDialogFields fields = ProxyDialogPrefill(proxy);
    EXPECT_EQ(fields.Choice, choice) << mode;
    EXPECT_EQ(fields.Server, "gate");
    EXPECT_EQ(fields.Port, 3128);
    EXPECT_EQ(fields.Username, "u");
  }
}

TEST(ProxyDialog, OkTakesTheFieldsByChoice) {
  struct Case {
    TProxyDialogFields fields;
    std::optional<TProxy> expected;
    std::string error;
  };
  const Case cases[] = {
      {{ProxyChoiceManual, " gate ", 3128, "u", "p"}, TProxy{2, "gate", 3128, "u", "p"}, ""},
      {{ProxyChoiceManual, "socks5://gate", 1080, "", ""}, TProxy{2, "socks5://gate", 1080, "", ""}, ""},
      {{ProxyChoiceManual, "  ", 3128, "", ""}, std::nullopt, "Не указано имя или адрес proxy-сервера!"},
      {{ProxyChoiceManual, "gate", 0, "", ""},
       std::nullopt,
       "Некорректный номер порта proxy-сервера: 0!\r\rУкажите любое число от 1 до 65535"},
      {{ProxyChoiceManual, "gate", 65536, "", ""},
       std::nullopt,
       "Некорректный номер порта proxy-сервера: 65536!\r\rУкажите любое число от 1 до 65535"},
      {{ProxyChoiceAutomatic, "gate", 3128, "u", "p"}, TProxy{1, "", 0, "", ""}, ""},
      // The disabled fields keep what they showed.
      {{ProxyChoiceNone, "gate", 0, "u", "p"}, TProxy{0, "gate", 0, "u", "p"}, ""},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_EQ(ProxyFromDialog(c.fields, error), c.expected) << c.fields.Server;
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
}  // namespace kavrin
