#pragma once
// Small archives for the view tests.
#include <string>
#include <vector>

#include "core/game.h"
#include "support/draws.h"

namespace kavrin::test {

}  // namespace kavrin::test
