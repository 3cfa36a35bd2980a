// Start-up, the close request and shut-down, over a fresh data folder, a scripted user and a
// scripted operating system.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "app/commandtable.h"
#include "app/formmain.h"
#include "core/errors.h"
#include "core/fileio.h"
#include "core/inifile.h"
#include "online/updatecheck.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"

namespace kavrin::test {
namespace {

// Processes as the test scripts them: how many looks the predecessor survives, and the programs
// started.
struct FakeProcesses : TProcessServices {
  int predecessorLooks = 0;  // looks that still find it; -1: it never ends
  int looks = 0;
  int slept = 0;
  bool startFails = false;
  std::vector<std::string> started;  // "program|args|folder"
  bool OtherInstanceRunning() override {
    ++looks;
    return predecessorLooks < 0 || looks <= predecessorLooks;
  }
  void Sleep(int milliseconds) override { slept += milliseconds; }
  void StartProgram(const std::string& program, const std::vector<std::string>& args,
                    const std::string& folder) override {
    if (startFails) throw KavrinError("exec failed");
    started.push_back(program + "|" + args.at(0) + "|" + folder);
  }
};

// Also records what start-up asks of the window.
class WindowHost : public FakeHost {
 public:
  std::vector<std::string> calls;
  bool tickFirstRun = false;
  void SetCaption(const std::string& caption) override { calls.push_back("caption " + caption); }
  void UseMenuFont() override { calls.push_back("font"); }
  void ApplyTabVisibility(const TViewSettings&, bool systemsMenu) override {
    calls.push_back(systemsMenu ? "tabs+systems" : "tabs");
  }
  void RestoreLayout(const TIniFile&) override { calls.push_back("restore layout"); }
  void StoreLayout(TIniFile& ini) override { ini.WriteInteger(MainWindowSection, "lvDraws.Column0", 77); }
  void Quit() override { calls.push_back("quit"); }
  bool ShowFirstRun(const TFirstRunDialog& dialog, const std::function<void()>&) override {
    calls.push_back(dialog.HelpAvailable ? "first run with help" : "first run");
    return tickFirstRun;
  }
};

// The data folder's files and their bytes.
std::map<std::string, std::string> FolderBytes(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) files[entry.path().string()] = ReadBytes(entry.path().string());
  return files;
}

class Lifecycle : public ::testing::Test {
 protected:
  Lifecycle() {
    // Nothing at start-up may reach past this machine.
    TIniFile ini(dir.File(ViewSettingsFileName));
    for (const char* key : {"AutoUpdates", "SystemsEnabled", "ScriptLibraryOn"})
      ini.WriteBool(MainWindowSection, key, false);
    ini.WriteInteger(MainWindowSection, "DownloadDrawsOnStart", 2);
    ini.UpdateFile();
    TDrawArchive archive(dir.File(ArchiveFileName));
    for (int n = 1; n <= 3; ++n) {
      TDrawRec draw;
      draw.Number = n;
      draw.Numbers = {static_cast<uint8_t>(n), 10, 20, 30, 40};
      draw.Extra = 1;
      archive.Append(draw);
    }
    archive.Save();
  }
  std::unique_ptr<TTemplateMain> Make(WindowHost& h, FakeProcesses*& processes) {
    auto m = std::make_unique<TFormMain>(h, dir.Path());
    auto fake = std::make_unique<FakeProcesses>();
    processes = fake.get();
    m->Processes = std::move(fake);
    m->ProgramFolder = programDir.Path();
    m->ProgramFile = programDir.File("Kavrin_5x50");
    return m;
  }
  void SetView(const std::string& key, int value) {
    TIniFile ini(dir.File(ViewSettingsFileName));
    ini.WriteInteger(MainWindowSection, key, value);
    ini.UpdateFile();
  }
  std::string StoredView(const std::string& key) {
    return TIniFile(dir.File(ViewSettingsFileName)).ReadString(MainWindowSection, key, "");
  }

  TempDir dir, programDir;
  WindowHost host;
  FakeProcesses* processes = nullptr;
  std::unique_ptr<TTemplateMain> main = Make(host, processes);
};

TEST(StartSwitches, MatchInAnyCaseBareOrPrefixed) {
  EXPECT_EQ(ParseStartSwitches({}), TStartSwitches{});
  for (const char* arg : {"restart", "-restart", "--RESTART", "/Restart", "\\restart"})
    EXPECT_TRUE(ParseStartSwitches({arg}).Restart) << arg;
  for (const char* arg : {"restarts", "---restart", "+restart", "re start"})
    EXPECT_FALSE(ParseStartSwitches({arg}).Restart) << arg;
  const TStartSwitches all = ParseStartSwitches({"/LOADONLY", "fullrefresh", "-FullRecreate", "--no-language"});
  EXPECT_TRUE(all.LoadOnly && all.FullRefresh && all.FullRecreate && all.NoLanguage);
  EXPECT_FALSE(all.Restart);
}

TEST_F(Lifecycle, StartUpLoadsInTheOrderEachStepNeeds) {
  ASSERT_TRUE(main->StartPhase1());
  EXPECT_FALSE(main->Busy());
  EXPECT_EQ(main->Archive.Count(), 0) << "phase 1 reads settings only";
  ASSERT_TRUE(main->StartPhase2());
  EXPECT_EQ(host.calls, (std::vector<std::string>{"font", "caption Kavrin 5x50", "tabs", "restore layout",
                                                  "caption Kavrin 5x50 версия " + ApplicationVersion(),
                                                  "tabs+systems"}));
  // The operation texts of the loaders, in order.
  std::vector<std::string> texts;
  for (const std::string& entry : host.statusLog)
    if (entry.rfind("6:", 0) == 0 && entry != "6:") texts.push_back(entry.substr(2));
  EXPECT_EQ(texts, (std::vector<std::string>{"Загрузка файла конфигурации...", "Инициализация...",
                                             "Загрузка файла ставок...", "Загрузка файла тиражей...", "Генерация возможных комбинаций...",
                                             "Анализ тиражей и расчет статистики...",
                                             "Загрузка online-каталога сценариев..."}));
  EXPECT_EQ(host.statusLog.back(), "6:");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(main->Archive.Count(), 3);
  EXPECT_EQ(main->Combs.CombsList.Count(), 2118760);
  EXPECT_TRUE(main->Stakes.IsOpen());
  EXPECT_EQ(main->StatPage.WindowLength, 100) << "the stored window length";
  EXPECT_EQ(StoredView("PrefetchsInit"), "1") << "the first run's marker, once the lock is held";
  EXPECT_FALSE(main->Busy());
  EXPECT_FALSE(main->QuitRequested());
}

TEST_F(Lifecycle, TheRestartWaitsForItsPredecessorAtMostAMinute) {
  struct Case {
    int predecessorLooks;
    int slept;
    bool starts;
  };
  for (const Case& c : {Case{0, 0, true}, Case{5, 500, true}, Case{-1, 60100, false}}) {
    WindowHost h;
    FakeProcesses* p = nullptr;
    auto m = Make(h, p);
    p->predecessorLooks = c.predecessorLooks;
    m->Switches.Restart = true;
    const auto before = FolderBytes(dir.Path());
    EXPECT_EQ(m->StartPhase1(), c.starts) << c.predecessorLooks;
    EXPECT_EQ(p->slept, c.slept);
    EXPECT_EQ(h.processEventsCalls >= c.slept / 100, true);
    if (!c.starts) {
      EXPECT_TRUE(m->QuitRequested());
      EXPECT_EQ(h.calls.back(), "quit");
      m->ShutDown();
      EXPECT_EQ(FolderBytes(dir.Path()), before) << "no data file touched";
    }
  }
}

TEST_F(Lifecycle, ASecondInstanceOnTheSameFolderIsRefusedAndWritesNothing) {
  ASSERT_TRUE(main->StartPhase1() && main->StartPhase2());
  const auto before = FolderBytes(dir.Path());

  WindowHost second;
  FakeProcesses* p = nullptr;
  auto other = Make(second, p);
  SetView("PrefetchsInit", 0);  // even a first run's marker waits for the lock
  const auto unlocked = FolderBytes(dir.Path());
  ASSERT_TRUE(other->StartPhase1());
  EXPECT_FALSE(other->StartPhase2());
  ASSERT_EQ(second.Errors().size(), 2u);
  EXPECT_EQ(second.Errors()[1].rfind("Невозможно получить монопольный доступ к файлам данных!", 0), 0u);
  EXPECT_EQ(other->Archive.Count(), 0) << "nothing else is loaded";
  EXPECT_EQ(second.calls.back(), "quit");
  other->ShutDown();
  EXPECT_EQ(FolderBytes(dir.Path()), unlocked);
  EXPECT_NE(before, unlocked);
  EXPECT_TRUE(main->Stakes.IsOpen()) << "the first instance is unaffected";
}

TEST_F(Lifecycle, SwitchesThatQuitAfterLoading) {
  main->Switches.LoadOnly = true;
  main->Network.ArchiveSite = "http://127.0.0.1:1";
  main->DownloadRetryLimit = 1;
  host.answers = {false};  // no retry
  ASSERT_TRUE(main->StartPhase1());
  EXPECT_FALSE(main->StartPhase2());
  EXPECT_TRUE(main->QuitRequested());
  EXPECT_EQ(host.calls.back(), "quit");
  EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "tabs+systems"), 0) << "no system play set up";
  ASSERT_FALSE(host.messages.empty()) << "the download was tried";
  EXPECT_EQ(host.messages[0].caption, "Ошибка");
}

TEST_F(Lifecycle, TheStartUpDownloadAndTheFirstRunDialogFollowTheirSettings) {
  SetView("DownloadDrawsOnStart", 0);
  SetView("FirstRun", 1);
  host.answers = {false};
  host.tickFirstRun = true;
  ASSERT_TRUE(main->StartPhase1() && main->StartPhase2());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], (Message{"question", StartDownloadQuestion, "Подтверждение"}));
  EXPECT_EQ(host.calls.back(), "first run");
  EXPECT_EQ(StoredView("FirstRun"), "0");

  WindowHost console;
  FakeProcesses* p = nullptr;
  auto cli = Make(console, p);
  main.reset();  // releases the lock
  cli->Interactive = false;
  SetView("FirstRun", 1);
  ASSERT_TRUE(cli->StartPhase1() && cli->StartPhase2());
  EXPECT_TRUE(console.messages.empty()) << "no question and no dialog without a window";
  EXPECT_NE(console.calls.back(), "first run");
}

TEST_F(Lifecycle, CloseQueryAsksOnlyWhileAScenarioRuns) {
  EXPECT_TRUE(main->CloseQuery());
  EXPECT_TRUE(host.messages.empty());
  main->ScriptRunState.Running = true;
  host.answers = {false};
  EXPECT_FALSE(main->CloseQuery());
  EXPECT_EQ(host.messages.back(), (Message{"question", CloseQueryText, "Подтверждение"}));
  EXPECT_FALSE(main->ScriptRunState.StopRequested) << "the scenario goes on";
  host.answers = {true};
  EXPECT_TRUE(main->CloseQuery());
  EXPECT_TRUE(main->ScriptRunState.StopRequested);
  host.messages.clear();
  EXPECT_TRUE(main->CloseQuery()) << "a stop already requested closes at once";
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Lifecycle, ShutDownStoresWhatTheUserDraggedOrTypedAndReleasesTheData) {
  ASSERT_TRUE(main->StartPhase1() && main->StartPhase2());
  main->View.LeftPanelWidth = 333;
  main->StatPage.WindowLength = 250;
  main->RatingsSortOrder = {5, 0};
  main->View.SortedDraws = true;  // a switch is stored when it changes, not here
  main->ShutDown();
  EXPECT_EQ(StoredView("LeftPanelWidth"), "333");
  EXPECT_EQ(StoredView("DrawsStatLen"), "250");
  EXPECT_EQ(StoredView("lvRatings.SortType"), "5,0");
  EXPECT_EQ(StoredView("lvDraws.Column0"), "77");
  EXPECT_EQ(StoredView("SortedDraws"), "");
  EXPECT_FALSE(main->Stakes.IsOpen());
  EXPECT_EQ(main->Archive.Count(), 0);
  EXPECT_EQ(main->Combs.CombsList.Count(), 0);
}

TEST_F(Lifecycle, RestartStartsTheProgramAgainOrKeepsRunning) {
  main->Restart();
  EXPECT_EQ(processes->started,
            std::vector<std::string>{programDir.File("Kavrin_5x50") + "|restart|" + programDir.Path()});
  EXPECT_TRUE(main->QuitRequested());

  WindowHost h;
  FakeProcesses* p = nullptr;
  auto other = Make(h, p);
  p->startFails = true;
  EXPECT_THROW(other->Restart(), KavrinError);
  EXPECT_FALSE(other->QuitRequested());
}

TEST_F(Lifecycle, HelpLinksAndStartUpDownloadModeCommands) {
  ASSERT_TRUE(main->StartPhase1());
  std::vector<TCommand> table = BuildCommandTable(*main);
  auto entry = [&](const std::string& name) -> const TCommand& {
    for (const TCommand& c : table)
      if (c.Name == name) return c;
    throw std::out_of_range(name);
  };
  EXPECT_FALSE(entry("GetHelp").Update()) << "no help file";
  std::filesystem::create_directories(programDir.File("help"));
  WriteBytes(programDir.File("help/Vexa_RUS.chm"), "help");
  ASSERT_TRUE(main->StartPhase1());
  EXPECT_EQ(FindHelpFile(programDir.Path(), "RUS"), programDir.File("help/Vexa_RUS.chm"));
  ASSERT_TRUE(entry("GetHelp").Update());
  entry("GetHelp").Execute();
  entry("urlBlog").Execute();
  EXPECT_EQ(host.openedUrls, (std::vector<std::string>{programDir.File("help/Vexa_RUS.chm"), LinkAddress("urlBlog")}));

  entry("AutoDownload1").Execute();
  EXPECT_TRUE(entry("AutoDownload1").Checked());
  EXPECT_FALSE(entry("AutoDownload2").Checked());
  EXPECT_EQ(StoredView("DownloadDrawsOnStart"), "1");
}

}  // namespace
}  // namespace kavrin::test
