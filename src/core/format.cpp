#include "core/format.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "core/cp1251.h"
#include "core/errors.h"

namespace kavrin {

LocaleSettings& FormatSettings() {
  static LocaleSettings settings;
  return settings;
}

namespace {

// A non-negative decimal value as a digit string with a decimal exponent:
// value = 0.d1d2d3... * 10^exponent. Empty digits mean zero.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

// Up to 18 significant digits (what the extended type holds), like the original formatter;
// the later rounding to the wanted decimals is half away from zero on these digits.
Decimal ToDecimal(long double value) {
  Decimal d;
  if (std::isnan(value) || std::isinf(value)) throw KavrinError("Invalid floating point value");
  d.negative = std::signbit(value);
  value = std::fabs(value);
  if (value == 0) return d;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.17Le", value);
  std::string text(buf);
  size_t e = text.find('e');
  d.digits = text.substr(0, 1) + text.substr(2, e - 2);
  d.exponent = std::stoi(text.substr(e + 1)) + 1;
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

// Keeps `keep` leading digits, rounding half up on the next digit.
void RoundDigits(Decimal& d, int keep) {
  if (keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    return;
  }
  bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else {
      d.digits.insert(d.digits.begin(), '1');
      ++d.exponent;
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.exponent = 0;
}

std::string Group(const std::string& intPart, const std::string& separator) {
  std::string out;
  int n = static_cast<int>(intPart.size());
  for (int i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) out += separator;
    out += intPart[i];
  }
  return out;
}

std::string FixedText(const LocaleSettings& locale, long double value, int decimals, bool grouped) {
  Decimal d = ToDecimal(value);
  RoundDigits(d, d.exponent + decimals);
  std::string intPart, fracPart;
  for (int i = 0; i < d.exponent; ++i) intPart += i < static_cast<int>(d.digits.size()) ? d.digits[i] : '0';
  if (intPart.empty()) intPart = "0";
  for (int i = 0; i < decimals; ++i) {
    int pos = d.exponent + i;
    fracPart += pos >= 0 && pos < static_cast<int>(d.digits.size()) ? d.digits[pos] : '0';
  }
  std::string out = (d.negative && !d.digits.empty()) ? "-" : "";
  out += grouped ? Group(intPart, locale.ThousandSeparator) : intPart;
  if (decimals > 0) out += locale.DecimalSeparator + fracPart;
  return out;
}

std::string ScientificText(const LocaleSettings& locale, long double value, int precision) {
  Decimal d = ToDecimal(value);
  RoundDigits(d, precision);
  std::string digits = d.digits.empty() ? "0" : d.digits;
  digits.resize(precision, '0');
  int exp = d.digits.empty() ? 0 : d.exponent - 1;
  std::string out = (d.negative && !d.digits.empty()) ? "-" : "";
  out += digits.substr(0, 1);
  if (precision > 1) out += locale.DecimalSeparator + digits.substr(1);
  char buf[16];
  std::snprintf(buf, sizeof buf, "E%c%03d", exp < 0 ? '-' : '+', std::abs(exp));
  return out + buf;
}

std::string GeneralText(const LocaleSettings& locale, long double value, int precision) {
  Decimal d = ToDecimal(value);
  RoundDigits(d, precision);
  if (d.digits.empty()) return "0";
  std::string out = d.negative ? "-" : "";
  int digitCount = static_cast<int>(d.digits.size());
  if (d.exponent > precision || d.exponent < -4) {
    out += d.digits.substr(0, 1);
    if (digitCount > 1) out += locale.DecimalSeparator + d.digits.substr(1);
    out += "E" + std::to_string(d.exponent - 1);
    return out;
  }
  if (d.exponent <= 0) {
    out += "0" + locale.DecimalSeparator + std::string(-d.exponent, '0') + d.digits;
  } else if (digitCount <= d.exponent) {
    out += d.digits + std::string(d.exponent - digitCount, '0');
  } else {
    out += d.digits.substr(0, d.exponent) + locale.DecimalSeparator + d.digits.substr(d.exponent);
  }
  return out;
}

struct Directive {
  bool leftAlign = false;
  int width = -1;
  int precision = -1;
  char type = 0;
};

[[noreturn]] void BadFormat(std::string_view format) {
  throw KavrinError("Format '" + std::string(format) + "' invalid or incompatible with argument");
}

}  // namespace

std::string FormatFixed(const LocaleSettings& locale, long double value, int decimals) {
  return FixedText(locale, value, decimals, false);
}

std::string FloatToText(const LocaleSettings& locale, long double value) { return GeneralText(locale, value, 15); }

bool TextToFloat(const LocaleSettings& locale, std::string_view text, long double& value) {
  std::string s(text);
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.erase(s.begin());
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
  if (!locale.DecimalSeparator.empty() && locale.DecimalSeparator != ".") {
    size_t pos = s.find(locale.DecimalSeparator);
    if (pos != std::string::npos) s.replace(pos, locale.DecimalSeparator.size(), ".");
  }
  if (s.empty()) return false;
  // from_chars reads the same whatever the process locale is (strtold would not).
  const char* begin = s.data() + (s[0] == '+' ? 1 : 0);
  long double v = 0;
  auto [end, error] = std::from_chars(begin, s.data() + s.size(), v, std::chars_format::general);
  if (error != std::errc() || end != s.data() + s.size() || std::isnan(v) || std::isinf(v)) return false;
  value = v;
  return true;
}

std::string Format(const LocaleSettings& locale, std::string_view format, std::initializer_list<FormatArg> argList) {
  std::vector<const FormatArg*> args;
  for (const FormatArg& a : argList) args.push_back(&a);
  std::string out;
  size_t next = 0;
  size_t i = 0;
  auto takeArg = [&]() -> const FormatArg& {
    if (next >= args.size()) BadFormat(format);
    return *args[next++];
  };
  auto takeInt = [&]() -> int {
    const auto& v = takeArg().Value();
    if (!std::holds_alternative<int64_t>(v)) BadFormat(format);
    return static_cast<int>(std::get<int64_t>(v));
  };
  while (i < format.size()) {
    char c = format[i++];
    if (c != '%') {
      out += c;
      continue;
    }
    if (i >= format.size()) BadFormat(format);
    if (format[i] == '%') {
      out += '%';
      ++i;
      continue;
    }
    Directive directive;
    // Optional argument index "N:" (or "*:").
    size_t save = i;
    std::string number;
    while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) number += format[i++];
    if (i < format.size() && format[i] == ':' && !number.empty()) {
      next = std::stoul(number);
      ++i;
    } else if (i < format.size() && format[i] == '*' && i + 1 < format.size() && format[i + 1] == ':') {
      next = takeInt();
      i += 2;
    } else {
      i = save;
    }
    if (i < format.size() && format[i] == '-') {
      directive.leftAlign = true;
      ++i;
    }
    if (i < format.size() && format[i] == '*') {
      directive.width = takeInt();
      ++i;
    } else {
      number.clear();
      while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) number += format[i++];
      if (!number.empty()) directive.width = std::stoi(number);
    }
    if (i < format.size() && format[i] == '.') {
      ++i;
      if (i < format.size() && format[i] == '*') {
        directive.precision = takeInt();
        ++i;
      } else {
        number.clear();
        while (i < format.size() && std::isdigit(static_cast<unsigned char>(format[i]))) number += format[i++];
        directive.precision = number.empty() ? 0 : std::stoi(number);
      }
    }
    if (i >= format.size()) BadFormat(format);
    directive.type = static_cast<char>(std::tolower(static_cast<unsigned char>(format[i++])));
    const auto& value = takeArg().Value();
    std::string text;
    auto asFloat = [&]() -> long double {
      if (std::holds_alternative<long double>(value)) return std::get<long double>(value);
      if (std::holds_alternative<int64_t>(value)) return static_cast<long double>(std::get<int64_t>(value));
      BadFormat(format);
    };
    switch (directive.type) {
      case 'd':
      case 'u':
      case 'x': {
        if (!std::holds_alternative<int64_t>(value)) BadFormat(format);
        int64_t v = std::get<int64_t>(value);
        bool negative = v < 0 && directive.type == 'd';
        uint64_t magnitude = negative ? static_cast<uint64_t>(-(v + 1)) + 1
                                      : (directive.type == 'd' ? static_cast<uint64_t>(v)
                                                          : static_cast<uint64_t>(v) & 0xFFFFFFFFull);
        char buf[32];
        std::snprintf(buf, sizeof buf, directive.type == 'x' ? "%llX" : "%llu", static_cast<unsigned long long>(magnitude));
        std::string digits(buf);
        if (directive.precision > static_cast<int>(digits.size())) digits.insert(0, directive.precision - digits.size(), '0');
        text = (negative ? "-" : "") + digits;
        break;
      }
      case 's': {
        if (!std::holds_alternative<std::string>(value)) BadFormat(format);
        text = std::get<std::string>(value);
        if (directive.precision >= 0) text = Utf8Prefix(text, directive.precision);
        break;
      }
      case 'f':
        text = FixedText(locale, asFloat(), directive.precision < 0 ? 2 : directive.precision, false);
        break;
      case 'n':
        text = FixedText(locale, asFloat(), directive.precision < 0 ? 2 : directive.precision, true);
        break;
      case 'e':
        text = ScientificText(locale, asFloat(), directive.precision < 1 ? 15 : directive.precision);
        break;
      case 'g':
        text = GeneralText(locale, asFloat(), directive.precision < 1 ? 15 : directive.precision);
        break;
      default:
        BadFormat(format);
    }
    size_t length = Utf8Length(text);
    if (directive.width > 0 && static_cast<size_t>(directive.width) > length) {
      std::string pad(directive.width - length, ' ');
      text = directive.leftAlign ? text + pad : pad + text;
    }
    out += text;
  }
  return out;
}

}  // namespace kavrin
