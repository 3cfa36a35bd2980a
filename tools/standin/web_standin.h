#pragma once
// A local stand-in of the web sources of the program, serving what lies in one folder, for the
// tests and for demonstrations. It listens on 127.0.0.1 only.
//
//   /5x50/archive?firstDraw=F&lastDraw=L&mode=draw   the operator's archive page: the file
//       "archive-FFFF-LLLL.html" when there is one, else a page of the draws of "draws.csv"
//       (the program's draw CSV form) numbered F..L, newest first; 404 without either
//   /proxies?protocol=..&offset=N                     the proxy-list service: 15 rows from row
//       N of "proxies.txt" (one "host:port" a line)
//   /files/PATH                                       the maker's files (update description,
//       description texts, packages): the file "files/PATH"; 404 without it
//   POST /scripts/NAME.php                            the maker's systems and scenario services:
//       the reply "service/NAME-ID.xml" for a request about the system or scenario ID (its
//       "sys_id" or "scr_id" field), else "service/NAME.xml"; 404 without either
//
// A request in the absolute form of a request to a proxy ("GET http://host/path") is answered
// the same way, so the stand-in also serves as an HTTP proxy in front of itself.
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/game.h"

namespace httplib {
class Server;
struct Request;
struct Response;
}

namespace kavrin::standin {

// An HTTP server on 127.0.0.1 run by its own thread until it is destroyed. Handlers are added
// to Http() before Start().
class LocalServer {
 public:
  LocalServer();
  ~LocalServer();
  LocalServer(const LocalServer&) = delete;
  LocalServer& operator=(const LocalServer&) = delete;

  httplib::Server& Http() { return *server_; }
  // Listens on `port`, or on a free port when it is 0. Throws std::runtime_error when it cannot.
  void Start(int port = 0);
  int Port() const { return port_; }
  std::string Address() const;  // "http://127.0.0.1:PORT"
  // Blocks until Stop() (from another thread or a signal handler).
  void Wait();
  void Stop();

 private:
  std::unique_ptr<httplib::Server> server_;
  int port_ = 0;
  std::thread thread_;
};

struct Request {
  std::string Method;              // "GET" or "POST"
  std::string Target;              // as received: "/path?query", or "http://host/path?query"
  bool ViaProxy = false;           // the absolute form
  std::string ProxyAuthorization;  // the header, when sent
  // The fields of a posted form, decoded, in the order sent.
  std::vector<std::pair<std::string, std::string>> Fields;
};

class WebStandIn {
 public:
  // Starts listening on a free port (or `port`) of 127.0.0.1. Throws std::runtime_error when
  // it cannot.
  explicit WebStandIn(std::string folder, int port = 0);
  WebStandIn(const WebStandIn&) = delete;
  WebStandIn& operator=(const WebStandIn&) = delete;

  int Port() const { return server_.Port(); }
  std::string Address() const { return server_.Address(); }
  std::vector<Request> Requests() const;
  // Runs on the server's thread before each request is answered, for a test that changes the
  // files between requests. Set it before the requests start.
  std::function<void(const Request&)> BeforeServe;
  void Wait() { server_.Wait(); }
  void Stop() { server_.Stop(); }

 private:
  void Serve(const std::string& method, const httplib::Request& req, httplib::Response& res);

  std::string folder_;
  mutable std::mutex mutex_;
  std::vector<Request> requests_;
  LocalServer server_;  // last: stopped before what its handler uses goes away
};

// The archive page markup the operator's site uses, for the given draws (newest first).
std::string ArchivePageHtml(const TDrawsArray& newestFirst);
// One page of the proxy-list service.
std::string ProxyListHtml(const std::vector<std::string>& entries);

}  // namespace kavrin::standin
