#include <gtest/gtest.h>

#include "app/links.h"

namespace kavrin {
namespace {

TEST(Links, PagesFollowTheConfiguredSites) {
  TNetworkConfig network;
  network.ArchiveSite = "http://127.0.0.1:8080/";
  network.ScriptsSite = "http://127.0.0.1:9090//";
  EXPECT_EQ(LinkAddress(network, TLinkPage::LotterySite), "http://127.0.0.1:8080/5x50");
  EXPECT_EQ(LinkAddress(network, TLinkPage::Blog), "http://127.0.0.1:9090/blog");
  const std::vector<TFirstRunLink> links = FirstRunLinks(network);
  ASSERT_EQ(links.size(), 6u);
  EXPECT_EQ(links.back().Caption, "Канал в Telegram - новости проекта");
  EXPECT_EQ(links.back().Url, "http://127.0.0.1:9090/telegram");
}

}  // namespace
}  // namespace kavrin
