#include "core/config.h"

#include <algorithm>

#include "core/cp1251.h"
#include "core/format.h"

namespace kavrin {
namespace {

constexpr char Global[] = "GLOBAL";
constexpr char Stakes[] = "STAKES";
constexpr char Cdl[] = "CDL";
constexpr char Shredding[] = "SHREDDING";
constexpr char Proxy[] = "PROXY";

// Below 1 the number classifications divide by zero; such a value in the file means nothing.
// A matrix or group of more than 50 columns has no meaning, and a huge stored value would make
// millions of method entries; nothing below 1 can divide.
int32_t SizeOrDefault(int32_t value, int32_t def) { return value >= 1 && value <= NumberMax ? value : def; }

std::string FormulaKey(int i) { return "Formula" + std::to_string(i + 1); }

// A price or prize beyond a trillion is no amount of this game: the price of the largest stake
// (792 tickets) of such an amount, or an amount too large to hold at all, would overflow the
// money sums. It reads as no amount.
TCurrency AmountOrDefault(TCurrency amount, TCurrency def) {
  constexpr int64_t Limit = 1'000'000'000'000 * TCurrency::Scale;
  return amount.Raw() >= -Limit && amount.Raw() <= Limit ? amount : def;
}

}  // namespace

std::array<uint8_t, NumberMax> SegmentsFromText(const std::string& text) {
  std::array<uint8_t, NumberMax> segments = TConfigData::DefaultSegments();
  for (size_t i = 0; i < segments.size() && i < text.size(); ++i)
    if (text[i] >= '1' && text[i] <= '9') segments[i] = static_cast<uint8_t>(text[i] - '0');
  return segments;
}

uint8_t SegmentCellValue(const std::string& text, std::string& error) {
  error.clear();
  const std::string cell = Trim(text);
  if (cell.empty()) return 1;
  if (cell.size() == 1 && cell[0] >= '1' && cell[0] <= '9') return static_cast<uint8_t>(cell[0] - '0');
  error = Format("Некорректное значение: %s!\r\rУкажите любое число от 1 до 9", {cell});
  return 1;
}

std::string SegmentsToText(const std::array<uint8_t, NumberMax>& segments) {
  std::string text;
  for (uint8_t s : segments) text += std::to_string(s);
  return text;
}

void LoadGenerateConfig(const TIniFile& ini, TGenerateConfig& config) {
  config.Mode = static_cast<uint8_t>(ini.ReadInteger(Global, "CombsGenerateMode", config.Mode));
  config.Parameters = Utf8Prefix(ini.ReadString(Global, "CombsGenerateParameters", config.Parameters), 255);
}

void StoreGenerateConfig(TIniFile& ini, const TGenerateConfig& config) {
  ini.WriteInteger(Global, "CombsGenerateMode", config.Mode);
  ini.WriteString(Global, "CombsGenerateParameters", config.Parameters);
}

void LoadMainConfig(const TIniFile& ini, TConfigData& config) {
  const TConfigData defaults;
  config.MatrixCols = SizeOrDefault(ini.ReadInteger(Global, "MatrixCols", config.MatrixCols), defaults.MatrixCols);
  config.MatrixSegments = SegmentsFromText(ini.ReadString(Global, "MatrixSegments", ""));
  config.ChannelSize =
      SizeOrDefault(ini.ReadInteger(Global, "ChannelSize", config.ChannelSize), defaults.ChannelSize);

  config.Cost = AmountOrDefault(ini.ReadCurrency(Stakes, "Cost", config.Cost), defaults.Cost);
  // A stake holds at most 11 numbers and an extended one at least 6, as the settings allow.
  const int32_t maxStake = ini.ReadInteger(Stakes, "MaxStake", config.MaxStake);
  config.MaxStake = maxStake >= 6 && maxStake <= 11 ? maxStake : defaults.MaxStake;
  // The settings write one row per number of matches; a huge count typed into the file would
  // otherwise make the program read keys for minutes.
  const int rows = std::clamp(ini.ReadInteger(Stakes, "Profits", 0), 0, MaxProfitRows);
  config.Profits.clear();
  for (int i = 0; i < rows; ++i) {
    TProfitRow row;
    row.Overlap = static_cast<uint8_t>(ini.ReadInteger(Stakes, Format("Profit_%d_Overlap", {i}), 0));
    row.Profit = AmountOrDefault(ini.ReadCurrency(Stakes, Format("Profit_%d_Profit", {i}), TCurrency()), TCurrency());
    config.Profits.push_back(row);
  }

  TStatWeights& w = config.Weights;
  w.Count = ini.ReadFloat(Cdl, "Count", w.Count);
  w.Deviation = ini.ReadFloat(Cdl, "Deviation", w.Deviation);
  w.Level = ini.ReadFloat(Cdl, "Level", w.Level);
  w.UsePercents = ini.ReadInteger(Cdl, "UsePercents", w.UsePercents ? 1 : 0) > 0;
  w.UseAbsValues = ini.ReadInteger(Cdl, "UseAbsValues", w.UseAbsValues ? 1 : 0) > 0;
}

void StoreMainConfig(TIniFile& ini, const TConfigData& config) {
  ini.WriteInteger(Global, "MatrixCols", config.MatrixCols);
  ini.WriteString(Global, "MatrixSegments", SegmentsToText(config.MatrixSegments));
  ini.WriteInteger(Global, "ChannelSize", config.ChannelSize);

  ini.WriteCurrency(Stakes, "Cost", config.Cost);
  ini.WriteInteger(Stakes, "MaxStake", config.MaxStake);
  ini.WriteInteger(Stakes, "Profits", static_cast<int32_t>(config.Profits.size()));
  for (size_t i = 0; i < config.Profits.size(); ++i) {
    ini.WriteInteger(Stakes, Format("Profit_%d_Overlap", {i}), config.Profits[i].Overlap);
    ini.WriteCurrency(Stakes, Format("Profit_%d_Profit", {i}), config.Profits[i].Profit);
  }

  const TStatWeights& w = config.Weights;
  ini.WriteFloat(Cdl, "Count", w.Count);
  ini.WriteFloat(Cdl, "Deviation", w.Deviation);
  ini.WriteFloat(Cdl, "Level", w.Level);
  ini.WriteInteger(Cdl, "UsePercents", w.UsePercents ? 1 : 0);
  ini.WriteInteger(Cdl, "UseAbsValues", w.UseAbsValues ? 1 : 0);
}

void LoadShreddingConfig(const TIniFile& ini, TShreddingConfig& config) {
  for (int i = 0; i < ShreddingFormulaCount; ++i) {
    config.Formulas[i] = ini.ReadString(Shredding, FormulaKey(i), config.Formulas[i]);
    // More than 9 places would overflow the multiplier of the shredding value.
    config.Digits[i] =
        static_cast<uint8_t>(std::clamp(ini.ReadInteger(Shredding, FormulaKey(i) + "Digits", config.Digits[i]), 0, 9));
  }
}

void StoreShreddingConfig(TIniFile& ini, const TShreddingConfig& config) {
  for (int i = 0; i < ShreddingFormulaCount; ++i) {
    ini.WriteString(Shredding, FormulaKey(i), config.Formulas[i]);
    ini.WriteInteger(Shredding, FormulaKey(i) + "Digits", config.Digits[i]);
  }
}

void LoadProxyConfig(const TIniFile& ini, TProxy& proxy) {
  proxy.Server = ini.ReadString(Proxy, "ProxyServer", proxy.Server);
  proxy.Port = ini.ReadInteger(Proxy, "ProxyPort", proxy.Port);
  proxy.Username = ini.ReadString(Proxy, "ProxyUsername", proxy.Username);
  proxy.Password = ini.ReadString(Proxy, "ProxyPassword", proxy.Password);
  proxy.Mode = ini.ReadInteger(Proxy, "ProxyMode", proxy.Server.empty() ? 0 : 2);
}

void StoreProxyConfig(TIniFile& ini, const TProxy& proxy) {
  ini.WriteInteger(Proxy, "ProxyMode", proxy.Mode);
  ini.WriteString(Proxy, "ProxyServer", proxy.Server);
  ini.WriteInteger(Proxy, "ProxyPort", proxy.Port);
  ini.WriteString(Proxy, "ProxyUsername", proxy.Username);
  ini.WriteString(Proxy, "ProxyPassword", proxy.Password);
}

std::vector<std::string> ProfitRowsText(const TConfigData& config) {
  std::vector<std::string> rows;
  for (int i = 0; i <= DrawSize; ++i) {
    TCurrency amount = i < static_cast<int>(config.Profits.size()) ? config.Profits[i].Profit : TCurrency();
    rows.push_back(Format("%d=%.2f", {i, amount}));
  }
  return rows;
}

std::vector<TProfitRow> ProfitRowsFromText(const std::vector<std::string>& rows) {
  std::vector<TProfitRow> profits;
  for (const std::string& row : rows) {
    size_t eq = row.find('=');
    TProfitRow profit;
    profit.Overlap = static_cast<uint8_t>(NumberFromText(row.substr(0, eq)));
    long double amount = 0;
    if (eq != std::string::npos && TextToFloat(FormatSettings(), row.substr(eq + 1), amount))
      profit.Profit = AmountOrDefault(TCurrency::FromAmount(amount), TCurrency());
    profits.push_back(profit);
  }
  return profits;
}

uint32_t ConfigChangeMask(const TConfigData& before, const TConfigData& after) {
  uint32_t mask = 0;
  if (before.MatrixCols != after.MatrixCols) mask |= DependsOnMatrixCols;
  if (before.ChannelSize != after.ChannelSize) mask |= DependsOnChannelSize;
  if (before.MatrixSegments != after.MatrixSegments) mask |= DependsOnSegments;
  return mask;
}

}  // namespace kavrin
