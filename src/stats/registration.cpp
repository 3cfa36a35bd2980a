#include "stats/registration.h"

#include "stats/methods/channels.h"
#include "stats/methods/charnumbers.h"
#include "stats/methods/diffs.h"
#include "stats/methods/matrix.h"
#include "stats/methods/numbers.h"
#include "stats/methods/numbertuples.h"
#include "stats/methods/sequences.h"
#include "stats/methods/series.h"
#include "stats/methods/shredding.h"
#include "stats/methods/sums.h"
#include "stats/methods/transitions.h"

namespace kavrin {

const TStatRegistrationTable& StatRegistrationTable() {
  static const TStatRegistrationTable table = [] {
    TStatRegistrationTable t{};
    RegisterNumberMethods(t);
    RegisterSumMethods(t);
    RegisterDifferenceMethods(t);
    RegisterChannelMethods(t);
    RegisterMatrixMethods(t);
    RegisterSegmentMethods(t);
    RegisterNumberTupleMethods(t);
    RegisterSequenceMethods(t);
    RegisterSeriesMethods(t);
    RegisterTransitionMethods(t);
    RegisterCharNumberMethods(t);
    RegisterShreddingMethods(t);
    return t;
  }();
  return table;
}

}  // namespace kavrin
