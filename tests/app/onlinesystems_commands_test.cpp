// The systems tab's commands against the local stand-in of the maker's systems service.
#include <sys/stat.h>

#include "app/appidentity.h"
#include "core/fileio.h"
#include "core/format.h"
#include "online_fixture.h"
#include "stakes/systemplay.h"

namespace kavrin {
namespace {

using test::Result;
using test::Row;

std::string SystemRow(int id, int nums, int block, int combinations, const std::string& owner,
                      const std::string& created = "2024-01-31 22:30:00") {
  return Row(Format("<id>%d</id><nums>%d</nums><olap>%d</olap><csize>%d</csize><title>%s</title>"
                    "<descr></descr><author>Автор %d</author><cl_mail>%s</cl_mail><created>%s</created>",
                    {id, nums, block, combinations, Base64Encode(Format("Система %d", {id})), id, owner, created}));
}

std::string CombsReply(const std::string& text) { return Result(Row("<clist>" + Base64Encode(text) + "</clist>")); }

class SystemsCommands : public test::OnlineTest {
 protected:
  std::string Folder() const { return data.File(SystemsFolderName); }
  std::string LocalFile(int nums, int block, int id) const { return Folder() + "/" + SystemFileName(nums, block, id); }
  std::vector<int32_t> RowIds() const {
    std::vector<int32_t> ids;
    for (const TSystemRow& row : main.SystemsRows) ids.push_back(row.Info.Id);
    return ids;
  }
};

TEST_F(SystemsCommands, RefreshListsTheCatalogKeepsTheSelectionAndRenewsStaleCopies) {
  Reply("sys_getlist", Result(SystemRow(42, 12, 3, 2, "other@example.org") + SystemRow(7, 9, 0, 1, "IVAN@example.org")));
  Reply("sys_getdata-42", CombsReply("01 02 03 04 05\n01 02 03 04 06\n"));
  // An old version of system 42 is on the computer.
  std::filesystem::create_directories(Folder());
  test::WriteBytes(LocalFile(12, 3, 42), "old\r\n");

  main.SystemsRefresh();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(RowIds(), (std::vector<int32_t>{42, 7}));
  EXPECT_TRUE(main.SystemsRows[0].Downloaded);
  EXPECT_FALSE(main.SystemsRows[1].Downloaded);
  EXPECT_EQ(SystemRowState(main.SystemsRows[1], main.Network.UserMail), TSystemRowState::Own);
  EXPECT_EQ(test::ReadBytes(LocalFile(12, 3, 42)), "01 02 03 04 05\r\n01 02 03 04 06\r\n");
  EXPECT_FALSE(SystemLocalCopyStale(LocalFile(12, 3, 42), main.SystemsRows[0].Info.Created));

  std::vector<standin::Request> posts = Posts();
  ASSERT_EQ(posts.size(), 2u);
  EXPECT_EQ(posts[0].Target, "/scripts/sys_getlist.php");
  THttpForm list{{"comblen", "5"}, {"maxnums", "50"}};
  const THttpForm identity = IdentityFields();
  list.insert(list.end(), identity.begin(), identity.end());
  EXPECT_EQ(posts[0].Fields, list);
  EXPECT_EQ(identity[0].second, ApplicationId);
  EXPECT_EQ(identity[1].second, ApplicationVersion());
  EXPECT_EQ(posts[1].Target, "/scripts/sys_getdata.php");
  EXPECT_EQ(posts[1].Fields, (THttpForm{{"sys_id", "42"}}));

  // The same catalog again: the copy is current, and system 7 stays selected where it went.
  Reply("sys_getlist", Result(SystemRow(3, 6, 0, 1, "") + SystemRow(7, 9, 0, 1, "IVAN@example.org") +
                              SystemRow(42, 12, 3, 2, "other@example.org")));
  main.SystemsSelection = {1};
  main.SystemsRefresh();
  EXPECT_EQ(Posts().size(), 3u) << "no second download of a current copy";
  EXPECT_EQ(main.SystemsSelection, std::vector<int>{1});
  EXPECT_EQ(main.StatusText(PanelOperation), "");
  EXPECT_FALSE(main.Busy());
}

TEST_F(SystemsCommands, NoCatalogShowsThePlaceholderAndABadRowKeepsTheRowsBefore) {
  Reply("sys_getlist", "<html>maintenance</html>");
  main.SystemsRefresh();
  EXPECT_TRUE(host.messages.empty());
  ASSERT_EQ(main.SystemsRows.size(), 1u);
  EXPECT_EQ(SystemRowCells(main.SystemsRows[0])[0], "Список систем не доступен!");
  EXPECT_FALSE(main.SystemsDelUpdate());

  Reply("sys_getlist", Result(SystemRow(42, 12, 3, 2, "") + "<row><id>43</id>"));
  main.SystemsRefresh();
  EXPECT_EQ(RowIds(), std::vector<int32_t>{42});
  ASSERT_EQ(host.Errors().size(), 1u);
  EXPECT_EQ(host.Errors()[0].rfind("Ошибка загрузки списка систем!\r\rНе удалось найти пару идентификаторов", 0), 0u)
      << host.Errors()[0];

  std::filesystem::remove(site.File("service/sys_getlist.xml"));
  main.SystemsRefresh();
  EXPECT_EQ(host.Errors().back(), "Ошибка загрузки списка систем!\r\rHTTP/1.1 404 Not Found");
  EXPECT_TRUE(main.SystemsRows.empty());
}

TEST_F(SystemsCommands, DownloadingKeepsOneSystemPerNumberCount) {
  Reply("sys_getlist", Result(SystemRow(42, 12, 3, 2, "") + SystemRow(43, 12, 0, 1, "") + SystemRow(7, 9, 0, 1, "") +
                              SystemRow(8, 10, 0, 3, "")));
  Reply("sys_getdata-42", CombsReply("01 02 03 04 05\r\n01 02 03 04 06"));
  Reply("sys_getdata-43", CombsReply("01 02 03 04 12"));
  Reply("sys_getdata-7", CombsReply("01 02 03 04 09"));
  Reply("sys_getdata-8", CombsReply("01 02 03 04 10"));
  main.SystemsRefresh();
  main.SystemsSelection = {0};
  main.SystemsDownloadExecute();
  EXPECT_TRUE(main.SystemsRows[0].Downloaded);
  EXPECT_TRUE(FileExists(LocalFile(12, 3, 42)));
  EXPECT_EQ(main.SystemsSelection, std::vector<int>{0}) << "the first selected row stays selected";

  main.SystemsSelection = {1, 3, 2};
  main.SystemsDownloadExecute();
  EXPECT_FALSE(main.SystemsRows[0].Downloaded);
  EXPECT_FALSE(FileExists(LocalFile(12, 3, 42)));
  EXPECT_TRUE(main.SystemsRows[1].Downloaded);
  EXPECT_TRUE(main.SystemsRows[2].Downloaded);
  EXPECT_FALSE(main.SystemsRows[3].Downloaded);
  EXPECT_FALSE(FileExists(LocalFile(10, 0, 8)));
  EXPECT_EQ(host.Errors(), std::vector<std::string>{"Ошибка загрузки системы #8!\r\rКоличество скачанных комбинаций "
                                                    "( 1 ) отличается от ожидаемого значения ( 3 )"});
  EXPECT_EQ(main.SystemsSelection, (std::vector<int>{1, 3})) << "a failed row stays selected, others are deselected";
  EXPECT_EQ(FindSystemFile(Folder(), 12), LocalFile(12, 0, 43));
  EXPECT_TRUE(std::find(host.statusLog.begin(), host.statusLog.end(), "6:Загрузка \"Система 43\"...") !=
              host.statusLog.end());
}

TSystemDialogFields Typed(const std::string& title, const std::string& combs) {
  TSystemDialogFields f;
  f.Title = title;
  f.Author = "Иван И.";
  f.Description = "Моя \"лучшая\" система";
  f.Url = "http://example.org/s";
  f.BlockText = "0";
  f.CombsText = combs;
  return f;
}

TEST_F(SystemsCommands, AddPublishesTheUsersSystemAndSelectsIt) {
  Reply("sys_getlist", "");
  main.SystemsRefresh();
  Reply("sys_putdata", Result(Row("<id_systems>-1</id_systems>") + Row("<id_systems>99</id_systems>")));
  host.systemInputs = {Typed("Пять", "1 2 3 4 5"), Typed("Шесть", "1 2 3 4 5\r\n2 3 4 5 6")};

  main.SystemsAddExecute();
  ASSERT_EQ(host.systemPrefills.size(), 1u);
  EXPECT_TRUE(host.systemPrefills[0].second);
  EXPECT_EQ(host.systemPrefills[0].first.Author, "Иван");
  EXPECT_EQ(host.Errors(), std::vector<std::string>{"Указано недопустмое количество используемых чисел!"});
  EXPECT_EQ(RowIds(), std::vector<int32_t>{99}) << "the placeholder gives way to the new row";
  EXPECT_EQ(main.SystemsSelection, std::vector<int>{0});
  const tSystemInfo& added = main.SystemsRows[0].Info;
  EXPECT_EQ(added.Title, "Шесть");
  EXPECT_EQ(added.Owner, "ivan@example.org");
  EXPECT_EQ(added.Nums, 6);
  EXPECT_EQ(added.Combinations, 2);
  EXPECT_TRUE(main.SystemsDelUpdate());

  const standin::Request put = Posts().back();
  EXPECT_EQ(put.Target, "/scripts/sys_putdata.php");
  THttpForm expected{{"del_mode", "0"},
                     {"sys_id", "0"},
                     {"nums", "6"},
                     {"clen", "5"},
                     {"olap", "0"},
                     {"title", "Шесть"},
                     {"descr", "Моя \\\"лучшая\\\" система"},
                     {"csize", "2"},
                     {"clist", Base64Encode("01 02 03 04 05\\r\\n02 03 04 05 06")},
                     {"url", "http://example.org/s"}};
  const THttpForm identity = IdentityFields("Иван И.");
  expected.insert(expected.end(), identity.begin(), identity.end());
  EXPECT_EQ(put.Fields, expected);
  EXPECT_EQ(host.statusLog.end()[-2], "6:Сохранение \"Шесть\"...");

  main.Network.UserMail = "";
  main.SystemsAddExecute();
  EXPECT_EQ(host.Errors().back(), std::string("Ошибка добавления системы!\r\r") + UserMailRequiredMessage);
  EXPECT_EQ(host.systemPrefills.size(), 1u) << "no dialog without an owner";
}

TEST_F(SystemsCommands, PropertiesAreReadOnlyForOthersAndEditableForOwnSystems) {
  Reply("sys_getlist", Result(SystemRow(42, 12, 3, 1, "other@example.org") + SystemRow(7, 9, 0, 1, "ivan@example.org")));
  Reply("sys_getdata-42", CombsReply("01 02 03 04 05"));
  Reply("sys_getdata-7", CombsReply("01 02 03 04 09"));
  Reply("sys_putdata", Result(Row("<id_systems>7</id_systems>")));
  main.SystemsRefresh();
  main.SystemsSelection = {0};
  main.SystemsPropExecute();
  ASSERT_EQ(host.systemPrefills.size(), 1u);
  EXPECT_FALSE(host.systemPrefills[0].second);
  EXPECT_EQ(host.systemPrefills[0].first.CombsText, "01 02 03 04 05");
  EXPECT_EQ(host.systemPrefills[0].first.NumsText, "12");
  EXPECT_EQ(PostTargets().back(), "/scripts/sys_getdata.php");

  main.SystemsSelection = {1};
  host.systemInputs = {Typed("Новое имя", "1 2 3 4 9")};
  main.SystemsPropExecute();
  EXPECT_TRUE(host.systemPrefills[1].second);
  EXPECT_EQ(main.SystemsRows[1].Info.Title, "Новое имя");
  EXPECT_EQ(main.SystemsRows[1].Info.Id, 7);
  EXPECT_EQ(Posts().back().Fields[1], (std::pair<std::string, std::string>{"sys_id", "7"}));
  EXPECT_TRUE(host.messages.empty());

  // A refused change leaves the row as it was.
  Reply("sys_putdata", Result(Row("<error>занято</error>")));
  host.systemInputs = {Typed("Третье", "1 2 3 4 9")};
  main.SystemsPropExecute();
  EXPECT_EQ(main.SystemsRows[1].Info.Title, "Новое имя");
  EXPECT_EQ(host.Errors(), std::vector<std::string>{"Ошибка сохранения системы #7!\r\rСервер отклонил запрос: занято"});
}

TEST_F(SystemsCommands, DeletingAsksAndTakesOnlyOwnSystems) {
  Reply("sys_getlist", Result(SystemRow(42, 12, 3, 1, "other@example.org") + SystemRow(7, 9, 0, 1, "ivan@example.org")));
  Reply("sys_getdata-7", CombsReply("01 02 03 04 09"));
  main.SystemsRefresh();
  main.SystemsSelection = {1};
  main.SystemsDownloadExecute();
  ASSERT_TRUE(FileExists(LocalFile(9, 0, 7)));

  main.SystemsSelection = {0};
  EXPECT_FALSE(main.SystemsDelUpdate());
  main.SystemsDelExecute();
  EXPECT_EQ(host.Errors(), std::vector<std::string>{"Вы можете удалять только свои системы!"});

  main.SystemsSelection = {1};
  EXPECT_TRUE(main.SystemsDelUpdate());
  host.answers = {false};
  main.SystemsDelExecute();
  EXPECT_EQ(host.messages.back(),
            (test::Message{"question", "Вы действительно хотите удалить систему \"Система 7\"?", "Подтверждение"}));
  EXPECT_EQ(PostTargets().back(), "/scripts/sys_getdata.php") << "No sends nothing";

  Reply("sys_putdata", Result(Row("<id_systems>-1</id_systems>")));
  host.answers = {true};
  main.SystemsDelExecute();
  EXPECT_EQ(RowIds(), (std::vector<int32_t>{42, 7})) << "the service did not delete it";

  Reply("sys_putdata", Result(Row("<id_systems>0</id_systems>")));
  host.answers = {true};
  main.SystemsDelExecute();
  EXPECT_EQ(RowIds(), std::vector<int32_t>{42});
  EXPECT_FALSE(FileExists(LocalFile(9, 0, 7)));
  const standin::Request put = Posts().back();
  EXPECT_EQ(put.Fields[0], (std::pair<std::string, std::string>{"del_mode", "1"}));
  EXPECT_EQ(put.Fields[1], (std::pair<std::string, std::string>{"sys_id", "7"}));
  EXPECT_EQ(put.Fields[8], (std::pair<std::string, std::string>{"clist", ""}));
  EXPECT_EQ(host.Errors().size(), 1u);
}

TEST_F(SystemsCommands, TheSwitchShowsAndHidesTheTabAndStoresIt) {
  Reply("sys_getlist", Result(SystemRow(42, 12, 3, 1, "")));
  main.SystemsOnExecute();
  EXPECT_FALSE(main.SystemsOnChecked());
  EXPECT_FALSE(main.SystemsRefreshUpdate());
  EXPECT_TRUE(main.SystemsRows.empty());
  EXPECT_TRUE(Posts().empty());
  main.SystemsOnExecute();
  EXPECT_TRUE(main.SystemsOnChecked());
  EXPECT_EQ(RowIds(), std::vector<int32_t>{42});
  TIniFile view(data.File(ViewSettingsFileName));
  EXPECT_TRUE(view.ValueExists(MainWindowSection, "SystemsEnabled"));
  EXPECT_TRUE(view.ReadBool(MainWindowSection, "SystemsEnabled", false));
}

}  // namespace
}  // namespace kavrin
