#include <gtest/gtest.h>

#include "cli/cli_run.h"
#include "core/csv.h"
#include "core/format.h"
#include "standin/web_standin.h"
#include "support/draws.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

using test::CliRun;

CliRun Cli(const std::vector<std::string>& args) { return test::RunCliCaptured(args); }

TDrawsArray Draws(int count) {
  TDrawsArray draws;
  for (int n = 1; n <= count; ++n)
    draws.push_back(test::Draw(n, {1, 2, 3, 4, static_cast<uint8_t>(4 + n)}, 1, Format("%.2d.01.2021 21:00", {n})));
  return draws;
}

TEST(CliDownload, DownloadsFromTheGivenSiteAndPrintsTheCount) {
  test::TempDir data, site;
  test::WriteBytes(site.File("draws.csv"), DrawsToCsv(Draws(12)));
  standin::WebStandIn server(site.Path());

  CliRun run = Cli({"--data-dir", data.Path(), "--quiet", "draws", "download", "--url", server.Address()});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "12\n");
  EXPECT_EQ(run.err, "");
  CliRun list = Cli({"--data-dir", data.Path(), "draws", "list", "--limit", "1"});
  EXPECT_EQ(list.out, "Тираж\t1\t2\t3\t4\t5\tE\tS\tДата тиража\n12\t1\t2\t3\t4\t16\t1\t26\t12.01.2021 21:00\n");

  CliRun again = Cli({"--data-dir", data.Path(), "--quiet", "draws", "download", "--url", server.Address()});
  EXPECT_EQ(again.out, "0\n");
  EXPECT_EQ(again.status, 0);
}

TEST(CliDownload, FailingSiteIsAnErrorAfterAFewRetries) {
  test::TempDir data, site;
  standin::WebStandIn server(site.Path());
  const char* error = "error: Ошибка загрузки архива тиражей с сайта: \"HTTP/1.1 404 Not Found\"\n";

  CliRun no = Cli({"--data-dir", data.Path(), "--quiet", "draws", "download", "--url", server.Address()});
  EXPECT_EQ(no.status, 1);
  EXPECT_EQ(no.out, "0\n");
  EXPECT_EQ(no.err, error);
  EXPECT_EQ(server.Requests().size(), 1u);

  CliRun yes = Cli({"--data-dir", data.Path(), "--quiet", "--yes", "draws", "download", "--url", server.Address()});
  EXPECT_EQ(yes.status, 1);
  EXPECT_EQ(yes.err, error);
  EXPECT_EQ(server.Requests().size(), 1u + 4u);

  EXPECT_EQ(Cli({"--data-dir", data.Path(), "draws", "download", "extra"}).status, 2);
}

}  // namespace
}  // namespace kavrin
