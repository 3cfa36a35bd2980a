// The draw download against the local stand-in of the operator's site and the proxy list.
#include <gtest/gtest.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

#include "app/formmain.h"
#include "core/csv.h"
#include "core/fileio.h"
#include "core/format.h"
#include "core/inifile.h"
#include "standin/web_standin.h"
#include "support/fake_host.h"
#include "support/draws.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

constexpr char WaitTitle[] = "Загрузка архива тиражей...";

class DownloadHost : public test::FakeHost {
 public:
  std::vector<std::string> waitTexts;
  std::function<void()> onAsk;  // runs before a question is answered
  void SetWaitText(const std::string& text) override { waitTexts.push_back(text); }
  bool Ask(const std::string& text, const std::string& caption, bool defaultYes) override {
    if (onAsk) onAsk();
    return FakeHost::Ask(text, caption, defaultYes);
  }
};

// The window as it stands after start-up: the stakes file is open, so the download's closing
// stakes check has its file.
class StartedFormMain : public TFormMain {
 public:
  StartedFormMain(UiHost& host, const std::string& dataDir) : TFormMain(host, dataDir) { StakesOpenAtStart(); }
};

TDrawRec SiteDraw(int number) {
  const int offsets[DrawSize] = {0, 7, 19, 31, 43};
  TComb numbers;
  for (int i = 0; i < DrawSize; ++i) numbers[i] = static_cast<uint8_t>((number + offsets[i]) % NumberMax + 1);
  return test::Draw(number, numbers, static_cast<uint8_t>(number % ExtraMax + 1),
                    Format("%.2d.%.2d.2020 21:00", {number % 28 + 1, number % 12 + 1}));
}

TDrawsArray SiteDraws(int from, int to) {
  TDrawsArray draws;
  for (int n = from; n <= to; ++n) draws.push_back(SiteDraw(n));
  return draws;
}

// A port of 127.0.0.1 where nothing listens: connections are refused at once.
int DeadPort() {
  int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bind(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
  socklen_t len = sizeof addr;
  getsockname(s, reinterpret_cast<sockaddr*>(&addr), &len);
  close(s);
  return ntohs(addr.sin_port);
}

std::string ArchiveQuery(int first, int last) {
  return Format("/5x50/archive?firstDraw=%.4d&lastDraw=%.4d&mode=draw", {first, last});
}

struct WriteFaultGuard {
  explicit WriteFaultGuard(WriteFaultHook hook) { SetWriteFaultHook(std::move(hook)); }
  ~WriteFaultGuard() { SetWriteFaultHook(nullptr); }
};

class Download : public ::testing::Test {
 protected:
  void SetUp() override { main = NewMain(); }

  std::unique_ptr<StartedFormMain> NewMain() {
    auto m = std::make_unique<StartedFormMain>(host, data.Path());
    m->Network.ArchiveSite = server.Address();
    m->Network.ProxyListSite = server.Address() + "/proxies";
    return m;
  }
  void PutSiteDraws(int from, int to) { test::WriteBytes(site.File("draws.csv"), DrawsToCsv(SiteDraws(from, to))); }
  void PutPage(int first, int last, const std::string& html) {
    test::WriteBytes(site.File(Format("archive-%.4d-%.4d.html", {first, last})), html);
  }
  // Saves the draws as the archive file and loads it.
  void Seed(int from, int to) {
    TDrawArchive file(data.File(ArchiveFileName));
    for (const TDrawRec& d : SiteDraws(from, to)) file.Append(d);
    file.Save();
    main->LoadArchive();
  }
  TDrawsArray SavedDraws() const {
    TDrawArchive file(data.File(ArchiveFileName));
    file.Load();
    return file.Draws();
  }
  std::vector<std::string> Targets() const {
    std::vector<std::string> targets;
    for (const auto& request : server.Requests()) targets.push_back(request.Target);
    return targets;
  }
  std::vector<test::Message> Questions() const {
    std::vector<test::Message> questions;
    for (const auto& m : host.messages)
      if (m.kind == "question") questions.push_back(m);
    return questions;
  }

  test::TempDir data;
  test::TempDir site;
  standin::WebStandIn server{site.Path()};
  DownloadHost host;
  std::unique_ptr<StartedFormMain> main;
};

void ExpectSameDraws(const TDrawsArray& actual, const TDrawsArray& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) {
    EXPECT_EQ(actual[i].Number, expected[i].Number);
    EXPECT_EQ(actual[i].Numbers, expected[i].Numbers) << actual[i].Number;
    EXPECT_EQ(actual[i].Extra, expected[i].Extra) << actual[i].Number;
    EXPECT_EQ(actual[i].Date, expected[i].Date) << actual[i].Number;
  }
}

TEST_F(Download, BatchesOfFiftyUntilAShortBatch) {
  struct Case {
    int archived;  // draws 1..archived are in the archive already
    int onSite;    // draws 1..onSite are on the site
    std::vector<std::string> requests;
  };
  const Case cases[] = {
      {0, 12, {ArchiveQuery(1, 50)}},
      {0, 50, {ArchiveQuery(1, 50), ArchiveQuery(51, 100)}},
      {0, 62, {ArchiveQuery(1, 50), ArchiveQuery(51, 100)}},
      {3, 10, {ArchiveQuery(4, 53)}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.onSite);
    test::TempDir caseData, caseSite;
    standin::WebStandIn caseServer(caseSite.Path());
    test::WriteBytes(caseSite.File("draws.csv"), DrawsToCsv(SiteDraws(1, c.onSite)));
    DownloadHost caseHost;
    StartedFormMain m(caseHost, caseData.Path());
    m.Network.ArchiveSite = caseServer.Address() + "/";
    if (c.archived > 0) {
      for (const TDrawRec& d : SiteDraws(1, c.archived)) m.Archive.Append(d);
      m.SaveArchive();
    }

    TTemplateMain::TDownloadOutcome outcome = m.DrawsDownload();
    EXPECT_EQ(outcome.Appended, c.onSite - c.archived);
    EXPECT_FALSE(outcome.Failed);
    std::vector<std::string> targets;
    for (const auto& request : caseServer.Requests()) targets.push_back(request.Target);
    EXPECT_EQ(targets, c.requests);
    TDrawArchive file(caseData.File(ArchiveFileName));
    file.Load();
    ExpectSameDraws(file.Draws(), SiteDraws(1, c.onSite));
    EXPECT_TRUE(caseHost.messages.empty());
    EXPECT_FALSE(m.Busy());
    EXPECT_EQ(caseHost.waitTexts.front(), WaitTitle);
    EXPECT_EQ(caseHost.waitTexts.back(), "");
    EXPECT_EQ(m.StatusText(PanelOperation), "");
    EXPECT_EQ(m.StatusText(PanelDraws), Format("Архив тиражей: %d", {c.onSite}));
  }
}

TEST_F(Download, StakesAreCheckedAgainstTheDownloadedDraws) {
  Seed(1, 10);
  TNumberSet numbers = CombToNumberSet(SiteDraw(11).Numbers);
  SortNumberSet(numbers);
  ASSERT_TRUE(main->StakesAddOne(main->NewStake(StakeManual, numbers, ManualStakeComment), 1));
  PutSiteDraws(1, 12);

  EXPECT_EQ(main->DrawsDownload().Appended, 2);
  TStakeData checked = main->Stakes.Read(TSeekOrigin::Begin, 0);
  EXPECT_TRUE(checked.Checked);
  EXPECT_EQ(checked.Overlaps.Count, DrawSize);
}

TEST_F(Download, StatusTextsOfABatch) {
  PutSiteDraws(1, 3);
  host.statusLog.clear();
  main->DrawsDownload();
  const std::vector<std::string> operation = [&] {
    std::vector<std::string> texts;
    for (const std::string& entry : host.statusLog)
      if (entry.rfind("6:", 0) == 0) texts.push_back(entry.substr(2));
    return texts;
  }();
  EXPECT_EQ(operation,
            (std::vector<std::string>{WaitTitle, "Загрузка тиражей 1 - 50...", "Сохранение файла тиражей...", "",
                                      // the draw views refreshed after the batch
                                      "Обновление карты тиражей...", "", "Построение схемы выпадения номеров...", "",
                                      "Построение схемы выпадения номеров...", "",
                                      "Построение статистики по дням недели...", "",
                                      "Построение статистики по дням недели...", "", "Проверка результатов ставок...",
                                      ""}));
}

TEST_F(Download, IncompleteElementsAreSkippedAndPageOrderIsReversed) {
  const std::string valid2 =
      "<div class=\"elem\"><div class=\"draw_date\" title=\"05.01.2021 21:00:00\">5 января</div>"
      "<a href=\"/5x50/archive/2\">2</a><div class=\"container cleared\"><div class=\"numbers\">"
      "<b>&nbsp;50 </b><b>1</b><b>2</b><b>3</b><b>4</b><b class=\"extra\">11</b></div></div>"
      "<div class=\"controls\"></div></div>";
  const std::string page =
      "<html><DIV CLASS=\"data drawings_data\">" + valid2 +
      // number is not a number
      "<div class=\"elem\"><div class=\"draw_date\" title=\"04.01.2021 21:00\">x</div>"
      "<a href=\"/5x50/archive/abc\">abc</a><div class=\"container cleared\"><b>1</b></div><div class=\"controls\">"
      "</div>"
      // no date
      "<div class=\"elem\"><a href=\"/5x50/archive/9\">9</a><div class=\"container cleared\"><b>1</b></div>"
      "<div class=\"controls\"></div>"
      // no numbers block
      "<div class=\"elem\"><div class=\"draw_date\" title=\"03.01.2021 21:00\">x</div>"
      "<a href=\"/5x50/archive/8\">8</a></div>"
      // a draw that was not asked for
      "<div class=\"elem\"><div class=\"draw_date\" title=\"02.01.2021 21:00\">x</div>"
      "<a href=\"/5x50/archive/77\">77</a><div class=\"container cleared\"><b>9</b></div><div class=\"controls\">"
      "</div>"
      "<div class=\"Elem\"><div class=\"draw_date\" title=\"01.01.2021 21:00\">1 января</div>"
      "<a href=\"/5x50/archive/1\">1</a><div class=\"container cleared\"><div><b>10</b>&nbsp;<b>20</b>&nbsp;"
      "<b>30</b>&nbsp;<b>40</b>&nbsp;<b>45</b>&nbsp;<b class=\"extra\">&nbsp;5</b></div></div>"
      "<div class=\"controls\"></div></div>"
      "</div><div class=\"content_decor\"></div></html>";
  PutPage(1, 50, page);

  EXPECT_EQ(main->DrawsDownload().Appended, 2);
  TDrawsArray saved = SavedDraws();
  ASSERT_EQ(saved.size(), 2u);
  EXPECT_EQ(saved[0].Number, 1);
  EXPECT_EQ(saved[0].Numbers, (TComb{10, 20, 30, 40, 45}));
  EXPECT_EQ(saved[0].Extra, 5);
  EXPECT_EQ(saved[0].Date, "01.01.2021 21:00");
  EXPECT_EQ(saved[1].Number, 2);
  EXPECT_EQ(saved[1].Numbers, (TComb{50, 1, 2, 3, 4}));  // drawn order kept
  EXPECT_EQ(saved[1].Extra, 11);
  EXPECT_EQ(saved[1].Date, "05.01.2021 21:00");  // cut to 16 characters
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Download, BadRepliesEndTheDownloadAndLoseNothingSaved) {
  const std::string element51 =
      "<div class=\"elem\"><div class=\"draw_date\" title=\"01.01.2021 21:00\">x</div>"
      "<a href=\"/5x50/archive/51\">51</a><div class=\"container cleared\">";
  struct Case {
    std::string page;
    std::string error;
  };
  const std::string block = "<div class=\"data drawings_data\">";
  const std::string numbers = "<b>1</b><b>2</b><b>3</b><b>4</b><b>5</b><b class=\"extra\">6</b>";
  const Case cases[] = {
      {block + element51 + "<b>1</b></div><div class=\"controls\"></div>",
       "Не удалось найти пару идентификаторов \"<div class=\"data drawings_data\">\" - "
       "\"<div class=\"content_decor\">\" в тексте\r\r["},
      {block + "<div class=\"elem\"><a href=\"/5x50/archive/51\">51</a><div class=\"draw_date\" title=\"01.01"
               "<div class=\"content_decor\">",
       "Не удалось найти пару идентификаторов \"<div class=\"draw_date\" title=\"\" - \"\">\" в тексте\r\r["},
      {block + element51 + "<b>1</b><b>2</b><b>3</b><b>4</b></div><div class=\"content_decor\">",
       "Не удалось найти пару идентификаторов \"<div class=\"container cleared\"\" - \"<div class=\"controls\">\""},
      {block + element51 + "<div><b>1</b><b>x</b><b>3</b><b>4</b><b>5</b><b class=\"extra\">6</b></div>"
                           "<div class=\"controls\"></div><div class=\"content_decor\">",
       "Некорректное значение \"x\" среди номеров тиража 51!"},
      {block + element51 + "<div><b>1</b><b>2</b><b>3</b><b>4</b></div><div class=\"controls\"></div>"
                           "<div class=\"content_decor\">",
       "Некорректное значение \"\" среди номеров тиража 51!"},
      {block + element51 + "<div><b>1</b><b>2</b><b>3</b><b>4</b><b>51</b><b class=\"extra\">6</b></div>"
                           "<div class=\"controls\"></div><div class=\"content_decor\">",
       "Некорректное значение \"51\" среди номеров тиража 51!"},
      {block + element51 + "<div><b>1</b><b>2</b><b>3</b><b>4</b><b>2</b><b class=\"extra\">6</b></div>"
                           "<div class=\"controls\"></div><div class=\"content_decor\">",
       "Некорректное значение \"2\" среди номеров тиража 51!"},
      {block + element51 + "<div><b>1</b><b>2</b><b>3</b><b>4</b><b>5</b><b class=\"extra\">12</b></div>"
                           "<div class=\"controls\"></div><div class=\"content_decor\">",
       "Некорректное значение \"12\" среди номеров тиража 51!"},
  };
  PutSiteDraws(1, 50);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    test::TempDir caseData;
    DownloadHost caseHost;
    caseHost.answers = {false};
    StartedFormMain m(caseHost, caseData.Path());
    m.Network.ArchiveSite = server.Address();
    PutPage(51, 100, c.page);

    TTemplateMain::TDownloadOutcome outcome = m.DrawsDownload();
    // The first batch was saved before the second one failed.
    EXPECT_EQ(outcome.Appended, 50);
    EXPECT_TRUE(outcome.Failed);
    EXPECT_EQ(outcome.Error.rfind(c.error, 0), 0u) << outcome.Error;
    ASSERT_EQ(caseHost.messages.size(), 1u);
    EXPECT_EQ(caseHost.messages[0].kind, "question");
    EXPECT_EQ(caseHost.messages[0].caption, "Ошибка");
    EXPECT_EQ(caseHost.messages[0].text,
              Format("Ошибка загрузки архива тиражей с сайта: \"%s\"\r\rПовторить попытку?", {outcome.Error}));
    EXPECT_EQ(m.Archive.Count(), 50);
    TDrawArchive file(caseData.File(ArchiveFileName));
    file.Load();
    ExpectSameDraws(file.Draws(), SiteDraws(1, 50));
  }
}

TEST_F(Download, StalledSiteTimesOutAndKeepsTheArchive) {
  std::mutex mutex;
  std::condition_variable released;
  bool release = false;
  standin::LocalServer slow;
  slow.Http().Get(R"(.*)", [&](const httplib::Request&, httplib::Response& res) {
    std::unique_lock<std::mutex> lock(mutex);
    released.wait_for(lock, std::chrono::seconds(20), [&] { return release; });
    res.set_content("", "text/html");
  });
  slow.Start();
  Seed(1, 3);
  const std::string before = test::ReadBytes(data.File(ArchiveFileName));
  main->Network.ArchiveSite = slow.Address();
  main->Network.Http.ReadTimeoutMs = 300;
  host.answers = {false};

  TTemplateMain::TDownloadOutcome outcome = main->DrawsDownload();
  {
    std::lock_guard<std::mutex> lock(mutex);
    release = true;
  }
  released.notify_all();
  EXPECT_TRUE(outcome.Failed);
  EXPECT_EQ(outcome.Appended, 0);
  ASSERT_EQ(Questions().size(), 1u);
  EXPECT_EQ(Questions()[0].text,
            "Ошибка загрузки архива тиражей с сайта: \"Превышено время ожидания ответа сервера (300 мс)\"\r\r"
            "Повторить попытку?");
  EXPECT_EQ(test::ReadBytes(data.File(ArchiveFileName)), before);
  EXPECT_EQ(main->Archive.Count(), 3);
}

TEST_F(Download, RetryQuestionRetriesTheSameBatch) {
  // Nothing to serve at first: the site answers 404. The user puts the draws up and retries.
  host.onAsk = [&] { PutSiteDraws(1, 4); };
  host.answers = {true};
  TTemplateMain::TDownloadOutcome outcome = main->DrawsDownload();

  EXPECT_EQ(Targets(), (std::vector<std::string>{ArchiveQuery(1, 50), ArchiveQuery(1, 50)}));
  ASSERT_EQ(Questions().size(), 1u);
  EXPECT_EQ(Questions()[0].text,
            "Ошибка загрузки архива тиражей с сайта: \"HTTP/1.1 404 Not Found\"\r\rПовторить попытку?");
  EXPECT_FALSE(outcome.Failed);
  EXPECT_EQ(outcome.Appended, 4);
  ExpectSameDraws(SavedDraws(), SiteDraws(1, 4));
}

TEST_F(Download, RetryLimitStopsAskingAfterItsCount) {
  main->DownloadRetryLimit = 2;
  host.answers = {true, true, true, true};
  TTemplateMain::TDownloadOutcome outcome = main->DrawsDownload();
  EXPECT_TRUE(outcome.Failed);
  EXPECT_EQ(outcome.Error, "HTTP/1.1 404 Not Found");
  EXPECT_EQ(Questions().size(), 2u);
  EXPECT_EQ(Targets().size(), 3u);
}

TEST_F(Download, AutomaticProxySkipsFailingProxiesAndRemembersTheOneThatServed) {
  const int dead1 = DeadPort(), dead2 = DeadPort(), deadSite = DeadPort();
  test::WriteBytes(site.File("proxies.txt"), Format("127.0.0.1:%d\n127.0.0.1:%d\n127.0.0.1:%d\n",
                                                    {dead1, dead2, server.Port()}));
  PutSiteDraws(1, 12);
  // The site itself is not reachable: only the stand-in, as a proxy, answers for it.
  const std::string siteAddress = Format("http://127.0.0.1:%d", {deadSite});
  test::WriteBytes(data.File(ConfigFileName),
                   "[PROXY]\r\nProxyMode=1\r\n[NETWORK]\r\nArchiveSite=" + siteAddress + "\r\nProxyListSite=" +
                       server.Address() + "/proxies\r\n");
  main.reset();  // its stakes file lock would refuse the new window
  main = std::make_unique<StartedFormMain>(host, data.Path());
  main->LoadConfig();
  EXPECT_TRUE(main->Network.Http.VerifyCertificates);

  TTemplateMain::TDownloadOutcome outcome = main->DrawsDownload();
  EXPECT_EQ(outcome.Appended, 12);
  EXPECT_FALSE(outcome.Failed);
  EXPECT_TRUE(Questions().empty());
  EXPECT_TRUE(host.Errors().empty());
  std::vector<standin::Request> requests = server.Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].Target, "/proxies?protocol=http&protocol=https&min_uptime=75");
  EXPECT_TRUE(requests[1].ViaProxy);
  EXPECT_EQ(requests[1].Target, siteAddress + ArchiveQuery(1, 50));
  const std::string attempt = std::string(WaitTitle) + "\r\rПопытка %d, proxy 127.0.0.1 : %d";
  EXPECT_EQ(host.waitTexts, (std::vector<std::string>{WaitTitle, std::string(WaitTitle) + "\r\rПоиск proxy-серверов",
                                                      Format(attempt, {1, dead1}), Format(attempt, {2, dead2}),
                                                      Format(attempt, {3, server.Port()}), ""}));
  EXPECT_EQ(main->Proxy.Mode, 1);
  EXPECT_EQ(main->Proxy.Server, "127.0.0.1");
  EXPECT_EQ(main->Proxy.Port, server.Port());
  EXPECT_TRUE(main->ProxyStored);
  TIniFile ini(data.File(ConfigFileName));
  EXPECT_EQ(ini.ReadInteger("PROXY", "ProxyMode", -1), 1);
  EXPECT_EQ(ini.ReadString("PROXY", "ProxyServer", ""), "127.0.0.1");
  EXPECT_EQ(ini.ReadInteger("PROXY", "ProxyPort", -1), server.Port());
  ExpectSameDraws(SavedDraws(), SiteDraws(1, 12));

  // The next run uses the remembered proxy at once, without a search.
  PutSiteDraws(1, 15);
  host.waitTexts.clear();
  auto next = NewMain();
  next->LoadConfig();
  next->LoadArchive();
  EXPECT_EQ(next->DrawsDownload().Appended, 3);
  requests = server.Requests();
  ASSERT_EQ(requests.size(), 3u);
  EXPECT_EQ(requests[2].Target, siteAddress + ArchiveQuery(13, 62));
  EXPECT_EQ(host.waitTexts, (std::vector<std::string>{WaitTitle, Format(attempt, {1, server.Port()}), ""}));
}

TEST_F(Download, FailedProxySearchSendsNoRequestAndEndsQuietly) {
  test::WriteBytes(site.File("proxies.txt"), "");
  main->Proxy.Mode = 1;
  main->Network.ArchiveSite = Format("HTTPS://127.0.0.1:%d", {DeadPort()});

  TTemplateMain::TDownloadOutcome outcome = main->DrawsDownload();
  EXPECT_EQ(outcome.Appended, 0);
  EXPECT_FALSE(outcome.Failed);
  EXPECT_EQ(Targets(), (std::vector<std::string>{"/proxies?protocol=https&min_uptime=75"}));
  EXPECT_EQ(host.Errors(), (std::vector<std::string>{"Ошибка получения списка proxy-серверов!\r\r"
                                                     "Не найдено ни одного proxy-сервера с заданными параметрами"}));
  EXPECT_TRUE(Questions().empty());
}

TEST_F(Download, ManualProxyCarriesItsCredentials) {
  PutSiteDraws(1, 2);
  main->Proxy = TProxy{2, "127.0.0.1", server.Port(), "user", "p:ss"};
  main->Network.ArchiveSite = Format("http://127.0.0.1:%d", {DeadPort()});

  EXPECT_EQ(main->DrawsDownload().Appended, 2);
  std::vector<standin::Request> requests = server.Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_TRUE(requests[0].ViaProxy);
  EXPECT_EQ(requests[0].ProxyAuthorization, "Basic dXNlcjpwOnNz");
  EXPECT_EQ(host.waitTexts[1], Format("%s\r\rПопытка 1, proxy 127.0.0.1 : %d", {WaitTitle, server.Port()}));
  // Settings that were stored already are not written again.
  EXPECT_FALSE(FileExists(data.File(ConfigFileName)));
}

TEST_F(Download, ArchiveThatCannotBeSavedStopsTheDownload) {
  PutSiteDraws(1, 62);
  WriteFaultGuard guard([](size_t) { return false; });
  TTemplateMain::TDownloadOutcome outcome = main->DrawsDownload();
  EXPECT_TRUE(outcome.Failed);
  EXPECT_EQ(Targets().size(), 1u);
  ASSERT_EQ(host.Errors().size(), 1u);
  EXPECT_EQ(host.Errors()[0].rfind("Ошибка записи в файл тиражей!\r\r", 0), 0u);
}

TEST_F(Download, ProxyDialogOkStoresAtOnce) {
  TProxyDialogFields fields{ProxyChoiceManual, "", 3128, "", ""};
  EXPECT_FALSE(main->EditProxyApply(fields));
  EXPECT_EQ(host.Errors(), (std::vector<std::string>{"Не указано имя или адрес proxy-сервера!"}));
  EXPECT_FALSE(FileExists(data.File(ConfigFileName)));

  fields.Choice = ProxyChoiceAutomatic;
  fields.Server = "gate";
  EXPECT_TRUE(main->EditProxyApply(fields));
  TIniFile ini(data.File(ConfigFileName));
  EXPECT_EQ(ini.ReadInteger("PROXY", "ProxyMode", -1), 1);
  EXPECT_EQ(ini.ReadString("PROXY", "ProxyServer", "?"), "");
  EXPECT_EQ(ini.ReadInteger("PROXY", "ProxyPort", -1), 0);
  EXPECT_TRUE(main->ProxyStored);
  EXPECT_NE(std::find(host.statusLog.begin(), host.statusLog.end(), "6:Сохранение файла конфигурации..."),
            host.statusLog.end());
}

}  // namespace
}  // namespace kavrin
