#pragma once
// Text comparison as the user's Russian locale does it: letter case of Latin and Cyrillic
// letters, and alphabetical order (other characters, then Latin, then Cyrillic letters, Ё between
// Е and Ж). Texts are UTF-8.
#include <string>
#include <string_view>

namespace kavrin {

// Equal when the texts differ at most in letter case.
bool LocaleSameText(std::string_view a, std::string_view b);

// Alphabetical order that still tells case apart: letters compare by the alphabet first, then a
// lower-case letter comes before its capital. Negative, 0 or positive, as strcmp.
int LocaleCompareStr(std::string_view a, std::string_view b);

// The same alphabetical order with letter case ignored, as the lists of the window sort their
// texts: negative, 0 or positive.
int CompareTextIgnoreCase(std::string_view a, std::string_view b);

// A code point in lower case (Latin and Cyrillic letters; other characters as they are).
char32_t LocaleLower(char32_t c);
// The code points of UTF-8 text.
std::u32string CodePoints(std::string_view utf8);

}  // namespace kavrin
