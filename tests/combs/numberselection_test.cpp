#include "combs/numberselection.h"

#include <gtest/gtest.h>

#include "core/errors.h"

namespace kavrin {
namespace {

TEST(NumberSelection, CardTakesCellsColumnByColumnOnce) {
  TSelectedNumbers s = CardSelectionNumbers({{"7", "", "12"}, {"3", "7", "x"}});
  EXPECT_EQ(s.Numbers, (std::vector<int32_t>{7, 12, 3, 0}));
  EXPECT_EQ(s.ValuesText, "7; 12; 3; x");
}

TEST(NumberSelection, SchemaSplitsCellsAndDropsBrackets) {
  TSelectedNumbers s = SchemaSelectionNumbers({{"[12], 7", ""}, {"[[5]]", "7,"}});
  EXPECT_EQ(s.Numbers, (std::vector<int32_t>{12, 7, 5}));
  EXPECT_EQ(s.ValuesText, "12; 7; 5");
}

TEST(NumberSelection, WeekTakesColumnNumbers) {
  TSelectedNumbers s = WeekSelectionNumbers({3, 17, 3});
  EXPECT_EQ(s.Numbers, (std::vector<int32_t>{3, 17}));
  EXPECT_EQ(s.ValuesText, "3; 17");
}

TEST(NumberSelection, NothingSelectedIsAnError) {
  for (auto collect : {+[] { CardSelectionNumbers({{"", " "}, {}}); }, +[] { SchemaSelectionNumbers({{"[]", ","}}); },
                       +[] { WeekSelectionNumbers({}); }}) {
    try {
      collect();
      ADD_FAILURE();
    } catch (const KavrinError& e) {
      EXPECT_STREQ(e.what(), "В выделенном диапазоне нет значений для фильтра!");
    }
  }
}

}  // namespace
}  // namespace kavrin
