#include "core/textextract.h"

#include <algorithm>

#include "core/errors.h"
#include "core/format.h"
#include "core/inifile.h"

namespace kavrin {
namespace {

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

size_t FindNoCase(std::string_view text, std::string_view marker, size_t from) {
  if (from > text.size()) return std::string_view::npos;
  auto it = std::search(text.begin() + static_cast<long>(from), text.end(), marker.begin(), marker.end(),
                        [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
  return it == text.end() && !marker.empty() ? std::string_view::npos : static_cast<size_t>(it - text.begin());
}

std::string CleanPiece(std::string_view piece) {
  std::string text = Trim(piece);
  if (text.size() < 2 || text.front() != '"' || text.back() != '"') return text;
  std::string out;
  const std::string_view inner = std::string_view(text).substr(1, text.size() - 2);
  for (size_t i = 0; i < inner.size(); ++i) {
    if (inner[i] != '"') {
      out += inner[i];
    } else if (i + 1 < inner.size() && inner[i + 1] == '"') {
      out += '"';
      ++i;
    }
  }
  return out;
}

struct Span {
  size_t pieceBegin = std::string_view::npos;  // npos: the start marker is absent
  size_t pieceEnd = std::string_view::npos;    // npos: the end marker is absent
};

Span FindBetween(std::string_view text, std::string_view start, std::string_view end, bool strict) {
  Span span;
  const size_t s = FindNoCase(text, start, 0);
  if (s == std::string_view::npos) return span;
  span.pieceBegin = s + start.size();
  span.pieceEnd = FindNoCase(text, end, span.pieceBegin);
  if (span.pieceEnd == std::string_view::npos && strict)
    throw KavrinError(Format("Не удалось найти пару идентификаторов \"%1:s\" - \"%2:s\" в тексте\r\r[%0:s]!",
                             {text, start, end}));
  return span;
}

}  // namespace

std::string TextBetween(std::string_view text, std::string_view start, std::string_view end, bool strict) {
  const Span span = FindBetween(text, start, end, strict);
  if (span.pieceBegin == std::string_view::npos || span.pieceEnd == std::string_view::npos) return {};
  return CleanPiece(text.substr(span.pieceBegin, span.pieceEnd - span.pieceBegin));
}

std::string CutTextBetween(std::string_view& text, std::string_view start, std::string_view end) {
  const Span span = FindBetween(text, start, end, true);
  if (span.pieceBegin == std::string_view::npos) return {};
  std::string piece = CleanPiece(text.substr(span.pieceBegin, span.pieceEnd - span.pieceBegin));
  text.remove_prefix(span.pieceEnd + end.size());
  return piece;
}

std::optional<std::string> NextTextElement(std::string_view& text, std::string_view marker) {
  const size_t s = FindNoCase(text, marker, 0);
  if (s == std::string_view::npos) return std::nullopt;
  const size_t begin = s + marker.size();
  const size_t next = std::min(FindNoCase(text, marker, begin), text.size());
  std::string element = CleanPiece(text.substr(begin, next - begin));
  text.remove_prefix(next);
  return element;
}

std::string NestedTextBetween(std::string_view text, std::string_view outerStart, std::string_view outerEnd,
                              std::string_view innerStart, std::string_view innerEnd) {
  return TextBetween(TextBetween(text, outerStart, outerEnd, true), innerStart, innerEnd, true);
}

}  // namespace kavrin
