#include "support/xlsx_reader.h"

#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <stdexcept>

#include "support/temp_dir.h"

namespace kavrin::test {
namespace {

uint32_t Le(const std::string& bytes, size_t at, int size) {
  if (at + size > bytes.size()) throw std::runtime_error("xlsx: truncated zip");
  uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(bytes[at + i]);
  return v;
}

std::string Inflate(const std::string& packed, size_t size) {
  std::string out(size, '\0');
  z_stream z{};
  if (inflateInit2(&z, -MAX_WBITS) != Z_OK) throw std::runtime_error("xlsx: inflateInit2");
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
  z.avail_in = static_cast<uInt>(packed.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  const int result = inflate(&z, Z_FINISH);
  inflateEnd(&z);
  if (result != Z_STREAM_END || z.total_out != size) throw std::runtime_error("xlsx: bad deflate data");
  return out;
}

// The parts of a zip through its central directory (sizes there are right even when the
// local headers defer them to data descriptors).
std::map<std::string, std::string> UnzipParts(const std::string& zip) {
  if (zip.size() < 22) throw std::runtime_error("xlsx: not a zip");
  size_t end = zip.size() - 22;
  while (Le(zip, end, 4) != 0x06054b50) {
    if (end == 0) throw std::runtime_error("xlsx: no end of central directory");
    --end;
  }
  const uint32_t count = Le(zip, end + 10, 2);
  size_t at = Le(zip, end + 16, 4);
  std::map<std::string, std::string> parts;
  for (uint32_t i = 0; i < count; ++i) {
    if (Le(zip, at, 4) != 0x02014b50) throw std::runtime_error("xlsx: bad central directory");
    const uint32_t method = Le(zip, at + 10, 2), packedSize = Le(zip, at + 20, 4), size = Le(zip, at + 24, 4);
    const uint32_t nameLength = Le(zip, at + 28, 2), extra = Le(zip, at + 30, 2), comment = Le(zip, at + 32, 2);
    const uint32_t local = Le(zip, at + 42, 4);
    const std::string name = zip.substr(at + 46, nameLength);
    const size_t data = local + 30 + Le(zip, local + 26, 2) + Le(zip, local + 28, 2);
    const std::string packed = zip.substr(data, packedSize);
    if (method == 0) parts[name] = packed;
    else if (method == 8) parts[name] = Inflate(packed, size);
    else throw std::runtime_error("xlsx: unknown compression of " + name);
    at += 46 + nameLength + extra + comment;
  }
  return parts;
}

std::string Unescape(std::string text) {
  static const std::pair<const char*, const char*> entities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
  for (const auto& [entity, plain] : entities)
    for (size_t at = 0; (at = text.find(entity, at)) != std::string::npos; at += 1)
      text.replace(at, std::string(entity).size(), plain);
  return text;
}

std::string Attribute(const std::string& tag, const std::string& name) {
  const size_t at = tag.find(" " + name + "=\"");
  if (at == std::string::npos) return "";
  const size_t start = at + name.size() + 3;
  return Unescape(tag.substr(start, tag.find('"', start) - start));
}

// The elements <name …>…</name> or <name …/> inside `xml`, whole.
std::vector<std::string> Elements(const std::string& xml, const std::string& name) {
  std::vector<std::string> found;
  for (size_t at = 0; (at = xml.find("<" + name, at)) != std::string::npos;) {
    const char next = xml[at + name.size() + 1];
    if (next != ' ' && next != '>' && next != '/') {
      ++at;
      continue;
    }
    const size_t close = xml.find('>', at);
    size_t end = close + 1;
    if (xml[close - 1] != '/') end = xml.find("</" + name + ">", close) + name.size() + 3;
    found.push_back(xml.substr(at, end - at));
    at = end;
  }
  return found;
}

std::string Inner(const std::string& element, const std::string& name) {
  auto inner = Elements(element, name);
  if (inner.empty()) return "";
  const std::string& e = inner.front();
  const size_t open = e.find('>');
  if (e[open - 1] == '/') return "";
  return e.substr(open + 1, e.size() - open - 1 - name.size() - 3);
}

// "0", "0.00", "0.000%": fixed decimals as the format codes the export uses.
std::string ShowNumber(const std::string& value, const std::string& format) {
  if (format.empty()) return value;
  const bool percent = format.back() == '%';
  const size_t point = format.find('.');
  const int decimals = point == std::string::npos ? 0 : static_cast<int>(format.size() - point - 1 - (percent ? 1 : 0));
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::stod(value) * (percent ? 100 : 1));
  return std::string(buffer) + (percent ? "%" : "");
}

int ColumnOf(const std::string& ref) {
  int column = 0;
  for (char c : ref) {
    if (c < 'A' || c > 'Z') break;
    column = column * 26 + (c - 'A' + 1);
  }
  return column - 1;
}

int RowOf(const std::string& ref) { return std::stoi(ref.substr(ref.find_first_of("0123456789"))) - 1; }

}  // namespace

XlsxBook::XlsxBook(const std::string& path) : parts_(UnzipParts(ReadBytes(path))) {
  // The built-in formats a writer may use in place of its own codes.
  std::map<std::string, std::string> numberFormats = {{"1", "0"}, {"2", "0.00"}, {"9", "0%"}, {"10", "0.00%"}};
  const std::string& styles = Part("xl/styles.xml");
  for (const std::string& format : Elements(styles, "numFmt"))
    numberFormats[Attribute(format, "numFmtId")] = Attribute(format, "formatCode");
  const auto fonts = Elements(Inner(styles, "fonts"), "font");
  const auto fills = Elements(Inner(styles, "fills"), "fill");
  const auto xfs = Elements(Inner(styles, "cellXfs"), "xf");
  std::vector<std::string> shared;
  for (const std::string& si : Elements(Part("xl/sharedStrings.xml"), "si")) shared.push_back(Unescape(Inner(si, "t")));

  for (const std::string& c : Elements(Part("xl/worksheets/sheet1.xml"), "c")) {
    XlsxCell cell;
    const std::string tag = c.substr(0, c.find('>'));
    cell.Ref = Attribute(tag, "r");
    const std::string type = Attribute(tag, "t");
    if (type == "inlineStr") cell.Value = Unescape(Inner(c, "t"));
    else if (type == "s") cell.Value = shared.at(std::stoul(Inner(c, "v")));
    else if (type.empty()) {
      cell.Value = Inner(c, "v");
      cell.IsNumber = !cell.Value.empty();
    } else throw std::runtime_error("xlsx: unexpected cell type " + type);
    const std::string style = Attribute(tag, "s");
    if (!style.empty()) {
      const std::string& xf = xfs.at(std::stoul(style));
      const std::string formatId = Attribute(xf, "numFmtId");
      if (numberFormats.count(formatId)) cell.NumberFormat = numberFormats[formatId];
      const std::string& fill = fills.at(std::stoul(Attribute(xf, "fillId")));
      if (!Elements(fill, "fgColor").empty()) cell.Fill = Attribute(Elements(fill, "fgColor").front(), "rgb");
      const std::string& font = fonts.at(std::stoul(Attribute(xf, "fontId")));
      if (!Elements(font, "color").empty()) cell.FontColor = Attribute(Elements(font, "color").front(), "rgb");
      cell.Bold = !Elements(font, "b").empty();
    }
    cell.Shown = cell.IsNumber ? ShowNumber(cell.Value, cell.NumberFormat) : cell.Value;
    cells_.push_back(cell);
  }
}

const std::string& XlsxBook::Part(const std::string& name) const {
  static const std::string none;
  auto it = parts_.find(name);
  return it == parts_.end() ? none : it->second;
}

std::string XlsxBook::SheetName() const {
  auto sheets = Elements(Part("xl/workbook.xml"), "sheet");
  return sheets.empty() ? "" : Attribute(sheets.front(), "name");
}

std::string XlsxBook::FrozenPane() const {
  auto panes = Elements(Part("xl/worksheets/sheet1.xml"), "pane");
  return panes.empty() ? "" : panes.front();
}

std::string XlsxBook::AutoFilter() const {
  auto filters = Elements(Part("xl/worksheets/sheet1.xml"), "autoFilter");
  return filters.empty() ? "" : Attribute(filters.front(), "ref");
}

std::vector<double> XlsxBook::ColumnWidths() const {
  std::vector<double> widths;
  for (const std::string& col : Elements(Part("xl/worksheets/sheet1.xml"), "col"))
    for (int i = std::stoi(Attribute(col, "min")); i <= std::stoi(Attribute(col, "max")); ++i)
      widths.push_back(std::stod(Attribute(col, "width")));
  return widths;
}

const XlsxCell* XlsxBook::Cell(const std::string& ref) const {
  for (const XlsxCell& cell : cells_)
    if (cell.Ref == ref) return &cell;
  return nullptr;
}

std::string XlsxBook::ShownAsTsv() const {
  // The filter range spans the whole table, empty cells and rows included.
  const std::string range = AutoFilter();
  const std::string last = range.substr(range.find(':') + 1);
  std::vector<std::vector<std::string>> rows(RowOf(last) + 1, std::vector<std::string>(ColumnOf(last) + 1));
  for (const XlsxCell& cell : cells_) rows.at(RowOf(cell.Ref)).at(ColumnOf(cell.Ref)) = cell.Shown;
  std::string tsv;
  for (const auto& row : rows) {
    for (size_t i = 0; i < row.size(); ++i) tsv += (i ? "\t" : "") + row[i];
    tsv += "\n";
  }
  return tsv;
}

}  // namespace kavrin::test
