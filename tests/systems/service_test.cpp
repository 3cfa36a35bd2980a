// The conventions of the maker's service: escaping, base64, times and the reading of replies.
#include <gtest/gtest.h>

#include "core/errors.h"
#include "systems/service.h"
#include "timezone_guard.h"

namespace kavrin {
namespace {

using test::TimeZoneGuard;

TEST(ServiceText, EscapingGivesEachSpecialCharacterItsBackslashForm) {
  struct Case {
    std::string text, escaped;
  };
  const Case cases[] = {
      {"Система \"Лидер\"\r\nвторая", "Система \\\"Лидер\\\"\\r\\nвторая"},
      {std::string("\0\1\2\3\4\5\6", 7), "\\0\\1\\2\\3\\4\\5\\6"},
      {"\a\b\t\n\v\f\r\x1B", "\\a\\b\\t\\n\\v\\f\\r\\e"},
      {"it's? a\\b", "it\\'s\\? a\\\\b"},
      {"\x0E\x1F\x7F", "\x0E\x1F\x7F"},  // other control characters are copied
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(EscapeText(c.text), c.escaped) << c.escaped;
}

TEST(ServiceText, Base64FollowsTheStandardAlphabetAndPadding) {
  const std::pair<std::string, std::string> vectors[] = {{"", ""},         {"f", "Zg=="},         {"fo", "Zm8="},
                                                         {"foo", "Zm9v"},  {"foob", "Zm9vYg=="},  {"fooba", "Zm9vYmE="},
                                                         {"foobar", "Zm9vYmFy"}, {"\xFF\xFE\x3F", "//4/"}};
  for (const auto& [bytes, text] : vectors) {
    EXPECT_EQ(Base64Encode(bytes), text);
    EXPECT_EQ(Base64Decode(text), bytes);
  }
  EXPECT_EQ(Base64Decode("Zm9v\r\nYmFy\n"), "foobar") << "line breaks inside are skipped";
  for (const char* bad : {"Zm9v!", "Zm9", "Zg=a", "Zg==="}) EXPECT_THROW(Base64Decode(bad), KavrinError) << bad;
}

TEST(ServiceText, Utf8TextsBecomeTheProgramsTextWithUnrepresentableCharactersReplaced) {
  EXPECT_EQ(ServiceText("Привет"), "Привет");
  EXPECT_EQ(ServiceText("a\xE2\x82\xAC" "b"), "a\xE2\x82\xAC" "b") << "the euro sign is in Windows-1251";
  EXPECT_EQ(ServiceText("\xE4\xB8\xAD"), "?");
  EXPECT_EQ(ServiceBase64Text(Base64Encode("Тест")), "Тест");
}

TEST(ServiceText, UtcTimesBecomeLocalTimes) {
  TimeZoneGuard zone("UTC-3");  // three hours east of UTC
  EXPECT_EQ(DateTimeToViewText(ServiceTimeToLocal("2024-01-31 22:30:00")), "2024-02-01 01:30:00");
  EXPECT_EQ(DateTimeToViewText(ServiceTimeToLocal(" 2023-12-31 21:00:05 ")), "2024-01-01 00:00:05");
  EXPECT_EQ(ServiceTimeToLocal(""), 0);
  EXPECT_EQ(DateTimeToViewText(0), "");
  for (const char* bad : {"2024-02-30 10:00:00", "2024-01-31", "yyyy-01-31 22:30:00"})
    EXPECT_THROW(ServiceTimeToLocal(bad), KavrinError) << bad;

  const TDateTime t = ViewTextToDateTime("2024-03-05 21:07:44");
  EXPECT_EQ(DateTimeToViewText(t), "2024-03-05 21:07:44");
  EXPECT_EQ(DateTimeToViewText(UnixToDateTime(DateTimeToUnix(t))), "2024-03-05 21:07:44");
}

TEST(ServiceReply, RowsAreCutInOrderAndValuesReadByTheirTags) {
  const std::string body =
      "junk <RESULT> <row><id> 7 </id><Title>\"quoted\"</TITLE></row>\r\n"
      "<row><id>8</id><empty></empty></row></result>";
  std::vector<std::string> rows;
  EXPECT_TRUE(ForEachReplyRow(body, [&](const std::string& row) {
    rows.push_back(row);
    return true;
  }));
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(ReplyInteger(rows[0], "id"), 7);
  EXPECT_EQ(ReplyValue(rows[0], "title"), "quoted");
  EXPECT_EQ(ReplyValue(rows[0], "missing"), "");
  EXPECT_EQ(ReplyValue(rows[1], "empty"), "");
  EXPECT_EQ(ReplyIntegerOr(rows[1], "empty", -5), -5);
  EXPECT_THROW(ReplyInteger(rows[1], "empty"), KavrinError);
  EXPECT_THROW(ReplyValue("<id>7", "id"), KavrinError) << "an opening tag without its closing tag";

  int seen = 0;
  ForEachReplyRow(body, [&](const std::string&) { return ++seen < 1; });
  EXPECT_EQ(seen, 1) << "the walk stops when asked to";
}

TEST(ServiceReply, AMissingOrEmptyResultIsNoResultAndABrokenRowFailsAfterTheRowsBefore) {
  auto count = [](const std::string& body) {
    int rows = 0;
    const bool result = ForEachReplyRow(body, [&](const std::string&) { return ++rows > 0; });
    return std::make_pair(result, rows);
  };
  EXPECT_EQ(count("<html>Service unavailable</html>"), std::make_pair(false, 0));
  EXPECT_EQ(count("<result></result>"), std::make_pair(false, 0));
  EXPECT_EQ(count("<result>no rows</result>"), std::make_pair(true, 0));
  EXPECT_THROW(count("<result><row><id>1</id></row>"), KavrinError) << "a result without its closing tag";

  std::vector<std::string> handed;
  EXPECT_THROW(ForEachReplyRow("<result><row>1</row><row>2</result>",
                               [&](const std::string& row) {
                                 handed.push_back(row);
                                 return true;
                               }),
               KavrinError);
  EXPECT_EQ(handed, std::vector<std::string>{"1"});
}

TEST(ServiceReply, ANonEmptyErrorIsARefusal) {
  EXPECT_NO_THROW(CheckReplyRefusal("<id>1</id><error></error>"));
  EXPECT_NO_THROW(CheckReplyRefusal("<id>1</id>"));
  try {
    CheckReplyRefusal("<error>Access denied</error>");
    FAIL();
  } catch (const KavrinError& e) {
    EXPECT_STREQ(e.what(), "Сервер отклонил запрос: Access denied");
  }
}

TEST(ServiceRequest, IdentityFieldsFollowInTheirOrderWithTextsEscaped) {
  TServiceIdentity identity{"{APP}", "0.1.0.7", "0A1B2C3D", "Иван", "ivan@example.org", 1049};
  THttpForm form{{"first", "1"}};
  AppendIdentityFields(form, identity, "O'Neil", "a\"b@example.org", 1033);
  EXPECT_EQ(form, (THttpForm{{"first", "1"},
                             {"appid", "{APP}"},
                             {"appver", "0.1.0.7"},
                             {"hwdid", "0A1B2C3D"},
                             {"cl_name", "O\\'Neil"},
                             {"cl_mail", "a\\\"b@example.org"},
                             {"cl_lcid", "1033"}}));
  TMakerService service{"http://127.0.0.1:1/", {}, identity};
  EXPECT_EQ(service.Address("/scripts/sys_getlist.php"), "http://127.0.0.1:1/scripts/sys_getlist.php");
}

}  // namespace
}  // namespace kavrin
