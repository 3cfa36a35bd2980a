#include "core/cp1251.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace kavrin {
namespace {

// One conversion direction; invalid input bytes are replaced one at a time so that a damaged
// file still loads.
std::string Convert(const char* to, const char* from, std::string_view in, size_t badInputStep) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
  std::string out;
  out.resize(in.size() * 2 + 16);
  char* inPtr = const_cast<char*>(in.data());
  size_t inLeft = in.size();
  char* outPtr = out.data();
  size_t outLeft = out.size();
  while (inLeft > 0) {
    size_t r = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    if (r != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) {
      size_t used = out.size() - outLeft;
      out.resize(out.size() * 2);
      outPtr = out.data() + used;
      outLeft = out.size() - used;
      continue;
    }
    // EILSEQ or EINVAL: skip the offending input and write a question mark instead.
    size_t step = std::min(inLeft, badInputStep);
    if (errno == EILSEQ && badInputStep > 1) {
      // Skip a whole UTF-8 sequence when its lead byte says how long it is.
      unsigned char lead = static_cast<unsigned char>(*inPtr);
      size_t len = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
      size_t valid = 1;
      while (valid < len && valid < inLeft && (static_cast<unsigned char>(inPtr[valid]) & 0xC0) == 0x80) ++valid;
      step = valid;
    }
    inPtr += step;
    inLeft -= step;
    if (outLeft < 1) {
      size_t used = out.size() - outLeft;
      out.resize(out.size() * 2);
      outPtr = out.data() + used;
      outLeft = out.size() - used;
    }
    *outPtr++ = '?';
    --outLeft;
  }
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;
}

bool IsAscii(std::string_view text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

}  // namespace

std::string Utf8ToCp1251(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  return Convert("CP1251", "UTF-8", utf8, 4);
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
  if (IsAscii(cp1251)) return std::string(cp1251);
  return Convert("UTF-8", "CP1251", cp1251, 1);
}

std::string Utf8Prefix(std::string_view utf8, size_t maxChars) {
  size_t chars = 0;
  for (size_t i = 0; i < utf8.size(); ++i) {
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
      if (chars == maxChars) return std::string(utf8.substr(0, i));
      ++chars;
    }
  }
  return std::string(utf8);
}

size_t Utf8Length(std::string_view utf8) {
  size_t chars = 0;
  for (unsigned char c : utf8)
    if ((c & 0xC0) != 0x80) ++chars;
  return chars;
}

}  // namespace kavrin
