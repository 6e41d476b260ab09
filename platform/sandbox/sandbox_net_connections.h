#pragma once
// The network connections of the program's sandbox mode: named adapters
// with their status codes, kept in a small text file in the sandbox folder
// (network.txt, one "STATUS NAME" a line, e.g. "2 WLAN"), seen through the
// same steps as WMI and the shell's connection manager. Disabling a
// connection sets it to 0, enabling it to 2. The file is read at every step
// and written at every change, so that it can be looked at or edited while
// the program runs; without it the machine has "WLAN" and "本地连接", both
// connected. COM needs nothing here.
#include <mutex>
#include <string>
#include <vector>

#include "platform/net_connections.h"

namespace rv {

class SandboxNetConnections final : public NetConnectionsApi {
 public:
  explicit SandboxNetConnections(std::string folder);

  struct Adapter {
    std::string name;
    int32_t status = 0;
  };
  std::vector<Adapter> Adapters();

  bool ComInitialize(bool multithreaded) override { return true; }
  void ComUninitialize() override {}
  bool ComInitializeSecurity() override { return true; }
  bool WmiConnect(const std::string& nameSpace) override;
  bool WmiExecQuery(const std::string& wql) override;
  bool WmiNextInteger(const std::string& property, int32_t* value) override;
  void WmiRelease() override;
  bool VisitShellConnections(const std::function<ShellAction(const ShellConnection&)>& visit) override;

 private:
  std::vector<Adapter> ReadLocked();
  bool WriteLocked(const std::vector<Adapter>& adapters);

  const std::string path_;
  std::mutex mutex_;
  bool connected_ = false;
  std::vector<int32_t> results_;
  size_t next_ = 0;
};

// The connection name of a "... WHERE NetConnectionID='NAME'" query, with
// its escapes undone; empty when the query names none.
std::string QueriedConnectionName(const std::string& wql);

}  // namespace rv
