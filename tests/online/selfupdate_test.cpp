// The self-update: description, builds, description texts, the package and its installation.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <filesystem>

#include "core/cp1251.h"
#include "core/errors.h"
#include "core/fileio.h"
#include "core/format.h"
#include "online/process.h"
#include "online/updatecheck.h"
#include "standin/web_standin.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

namespace fs = std::filesystem;

TEST(SelfUpdateVersion, OnlyTheBuildNumbersAreCompared) {
  struct Case {
    const char* running;
    const char* offered;
    const char* url;
    bool update;
  };
  const Case cases[] = {
      {"1.2.3.450", "1.3.0.449", "u", false}, {"1.2.3.450", "1.2.3.451", "", false},
      {"1.2.3.450", "1.2.3.451", "u", true},  {"1.2.3.450", "0-0_0,451", "u", true},
      {"1.2.3", "0.0.0.1", "u", true},        {"1.2.3.x", "0.0.0.1", "u", true},
      {"1.2.3.4", "1.2.3", "u", false},       {"1.2.3.4", "1.2.3.4", "u", false},
  };
  for (const Case& c : cases) {
    TUpdateDescription d;
    d.VerId = c.offered;
    d.DownloadUrl = c.url;
    EXPECT_EQ(UpdateAvailable(c.running, d), c.update) << c.running << " " << c.offered << " '" << c.url << "'";
  }
}

TEST(SelfUpdateDescription, KeysListsAndDefaults) {
  test::TempDir dir;
  test::WriteBytes(dir.File("d.inf"), Utf8ToCp1251("[GlobalOptions]\r\nDeleteBefore= a.txt ; ;b.txt\r\n"
                                                  "[Kavrin_5x50]\r\nVerId=0.1.0.9\r\nDescription=Версия 9\r\n"
                                                  "DownloadUrl=http://x/p.upd\r\nOriginalFileName=setup\r\n"
                                                  "ChecksumCRC32=cbf43926\r\nExecAfter=after.sh\r\n"));
  const TIniFile ini(dir.File("d.inf"));
  const TUpdateDescription d = ReadUpdateDescription(ini, "Kavrin_5x50", "0.1.0.1");
  EXPECT_EQ(d.VerId, "0.1.0.9");
  EXPECT_EQ(d.Description, "Версия 9");
  EXPECT_EQ(d.DownloadUrl, "http://x/p.upd");
  EXPECT_EQ(d.OriginalFileName, "setup");
  EXPECT_EQ(d.ChecksumCRC32, "cbf43926");
  EXPECT_EQ(d.Global.DeleteBefore, (std::vector<std::string>{"a.txt", "b.txt"}));
  EXPECT_EQ(d.Own.ExecAfter, std::vector<std::string>{"after.sh"});
  EXPECT_TRUE(d.Own.DeleteBefore.empty());

  const TUpdateDescription other = ReadUpdateDescription(ini, "Other", "0.1.0.1");
  EXPECT_EQ(other.VerId, "0.1.0.1") << "a missing section offers the running version";
  EXPECT_EQ(other.DownloadUrl, "");
}

TEST(SelfUpdateDescription, TextsAreLookedForBesideTheSourceUnderThreeNames) {
  EXPECT_EQ(UpdateTextNames("RUS", 1049, "1.2.3.4"),
            (std::vector<std::string>{"UpdDescr_RUS_1.2.3.4.txt", "UpdDescr_1049_1.2.3.4.txt", "UpdDescr_1.2.3.4.txt"}));
  EXPECT_EQ(UpdateTextFolder("https://host/files/autoupdates/Vexa_AU.cfg"), "https://host/files/autoupdates/UpdDescr/");
  EXPECT_EQ(UpdateTextFolder("/media/usb/update/Vexa_AU.cfg"), "/media/usb/update/UpdDescr/");
  EXPECT_EQ(UpdateTextFolder("Vexa_AU.cfg"), "UpdDescr/");
  EXPECT_TRUE(IsAddressSource("HTTPS://host/x"));
  EXPECT_TRUE(IsAddressSource("http://host/x"));
  EXPECT_FALSE(IsAddressSource("https:/host/x"));
  EXPECT_FALSE(IsAddressSource("/srv/https://x"));
}

TEST(SelfUpdateChecksum, Crc32AsZlibComputesIt) {
  EXPECT_EQ(Crc32Text(Crc32("123456789")), "CBF43926");
  EXPECT_EQ(Crc32Text(Crc32("")), "00000000");
  test::TempDir dir;
  test::WriteBytes(dir.File("p"), "123456789");
  EXPECT_EQ(FileCrc32(dir.File("p")), 0xCBF43926u);
}

TEST(SelfUpdateProcess, ExitCodesTimeOutsAndStartFailures) {
  test::TempDir dir;
  const std::string script = dir.File("run.sh");
  test::WriteBytes(script, "#!/bin/sh\npwd > where.txt\nexit 3\n");
  ::chmod(script.c_str(), 0755);
  EXPECT_EQ(RunProcessAndWait(script, dir.Path(), 10000, {}), 3);
  EXPECT_EQ(test::ReadBytes(dir.File("where.txt")), fs::canonical(dir.Path()).string() + "\n");

  test::WriteBytes(script, "#!/bin/sh\nsleep 30\n");
  int ticks = 0;
  try {
    RunProcessAndWait(script, dir.Path(), 300, [&] { ++ticks; });
    FAIL();
  } catch (const KavrinError& e) {
    EXPECT_EQ(std::string(e.what()),
              Format("Ожидание завершения процесса (файла) \"%s\" прервано в связи с превышением времени ожидания!",
                     {script}));
  }
  EXPECT_GE(ticks, 1) << "the window is kept responsive while waiting";
  EXPECT_THROW(RunProcessAndWait(dir.File("missing"), dir.Path(), 1000, {}), KavrinError);
}

class UpdateHost : public TSelfUpdateHost {
 public:
  std::vector<test::Message> messages;
  std::vector<std::string> progress;
  std::vector<TUpdateOffer> offers;
  bool install = true;
  int openProgress = 0;
  void ProgressStart(const std::string& text, int steps) override {
    ++openProgress;
    progress.push_back(Format("%s/%d", {text, steps}));
  }
  void ProgressEnd() override { --openProgress; }
  bool AskInstall(const TUpdateOffer& offer) override {
    offers.push_back(offer);
    return install;
  }
  void Error(const std::string& text) override { messages.push_back({"error", text, "Ошибка"}); }
  void ShowInfo(const std::string& text) override { messages.push_back({"info", text, "Информация"}); }
  void ShowWarning(const std::string& text, const std::string& caption) override {
    messages.push_back({"warning", text, caption});
  }
};

// A program folder and an update source folder with a package that unpacks the new files.
class SelfUpdate : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(site.File("UpdDescr"));
    fs::create_directories(Program());
    env.ProgramFolder = Program();
    env.ProgramFile = "Kavrin_5x50";
    env.RunningVersion = "0.1.0.8";
    env.ProcessTimeoutMs = 10000;
    test::WriteBytes(Program("Kavrin_5x50"), "old program");
    test::WriteBytes(Program("old.dll"), "old");
    test::WriteBytes(Program("Kavrin_5x50.~1"), "left by the last update");
    Package("#!/bin/sh\n"
            "echo new > Kavrin_5x50\n"
            "mkdir -p help && echo help > help/Vexa_RUS.chm\n"
            "printf '#!/bin/sh\\necho before > before.txt\\n' > before.sh\n"
            "printf '#!/bin/sh\\necho after > ../after.txt\\n' > after.sh\n");
  }
  void Package(const std::string& script) {
    package = script;
    test::WriteBytes(site.File("pkg.upd"), script);
  }
  // The description with the package's checksum in lower case, unless another is given.
  void Describe(const std::string& extra = "", std::optional<std::string> checksum = std::nullopt) {
    std::string crc = Crc32Text(Crc32(package));
    for (char& c : crc) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    test::WriteBytes(site.File("Vexa_AU.cfg"),
                     Utf8ToCp1251("[GlobalOptions]\r\nDeleteBefore=old.dll;missing.dll\r\nExecBefore=before.sh\r\n"
                                  "[Kavrin_5x50]\r\nVerId=0.1.0.9\r\nDescription=Версия 0.1 (сборка 9)\r\n"
                                  "DownloadUrl=" + site.File("pkg.upd") + "\r\nOriginalFileName=setup.sh\r\n"
                                  "ChecksumCRC32=" + checksum.value_or(crc) + "\r\nExecAfter=after.sh\r\n"
                                  "DeleteAfter=before.sh;after.sh\r\n" + extra));
  }
  TSelfUpdateResult Check(bool silent) {
    const TSelfUpdateResult result = SelfUpdateCheck(site.File("Vexa_AU.cfg"), silent, env, host);
    EXPECT_EQ(host.openProgress, 0) << "every progress window is closed";
    EXPECT_FALSE(FileExists(Program(UpdateInfoFileName)));
    return result;
  }
  // The program folder lies inside the test's folder, so that a name reaching out of it stays
  // inside the test's folder.
  std::string Program(const std::string& name = "") const { return root.File("prog") + (name.empty() ? "" : "/" + name); }
  std::vector<std::string> ProgramFiles() const {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(Program()))
      files.push_back(fs::relative(entry.path(), Program()).string());
    std::sort(files.begin(), files.end());
    return files;
  }

  test::TempDir root, site;
  std::string package;
  TSelfUpdateEnvironment env;
  UpdateHost host;
};

TEST_F(SelfUpdate, NoUpdateIsSilentAtStartUpAndSaidOnTheCommand) {
  for (const std::string& section : {std::string("[Kavrin_5x50]\r\nVerId=0.2.0.7\r\nDownloadUrl=x\r\n"),
                                     std::string("[Kavrin_5x50]\r\nVerId=0.1.0.9\r\n"), std::string("[Other]\r\n")}) {
    SCOPED_TRACE(section);
    test::WriteBytes(site.File("Vexa_AU.cfg"), section);
    host.messages.clear();
    EXPECT_EQ(Check(true), UpdateNothingInstalled);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(Check(false), UpdateNothingInstalled);
    EXPECT_EQ(host.messages, (std::vector<test::Message>{{"info", "Обновлений не найдено!", "Информация"}}));
    EXPECT_TRUE(host.offers.empty());
  }
  EXPECT_FALSE(FileExists(Program("Kavrin_5x50.~1"))) << "leftovers of the last update are removed";
  EXPECT_EQ(test::ReadBytes(Program("Kavrin_5x50")), "old program");
}

TEST_F(SelfUpdate, AFailedSearchIsAnErrorUnlessSilent) {
  EXPECT_EQ(Check(true), UpdateError);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(Check(false), UpdateError);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text.rfind("Ошибка поиска обновлений!\r\r", 0), 0u) << host.messages[0].text;
}

TEST_F(SelfUpdate, InstallsThePackageAndWhatItUnpacks) {
  Describe();
  test::WriteBytes(site.File("UpdDescr/UpdDescr_RUS_0.1.0.9.txt"), Utf8ToCp1251("Что нового"));
  test::WriteBytes(site.File("UpdDescr/UpdDescr_0.1.0.9.txt"), "generic");

  EXPECT_EQ(Check(true), UpdateInstalled);
  ASSERT_EQ(host.offers.size(), 1u);
  EXPECT_EQ(host.offers[0].CurrentVersion, "0.1.0.8");
  EXPECT_EQ(host.offers[0].NewVersion, "Версия 0.1 (сборка 9)");
  EXPECT_EQ(host.offers[0].DescriptionText, "Что нового");
  EXPECT_EQ(host.progress, (std::vector<std::string>{"Поиск доступных обновлений.../5",
                                                     "Загрузка и установка обновления \"0.1.0.9\".../14"}));
  EXPECT_EQ(host.messages,
            (std::vector<test::Message>{{"warning",
                                         "Установка обновления \"Версия 0.1 (сборка 9)\" успешно выполнена.\r\r"
                                         "Для завершения установки необходимо перезапустить программу!",
                                         "Внимание!"}}));
  EXPECT_EQ(ProgramFiles(), (std::vector<std::string>{"Kavrin_5x50", "after.txt", "before.txt", "help",
                                                      "help/Vexa_RUS.chm"}));
  EXPECT_EQ(test::ReadBytes(Program("Kavrin_5x50")), "new\n");
  EXPECT_EQ(test::ReadBytes(Program("before.txt")), "before\n") << "run before the copy, so it was copied";
  EXPECT_EQ(test::ReadBytes(Program("after.txt")), "after\n");
}

TEST_F(SelfUpdate, DescriptionTextFallsBackAlongItsNames) {
  Describe();
  host.install = false;
  test::WriteBytes(site.File("UpdDescr/UpdDescr_1049_0.1.0.9.txt"), "by id");
  test::WriteBytes(site.File("UpdDescr/UpdDescr_0.1.0.9.txt"), "generic");
  EXPECT_EQ(Check(true), UpdateNothingInstalled);
  fs::remove(site.File("UpdDescr/UpdDescr_1049_0.1.0.9.txt"));
  Check(true);
  fs::remove(site.File("UpdDescr/UpdDescr_0.1.0.9.txt"));
  Check(true);
  ASSERT_EQ(host.offers.size(), 3u);
  EXPECT_EQ(host.offers[0].DescriptionText, "by id");
  EXPECT_EQ(host.offers[1].DescriptionText, "generic");
  EXPECT_EQ(host.offers[2].DescriptionText, "< Описание обновления не доступно >");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(ProgramFiles(), (std::vector<std::string>{"Kavrin_5x50", "old.dll"})) << "declined: nothing changes";
}

TEST_F(SelfUpdate, AFailingInstallationRemovesTheWorkingFolder) {
  struct Case {
    std::string package;
    std::string extra;
    std::string error;
  };
  const std::string work = Program(UpdateWorkFolderName);
  const Case cases[] = {
      {"#!/bin/sh\nsleep 30\n", "",
       Format("Ожидание завершения процесса (файла) \"%s\" прервано в связи с превышением времени ожидания!",
              {work + "/setup.sh"})},
      {"#!/bin/sh\nexit 2\n", "", Format("Процесс (файл) \"%s\" завершился с кодом 2!", {work + "/setup.sh"})},
      {"#!/bin/sh\n", "", Format("Файл \"%s\" не найден!", {work + "/*.*"})},
      {"#!/bin/sh\necho x > new.txt\n", "[GlobalOptions]\r\nDeleteAfter=../outside.txt\r\n",
       "Недопустимое имя файла \"../outside.txt\" в описании обновления!"},
  };
  env.ProcessTimeoutMs = 300;
  test::WriteBytes(root.File("outside.txt"), "keep");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.error);
    Package(c.package);
    Describe();
    if (!c.extra.empty()) {
      // The global lists of the description replaced by the case's own.
      std::string text = Cp1251ToUtf8(test::ReadBytes(site.File("Vexa_AU.cfg")));
      text.replace(0, text.find("[Kavrin_5x50]"), c.extra);
      test::WriteBytes(site.File("Vexa_AU.cfg"), Utf8ToCp1251(text));
    }
    host.messages.clear();
    EXPECT_EQ(Check(true), UpdateError);
    EXPECT_EQ(host.messages,
              (std::vector<test::Message>{{"error", "Ошибка установки обновления!\r\r" + c.error, "Ошибка"}}));
    EXPECT_FALSE(fs::exists(work));
  }
  EXPECT_TRUE(FileExists(root.File("outside.txt")));
}

// The package from the maker's site: wrong twice, right the third time.
TEST(SelfUpdateDownload, ChecksumMismatchesAreRetriedUpToThreeTimes) {
  for (const int goodFrom : {3, 4}) {
    SCOPED_TRACE(goodFrom);
    test::TempDir program, site;
    fs::create_directories(site.File("files/autoupdates"));
    const std::string package = "#!/bin/sh\necho new > Kavrin_5x50\n";
    standin::WebStandIn server(site.Path());
    std::atomic<int> downloads = 0;
    server.BeforeServe = [&](const standin::Request& request) {
      if (request.Target != "/files/autoupdates/pkg.upd") return;
      test::WriteBytes(site.File("files/autoupdates/pkg.upd"), ++downloads >= goodFrom ? package : package + "#");
    };
    test::WriteBytes(site.File("files/autoupdates/Vexa_AU.cfg"),
                     "[Kavrin_5x50]\r\nVerId=0.1.0.9\r\nDescription=9\r\nDownloadUrl=" + server.Address() +
                         "/files/autoupdates/pkg.upd\r\nOriginalFileName=setup.sh\r\nChecksumCRC32=" +
                         Crc32Text(Crc32(package)) + "\r\n");
    TSelfUpdateEnvironment env;
    env.ProgramFolder = program.Path();
    env.ProgramFile = "Kavrin_5x50";
    env.RunningVersion = "0.1.0.8";
    UpdateHost host;
    const TSelfUpdateResult result =
        SelfUpdateCheck(server.Address() + "/files/autoupdates/Vexa_AU.cfg", true, env, host);
    EXPECT_EQ(downloads, 3);
    std::vector<std::string> targets;
    for (const auto& request : server.Requests()) targets.push_back(request.Target);
    EXPECT_EQ(std::vector<std::string>(targets.begin() + 1, targets.begin() + 4),
              (std::vector<std::string>{"/files/autoupdates/UpdDescr/UpdDescr_RUS_0.1.0.9.txt",
                                        "/files/autoupdates/UpdDescr/UpdDescr_1049_0.1.0.9.txt",
                                        "/files/autoupdates/UpdDescr/UpdDescr_0.1.0.9.txt"}));
    if (goodFrom == 3) {
      EXPECT_EQ(result, UpdateInstalled);
      EXPECT_EQ(test::ReadBytes(program.File("Kavrin_5x50")), "new\n");
    } else {
      EXPECT_EQ(result, UpdateError);
      EXPECT_EQ(host.messages, (std::vector<test::Message>{{"error",
                                                            "Ошибка установки обновления!\r\rНеверная контрольная "
                                                            "сумма скачанного файла.",
                                                            "Ошибка"}}));
      EXPECT_FALSE(FileExists(program.File("Kavrin_5x50")));
    }
  }
}

}  // namespace
}  // namespace kavrin
