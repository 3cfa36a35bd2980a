#pragma once
// The one formatter of user-visible texts, compatible with the Delphi Format the texts were
// written for: "%d", "%s", "%f", "%n", "%e", "%g", "%x", "%u", "%%", an argument index "%1:s",
// width, "-" for left alignment, precision (zero padding for integers, decimals for floats,
// truncation for strings) and "*" taking a width or precision from the arguments. Arguments
// beyond those used are ignored. A mismatched or missing argument throws KavrinError.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

#include "core/money.h"

namespace kavrin {

struct LocaleSettings {
  std::string DecimalSeparator = ".";
  std::string ThousandSeparator = ",";
};

// The process-wide settings: the GUI fills them from the system locale, the CLI from its option.
LocaleSettings& FormatSettings();

class FormatArg {
 public:
  FormatArg(int v) : value_(static_cast<int64_t>(v)) {}
  FormatArg(unsigned v) : value_(static_cast<int64_t>(v)) {}
  FormatArg(long v) : value_(static_cast<int64_t>(v)) {}
  FormatArg(long long v) : value_(static_cast<int64_t>(v)) {}
  FormatArg(unsigned long v) : value_(static_cast<int64_t>(v)) {}
  FormatArg(double v) : value_(static_cast<long double>(v)) {}
  FormatArg(long double v) : value_(v) {}
  FormatArg(TCurrency v) : value_(v.Amount()) {}
  FormatArg(const std::string& v) : value_(v) {}
  FormatArg(std::string_view v) : value_(std::string(v)) {}
  FormatArg(const char* v) : value_(std::string(v)) {}
  const std::variant<int64_t, long double, std::string>& Value() const { return value_; }

 private:
  std::variant<int64_t, long double, std::string> value_;
};

std::string Format(const LocaleSettings& locale, std::string_view format, std::initializer_list<FormatArg> args);
inline std::string Format(std::string_view format, std::initializer_list<FormatArg> args) {
  return Format(FormatSettings(), format, args);
}

// Fixed decimals with the locale's separator, rounding as the formatter does ("%.Nf").
std::string FormatFixed(const LocaleSettings& locale, long double value, int decimals);
// The shortest general form of up to 15 significant digits, as stored in INI files.
std::string FloatToText(const LocaleSettings& locale, long double value);
// Reads a float written with the locale's separator or a point; false when it is not one.
bool TextToFloat(const LocaleSettings& locale, std::string_view text, long double& value);

}  // namespace kavrin
