#pragma once
// The configuration file "Kavrin_5x50.ini": the settings that change results, each group read
// and written by its own operation so that a rewrite keeps every other key.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/inifile.h"
#include "core/money.h"

namespace kavrin {

inline constexpr char ConfigFileName[] = "Kavrin_5x50.ini";

// Weight coefficients of the statistics table.
struct TStatWeights {
  long double Count = 0;
  long double Deviation = -1;
  long double Level = 1;
  bool UsePercents = false;
  bool UseAbsValues = false;
  friend bool operator==(const TStatWeights&, const TStatWeights&) = default;
};

struct TProfitRow {
  uint8_t Overlap = 0;  // guessed numbers
  TCurrency Profit;
  friend bool operator==(const TProfitRow&, const TProfitRow&) = default;
};

inline constexpr int MaxProfitRows = 64;

struct TConfigData {
  int32_t MatrixCols = 5;
  int32_t ChannelSize = 5;
  TCurrency Cost;
  int32_t MaxStake = 11;
  std::vector<TProfitRow> Profits;  // at most MaxProfitRows when read from the file
  TStatWeights Weights;
  std::array<uint8_t, NumberMax> MatrixSegments = DefaultSegments();

  static constexpr std::array<uint8_t, NumberMax> DefaultSegments() {
    std::array<uint8_t, NumberMax> s{};
    for (auto& v : s) v = 1;
    return s;
  }
  friend bool operator==(const TConfigData&, const TConfigData&) = default;
};

struct TGenerateConfig {
  uint8_t Mode = 0;
  std::string Parameters;  // at most 255 characters
};

inline constexpr int ShreddingFormulaCount = 3;
struct TShreddingConfig {
  std::array<std::string, ShreddingFormulaCount> Formulas = {"(n1+n2+n3)/(n4+n5)", "(n4+n5)/(n1+n2+n3)",
                                                             "(n1+n2)/(n3+n4+n5)"};
  std::array<uint8_t, ShreddingFormulaCount> Digits = {2, 2, 2};
};

// Proxy settings of the draw download and the online services.
struct TProxy {
  int32_t Mode = 0;  // 0 none, 1 automatic search, 2 manual
  std::string Server;
  int32_t Port = 80;
  std::string Username;
  std::string Password;
  friend bool operator==(const TProxy&, const TProxy&) = default;
};

// Readers take what the file has and leave the defaults for the rest.
void LoadGenerateConfig(const TIniFile& ini, TGenerateConfig& config);
void LoadMainConfig(const TIniFile& ini, TConfigData& config);
void LoadShreddingConfig(const TIniFile& ini, TShreddingConfig& config);
void LoadProxyConfig(const TIniFile& ini, TProxy& proxy);

// Writers change only their own keys in `ini`; the caller rewrites the file.
void StoreGenerateConfig(TIniFile& ini, const TGenerateConfig& config);
void StoreMainConfig(TIniFile& ini, const TConfigData& config);
void StoreShreddingConfig(TIniFile& ini, const TShreddingConfig& config);
void StoreProxyConfig(TIniFile& ini, const TProxy& proxy);

// "12" gives numbers 1 and 2 segments 1 and 2; any character but 1..9, or a missing one, gives 1
// (segments are 1..9; a 0 would name no segment).
std::array<uint8_t, NumberMax> SegmentsFromText(const std::string& text);
std::string SegmentsToText(const std::array<uint8_t, NumberMax>& segments);
// A cell of the settings dialog's segment grid as typed: an empty cell is segment 1, a digit 1..9
// is itself; anything else gives 1 and sets `error` to the message the dialog shows.
uint8_t SegmentCellValue(const std::string& text, std::string& error);

// The settings dialog's table of prizes: six rows "k=amount" for 0..5 matches.
std::vector<std::string> ProfitRowsText(const TConfigData& config);
std::vector<TProfitRow> ProfitRowsFromText(const std::vector<std::string>& rows);

// Which full-set dependency classes a settings change touches (bits 16, 8, 32).
inline constexpr uint32_t DependsOnMatrixCols = 16;
inline constexpr uint32_t DependsOnChannelSize = 8;
inline constexpr uint32_t DependsOnSegments = 32;
uint32_t ConfigChangeMask(const TConfigData& before, const TConfigData& after);

}  // namespace kavrin
