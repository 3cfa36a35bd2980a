// Replies of the scenario catalog: the list, a scenario's text, ratings, the title check and the
// answers to rating and publishing.
#include "core/errors.h"
#include "fuzz_support.h"
#include "online/scriptcatalog.h"
#include "scenarios/scenariofile.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string body(fuzz::AsText(data, size));
  TServiceIdentity identity;
  identity.UserMail = "user@example.org";
  auto guarded = [](auto&& read) {
    try {
      read();
    } catch (const KavrinError&) {
    }
  };
  guarded([&] { (void)ReadScriptsList(body, 1049, identity, [](const tScriptInfo&) {}); });
  guarded([&] { (void)ReadScriptText(body); });
  guarded([&] { (void)ReadScriptRateReply(body); });
  guarded([&] { (void)ReadScriptTitleReply(body); });
  guarded([&] { (void)ReadScriptPutReply(body); });
  std::vector<TScriptRate> rates;
  guarded([&] { (void)ReadScriptRates(body, rates); });
  (void)ReadScriptRating(body);
  return 0;
}
