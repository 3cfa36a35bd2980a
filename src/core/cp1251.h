#pragma once
// Windows-1251 is the encoding of every file; the program works in UTF-8 inside.
#include <string>
#include <string_view>

namespace kavrin {

// Characters without a Windows-1251 form, and malformed UTF-8 bytes, become '?'.
std::string Utf8ToCp1251(std::string_view utf8);
std::string Cp1251ToUtf8(std::string_view cp1251);

// The first maxChars characters of a UTF-8 text (a character never split).
std::string Utf8Prefix(std::string_view utf8, size_t maxChars);
size_t Utf8Length(std::string_view utf8);

}  // namespace kavrin
