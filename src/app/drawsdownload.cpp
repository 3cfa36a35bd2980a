// The draw download command: batches of 50 draws from the operator's archive, retried through
// automatically found proxies or on the user's word, and the proxy settings' dialog.
#include "app/templatemain.h"
#include "core/errors.h"

namespace kavrin {
namespace {

constexpr int BatchSize = 50;
constexpr char WaitTitle[] = "Загрузка архива тиражей...";

}  // namespace

TTemplateMain::TDownloadOutcome TTemplateMain::DrawsDownload() {
  TDownloadOutcome outcome;
  TOperation busy(*this);
  host_.SetWaitText(WaitTitle);
  SetOperationText(WaitTitle);
  downloadAttempt_ = 1;
  int questions = 0;
  for (;;) {
    const int first = Archive.NextDrawNumber(0);
    int appended = 0;
    try {
      appended = DownloadRange(first, first + BatchSize - 1);
    } catch (const std::exception& e) {
      ++downloadAttempt_;
      if (DropFailedProxy()) continue;
      const bool retry =
          (DownloadRetryLimit <= 0 || questions++ < DownloadRetryLimit) &&
          host_.Ask(Format("Ошибка загрузки архива тиражей с сайта: \"%s\"\r\rПовторить попытку?", {e.what()}),
                    "Ошибка", true);
      if (retry) continue;
      outcome.Failed = true;
      outcome.Error = e.what();
      break;
    }
    if (!ProxyStored) SaveProxyConfig(false);
    if (appended <= 0) break;
    outcome.Appended += appended;
    // Going on would pile up draws that only the memory holds; the failure was shown.
    if (!SaveArchive()) {
      outcome.Failed = true;
      break;
    }
    RefreshViews(false);
    if (appended < BatchSize) break;
  }
  foundProxies_.reset();
  // Whatever the outcome, the stakes meet the draws that did arrive.
  StakesCheckAndCommit();
  StakesRefreshView(true, true);
  host_.SetWaitText("");
  SetOperationText("");
  return outcome;
}

int TTemplateMain::DownloadRange(int, int) { return 0; }

std::string TTemplateMain::HttpGetText(const std::string& address, bool decode) {
  const int mode = Proxy.Mode == ProxyChoiceAutomatic || Proxy.Mode == ProxyChoiceManual ? Proxy.Mode : 0;
  const bool send = mode != ProxyChoiceAutomatic || !Proxy.Server.empty() || ChooseFoundProxy();
  ShowDownloadWait(mode != 0 && !Proxy.Server.empty()
                       ? Format("Попытка %d, proxy %s : %d", {downloadAttempt_, Proxy.Server, Proxy.Port})
                       : std::string());
  if (!send) return {};
  http_.Settings = Network.Http;
  http_.Proxy = THttpProxy{};
  if (mode != 0) {
    http_.Proxy.Server = Proxy.Server;
    http_.Proxy.Port = Proxy.Port;
  }
  if (mode == ProxyChoiceManual) {
    http_.Proxy.Username = Proxy.Username;
    http_.Proxy.Password = Proxy.Password;
  }
  const std::string body = http_.Get(address);
  return decode ? DecodeUtf8Body(body) : body;
}

void TTemplateMain::ShowDownloadWait(const std::string& detail) {
  host_.SetWaitText(detail.empty() ? std::string(WaitTitle) : Format("%s\r\r%s", {WaitTitle, detail}));
}

bool TTemplateMain::ChooseFoundProxy() {
  bool chosen = false;
  Guarded("Ошибка автоматического выбора proxy сервера!", [&] {
    if (!foundProxies_ || foundProxies_->empty()) foundProxies_ = SearchProxies();
    // A failed search has shown its own message.
    if (foundProxies_->empty()) return;
    auto [server, port] = SplitProxyEntry(foundProxies_->front());
    Proxy.Server = server;
    Proxy.Port = port;
    Proxy.Username.clear();
    Proxy.Password.clear();
    ProxyStored = false;
    chosen = true;
  });
  return chosen;
}

std::vector<std::string> TTemplateMain::SearchProxies() {
  ShowDownloadWait("Поиск proxy-серверов");
  std::vector<std::string> found;
  Guarded("Ошибка получения списка proxy-серверов!", [&] {
    TProxyQuery query;
    query.Protocols = HasUrlScheme(Network.ArchiveSite, "https") ? std::vector<std::string>{"https"}
                                                                  : std::vector<std::string>{"http", "https"};
    query.MinUptime = 75;
    // The search has its own client: no proxy, and none of the archive site's cookies.
    THttpClient client;
    client.Settings = Network.Http;
    found = FindProxies(client, Network.ProxyListSite, query);
  });
  return found;
}

bool TTemplateMain::DropFailedProxy() {
  if (Proxy.Mode != ProxyChoiceAutomatic) return false;
  Proxy.Server.clear();
  Proxy.Username.clear();
  Proxy.Password.clear();
  Proxy.Port = 0;
  ProxyStored = false;
  if (foundProxies_ && !foundProxies_->empty()) foundProxies_->erase(foundProxies_->begin());
  return foundProxies_ && !foundProxies_->empty();
}

bool TTemplateMain::EditProxyApply(const TProxyDialogFields& fields) {
  std::string error;
  std::optional<TProxy> proxy = ProxyFromDialog(fields, error);
  if (!proxy) {
    host_.ShowError(error);
    return false;
  }
  Proxy = *proxy;
  ProxyStored = false;
  return SaveProxyConfig();
}

}  // namespace kavrin
