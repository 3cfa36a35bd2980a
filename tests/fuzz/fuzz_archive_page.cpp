// A page of the operator's archive, read for the draws it was asked for; whatever it gives must
// be a valid draw in that range.
#include <set>

#include "app/formmain.h"
#include "core/errors.h"
#include "fuzz_support.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    for (const TDrawRec& draw : ReadArchivePage(std::string(fuzz::AsText(data, size)), 1, 50)) {
      std::set<int> seen(draw.Numbers.begin(), draw.Numbers.end());
      if (draw.Number < 1 || draw.Number > 50 || seen.size() != DrawSize || *seen.begin() < 1 ||
          *seen.rbegin() > NumberMax || draw.Extra < 1 || draw.Extra > ExtraMax || draw.Date.empty())
        __builtin_trap();
    }
  } catch (const KavrinError&) {
  }
  return 0;
}
