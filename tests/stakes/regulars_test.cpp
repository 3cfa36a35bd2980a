#include <gtest/gtest.h>

#include "core/errors.h"
#include "stakes/regulars.h"
#include "support/temp_dir.h"

namespace kavrin {
namespace {

TTableStakeData Rule(TComb start, int step, uint8_t source = 0) {
  TTableStakeData rule;
  rule.Comment = "r";
  rule.Source = source;
  rule.Start = rule.Current = start;
  rule.Step = step;
  return rule;
}

TEST(RegularStakes, AdvancingShiftsTheBaseAroundTheRingAndSortsIt) {
  TDrawArchive archive;
  TDrawRec draw;
  draw.Number = 7;
  draw.Numbers = {40, 2, 11, 7, 30};
  archive.Append(draw);
  draw.Number = 8;
  draw.Numbers = {1, 2, 3, 4, 5};
  archive.Append(draw);

  struct Case {
    TTableStakeData rule;
    int position;
    std::vector<TComb> stakes;
  };
  for (const Case& c : {Case{Rule({1, 2, 3, 4, 5}, 10), 0, {{11, 12, 13, 14, 15}, {21, 22, 23, 24, 25}}},
                        Case{Rule({46, 47, 48, 49, 50}, 3), 0, {{1, 2, 3, 49, 50}}},
                        Case{Rule({1, 2, 3, 4, 5}, 0), 0, {{1, 2, 3, 4, 5}}},
                        Case{Rule({9, 9, 9, 9, 9}, -1, 1), 1, {{1, 6, 10, 29, 39}, {1, 6, 10, 29, 39}}}}) {
    TTableStakeData rule = c.rule;
    for (size_t i = 0; i < c.stakes.size(); ++i) {
      TableStakeNext(rule, archive, c.position);
      EXPECT_EQ(rule.Current, c.stakes[i]) << "step " << c.rule.Step << " stake " << i + 1;
      EXPECT_EQ(rule.Stakes, static_cast<int32_t>(i + 1));
      EXPECT_EQ(rule.Start, c.rule.Start);
    }
  }
  TTableStakeData fromDraw = Rule({1, 2, 3, 4, 5}, 1, 1);
  EXPECT_THROW(TableStakeNext(fromDraw, archive, 2), KavrinError);
  EXPECT_EQ(fromDraw.Stakes, 0);
}

TEST(RegularStakes, RecordLayoutAndWholeFileRoundTrip) {
  TTableStakeData rule = Rule({3, 11, 25, 40, 49}, -7, 1);
  rule.Comment = "Регуляр";
  rule.Current = {4, 12, 26, 41, 50};
  rule.Stakes = 0x0102;
  uint8_t bytes[TableStakeRecordSize];
  EncodeTableStakeRecord(rule, bytes);
  EXPECT_EQ(bytes[0], 7);
  EXPECT_EQ(bytes[1], 0xD0);  // Р
  EXPECT_EQ(bytes[8], 0);
  EXPECT_EQ(bytes[256], 1);
  EXPECT_EQ(std::vector<uint8_t>(bytes + 257, bytes + 267), (std::vector<uint8_t>{3, 11, 25, 40, 49, 4, 12, 26, 41, 50}));
  EXPECT_EQ(bytes[267], 0);
  EXPECT_EQ(std::vector<uint8_t>(bytes + 268, bytes + 276), (std::vector<uint8_t>{0xF9, 0xFF, 0xFF, 0xFF, 2, 1, 0, 0}));
  EXPECT_EQ(DecodeTableStakeRecord(bytes), rule);

  test::TempDir dir;
  WriteTablesFile(dir.File(TablesFileName), {rule, Rule({1, 2, 3, 4, 5}, 1)});
  TTableStakesArray read;
  ReadTablesFile(dir.File(TablesFileName), read);
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[0], rule);
  EXPECT_EQ(test::ReadBytes(dir.File(TablesFileName)).size(), 2 * TableStakeRecordSize);
}

TEST(RegularStakes, RecordsOutOfRangeAreRefusedByTheirNumber) {
  struct Case {
    const char* name;
    TTableStakeData rule;
    const char* problem;
  };
  TTableStakeData source = Rule({1, 2, 3, 4, 5}, 1);
  source.Source = 2;
  TTableStakeData start = Rule({1, 2, 3, 4, 51}, 1);
  TTableStakeData current = Rule({1, 2, 3, 4, 5}, 1);
  current.Current = {7, 7, 8, 9, 10};
  TTableStakeData noCurrent = Rule({1, 2, 3, 4, 5}, 1);  // its own combination, but none to shift
  noCurrent.Current = {};
  TTableStakeData step = Rule({1, 2, 3, 4, 5}, 51);
  TTableStakeData count = Rule({1, 2, 3, 4, 5}, 1);
  count.Stakes = -1;
  const Case cases[] = {
      {"source", source, "источник 2 вне диапазона от 0 до 1"},
      {"start", start, "стартовая комбинация не из пяти разных чисел от 1 до 50"},
      {"current", current, "текущая комбинация не из пяти разных чисел от 1 до 50"},
      {"no current", noCurrent, "текущая комбинация не из пяти разных чисел от 1 до 50"},
      {"step", step, "шаг 51 вне диапазона от -50 до 50"},
      {"count", count, "количество ставок -1 отрицательно"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    WriteTablesFile(dir.File(TablesFileName), {Rule({1, 2, 3, 4, 5}, 1), c.rule});
    TTableStakesArray read;
    try {
      ReadTablesFile(dir.File(TablesFileName), read);
      ADD_FAILURE() << "accepted";
    } catch (const KavrinError& e) {
      EXPECT_EQ(std::string(e.what()), "Файл " + dir.File(TablesFileName) + ", запись 2: " + c.problem + ".");
    }
  }
  // A rule on the previous draw may have no start of its own.
  TTableStakeData previous = Rule({1, 2, 3, 4, 5}, 1);
  previous.Source = 1;
  previous.Start = previous.Current = {};
  EXPECT_EQ(TableStakeRecordProblem(previous), "");
}

TEST(RegularDialog, ValidatesTheStartThenTheCommentThenItsUniqueness) {
  TTableStakesArray existing = {Rule({1, 2, 3, 4, 5}, 1)};
  existing[0].Comment = "Моя ставка";
  TRegularDialogFields fields{"Новая", 0, "5, 11 ;25;40;49", 1};
  EXPECT_EQ(ValidateRegularDialog(fields, 1, existing), std::nullopt);
  for (const char* bad : {"5;11;25;40", "1;2;3;4;51", "1;1;2;3;4", "1;2;x;4;5", "1;2;3;4;5;6"}) {
    fields.StartText = bad;
    EXPECT_EQ(ValidateRegularDialog(fields, 1, existing),
              (TDialogError{"Введена некорректная комбинация!", TDialogField::Numbers}))
        << bad;
  }
  EXPECT_EQ(ValidateRegularDialog(fields, 3, existing), std::nullopt) << "the text is not used for several combinations";
  fields.StartText = "49;40;25;11;5";
  fields.Comment = "";
  EXPECT_EQ(ValidateRegularDialog(fields, 1, existing)->Message, "Необходимо ввести комментарий!");
  fields.Comment = "МОЯ СТАВКА";
  EXPECT_EQ(ValidateRegularDialog(fields, 1, existing),
            (TDialogError{"Запись с таким комментарией уже присутствует в списке!\rВыберите другой комментарий.",
                          TDialogField::Comment}));
  fields.Comment = "Другая";
  fields.Step = -3;
  TTableStakeData accepted = RegularFromDialog(RegularTemplate({}), fields, 1);
  EXPECT_EQ(accepted.Start, (TComb{5, 11, 25, 40, 49}));
  EXPECT_EQ(accepted.Step, -3);
  EXPECT_EQ(accepted.Comment, "Другая");
}

TEST(RegularDialog, PrefillAndWhatAddingAppends) {
  TTableStakeData one = RegularTemplate({{4, {9, 1, 5, 3, 7}}});
  EXPECT_EQ(one.Comment, "Регулярная ставка");
  EXPECT_EQ(one.Step, 1);
  EXPECT_EQ(RegularDialogPrefill(one, 1).StartText, "1;3;5;7;9");
  EXPECT_EQ(RegularDialogPrefill(one, 3).StartText, "{...Выделенные комбинации...}");

  const std::vector<TSelectedComb> three = {{4, {1, 2, 3, 4, 5}}, {9, {6, 7, 8, 9, 10}}, {12, {11, 12, 13, 14, 15}}};
  TTableStakeData accepted = RegularTemplate(three);
  accepted.Comment = "Тест";
  TTableStakesArray added = RegularsToAdd(accepted, three);
  ASSERT_EQ(added.size(), 3u);
  EXPECT_EQ(added[0].Comment, "Тест (4)");
  EXPECT_EQ(added[2].Comment, "Тест (12)");
  EXPECT_EQ(added[1].Start, (TComb{6, 7, 8, 9, 10}));
  EXPECT_EQ(added[1].Current, added[1].Start);
  EXPECT_EQ(added[1].Stakes, 0);

  EXPECT_TRUE(RegularsToAdd(accepted, {}).empty());
  accepted.Source = 1;
  EXPECT_EQ(RegularsToAdd(accepted, three).size(), 1u);
  EXPECT_EQ(RegularsToAdd(one, {three[0]}).front().Current, one.Start);

  EXPECT_EQ(TablesRowCells(added[0]), (std::array<std::string, TablesColumnCount>{"Тест (4)", "1;2;3;4;5", "1",
                                                                                   "1;2;3;4;5", "0"}));
}

}  // namespace
}  // namespace kavrin
