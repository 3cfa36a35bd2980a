#pragma once
#include "stats/registration.h"

namespace kavrin {

// Group 6 methods of runs of consecutive numbers in one draw: "SEQL", "SEQS", "LENS"; group 7
// methods of numbers repeating across draws: "RPV2", "RPV3", "PRL2", "PRV2O%d", "PRV%s", "RPC2",
// "RPC3", "PRB2", "RPO1", "PRC2O%d", "PRC%s".
void RegisterSequenceMethods(TStatRegistrationTable& table);

}  // namespace kavrin
