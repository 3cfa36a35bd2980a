#include "core/game.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <optional>
#include <random>

#include "core/errors.h"
#include "core/format.h"
#include "core/inifile.h"
#include "core/money.h"

namespace kavrin {

int64_t Binomial(int n, int k) {
  if (k >= n || k <= 0) return 1;
  long double product = 1;
  for (int i = 0; i < k; ++i) product = product * (n - i) / (i + 1);
  return RoundHalfEven(product);
}

const TMatchTable& MatchTable() {
  static const TMatchTable table = [] {
    TMatchTable t;
    const long double full = static_cast<long double>(Binomial(NumberMax, DrawSize));
    for (int k = 0; k <= DrawSize; ++k) {
      t[k].Count = Binomial(DrawSize, k) * Binomial(NumberMax - DrawSize, DrawSize - k);
      t[k].Probability = t[k].Count / full;
    }
    return t;
  }();
  return table;
}

// ---- text forms ----

std::string CombToText(const TComb& comb) {
  std::string out;
  for (int i = 0; i < DrawSize; ++i) {
    if (i) out += ';';
    out += std::to_string(comb[i]);
  }
  return out;
}

std::string CombToSpacedText(const TComb& comb) {
  std::string out;
  for (int i = 0; i < DrawSize; ++i) {
    if (i) out += ' ';
    if (comb[i] < 10) out += '0';
    out += std::to_string(comb[i]);
  }
  return out;
}

std::string NumberSetToText(const TNumberSet& set, const std::string& separator) {
  std::string out;
  int count = std::clamp(set.Count, 0, TNumberSet::Capacity);
  for (int i = 0; i < count; ++i) {
    if (i) out += separator;
    out += std::to_string(set.Numbers[i]);
  }
  return out;
}

std::string DrawToText(const TDrawRec& draw) {
  return Format("Тираж № %d от %s, значения: %s",
                {draw.Number, draw.Date, CombToText(draw.Numbers) + " e:" + std::to_string(draw.Extra)});
}

std::string StakeKindText(int kind) {
  switch (kind) {
    case 1: return "Вручную";
    case 2: return "Регуляр";
    case 3: return "Сценарий";
    case 4: return "Система";
    default: return "";
  }
}

std::string IntListToText(const TIntArray& list, const std::string& separator) {
  std::string out;
  for (size_t i = 0; i < list.size(); ++i) {
    if (i) out += separator;
    out += std::to_string(list[i]);
  }
  return out;
}

int32_t NumberFromText(const std::string& text) {
  int32_t v;
  return TextToInt(text, v) ? v : 0;
}

namespace {

std::vector<std::string> SplitWords(const std::string& text, std::string_view separators) {
  std::vector<std::string> words;
  std::string word;
  for (char c : text) {
    if (separators.find(c) != std::string_view::npos) {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += c;
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

}  // namespace

TComb TextToComb(const std::string& text) {
  std::vector<std::string> words = SplitWords(text, std::string_view("\t ,-.:;|", 8));
  if (words.size() != DrawSize) throw KavrinError(Format("Некорректная комбинация: \"%s\"!", {text}));
  TComb comb{};
  for (int i = 0; i < DrawSize; ++i) {
    // A value that no byte holds reads as 0, so that it cannot wrap round into a valid number.
    int32_t v = NumberFromText(Trim(words[i]));
    comb[i] = v >= 0 && v <= UINT8_MAX ? static_cast<uint8_t>(v) : 0;
  }
  return comb;
}

TIntArray TextToIntList(const std::string& text) {
  // A list longer than this is surely a typing error; it would only exhaust memory.
  constexpr int64_t MaxRangeLength = 1000000;

  TIntArray list;
  std::vector<std::string> words = SplitWords(text, ",;");
  bool allNumbers = !words.empty();
  for (const std::string& word : words) {
    int32_t v;
    if (!TextToInt(word, v)) {
      allNumbers = false;
      break;
    }
    list.push_back(v);
  }
  if (allNumbers) return list;

  list.clear();
  std::string parts[3];
  int part = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (part == 0 && c == '-' && i > 0) {
      part = 1;
    } else if (part == 1 && (c == ';' || c == ',')) {
      part = 2;
    } else {
      parts[part] += c;
    }
  }
  int32_t from, to, step;
  if (!TextToInt(parts[0], from) || !TextToInt(parts[1], to) || !TextToInt(parts[2], step)) return list;
  int64_t span = static_cast<int64_t>(to) - from;
  if (step == 0 || (span != 0 && (span < 0) != (step < 0))) return list;
  int64_t count = span / step + 1;
  if (count > MaxRangeLength) return list;
  for (int64_t i = 0; i < count; ++i) list.push_back(static_cast<int32_t>(from + i * step));
  return list;
}

// ---- dates ----

namespace {

// Days from 1970-01-01 of a civil date (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromDays(int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (m <= 2));
}

constexpr int64_t DelphiEpochOffset = 25569;  // days from 30.12.1899 to 01.01.1970

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

std::optional<TDateTime>& NowOverride() {
  static std::optional<TDateTime> value;
  return value;
}

}  // namespace

bool TryEncodeDateTime(int year, int month, int day, int hour, int minute, int second, TDateTime& out) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return false;
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) return false;
  out = static_cast<double>(DaysFromCivil(year, month, day) + DelphiEpochOffset) +
        (hour * 3600 + minute * 60 + second) / 86400.0;
  return true;
}

TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second) {
  TDateTime t;
  if (!TryEncodeDateTime(year, month, day, hour, minute, second, t))
    throw KavrinError(Format("Некорректная дата: %.2d.%.2d.%.4d %.2d:%.2d", {day, month, year, hour, minute}));
  return t;
}

std::string DateTimeToDrawText(TDateTime t) {
  if (t <= 0) return "";
  int64_t days = static_cast<int64_t>(std::floor(t));
  int64_t ms = std::llround((t - days) * 86400000.0);
  if (ms >= 86400000) {
    ++days;
    ms -= 86400000;
  }
  int y, m, d;
  CivilFromDays(days - DelphiEpochOffset, y, m, d);
  int hour = static_cast<int>(ms / 3600000);
  int minute = static_cast<int>(ms / 60000 % 60);
  return Format("%.2d.%.2d.%.4d %.2d:%.2d", {d, m, y, hour, minute});
}

TDateTime DrawTextToDateTime(const std::string& text) {
  std::string s = Trim(text);
  if (s.empty()) return 0;
  auto field = [&](size_t first, size_t length) {
    if (first >= s.size()) return 0;
    std::string part = s.substr(first, length);
    int v = 0;
    for (char c : part) {
      if (c < '0' || c > '9') return 0;
      v = v * 10 + (c - '0');
    }
    return v;
  };
  TDateTime t;
  if (!TryEncodeDateTime(field(6, 4), field(3, 2), field(0, 2), field(11, 2), field(14, 2), 0, t))
    throw KavrinError(Format("\"%s\" - некорректные дата и время", {s}));
  return t;
}

TDateTime NowDateTime() {
  if (NowOverride()) return *NowOverride();
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  TDateTime t = 0;
  TryEncodeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                    std::min(local.tm_sec, 59), t);
  return t;
}

void SetNowForTests(std::optional<TDateTime> now) { NowOverride() = now; }

// ---- draws, combinations and sets ----

TDrawRec DrawForAnalysis(const TDrawsArray& draws, int index, bool sorted) {
  if (index < 0 || index >= static_cast<int>(draws.size())) return TDrawRec{};
  TDrawRec draw = draws[index];
  if (sorted) SortDrawNumbers(draw);
  return draw;
}

void SortDrawNumbers(TDrawRec& draw) { std::sort(draw.Numbers.begin(), draw.Numbers.end()); }
void SortComb(TComb& comb) { std::sort(comb.begin(), comb.end()); }

bool IsValidComb(const TComb& comb) {
  TComb sorted = comb;
  SortComb(sorted);
  return sorted[0] >= 1 && sorted[DrawSize - 1] <= NumberMax &&
         std::adjacent_find(sorted.begin(), sorted.end()) == sorted.end();
}
void SortNumberSet(TNumberSet& set) {
  std::sort(set.Numbers.begin(), set.Numbers.begin() + std::clamp(set.Count, 0, TNumberSet::Capacity));
}
void SortIntsDescending(TIntArray& list) { std::sort(list.begin(), list.end(), std::greater<>()); }

bool CombContains(const TComb& comb, int number) {
  return std::find(comb.begin(), comb.end(), number) != comb.end();
}

int CountMatches(const TComb& a, const TComb& b) {
  int count = 0;
  for (uint8_t x : a)
    for (uint8_t y : b)
      if (x == y) ++count;
  return count;
}

TNumberSet CombToNumberSet(const TComb& comb) {
  TNumberSet set;
  set.Count = DrawSize;
  std::copy(comb.begin(), comb.end(), set.Numbers.begin());
  return set;
}

TNumberSet IntersectDrawSet(const TDrawRec& draw, const TNumberSet& set) {
  TNumberSet out;
  for (uint8_t n : draw.Numbers)
    if (std::find(set.Numbers.begin(), set.Numbers.begin() + std::clamp(set.Count, 0, TNumberSet::Capacity), n) !=
        set.Numbers.begin() + std::clamp(set.Count, 0, TNumberSet::Capacity))
      out.Numbers[out.Count++] = n;
  SortNumberSet(out);
  return out;
}

bool SameNumberSet(const TNumberSet& a, const TNumberSet& b) {
  if (a.Count != b.Count) return false;
  int count = std::clamp(a.Count, 0, TNumberSet::Capacity);
  for (int i = 0; i < count; ++i)
    if (std::find(b.Numbers.begin(), b.Numbers.begin() + count, a.Numbers[i]) == b.Numbers.begin() + count) return false;
  return true;
}

TByteArray DistinctNumberList(const TCombsArray& combs, int64_t k) {
  TByteArray list;
  bool seen[256] = {};
  int64_t limit = std::min<int64_t>(k, static_cast<int64_t>(combs.size()));
  for (int64_t i = 0; i < limit && list.size() < NumberMax; ++i)
    for (uint8_t n : combs[i]) {
      if (!seen[n]) {
        seen[n] = true;
        list.push_back(n);
        if (list.size() == NumberMax) break;
      }
    }
  return list;
}

int DistinctNumbers(const TCombsArray& combs, int64_t k) { return static_cast<int>(DistinctNumberList(combs, k).size()); }

bool DistinctNumbersAtMost(const TCombsArray& combs, int64_t k, int limit) {
  // DistinctNumbers counts no further than NumberMax either.
  if (limit >= NumberMax) return true;
  bool seen[256] = {};
  int count = 0;
  const int64_t end = std::min<int64_t>(k, static_cast<int64_t>(combs.size()));
  for (int64_t i = 0; i < end; ++i)
    for (uint8_t n : combs[i])
      if (!seen[n]) {
        seen[n] = true;
        if (++count > limit) return false;
      }
  return true;
}

TNumberSet RandomNumberSet(const TCombsArray& combs, int64_t k, int limit) {
  TByteArray list = DistinctNumberList(combs, k);
  limit = std::clamp(limit, 0, TNumberSet::Capacity);
  std::mt19937 random(static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
  while (static_cast<int>(list.size()) > limit)
    list.erase(list.begin() + static_cast<long>(std::uniform_int_distribution<size_t>(0, list.size() - 1)(random)));
  TNumberSet set;
  set.Count = static_cast<int32_t>(list.size());
  std::copy(list.begin(), list.end(), set.Numbers.begin());
  return set;
}

int ShiftNumber(int n, int d) {
  int r = n + d;
  if (d > 0 && r > NumberMax) r -= NumberMax;
  if (d < 0 && r <= 0) r += NumberMax;
  return r;
}

TComb ShiftComb(const TComb& comb, int d) {
  TComb out;
  for (int i = 0; i < DrawSize; ++i) out[i] = static_cast<uint8_t>(ShiftNumber(comb[i], d));
  return out;
}

TColor GroupColor(int n, int groupSize) {
  static const TColor palette[19] = {0xAAFFAA, 0xFFFFAA, 0xAAFFFF, 0xFFAAAA, 0xAAAAFF, 0xFFD5AA, 0xD5AAFF,
                                     0xD4D4D4, 0xAAD5FF, 0xFFAAD5, 0xD5FFD5, 0xFFFFD5, 0xD5FFFF, 0xFFD5D5,
                                     0xD5D5FF, 0xFFEAD5, 0xEAD5FF, 0xE9E9E9, 0xD5EAFF};
  if (n < 1 || n > NumberMax || groupSize < 1) return PureRed;
  return palette[(GroupOf(n, groupSize) - 1) % 19];
}

}  // namespace kavrin
