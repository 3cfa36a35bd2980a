#pragma once
// The web pages behind the link commands of the help menu and the buttons of the first-run
// dialog: the maker's pages under the maker's site, the game page under the operator's site.
#include <string>
#include <vector>

#include "core/netconfig.h"

namespace kavrin {

enum class TLinkPage { LotterySite, MainSite, AuthorSite, Articles, Telegram, Blog, VideoChannel, GroupVK, GroupOK };

std::string LinkAddress(const TNetworkConfig& network, TLinkPage page);

struct TFirstRunLink {
  std::string Caption;
  std::string Url;
};
// The six buttons of "Справочная информация", in their order.
std::vector<TFirstRunLink> FirstRunLinks(const TNetworkConfig& network);

}  // namespace kavrin
