// The shredding methods: the value of a formula over three draws, the formula parsed once giving
// exactly what a fresh substitution and parse gives, and the method's operations.
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <random>

#include "stats/methods/shredding.h"
#include "stats/stats_fixture.h"

namespace kavrin {
namespace {

using test::Comb;
using test::MakeDraws;
using test::StatsFixture;

const TComb Zeros{};

// The rule written out once more, independently: each letter-digit pair replaced by the number's
// text, step by step, then the text evaluated and the digits after the point kept.
std::string ReplacePairs(const std::string& text, char letter, int digit, const std::string& value) {
  std::string out;
  for (size_t k = 0; k < text.size(); ++k) {
    if (k + 1 < text.size() && std::tolower(static_cast<unsigned char>(text[k])) == letter && text[k + 1] == '0' + digit) {
      out += value;
      ++k;
    } else {
      out += text[k];
    }
  }
  return out;
}

int32_t FreshValue(const TComb& n, const TComb& p, const TComb& t, int digits, const std::string& formula) {
  std::string text = formula;
  for (int i = 1; i <= 5; ++i) {
    text = ReplacePairs(text, 'n', i, std::to_string(n[i - 1]));
    text = ReplacePairs(text, 'p', i, std::to_string(p[i - 1]));
    text = ReplacePairs(text, 't', i, std::to_string(t[i - 1]));
  }
  long double v;
  try {
    v = EvaluateExpression(text);
  } catch (const KavrinError&) {
    return 0;
  }
  const long double a = std::fabs(v);
  return static_cast<int32_t>(std::trunc((a - std::trunc(a)) * std::pow(10.0L, std::min(digits, 9))));
}

TEST(ShreddingValue, ExamplesOfTheRules) {
  const TComb draw = Comb(5, 12, 33, 41, 47);
  struct Case {
    const char* formula;
    uint8_t digits;
    int32_t value;
  } cases[] = {
      {"(n1+n2+n3)/(n4+n5)", 2, 56}, {"(n1+n2+n3)/(n4+n5)", 3, 568}, {"(n1+n2+n3)/(n4+n5)", 5, 56818},
      {"(n1+n2)/(n3+n4+n5)", 2, 14}, {"n1+n2", 2, 0},        {"( N1 + n2 ) / 7", 2, 42},
      {"(n1+n2)/7", 2, 42},          {"(n1-n2)/8", 2, 87},   {"(n1+n2+n3)/(n4+n5)", 0, 0},
      {"(n1+n2+n3)/(n4+n5)", 9, 568181818}, {"(n1+n2+n3)/(n4+n5)", 12, 568181818},
      {"(n1+n2", 2, 0}, {"n1,5", 2, 0}, {"n6", 2, 0}, {"SQRT n1", 2, 0}, {"", 2, 0}, {"n1/t1", 2, 0},
      // text substitution: digits run into what follows them ("n12" is 52 for n1 = 5)
      {"n12/1000", 2, 5}, {"2n1/64", 3, 390}, {"n1.n1", 2, 50}, {"n1E-1/2", 2, 25}, {"$n1/256", 8, 1953125},
      // a number written into "n", "p" or "t" names a variable of a later step: "np1" is "n3" for p1 = 3
      {"np1/64", 2, 51},
  };
  const TComb previous = Comb(3, 1, 1, 1, 1);
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.formula) + " digits " + std::to_string(c.digits));
    EXPECT_EQ(ShreddingValue(draw, previous, Zeros, c.digits, c.formula), c.value);
    EXPECT_EQ(TShreddingFormula(c.formula).Value(draw, previous, Zeros, c.digits), c.value);
  }
  EXPECT_EQ(ShreddingValue(Comb(3, 0, 0, 0, 0), Zeros, Zeros, 2, "-n1^2"), 0);
  EXPECT_EQ(ShreddingValue(Comb(4, 0, 0, 0, 0), Zeros, Zeros, 2, "n1^-1"), 25);
  EXPECT_EQ(ShreddingValue(Comb(2, 0, 0, 0, 0), Zeros, Zeros, 2, "sqrt(n1)"), 41);
  EXPECT_EQ(ShreddingValue(Comb(1, 0, 0, 0, 0), Zeros, Comb(3, 0, 0, 0, 0), 2, "t1/2"), 50);
}

TEST(ShreddingFormula, ParsedOnceExceptWhereDigitsChangeTheText) {
  for (const char* formula : {"(n1+n2+n3)/(n4+n5)", "n12/1000", "n1.n2", "2*-n1", "$FF/n1", "(1", "n6", ""})
    EXPECT_TRUE(TShreddingFormula(formula).Compiled()) << formula;
  for (const char* formula : {"np1", "tn2/3", "Pn5", "$n1", "$Fn1", "n1+$n2"})
    EXPECT_FALSE(TShreddingFormula(formula).Compiled()) << formula;
}

// Formulas built from the pieces the language has, glued by operators or by nothing at all,
// with blanks, and now and then one character broken.
class FormulaMaker {
 public:
  explicit FormulaMaker(std::mt19937& random) : random_(random) {}

  std::string Make() {
    std::string f = Expression(3);
    if (Pick(5) == 0) f = (Pick(2) ? "-" : "+") + f;
    for (int breaks = Pick(4) == 0 ? 1 + Pick(2) : 0; breaks > 0; --breaks) {
      static const std::string junk = "nptNPT1234560.,$()E+-*/^ aZ";
      const size_t at = Pick(static_cast<int>(f.size()) + 1);
      switch (Pick(3)) {
        case 0: f.insert(at, 1, junk[Pick(static_cast<int>(junk.size()))]); break;
        case 1: if (at < f.size()) f.erase(at, 1); break;
        default: if (at < f.size()) f[at] = junk[Pick(static_cast<int>(junk.size()))];
      }
    }
    return f;
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  std::string Blank() { return Pick(6) == 0 ? " " : ""; }

  std::string Atom() {
    static const char* numbers[] = {"2", "7", "10", "0", "3.25", ".5", "7.", "1E2", "2.5e-1", "$1F", "$ff", "1E",
                                    "E", "PI", "pi"};
    switch (Pick(5)) {
      case 0:
      case 1:
      case 2: {
        std::string v(1, "nptNPT"[Pick(6)]);
        return v + static_cast<char>('0' + (Pick(10) == 0 ? 6 * Pick(2) : 1 + Pick(5)));
      }
      default: return numbers[Pick(15)];
    }
  }

  std::string Expression(int depth) {
    static const char* functions[] = {"SQRT", "sqr", "ln", "LOG", "sin", "cos", "TAN", "ARCTAN", "abs", "exp", "INT",
                                      "FRAC", "trunc", "ROUND", "arcsin", "ARCCOS", "sign", "not"};
    static const char* ops[] = {"+", "-", "*", "/", "^", "", ",", "="};
    if (depth == 0 || Pick(3) == 0) return Atom();
    switch (Pick(4)) {
      case 0: return functions[Pick(18)] + Blank() + "(" + Expression(depth - 1) + ")";
      case 1: return "(" + Expression(depth - 1) + Blank() + ")";
      default:
        return Expression(depth - 1) + Blank() + ops[Pick(Pick(4) == 0 ? 8 : 5)] + Blank() + Expression(depth - 1);
    }
  }

  std::mt19937& random_;
};

TComb RandomNumbers(std::mt19937& random) {
  TComb c;
  for (uint8_t& v : c) {
    const int kind = std::uniform_int_distribution<int>(0, 9)(random);
    v = static_cast<uint8_t>(kind == 0   ? 0
                             : kind == 1 ? std::uniform_int_distribution<int>(100, 255)(random)
                                         : std::uniform_int_distribution<int>(1, NumberMax)(random));
  }
  return c;
}

TEST(ShreddingFormula, EveryFormulaGivesWhatAFreshParseGives) {
  std::vector<std::string> formulas = {
      "(n1+n2+n3)/(n4+n5)", "(n4+n5)/(n1+n2+n3)", "(n1+n2)/(n3+n4+n5)", "n1+n2", "n1/p1", "( N1 + n2 ) / 7",
      "-n1^2", "n1^-1", "(n1+n2", "n1,5", "n6", "SQRT n1", "", "sqrt(n1)", "p1*t2/(n3+1)", "n12/1000", "2n1/1000",
      "n1.n2", "n1E-2", "n1e2/n2E3", "$n1", "np1/100", "tn2/(p3+1)", "nn11", "n1n2n3/7", "-n1", "2*-n1/3",
      "2*-(n1)", "(n1+n2)=n3", "ln(n1-n2)", "sqrt(n1-n2)", "n1/(n2-n2)", "arcsin(n1/n2)", "n1^n2^n3",
      "not(n1)/3", "$Fn1/7", ".n1", "n1./3", "E^n1", "PIn1", "sin(n1)+cos(n2)", "1E4000*n1", "n1E4931*10"};
  std::mt19937 random(5412);
  FormulaMaker maker(random);
  for (int i = 0; i < 600; ++i) formulas.push_back(maker.Make());

  int compiled = 0, nonZero = 0, total = 0;
  for (const std::string& formula : formulas) {
    SCOPED_TRACE(formula);
    const TShreddingFormula parsed(formula);
    compiled += parsed.Compiled();
    // More draws than one batch of lanes holds, after the same two draws.
    const TComb p = RandomNumbers(random), t = formula.size() % 3 == 0 ? Zeros : RandomNumbers(random);
    const auto digits = static_cast<uint8_t>(std::uniform_int_distribution<int>(0, 10)(random));
    std::vector<TComb> draws(70);
    for (TComb& n : draws) n = RandomNumbers(random);
    std::vector<int32_t> batch(draws.size());
    parsed.Values(draws, p, t, digits, batch.data());
    for (size_t k = 0; k < draws.size(); ++k) {
      const TComb& n = draws[k];
      const int32_t expected = FreshValue(n, p, t, digits, formula);
      ASSERT_EQ(batch[k], expected) << CombToText(n) << " / " << CombToText(p) << " / " << CombToText(t)
                                    << " digits " << int{digits};
      ASSERT_EQ(parsed.Value(n, p, t, digits), expected);
      ASSERT_EQ(ShreddingValue(n, p, t, digits, formula), expected);
      nonZero += expected != 0;
      ++total;
    }
  }
  // The formulas are varied enough to mean something.
  EXPECT_GT(nonZero, total / 10);
  EXPECT_GT(compiled, static_cast<int>(formulas.size()) * 3 / 4);
  EXPECT_LT(compiled, static_cast<int>(formulas.size()));
}

// ---- the methods ----

class ShreddingMethod : public ::testing::Test {
 protected:
  ShreddingMethod()
      : f(MakeDraws({Comb(40, 2, 33, 7, 12), Comb(5, 12, 33, 41, 47), Comb(9, 3, 27, 50, 14), Comb(1, 2, 3, 4, 5)},
                    100)) {}
  void SetFormula(int index, const std::string& formula, uint8_t digits) {
    f.list.Shredding.Formulas[index - 1] = formula;
    f.list.Shredding.Digits[index - 1] = digits;
    f.list.BuildMethods();
  }
  TCustomGraphStat& Graph(std::unique_ptr<TCustomStat>& stat) { return dynamic_cast<TCustomGraphStat&>(*stat); }
  StatsFixture f;
};

TEST_F(ShreddingMethod, EntriesCaptionsAndFeatures) {
  SetFormula(2, "n1/7", 3);
  for (int index = 1; index <= 3; ++index) {
    const int entry = f.list.FindCode("SHR" + std::to_string(index));
    ASSERT_GE(entry, 0);
    EXPECT_EQ(f.list.Items(entry).MethodClass->GroupIndex(), 12);
    EXPECT_EQ(FlagLetters(f.list.Items(entry).MethodClass->EffectiveFlags()), "SNG");
    EXPECT_TRUE(f.list.Items(entry).MethodClass->AcceptsValueList());
  }
  const int shr2 = f.list.FindCode("SHR2");
  EXPECT_EQ(f.list.MethodListText(shr2, true), "{ shr } Метод шинковки 2: n1/7 [ SNG ]");
  EXPECT_EQ(f.list.Items(shr2).MethodClass->HelpCodeFormat(), "SHRx");
  EXPECT_EQ(f.list.Items(shr2).Caption(), "Метод шинковки 2: %s");
}

TEST_F(ShreddingMethod, DrawsAreValuedAgainstTheTwoBeforeThem) {
  const std::string formula = "(n1+p2+t3)/(n5+7)";
  SetFormula(1, formula, 3);
  for (bool sorted : {false, true}) {
    SCOPED_TRACE(sorted);
    TStatResult r = f.Run("SHR1", 1000, 0, sorted);
    std::map<int, int> expected;  // value -> count
    for (int i = 0; i < 4; ++i) {
      TComb n = f.draws[i].Numbers, p = i >= 1 ? f.draws[i - 1].Numbers : Zeros, t = i >= 2 ? f.draws[i - 2].Numbers : Zeros;
      if (sorted) SortComb(n), SortComb(p), SortComb(t);
      ++expected[ShreddingValue(n, p, t, 3, formula)];
    }
    ASSERT_EQ(r.Items.size(), expected.size());
    for (auto [value, count] : expected)
      EXPECT_EQ(test::ValueOf(r.Items, MakeStatKey(static_cast<uint16_t>(value))).Count, count) << value;

    auto stat = f.Create("SHR1");
    const TComb comb = Comb(8, 30, 2, 44, 17);
    TComb p = f.draws[1].Numbers, t = f.draws[0].Numbers, draw2 = f.draws[2].Numbers;
    if (sorted) SortComb(p), SortComb(t), SortComb(draw2);
    EXPECT_EQ(Graph(stat).CombinationValue(comb, 2, 3, sorted), ShreddingValue(comb, p, t, 3, formula));
    EXPECT_EQ(Graph(stat).DrawValue(2, 3, sorted), ShreddingValue(draw2, p, t, 3, formula));
  }
}

TEST_F(ShreddingMethod, FullSetCombinationsSeeZerosBeforeThem) {
  SetFormula(3, "(n1+p1)/(n2+t1+3)", 2);
  auto stat = f.Create("SHR3");
  TStatDrawArray items;
  stat->AddCombination(Comb(4, 9, 20, 30, 40), items);  // 4 / 12
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].Key(), MakeStatKey(33));
  EXPECT_EQ(items[0].Count, 1);
}

TEST_F(ShreddingMethod, InstancesKeepTheFormulaTheyWereMadeWith) {
  SetFormula(1, "n1/8", 3);
  auto stat = f.Create("SHR1");
  f.list.Shredding.Formulas[0] = "n1/16";
  f.list.Shredding.Digits[0] = 4;
  EXPECT_EQ(Graph(stat).CombinationValue(Comb(1, 2, 3, 4, 5), 4, 3, false), 125);
  auto later = f.Create("SHR1");
  EXPECT_EQ(Graph(later).CombinationValue(Comb(1, 2, 3, 4, 5), 4, 3, false), 625);
}

TEST_F(ShreddingMethod, ValuesAboveSixteenBitsAreStoredAndMatchedByTheirLowBits) {
  SetFormula(1, "n1/64", 5);  // 45 / 64 = 0.703125: 70312, stored as 70312 - 65536 = 4776
  auto stat = f.Create("SHR1");
  const TComb comb = Comb(45, 1, 2, 3, 4);
  EXPECT_EQ(Graph(stat).CombinationValue(comb, 4, 3, false), 70312);
  TStatDrawArray items;
  stat->AddCombination(comb, items);
  EXPECT_EQ(stat->ValueText(items[0]), "4776");
  TStatDrawArray selected{items[0]};
  stat->LoadDraws(-1, 3, false);
  EXPECT_TRUE(stat->Matches(comb, selected, false, false, 3));
  EXPECT_TRUE(stat->PrepareMatches(selected, false, false, 3)->Matches(comb));
  EXPECT_FALSE(stat->Matches(Comb(44, 1, 2, 3, 4), selected, false, false, 3));
}

TEST_F(ShreddingMethod, MatchesValuesTheCombinationAsTheDrawAfterTheWindow) {
  SetFormula(1, "(n1+n2+n3)/(n4+n5)", 2);
  auto stat = f.Create("SHR1");
  TStatDrawRec fiftySix;
  fiftySix.Key1 = 56;
  const TStatDrawArray selected{fiftySix};
  // p and t are not in the formula: 50 / 88 = 0.5681...
  EXPECT_TRUE(stat->Matches(Comb(5, 12, 33, 41, 47), selected, false, false, 3));
  EXPECT_FALSE(stat->Matches(Comb(5, 12, 33, 41, 40), selected, true, false, 3));  // 50 / 81

  // Against the newest draw of the window and the one before it: n1 = 10 with p1 and t1.
  SetFormula(1, "(n1+p1+t1)/64", 2);
  stat = f.Create("SHR1");
  TStatDrawRec value;
  value.Key1 = 31;  // p = 1 2 3 4 5, t = 9 3 27 50 14: 20 / 64 = 0.3125
  EXPECT_TRUE(stat->Matches(Comb(10, 11, 12, 13, 14), {value}, false, false, 3));
  value.Key1 = 37;  // window one draw shorter: p = 9 3 27 50 14, t = 5 12 33 41 47: 24 / 64
  EXPECT_TRUE(stat->Matches(Comb(10, 11, 12, 13, 14), {value}, false, false, 2));
  value.Key1 = 28;  // sorted: p = 3 9 14 27 50: 18 / 64
  EXPECT_TRUE(stat->Matches(Comb(10, 11, 12, 13, 14), {value}, false, true, 2));
}

// The prepared filter against Matches with formulas of each kind: n only, p and t, five digits,
// broken, and one parsed again for every value; some lists are long enough to be filtered on
// several threads.
TEST_F(ShreddingMethod, PreparedFilterAgreesWithMatchesForEveryKindOfFormula) {
  std::mt19937 random(77);
  std::vector<TComb> rows;
  for (int i = 0; i < 40; ++i) {
    TComb c = Comb(1, 2, 3, 4, 5);
    std::shuffle(c.begin(), c.end(), random);
    for (uint8_t& v : c) v = static_cast<uint8_t>(v + 9 * std::uniform_int_distribution<int>(0, 5)(random));
    rows.push_back(c);
  }
  f.draws = MakeDraws(rows);
  struct Variant {
    const char* formula;
    uint8_t digits;
    int longList;  // the round with a long list
  } variants[] = {{"(n1+n2+n3)/(n4+n5)", 2, 0}, {"(n1*p2+t3)/(n5+p5+7)", 3, 1}, {"sqrt(n1*n2+p1)", 5, -1},
                  {"(n1+", 2, -1}, {"np1/(n2+1)", 2, -1}};
  for (const Variant& v : variants) {
    SCOPED_TRACE(v.formula);
    SetFormula(2, v.formula, v.digits);
    for (int round = 0; round < 4; ++round) {
      const bool sorted = round % 2 == 1, exclude = round % 3 == 0;
      const int last = std::uniform_int_distribution<int>(0, 39)(random);
      std::vector<TComb> combs;
      for (int k = 0; k < (round == v.longList ? 40000 : 2000); ++k) {
        TComb comb = rows[random() % rows.size()];
        comb[random() % 5] = static_cast<uint8_t>(1 + random() % 50);
        combs.push_back(comb);
      }
      auto stat = f.Create("SHR2");
      TStatDrawArray selected;
      for (const TStatDrawRec& e : f.Run("SHR2", 25, 39 - last, sorted).Items)
        if (random() % 2 == 0) selected.push_back(e);
      for (int k = 0; k < 20; ++k) {  // values some combinations carry
        TStatDrawRec carried;
        carried.Key1 = static_cast<uint16_t>(Graph(stat).CombinationValue(combs[k * 97], last + 1, last, sorted));
        selected.push_back(carried);
      }
      stat->LoadDraws(-1, last, sorted);
      auto prepared = stat->PrepareMatches(selected, exclude, sorted, last);
      int matched = 0;
      std::vector<TComb> expected;
      for (const TComb& comb : combs) {
        const bool plain = stat->Matches(comb, selected, exclude, sorted, last);
        ASSERT_EQ(prepared->Matches(comb), plain) << CombToText(comb);
        matched += plain;
        if (plain != exclude) expected.push_back(comb);
      }
      EXPECT_GT(matched, 0);
      combs.resize(prepared->Filter(combs, exclude, combs.data()));
      EXPECT_EQ(combs, expected);
    }
  }
}

}  // namespace
}  // namespace kavrin
