#pragma once
#include "stats/registration.h"

namespace kavrin {

// Group 3 methods of the channels (runs of ChannelSize consecutive numbers): "CHAN", "CHNV",
// "CHNC", "KCM%d", "KCS%d", "CHN%d".
void RegisterChannelMethods(TStatRegistrationTable& table);

}  // namespace kavrin
