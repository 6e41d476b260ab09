#include "sandbox/vpn_http.h"

#include <httplib.h>

#include <algorithm>

#include "platform/sandbox/sandbox_wire.h"
#include "sandbox/vpn_scenario.h"
#include "sandbox/vpn_service.h"

namespace rv::sandbox {

namespace {

using sandbox_wire::Line;

// The longest a client may ask an events request to wait.
constexpr uint64_t kLongestPollMs = 30000;

void Reply(httplib::Response& res, const std::string& lines) {
  res.set_content(lines + "end\n", "text/plain; charset=utf-8");
}

void Bad(httplib::Response& res, const std::string& why) {
  res.status = 400;
  res.set_content("error: " + why + "\n", "text/plain; charset=utf-8");
}

bool Number(const httplib::Request& req, const char* name, uint64_t* value) {
  return req.has_param(name) && sandbox_wire::ParseNumber(req.get_param_value(name), value);
}

std::string Result(uint32_t code) { return Line({"result", std::to_string(code)}); }

}  // namespace

VpnHttp::VpnHttp(VpnService& vpn, CommandRunner run) : vpn_(vpn), run_(std::move(run)) {}

VpnHttp::~VpnHttp() { Stop(); }

bool VpnHttp::Start(int port) {
  server_ = std::make_unique<httplib::Server>();
  Route();
  int bound = port ? (server_->bind_to_port("127.0.0.1", port) ? port : -1)
                   : server_->bind_to_any_port("127.0.0.1");
  if (bound <= 0) {
    server_.reset();
    return false;
  }
  port_ = bound;
  thread_ = std::thread([s = server_.get()] { s->listen_after_bind(); });
  // A stop that comes before the server runs would be lost.
  for (int i = 0; i < 5000 && !server_->is_running(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return true;
}

void VpnHttp::Stop() {
  if (!server_) return;
  server_->stop();
  if (thread_.joinable()) thread_.join();
  server_.reset();
}

void VpnHttp::Route() {
  httplib::Server& s = *server_;
  s.Get("/ras/dial", [this](const httplib::Request& req, httplib::Response& res) {
    uint64_t protocol = 0;
    if (!req.has_param("entry") || !req.has_param("server") || !Number(req, "protocol", &protocol))
      return Bad(res, "dial needs entry, server and protocol");
    VpnService::DialAnswer a = vpn_.Dial(req.get_param_value("entry"), req.get_param_value("server"),
                                         req.get_param_value("user"), req.get_param_value("password"),
                                         static_cast<int>(protocol));
    Reply(res, Line({"dial", std::to_string(a.handle), std::to_string(a.result),
                     std::to_string(a.firstEvent)}));
  });
  s.Get("/ras/events", [this](const httplib::Request& req, httplib::Response& res) {
    uint64_t handle = 0, after = 0, wait = 0;
    if (!Number(req, "handle", &handle)) return Bad(res, "events needs a handle");
    Number(req, "after", &after);
    Number(req, "wait", &wait);
    bool more = false;
    auto events = vpn_.Events(handle, static_cast<size_t>(after),
                              static_cast<int64_t>(std::min(wait, kLongestPollMs)), &more);
    if (!events) return Reply(res, Line({"unknown"}));
    std::string lines;
    for (const DialEvent& e : *events)
      lines += Line({"event", std::to_string(e.state), std::to_string(e.error)});
    Reply(res, lines + Line({"more", more ? "1" : "0"}));
  });
  s.Get("/ras/connections", [this](const httplib::Request&, httplib::Response& res) {
    std::string lines;
    for (const auto& [handle, entry] : vpn_.Listed()) lines += Line({"connection", std::to_string(handle), entry});
    Reply(res, lines);
  });
  s.Get("/ras/hangup", [this](const httplib::Request& req, httplib::Response& res) {
    uint64_t handle = 0;
    if (!Number(req, "handle", &handle)) return Bad(res, "hangup needs a handle");
    Reply(res, Result(vpn_.HangUp(handle)));
  });
  auto tool = [this](const char* prefix, const char* param) {
    return [this, prefix, param](const httplib::Request& req, httplib::Response& res) {
      if (!req.has_param(param)) return Bad(res, std::string("missing ") + param);
      if (!vpn_.RunTool(prefix + req.get_param_value(param))) return Bad(res, "not a tool command");
      Reply(res, Result(0));
    };
  };
  s.Get("/ras/hangup-entry", tool("rasphone -h ", "entry"));
  s.Get("/ras/remove-entry", tool("rasphone -r ", "entry"));
  s.Get("/net/ipconfig", tool("ipconfig /", "op"));
  s.Get("/ras/entries", [this](const httplib::Request&, httplib::Response& res) {
    std::string lines;
    for (const std::string& name : vpn_.DefaultEntries()) lines += Line({"entry", name});
    Reply(res, lines);
  });
  s.Get("/control/run", [this](const httplib::Request& req, httplib::Response& res) {
    res.set_content(run_(req.get_param_value("line")) + "\n", "text/plain; charset=utf-8");
  });
  s.Get("/control/connections", [this](const httplib::Request&, httplib::Response& res) {
    res.set_content(ConnectionsListing(vpn_) + "\n", "text/plain; charset=utf-8");
  });
}

}  // namespace rv::sandbox
