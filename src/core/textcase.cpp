#include "stakes/textcase.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kavrin {
namespace {

std::vector<char32_t> CodePoints(std::string_view utf8) {
  std::vector<char32_t> out;
  for (size_t i = 0; i < utf8.size();) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    char32_t cp = extra == 0 ? c : (c & (0x3F >> extra));
    size_t j = 1;
    for (; j <= static_cast<size_t>(extra) && i + j < utf8.size(); ++j)
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + j]) & 0x3F);
    out.push_back(cp);
    i += j;
  }
  return out;
}

bool IsUpper(char32_t c) { return (c >= 'A' && c <= 'Z') || (c >= 0x400 && c <= 0x42F); }

char32_t ToLower(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;  // А..Я
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;  // Ѐ..Џ, Ё among them
  return c;
}

bool IsLetter(char32_t lower) { return (lower >= 'a' && lower <= 'z') || (lower >= 0x430 && lower <= 0x45F); }

// Letters after every other character; ё sorts right after е.
uint64_t PrimaryWeight(char32_t c) {
  char32_t lower = ToLower(c);
  if (!IsLetter(lower)) return c;
  constexpr uint64_t LetterBase = 0x200000;
  if (lower == 0x451) return LetterBase + 0x435 * 2 + 1;
  return LetterBase + static_cast<uint64_t>(lower) * 2;
}

}  // namespace

bool LocaleSameText(std::string_view a, std::string_view b) {
  std::vector<char32_t> x = CodePoints(a), y = CodePoints(b);
  if (x.size() != y.size()) return false;
  for (size_t i = 0; i < x.size(); ++i)
    if (ToLower(x[i]) != ToLower(y[i])) return false;
  return true;
}

int LocaleCompareStr(std::string_view a, std::string_view b) {
  std::vector<char32_t> x = CodePoints(a), y = CodePoints(b);
  size_t n = std::min(x.size(), y.size());
  for (size_t i = 0; i < n; ++i) {
    uint64_t wx = PrimaryWeight(x[i]), wy = PrimaryWeight(y[i]);
    if (wx != wy) return wx < wy ? -1 : 1;
  }
  if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
  for (size_t i = 0; i < n; ++i)
    if (IsUpper(x[i]) != IsUpper(y[i])) return IsUpper(x[i]) ? 1 : -1;
  return 0;
}

}  // namespace kavrin
