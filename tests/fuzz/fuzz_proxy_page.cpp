// A page of the proxy-list service, and the "host:port" entries it gives.
#include "core/errors.h"
#include "core/proxylist.h"
#include "fuzz_support.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const TProxyListPage page = ReadProxyListPage(std::string(fuzz::AsText(data, size)));
    for (const std::string& entry : page.Entries) {
      try {
        (void)SplitProxyEntry(entry);
      } catch (const KavrinError&) {
      }
    }
  } catch (const KavrinError&) {
  }
  return 0;
}
