#include "core/http.h"

#include <gtest/gtest.h>
#include <httplib.h>
#include <zlib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <condition_variable>
#include <mutex>
#include <thread>

#include "core/errors.h"
#include "standin/web_standin.h"

namespace kavrin {
namespace {

using standin::LocalServer;

// windowBits 31 makes a gzip stream, 15 a zlib stream (what HTTP calls deflate).
std::string Compress(const std::string& text, int windowBits) {
  z_stream z{};
  EXPECT_EQ(deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, windowBits, 8, Z_DEFAULT_STRATEGY), Z_OK);
  std::string out(deflateBound(&z, text.size()) + 32, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
  z.avail_in = static_cast<uInt>(text.size());
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

TEST(Http, DecodesCompressedRepliesAndSendsBrowserHeaders) {
  const std::string page = "<html>Архив тиражей 5x50</html>";
  LocalServer server;
  httplib::Headers seen;
  server.Http().Get(R"(/(gzip|deflate))", [&](const httplib::Request& req, httplib::Response& res) {
    seen = req.headers;
    const std::string encoding = req.matches[1];
    res.set_header("Content-Encoding", encoding);
    // Not a text type, so that the server library does not compress it once more.
    res.set_content(Compress(page, encoding == "gzip" ? 31 : 15), "application/octet-stream");
  });
  server.Start();

  THttpClient client;
  for (const char* encoding : {"gzip", "deflate"}) {
    EXPECT_EQ(client.Get(server.Address() + "/" + encoding), page) << encoding;
    EXPECT_EQ(seen.find("Accept")->second, "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
    EXPECT_EQ(seen.find("Accept-Encoding")->second, "gzip, deflate, sdch");
    EXPECT_EQ(seen.find("User-Agent")->second,
              "Mozilla/5.0 (Windows NT 6.1; WOW64) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/47.0.2526.80 "
              "Safari/537.36");
  }
}

TEST(Http, RepliesAboveTheLimitAreRefusedAlsoWhenTheyInflate) {
  LocalServer server;
  server.Http().Get("/plain", [](const httplib::Request&, httplib::Response& res) {
    res.set_content(std::string(5000, 'x'), "application/octet-stream");
  });
  server.Http().Get("/bomb", [](const httplib::Request&, httplib::Response& res) {
    // A few kilobytes on the wire, ten megabytes once inflated.
    res.set_header("Content-Encoding", "gzip");
    res.set_content(Compress(std::string(10 << 20, '\0'), 31), "application/octet-stream");
  });
  server.Http().Get("/chunked", [](const httplib::Request&, httplib::Response& res) {
    res.set_chunked_content_provider("application/octet-stream", [](size_t offset, httplib::DataSink& sink) {
      if (offset >= 8000) {
        sink.done();
        return true;
      }
      const std::string chunk(1000, 'c');
      return sink.write(chunk.data(), chunk.size());
    });
  });
  server.Start();

  THttpClient client;
  client.Settings.MaxReplyBytes = 4000;
  for (const char* path : {"/plain", "/chunked"}) {
    try {
      client.Get(server.Address() + path);
      ADD_FAILURE() << path << ": no failure";
    } catch (const KavrinError& e) {
      EXPECT_STREQ(e.what(), "Ответ сервера больше допустимого размера (4000 байт)") << path;
    }
  }
  client.Settings.MaxReplyBytes = 1 << 20;
  EXPECT_THROW(client.Get(server.Address() + "/bomb"), KavrinError);
  client.Settings.MaxReplyBytes = 5000;
  EXPECT_EQ(client.Get(server.Address() + "/plain").size(), 5000u) << "the limit itself is allowed";
}

TEST(Http, FollowsRedirectsAndKeepsCookiesPerClient) {
  LocalServer server;
  server.Http().Get("/login", [](const httplib::Request&, httplib::Response& res) {
    res.set_header("Set-Cookie", "session=abc; Path=/");
    res.set_redirect("/home");
  });
  server.Http().Get("/home", [](const httplib::Request& req, httplib::Response& res) {
    res.set_content("home:" + req.get_header_value("Cookie"), "text/plain");
  });
  server.Http().Get("/file", [](const httplib::Request&, httplib::Response& res) {
    res.set_redirect("file:///etc/passwd");
  });
  server.Start();

  THttpClient client;
  EXPECT_EQ(client.Get(server.Address() + "/login"), "home:session=abc");
  EXPECT_EQ(client.Get(server.Address() + "/home"), "home:session=abc");
  THttpClient other;
  EXPECT_EQ(other.Get(server.Address() + "/home"), "home:");
  // Only http and https are followed.
  EXPECT_THROW(client.Get(server.Address() + "/file"), KavrinError);
}

TEST(Http, FailuresAreErrorsWithTheirText) {
  LocalServer server;
  server.Http().Get("/missing", [](const httplib::Request&, httplib::Response& res) { res.status = 404; });
  server.Start();
  THttpClient client;
  try {
    client.Get(server.Address() + "/missing");
    FAIL() << "no error";
  } catch (const KavrinError& e) {
    EXPECT_STREQ(e.what(), "HTTP/1.1 404 Not Found");
  }

  LocalServer closed;
  closed.Start();
  const std::string deadAddress = closed.Address();
  closed.Stop();
  closed.Wait();
  try {
    client.Get(deadAddress + "/");
    FAIL() << "no error";
  } catch (const KavrinError& e) {
    EXPECT_NE(std::string(e.what()), "");
  }
}

TEST(Http, StalledReplyEndsWithTheReadTimeOut) {
  std::mutex mutex;
  std::condition_variable released;
  bool release = false;
  LocalServer server;
  server.Http().Get("/slow", [&](const httplib::Request&, httplib::Response& res) {
    std::unique_lock<std::mutex> lock(mutex);
    released.wait_for(lock, std::chrono::seconds(20), [&] { return release; });
    res.set_content("late", "text/plain");
  });
  server.Start();

  THttpClient client;
  client.Settings.ReadTimeoutMs = 300;
  try {
    client.Get(server.Address() + "/slow");
    ADD_FAILURE() << "no error";
  } catch (const KavrinError& e) {
    EXPECT_STREQ(e.what(), "Превышено время ожидания ответа сервера (300 мс)");
  }
  {
    std::lock_guard<std::mutex> lock(mutex);
    release = true;
  }
  released.notify_all();
}

TEST(Http, PostsTheFormFieldsInOrder) {
  LocalServer server;
  std::string body, type;
  server.Http().Post("/put", [&](const httplib::Request& req, httplib::Response& res) {
    body = req.body;
    type = req.get_header_value("Content-Type");
    res.set_content("<ok>", "text/plain");
  });
  server.Start();

  THttpClient client;
  EXPECT_EQ(client.PostForm(server.Address() + "/put", {{"z", "1"}, {"text", "a b&c=д"}, {"a", ""}}), "<ok>");
  EXPECT_EQ(body, "z=1&text=a+b%26c%3D%D0%B4&a=");
  EXPECT_EQ(type, "application/x-www-form-urlencoded");
}

TEST(Http, GoesThroughAnHttpProxyWithItsCredentials) {
  LocalServer proxy;
  std::string target, authorization;
  proxy.Http().Get(R"(.*)", [&](const httplib::Request& req, httplib::Response& res) {
    target = req.target;
    authorization = req.get_header_value("Proxy-Authorization");
    res.set_content("via proxy", "text/plain");
  });
  proxy.Start();

  THttpClient client;
  client.Proxy = {"127.0.0.1", proxy.Port(), "user", "p:ss"};
  // The proxy answers for the whole address; nothing else is contacted.
  EXPECT_EQ(client.Get("http://127.0.0.1:9/page?x=1"), "via proxy");
  EXPECT_EQ(target, "http://127.0.0.1:9/page?x=1");
  EXPECT_EQ(authorization, "Basic dXNlcjpwOnNz");

  client.Proxy = {"127.0.0.1", proxy.Port(), "", ""};
  client.Get("http://127.0.0.1:9/other");
  EXPECT_EQ(authorization, "");
}

// A SOCKS5 proxy for one connection that asks for a user name and password and then answers
// the tunnelled HTTP request itself.
class Socks5StandIn {
 public:
  Socks5StandIn() {
    listener_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    listen(listener_, 1);
    socklen_t len = sizeof addr;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
    port_ = ntohs(addr.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~Socks5StandIn() {
    shutdown(listener_, SHUT_RDWR);
    thread_.join();
    close(listener_);
  }
  int Port() const { return port_; }
  std::string user, password, destination;

 private:
  static bool Read(int fd, void* data, size_t size) {
    auto* p = static_cast<char*>(data);
    while (size > 0) {
      ssize_t n = recv(fd, p, size, 0);
      if (n <= 0) return false;
      p += n;
      size -= static_cast<size_t>(n);
    }
    return true;
  }
  static std::string ReadShort(int fd) {
    unsigned char len = 0;
    std::string text;
    if (Read(fd, &len, 1)) {
      text.resize(len);
      Read(fd, text.data(), len);
    }
    return text;
  }
  void Serve() {
    const int fd = accept(listener_, nullptr, nullptr);
    if (fd < 0) return;
    unsigned char head[4];
    if (Read(fd, head, 2)) {
      std::string methods(head[1], '\0');
      Read(fd, methods.data(), methods.size());
      send(fd, "\x05\x02", 2, MSG_NOSIGNAL);  // user name and password
      Read(fd, head, 1);
      user = ReadShort(fd);
      password = ReadShort(fd);
      send(fd, "\x01\x00", 2, MSG_NOSIGNAL);
      unsigned char address[4], port[2];
      if (Read(fd, head, 4) && head[3] == 1 && Read(fd, address, 4) && Read(fd, port, 2)) {
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, address, text, sizeof text);
        destination = std::string(text) + ":" + std::to_string(port[0] * 256 + port[1]);
        send(fd, "\x05\x00\x00\x01\x00\x00\x00\x00\x00\x00", 10, MSG_NOSIGNAL);
        std::string request;
        char c;
        while (request.find("\r\n\r\n") == std::string::npos && Read(fd, &c, 1)) request += c;
        const std::string reply = "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nConnection: close\r\n\r\nsocks";
        send(fd, reply.data(), reply.size(), MSG_NOSIGNAL);
      }
    }
    close(fd);
  }
  int listener_ = -1;
  int port_ = 0;
  std::thread thread_;
};

TEST(Http, GoesThroughASocks5ProxyWithItsCredentials) {
  Socks5StandIn proxy;
  THttpClient client;
  client.Proxy = {"socks5://127.0.0.1", proxy.Port(), "user", "secret"};
  EXPECT_EQ(client.Get("http://127.0.0.1:9/page"), "socks");
  EXPECT_EQ(proxy.user, "user");
  EXPECT_EQ(proxy.password, "secret");
  EXPECT_EQ(proxy.destination, "127.0.0.1:9");
}

TEST(Http, Utf8BodyBecomesTheProgramsText) {
  EXPECT_EQ(DecodeUtf8Body("Тираж №1 \xE2\x82\xAC"), "Тираж №1 €");
  EXPECT_EQ(DecodeUtf8Body("日本"), "??");
  EXPECT_TRUE(HasUrlScheme("HTTPS://host", "https"));
  EXPECT_FALSE(HasUrlScheme("http://host", "https"));
  EXPECT_FALSE(HasUrlScheme("https:/host", "https"));
}

}  // namespace
}  // namespace kavrin
