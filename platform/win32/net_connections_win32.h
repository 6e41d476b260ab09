#pragma once
// Network connections on Windows: COM, WMI (root\cimv2, Win32_NetworkAdapter)
// and the shell's network-connection manager.
#include "platform/net_connections.h"

struct IWbemLocator;
struct IWbemServices;
struct IEnumWbemClassObject;

namespace rv::win32 {

class NetConnectionsWin32 final : public NetConnectionsApi {
 public:
  NetConnectionsWin32() = default;
  NetConnectionsWin32(const NetConnectionsWin32&) = delete;
  NetConnectionsWin32& operator=(const NetConnectionsWin32&) = delete;

  bool ComInitialize(bool multithreaded) override;
  void ComUninitialize() override;
  bool ComInitializeSecurity() override;
  bool WmiConnect(const std::string& nameSpace) override;
  bool WmiExecQuery(const std::string& wql) override;
  bool WmiNextInteger(const std::string& property, int32_t* value) override;
  void WmiRelease() override;
  bool VisitShellConnections(
      const std::function<ShellAction(const ShellConnection&)>& visit) override;

 private:
  // The slots of the last query; the caller serialises their use.
  IWbemLocator* locator_ = nullptr;
  IWbemServices* services_ = nullptr;
  IEnumWbemClassObject* enumerator_ = nullptr;
};

}  // namespace rv::win32
