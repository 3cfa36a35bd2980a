#include "combs/listfile.h"

#include "core/errors.h"
#include "core/fileio.h"
#include "core/format.h"
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
      // Anything that is no number 1..50 becomes 0, which the caller refuses.
      int32_t value;
      const bool number = TextToInt(line.substr(start, end - start), value) && value >= 1 && value <= NumberMax;
      comb[fields++] = static_cast<uint8_t>(number ? value : 0);
    }
    start = end + 1;
  }
  return fields == DrawSize;
}

// Calls `take` with each combination of the text. A five-field line that is no five distinct
// numbers 1..50 would index every method's tables out of range: it is refused by its line number.
template <typename Take>
void ForEachListComb(std::string_view text, Take&& take) {
  TComb comb{};
  int lineNumber = 0;
  ForEachLine(text, [&](std::string_view line) {
    ++lineNumber;
    if (line.empty() || !ListLineToComb(line, comb)) return;
    if (!IsValidComb(comb))
      throw KavrinError(Format("Строка %d: \"%s\" - не пять разных чисел от 1 до %d.",
                               {lineNumber, std::string(line), NumberMax}));
    take(comb);
  });
}

}  // namespace

void AppendListText(std::string_view text, TCombList& list) {
  ForEachListComb(text, [&](const TComb& comb) { list.Append(comb); });
}

void ReadListFile(const std::string& path, TCombList& list) {
  const std::string text = ReadFileBytes(path);
  try {
    ForEachListComb(text, [](const TComb&) {});  // a bad line leaves the list as it was
  } catch (const KavrinError& e) {
    throw KavrinError(Format("Файл %s. %s", {path, e.what()}));
  }
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
  ForEachLine(text, [&](std::string_view line) {
    const TComb comb = TextToComb(std::string(line));
    if (!IsValidComb(comb)) throw KavrinError(Format("Некорректная комбинация: \"%s\"!", {std::string(line)}));
    list.Append(comb);
  });
}

}  // namespace kavrin
