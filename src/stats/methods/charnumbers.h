#pragma once
#include "stats/registration.h"

namespace kavrin {

// Group 11 methods of the characteristic number of a draw: "HCN1", "HCN2", "HCN3".
void RegisterCharNumberMethods(TStatRegistrationTable& table);

}  // namespace kavrin
