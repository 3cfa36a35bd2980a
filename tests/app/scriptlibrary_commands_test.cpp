// The scenario catalog panel's commands against the local stand-in of the maker's catalog.
#include <atomic>

#include "app/appidentity.h"
#include "core/format.h"
#include "online/scriptview.h"
#include "online_fixture.h"

namespace kavrin {
namespace {

using test::Result;
using test::Row;

std::string ScriptRow(int id, const std::string& mail, const std::string& guid, int universal, int yours) {
  return Row(Format("<id>%d</id><key_cl_name>Автор</key_cl_name><key_cl_mail>%s</key_cl_mail>"
                    "<key_cl_lcid>1049</key_cl_lcid><app_name>App</app_name><app_ver>1.0.0.1</app_ver>"
                    "<app_guid>%s</app_guid><uniapps>%d</uniapps><publics>1</publics><rating_you>%d</rating_you>"
                    "<title>%s</title>",
                    {id, mail, guid, universal, yours, Base64Encode(Format("Сценарий %d", {id}))}));
}

class ScriptLibrary : public test::OnlineTest {
 protected:
  void SetUp() override {
    Reply("scr_getlist", Result(ScriptRow(11, "someone@example.org", "{other}", 0, 0) +
                                ScriptRow(12, "IVAN@example.org", ApplicationId, 0, -1) +
                                ScriptRow(13, "ivan@example.org", "{other}", 0, 3)));
    main.ScriptLibraryLoad();
    ASSERT_TRUE(host.messages.empty());
  }
  int ListRequests() const {
    int count = 0;
    for (const std::string& target : PostTargets()) count += target == "/scripts/scr_getlist.php";
    return count;
  }
  std::vector<int32_t> RowIds() const {
    std::vector<int32_t> ids;
    for (const tScriptInfo& row : main.ScriptsRows) ids.push_back(row.Id);
    return ids;
  }
};

TEST_F(ScriptLibrary, TheCatalogIsLoadedWithTheStoredFilterAndKeepsTheSelection) {
  EXPECT_EQ(RowIds(), (std::vector<int32_t>{11, 12, 13}));
  THttpForm list{{"fltid", "1"}};
  const THttpForm identity = IdentityFields();
  list.insert(list.end(), identity.begin(), identity.end());
  EXPECT_EQ(Posts().back().Fields, list) << "the default filter";

  main.ScriptsSelected = 2;
  main.ScriptLibraryFilterChange(0);
  EXPECT_EQ(Posts().back().Fields[0], (std::pair<std::string, std::string>{"fltid", "-1"}));
  EXPECT_EQ(main.ScriptsSelected, 2);
  Reply("scr_getlist", Result(ScriptRow(13, "", "{x}", 1, 0)));
  main.ScriptLibraryRefreshExecute();
  EXPECT_EQ(main.ScriptsSelected, 0) << "found again at its new place";

  main.ScriptLibraryExecute();
  EXPECT_FALSE(main.ScriptLibraryChecked());
  EXPECT_TRUE(main.ScriptsRows.empty());
  EXPECT_FALSE(main.ScriptLibraryRefreshUpdate());
  EXPECT_EQ(ListRequests(), 3) << "a hidden panel asks for nothing";
  EXPECT_EQ(host.statusLog.end()[-2], "6:Загрузка online-каталога сценариев...");
}

TEST_F(ScriptLibrary, CommandStatesFollowTheSelectedRow) {
  main.ScriptLines = {"line"};
  struct Case {
    int row;
    bool download, replace, removeRating, hideChecked;
  };
  // 11: another's scenario for another application; 12: mine for this one, hidden;
  // 13: mine for another application, rated 3.
  const Case cases[] = {{0, false, false, false, false}, {1, true, true, true, true}, {2, false, false, true, false}};
  for (const Case& c : cases) {
    main.ScriptsSelected = c.row;
    EXPECT_EQ(main.ScriptLibraryDownloadUpdate(), c.download) << c.row;
    EXPECT_EQ(main.ScriptLibraryReplaceUpdate(), c.replace) << c.row;
    EXPECT_EQ(main.ScriptLibraryDeleteUpdate(), c.replace) << c.row;
    EXPECT_EQ(main.ScriptLibraryRateUpdate(0), c.removeRating) << c.row;
    EXPECT_EQ(main.ScriptLibraryRateChecked(-1), c.hideChecked) << c.row;
    EXPECT_TRUE(main.ScriptLibraryRateUpdate(5));
  }
  EXPECT_TRUE(main.ScriptLibraryRateChecked(3));
  EXPECT_EQ(ScriptRowCells(main.ScriptsRows[1])[9], "Скрытый");
  main.ScriptLines.clear();
  main.ScriptsSelected = 1;
  EXPECT_FALSE(main.ScriptLibraryReplaceUpdate());
  EXPECT_FALSE(main.ScriptLibraryUploadUpdate());
}

TEST_F(ScriptLibrary, ARatingIsSentWithItsCommentAndAFailureKeepsTheCatalog) {
  main.ScriptsSelected = 0;
  Reply("scr_setrate", Result(Row("<res_code>-2</res_code>")));
  host.textInputs = {std::string("Хорошо \"весьма\"")};
  main.ScriptLibraryRateExecute(4);
  EXPECT_EQ(host.textPrompts, std::vector<std::string>{"Комментарий|Вы можете оставить свой комментарий:|"});
  EXPECT_EQ(host.Errors(), std::vector<std::string>{"Ошибка сохранения оценки online-сценария!\r\rКод возврата: -2"});
  EXPECT_EQ(ListRequests(), 1) << "no reload after a failure";
  THttpForm rate{{"scr_id", "11"}, {"rate_value", "4"}, {"rate_notes", "Хорошо \\\"весьма\\\""}};
  const THttpForm identity = IdentityFields();
  rate.insert(rate.end(), identity.begin(), identity.end());
  EXPECT_EQ(Posts().back().Fields, rate);

  host.textInputs = {std::nullopt};
  main.ScriptLibraryRateExecute(5);
  EXPECT_EQ(PostTargets().back(), "/scripts/scr_setrate.php");
  EXPECT_EQ(Posts().size(), 2u) << "a cancelled comment sends nothing";

  Reply("scr_setrate", Result(Row("<res_code>1</res_code>")));
  main.ScriptLibraryRateExecute(-1);
  EXPECT_EQ(host.textPrompts.size(), 2u) << "hiding asks for no comment";
  EXPECT_EQ(Posts()[2].Fields[1], (std::pair<std::string, std::string>{"rate_value", "-1"}));
  EXPECT_EQ(Posts()[2].Fields[2], (std::pair<std::string, std::string>{"rate_notes", ""}));
  EXPECT_EQ(ListRequests(), 2) << "reloaded after the rating";
  EXPECT_EQ(main.ScriptsSelected, 0);
}

TEST_F(ScriptLibrary, PublishingWithATakenTitleKeepsTheDialogOpen) {
  main.ScriptLines = {"EXCL:1#RAND| | | | | | |c", ""};
  std::atomic<int> titleChecks = 0;
  server.BeforeServe = [&](const standin::Request& request) {
    if (request.Target == "/scripts/scr_chktitle.php")
      Reply("scr_chktitle", Result(Row(++titleChecks == 1 ? "<ret_code>1</ret_code>" : "<ret_code>0</ret_code>")));
  };
  Reply("scr_putscript", Result(Row("<id_scripts>31</id_scripts>")));
  tScriptData typed = NewScriptData("Иван", 1049);
  typed.Title = "Занятое";
  typed.Description = "Описание";
  typed.Universal = true;
  tScriptData second = typed;
  second.Title = "  Свободное ";
  host.scriptInputs = {typed, second};

  main.ScriptLibraryUploadExecute();
  ASSERT_EQ(host.scriptPrefills.size(), 1u);
  EXPECT_EQ(host.scriptPrefills[0].first, NewScriptData("Иван", 1049));
  EXPECT_TRUE(host.scriptPrefills[0].second);
  EXPECT_EQ(host.Errors(), std::vector<std::string>{"Сценарий с таким названием уже существует!\rВыберите другое "
                                                    "название."});
  const std::vector<standin::Request> posts = Posts();
  ASSERT_EQ(posts.size(), 4u);
  EXPECT_EQ(posts[1].Fields, (THttpForm{{"scr_id", "-1"}, {"scr_title", "Занятое"}}));
  EXPECT_EQ(posts[2].Fields, (THttpForm{{"scr_id", "-1"}, {"scr_title", "Свободное"}}));
  THttpForm put{{"del_mode", "0"},          {"scr_id", "-1"},         {"scr_uniapps", "1"},
                {"scr_publics", "1"},       {"scr_title", "Свободное"}, {"scr_descr", "Описание"},
                {"scr_script", "EXCL:1#RAND| | | | | | |c\\r\\n\\r\\n"}};
  const THttpForm identity = IdentityFields();
  put.insert(put.end(), identity.begin(), identity.end());
  EXPECT_EQ(posts[3].Target, "/scripts/scr_putscript.php");
  EXPECT_EQ(posts[3].Fields, put);

  EXPECT_EQ(RowIds(), (std::vector<int32_t>{11, 12, 13, 31}));
  EXPECT_EQ(main.ScriptsSelected, 3);
  const tScriptInfo& row = main.ScriptsRows[3];
  EXPECT_EQ(row.Title, "Свободное");
  EXPECT_EQ(row.AppName, ProgramFileName);
  EXPECT_EQ(row.AppVersion, ApplicationVersion());
  EXPECT_TRUE(row.Mine && row.Usable && row.Replaceable && row.Universal);
}

TEST_F(ScriptLibrary, DownloadingReplacesTheScenarioAndItsWorkingFile) {
  main.ScriptLines = {"old"};
  main.ScriptsSelected = 1;
  Reply("scr_getdata-12", Result(Row("<script>" + Base64Encode("A|B\r\n\r\nЯ\r\n") + "</script>")));
  main.ScriptLibraryDownloadExecute();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(main.ScriptLines, (std::vector<std::string>{"A|B", "", "Я"}));
  EXPECT_EQ(test::ReadBytes(data.File(ScriptWorkingFileName)), "A|B\r\n\r\n\xDF\r\n");
  EXPECT_EQ(Posts().back().Fields, (THttpForm{{"scr_id", "12"}}));

  Reply("scr_getdata-12", Result(Row("<script></script>")));
  main.ScriptLibraryDownloadExecute();
  EXPECT_EQ(host.Errors(), std::vector<std::string>{"Ошибка загрузки online-сценария!\r\rСервер не передал текст сценария."});
  EXPECT_EQ(main.ScriptLines, (std::vector<std::string>{"A|B", "", "Я"})) << "nothing lost";
}

TEST_F(ScriptLibrary, ReplacingAndDeletingTheUsersScenario) {
  main.ScriptLines = {"new"};
  main.ScriptsSelected = 1;
  Reply("scr_chktitle", Result(Row("<ret_code>0</ret_code>")));
  Reply("scr_putscript", Result(Row("<id_scripts>40</id_scripts>")));
  tScriptData typed{12, "Иван", 1049, false, false, "Новое", "Другое"};
  host.scriptInputs = {typed};
  main.ScriptLibraryReplaceExecute();
  EXPECT_EQ(host.scriptPrefills[0].first.Title, "Сценарий 12");
  EXPECT_EQ(main.ScriptsRows[1].Id, 40);
  EXPECT_EQ(main.ScriptsRows[1].Title, "Новое");
  EXPECT_FALSE(main.ScriptsRows[1].Public);
  EXPECT_EQ(Posts().back().Fields[1], (std::pair<std::string, std::string>{"scr_id", "12"}));

  host.answers = {true};
  Reply("scr_putscript", Result(Row("<id_scripts>0</id_scripts>")));
  main.ScriptLibraryDeleteExecute();
  EXPECT_EQ(host.messages.back(),
            (test::Message{"question", "Вы действительно хотите удалить сценарий \"Новое\"?", "Подтверждение"}));
  EXPECT_EQ(RowIds(), (std::vector<int32_t>{11, 13}));
  const THttpForm deletion = Posts().back().Fields;
  EXPECT_EQ(deletion[0], (std::pair<std::string, std::string>{"del_mode", "1"}));
  EXPECT_EQ(deletion[1], (std::pair<std::string, std::string>{"scr_id", "40"}));
  EXPECT_EQ(deletion[6].first, "appid");
  EXPECT_TRUE(host.Errors().empty());
}

TEST_F(ScriptLibrary, TheRatingsWindowOpensOnlyForAResult) {
  main.ScriptsSelected = 0;
  Reply("scr_getrates", "");
  main.ScriptLibraryRatesExecute();
  EXPECT_TRUE(host.rateWindows.empty());
  Reply("scr_getrates-11", Result(Row("<key_cl_name>Анна</key_cl_name><rate>5</rate><notes>Да</notes>")));
  main.ScriptLibraryRatesExecute();
  ASSERT_EQ(host.rateWindows.size(), 1u);
  EXPECT_EQ(host.rateWindows[0], (std::vector<TScriptRate>{{"Анна", "5", "", "", "", "Да"}}));

  std::filesystem::remove(site.File("service/scr_getrates-11.xml"));
  std::filesystem::remove(site.File("service/scr_getrates.xml"));
  main.ScriptLibraryRatesExecute();
  EXPECT_EQ(host.Errors(), std::vector<std::string>{"Ошибка просмотра оценок online-сценария!\r\rHTTP/1.1 404 Not Found"});
  EXPECT_EQ(host.rateWindows.size(), 1u);
}

}  // namespace
}  // namespace kavrin
