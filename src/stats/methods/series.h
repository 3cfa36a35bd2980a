#pragma once
#include "stats/registration.h"

namespace kavrin {

// Group 8 methods of series of a number, channel or segment: "GRPV", "GRPP", "GRCV", "GRCP",
// "GRSV", "GRSP"; group 9 methods of their repeat periods: "PRDV", "PRDC", "PRDG".
void RegisterSeriesMethods(TStatRegistrationTable& table);

}  // namespace kavrin
