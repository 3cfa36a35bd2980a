#pragma once
// The lottery model: constants, the draw and combination records, number sets, their text forms
// and the number classifications. Pure data and pure functions.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kavrin {

inline constexpr int NumberMax = 50;
inline constexpr int DrawSize = 5;
inline constexpr int ExtraCount = 1;
inline constexpr int ExtraMax = 11;

// Derived from NumberMax and DrawSize, never typed in by hand.
inline constexpr int SumMin = DrawSize * (DrawSize + 1) / 2;                           // 1+2+3+4+5
inline constexpr int SumMax = DrawSize * NumberMax - DrawSize * (DrawSize - 1) / 2;    // 46+...+50
inline constexpr int SumTenth = (SumMax - SumMin) / 10;

// C(n, k) in extended floating point from falling products, rounded to nearest; 1 when k >= n.
int64_t Binomial(int n, int k);

inline constexpr int64_t FullSetSize = 2118760;  // C(50, 5); the tests check it against Binomial

inline constexpr int DrawDateLength = 16;

// A draw as entered, imported or received. Numbers keep the drawn order.
struct TDrawRec {
  int32_t Number = 0;
  std::array<uint8_t, DrawSize> Numbers{};
  uint8_t Extra = 0;
  std::string Date;  // UTF-8; at most 16 Windows-1251 characters once stored
};

using TComb = std::array<uint8_t, DrawSize>;
using TDrawsArray = std::vector<TDrawRec>;
using TCombsArray = std::vector<TComb>;
using TByteArray = std::vector<uint8_t>;
using TIntArray = std::vector<int32_t>;

// Up to 12 numbers of a stake or system; kept ascending unless stated otherwise.
struct TNumberSet {
  static constexpr int Capacity = 12;
  int32_t Count = 0;
  std::array<uint8_t, Capacity> Numbers{};
  friend bool operator==(const TNumberSet&, const TNumberSet&) = default;
};

// Combinations of the full set sharing exactly k numbers with a draw, k = 0..5.
struct TMatchRow {
  int64_t Count = 0;
  long double Probability = 0;
};
using TMatchTable = std::array<TMatchRow, DrawSize + 1>;
const TMatchTable& MatchTable();

// ---- text forms ----
std::string CombToText(const TComb& comb);
std::string CombToSpacedText(const TComb& comb);
std::string NumberSetToText(const TNumberSet& set, const std::string& separator);
std::string DrawToText(const TDrawRec& draw);
std::string StakeKindText(int kind);
std::string IntListToText(const TIntArray& list, const std::string& separator);

// Reads a decimal integer the way every number field does: anything that is not one gives 0.
int32_t NumberFromText(const std::string& text);

// Fails with "Некорректная комбинация: ..." unless the text holds exactly 5 words.
TComb TextToComb(const std::string& text);
// List form "5,7;9" or range form "from-to;step"; empty when neither reads.
TIntArray TextToIntList(const std::string& text);

// Date-time as days since 30.12.1899 with the time as the fraction (the program's date value).
using TDateTime = double;
std::string DateTimeToDrawText(TDateTime t);
// 0 for an empty text; throws KavrinError when the fields form no valid date-time.
TDateTime DrawTextToDateTime(const std::string& text);
// Calendar helpers over TDateTime.
TDateTime EncodeDateTime(int year, int month, int day, int hour, int minute, int second = 0);
bool TryEncodeDateTime(int year, int month, int day, int hour, int minute, int second, TDateTime& out);
TDateTime NowDateTime();
// Test seam: fixes the clock (nullopt gives the real one back).
void SetNowForTests(std::optional<TDateTime> now);

// ---- draws, combinations and sets ----
inline TComb DrawComb(const TDrawRec& draw) { return draw.Numbers; }
// Copy of the draw at the index, numbers ascending when sorted; all-zero outside the array.
TDrawRec DrawForAnalysis(const TDrawsArray& draws, int index, bool sorted);
void SortDrawNumbers(TDrawRec& draw);
void SortComb(TComb& comb);
// Five distinct numbers 1..50, in any order: what every table indexed by number can take.
bool IsValidComb(const TComb& comb);
void SortNumberSet(TNumberSet& set);
void SortIntsDescending(TIntArray& list);
bool CombContains(const TComb& comb, int number);
inline bool DrawContains(const TDrawRec& draw, int number) { return CombContains(draw.Numbers, number); }
int CountMatches(const TComb& a, const TComb& b);
inline int CountMatches(const TDrawRec& draw, const TComb& comb) { return CountMatches(draw.Numbers, comb); }
inline int CountMatches(const TDrawRec& a, const TDrawRec& b) { return CountMatches(a.Numbers, b.Numbers); }
TNumberSet CombToNumberSet(const TComb& comb);
TNumberSet IntersectDrawSet(const TDrawRec& draw, const TNumberSet& set);
bool SameNumberSet(const TNumberSet& a, const TNumberSet& b);
int DistinctNumbers(const TCombsArray& combs, int64_t k);
// Whether the first k combinations hold at most `limit` distinct numbers: the scan ends as soon
// as one more was met, which in a long list is near its start.
bool DistinctNumbersAtMost(const TCombsArray& combs, int64_t k, int limit);
TByteArray DistinctNumberList(const TCombsArray& combs, int64_t k);
TNumberSet RandomNumberSet(const TCombsArray& combs, int64_t k, int limit);
int ShiftNumber(int n, int d);
TComb ShiftComb(const TComb& comb, int d);

// ---- number classifications ----
inline int CeilDiv(int a, int b) { return (a + b - 1) / b; }
inline int GroupOf(int n, int groupSize) { return CeilDiv(n, groupSize); }
inline int GroupCount(int groupSize) { return CeilDiv(NumberMax, groupSize); }
inline int MatrixColumn(int n, int cols) { return (n - 1) % cols + 1; }
inline int MatrixRow(int n, int cols) { return (n - 1) / cols + 1; }
inline int MatrixRowCount(int cols) { return CeilDiv(NumberMax, cols); }

using TColor = uint32_t;  // 0xRRGGBB
inline constexpr TColor PureRed = 0xFF0000;
TColor GroupColor(int n, int groupSize);

}  // namespace kavrin
