#include "app/links.h"

namespace kavrin {
namespace {

std::string Under(const std::string& site, const char* path) {
  std::string base = site;
  while (!base.empty() && base.back() == '/') base.pop_back();
  return base + path;
}

}  // namespace

std::string LinkAddress(const TNetworkConfig& network, TLinkPage page) {
  const std::string maker = network.ScriptsSite;
  switch (page) {
    case TLinkPage::LotterySite: return Under(network.ArchiveSite, "/5x50");
    case TLinkPage::MainSite: return Under(maker, "/");
    case TLinkPage::AuthorSite: return Under(maker, "/download");
    case TLinkPage::Articles: return Under(maker, "/articles");
    case TLinkPage::Telegram: return Under(maker, "/telegram");
    case TLinkPage::Blog: return Under(maker, "/blog");
    case TLinkPage::VideoChannel: return Under(maker, "/video");
    case TLinkPage::GroupVK: return Under(maker, "/group/vk");
    case TLinkPage::GroupOK: return Under(maker, "/group/ok");
  }
  return Under(maker, "/");
}

std::vector<TFirstRunLink> FirstRunLinks(const TNetworkConfig& network) {
  return {{"Статьи на сайте автора - для начинающих и не только", LinkAddress(network, TLinkPage::Articles)},
          {"Блог", LinkAddress(network, TLinkPage::Blog)},
          {"Канал на YouTube", LinkAddress(network, TLinkPage::VideoChannel)},
          {"Группа ВКонтакте", LinkAddress(network, TLinkPage::GroupVK)},
          {"Группа в Одноклассниках", LinkAddress(network, TLinkPage::GroupOK)},
          {"Канал в Telegram - новости проекта", LinkAddress(network, TLinkPage::Telegram)}};
}

}  // namespace kavrin
