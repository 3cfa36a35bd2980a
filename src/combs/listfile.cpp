#include "combs/listfile.h"

#include "core/fileio.h"
#include "core/inifile.h"
#include "core/textlines.h"

namespace kavrin {
namespace {

// Reads one list-file line into `comb`; false when it has other than five fields.
bool ListLineToComb(std::string_view line, TComb& comb) {
  int fields = 0;
  size_t start = 0;
  while (start <= line.size()) {
    size_t end = line.find_first_of(",;", start);
    if (end == std::string_view::npos) end = line.size();
    if (end > start) {
      if (fields == DrawSize) return false;
      int32_t value;
      comb[fields++] = static_cast<uint8_t>(TextToInt(line.substr(start, end - start), value) ? value : 0);
    }
    start = end + 1;
  }
  return fields == DrawSize;
}

}  // namespace

void AppendListText(std::string_view text, TCombList& list) {
  TComb comb{};
  ForEachLine(text, [&](std::string_view line) {
    if (!line.empty() && ListLineToComb(line, comb)) list.Append(comb);
  });
}

void ReadListFile(const std::string& path, TCombList& list) {
  const std::string text = ReadFileBytes(path);
  list.Clear();
  AppendListText(text, list);
}

std::string ListFileText(const TCombList& list) {
  std::string text;
  text.reserve(static_cast<size_t>(list.Count()) * 16);
  for (const TComb& comb : list.Combs()) {
    text += CombToText(comb);
    text += "\r\n";
  }
  return text;
}

void WriteListFile(const std::string& path, const TCombList& list) { WriteFileAtomic(path, ListFileText(list)); }

std::string CombsClipboardText(const TCombList& list, const TRowSelection& selection) {
  std::string text;
  for (const TRowSelection::Range& range : selection.Ranges())
    for (int32_t row = range.First; row <= range.Last && row < list.Count(); ++row) {
      text += CombToSpacedText(list[row]);
      text += "\r\n";
    }
  return text;
}

void PasteCombs(std::string_view text, TCombList& list) {
  list.Clear();
  ForEachLine(text, [&](std::string_view line) { list.Append(TextToComb(std::string(line))); });
}

}  // namespace kavrin
