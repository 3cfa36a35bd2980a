#pragma once
// The lines of a text read whole: every file and reply the program reads line by line is split
// by this one rule.
#include <string>
#include <string_view>
#include <vector>

namespace kavrin {

// Calls visit(line) for each line of the text; lines end at CR LF, CR or LF, and a final line
// end starts no further line.
template <typename Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    visit(text.substr(start, end - start));
    if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
}

inline std::vector<std::string> TextLines(std::string_view text) {
  std::vector<std::string> lines;
  ForEachLine(text, [&](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

}  // namespace kavrin
