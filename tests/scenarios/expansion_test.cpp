#include "scenarios/expansion.h"

#include <gtest/gtest.h>

#include "core/errors.h"
#include "stats/statlist.h"

namespace kavrin {
namespace {

class ExpansionTest : public ::testing::Test {
 protected:
  ExpansionTest() {
    stats.SetDraws(draws);
    stats.BuildMethods();
  }
  std::vector<TFilterItem> Items(std::initializer_list<const char*> texts) const {
    std::vector<TFilterItem> items;
    for (const char* t : texts) items.push_back(FilterItemFromText(t, stats));
    return items;
  }
  // Each variant as "draws/value" of its active parts joined by " ".
  static std::vector<std::string> Keys(const TFilterVariants& variants) {
    std::vector<std::string> keys;
    for (const TFilterRec& rec : variants) {
      std::string key;
      for (const TFilterPart& p : rec) {
        if (!p.Active) continue;
        if (!key.empty()) key += " ";
        key += std::to_string(p.DrawsLen) + "/" + p.LevelValue;
      }
      keys.push_back(key);
    }
    return keys;
  }

  TDrawsArray draws;
  TStatList stats;
};

TEST_F(ExpansionTest, VariantsComeInLexicographicOrderWithTheLastFilterFastest) {
  const auto items = Items({"TSF1#NUMS:50, 100#LNO:#SF:0", "TSF1#SUMS:100-300;100#LNO:#SF:0"});
  const TFilterVariants v = ExpandFilterVariants(items);
  EXPECT_EQ(Keys(v), (std::vector<std::string>{"50/ 100/", "50/ 200/", "50/ 300/", "100/ 100/", "100/ 200/",
                                               "100/ 300/"}));
  EXPECT_EQ(FilterVariantsCount(items), 6);
  for (const TFilterRec& rec : v)
    for (int k = 2; k < ScriptFilterCount; ++k) EXPECT_EQ(rec[k], TFilterPart{});
}

TEST_F(ExpansionTest, PerValueAndWholeListCriteria) {
  struct Case {
    const char* text;
    std::vector<std::string> keys;
  };
  const Case cases[] = {
      {"TSF1#NUMS:100#LMV:1-3;1#SF:0", {"100/1", "100/2", "100/3"}},
      {"TSF1#NUMS:100#LDV:1-3;1#SF:0", {"100/1,2,3"}},
      {"TSF1#NUMS:100#CDP:3; 5#SF:0", {"100/3,5"}},
      {"TSF1#NUMS:100#LVA:3,5#SF:0", {"100/3,5"}},
      {"TSF1#NUMS:100#WDV:4,6#SF:0", {"100/4", "100/6"}},
      {"TSF1#NUMS:100#PIR:3,5#SF:0", {"100/3", "100/5"}},
      {"TSF1#NUMS:100#PAR:3,5#SF:0", {"100/3", "100/5"}},
      {"TSF1#NUMS:100#PXR:3,5#SF:0", {"100/3", "100/5"}},
      {"TSF1#NUMS:100#LNO:7#SF:0", {"100/7"}},  // no criterion: the text as written
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const auto items = Items({c.text});
    EXPECT_EQ(Keys(ExpandFilterVariants(items)), c.keys);
    EXPECT_EQ(FilterVariantsCount(items), static_cast<int64_t>(c.keys.size()));
  }
}

TEST_F(ExpansionTest, PartsCopyTheFilterAndShowTheirOwnValue) {
  const auto items = Items({"BMF3#SUMS:100#CMV:1,2#ST:4#0.5:-1:2:1:0", "TSD1#NUMS:10#CDV:3, 5#SV:2"});
  const TFilterVariants v = ExpandFilterVariants(items);
  ASSERT_EQ(v.size(), 2u);
  const TFilterPart& p = v[1][0];
  EXPECT_TRUE(p.Active && p.BottomUp && p.MultiSelect && p.KeepSelected);
  EXPECT_EQ(p.Method.Code, "SUMS");
  EXPECT_EQ(p.SortColumn, 3);
  EXPECT_EQ(p.LevelMode, TLevelMode::CMV);
  EXPECT_EQ(p.LevelValue, "2");
  EXPECT_EQ(p.LevelText, "2");
  EXPECT_EQ(p.StopMode, TStopMode::ST);
  EXPECT_EQ(p.StopValue, 4);
  EXPECT_TRUE(p.CDLOverride);
  EXPECT_EQ(p.Weights, (TStatWeights{0.5L, -1, 2, true, false}));
  EXPECT_EQ(v[1][1].LevelValue, "3,5");
  EXPECT_EQ(v[1][1].LevelText, "3, 5") << "descriptions show the list as written";
  EXPECT_EQ(FilterRecToText(v[1]), "BMF#SUMS:100#CMV:2#ST:4#0.5:-1:2:1:0 + TSD#NUMS:10#CDV:3, 5#SV:2");
}

TEST_F(ExpansionTest, InvalidListsFailNamingTheFilter) {
  const char* invalid[] = {
      "TSF1#NUMS:100-50;10#LNO:#SF:0",  // a range from above
      "TSF1#NUMS:10-50#LNO:#SF:0",      // a range without a step
      "TSF1#NUMS:0#LNO:#SF:0",          // only the single 0
      "TSF1#NUMS:100#LMV:#SF:0",        // a criterion without values
      "TSF1#NOPE:100#LNO:#SF:0",        // an unknown method keeps no draws text
  };
  for (const char* text : invalid) {
    SCOPED_TRACE(text);
    // The first filter is valid: a later invalid one still fails the whole line.
    const auto items = Items({"TSF1#NUMS:100#LNO:#SF:0", text});
    try {
      ExpandFilterVariants(items);
      ADD_FAILURE() << "no failure";
    } catch (const KavrinError& e) {
      EXPECT_EQ(std::string(e.what()), "Некорректное описание фильтра: " + FilterItemToText(items[1]) + "!");
    }
  }
}

TEST_F(ExpansionTest, NoFiltersGiveNoVariants) {
  EXPECT_TRUE(ExpandFilterVariants({}).empty());
  EXPECT_EQ(FilterVariantsCount({}), 0);
}

TEST_F(ExpansionTest, TooManyVariantsFailBeforeAnyIsMade) {
  const auto items = Items({"TSF1#NUMS:1-100;1#LMV:1-100;1#SF:0", "TSF1#NUMS:1-100;1#LNO:#SF:0"});
  EXPECT_EQ(FilterVariantsCount(items), 1000000);
  int progress = 0;
  try {
    ExpandFilterVariants(items, {[&](int) { ++progress; }, nullptr}, 999999);
    ADD_FAILURE() << "no failure";
  } catch (const KavrinError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Вы задали слишком много вариантов фильтров - программа не сможет обработать их все!\rПожалуйста, "
              "уменьшите в каждом из фильтров количество вариантов длины выборки и глубины, а затем повторите "
              "попытку.\r\rВариантов фильтров: 1000000, допустимо не более 999999.");
  }
  EXPECT_EQ(progress, 0);
  // Seven filters of 1000 draws each would overflow any counter.
  const char* big = "TSF1#NUMS:1-1000;1#LNO:#SF:0";
  EXPECT_EQ(FilterVariantsCount(Items({big, big, big, big, big, big, big})), INT64_MAX);
}

TEST_F(ExpansionTest, VariantsThatWouldNotFitInMemoryFailBeforeAnyIsMade) {
  // Within the count, but each variant carries a long list of values.
  std::string values = "1";
  for (int v = 2; v <= 200; ++v) values += "," + std::to_string(v);
  const std::string listFilter = "TSF1#NUMS:1-1000;1#LDV:" + values + "#SF:0";
  const auto items = Items({listFilter.c_str(), "TSF1#NUMS:1-1000;1#LNO:#SF:0"});
  ASSERT_EQ(FilterVariantsCount(items), 1000000);
  EXPECT_GT(FilterVariantsMemory(items), int64_t{1000000} * 1000) << "the long texts are counted per variant";
  int progress = 0;
  try {
    ExpandFilterVariants(items, {[&](int) { ++progress; }, nullptr}, FilterVariantsLimit, int64_t{256} << 20);
    ADD_FAILURE() << "no failure";
  } catch (const KavrinError& e) {
    const std::string text = e.what();
    EXPECT_EQ(text.rfind("Вы задали слишком много вариантов фильтров", 0), 0u) << text;
    EXPECT_NE(text.find("Вариантов фильтров: 1000000, для них нужно "), std::string::npos) << text;
    EXPECT_NE(text.find("допустимо не более 256 МБ."), std::string::npos) << text;
  }
  EXPECT_EQ(progress, 0);
  EXPECT_LE(FilterVariantsMemoryLimit(), int64_t{1} << 30);
  // The count limit's own example, two million variants, is refused by the default memory bound.
  const auto twoMillion = Items({"TSF1#NUMS:1-2000;1#LNO:#SF:0", "TSF1#NUMS:1-1000;1#LNO:#SF:0"});
  EXPECT_GT(FilterVariantsMemory(twoMillion), FilterVariantsMemoryLimit());
}

TEST_F(ExpansionTest, ProgressEveryThousandAndStopKeepsWhatWasMade) {
  const auto items = Items({"TSF1#NUMS:1-50;1#LMV:1-50;1#SF:0"});  // 2500 variants
  std::vector<int> progress;
  EXPECT_EQ(ExpandFilterVariants(items, {[&](int n) { progress.push_back(n); }, nullptr}).size(), 2500u);
  EXPECT_EQ(progress, (std::vector<int>{1000, 2000}));

  int checks = 0;
  const TFilterVariants stopped = ExpandFilterVariants(items, {nullptr, [&] { return ++checks > 10; }});
  EXPECT_FALSE(stopped.empty());
  EXPECT_LT(stopped.size(), 2500u);
  EXPECT_EQ(Keys(stopped).front(), "1/1");
  EXPECT_EQ(FilterVariantsStatusText(1000), "Создание всех вариантов фильтров ( 1000 )...");
}

}  // namespace
}  // namespace kavrin
