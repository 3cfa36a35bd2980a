#pragma once
// The NETWORK section of the configuration file: where the program's web sources are and how
// it talks to them. Read at start-up only; the user edits the file to point the program
// elsewhere (a mirror, a local stand-in).
#include <string>

#include "core/http.h"
#include "core/inifile.h"

namespace kavrin {

inline constexpr char NetworkSection[] = "NETWORK";
inline constexpr char DefaultArchiveSite[] = "https://lottery.kavrin5x50.example";
inline constexpr char DefaultProxyListSite[] = "https://proxylist.kavrin5x50.example/proxies";

struct TNetworkConfig {
  std::string ArchiveSite = DefaultArchiveSite;      // ArchiveSite: the operator's archive site
  std::string ProxyListSite = DefaultProxyListSite;  // ProxyListSite: the proxy-list page
  THttpSettings Http;  // ConnectTimeout, ReadTimeout (ms), VerifyCertificates (1/0)
};

// Takes what the file has; missing, empty or non-positive values keep the defaults.
void LoadNetworkConfig(const TIniFile& ini, TNetworkConfig& config);

}  // namespace kavrin
