#include "systems/service.h"

#include <cmath>
#include <cstring>
#include <ctime>

#include "core/errors.h"
#include "core/format.h"
#include "core/inifile.h"
#include "core/textextract.h"

namespace kavrin {
namespace {

constexpr char Base64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int64_t UnixEpochDays = 25569;  // days from 30.12.1899 to 01.01.1970

std::string TrimSlash(std::string site) {
  while (!site.empty() && site.back() == '/') site.pop_back();
  return site;
}

[[noreturn]] void BadTime(std::string_view text) {
  throw KavrinError(Format("\"%s\" - некорректные дата и время", {text}));
}

// The six numbers of "yyyy-mm-dd hh:nn:ss" at their fixed positions.
std::tm TimeFields(std::string_view text) {
  auto field = [&](size_t first, size_t length) {
    if (first + length > text.size()) BadTime(text);
    int value = 0;
    for (char c : text.substr(first, length)) {
      if (c < '0' || c > '9') BadTime(text);
      value = value * 10 + (c - '0');
    }
    return value;
  };
  std::tm tm{};
  tm.tm_year = field(0, 4) - 1900;
  tm.tm_mon = field(5, 2) - 1;
  tm.tm_mday = field(8, 2);
  tm.tm_hour = field(11, 2);
  tm.tm_min = field(14, 2);
  tm.tm_sec = field(17, 2);
  TDateTime check;
  if (!TryEncodeDateTime(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec, check))
    BadTime(text);
  return tm;
}

TDateTime FromCalendar(const std::tm& tm) {
  TDateTime t = 0;
  TryEncodeDateTime(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, std::min(tm.tm_sec, 59), t);
  return t;
}

// The calendar fields of a date-time value, whatever its time zone.
std::tm ToCalendar(TDateTime t) {
  const std::time_t seconds = static_cast<std::time_t>(std::llround((t - UnixEpochDays) * 86400.0));
  std::tm tm{};
  gmtime_r(&seconds, &tm);
  return tm;
}

}  // namespace

std::string TMakerService::Address(std::string_view path) const { return TrimSlash(Site) + std::string(path); }

std::string TMakerService::Post(std::string_view path, const THttpForm& fields) const {
  return HttpPostForm(Http, Address(path), fields);
}

std::string HttpPostForm(const THttpSettings& settings, const std::string& address, const THttpForm& fields) {
  // A client of its own: no proxy, and nothing of other requests carried over.
  THttpClient client;
  client.Settings = settings;
  return client.PostForm(address, fields);
}

void AppendIdentityFields(THttpForm& form, const TServiceIdentity& identity, const std::string& name,
                          const std::string& mail, int languageId) {
  form.emplace_back("appid", identity.AppId);
  form.emplace_back("appver", identity.AppVersion);
  form.emplace_back("hwdid", identity.HardwareId);
  form.emplace_back("cl_name", EscapeText(name));
  form.emplace_back("cl_mail", EscapeText(mail));
  form.emplace_back("cl_lcid", std::to_string(languageId));
}

std::string EscapeText(std::string_view text) {
  static const char controls[] = "0123456abtnvfr";
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    const unsigned char code = static_cast<unsigned char>(c);
    if (code <= 13) {
      out += '\\';
      out += controls[code];
    } else if (code == 27) {
      out += "\\e";
    } else if (c == '"' || c == '\'' || c == '?' || c == '\\') {
      out += '\\';
      out += c;
    } else {
      out += c;
    }
  }
  return out;
}

std::string Base64Encode(std::string_view bytes) {
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (size_t i = 0; i < bytes.size(); i += 3) {
    const size_t n = std::min<size_t>(3, bytes.size() - i);
    uint32_t chunk = 0;
    for (size_t k = 0; k < 3; ++k)
      chunk = chunk << 8 | (k < n ? static_cast<unsigned char>(bytes[i + k]) : 0u);
    for (size_t k = 0; k < 4; ++k) out += k <= n ? Base64Alphabet[chunk >> (18 - 6 * k) & 63] : '=';
  }
  return out;
}

std::string Base64Decode(std::string_view text) {
  std::string out;
  uint32_t chunk = 0;
  int bits = 0;
  size_t symbols = 0, padding = 0;
  for (char c : text) {
    if (c == '\r' || c == '\n' || c == ' ' || c == '\t') continue;
    if (c == '=') {
      ++padding;
      ++symbols;
      continue;
    }
    const char* at = c ? std::strchr(Base64Alphabet, c) : nullptr;
    if (!at || padding > 0) throw KavrinError(Format("Некорректные данные в кодировке base64: \"%s\"", {text}));
    chunk = chunk << 6 | static_cast<uint32_t>(at - Base64Alphabet);
    bits += 6;
    ++symbols;
    if (bits >= 8) {
      bits -= 8;
      out += static_cast<char>(chunk >> bits & 0xFF);
    }
  }
  if (symbols % 4 != 0 || padding > 2) throw KavrinError(Format("Некорректные данные в кодировке base64: \"%s\"", {text}));
  return out;
}

std::string ServiceText(std::string_view utf8) { return DecodeUtf8Body(utf8); }

std::string ServiceBase64Text(std::string_view base64) { return ServiceText(Base64Decode(base64)); }

TDateTime ServiceTimeToLocal(std::string_view text) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) return 0;
  std::tm utc = TimeFields(trimmed);
  const std::time_t seconds = timegm(&utc);
  std::tm local{};
  localtime_r(&seconds, &local);
  return FromCalendar(local);
}

std::string DateTimeToViewText(TDateTime t) {
  if (t == 0) return "";
  const std::tm tm = ToCalendar(t);
  return Format("%.4d-%.2d-%.2d %.2d:%.2d:%.2d",
                {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec});
}

TDateTime ViewTextToDateTime(std::string_view text) {
  const std::string trimmed = Trim(text);
  if (trimmed.empty()) return 0;
  return FromCalendar(TimeFields(trimmed));
}

int64_t DateTimeToUnix(TDateTime local) {
  std::tm tm = ToCalendar(local);
  tm.tm_isdst = -1;
  return static_cast<int64_t>(std::mktime(&tm));
}

TDateTime UnixToDateTime(int64_t seconds) {
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm local{};
  localtime_r(&t, &local);
  return FromCalendar(local);
}

bool ForEachReplyRow(std::string_view body, const std::function<bool(const std::string& row)>& onRow) {
  const std::string resultText = TextBetween(body, "<result>", "</result>", true);
  if (resultText.empty()) return false;
  std::string_view result = resultText;
  for (;;) {
    const std::string row = CutTextBetween(result, "<row>", "</row>");
    if (row.empty() || !onRow(row)) break;
  }
  return true;
}

std::string ReplyValue(std::string_view row, std::string_view tag) {
  return TextBetween(row, "<" + std::string(tag) + ">", "</" + std::string(tag) + ">", true);
}

int32_t ReplyInteger(std::string_view row, std::string_view tag) {
  const std::string text = ReplyValue(row, tag);
  int32_t value = 0;
  if (!TextToInt(text, value))
    throw KavrinError(Format("Некорректное значение \"%s\" в поле <%s> ответа сервера!", {text, tag}));
  return value;
}

int32_t ReplyIntegerOr(std::string_view row, std::string_view tag, int32_t otherwise) {
  int32_t value = 0;
  return TextToInt(ReplyValue(row, tag), value) ? value : otherwise;
}

void CheckReplyRefusal(std::string_view row) {
  const std::string error = ReplyValue(row, "error");
  if (!error.empty()) throw KavrinError(Format("Сервер отклонил запрос: %s", {ServiceText(error)}));
}

}  // namespace kavrin
