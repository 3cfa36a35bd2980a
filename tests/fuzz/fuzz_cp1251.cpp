// Windows-1251 both ways: any bytes convert, and every defined Windows-1251 text comes back
// unchanged from its UTF-8 form.
#include <cstdlib>

#include "core/cp1251.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes = kavrin::fuzz::AsText(data, size);
  const std::string utf8 = kavrin::Cp1251ToUtf8(bytes);
  // 0x98 is the one byte without a character.
  if (bytes.find('\x98') == std::string_view::npos && kavrin::Utf8ToCp1251(utf8) != bytes) std::abort();
  const size_t length = kavrin::Utf8Length(utf8);
  if (length != bytes.size()) std::abort();
  if (kavrin::Utf8Length(kavrin::Utf8Prefix(utf8, length / 2)) != length / 2) std::abort();
  // The other way any bytes are taken, malformed UTF-8 included.
  const std::string back = kavrin::Utf8ToCp1251(bytes);
  (void)kavrin::Utf8Prefix(bytes, size / 3);
  (void)kavrin::Utf8Length(bytes);
  (void)back;
  return 0;
}
