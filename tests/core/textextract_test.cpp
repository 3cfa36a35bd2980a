#include "core/textextract.h"

#include <gtest/gtest.h>

#include "core/errors.h"

namespace kavrin {
namespace {

struct BetweenCase {
  const char* text;
  const char* expected;
};

TEST(TextExtract, TextBetweenIgnoresCaseTrimsAndUnquotes) {
  const BetweenCase cases[] = {
      {"a<B>x</b>c<b>y</b>", "x"},              // first pair, markers in any case
      {"<b>  spaced\r\n </b>", "spaced"},        // trimmed
      {"<b> \"q\"\"uo\"te\" </b>", "q\"uote"},   // outer quotes off, "" -> ", lone " dropped
      {"<b>\"</b>", "\""},                       // one quote is no quoted text
      {"<b>\"\"</b>", ""},
      {"<b>a\"b</b>", "a\"b"},                   // quotes inside an unquoted piece stay
      {"no marker here", ""},
      {"<b></b>", ""},
  };
  for (const BetweenCase& c : cases) EXPECT_EQ(TextBetween(c.text, "<b>", "</b>", true), c.expected) << c.text;
}

TEST(TextExtract, MissingEndMarkerIsAnErrorOnlyWhenStrict) {
  EXPECT_EQ(TextBetween("x<b>open", "<b>", "</b>", false), "");
  try {
    TextBetween("x<b>open", "<b>", "</b>", true);
    FAIL() << "no error";
  } catch (const KavrinError& e) {
    EXPECT_STREQ(e.what(), "Не удалось найти пару идентификаторов \"<b>\" - \"</b>\" в тексте\r\r[x<b>open]!");
  }
  // The end marker must follow the start marker.
  EXPECT_THROW(TextBetween("</b><b>x", "<b>", "</b>", true), KavrinError);
}

TEST(TextExtract, CutTextBetweenConsumesTheText) {
  std::string_view text = "<b>1</b>&nbsp;<B class=\"x\">2</b>tail";
  EXPECT_EQ(CutTextBetween(text, "<b", "</b>"), ">1");
  EXPECT_EQ(text, "&nbsp;<B class=\"x\">2</b>tail");
  EXPECT_EQ(CutTextBetween(text, "<b", "</b>"), "class=\"x\">2");
  EXPECT_EQ(text, "tail");
  EXPECT_EQ(CutTextBetween(text, "<b", "</b>"), "");
  EXPECT_EQ(text, "tail");

  std::string_view open = "<b>1";
  EXPECT_THROW(CutTextBetween(open, "<b", "</b>"), KavrinError);
  EXPECT_EQ(open, "<b>1");
}

TEST(TextExtract, NextTextElementWalksTheElements) {
  std::string_view text = "head<e>one<E> two <e><e>three";
  std::vector<std::string> elements;
  while (auto element = NextTextElement(text, "<e>")) elements.push_back(*element);
  // An empty element does not end the walk.
  EXPECT_EQ(elements, (std::vector<std::string>{"one", "two", "", "three"}));
  EXPECT_EQ(text, "");

  std::string_view none = "nothing";
  EXPECT_FALSE(NextTextElement(none, "<e>"));
  EXPECT_EQ(none, "nothing");
}

TEST(TextExtract, NestedTextBetweenIsStrictOnBothLevels) {
  EXPECT_EQ(NestedTextBetween("<o class=1><i> x </i></o>", "<o", "</o>", ">", "</i>"), "<i> x");
  EXPECT_EQ(NestedTextBetween("no outer", "<o", "</o>", ">", "</i>"), "");
  EXPECT_THROW(NestedTextBetween("<o><i>x</i>", "<o", "</o>", ">", "</i>"), KavrinError);
  EXPECT_THROW(NestedTextBetween("<o><i>x</o>", "<o", "</o>", "<i>", "</i>"), KavrinError);
}

}  // namespace
}  // namespace kavrin
