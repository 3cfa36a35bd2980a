// The scenario catalog's requests field by field, its replies and the panel's rules.
#include <gtest/gtest.h>

#include "core/errors.h"
#include "core/format.h"
#include "online/scriptcatalog.h"
#include "online/scriptview.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

const TServiceIdentity Identity{"{APP}", "0.1.0.7", "0A1B2C3D", "Иван", "Ivan@Example.org", 1049};

std::string Row(const std::string& inner) { return "<row>" + inner + "</row>"; }
std::string Result(const std::string& rows) { return "<result>" + rows + "</result>"; }

TEST(ScriptsRequest, ListSendsTheFilterIdOfTheChosenItem) {
  EXPECT_EQ(ScriptFilterId(0), -1) << ScriptFilterItems[0];
  EXPECT_EQ(ScriptFilterId(2), 1) << ScriptFilterItems[2];
  EXPECT_EQ(ScriptsListForm(ScriptFilterId(0), 1049, Identity), (THttpForm{{"fltid", "-1"},
                                                                            {"appid", "{APP}"},
                                                                            {"appver", "0.1.0.7"},
                                                                            {"hwdid", "0A1B2C3D"},
                                                                            {"cl_name", "Иван"},
                                                                            {"cl_mail", "Ivan@Example.org"},
                                                                            {"cl_lcid", "1049"}}));
}

TEST(ScriptsRequest, RateTitlePutAndDeleteFieldByField) {
  const THttpForm identity{{"appid", "{APP}"},      {"appver", "0.1.0.7"},          {"hwdid", "0A1B2C3D"},
                           {"cl_name", "Иван"},     {"cl_mail", "Ivan@Example.org"}, {"cl_lcid", "1049"}};
  THttpForm rate{{"scr_id", "5"}, {"rate_value", "4"}, {"rate_notes", "\\\"ok\\\"\\r\\n"}};
  rate.insert(rate.end(), identity.begin(), identity.end());
  EXPECT_EQ(ScriptRateForm(5, 4, "\"ok\"\r\n", 1049, Identity), rate);
  EXPECT_EQ(ScriptIdForm(5), (THttpForm{{"scr_id", "5"}}));
  EXPECT_EQ(ScriptTitleForm(-1, "Мой?"), (THttpForm{{"scr_id", "-1"}, {"scr_title", "Мой\\?"}}));

  tScriptData data{12, "Пётр", 1033, true, false, "Название", "Строка 1\r\nСтрока 2"};
  const std::string text = "EXCL:1#RAND|| | | | | |c\r\n\r\n";
  EXPECT_EQ(ScriptPutForm(data, &text, Identity), (THttpForm{{"del_mode", "0"},
                                                             {"scr_id", "12"},
                                                             {"scr_uniapps", "1"},
                                                             {"scr_publics", "0"},
                                                             {"scr_title", "Название"},
                                                             {"scr_descr", "Строка 1\\r\\nСтрока 2"},
                                                             {"scr_script", "EXCL:1#RAND|| | | | | |c\\r\\n\\r\\n"},
                                                             {"appid", "{APP}"},
                                                             {"appver", "0.1.0.7"},
                                                             {"hwdid", "0A1B2C3D"},
                                                             {"cl_name", "Пётр"},
                                                             {"cl_mail", "Ivan@Example.org"},
                                                             {"cl_lcid", "1033"}}));
  data.Universal = false;
  data.Public = true;
  const THttpForm deletion = ScriptPutForm(data, nullptr, Identity);
  EXPECT_EQ(deletion.size(), 12u);
  EXPECT_EQ(deletion[0].second, "1");
  EXPECT_EQ(deletion[2].second, "0");
  EXPECT_EQ(deletion[3].second, "1");
  EXPECT_EQ(deletion[6].first, "appid") << "no scenario text in a deletion";
}

TEST(ScriptsReply, ARowIsDecodedWithItsDerivedFlags) {
  const std::string row = Row(
      "<id>12</id><key_cl_name>Пётр</key_cl_name><key_cl_mail>ivan@example.org</key_cl_mail>"
      "<key_cl_lcid>x</key_cl_lcid><app_name>Vexa 6x45</app_name><app_ver>2.0.0.3</app_ver>"
      "<app_guid>{other}</app_guid><uniapps>0</uniapps><publics>1</publics><created></created>"
      "<rating_avg>4,5</rating_avg><rating_cnt>2</rating_cnt><rating_you>-1</rating_you><downloads>n/a</downloads>"
      "<title>" + Base64Encode("Заголовок") + "</title><descr>" + Base64Encode("Описание") + "</descr>");
  std::vector<tScriptInfo> rows;
  EXPECT_TRUE(ReadScriptsList(Result(row), 1049, Identity, [&](const tScriptInfo& s) { rows.push_back(s); }));
  ASSERT_EQ(rows.size(), 1u);
  const tScriptInfo& s = rows[0];
  EXPECT_EQ(s.Id, 12);
  EXPECT_EQ(s.Author, "Пётр");
  EXPECT_EQ(s.LanguageId, 1049) << "the request's language stands in";
  EXPECT_EQ(s.AppName, "Vexa 6x45");
  EXPECT_EQ(s.AppVersion, "2.0.0.3");
  EXPECT_FALSE(s.Universal);
  EXPECT_TRUE(s.Public);
  EXPECT_EQ(s.Rating, 4.5L);
  EXPECT_EQ(s.RatingsCount, 2);
  EXPECT_EQ(s.YourRating, -1);
  EXPECT_EQ(s.Downloads, 0);
  EXPECT_EQ(s.Title, "Заголовок");
  EXPECT_EQ(s.Description, "Описание");
  // Another application's scenario that is not universal: the user's own, yet neither usable
  // nor replaceable.
  EXPECT_TRUE(s.Mine);
  EXPECT_FALSE(s.Usable);
  EXPECT_FALSE(s.Replaceable);

  struct Case {
    std::string guid, uniapps, mail;
    bool mine, usable;
  };
  const Case cases[] = {{"{app}", "0", "ivan@example.org", true, true},
                        {"{other}", "1", "", false, true},
                        {"{other}", "0", "someone@example.org", false, false}};
  for (const Case& c : cases) {
    const tScriptInfo r = ReadScriptRow("<id>1</id><app_guid>" + c.guid + "</app_guid><uniapps>" + c.uniapps +
                                            "</uniapps><key_cl_mail>" + c.mail + "</key_cl_mail>",
                                        1049, Identity);
    EXPECT_EQ(r.Mine, c.mine) << c.guid << c.mail;
    EXPECT_EQ(r.Usable, c.usable) << c.guid << c.uniapps;
    EXPECT_EQ(r.Replaceable, c.mine && c.usable);
  }
  EXPECT_THROW(ReadScriptRow("<id>abc</id>", 1049, Identity), KavrinError);
  EXPECT_THROW(ReadScriptRow("<id>1</id><error>нет доступа</error>", 1049, Identity), KavrinError);
}

TEST(ScriptsReply, RatingsReadWithEitherSeparator) {
  const std::pair<const char*, long double> cases[] = {
      {"4,5", 4.5L}, {"4.5", 4.5L}, {" 3.25 *", 3.25L}, {"-1", -1}, {"", 0}, {"n/a", 0}, {"1.2.3", 0}};
  for (const auto& [text, value] : cases) EXPECT_EQ(ReadScriptRating(text), value) << text;
}

TEST(ScriptsReply, TextRateTitleAndPutReplies) {
  EXPECT_EQ(ReadScriptText(Result(Row("<id>1</id><script>" + Base64Encode("x") + "</script>") +
                                  Row("<SCRIPT></SCRIPT>") + Row("<Script>" + Base64Encode("A|B\r\n") + "</Script>") +
                                  Row("<script>" + Base64Encode("later") + "</script>"))),
            "A|B\r\n")
      << "only rows that start with the script tag count";
  EXPECT_EQ(ReadScriptText(Result(Row("<script></script>"))), "");

  EXPECT_TRUE(ReadScriptRateReply(Result(Row("<res_code>-2</res_code>") + Row("<res_code>1</res_code>"))));
  try {
    ReadScriptRateReply(Result(Row("<res_code>0</res_code>") + Row("<res_code>-2</res_code>")));
    FAIL();
  } catch (const KavrinError& e) {
    EXPECT_STREQ(e.what(), "Код возврата: -2");
  }
  EXPECT_FALSE(ReadScriptRateReply("<result></result>"));
  EXPECT_THROW(ReadScriptRateReply(Result(Row("<res_code>ok</res_code>"))), KavrinError);

  EXPECT_TRUE(ReadScriptTitleReply(Result(Row("<ret_code>1</ret_code>") + Row("<ret_code>0</ret_code>"))));
  EXPECT_FALSE(ReadScriptTitleReply(Result(Row("<ret_code>3</ret_code>"))));
  EXPECT_FALSE(ReadScriptTitleReply(""));
  EXPECT_THROW(ReadScriptTitleReply(Result(Row("<ret_code></ret_code>"))), KavrinError);

  EXPECT_EQ(ReadScriptPutReply(Result(Row("<id_scripts>5</id_scripts>") + Row("<id_scripts>9</id_scripts>"))), 9);
  EXPECT_EQ(ReadScriptPutReply(Result("")), -1);
  EXPECT_THROW(ReadScriptPutReply(Result(Row("<id_scripts>9x</id_scripts>"))), KavrinError);
}

TEST(ScriptsReply, RatingsWindowRowsAreShownAsReceivedButTheDate) {
  std::vector<TScriptRate> rates;
  EXPECT_FALSE(ReadScriptRates("", rates));
  EXPECT_TRUE(ReadScriptRates(Result(Row("<key_cl_name>Анна</key_cl_name><rate>5</rate><created></created>"
                                         "<app_name>Kavrin_5x50</app_name><app_ver>0.1.0.1</app_ver>"
                                         "<notes>Отлично</notes>")),
                              rates));
  EXPECT_EQ(rates, (std::vector<TScriptRate>{{"Анна", "5", "", "Kavrin_5x50", "0.1.0.1", "Отлично"}}));
}

TEST(ScriptsView, CellsOfARow) {
  FormatSettings() = LocaleSettings{",", " "};
  tScriptInfo s;
  s.Id = 1;
  s.Mine = true;
  s.Title = "T";
  s.Author = "A";
  s.Universal = true;
  s.AppName = "Vexa";
  s.AppVersion = "1.0.0.2";
  s.LanguageId = 1049;
  s.Rating = 1234.5L;
  s.RatingsCount = 3;
  s.YourRating = -1;
  s.Downloads = 8;
  s.Description = "D";
  EXPECT_EQ(ScriptRowCells(s), (std::array<std::string, ScriptsColumnCount>{
                                   "Мой", "T", "A", "Универсальный", "1.0.0.2", "RUS", "", "1 234,500", "3",
                                   "Скрытый", "8", "", "D"}));
  FormatSettings() = LocaleSettings{};
  s.Mine = s.Universal = false;
  s.LanguageId = 9999;
  s.Rating = 4.5L;
  for (const auto& [yours, cell] : {std::pair{0, ""}, std::pair{3, "3"}}) {
    s.YourRating = yours;
    const auto cells = ScriptRowCells(s);
    EXPECT_EQ(cells[0], "Общий");
    EXPECT_EQ(cells[3], "Vexa");
    EXPECT_EQ(cells[5], "") << "an unknown language";
    EXPECT_EQ(cells[7], "4.500");
    EXPECT_EQ(cells[9], cell);
  }
}

TEST(ScriptDialog, OkNeedsATitleThatIsFreeAndAnAuthor) {
  tScriptData fields = NewScriptData("  Иван ", 1049);
  EXPECT_EQ(fields.Id, -1);
  EXPECT_FALSE(fields.Universal);
  EXPECT_TRUE(fields.Public);
  std::vector<std::string> checked;
  auto free = [&](const std::string& title) {
    checked.push_back(title);
    return title != "Занято";
  };
  EXPECT_EQ(ValidateScriptDialog(fields, free),
            (TScriptDialogError{"Название сценария должно быть указано обязательно!", TScriptDialogField::Title}));
  EXPECT_TRUE(checked.empty());
  fields.Title = " Занято ";
  EXPECT_EQ(ValidateScriptDialog(fields, free),
            (TScriptDialogError{"Сценарий с таким названием уже существует!\rВыберите другое название.",
                                TScriptDialogField::Title}));
  EXPECT_EQ(checked, std::vector<std::string>{"Занято"}) << "the trimmed title is checked";
  fields.Title = "Свободно";
  fields.Author = " ";
  EXPECT_EQ(ValidateScriptDialog(fields, free),
            (TScriptDialogError{"Имя автора должно быть указано обязательно!", TScriptDialogField::Author}));
  fields.Author = " Иван ";
  EXPECT_EQ(ValidateScriptDialog(fields, free), std::nullopt);
  EXPECT_EQ(ScriptFromDialog(fields).Author, "Иван");
  EXPECT_EQ(ValidateScriptDialog(fields, [](const std::string&) -> bool { throw KavrinError("нет связи"); }),
            (TScriptDialogError{"Ошибка проверки уникальности online-сценария!\r\rнет связи", TScriptDialogField::Title}));
}

TEST(ScenarioText, LinesTravelWithCrLfAndAreSavedInWindows1251) {
  EXPECT_EQ(ScenarioText({"a|b", "", "Комментарий"}), "a|b\r\n\r\nКомментарий\r\n");
  test::TempDir dir;
  SaveScenarioFile(dir.File(ScriptWorkingFileName), {"Я", ""});
  EXPECT_EQ(test::ReadBytes(dir.File("Kavrin_5x50.lss")), "\xDF\r\n\r\n");
}

}  // namespace
}  // namespace kavrin
