#pragma once
// An INI file read whole and rewritten whole: sections and keys compare ignoring letter case,
// the order of sections and keys is kept, and keys this program does not know survive a rewrite.
// The file is Windows-1251; values are UTF-8 in memory.
#include <cstdint>
#include <string>
#include <vector>

#include "core/format.h"
#include "core/money.h"

namespace kavrin {

class TIniFile {
 public:
  // Reads the file; a missing file is an empty one. Throws KavrinError when it cannot be read.
  explicit TIniFile(std::string path, const LocaleSettings& locale = FormatSettings());

  const std::string& Path() const { return path_; }

  bool SectionExists(const std::string& section) const;
  bool ValueExists(const std::string& section, const std::string& key) const;
  std::vector<std::string> SectionKeys(const std::string& section) const;

  // Missing or unreadable values give the default.
  std::string ReadString(const std::string& section, const std::string& key, const std::string& def) const;
  int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;
  long double ReadFloat(const std::string& section, const std::string& key, long double def) const;
  TCurrency ReadCurrency(const std::string& section, const std::string& key, TCurrency def) const;

  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int32_t value);
  void WriteBool(const std::string& section, const std::string& key, bool value);
  void WriteFloat(const std::string& section, const std::string& key, long double value);
  void WriteCurrency(const std::string& section, const std::string& key, TCurrency value);
  void EraseSection(const std::string& section);
  void DeleteKey(const std::string& section, const std::string& key);

  // Rewrites the whole file atomically. Throws KavrinError.
  void UpdateFile() const;
  std::string Text() const;  // the file's content in UTF-8

 private:
  struct Entry {
    std::string key;  // empty for a line that is kept as it stands (comment, blank)
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };
  const Section* FindSection(const std::string& name) const;
  Section& SectionFor(const std::string& name);
  const Entry* FindEntry(const std::string& section, const std::string& key) const;

  std::string path_;
  LocaleSettings locale_;
  std::vector<Section> sections_;  // the first one, nameless, holds lines before any section
};

// Reads a decimal integer like the program's number fields; false when it is not one.
bool TextToInt(std::string_view text, int32_t& value);
bool SameText(std::string_view a, std::string_view b);
std::string Trim(std::string_view text);

}  // namespace kavrin
