#pragma once
#include "stats/registration.h"

namespace kavrin {

// Group 0 methods of one draw's numbers: "NUMS", "DIGS", "EVEN", "EVNV", "SMAL", "SMLV", "PRIM",
// "PRMV", "POS%d", "POE%d".
void RegisterNumberMethods(TStatRegistrationTable& table);

}  // namespace kavrin
