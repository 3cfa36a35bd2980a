#include "online/languages.h"

#include <array>

namespace kavrin {
namespace {

// The languages other installations of the family may publish in.
constexpr std::array<TLanguage, 14> KnownLanguages = {{
    {1049, "RUS", "Русский"},      {1058, "UKR", "Українська"}, {1059, "BEL", "Беларуская"},
    {1087, "KKZ", "Қазақ"},         {1033, "ENU", "English"},     {2057, "ENG", "English (UK)"},
    {1031, "DEU", "Deutsch"},       {1036, "FRA", "Français"},    {1040, "ITA", "Italiano"},
    {3082, "ESN", "Español"},       {1045, "PLK", "Polski"},      {1029, "CSY", "Čeština"},
    {1062, "LVI", "Latviešu"},      {1063, "LTH", "Lietuvių"},
}};

}  // namespace

std::string LanguageAbbreviation(int languageId) {
  for (const TLanguage& language : KnownLanguages)
    if (language.Id == languageId) return language.Abbreviation;
  return "";
}

const std::vector<TLanguage>& InterfaceLanguages() {
  static const std::vector<TLanguage> languages = {KnownLanguages[0]};
  return languages;
}

}  // namespace kavrin
