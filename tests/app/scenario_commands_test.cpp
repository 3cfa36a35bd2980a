// The scenario tab's editing, files and run log through the application object.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/templatemain_fixture.h"
#include "core/errors.h"
#include "core/inifile.h"
#include "core/filemask.h"

namespace kavrin {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class ScenarioCommands : public test::TemplateMainTest {
 protected:
  ScenarioCommands() { main.InitStatistics(); }
  std::string WorkingFile() const { return dir.File(ScriptWorkingFileName); }
  std::string WorkingBytes() const { return ReadBytes(WorkingFile()); }
  // Lines set up as if loaded, with the working file to match.
  void SetLines(const TScenarioLines& lines) {
    main.ScriptReplaceAll(lines);
    host.messages.clear();
  }
  std::vector<test::Message> Errors() const {
    std::vector<test::Message> errors;
    for (const test::Message& m : host.messages)
      if (m.kind == "error") errors.push_back(m);
    return errors;
  }
};

TEST_F(ScenarioCommands, WorkingFileIsReadAtStartAndKeptInStep) {
  WriteBytes(WorkingFile(), "FULL:0#EXT| | | | | | | |\xDF\r\rx\n");
  main.ScriptAutoLoad();
  EXPECT_EQ(main.ScriptLines, (TScenarioLines{"FULL:0#EXT| | | | | | | |Я", "", "x"}));
  EXPECT_EQ(main.ScriptLinesStatus, "Строк: 3");

  EXPECT_EQ(main.ScriptAppendLine("EXCL:1#RAND| | | | | | |"), 3);
  EXPECT_EQ(WorkingBytes(), "FULL:0#EXT| | | | | | | |\xDF\r\n\r\nx\r\nEXCL:1#RAND| | | | | | |\r\n");
  main.ScriptReplaceLine(2, "y");
  EXPECT_EQ(main.ScriptGetLine(2), "y");
  EXPECT_EQ(ReadScenarioFile(WorkingFile())[2], "y");
  EXPECT_EQ(main.ScriptLinesStatus, "Строк: 4");
  for (int bad : {-1, 4}) {
    try {
      main.ScriptReplaceLine(bad, "z");
      ADD_FAILURE();
    } catch (const KavrinError& e) {
      EXPECT_EQ(std::string(e.what()), RecordNotFoundMessage(bad));
    }
    EXPECT_THROW(main.ScriptGetLine(bad), KavrinError);
  }
  EXPECT_EQ(main.ScriptRowText(0)[0], "Я");
  EXPECT_EQ(main.ScriptRowText(0)[1], "Исходный список; Расширенная; Все создаваемые ставки");
  EXPECT_EQ(main.ScriptRowText(9), (std::array<std::string, 9>{}));
  EXPECT_TRUE(Errors().empty());
}

TEST_F(ScenarioCommands, NoWorkingFileGivesAnEmptyScenario) {
  main.ScriptAutoLoad();
  EXPECT_TRUE(main.ScriptLines.empty());
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(FileExists(WorkingFile()));
}

TEST_F(ScenarioCommands, OpenReplacesAndLoadAppendsAfterASeparator) {
  SetLines({"a"});
  const std::string file = dir.File("b.lsc");
  WriteBytes(file, "b1\r\nb2\r\n");

  host.files = {file};
  main.ScriptLoadExecute();
  EXPECT_EQ(main.ScriptLines, (TScenarioLines{"a", "", "b1", "b2"}));
  EXPECT_EQ(WorkingBytes(), "a\r\n\r\nb1\r\nb2\r\n");

  host.files = {file};
  main.ScriptOpenExecute();
  EXPECT_EQ(main.ScriptLines, (TScenarioLines{"b1", "b2"}));
  EXPECT_EQ(WorkingBytes(), "b1\r\nb2\r\n");
  EXPECT_TRUE(std::find(host.statusLog.begin(), host.statusLog.end(),
                        "6:Загрузка файла \"" + file + "\"...") != host.statusLog.end());

  // A file that cannot be read changes nothing.
  const std::string missing = dir.File("missing.lsc");
  host.files = {missing};
  main.ScriptLoadExecute();
  EXPECT_EQ(main.ScriptLines, (TScenarioLines{"b1", "b2"}));
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0].text.rfind("Ошибка чтения файла \"" + missing + "\"!\r\r", 0), 0u);
  EXPECT_EQ(WorkingBytes(), "b1\r\nb2\r\n");
}

TEST_F(ScenarioCommands, AWorkingFileThatCouldNotBeReadIsNeverRewritten) {
  WriteBytes(WorkingFile(), "a\r\nb\r\n");
  SetReadFaultHook([&](const std::string& path) { return path != WorkingFile(); });
  main.ScriptAutoLoad();
  SetReadFaultHook(nullptr);
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0].text, "Ошибка чтения файла \"" + WorkingFile() + "\"!\r\rInput/output error (" +
                                  WorkingFile() + ")");
  host.messages.clear();
  main.ScriptAppendLine("c");
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0].text, "Ошибка записи в файл \"" + WorkingFile() + "\"!\r\rInput/output error (" +
                                  WorkingFile() + ")");
  EXPECT_THROW(main.ScriptReplaceAll({"d"}), KavrinError);
  EXPECT_EQ(WorkingBytes(), "a\r\nb\r\n");
}

TEST_F(ScenarioCommands, SaveWritesTheChosenFileAndAFailedWriteLosesNothing) {
  SetLines({"a", "", "б"});
  const std::string file = dir.File("out.lsc");
  host.files = {file};
  EXPECT_TRUE(main.ScriptSaveUpdate());
  main.ScriptSaveExecute();
  EXPECT_EQ(ReadBytes(file), "a\r\n\r\n\xE1\r\n");

  {
    test::FaultHookGuard guard(test::FullDisk);
    main.ScriptAppendLine("c");
  }
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0].text.rfind("Ошибка записи в файл \"" + WorkingFile() + "\"!\r\r", 0), 0u);
  EXPECT_EQ(main.ScriptLines, (TScenarioLines{"a", "", "б", "c"})) << "the line stays in memory";
  EXPECT_EQ(WorkingBytes(), "a\r\n\r\n\xE1\r\n") << "the old working file stays whole";
}

TEST_F(ScenarioCommands, AddUsesTheLineDialogWithItsFilterDialog) {
  main.View.DrawsExclude = 3;
  main.StatPage.WindowLength = 150;
  main.StatPage.Kinds.SelectEntry(main.Stats.FindCode("SUMS"));
  SetLines({"a"});
  main.ScriptSelection = {0};
  host.lineEdits.push_back([](TScriptLineDialogFields& f) {
    f.Comment = "мой";
    f.Options.ResultCombsMode = TResultCombsMode::RAND;
    f.Filters[0] = "tsf1#nums:100";  // typed by hand
    return f.EditFilter(f.Filters[2]);  // "..." on filter 3
  });
  host.filterEdits.push_back([](TFilterItem& f) {
    f.LevelMode = TLevelMode::LMV;
    f.LevelText = "2";
    return true;
  });
  main.ScriptAddExecute();

  ASSERT_EQ(host.linePrefills.size(), 1u);
  EXPECT_EQ(host.linePrefills[0].first, "Создание новой строки");
  EXPECT_EQ(host.linePrefills[0].second.Options.ExcludeCount, 3);
  ASSERT_EQ(host.filterPrefills.size(), 1u);
  EXPECT_EQ(host.filterPrefills[0].Method.Code, "SUMS");
  EXPECT_EQ(host.filterPrefills[0].DrawsLenText, "150");
  EXPECT_EQ(main.ScriptLines.back(), "FULL:3#RAND|tsf1#nums:100| |TSD1#SUMS:150#LMV:2#SF:1| | | | |мой");
  EXPECT_EQ(main.ScriptSelection, (std::vector<int>{1}));
  EXPECT_EQ(main.ScriptRowText(1)[2], "TSD1#NUMS:100#LNO:#SF:0") << "shown normalised";
  EXPECT_EQ(ReadScenarioFile(WorkingFile()), main.ScriptLines);
}

TEST_F(ScenarioCommands, RefusedFilterLeavesTheFieldAndCancelAddsNothing) {
  SetLines({"a"});
  host.lineEdits.push_back([](TScriptLineDialogFields& f) {
    f.Filters[1] = "old";
    EXPECT_FALSE(f.EditFilter(f.Filters[1]));
    EXPECT_EQ(f.Filters[1], "old");
    return false;
  });
  host.filterEdits.push_back([](TFilterItem& f) {
    f.DrawsLenText = "0";
    return true;
  });
  main.ScriptAddExecute();
  EXPECT_EQ(Errors().at(0).text, "Введен некорректный диапазон значений!");
  EXPECT_EQ(main.ScriptLines, (TScenarioLines{"a"}));
}

TEST_F(ScenarioCommands, CloneAndEditStartFromTheSelectedLine) {
  SetLines({"EXCL:7#LAST| TSF1#NUMS:100 | | | | | | |c", ""});
  main.ScriptSelection = {1};
  EXPECT_FALSE(main.ScriptCloneUpdate()) << "a separator is not cloned";
  EXPECT_FALSE(main.ScriptEditUpdate());
  main.ScriptSelection = {0};
  ASSERT_TRUE(main.ScriptCloneUpdate());

  host.lineEdits.push_back([](TScriptLineDialogFields&) { return true; });
  main.ScriptCloneExecute();
  EXPECT_EQ(host.linePrefills[0].first, "Создание новой строки");
  EXPECT_EQ(host.linePrefills[0].second.Options.ExcludeCount, 7);
  EXPECT_EQ(host.linePrefills[0].second.Filters[0], "TSF1#NUMS:100");
  EXPECT_EQ(main.ScriptLines.size(), 3u);
  EXPECT_EQ(main.ScriptLines[2], "EXCL:7#LAST|TSF1#NUMS:100| | | | | | |c");
  EXPECT_EQ(main.ScriptSelection, (std::vector<int>{2}));

  main.ScriptSelection = {0};
  host.lineEdits.push_back([](TScriptLineDialogFields& f) {
    f.Comment = "";
    f.Options.NewOnly = true;
    return true;
  });
  main.ScriptEditExecute();
  EXPECT_EQ(host.linePrefills[1].first, "Редактирование строки");
  EXPECT_EQ(main.ScriptLines[0], "EXCL:7#LAST#NEX|TSF1#NUMS:100| | | | | | |");
  EXPECT_EQ(ReadScenarioFile(WorkingFile()), main.ScriptLines);
}

TEST_F(ScenarioCommands, DeleteAsksThenRemovesTheSelectedRows) {
  SetLines({"1", "2", "3", "4", "5", "6"});
  main.ScriptSelection = {1, 3};
  host.answers = {false};
  main.ScriptDelExecute();
  EXPECT_EQ(main.ScriptLines.size(), 6u);
  EXPECT_EQ(host.messages.back(),
            (test::Message{"question", "Удалить все выделенные записи (всего будет удалено 2 записи(ей))?", "Предупреждение"}));

  host.answers = {true};
  main.ScriptDelExecute();
  EXPECT_EQ(main.ScriptLines, (TScenarioLines{"1", "3", "5", "6"}));
  EXPECT_TRUE(main.ScriptSelection.empty());
  EXPECT_EQ(WorkingBytes(), "1\r\n3\r\n5\r\n6\r\n");

  main.ScriptSelection = {0};
  host.answers = {true};
  main.ScriptDelExecute();
  EXPECT_EQ(host.messages.back().text, "Удалить выделенную запись?");

  host.answers = {true};
  main.ScriptClrExecute();
  EXPECT_EQ(host.messages.back().text, "Удалить все выделенные записи (всего будет удалено 3 записи(ей))?");
  EXPECT_TRUE(main.ScriptLines.empty());
  EXPECT_EQ(WorkingBytes(), "");
  EXPECT_FALSE(main.ScriptClrUpdate());
}

TEST_F(ScenarioCommands, MovingLinesUpAndDown) {
  SetLines({"a", "b", "c"});
  main.ScriptSelection = {0};
  EXPECT_FALSE(main.ScriptUpUpdate());
  EXPECT_TRUE(main.ScriptDownUpdate());
  main.ScriptDownExecute();
  EXPECT_EQ(main.ScriptLines, (TScenarioLines{"b", "a", "c"}));
  EXPECT_EQ(main.ScriptSelection, (std::vector<int>{1}));
  main.ScriptSelection = {2, 0};
  main.ScriptUpExecute();
  EXPECT_EQ(main.ScriptLines, (TScenarioLines{"b", "c", "a"}));
  EXPECT_EQ(main.ScriptSelection, (std::vector<int>{1}));
  EXPECT_EQ(WorkingBytes(), "b\r\nc\r\na\r\n");
  main.ScriptSelection = {2};
  EXPECT_FALSE(main.ScriptDownUpdate());
}

TEST_F(ScenarioCommands, SeparatorCommandAppendsAnEmptyLine) {
  SetLines({"a"});
  main.ScriptEmptyExecute();
  EXPECT_EQ(main.ScriptLines, (TScenarioLines{"a", ""}));
  EXPECT_EQ(main.ScriptSelection, (std::vector<int>{1}));
  EXPECT_EQ(WorkingBytes(), "a\r\n\r\n");
}

TEST_F(ScenarioCommands, RatingRowsBecomeLines) {
  SetLines({"a"});
  main.Ratings.clear();
  for (const char* key : {"Ручная ставка", "03.002: note @ EXCL:1#RAND + TSF#SUMS:100#LMV:5#SF:1",
                          "01.000: @ FULL#ALL + TSF#NUMS:10#LNO:#SF:0"}) {
    TRatingData row;
    row.Key = key;
    main.Ratings.push_back(row);
  }
  main.RatingsSelection = {0, 1, 2};
  ASSERT_TRUE(main.RatingsToScriptUpdate());
  main.RatingsToScriptExecute();
  EXPECT_EQ(main.ScriptLines, (TScenarioLines{"a", "EXCL:1#RAND|TSF#SUMS:100#LMV:5#SF:1| | | | | | |03.002: note",
                                              "FULL#ALL|TSF#NUMS:10#LNO:#SF:0| | | | | | |01.000:"}));
  EXPECT_EQ(Errors(), (std::vector<test::Message>{
                          {"error", "Строку\r\rРучная ставка\r\rневозможно добавить в сценарий!", "Ошибка"}}));
  EXPECT_EQ(host.shownTabs, (std::vector<std::string>{"Сценарий"}));
  EXPECT_EQ(ReadScenarioFile(WorkingFile()), main.ScriptLines);
}

TEST_F(ScenarioCommands, RunLogOnWritesOneFileAndOpensIt) {
  main.ScriptLog.Clock = [] { return EncodeDateTime(2024, 3, 5, 21, 7, 44); };
  main.LogToggleExecute();
  EXPECT_TRUE(main.LogToggleChecked());
  TViewSettings stored;
  TIniFile ini(dir.File(ViewSettingsFileName));
  LoadViewSettings(ini, stored);
  EXPECT_TRUE(stored.ScriptLogEnabled) << "stored at once";

  main.ScriptLogStart();
  main.ScriptLogWrite("one", true);
  main.ScriptLogWrite("two", false);
  main.ScriptLogFinish();
  const std::string path = dir.File("ScriptLog_2024-03-05-21-07-44.txt");
  EXPECT_EQ(ReadBytes(path), "[2024-03-05 21:07:44]: one\r\ntwo\r\n");
  EXPECT_EQ(host.openedUrls, (std::vector<std::string>{path}));
  EXPECT_EQ(main.ScriptLog.Path(), "");
}

TEST_F(ScenarioCommands, RunLogOffWritesNothing) {
  main.ScriptLogStart();
  main.ScriptLogWrite("one", true);
  main.ScriptLogFinish();
  EXPECT_TRUE(FindFiles(dir.Path(), ScriptLogMask()).empty());
  EXPECT_TRUE(host.openedUrls.empty());
}

TEST_F(ScenarioCommands, ALogFailureIsShownOncePerRun) {
  main.View.ScriptLogEnabled = true;
  main.ScriptLog.Clock = [] { return EncodeDateTime(2024, 3, 5, 21, 7, 44); };
  const std::string blocked = dir.File("ScriptLog_2024-03-05-21-07-44.txt");
  ASSERT_EQ(::mkdir(blocked.c_str(), 0700), 0);  // a folder where the file should go
  main.ScriptLogStart();
  main.ScriptLogWrite("one", true);
  main.ScriptLogWrite("two", true);
  ASSERT_EQ(Errors().size(), 1u);
  EXPECT_EQ(Errors()[0].text.rfind("Ошибка записи журнала: ", 0), 0u);
  main.ScriptLogFinish();
}

TEST_F(ScenarioCommands, DeletingRunLogs) {
  main.LogsDeleteExecute();
  EXPECT_EQ(host.messages.back(), (test::Message{"info", "Файлы журналов не найдены!", "Информация"}));

  WriteBytes(dir.File("ScriptLog_2024-01-01-00-00-00.txt"), "x");
  WriteBytes(dir.File("ScriptLog_2024-01-02-00-00-00.txt"), "x");
  WriteBytes(dir.File("Other.txt"), "x");
  main.LogsDeleteExecute();
  EXPECT_EQ(host.messages.back().kind, "info");
  EXPECT_EQ(host.messages.back().text.rfind("Удалено файлов журналов: 2 из 2.", 0), 0u);
  EXPECT_TRUE(FindFiles(dir.Path(), ScriptLogMask()).empty());
  EXPECT_TRUE(FileExists(dir.File("Other.txt")));
}

}  // namespace
}  // namespace kavrin
