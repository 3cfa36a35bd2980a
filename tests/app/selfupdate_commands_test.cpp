// The update commands and the configuration of the maker's services.
#include "app/appidentity.h"
#include "core/config.h"
#include "core/cp1251.h"
#include "core/fileio.h"
#include "core/format.h"
#include "online/selfupdate.h"
#include "online_fixture.h"

namespace kavrin {
namespace {

class UpdateCommands : public test::OnlineTest {
 protected:
  UpdateCommands() {
    std::filesystem::create_directories(site.File("files/autoupdates"));
    main.Network.UpdateSource = server.Address() + "/files/autoupdates/Vexa_AU.cfg";
  }
  void Describe(int build, const std::string& package) {
    const std::string version = Format("9.9.9.%d", {build});
    test::WriteBytes(site.File("files/autoupdates/pkg.upd"), package);
    test::WriteBytes(site.File("files/autoupdates/Vexa_AU.cfg"),
                     Format("[%s]\r\nVerId=%s\r\nDescription=%s\r\nDownloadUrl=%s/files/autoupdates/pkg.upd\r\n"
                            "OriginalFileName=setup.sh\r\n",
                            {ProgramFileName, version, version, server.Address()}));
  }
  int Requests() const { return static_cast<int>(server.Requests().size()); }
  const int build = VersionBuild(ApplicationVersion());
};

TEST_F(UpdateCommands, TheRunningBuildIsNoUpdateAndTheStartCheckIsSilent) {
  Describe(build, "#!/bin/sh\n");
  EXPECT_EQ(main.CheckUpdate(), UpdateNothingInstalled);
  EXPECT_EQ(host.messages, (std::vector<test::Message>{{"info", "Обновлений не найдено!", "Информация"}}));
  EXPECT_EQ(main.SelfUpdateAtStart(), UpdateNothingInstalled);
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(Requests(), 2);
  EXPECT_FALSE(FileExists(data.File(UpdateInfoFileName)));

  main.AutoSelfUpdateExecute();
  EXPECT_FALSE(main.AutoSelfUpdateChecked());
  EXPECT_FALSE(TIniFile(data.File(ViewSettingsFileName)).ReadBool(MainWindowSection, "AutoUpdates", true));
  EXPECT_EQ(main.SelfUpdateAtStart(), UpdateNothingInstalled);
  EXPECT_EQ(Requests(), 2) << "no check at start-up while automatic updates are off";
  EXPECT_FALSE(main.Busy());
}

TEST_F(UpdateCommands, AnInstallerThatRunsPastItsTimeOutIsStopped) {
  Describe(build + 1, "#!/bin/sh\nsleep 30\n");
  main.UpdateProcessTimeoutMs = 300;
  EXPECT_EQ(main.CheckUpdate(), UpdateError);
  ASSERT_EQ(host.offers.size(), 1u);
  EXPECT_EQ(host.offers[0].CurrentVersion, ApplicationVersion());
  EXPECT_EQ(host.offers[0].NewVersion, Format("9.9.9.%d", {build + 1}));
  EXPECT_EQ(host.offers[0].DescriptionText, UpdateNoDescriptionText);
  EXPECT_EQ(host.Errors(),
            std::vector<std::string>{Format("Ошибка установки обновления!\r\rОжидание завершения процесса (файла) "
                                            "\"%s/setup.sh\" прервано в связи с превышением времени ожидания!",
                                            {data.File(UpdateWorkFolderName)})});
  EXPECT_FALSE(std::filesystem::exists(data.File(UpdateWorkFolderName)));
}

TEST_F(UpdateCommands, TheNetworkSectionNamesTheServicesAndTheUser) {
  test::WriteBytes(data.File(ConfigFileName),
                   Utf8ToCp1251("[NETWORK]\r\nSystemsSite=http://127.0.0.1:1\r\nScriptsSite=http://127.0.0.1:2\r\n"
                   "UpdateSource=/media/update/Vexa_AU.cfg\r\nUserName=Пётр\r\nUserMail= petr@example.org \r\n"));
  main.LoadConfig();
  EXPECT_EQ(main.Network.SystemsSite, "http://127.0.0.1:1");
  EXPECT_EQ(main.Network.ScriptsSite, "http://127.0.0.1:2");
  EXPECT_EQ(main.Network.UpdateSource, "/media/update/Vexa_AU.cfg");
  EXPECT_EQ(main.Network.UserName, "Пётр");
  EXPECT_EQ(main.Network.UserMail, "petr@example.org");
  EXPECT_EQ(main.SystemsService().Site, "http://127.0.0.1:1");
  EXPECT_EQ(main.ScriptsService().Identity.UserName, "Пётр");

  const TNetworkConfig defaults;
  EXPECT_EQ(defaults.SystemsSite, "https://kavrin5x50.example");
  EXPECT_EQ(defaults.UpdateSource, "https://kavrin5x50.example/files/autoupdates/Vexa_AU.cfg");
  EXPECT_TRUE(defaults.UserMail.empty());
  EXPECT_TRUE(defaults.Http.VerifyCertificates);
}

}  // namespace
}  // namespace kavrin
