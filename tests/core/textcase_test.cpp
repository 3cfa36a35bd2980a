// The one Russian ordering of the lists and the file masks that fold Cyrillic case.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/filemask.h"
#include "core/textcase.h"

namespace kavrin {
namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

TEST(TextCase, OneAlphabeticalOrderWithAndWithoutCase) {
  struct Case {
    const char* a;
    const char* b;
    int ignoringCase;  // CompareTextIgnoreCase
    int telling;       // LocaleCompareStr
  };
  for (const Case& c : {
           Case{"ель", "Ель", 0, -1},         // only case: the lower-case letter first
           Case{"ёж", "ежа", 1, 1},           // ё after е ...
           Case{"ёж", "жук", -1, -1},         // ... and before ж
           Case{"Ёж", "ёж", 0, 1},
           Case{"zebra", "аист", -1, -1},     // Latin before Cyrillic
           Case{"10", "Abc", -1, -1},         // other characters before letters
           Case{"Яблоко", "яблоки", 1, 1},  // о after и, whatever the case
           Case{"abc", "ABCD", -1, -1},       // a prefix first
       }) {
    EXPECT_EQ(Sign(CompareTextIgnoreCase(c.a, c.b)), c.ignoringCase) << c.a << " " << c.b;
    EXPECT_EQ(Sign(CompareTextIgnoreCase(c.b, c.a)), -c.ignoringCase) << c.a << " " << c.b;
    EXPECT_EQ(Sign(LocaleCompareStr(c.a, c.b)), c.telling) << c.a << " " << c.b;
  }
  std::vector<std::string> words = {"Жук", "ёлка", "Ель", "ель", "apple", "Ящик", "ежевика"};
  std::stable_sort(words.begin(), words.end(),
                   [](const std::string& a, const std::string& b) { return CompareTextIgnoreCase(a, b) < 0; });
  EXPECT_EQ(words, (std::vector<std::string>{"apple", "ежевика", "Ель", "ель", "ёлка", "Жук", "Ящик"}));
}

TEST(FileMask, CyrillicLettersMatchInAnyCase) {
  EXPECT_TRUE(MatchesFileMask("Журнал_Сценария.LOG", "журнал_*.log"));
  EXPECT_TRUE(MatchesFileMask("ЁЛКА.txt", "ёлка.*"));
  EXPECT_TRUE(MatchesFileMask("мой.lsc", "??й.lsc")) << "? is one letter, not one byte";
  EXPECT_FALSE(MatchesFileMask("мой.lsc", "?й.lsc"));
  EXPECT_FALSE(MatchesFileMask("журнал.log", "жучок*.log"));
}

}  // namespace
}  // namespace kavrin
