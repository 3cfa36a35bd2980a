#pragma once
#include "stats/registration.h"

namespace kavrin {

// Group 2 methods of the differences between the numbers: "DIFA", "DIFM", "DIFD", "DIFO", "DIFK",
// "KDS2", "KDS3", "KDS4".
void RegisterDifferenceMethods(TStatRegistrationTable& table);

}  // namespace kavrin
