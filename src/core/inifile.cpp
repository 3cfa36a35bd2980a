#include "core/inifile.h"

#include <cctype>
#include <climits>

#include "core/cp1251.h"
#include "core/fileio.h"
#include "core/textlines.h"

namespace kavrin {

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

std::string Trim(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= ' ') --e;
  return std::string(text.substr(b, e - b));
}

bool TextToInt(std::string_view text, int32_t& value) {
  std::string s = Trim(text);
  if (s.empty()) return false;
  size_t i = 0;
  bool negative = false;
  if (s[0] == '-' || s[0] == '+') {
    negative = s[0] == '-';
    i = 1;
  }
  if (i >= s.size()) return false;
  int64_t v = 0;
  for (; i < s.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
    v = v * 10 + (s[i] - '0');
    if (v > static_cast<int64_t>(INT32_MAX) + 1) return false;
  }
  if (negative) v = -v;
  if (v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<int32_t>(v);
  return true;
}

TIniFile::TIniFile(std::string path, const LocaleSettings& locale) : path_(std::move(path)), locale_(locale) {
  sections_.push_back(Section{});
  if (!FileExists(path_)) return;
  std::string text = Cp1251ToUtf8(ReadFileBytes(path_));
  for (const std::string& line : TextLines(text)) {
    std::string trimmed = Trim(line);
    if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']') {
      sections_.push_back(Section{Trim(trimmed.substr(1, trimmed.size() - 2)), {}});
      continue;
    }
    size_t eq = line.find('=');
    std::string key = eq == std::string::npos ? std::string() : Trim(line.substr(0, eq));
    // A line without a key (comment, "=value", stray text) is kept exactly as it stands.
    if (trimmed.empty() || trimmed[0] == ';' || key.empty()) {
      if (!trimmed.empty()) sections_.back().entries.push_back(Entry{"", line});
      continue;
    }
    sections_.back().entries.push_back(Entry{key, Trim(line.substr(eq + 1))});
  }
}

const TIniFile::Section* TIniFile::FindSection(const std::string& name) const {
  for (size_t i = 1; i < sections_.size(); ++i)
    if (SameText(sections_[i].name, name)) return &sections_[i];
  return nullptr;
}

TIniFile::Section& TIniFile::SectionFor(const std::string& name) {
  if (const Section* s = FindSection(name)) return const_cast<Section&>(*s);
  sections_.push_back(Section{name, {}});
  return sections_.back();
}

const TIniFile::Entry* TIniFile::FindEntry(const std::string& section, const std::string& key) const {
  const Section* s = FindSection(section);
  if (!s) return nullptr;
  for (const Entry& e : s->entries)
    if (!e.key.empty() && SameText(e.key, key)) return &e;
  return nullptr;
}

bool TIniFile::SectionExists(const std::string& section) const { return FindSection(section) != nullptr; }

bool TIniFile::ValueExists(const std::string& section, const std::string& key) const {
  return FindEntry(section, key) != nullptr;
}

std::vector<std::string> TIniFile::SectionKeys(const std::string& section) const {
  std::vector<std::string> keys;
  if (const Section* s = FindSection(section))
    for (const Entry& e : s->entries)
      if (!e.key.empty()) keys.push_back(e.key);
  return keys;
}

std::string TIniFile::ReadString(const std::string& section, const std::string& key, const std::string& def) const {
  const Entry* e = FindEntry(section, key);
  return e ? e->value : def;
}

int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key, int32_t def) const {
  int32_t v;
  const Entry* e = FindEntry(section, key);
  return e && TextToInt(e->value, v) ? v : def;
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

long double TIniFile::ReadFloat(const std::string& section, const std::string& key, long double def) const {
  long double v;
  const Entry* e = FindEntry(section, key);
  return e && TextToFloat(locale_, e->value, v) ? v : def;
}

TCurrency TIniFile::ReadCurrency(const std::string& section, const std::string& key, TCurrency def) const {
  long double v;
  const Entry* e = FindEntry(section, key);
  return e && TextToFloat(locale_, e->value, v) ? TCurrency::FromAmount(v) : def;
}

void TIniFile::WriteString(const std::string& section, const std::string& key, const std::string& value) {
  Section& s = SectionFor(section);
  for (Entry& e : s.entries)
    if (!e.key.empty() && SameText(e.key, key)) {
      e.value = value;
      return;
    }
  s.entries.push_back(Entry{key, value});
}

void TIniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TIniFile::WriteFloat(const std::string& section, const std::string& key, long double value) {
  WriteString(section, key, FloatToText(locale_, value));
}

void TIniFile::WriteCurrency(const std::string& section, const std::string& key, TCurrency value) {
  WriteFloat(section, key, value.Amount());
}

void TIniFile::EraseSection(const std::string& section) {
  for (size_t i = 1; i < sections_.size(); ++i)
    if (SameText(sections_[i].name, section)) {
      sections_.erase(sections_.begin() + static_cast<long>(i));
      return;
    }
}

void TIniFile::DeleteKey(const std::string& section, const std::string& key) {
  if (const Section* found = FindSection(section)) {
    auto& entries = const_cast<Section*>(found)->entries;
    for (auto it = entries.begin(); it != entries.end(); ++it)
      if (!it->key.empty() && SameText(it->key, key)) {
        entries.erase(it);
        return;
      }
  }
}

std::string TIniFile::Text() const {
  std::string out;
  for (size_t i = 0; i < sections_.size(); ++i) {
    const Section& s = sections_[i];
    if (i > 0) {
      if (!out.empty()) out += "\r\n";
      out += "[" + s.name + "]\r\n";
    }
    for (const Entry& e : s.entries) out += (e.key.empty() ? e.value : e.key + "=" + e.value) + "\r\n";
  }
  return out;
}

void TIniFile::UpdateFile() const { WriteFileAtomic(path_, Utf8ToCp1251(Text())); }

}  // namespace kavrin
