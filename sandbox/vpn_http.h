#pragma once
// The provider's VPN service on the wire (platform/sandbox/sandbox_wire.h),
// served on 127.0.0.1:
//   /ras/dial?entry=&server=&user=&password=&protocol=   dial HANDLE RESULT FIRST
//   /ras/events?handle=&after=&wait=                     event STATE ERROR ..., more 0|1
//   /ras/connections                                     connection HANDLE ENTRY ...
//   /ras/hangup?handle=                                  result CODE
//   /ras/hangup-entry?entry=  /ras/remove-entry?entry=   result 0   (rasphone -h / -r)
//   /ras/entries                                         entry NAME ...
//   /net/ipconfig?op=release|renew                       result 0
// and, as plain text for scripts and tests:
//   /control/run?line=DIRECTIVE                          the directive's reply
//   /control/connections                                 the connections listing
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace httplib {
class Server;
}

namespace rv::sandbox {

class VpnService;

class VpnHttp {
 public:
  // `run` answers /control/run (the provider's whole command language).
  using CommandRunner = std::function<std::string(const std::string& line)>;
  VpnHttp(VpnService& vpn, CommandRunner run);
  ~VpnHttp();
  VpnHttp(const VpnHttp&) = delete;
  VpnHttp& operator=(const VpnHttp&) = delete;

  // Listens on 127.0.0.1:port, or a free port when 0.
  bool Start(int port);
  void Stop();
  int port() const { return port_; }

 private:
  void Route();

  VpnService& vpn_;
  CommandRunner run_;
  std::unique_ptr<httplib::Server> server_;
  std::thread thread_;
  int port_ = 0;
};

}  // namespace rv::sandbox
