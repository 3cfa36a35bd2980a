// The systems service's requests field by field and the reading of its replies.
#include <gtest/gtest.h>

#include "core/errors.h"
#include "systems/systemsclient.h"
#include "timezone_guard.h"

namespace kavrin {
namespace {

const TServiceIdentity Identity{"{APP}", "0.1.0.7", "0A1B2C3D", "Иван", "ivan@example.org", 1049};

// "Лидер" and "Описание" in base64 of UTF-8, written out by hand.
constexpr char TitleBase64[] = "0JvQuNC00LXRgA==";
constexpr char DescrBase64[] = "0J7Qv9C40YHQsNC90LjQtQ==";

TEST(SystemsRequest, ListAsksForFiveOfFiftyWithTheUsersIdentity) {
  EXPECT_EQ(SystemsListForm(Identity), (THttpForm{{"comblen", "5"},
                                                  {"maxnums", "50"},
                                                  {"appid", "{APP}"},
                                                  {"appver", "0.1.0.7"},
                                                  {"hwdid", "0A1B2C3D"},
                                                  {"cl_name", "Иван"},
                                                  {"cl_mail", "ivan@example.org"},
                                                  {"cl_lcid", "1049"}}));
  EXPECT_EQ(SystemCombsForm(42), (THttpForm{{"sys_id", "42"}}));
}

TEST(SystemsRequest, PutSendsTheSystemWithEscapedTextsAndTheEscapedListInBase64) {
  tSystemData data;
  data.Info.Id = 0;
  data.Info.Nums = 12;
  data.Info.Block = 3;
  data.Info.Combinations = 2;
  data.Info.Title = "Сист\"ема\r\n2";
  data.Info.Description = "что?";
  data.Info.Author = "Пётр";
  data.Info.Owner = "petr@example.org";
  data.Info.Url = "http://example.org/a?b=1";
  data.Combs = "01 02 03 04 05\r\n06 07 08 09 10";
  const THttpForm put = SystemPutForm(data, false, Identity);
  EXPECT_EQ(put, (THttpForm{{"del_mode", "0"},
                            {"sys_id", "0"},
                            {"nums", "12"},
                            {"clen", "5"},
                            {"olap", "3"},
                            {"title", "Сист\\\"ема\\r\\n2"},
                            {"descr", "что\\?"},
                            {"csize", "2"},
                            {"clist", Base64Encode("01 02 03 04 05\\r\\n06 07 08 09 10")},
                            {"url", "http://example.org/a?b=1"},
                            {"appid", "{APP}"},
                            {"appver", "0.1.0.7"},
                            {"hwdid", "0A1B2C3D"},
                            {"cl_name", "Пётр"},
                            {"cl_mail", "petr@example.org"},
                            {"cl_lcid", "1049"}}));
  EXPECT_EQ(Base64Decode(put[8].second), "01 02 03 04 05\\r\\n06 07 08 09 10");

  data.Info.Id = 42;
  const THttpForm deletion = SystemPutForm(data, true, Identity);
  EXPECT_EQ(deletion[0], (std::pair<std::string, std::string>{"del_mode", "1"}));
  EXPECT_EQ(deletion[1].second, "42");
  EXPECT_EQ(deletion[8], (std::pair<std::string, std::string>{"clist", ""}));
}

std::string Row(const std::string& inner) { return "<row>" + inner + "</row>"; }

const std::string FullRow = Row(std::string("<id>42</id><nums>12</nums><olap>3</olap><csize>30</csize><title>") +
                                TitleBase64 + "</title><descr>" + DescrBase64 +
                                "</descr><author>Пётр</author><cl_mail>Petr@Example.org</cl_mail>"
                                "<url>http://example.org/s</url><created>2024-01-31 22:30:00</created>"
                                "<downloads>17</downloads><last_download></last_download>");

TEST(SystemsReply, ACatalogRowIsDecodedTagByTag) {
  test::TimeZoneGuard zone("UTC");
  std::vector<tSystemInfo> rows;
  EXPECT_TRUE(ReadSystemsList("<result>" + FullRow + FullRow + "</result>",
                              [&](const tSystemInfo& info) { rows.push_back(info); }));
  ASSERT_EQ(rows.size(), 2u);
  const tSystemInfo& s = rows[0];
  EXPECT_EQ(s.Id, 42);
  EXPECT_EQ(s.Nums, 12);
  EXPECT_EQ(s.Block, 3);
  EXPECT_EQ(s.Combinations, 30);
  EXPECT_EQ(s.Title, "Лидер");
  EXPECT_EQ(s.Description, "Описание");
  EXPECT_EQ(s.Author, "Пётр");
  EXPECT_EQ(s.Owner, "Petr@Example.org");
  EXPECT_EQ(s.Url, "http://example.org/s");
  EXPECT_EQ(DateTimeToViewText(s.Created), "2024-01-31 22:30:00");
  EXPECT_EQ(s.Downloads, 17);
  EXPECT_EQ(s.LastDownload, 0);
}

TEST(SystemsReply, BadCatalogRowsEndTheListAfterTheRowsBefore) {
  struct Case {
    std::string row;
    std::string error;
  };
  const Case cases[] = {
      {Row("<id>x</id><nums>12</nums><olap>3</olap><csize>30</csize>"), "Некорректное значение \"x\" в поле <id>"},
      {Row("<id>1</id><nums></nums><olap>3</olap><csize>30</csize>"), "Некорректное значение \"\" в поле <nums>"},
      {Row("<id>1</id><nums>12</nums><olap>3</olap><csize>3O</csize>"), "Некорректное значение \"3O\" в поле <csize>"},
      {Row("<id>1</id><nums>12</nums><olap>3</olap><csize>30</csize><title>Zm9v"), "Не удалось найти пару"},
      {Row("<error>закрыто</error><id>1</id>"), "Сервер отклонил запрос: закрыто"},
      {"<row><id>1</id><nums>12</nums><olap>3</olap><csize>30</csize>", "Не удалось найти пару"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    int handed = 0;
    try {
      ReadSystemsList("<result>" + FullRow + c.row + "</result>", [&](const tSystemInfo&) { ++handed; });
      ADD_FAILURE() << "no error";
    } catch (const KavrinError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.error, 0), 0u) << e.what();
    }
    EXPECT_EQ(handed, 1);
  }
  int handed = 0;
  EXPECT_NO_THROW(ReadSystemsList("<result>" + Row("<id>1</id><nums>6</nums><olap>0</olap><csize>1</csize>"
                                                   "<downloads>many</downloads>") +
                                      "</result>",
                                  [&](const tSystemInfo& info) { handed += info.Downloads == 0; }))
      << "a download count that is no number counts 0";
  EXPECT_EQ(handed, 1);
  EXPECT_FALSE(ReadSystemsList("<html>502 Bad Gateway</html>", [](const tSystemInfo&) {}));
}

TEST(SystemsReply, CombinationsComeFromTheFirstRowThatHasThem) {
  const std::string list = Base64Encode("01 02 03 04 05\r\n01 02 03 04 06\r\n");
  EXPECT_EQ(ReadSystemCombs("<result>" + Row("<clist></clist>") + Row("<clist>" + list + "</clist>") +
                            Row("<clist>" + Base64Encode("other") + "</clist>") + "</result>"),
            "01 02 03 04 05\r\n01 02 03 04 06\r\n");
  EXPECT_EQ(ReadSystemCombs("<result>" + Row("<clist></clist>") + "</result>"), "");
  EXPECT_THROW(ReadSystemCombs("<result>" + Row("<error>нет такой системы</error>") + "</result>"), KavrinError);
  EXPECT_THROW(ReadSystemCombs("<result>" + Row("<clist>#$%</clist>") + "</result>"), KavrinError);
}

TEST(SystemsReply, PutGivesTheFirstIdThatIsNotNegative) {
  EXPECT_EQ(ReadSystemPutReply("<result>" + Row("<id_systems>-1</id_systems>") + Row("<id_systems>-1</id_systems>") +
                               "</result>"),
            -1);
  EXPECT_EQ(ReadSystemPutReply("<result>" + Row("<id_systems>abc</id_systems>") + Row("<id_systems>77</id_systems>") +
                               Row("<id_systems>78</id_systems>") + "</result>"),
            77);
  EXPECT_EQ(ReadSystemPutReply("<result>" + Row("<id_systems>0</id_systems>") + "</result>"), 0);
  EXPECT_EQ(ReadSystemPutReply(""), -1);
  EXPECT_THROW(ReadSystemPutReply("<result>" + Row("<error>not yours</error>") + "</result>"), KavrinError);
}

}  // namespace
}  // namespace kavrin
