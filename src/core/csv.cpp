#include "core/csv.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>

#include "core/archive.h"
#include "core/inifile.h"
#include "core/textlines.h"

namespace kavrin {
namespace {

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + "\"";
}

bool IsBlank(char c) { return c != '\0' && static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string DrawsToCsv(const TDrawsArray& draws) {
  std::string out;
  for (const TDrawRec& d : draws) {
    out += std::to_string(d.Number) + ";" + Quoted(d.Date);
    for (uint8_t n : d.Numbers) out += ";" + std::to_string(n);
    out += ";" + std::to_string(d.Extra) + "\r\n";
  }
  return out;
}

std::vector<std::string> SplitCsvLine(const std::string& line) {
  std::vector<std::string> fields;
  const char* p = line.c_str();
  while (IsBlank(*p)) ++p;
  while (*p != '\0') {
    std::string field;
    if (*p == '"') {
      ++p;
      while (*p != '\0') {
        if (*p == '"') {
          if (p[1] != '"') {
            ++p;
            break;
          }
          ++p;
        }
        field += *p++;
      }
    } else {
      while (*p != '\0' && !IsBlank(*p) && *p != ';') field += *p++;
    }
    fields.push_back(field);
    while (IsBlank(*p)) ++p;
    if (*p == ';') {
      if (p[1] == '\0') fields.emplace_back();
      do ++p;
      while (IsBlank(*p));
    }
  }
  return fields;
}

TCsvImportResult ImportDrawsCsv(const std::string& text, TDrawsArray& draws) {
  TCsvImportResult result;
  // A line without a draw number takes the next free one: one above the highest number. The
  // count of draws plus one is not free when the numbers have gaps or do not start at 1.
  int64_t highest = 0;
  // Every line looks its number up: a set keeps the import linear in the lines.
  std::unordered_set<int32_t> present;
  present.reserve(draws.size());
  for (const TDrawRec& d : draws) {
    highest = std::max<int64_t>(highest, d.Number);
    present.insert(d.Number);
  }
  ForEachLine(text, [&](std::string_view lineView) {
    const std::string line(lineView);
    if (Trim(line).empty()) return;

    std::vector<std::string> fields = SplitCsvLine(line);
    if (fields.size() != 7 && fields.size() != 8) return;
    const size_t first = fields.size() == 8 ? 1 : 0;
    TDrawRec draw;
    draw.Number = first ? NumberFromText(fields[0]) : static_cast<int32_t>(std::min<int64_t>(highest + 1, INT32_MAX));
    draw.Date = CutDrawDate(fields[first]);
    std::vector<int32_t> numbers;
    for (int i = 0; i < DrawSize; ++i) numbers.push_back(NumberFromText(fields[first + 1 + i]));
    int32_t extra = NumberFromText(fields[first + 1 + DrawSize]);
    if (draw.Number <= 0 || present.count(draw.Number)) return;
    if (!ValidDrawNumbers(numbers, extra)) {
      ++result.SkippedInvalid;
      return;
    }
    for (int i = 0; i < DrawSize; ++i) draw.Numbers[i] = static_cast<uint8_t>(numbers[i]);
    draw.Extra = static_cast<uint8_t>(extra);
    draws.push_back(draw);
    present.insert(draw.Number);
    highest = std::max<int64_t>(highest, draw.Number);
    ++result.Appended;
  });
  return result;
}

}  // namespace kavrin
