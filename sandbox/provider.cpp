#include "sandbox/provider.h"

#include "sandbox/echo_commands.h"
#include "sandbox/vpn_scenario.h"

namespace rv::sandbox {

Provider::Provider(EchoTransport sites)
    : echo_(sites), http_(vpn_, [this](const std::string& line) { return RunCommand(line); }) {
  echo_.SetAddressSource([this] {
    PublicAddress a = vpn_.CurrentAddress();
    return std::make_pair(a.address, a.region);
  });
}

Provider::~Provider() { Stop(); }

bool Provider::Start(int port) {
  if (!http_.Start(port)) return false;
  if (!echo_.Start(port ? port + 1 : 0)) {
    http_.Stop();
    return false;
  }
  return true;
}

void Provider::Stop() {
  echo_.Stop();
  http_.Stop();
}

std::string Provider::Url() const { return "http://127.0.0.1:" + std::to_string(port()); }

std::string Provider::RunCommand(const std::string& line) {
  if (std::optional<std::string> reply = RunVpnDirective(vpn_, line)) return *reply;
  if (line.rfind("address", 0) == 0)
    return "error: the sites report the connection's address; set it with pool or home";
  return RunEchoCommand(echo_, line);
}

}  // namespace rv::sandbox
