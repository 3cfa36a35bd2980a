#include "stats/textcompare.h"

#include <string>

#include "core/cp1251.h"

namespace kavrin {
namespace {

// Windows-1251 with capitals folded, "ё" placed right after "е", so byte order is the
// alphabetical order of the Russian letters.
std::string FoldedKey(std::string_view text) {
  std::string bytes = Utf8ToCp1251(text);
  std::string key;
  key.reserve(bytes.size() * 2);
  for (char c : bytes) {
    auto b = static_cast<unsigned char>(c);
    if (b >= 'A' && b <= 'Z') b = static_cast<unsigned char>(b + 32);
    else if (b >= 0xC0 && b <= 0xDF) b = static_cast<unsigned char>(b + 32);
    else if (b == 0xA8) b = 0xB8;
    if (b == 0xB8) {  // "ё" sorts between "е" (0xE5) and "ж" (0xE6)
      key += static_cast<char>(0xE5);
      key += '\x01';
      continue;
    }
    key += static_cast<char>(b);
    if (b == 0xE5) key += '\x00';
  }
  return key;
}

}  // namespace

int CompareTextIgnoreCase(std::string_view a, std::string_view b) { return FoldedKey(a).compare(FoldedKey(b)); }

}  // namespace kavrin
