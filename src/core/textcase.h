#pragma once
// Text comparison as the user's Russian locale does it: letter case of Latin and Cyrillic
// letters, and alphabetical order (Latin before Cyrillic, Ё between Е and Ж).
#include <string_view>

namespace kavrin {

// Equal when the texts differ at most in letter case.
bool LocaleSameText(std::string_view a, std::string_view b);

// Alphabetical order that still tells case apart: letters compare by the alphabet first, then a
// lower-case letter comes before its capital. Negative, 0 or positive, as strcmp.
int LocaleCompareStr(std::string_view a, std::string_view b);

}  // namespace kavrin
