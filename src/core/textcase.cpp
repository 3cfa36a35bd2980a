#include "core/textcase.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace kavrin {

char32_t LocaleLower(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;  // А..Я
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;  // Ѐ..Џ, Ё among them
  return c;
}

std::u32string CodePoints(std::string_view utf8) {
  std::u32string out;
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

namespace {

bool IsUpper(char32_t c) { return (c >= 'A' && c <= 'Z') || (c >= 0x400 && c <= 0x42F); }

bool IsLetter(char32_t lower) { return (lower >= 'a' && lower <= 'z') || (lower >= 0x430 && lower <= 0x45F); }

// Letters after every other character; ё sorts right after е.
uint64_t PrimaryWeight(char32_t c) {
  char32_t lower = LocaleLower(c);
  if (!IsLetter(lower)) return c;
  constexpr uint64_t LetterBase = 0x200000;
  if (lower == 0x451) return LetterBase + 0x435 * 2 + 1;
  return LetterBase + static_cast<uint64_t>(lower) * 2;
}

}  // namespace

bool LocaleSameText(std::string_view a, std::string_view b) {
  const std::u32string x = CodePoints(a), y = CodePoints(b);
  if (x.size() != y.size()) return false;
  for (size_t i = 0; i < x.size(); ++i)
    if (LocaleLower(x[i]) != LocaleLower(y[i])) return false;
  return true;
}

namespace {

int ComparePrimary(const std::u32string& x, const std::u32string& y) {
  const size_t n = std::min(x.size(), y.size());
  for (size_t i = 0; i < n; ++i) {
    uint64_t wx = PrimaryWeight(x[i]), wy = PrimaryWeight(y[i]);
    if (wx != wy) return wx < wy ? -1 : 1;
  }
  if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
  return 0;
}

}  // namespace

int CompareTextIgnoreCase(std::string_view a, std::string_view b) { return ComparePrimary(CodePoints(a), CodePoints(b)); }

int LocaleCompareStr(std::string_view a, std::string_view b) {
  const std::u32string x = CodePoints(a), y = CodePoints(b);
  if (const int primary = ComparePrimary(x, y)) return primary;
  const size_t n = x.size();
  for (size_t i = 0; i < n; ++i)
    if (IsUpper(x[i]) != IsUpper(y[i])) return IsUpper(x[i]) ? 1 : -1;
  return 0;
}

}  // namespace kavrin
