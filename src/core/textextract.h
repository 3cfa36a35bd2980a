#pragma once
// Reading pieces of a web page between fixed markers. Marker searches ignore letter case (ASCII).
// Every piece taken out is trimmed and, when it then starts and ends with a double quote, the
// outer quotes are removed and inside it a doubled quote becomes one and a lone quote is dropped.
#include <optional>
#include <string>
#include <string_view>

namespace kavrin {

// What lies between the first `start` and the first `end` after it; empty when `start` is
// absent. When `end` is absent the result is empty, or, when `strict`, a KavrinError
// "Не удалось найти пару идентификаторов "start" - "end" в тексте\r\r[text]!".
std::string TextBetween(std::string_view text, std::string_view start, std::string_view end, bool strict);

// As the strict TextBetween, and `text` then loses everything up to and including `end`
// (it is left as it was when `start` is absent). `text` is a view that only moves forward, so
// walking a whole page costs time in proportion to its size.
std::string CutTextBetween(std::string_view& text, std::string_view start, std::string_view end);

// The piece from just after `marker` up to its next occurrence (or the end of the text); `text`
// is cut to start at that next occurrence. nullopt, with `text` unchanged, when `marker` is absent.
std::optional<std::string> NextTextElement(std::string_view& text, std::string_view marker);

// The strict TextBetween of the inner markers inside the strict TextBetween of the outer ones.
std::string NestedTextBetween(std::string_view text, std::string_view outerStart, std::string_view outerEnd,
                              std::string_view innerStart, std::string_view innerEnd);

}  // namespace kavrin
