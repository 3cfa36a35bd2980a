#include "core/http.h"

#include <curl/curl.h>

#include <chrono>

#include "core/cp1251.h"
#include "core/errors.h"
#include "core/format.h"
#include "core/inifile.h"

namespace kavrin {
namespace {

// The operator's site answers browsers; these are the headers of the browser it was tried with.
constexpr char AcceptHeader[] = "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
constexpr char AcceptEncoding[] = "gzip, deflate, sdch";
constexpr char UserAgent[] =
    "Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/47.0.2526.80 Safari/537.36";
constexpr long MaxRedirects = 20;
constexpr char ReadTimeoutMessage[] = "Превышено время ожидания ответа сервера (%d мс)";
constexpr char ReplyTooLargeMessage[] = "Ответ сервера больше допустимого размера (%d байт)";
constexpr char InsecureRedirectMessage[] = "Перенаправление с защищенного адреса на незащищенный отклонено: %s";

void InitCurlOnce() {
  static const CURLcode init = curl_global_init(CURL_GLOBAL_DEFAULT);
  if (init != CURLE_OK) throw KavrinError(curl_easy_strerror(init));
}

using Clock = std::chrono::steady_clock;

// libcurl has no per-read time-out, so the progress callback watches the time since anything
// last arrived or left.
struct Transfer {
  std::string body;
  std::string statusLine;
  std::string location;  // of the last redirect
  Clock::time_point lastActivity = Clock::now();
  curl_off_t lastDown = 0;
  curl_off_t lastUp = 0;
  long readTimeoutMs = 0;
  bool timedOut = false;
  int64_t maxBytes = 0;
  bool tooLarge = false;
};

size_t OnBody(char* data, size_t size, size_t count, void* user) {
  auto* t = static_cast<Transfer*>(user);
  if (static_cast<int64_t>(t->body.size() + size * count) > t->maxBytes) {
    t->tooLarge = true;
    return 0;  // ends the transfer
  }
  t->body.append(data, size * count);
  t->lastActivity = Clock::now();
  return size * count;
}

size_t OnHeader(char* data, size_t size, size_t count, void* user) {
  auto* t = static_cast<Transfer*>(user);
  std::string_view line(data, size * count);
  // Each hop of a redirect starts with its own status line; the last one is the answer.
  if (line.rfind("HTTP/", 0) == 0) t->statusLine = Trim(line);
  if (line.size() > 9 && SameText(line.substr(0, 9), "Location:")) t->location = Trim(line.substr(9));
  t->lastActivity = Clock::now();
  return size * count;
}

int OnProgress(void* user, curl_off_t, curl_off_t downNow, curl_off_t, curl_off_t upNow) {
  auto* t = static_cast<Transfer*>(user);
  const auto now = Clock::now();
  if (downNow != t->lastDown || upNow != t->lastUp) {
    t->lastDown = downNow;
    t->lastUp = upNow;
    t->lastActivity = now;
  }
  if (now - t->lastActivity > std::chrono::milliseconds(t->readTimeoutMs)) {
    t->timedOut = true;
    return 1;
  }
  return 0;
}

struct HeaderList {
  curl_slist* list = nullptr;
  ~HeaderList() { curl_slist_free_all(list); }
};

}  // namespace

struct THttpClient::Handle {
  CURL* curl = nullptr;
  HeaderList headers;
  ~Handle() {
    if (curl) curl_easy_cleanup(curl);
  }
};

// The handle is never reset: a reset would also stop its cookie store. So what one request
// sets, the next sets again.
THttpClient::THttpClient() : handle_(std::make_unique<Handle>()) {
  InitCurlOnce();
  CURL* curl = handle_->curl = curl_easy_init();
  if (!curl) throw KavrinError("Не удалось инициализировать сетевую библиотеку");
  handle_->headers.list = curl_slist_append(nullptr, AcceptHeader);
  curl_easy_setopt(curl, CURLOPT_COOKIEFILE, "");
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, MaxRedirects);
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, handle_->headers.list);
  curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, AcceptEncoding);
  curl_easy_setopt(curl, CURLOPT_USERAGENT, UserAgent);
  curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, OnBody);
  curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, OnHeader);
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, OnProgress);
}

THttpClient::~THttpClient() = default;

std::string THttpClient::Get(const std::string& url) { return Perform(url, nullptr); }

std::string THttpClient::PostForm(const std::string& url, const THttpForm& fields) {
  const std::string form = UrlEncodeForm(fields);
  return Perform(url, &form);
}

std::string THttpClient::Perform(const std::string& url, const std::string* form) {
  CURL* curl = handle_->curl;
  Transfer transfer;
  transfer.readTimeoutMs = Settings.ReadTimeoutMs;
  transfer.maxBytes = Settings.MaxReplyBytes;
  char errorText[CURL_ERROR_SIZE] = {};
  const bool secure = HasUrlScheme(url, "https");

  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : "http,https");
  // A declared length above the limit is refused before the body is read.
  curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(Settings.MaxReplyBytes));
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(Settings.ConnectTimeoutMs));
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, Settings.VerifyCertificates ? 1L : 0L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, Settings.VerifyCertificates ? 2L : 0L);
  // An empty proxy also overrides proxies named in the environment: the settings decide.
  const bool proxy = !Proxy.Server.empty();
  const bool credentials = proxy && !Proxy.Username.empty();
  curl_easy_setopt(curl, CURLOPT_PROXY, Proxy.Server.c_str());
  curl_easy_setopt(curl, CURLOPT_PROXYPORT, proxy ? static_cast<long>(Proxy.Port) : 0L);
  curl_easy_setopt(curl, CURLOPT_PROXYUSERNAME, credentials ? Proxy.Username.c_str() : nullptr);
  curl_easy_setopt(curl, CURLOPT_PROXYPASSWORD, credentials ? Proxy.Password.c_str() : nullptr);
  if (form) {
    curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, static_cast<long>(form->size()));
    curl_easy_setopt(curl, CURLOPT_POSTFIELDS, form->c_str());
  } else {
    curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
  }
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_HEADERDATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, errorText);

  const CURLcode result = curl_easy_perform(curl);
  // Nothing of this request may point into this frame once it returns.
  curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, nullptr);
  curl_easy_setopt(curl, CURLOPT_POSTFIELDS, nullptr);
  if (transfer.timedOut) throw KavrinError(Format(ReadTimeoutMessage, {Settings.ReadTimeoutMs}));
  if (transfer.tooLarge || result == CURLE_FILESIZE_EXCEEDED)
    throw KavrinError(Format(ReplyTooLargeMessage, {static_cast<long long>(Settings.MaxReplyBytes)}));
  if (secure && result == CURLE_UNSUPPORTED_PROTOCOL && HasUrlScheme(transfer.location, "http"))
    throw KavrinError(Format(InsecureRedirectMessage, {transfer.location}));
  if (result != CURLE_OK) throw KavrinError(*errorText ? errorText : curl_easy_strerror(result));
  long status = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
  if (status >= 400)
    throw KavrinError(transfer.statusLine.empty() ? Format("HTTP %d", {status}) : transfer.statusLine);
  return std::move(transfer.body);
}

std::string UrlEncodeForm(const THttpForm& fields) {
  auto encode = [](const std::string& text, std::string& out) {
    static const char hex[] = "0123456789ABCDEF";
    for (unsigned char c : text) {
      if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
          c == '_' || c == '~') {
        out += static_cast<char>(c);
      } else if (c == ' ') {
        out += '+';
      } else {
        out += '%';
        out += hex[c >> 4];
        out += hex[c & 15];
      }
    }
  };
  std::string out;
  for (const auto& [name, value] : fields) {
    if (!out.empty()) out += '&';
    encode(name, out);
    out += '=';
    encode(value, out);
  }
  return out;
}

std::string DecodeUtf8Body(std::string_view body) { return Cp1251ToUtf8(Utf8ToCp1251(body)); }

bool HasUrlScheme(std::string_view url, std::string_view scheme) {
  const std::string prefix = std::string(scheme) + "://";
  return url.size() >= prefix.size() && SameText(url.substr(0, prefix.size()), prefix);
}

}  // namespace kavrin
