#pragma once
// Windows language ids as the maker's services exchange them, with their three-letter
// abbreviations (the catalog's language column, the update description names).
#include <string>
#include <vector>

namespace kavrin {

inline constexpr int RussianLanguageId = 1049;

struct TLanguage {
  int Id;
  const char* Abbreviation;
  const char* Name;
};

// "RUS" for 1049; empty for an id this program does not know.
std::string LanguageAbbreviation(int languageId);
// The interface languages a published scenario may be marked with: the program's own.
const std::vector<TLanguage>& InterfaceLanguages();

}  // namespace kavrin
