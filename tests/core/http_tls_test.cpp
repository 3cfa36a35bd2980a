// A request made over https is never redirected to plain http: a local TLS server with a
// certificate made for the test answers with redirects.
#include <gtest/gtest.h>
#include <httplib.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>

#include "core/errors.h"
#include "core/http.h"
#include "standin/web_standin.h"

namespace kavrin {
namespace {

// Answers "GET /final" with "secure" and every other request with a redirect to `location`.
class TlsRedirectServer {
 public:
  explicit TlsRedirectServer(std::string location) : location_(std::move(location)) {
    key_ = EVP_EC_gen("P-256");
    cert_ = X509_new();
    X509_set_version(cert_, 2);
    ASN1_INTEGER_set(X509_get_serialNumber(cert_), 1);
    X509_gmtime_adj(X509_getm_notBefore(cert_), 0);
    X509_gmtime_adj(X509_getm_notAfter(cert_), 3600);
    X509_set_pubkey(cert_, key_);
    X509_NAME* name = X509_get_subject_name(cert_);
    X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1,
                               0);
    X509_set_issuer_name(cert_, name);
    X509_sign(cert_, key_, EVP_sha256());
    ctx_ = SSL_CTX_new(TLS_server_method());
    SSL_CTX_use_certificate(ctx_, cert_);
    SSL_CTX_use_PrivateKey(ctx_, key_);

    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(listener_, 8);
    socklen_t length = sizeof address;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~TlsRedirectServer() {
    stopping_ = true;
    ::shutdown(listener_, SHUT_RDWR);
    thread_.join();
    ::close(listener_);
    SSL_CTX_free(ctx_);
    X509_free(cert_);
    EVP_PKEY_free(key_);
  }
  std::string Address() const { return "https://127.0.0.1:" + std::to_string(port_); }

 private:
  void Serve() {
    while (!stopping_) {
      const int client = ::accept(listener_, nullptr, nullptr);
      if (client < 0) return;
      SSL* ssl = SSL_new(ctx_);
      SSL_set_fd(ssl, client);
      if (SSL_accept(ssl) == 1) {
        std::string request;
        char buffer[4096];
        while (request.find("\r\n\r\n") == std::string::npos) {
          const int n = SSL_read(ssl, buffer, sizeof buffer);
          if (n <= 0) break;
          request.append(buffer, static_cast<size_t>(n));
        }
        const std::string reply =
            request.rfind("GET /final ", 0) == 0
                ? "HTTP/1.1 200 OK\r\nContent-Length: 6\r\nConnection: close\r\n\r\nsecure"
                : "HTTP/1.1 302 Found\r\nLocation: " + location_ + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
        SSL_write(ssl, reply.data(), static_cast<int>(reply.size()));
        SSL_shutdown(ssl);
      }
      SSL_free(ssl);
      ::close(client);
    }
  }

  std::string location_;
  EVP_PKEY* key_ = nullptr;
  X509* cert_ = nullptr;
  SSL_CTX* ctx_ = nullptr;
  int listener_ = -1;
  int port_ = 0;
  std::atomic<bool> stopping_ = false;
  std::thread thread_;
};

TEST(HttpTls, AnHttpsRequestIsNeverRedirectedToPlainHttp) {
  standin::LocalServer plain;
  plain.Http().Get("/page", [](const httplib::Request&, httplib::Response& res) {
    res.set_content("forged", "text/plain");
  });
  plain.Http().Get("/moved", [](const httplib::Request&, httplib::Response& res) { res.set_redirect("/page"); });
  plain.Start();

  THttpClient client;
  client.Settings.VerifyCertificates = false;  // the test's own certificate
  {
    TlsRedirectServer secure(plain.Address() + "/page");
    try {
      client.Get(secure.Address() + "/start");
      ADD_FAILURE() << "the redirect to plain http was followed";
    } catch (const KavrinError& e) {
      EXPECT_EQ(std::string(e.what()),
                "Перенаправление с защищенного адреса на незащищенный отклонено: " + plain.Address() + "/page");
    }
  }
  // Redirects that stay on https are followed.
  TlsRedirectServer toItself("/final");
  EXPECT_EQ(client.Get(toItself.Address() + "/start"), "secure");
  // And a plain http request may still be redirected within plain http.
  EXPECT_EQ(client.Get(plain.Address() + "/moved"), "forged");
}

}  // namespace
}  // namespace kavrin
