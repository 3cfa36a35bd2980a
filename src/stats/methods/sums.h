#pragma once
#include "stats/registration.h"

namespace kavrin {

// Group 1 methods of the draw's sum: "SUMS", "SUM%d", "SUMC", "SUMV", "SUMT", "SUME", "SUMP", "S2T3".
void RegisterSumMethods(TStatRegistrationTable& table);

}  // namespace kavrin
