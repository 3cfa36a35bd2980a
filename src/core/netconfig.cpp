#include "core/netconfig.h"

namespace kavrin {
namespace {

std::string NonEmpty(const TIniFile& ini, const char* key, const std::string& def) {
  std::string value = Trim(ini.ReadString(NetworkSection, key, def));
  return value.empty() ? def : value;
}

int Positive(const TIniFile& ini, const char* key, int def) {
  const int value = ini.ReadInteger(NetworkSection, key, def);
  return value > 0 ? value : def;
}

}  // namespace

void LoadNetworkConfig(const TIniFile& ini, TNetworkConfig& config) {
  config.ArchiveSite = NonEmpty(ini, "ArchiveSite", config.ArchiveSite);
  config.ProxyListSite = NonEmpty(ini, "ProxyListSite", config.ProxyListSite);
  config.SystemsSite = NonEmpty(ini, "SystemsSite", config.SystemsSite);
  config.ScriptsSite = NonEmpty(ini, "ScriptsSite", config.ScriptsSite);
  config.UpdateSource = NonEmpty(ini, "UpdateSource", config.UpdateSource);
  config.UserName = NonEmpty(ini, "UserName", config.UserName);
  config.UserMail = NonEmpty(ini, "UserMail", config.UserMail);
  config.Http.ConnectTimeoutMs = Positive(ini, "ConnectTimeout", config.Http.ConnectTimeoutMs);
  config.Http.ReadTimeoutMs = Positive(ini, "ReadTimeout", config.Http.ReadTimeoutMs);
  config.Http.VerifyCertificates = ini.ReadBool(NetworkSection, "VerifyCertificates", config.Http.VerifyCertificates);
  config.Http.MaxReplyBytes =
      int64_t{Positive(ini, "MaxReplySize", static_cast<int>(config.Http.MaxReplyBytes >> 20))} << 20;
}

}  // namespace kavrin
