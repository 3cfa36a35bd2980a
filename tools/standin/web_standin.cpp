#include "standin/web_standin.h"

#include <httplib.h>

#include <chrono>
#include <stdexcept>

#include "core/cp1251.h"
#include "core/csv.h"
#include "core/fileio.h"
#include "core/format.h"
#include "core/inifile.h"

namespace kavrin::standin {
namespace {

constexpr int ProxyRowsPerPage = 15;

std::string ReadText(const std::string& path) { return Cp1251ToUtf8(ReadFileBytes(path)); }

// "http://host:port/path" → "/path" for requests in the absolute form.
std::string OriginPath(const std::string& path, bool viaProxy) {
  if (!viaProxy) return path;
  const size_t slash = path.find('/', path.find("://") + 3);
  return slash == std::string::npos ? "/" : path.substr(slash);
}

int IntParam(const httplib::Request& req, const char* name) {
  int32_t value = 0;
  return req.has_param(name) && TextToInt(req.get_param_value(name), value) ? value : 0;
}

void ServeArchive(const std::string& folder, const httplib::Request& req, httplib::Response& res) {
  const int first = IntParam(req, "firstDraw");
  const int last = IntParam(req, "lastDraw");
  const std::string canned = JoinPath(folder, Format("archive-%.4d-%.4d.html", {first, last}));
  const std::string csv = JoinPath(folder, "draws.csv");
  if (FileExists(canned)) {
    res.set_content(ReadFileBytes(canned), "text/html; charset=utf-8");
  } else if (FileExists(csv)) {
    TDrawsArray all;
    ImportDrawsCsv(ReadText(csv), all);
    TDrawsArray page;
    for (auto it = all.rbegin(); it != all.rend(); ++it)
      if (it->Number >= first && it->Number <= last) page.push_back(*it);
    res.set_content(ArchivePageHtml(page), "text/html; charset=utf-8");
  } else {
    res.status = 404;
  }
}

void ServeProxies(const std::string& folder, const httplib::Request& req, httplib::Response& res) {
  const std::string file = JoinPath(folder, "proxies.txt");
  std::vector<std::string> all;
  if (FileExists(file)) {
    std::string line;
    for (char c : ReadText(file) + "\n") {
      if (c == '\n') {
        if (!Trim(line).empty()) all.push_back(Trim(line));
        line.clear();
      } else {
        line += c;
      }
    }
  }
  const size_t offset = static_cast<size_t>(std::max(0, IntParam(req, "offset")));
  std::vector<std::string> rows;
  for (size_t i = offset; i < all.size() && rows.size() < ProxyRowsPerPage; ++i) rows.push_back(all[i]);
  res.set_content(ProxyListHtml(rows), "text/html; charset=utf-8");
}

// The fields of a URL-encoded form in the order sent.
std::vector<std::pair<std::string, std::string>> FormFields(const std::string& body) {
  std::vector<std::pair<std::string, std::string>> fields;
  size_t start = 0;
  while (start < body.size()) {
    size_t end = body.find('&', start);
    if (end == std::string::npos) end = body.size();
    const std::string pair = body.substr(start, end - start);
    const size_t equals = pair.find('=');
    fields.emplace_back(httplib::detail::decode_url(pair.substr(0, equals), true),
                        equals == std::string::npos ? std::string()
                                                    : httplib::detail::decode_url(pair.substr(equals + 1), true));
    start = end + 1;
  }
  return fields;
}

void ServeFile(const std::string& folder, const std::string& path, httplib::Response& res) {
  const std::string file = JoinPath(folder, path.substr(1));
  if (path.find("..") != std::string::npos || !FileExists(file)) {
    res.status = 404;
    return;
  }
  res.set_content(ReadFileBytes(file), "application/octet-stream");
}

void ServeService(const std::string& folder, const std::string& path, const Request& request, httplib::Response& res) {
  const std::string prefix = "/scripts/";
  const std::string name = path.substr(prefix.size(), path.size() - prefix.size() - 4);  // without ".php"
  std::vector<std::string> replies;
  for (const auto& [field, value] : request.Fields)
    if ((field == "sys_id" || field == "scr_id") && !value.empty() &&
        value.find_first_not_of("-0123456789") == std::string::npos)
      replies.push_back(name + "-" + value + ".xml");
  replies.push_back(name + ".xml");
  for (const std::string& reply : replies) {
    const std::string file = JoinPath(JoinPath(folder, "service"), reply);
    if (FileExists(file)) {
      res.set_content(ReadFileBytes(file), "text/xml; charset=utf-8");
      return;
    }
  }
  res.status = 404;
}

}  // namespace

LocalServer::LocalServer() : server_(std::make_unique<httplib::Server>()) {}

LocalServer::~LocalServer() {
  Stop();
  if (thread_.joinable()) thread_.join();
}

void LocalServer::Start(int port) {
  port_ = port == 0 ? server_->bind_to_any_port("127.0.0.1") : (server_->bind_to_port("127.0.0.1", port) ? port : -1);
  if (port_ <= 0) throw std::runtime_error("cannot listen on 127.0.0.1");
  thread_ = std::thread([this] { server_->listen_after_bind(); });
  for (int i = 0; i < 5000 && !server_->is_running(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

std::string LocalServer::Address() const { return "http://127.0.0.1:" + std::to_string(port_); }

void LocalServer::Wait() {
  if (thread_.joinable()) thread_.join();
}

void LocalServer::Stop() { server_->stop(); }

WebStandIn::WebStandIn(std::string folder, int port) : folder_(std::move(folder)) {
  server_.Http().Get(R"(.*)", [this](const httplib::Request& req, httplib::Response& res) { Serve("GET", req, res); });
  server_.Http().Post(R"(.*)", [this](const httplib::Request& req, httplib::Response& res) { Serve("POST", req, res); });
  server_.Start(port);
}

void WebStandIn::Serve(const std::string& method, const httplib::Request& req, httplib::Response& res) {
  Request logged;
  logged.Method = method;
  logged.Target = req.target;
  logged.ViaProxy = req.target.rfind("http://", 0) == 0;
  logged.ProxyAuthorization = req.get_header_value("Proxy-Authorization");
  if (method == "POST") logged.Fields = FormFields(req.body);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.push_back(logged);
  }
  const std::string path = OriginPath(req.path, logged.ViaProxy);
  try {
    if (BeforeServe) BeforeServe(logged);
    if (method == "POST" && path.rfind("/scripts/", 0) == 0 && path.size() > 13 && path.ends_with(".php"))
      ServeService(folder_, path, logged, res);
    else if (method == "POST") res.status = 404;
    else if (path == "/5x50/archive") ServeArchive(folder_, req, res);
    else if (path == "/proxies") ServeProxies(folder_, req, res);
    else if (path.rfind("/files/", 0) == 0) ServeFile(folder_, path, res);
    else res.status = 404;
  } catch (const std::exception& e) {
    res.status = 500;
    res.set_content(e.what(), "text/plain; charset=utf-8");
  }
}

std::vector<Request> WebStandIn::Requests() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

std::string ArchivePageHtml(const TDrawsArray& newestFirst) {
  std::string html =
      "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>5x50</title></head><body>\n"
      "<div class=\"data drawings_data\">\n";
  for (const TDrawRec& d : newestFirst) {
    html += Format(
        "<div class=\"elem\"><div class=\"draw_date\" title=\"%s\">%s</div>"
        "<div class=\"draw\"><a href=\"/5x50/archive/%d\">%d</a></div>\n"
        "<div class=\"container cleared\"><div class=\"numbers\"><div class=\"numbers_wrapper\">",
        {d.Date, d.Date, d.Number, d.Number});
    for (uint8_t n : d.Numbers) html += Format("<b>%d</b>&nbsp;", {n});
    html += Format("<b class=\"extra\">%d</b></div></div></div><div class=\"controls\"></div></div>\n", {d.Extra});
  }
  return html + "</div>\n<div class=\"content_decor\"></div>\n</body></html>\n";
}

std::string ProxyListHtml(const std::vector<std::string>& entries) {
  std::string html = "<table class=\"proxies\">\n<tr><th>IP</th><th>Port</th><th>Protocol</th></tr>\n";
  for (const std::string& entry : entries) {
    const size_t colon = entry.rfind(':');
    html += Format("<tr class=\"proxy\"><td class=\"ip\">%s</td><td class=\"port\">%s</td><td>http</td></tr>\n",
                   {entry.substr(0, colon == std::string::npos ? entry.size() : colon),
                    colon == std::string::npos ? std::string() : entry.substr(colon + 1)});
  }
  return html + "</table>\n";
}

}  // namespace kavrin::standin
