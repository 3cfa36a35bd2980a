#pragma once
#include <string_view>

namespace kavrin {

// Orders two texts alphabetically ignoring letter case, Latin and Cyrillic alike, as the lists
// of the window sort their texts: negative, 0 or positive.
int CompareTextIgnoreCase(std::string_view a, std::string_view b);

}  // namespace kavrin
