#include "core/xlsxexport.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <map>
#include <vector>

#include "core/errors.h"
#include "core/fileio.h"

namespace kavrin {
namespace {

constexpr int MaxExactDigits = 15;  // what a double shows back unchanged
constexpr size_t MaxSheetNameLength = 31;
constexpr double MinColumnWidth = 4;
constexpr double MaxColumnWidth = 80;
constexpr double FilterButtonWidth = 3;  // the header's filter button covers the end of the caption

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t CharacterCount(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The sheet name rules of the format: at most 31 characters, none of []:*?/\ and no apostrophe
// at either end; the title is kept as far as they allow.
std::string SheetName(const std::string& title) {
  std::string name;
  size_t characters = 0;
  for (size_t i = 0; i < title.size(); ++i) {
    const char c = title[i];
    const bool starts = (c & 0xC0) != 0x80;
    if (starts && ++characters > MaxSheetNameLength) break;
    name += std::string_view("[]:*?/\\").find(c) == std::string_view::npos ? c : '_';
  }
  while (!name.empty() && name.front() == '\'') name.erase(0, 1);
  while (!name.empty() && name.back() == '\'') name.pop_back();
  return name.empty() ? "Лист1" : name;
}

// libxlsxwriter takes 0 as "no colour" and spells black differently.
lxw_color_t SheetColor(TColor color) { return color == 0 ? lxw_color_t{LXW_COLOR_BLACK} : color; }

struct TFormatKey {
  bool Header = false;
  std::optional<TCellNumber> Number = std::nullopt;  // only Decimals and Percent count
  TCellColors Colors = {};
  auto Tie() const {
    return std::tuple(Header, Number.has_value(), Number ? Number->Decimals : 0, Number && Number->Percent,
                      Colors.Background.value_or(0), Colors.Background.has_value(), Colors.Text.value_or(0),
                      Colors.Text.has_value());
  }
  bool operator<(const TFormatKey& other) const { return Tie() < other.Tie(); }
};

// One format object per distinct look: a workbook holds a limited number of them.
class TFormats {
 public:
  explicit TFormats(lxw_workbook* workbook) : workbook_(workbook) {}

  lxw_format* Get(const TFormatKey& key) {
    if (!key.Header && !key.Number && !key.Colors.Background && !key.Colors.Text) return nullptr;
    auto [it, added] = formats_.try_emplace(key, nullptr);
    if (added) it->second = Create(key);
    return it->second;
  }

 private:
  lxw_format* Create(const TFormatKey& key) {
    lxw_format* format = workbook_add_format(workbook_);
    if (key.Header) format_set_bold(format);
    if (key.Number) {
      std::string code = key.Number->Decimals > 0 ? "0." + std::string(key.Number->Decimals, '0') : "0";
      if (key.Number->Percent) code += '%';
      format_set_num_format(format, code.c_str());
    }
    if (key.Colors.Background) {
      format_set_pattern(format, LXW_PATTERN_SOLID);
      format_set_bg_color(format, SheetColor(*key.Colors.Background));
    }
    if (key.Colors.Text) format_set_font_color(format, SheetColor(*key.Colors.Text));
    return format;
  }

  lxw_workbook* workbook_;
  std::map<TFormatKey, lxw_format*> formats_;
};

TCellColors ColorsAt(const TExportTable& table, size_t row, size_t column) {
  if (row >= table.Colors.size() || column >= table.Colors[row].size()) return {};
  return table.Colors[row][column];
}

// Widths in characters of the default font: the longest text of each column.
std::vector<double> ColumnWidths(const TExportTable& table, size_t columns) {
  std::vector<double> widths(columns, MinColumnWidth);
  auto fit = [&](size_t column, std::string_view text, double extra) {
    widths[column] = std::clamp(static_cast<double>(CharacterCount(text)) + extra, widths[column], MaxColumnWidth);
  };
  for (size_t column = 0; column < table.Header.size(); ++column) fit(column, table.Header[column], FilterButtonWidth);
  for (const auto& row : table.Rows)
    for (size_t column = 0; column < row.size(); ++column) fit(column, row[column], 1);
  return widths;
}

// The staging file that libxlsxwriter writes by name; removed whatever happens.
class TStagingFile {
 public:
  TStagingFile() {
    std::error_code error;
    std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    if (error) folder = "/tmp";
    std::string pattern = (folder / "kavrin-xlsx-XXXXXX").string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) throw KavrinError(std::string(std::strerror(errno)) + " (" + pattern + ")");
    ::close(fd);
    path_ = pattern;
  }
  ~TStagingFile() { ::unlink(path_.c_str()); }
  TStagingFile(const TStagingFile&) = delete;
  TStagingFile& operator=(const TStagingFile&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

std::optional<TCellNumber> CellNumber(std::string_view text, const LocaleSettings& locale) {
  TCellNumber number;
  std::string plain;  // the number with a point, for from_chars
  size_t i = 0;
  if (i < text.size() && text[i] == '-') plain += text[i++];
  const size_t integerStart = i;
  while (i < text.size() && IsDigit(text[i])) plain += text[i++];
  const size_t integerDigits = i - integerStart;
  if (integerDigits == 0 || (integerDigits > 1 && text[integerStart] == '0')) return std::nullopt;
  int digits = integerDigits == 1 && text[integerStart] == '0' ? 0 : static_cast<int>(integerDigits);
  const std::string& separator = locale.DecimalSeparator;
  if (!separator.empty() && text.substr(i, separator.size()) == separator) {
    i += separator.size();
    plain += '.';
    const size_t fractionStart = i;
    while (i < text.size() && IsDigit(text[i])) plain += text[i++];
    number.Decimals = static_cast<int>(i - fractionStart);
    if (number.Decimals == 0) return std::nullopt;
    digits += number.Decimals;
  }
  if (i < text.size() && text[i] == '%') {
    number.Percent = true;
    ++i;
  }
  if (i != text.size() || digits > MaxExactDigits) return std::nullopt;
  std::from_chars(plain.data(), plain.data() + plain.size(), number.Value);
  if (number.Percent) number.Value /= 100;
  return number;
}

void WriteXlsxTable(const std::string& path, const TExportTable& table, const LocaleSettings& locale) {
  size_t columns = table.Header.size();
  for (const auto& row : table.Rows) columns = std::max(columns, row.size());
  if (table.Rows.size() + 1 > LXW_ROW_MAX || columns > LXW_COL_MAX)
    throw KavrinError(Format("Таблица (строк: %d, столбцов: %d) не помещается на лист: "
                             "на нём не более %d строк и %d столбцов.",
                             {table.Rows.size() + 1, columns, LXW_ROW_MAX, LXW_COL_MAX}));

  TStagingFile staging;
  lxw_workbook_options options{};
  options.constant_memory = LXW_TRUE;  // rows go to disk as they are written: a stakes file may be long
  lxw_workbook* workbook = workbook_new_opt(staging.Path().c_str(), &options);
  if (!workbook) throw KavrinError(lxw_strerror(LXW_ERROR_MEMORY_MALLOC_FAILED));
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, SheetName(table.Title).c_str());
  // Every write is tried and the first failure kept: the workbook must be closed in any case.
  lxw_error error = sheet ? LXW_NO_ERROR : LXW_ERROR_PARAMETER_VALIDATION;
  auto check = [&](lxw_error result) {
    if (error == LXW_NO_ERROR) error = result;
  };
  if (sheet) {
    TFormats formats(workbook);
    const std::vector<double> widths = ColumnWidths(table, columns);
    for (size_t column = 0; column < columns; ++column)
      check(worksheet_set_column(sheet, static_cast<lxw_col_t>(column), static_cast<lxw_col_t>(column),
                                 widths[column], nullptr));
    for (size_t column = 0; column < table.Header.size(); ++column)
      check(worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(column), table.Header[column].c_str(),
                                   formats.Get({.Header = true})));
    for (size_t row = 0; row < table.Rows.size() && error == LXW_NO_ERROR; ++row)
      for (size_t column = 0; column < table.Rows[row].size(); ++column) {
        const std::string& text = table.Rows[row][column];
        const auto cellRow = static_cast<lxw_row_t>(row + 1);
        const auto cellColumn = static_cast<lxw_col_t>(column);
        const std::optional<TCellNumber> number = CellNumber(text, locale);
        lxw_format* format = formats.Get({.Number = number, .Colors = ColorsAt(table, row, column)});
        if (number)
          check(worksheet_write_number(sheet, cellRow, cellColumn, number->Value, format));
        else if (text.empty())
          check(format ? worksheet_write_blank(sheet, cellRow, cellColumn, format) : LXW_NO_ERROR);
        else
          check(worksheet_write_string(sheet, cellRow, cellColumn, text.c_str(), format));
      }
    worksheet_freeze_panes(sheet, 1, 0);
    if (columns > 0)
      check(worksheet_autofilter(sheet, 0, 0, static_cast<lxw_row_t>(table.Rows.size()),
                                 static_cast<lxw_col_t>(columns - 1)));
  }
  check(workbook_close(workbook));
  if (error != LXW_NO_ERROR) throw KavrinError(lxw_strerror(error));
  WriteFileAtomic(path, ReadFileBytes(staging.Path()));
}

}  // namespace kavrin
