#include "stats/registration.h"

#include "stats/methods/diffs.h"
#include "stats/methods/numbers.h"
#include "stats/methods/sums.h"

namespace kavrin {

const TStatRegistrationTable& StatRegistrationTable() {
  static const TStatRegistrationTable table = [] {
    TStatRegistrationTable t{};
    RegisterNumberMethods(t);
    RegisterSumMethods(t);
    RegisterDifferenceMethods(t);
    return t;
  }();
  return table;
}

}  // namespace kavrin
