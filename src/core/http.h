#pragma once
// The one HTTP transport of the program (libcurl): GET and form POST with the browser-like
// headers every request carries, redirects, a cookie store that lasts as long as the client,
// gzip and deflate replies, time-outs and HTTP or SOCKS proxies. Synchronous.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kavrin {

struct THttpSettings {
  int ConnectTimeoutMs = 5000;
  // The longest wait for the next piece of the reply.
  int ReadTimeoutMs = 10000;
  // Off only when the user turns it off: unverified connections let anyone on the path forge
  // the replies.
  bool VerifyCertificates = true;
  // The largest reply body taken, counted after gzip or deflate decoding, so that neither a
  // huge reply nor a small compressed one that inflates without end can exhaust the memory.
  int64_t MaxReplyBytes = int64_t{64} << 20;
};

// An empty Server means a direct connection. Server may start with "socks4://", "socks4a://",
// "socks5://" or "socks5h://" for a SOCKS proxy; without a scheme it is an HTTP proxy.
// Username and Password are sent only when Username is not empty.
struct THttpProxy {
  std::string Server;
  int Port = 0;
  std::string Username;
  std::string Password;
};

using THttpForm = std::vector<std::pair<std::string, std::string>>;

class THttpClient {
 public:
  THttpClient();
  ~THttpClient();
  THttpClient(const THttpClient&) = delete;
  THttpClient& operator=(const THttpClient&) = delete;

  THttpSettings Settings;
  THttpProxy Proxy;

  // The reply body as bytes, after redirects and decompression. Throws KavrinError with the
  // failure's text on a network failure, a time-out, a body above Settings.MaxReplyBytes or an
  // HTTP status of 400 and above (then the text is the status line, such as "HTTP/1.1 404 Not
  // Found"). Only http and https addresses are followed, and a request made over https is never
  // redirected to plain http.
  std::string Get(const std::string& url);
  // Posts the fields URL-encoded, in the order given; the reply as Get.
  std::string PostForm(const std::string& url, const THttpForm& fields);

 private:
  std::string Perform(const std::string& url, const std::string* form);
  struct Handle;
  std::unique_ptr<Handle> handle_;
};

// "a=1&b=x+y": every byte but letters, digits and "-._~" percent-encoded, a space as "+".
std::string UrlEncodeForm(const THttpForm& fields);

// A reply body read as UTF-8 and brought to the program's text: characters that the
// Windows-1251 files cannot hold become "?", as they would on the way to any file.
std::string DecodeUtf8Body(std::string_view body);

// Whether the address starts with the scheme, ignoring letter case ("https" for "HTTPS://x").
bool HasUrlScheme(std::string_view url, std::string_view scheme);

}  // namespace kavrin
