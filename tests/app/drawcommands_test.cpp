#include <unistd.h>

#include "templatemain_fixture.h"
#include "core/cp1251.h"
#include "core/drawlist.h"

namespace kavrin::test {
namespace {

using DrawCommands = TemplateMainTest;

const char InvalidCombination[] = "Введена некорректная комбинация!";

TDrawsArray ThreeDraws() {
  return {Draw(1, {1, 2, 3, 4, 5}, 1, "01.01.2020 10:00"), Draw(2, {6, 7, 8, 9, 10}, 2, "02.01.2020 10:00"),
          Draw(3, {47, 5, 33, 12, 41}, 3, "03.01.2020 10:00")};
}

TEST_F(DrawCommands, DeletingTwoRowsAsksOnceAndNoChangesNothing) {
  Seed(ThreeDraws());
  const std::string before = ArchiveBytes();
  main.DrawsSelection = {0, 2};
  ASSERT_TRUE(main.DrawsDelUpdate());
  ASSERT_FALSE(main.DrawsEditUpdate());

  host.answers = {false};
  main.DrawsDelExecute();
  const Message question{"question", "Удалить все выделенные записи (всего будет удалено 2 записи(ей))?",
                         "Предупреждение"};
  EXPECT_EQ(host.messages, std::vector<Message>{question});
  main.DrawsDelExecute();  // unanswered: the default button, No
  EXPECT_EQ(host.messages, (std::vector<Message>{question, question}));
  EXPECT_EQ(Numbers(), (std::vector<int32_t>{1, 2, 3}));
  EXPECT_EQ(ArchiveBytes(), before);
  EXPECT_EQ(main.DrawsSelection, (std::vector<int>{0, 2}));
  EXPECT_TRUE(main.refreshes.empty());

  host.answers = {true};
  main.DrawsDelExecute();
  EXPECT_EQ(host.messages.size(), 3u) << "one question per command";
  EXPECT_EQ(Numbers(), (std::vector<int32_t>{2}));
  EXPECT_TRUE(main.DrawsSelection.empty());
  EXPECT_EQ(ArchiveBytes().size(), 28u);
  EXPECT_EQ(main.StatusText(PanelDraws), "Архив тиражей: 1");
  EXPECT_EQ(main.StatusText(PanelNextDraw), "Следующий тираж: 3");
  EXPECT_NE(std::find(host.statusLog.begin(), host.statusLog.end(), "6:Удаление выделенных тиражей...."),
            host.statusLog.end());
  EXPECT_EQ(main.StatusText(PanelOperation), "");
  EXPECT_EQ(main.refreshes, std::vector<bool>{false});
}

TEST_F(DrawCommands, DeletingOneRowAsksForTheRecord) {
  Seed(ThreeDraws());
  main.DrawsSelection = {1};
  host.answers = {true};
  main.DrawsDelExecute();
  EXPECT_EQ(host.messages, (std::vector<Message>{{"question", "Удалить выделенную запись?", "Предупреждение"}}));
  EXPECT_EQ(Numbers(), (std::vector<int32_t>{1, 3}));
}

TEST_F(DrawCommands, DeletingRemovesTheSelectedDrawWhenNumbersRepeat) {
  // The draw dialog accepts a number that is already in the archive.
  Seed({Draw(1, {1, 2, 3, 4, 5}, 1), Draw(2, {6, 7, 8, 9, 10}, 2), Draw(1, {11, 12, 13, 14, 15}, 3)});
  main.DrawsSelection = {0};
  host.answers = {true};
  main.DrawsDelExecute();
  ASSERT_EQ(main.Archive.Count(), 2);
  EXPECT_EQ(main.Archive.At(0).Numbers, (TComb{1, 2, 3, 4, 5})) << "the older draw 1 was not selected";
  EXPECT_EQ(main.Archive.At(1).Number, 2);
}

TEST_F(DrawCommands, AddRejectsInvalidNumbersAndKeepsTheDialogOpen) {
  Seed(ThreeDraws());
  SetNowForTests(EncodeDateTime(2024, 3, 9, 12, 30));
  const TDateTime date = EncodeDateTime(2020, 1, 4, 21, 15);
  host.drawInputs = {Typed(4, "1;2;3;4;5", date), Typed(4, "1;1;3;4;5;6", date), Typed(4, "1;2;3;4;5;12", date),
                     Typed(4, "51;2;3;4;5;6", date), Typed(4, "50;2;30;4;10;11", date)};
  ASSERT_TRUE(main.DrawsAddUpdate());
  main.DrawsAddExecute();
  SetNowForTests(std::nullopt);

  ASSERT_EQ(host.prefills.size(), 1u);
  EXPECT_EQ(host.prefills[0].Number, 4);
  EXPECT_EQ(host.prefills[0].NumbersText, "0;0;0;0;0;0");
  EXPECT_EQ(host.prefills[0].DateTime, EncodeDateTime(2024, 3, 9, 12, 30));
  EXPECT_EQ(host.dialogCaptions, std::vector<std::string>{"Введите данные следующего тиража"});
  EXPECT_EQ(host.Errors(), std::vector<std::string>(4, InvalidCombination));
  ASSERT_EQ(main.Archive.Count(), 4);
  const TDrawRec& added = main.Archive.At(3);
  EXPECT_EQ(added.Number, 4);
  EXPECT_EQ(added.Numbers, (TComb{50, 2, 30, 4, 10}));
  EXPECT_EQ(added.Extra, 11);
  EXPECT_EQ(added.Date, "04.01.2020 21:15");
  EXPECT_EQ(ArchiveBytes().size(), 4 * 28u);
  EXPECT_EQ(main.StatusText(PanelDraws), "Архив тиражей: 4");
  EXPECT_EQ(main.StatusText(PanelNextDraw), "Следующий тираж: 5");
  EXPECT_EQ(main.refreshes, std::vector<bool>{false});
}

TEST_F(DrawCommands, AddCancelledChangesNothing) {
  main.LoadArchive();
  host.drawInputs = {Typed(1, "1;2;3;4;5")};  // only invalid input, then the user cancels
  main.DrawsAddExecute();
  EXPECT_EQ(host.Errors(), std::vector<std::string>{InvalidCombination});
  EXPECT_EQ(main.Archive.Count(), 0);
  EXPECT_FALSE(FileExists(ArchivePath()));
  EXPECT_TRUE(main.refreshes.empty());
}

TEST_F(DrawCommands, EditReplacesTheDrawInPlace) {
  Seed(ThreeDraws());
  main.DrawsSelection = {1};
  ASSERT_TRUE(main.DrawsEditUpdate());
  host.drawInputs = {Typed(99, "9;8;7;6;5;4", EncodeDateTime(2021, 5, 6, 7, 8))};
  main.DrawsEditExecute();
  ASSERT_EQ(host.prefills.size(), 1u);
  EXPECT_EQ(host.prefills[0].Number, 2);
  EXPECT_EQ(host.prefills[0].NumbersText, "6;7;8;9;10;2");
  EXPECT_EQ(host.prefills[0].DateTime, EncodeDateTime(2020, 1, 2, 10, 0));
  EXPECT_EQ(Numbers(), (std::vector<int32_t>{1, 99, 3}));
  EXPECT_EQ(main.Archive.At(1).Date, "06.05.2021 07:08");
  TDrawArchive file(ArchivePath());
  file.Load();
  EXPECT_EQ(file.At(1).Number, 99);
  EXPECT_EQ(main.refreshes, std::vector<bool>{false});
}

TEST_F(DrawCommands, EditWithInvalidDateShowsTheErrorAndKeepsTheDraw) {
  Seed({Draw(1, {1, 2, 3, 4, 5}, 1, "31.02.2020 10:00")});
  const std::string before = ArchiveBytes();
  main.DrawsSelection = {0};
  host.drawInputs = {Typed(1, "6;7;8;9;10;2", EncodeDateTime(2020, 2, 1, 10, 0))};
  main.DrawsEditExecute();
  EXPECT_EQ(host.Errors(), std::vector<std::string>{"\"31.02.2020 10:00\" - некорректные дата и время"});
  EXPECT_TRUE(host.dialogCaptions.empty());
  EXPECT_EQ(main.Archive.At(0).Numbers, (TComb{1, 2, 3, 4, 5}));
  EXPECT_EQ(ArchiveBytes(), before);
  EXPECT_TRUE(main.refreshes.empty());
}

TEST_F(DrawCommands, EmptyArchiveStatusPanels) {
  main.LoadArchive();
  EXPECT_EQ(main.StatusText(PanelDraws), "Архив тиражей: 0");
  EXPECT_EQ(main.StatusText(PanelNextDraw), "Следующий тираж: 1");
  EXPECT_EQ(main.StatusText(PanelNextNumbers), "");
  EXPECT_EQ(host.statusLog, (std::vector<std::string>{"0:Архив тиражей: 0", "1:Следующий тираж: 1"}));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(main.DrawsExportUpdate());
  EXPECT_TRUE(main.DrawsImportUpdate());
  EXPECT_FALSE(main.DrawsDelUpdate());
}

TEST_F(DrawCommands, OffsetChangesOnlyWhenItDiffers) {
  Seed(ThreeDraws());
  main.SetDrawsOffset(0);
  EXPECT_TRUE(host.statusLog.empty());
  EXPECT_TRUE(main.refreshes.empty());

  main.SetDrawsOffset(1);
  EXPECT_EQ(main.DrawsOffset(), 1);
  EXPECT_EQ(main.StatusText(PanelNextDraw), "Следующий тираж: 3");
  EXPECT_EQ(main.StatusText(PanelNextNumbers), "47;5;33;12;41");
  EXPECT_TRUE(main.Archive.NextDrawMarks().test(47));
  EXPECT_EQ(main.refreshes, std::vector<bool>{false});

  host.statusLog.clear();
  main.SetDrawsOffset(1);
  EXPECT_TRUE(host.statusLog.empty());
  EXPECT_EQ(main.refreshes.size(), 1u);
}

TEST_F(DrawCommands, SortedDrawsShowsAscendingWhileTheFileKeepsDrawnOrder) {
  Seed(ThreeDraws());
  const std::string before = ArchiveBytes();
  EXPECT_FALSE(main.DrawsSortedChecked());
  main.DrawsSortedExecute();
  EXPECT_TRUE(main.DrawsSortedChecked());
  const auto row = DrawListRow(main.Archive.At(main.Archive.IndexOfPosition(0)), main.View.SortedDraws);
  EXPECT_EQ(std::vector<std::string>(row.begin() + 1, row.begin() + 6),
            (std::vector<std::string>{"5", "12", "33", "41", "47"}));
  EXPECT_EQ(main.Archive.At(2).Numbers, (TComb{47, 5, 33, 12, 41}));
  EXPECT_EQ(ArchiveBytes(), before);
  EXPECT_EQ(main.refreshes, std::vector<bool>{true});
  TIniFile view(dir.File(ViewSettingsFileName));
  EXPECT_EQ(view.ReadString(MainWindowSection, "SortedDraws", ""), "1");

  main.DrawsSortedExecute();
  EXPECT_FALSE(main.DrawsSortedChecked());
  EXPECT_EQ(TIniFile(dir.File(ViewSettingsFileName)).ReadString(MainWindowSection, "SortedDraws", ""), "0");
}

TEST_F(DrawCommands, ImportAppendsAndWarnsAboutSkippedLines) {
  Seed(ThreeDraws());
  const std::string csv = dir.File("draws.csv");
  WriteBytes(csv,
             Utf8ToCp1251("4;\"04.01.2020 вечер\";1;2;3;4;5;6\r\n"
                          "5;\"\";1;1;3;4;5;6\r\n"
                          "3;\"\";1;2;3;4;5;6\r\n"
                          "01.02.2020 21:00;5;12;33;41;47;7\r\n"
                          "\"01.02.2020 21:00\";5;12;33;41;47;7\r\n"
                          "6;\"\";1;2;3;4;5;12\r\n"));
  host.files = {csv};
  ASSERT_TRUE(main.DrawsImportUpdate());
  main.DrawsImportExecute();
  EXPECT_EQ(host.messages,
            (std::vector<Message>{{"warning", "Пропущено строк с некорректными номерами: 2", "Предупреждение"}}));
  EXPECT_EQ(Numbers(), (std::vector<int32_t>{1, 2, 3, 4, 5}));
  EXPECT_EQ(main.Archive.At(3).Date, "04.01.2020 вечер");
  EXPECT_EQ(main.Archive.At(4).Numbers, (TComb{5, 12, 33, 41, 47}));
  TDrawArchive file(ArchivePath());
  file.Load();
  EXPECT_EQ(file.Count(), 5);
  EXPECT_EQ(main.StatusText(PanelDraws), "Архив тиражей: 5");
  EXPECT_NE(std::find(host.statusLog.begin(), host.statusLog.end(),
                      "6:Импорт тиражей из файла \"" + csv + "\"..."),
            host.statusLog.end());
  EXPECT_TRUE(main.refreshes.empty()) << "the import leaves the views to the next refresh";
}

TEST_F(DrawCommands, ImportOfAMissingFileShowsTheSystemError) {
  Seed(ThreeDraws());
  const std::string before = ArchiveBytes();
  EXPECT_EQ(main.DrawsImportFile(dir.File("none.csv")), -1);
  EXPECT_EQ(host.Errors(), std::vector<std::string>{"No such file or directory (" + dir.File("none.csv") + ")"});
  EXPECT_EQ(main.Archive.Count(), 3);
  EXPECT_EQ(ArchiveBytes(), before);
  EXPECT_EQ(main.StatusText(PanelOperation), "");
  EXPECT_FALSE(main.Busy());

  host.files = {std::nullopt};
  main.DrawsImportExecute();  // cancelled
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(DrawCommands, ExportWritesWindows1251AndReimportsNothing) {
  Seed({Draw(1, {47, 5, 33, 12, 41}, 7, "01.02.2020 21:00"), Draw(2, {1, 2, 3, 4, 5}, 1, "сб, 8 февраля")});
  const std::string csv = dir.File("out.csv");
  host.files = {csv};
  ASSERT_TRUE(main.DrawsExportUpdate());
  main.DrawsExportExecute();
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(ReadBytes(csv), Utf8ToCp1251("1;\"01.02.2020 21:00\";47;5;33;12;41;7\r\n"
                                         "2;\"сб, 8 февраля\";1;2;3;4;5;1\r\n"));
  EXPECT_EQ(main.DrawsImportFile(csv), 0);

  TempDir other;
  FakeHost otherHost;
  TTemplateMain fresh(otherHost, other.Path());
  EXPECT_EQ(fresh.DrawsImportFile(csv), 2);
  EXPECT_EQ(ReadBytes(other.File(ArchiveFileName)), ArchiveBytes());
}

TEST_F(DrawCommands, ArchiveWriteErrorKeepsTheDrawsInMemory) {
  Seed(ThreeDraws());
  const std::string before = ArchiveBytes();
  {
    FaultHookGuard guard(FullDisk);
    main.AppendDraw(Draw(4, {1, 2, 3, 4, 6}, 1));
  }
  EXPECT_EQ(host.Errors(), std::vector<std::string>{"Ошибка записи в файл тиражей!\r\rNo space left on device (" +
                                                    ArchivePath() + ")"});
  EXPECT_EQ(main.Archive.Count(), 4);
  EXPECT_EQ(ArchiveBytes(), before);
  EXPECT_EQ(main.StatusText(PanelDraws), "Архив тиражей: 4");
}

TEST_F(DrawCommands, ArchiveReadErrorIsShownAndTheArchiveStaysEmpty) {
  // Reading /proc/self/mem from its start fails: no page is mapped there.
  ASSERT_EQ(::symlink("/proc/self/mem", ArchivePath().c_str()), 0);
  main.LoadArchive();
  EXPECT_EQ(host.Errors(), std::vector<std::string>{"Ошибка чтения файла тиражей!\r\rInput/output error (" +
                                                    ArchivePath() + ")"});
  EXPECT_EQ(main.Archive.Count(), 0);
  EXPECT_EQ(main.StatusText(PanelDraws), "Архив тиражей: 0");
  EXPECT_FALSE(main.Busy());
}

TEST_F(DrawCommands, CommandsWaitWhileBusy) {
  Seed(ThreeDraws());
  main.DrawsSelection = {0};
  {
    TTemplateMain::TOperation busy(main);
    EXPECT_FALSE(main.DrawsAddUpdate());
    EXPECT_FALSE(main.DrawsEditUpdate());
    EXPECT_FALSE(main.DrawsDelUpdate());
    EXPECT_FALSE(main.DrawsImportUpdate());
    EXPECT_FALSE(main.DrawsExportUpdate());
    EXPECT_FALSE(main.DrawsSortedUpdate());
  }
  EXPECT_TRUE(main.DrawsEditUpdate());
  EXPECT_TRUE(main.DrawsExportUpdate());
}

}  // namespace
}  // namespace kavrin::test
