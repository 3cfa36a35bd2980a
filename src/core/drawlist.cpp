#include "core/drawlist.h"

#include "core/inifile.h"

namespace kavrin {

const std::array<std::string, DrawListColumnCount>& DrawListCaptions() {
  static const std::array<std::string, DrawListColumnCount> captions = {"Тираж", "1", "2", "3", "4",
                                                                         "5", "E", "S", "Дата тиража"};
  return captions;
}

std::array<std::string, DrawListColumnCount> DrawListRow(const TDrawRec& stored, bool sorted) {
  TDrawRec draw = stored;
  if (sorted) SortDrawNumbers(draw);
  std::array<std::string, DrawListColumnCount> row;
  row[0] = std::to_string(draw.Number);
  int sum = 0;
  for (int i = 0; i < DrawSize; ++i) {
    row[1 + i] = std::to_string(draw.Numbers[i]);
    sum += draw.Numbers[i];
  }
  row[6] = std::to_string(draw.Extra);
  row[7] = std::to_string(sum);
  row[8] = draw.Date;
  return row;
}

std::optional<TColor> DrawListCellColor(const TDrawArchive& archive, int position, int column, bool sorted,
                                        bool colorDraws, int channelSize) {
  const bool numberColumn = column >= 1 && column <= DrawSize;
  if (colorDraws && numberColumn) {
    TDrawRec draw = DrawForAnalysis(archive.Draws(), archive.IndexOfPosition(position), sorted);
    return GroupColor(draw.Numbers[column - 1], channelSize);
  }
  if (position == archive.Offset()) return OffsetRowColor;
  if (colorDraws) return WhiteColor;
  return std::nullopt;
}

std::array<TCellColors, DrawListColumnCount> DrawListRowColors(const TDrawArchive& archive, int position, bool sorted,
                                                               bool colorDraws, int channelSize) {
  std::array<TCellColors, DrawListColumnCount> colors;
  for (int column = 0; column < DrawListColumnCount; ++column)
    colors[column].Background = DrawListCellColor(archive, position, column, sorted, colorDraws, channelSize);
  return colors;
}

TDrawDialogFields DrawDialogPrefill(const TDrawRec& draw) {
  TDrawDialogFields fields;
  fields.Number = draw.Number;
  for (int i = 0; i < DrawSize; ++i) fields.NumbersText += std::to_string(draw.Numbers[i]) + ";";
  fields.NumbersText += std::to_string(draw.Extra);
  TDateTime date = DrawTextToDateTime(draw.Date);
  fields.DateTime = date > 0 ? date : NowDateTime();
  return fields;
}

std::optional<TDrawRec> DrawFromDialog(const TDrawDialogFields& fields) {
  std::vector<std::string> words;
  std::string word;
  for (char c : fields.NumbersText + ";") {
    if (c == ',' || c == ';') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (words.size() != DrawSize + ExtraCount) return std::nullopt;
  TDrawRec draw;
  draw.Number = fields.Number;
  bool seen[NumberMax + 1] = {};
  for (int i = 0; i < DrawSize; ++i) {
    int32_t n;
    if (!TextToInt(words[i], n) || n < 1 || n > NumberMax || seen[n]) return std::nullopt;
    seen[n] = true;
    draw.Numbers[i] = static_cast<uint8_t>(n);
  }
  int32_t extra;
  if (!TextToInt(words[DrawSize], extra) || extra < 1 || extra > ExtraMax) return std::nullopt;
  draw.Extra = static_cast<uint8_t>(extra);
  draw.Date = DateTimeToDrawText(fields.DateTime);
  return draw;
}

}  // namespace kavrin
