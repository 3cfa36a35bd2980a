// The formula evaluator: grammar and precedence, number forms, constants, functions, and every
// error with its message and the order in which errors are met.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "stats/formula.h"

namespace kavrin {
namespace {

struct ValueCase {
  const char* text;
  long double value;
};

TEST(EvaluateExpression, ExactValues) {
  const ValueCase cases[] = {
      // precedence: "*", "/" and "^" share a level, all left to right
      {"1+2*3", 7}, {"10-4-3", 3}, {"8/4/2", 1}, {"2*3^2", 36}, {"2^3^2", 64}, {"2+3^2", 11}, {"(2+3)*4", 20},
      // a leading sign subtracts from 0; a sign before a number belongs to it
      {"-3^2", -9}, {"+5", 5}, {"-2-3", -5}, {"2*-3", -6}, {"2*+3", 6}, {"2--3", 5}, {"(-3)*2", -6}, {"2^-1", 0.5},
      // decimal forms, the point always "."
      {".5", 0.5}, {"5.", 5}, {"1.E2", 100}, {"1e2", 100}, {"2.5E-1", 0.25}, {"1E+1", 10}, {"007", 7},
      // hexadecimal, a signed 32-bit number
      {"$FF", 255}, {"$ff", 255}, {"$FFFFFFFF", -1}, {"$7FFFFFFF", 2147483647}, {"$1E5", 485}, {"$0+1", 1},
      // blanks and letter case do not matter; blanks join digits
      {" ( 1 + 2 ) * 3 ", 9}, {"3 4", 34}, {"\t2\r\n*2", 4}, {"sqrt (16)", 4},
      // the text after the expression is not read
      {"(1+2)=3", 3}, {"(1+2)<4", 3}, {"(1+2)>0", 3}, {"(1),5", 1}, {"(4))(", 4},
      // powers
      {"0^0", 1}, {"0^2", 0}, {"(-2)^3", -8}, {"(-2)^-2", 0.25}, {"2^10", 1024}, {"0.5^-3", 8},
      // functions
      {"COS(0)", 1}, {"SIN(0)", 0}, {"TAN(0)", 0}, {"ABS(-2)", 2}, {"ABS(2)", 2}, {"EXP(0)", 1}, {"LN(1)", 0},
      {"SQRT(16)", 4}, {"SQR(-3)", 9}, {"INT(2.5)", 2}, {"INT(3.5)", 4}, {"ROUND(-2.5)", -2}, {"ROUND(2.6)", 3},
      {"FRAC(-2.75)", -0.75}, {"FRAC(2.75)", 0.75}, {"TRUNC(-2.75)", -2}, {"ARCSIN(1)", std::numbers::pi_v<long double> / 2},
      {"ARCCOS(1)", 0}, {"SIGN(-3)", -1}, {"SIGN(0)", 0}, {"SIGN(0.1)", 1}, {"NOT(5)", -6}, {"NOT(-1)", 0},
      {"NOT(2.9)", -3}, {"abs(sign(-2))", 1},
      // constants
      {"E", std::numbers::e_v<long double>}, {"PI", std::numbers::pi_v<long double>},
      {"pi*2", 2 * std::numbers::pi_v<long double>},
  };
  for (const ValueCase& c : cases) {
    SCOPED_TRACE(c.text);
    long double value = 0;
    ASSERT_NO_THROW(value = EvaluateExpression(c.text));
    EXPECT_EQ(value, c.value);
  }
}

TEST(EvaluateExpression, TranscendentalValues) {
  const ValueCase cases[] = {
      {"ARCTAN(1)", std::numbers::pi_v<long double> / 4}, {"ARCSIN(0.5)", std::numbers::pi_v<long double> / 6},
      {"ARCCOS(0)", std::numbers::pi_v<long double> / 2}, {"LOG(1000)", 3}, {"2^0.5", std::numbers::sqrt2_v<long double>},
      {"EXP(LN(7))", 7}, {"TAN(PI/4)", 1}, {"EXP(1)", std::numbers::e_v<long double>},
  };
  for (const ValueCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_NEAR(static_cast<double>(EvaluateExpression(c.text)), static_cast<double>(c.value), 1e-15);
  }
}

struct ErrorCase {
  const char* text;
  const char* message;
};

constexpr char Syntax[] = "Синтаксическая ошибка";
constexpr char Bracket[] = "Не хватает скобочки";
constexpr char ByZero[] = "Деление на нуль";
constexpr char Floating[] = "Ошибка в операции с плавающей точкой";
constexpr char Logarithm[] = "Выражение под логарифмом меньне нуля";
constexpr char Root[] = "Выражение под корнем меньне нуля";

TEST(EvaluateExpression, ParserErrors) {
  const ErrorCase cases[] = {
      // the bracket count comes before anything else
      {"(1+2", Bracket}, {"1+2)", Bracket}, {"1/0+)", Bracket},
      // a missing ")" where one is needed; a number may not end at "," or "="
      {"SIN((1),2)", Bracket}, {"((1)=2)", Bracket}, {"(1,2)", Syntax}, {"(1=2)", Syntax}, {"1 = 1", Syntax},
      // syntax
      {"", Syntax}, {"   ", Syntax}, {"1,5", Syntax}, {"n1", Syntax}, {"N6", Syntax}, {"SQRT 4", Syntax},
      {"2*-(3)", Syntax}, {"-(3)*-SIN(1)", Syntax}, {"2(3)", Syntax}, {"(1)2", Syntax}, {"1..2", Syntax},
      {"1.2.3", Syntax}, {"$", Syntax}, {"$123456789", Syntax}, {"$FG", Syntax}, {"-$FF+1", 0}, {"E2", Syntax},
      {"PI(1)", Syntax}, {"E(1)", Syntax}, {"1+", Syntax}, {"*2", Syntax}, {"2*--3", Syntax}, {"2E", Syntax},
      {"1E+", Syntax}, {"SQRT", Syntax}, {"COS(1)SIN(1)", Syntax}, {"(1) = 1", 0}, {"2 ! 3", Syntax},
      {"ЧИСЛО", Syntax}, {"1;2", Syntax},
      // errors the functions name
      {"LN(0)", Logarithm}, {"LOG(-1)", Logarithm}, {"SQRT(-1)", Root}, {"1/0", ByZero}, {"0/0", ByZero},
      {"1E4000/1E-4000", ByZero},
      // faults inside functions
      {"ARCSIN(2)", Floating}, {"ARCSIN(-1)", Floating}, {"ARCCOS(-1)", Floating}, {"ARCCOS(1.5)", Floating},
      {"EXP(100000)", Floating}, {"SQR(1E3000)", Floating}, {"NOT(1E30)", Floating},
      // errors meet in the order of reading: the operations before a syntax error run first
      {"1/0+*", ByZero}, {"SQRT(-1)+*", Root}, {"1+*+1/0", Syntax}, {"(1/0", Bracket},
  };
  for (const ErrorCase& c : cases) {
    SCOPED_TRACE(c.text);
    if (!c.message) {  // a case that reads fine despite its looks
      EXPECT_NO_THROW(EvaluateExpression(c.text));
      continue;
    }
    try {
      EvaluateExpression(c.text);
      ADD_FAILURE() << "no error";
    } catch (const ERxParserError& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(EvaluateExpression, FaultsOutsideFunctionsPassOn) {
  for (const char* text : {"1E4000*1E4000", "1E4932+1E4932", "-1E4932-1E4932", "1E5000", "0^-1", "(-8)^0.5",
                           "0^-0.5", "2^100000", "10^-5000", "1E-3000^-2", "2^1E30"}) {
    SCOPED_TRACE(text);
    EXPECT_THROW(EvaluateExpression(text), EFloatingPointFault);
  }
}

TEST(EvaluateExpression, DeepNestingIsRefusedNotOverflowed) {
  const std::string deep = std::string(5000, '(') + "1" + std::string(5000, ')');
  EXPECT_THROW(EvaluateExpression(deep), ERxParserError);
  const std::string fine = std::string(500, '(') + "1" + std::string(500, ')');
  EXPECT_EQ(EvaluateExpression(fine), 1);
}

}  // namespace
}  // namespace kavrin
