#include "stakes/regulars.h"

#include <algorithm>

#include "core/binio.h"
#include "core/errors.h"
#include "core/fileio.h"
#include "core/format.h"
#include "core/inifile.h"
#include "core/money.h"
#include "core/textcase.h"

namespace kavrin {

void EncodeTableStakeRecord(const TTableStakeData& rule, uint8_t* out) {
  RecordWriter w(out, TableStakeRecordSize);
  w.ShortString(0, 255, rule.Comment);
  w.U8(256, rule.Source);
  w.Bytes(257, rule.Start.data(), DrawSize);
  w.Bytes(262, rule.Current.data(), DrawSize);
  w.I32(268, rule.Step);
  w.I32(272, rule.Stakes);
}

TTableStakeData DecodeTableStakeRecord(const uint8_t* in) {
  RecordReader r(in, TableStakeRecordSize);
  TTableStakeData rule;
  rule.Comment = r.ShortString(0, 255);
  rule.Source = r.U8(256);
  r.Bytes(257, rule.Start.data(), DrawSize);
  r.Bytes(262, rule.Current.data(), DrawSize);
  rule.Step = r.I32(268);
  rule.Stakes = r.I32(272);
  return rule;
}

namespace {

// Five distinct numbers 1..50, or all zeros (a rule on the previous draw has no start of its own).
bool ValidRuleComb(const TComb& comb) { return comb == TComb{} || IsValidComb(comb); }

}  // namespace

std::string TableStakeRecordProblem(const TTableStakeData& rule) {
  if (rule.Source > 1) return Format("источник %d вне диапазона от 0 до 1", {rule.Source});
  if (!ValidRuleComb(rule.Start)) return "стартовая комбинация не из пяти разных чисел от 1 до 50";
  // A rule on its own combination shifts the current one: it must be a combination to shift.
  if (rule.Source == 0 ? !IsValidComb(rule.Current) : !ValidRuleComb(rule.Current))
    return "текущая комбинация не из пяти разных чисел от 1 до 50";
  if (rule.Step < -NumberMax || rule.Step > NumberMax)
    return Format("шаг %d вне диапазона от %d до %d", {rule.Step, -NumberMax, NumberMax});
  if (rule.Stakes < 0) return Format("количество ставок %d отрицательно", {rule.Stakes});
  return "";
}

void ReadTablesFile(const std::string& path, TTableStakesArray& rules) {
  if (!FileExists(path)) return;
  const size_t tail = ForEachRecord<TableStakeRecordSize>(ReadFileBytes(path), [&](const uint8_t* record) {
    TTableStakeData rule = DecodeTableStakeRecord(record);
    const std::string problem = TableStakeRecordProblem(rule);
    if (!problem.empty()) throw KavrinError(Format("Файл %s, запись %d: %s.", {path, rules.size() + 1, problem}));
    rules.push_back(std::move(rule));
  });
  if (tail != 0) throw KavrinError(Format("Файл %s обрывается внутри записи %d.", {path, rules.size() + 1}));
}

void WriteTablesFile(const std::string& path, const TTableStakesArray& rules) {
  WriteFileAtomic(path, EncodeRecords<TableStakeRecordSize>(rules, EncodeTableStakeRecord));
}

void TableStakeNext(TTableStakeData& rule, const TDrawArchive& archive, int position) {
  TComb base = rule.Current;
  if (rule.Source == 1) {
    // Shifting the zeros of a missing draw would stake five equal numbers.
    if (position < 0 || position >= archive.Count())
      throw KavrinError(Format("В архиве нет тиража для позиции %d!", {position}));
    base = archive.DrawCombAt(position);
  }
  TComb next = ShiftComb(base, rule.Step);
  SortComb(next);
  rule.Current = next;
  rule.Stakes = SaturatingAdd32(rule.Stakes, 1);
}

const std::array<std::string, TablesColumnCount>& TablesCaptions() {
  static const std::array<std::string, TablesColumnCount> captions = {"Комментарий", "Стартовая комбинация", "Шаг",
                                                                       "Текущая комбинация", "Ставок"};
  return captions;
}

std::array<std::string, TablesColumnCount> TablesRowCells(const TTableStakeData& rule) {
  return {rule.Comment, NumberSetToText(CombToNumberSet(rule.Start), ";"), std::to_string(rule.Step),
          NumberSetToText(CombToNumberSet(rule.Current), ";"), std::to_string(rule.Stakes)};
}

TTableStakeData RegularTemplate(const std::vector<TSelectedComb>& selected) {
  TTableStakeData rule;
  rule.Comment = RegularDefaultComment;
  if (selected.size() == 1) rule.Start = selected.front().Comb;
  SortComb(rule.Start);
  return rule;
}

TRegularDialogFields RegularDialogPrefill(const TTableStakeData& rule, int selected) {
  return {rule.Comment, rule.Source,
          selected == 1 ? NumberSetToText(CombToNumberSet(rule.Start), ";") : std::string(SelectedCombinationsText),
          rule.Step};
}

namespace {

// Exactly five different numbers 1..50 separated by "," or ";".
std::optional<TComb> StartFromText(const std::string& text) {
  std::vector<std::string> words = SplitWords(text, ",;");
  if (words.size() != static_cast<size_t>(DrawSize)) return std::nullopt;
  TComb comb{};
  for (int i = 0; i < DrawSize; ++i) {
    int32_t n;
    if (!TextToInt(words[i], n) || n < 1 || n > NumberMax) return std::nullopt;
    if (std::find(comb.begin(), comb.begin() + i, n) != comb.begin() + i) return std::nullopt;
    comb[i] = static_cast<uint8_t>(n);
  }
  SortComb(comb);
  return comb;
}

}  // namespace

std::optional<TDialogError> ValidateRegularDialog(const TRegularDialogFields& fields, int selected,
                                                  const TTableStakesArray& existing) {
  if (fields.Source == 0 && selected == 1 && !StartFromText(fields.StartText))
    return TDialogError{InvalidStakeNumbersMessage, TDialogField::Numbers};
  if (fields.Comment.empty()) return TDialogError{CommentRequiredMessage, TDialogField::Comment};
  for (const TTableStakeData& rule : existing)
    if (LocaleSameText(rule.Comment, fields.Comment)) return TDialogError{DuplicateRegularMessage, TDialogField::Comment};
  return std::nullopt;
}

TTableStakeData RegularFromDialog(const TTableStakeData& rule, const TRegularDialogFields& fields, int selected) {
  TTableStakeData accepted = rule;
  accepted.Comment = fields.Comment;
  accepted.Source = static_cast<uint8_t>(fields.Source);
  accepted.Step = fields.Step;
  if (selected == 1) accepted.Start = StartFromText(fields.StartText).value_or(rule.Start);
  SortComb(accepted.Start);
  return accepted;
}

TTableStakesArray RegularsToAdd(const TTableStakeData& accepted, const std::vector<TSelectedComb>& selected) {
  TTableStakesArray rules;
  TTableStakeData rule = accepted;
  rule.Stakes = 0;
  if (accepted.Source == 1 || selected.size() == 1) {
    rule.Current = rule.Start;
    rules.push_back(rule);
    return rules;
  }
  for (const TSelectedComb& item : selected) {
    rule.Comment = Format("%s (%d)", {accepted.Comment, static_cast<long long>(item.Position)});
    rule.Start = rule.Current = item.Comb;
    SortComb(rule.Start);
    SortComb(rule.Current);
    rules.push_back(rule);
  }
  return rules;
}

}  // namespace kavrin
