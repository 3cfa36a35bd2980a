#pragma once
#include "stats/registration.h"

namespace kavrin {

// Group 10 methods of transitions between draws: "SDV2", "SDP2", "SDN%d", "SDP3", "SDM%d", their
// channel ("SC...") and segment ("SS...") twins, the counts in one channel or segment "SC2C%d",
// "SC3C%d", "SS2C%d", "SS3C%d", and the transitions inside channels "SDA2", "SDG2", "SDZ2", "SDC2".
void RegisterTransitionMethods(TStatRegistrationTable& table);

}  // namespace kavrin
