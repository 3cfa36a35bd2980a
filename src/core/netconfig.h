#pragma once
// The NETWORK section of the configuration file: where the program's web sources are, how it
// talks to them and who the user is to the maker's services. Read at start-up only; the user
// edits the file to point the program elsewhere (a mirror, a local stand-in).
#include <string>

#include "core/http.h"
#include "core/inifile.h"

namespace kavrin {

inline constexpr char NetworkSection[] = "NETWORK";
inline constexpr char DefaultArchiveSite[] = "https://lottery.kavrin5x50.example";
inline constexpr char DefaultProxyListSite[] = "https://proxylist.kavrin5x50.example/proxies";
inline constexpr char DefaultMakerSite[] = "https://kavrin5x50.example";
inline constexpr char DefaultUpdateSource[] = "https://kavrin5x50.example/files/autoupdates/Vexa_AU.cfg";

struct TNetworkConfig {
  std::string ArchiveSite = DefaultArchiveSite;      // ArchiveSite: the operator's archive site
  std::string ProxyListSite = DefaultProxyListSite;  // ProxyListSite: the proxy-list page
  std::string SystemsSite = DefaultMakerSite;        // SystemsSite: the maker's systems service
  std::string ScriptsSite = DefaultMakerSite;        // ScriptsSite: the maker's scenario catalog
  // UpdateSource: the update description, an address or a local file path.
  std::string UpdateSource = DefaultUpdateSource;
  // UserName, UserMail: who the user is to the maker's services. The e-mail address makes the
  // user the owner of what they publish; empty until the user gives one.
  std::string UserName;
  std::string UserMail;
  // ConnectTimeout, ReadTimeout (ms), VerifyCertificates (1/0), MaxReplySize (MiB, default 64)
  THttpSettings Http;
};

// Takes what the file has; missing, empty or non-positive values keep the defaults.
void LoadNetworkConfig(const TIniFile& ini, TNetworkConfig& config);

}  // namespace kavrin
