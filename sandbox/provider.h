#pragma once
// The whole stand-in provider on 127.0.0.1: the VPN service on one port and
// the IP-echo sites on the three ports after it, the sites reporting the
// address of the current VPN connection (the home address without one).
#include <string>

#include "sandbox/ip_echo.h"
#include "sandbox/vpn_http.h"
#include "sandbox/vpn_service.h"

namespace rv::sandbox {

// The port the program's sandbox mode expects when nothing else is set.
inline constexpr int kDefaultProviderPort = 18780;

class Provider {
 public:
  explicit Provider(EchoTransport sites = EchoTransport::Http);
  ~Provider();
  Provider(const Provider&) = delete;
  Provider& operator=(const Provider&) = delete;

  // The VPN service on `port` and the sites on port + 1 .. port + 3; with 0,
  // free ports. False when a port cannot be had.
  bool Start(int port);
  void Stop();

  int port() const { return http_.port(); }
  std::string Url() const;  // "http://127.0.0.1:PORT"
  VpnService& vpn() { return vpn_; }
  IpEcho& echo() { return echo_; }

  // A VPN directive (sandbox/vpn_scenario.h) or a command of the sites
  // (sandbox/echo_commands.h).
  std::string RunCommand(const std::string& line);

 private:
  VpnService vpn_;
  IpEcho echo_;
  VpnHttp http_;
};

}  // namespace rv::sandbox
