#pragma once
// Network connections: COM on the calling thread, the WMI adapter query and
// the shell's network-connection manager. Each call is one step of the real
// sequence; the order and the decisions are netenv/adapter_toolkit's.
#include <cstdint>
#include <functional>
#include <string>

namespace rv {

// One connection as the shell's connection manager lists it. Names are UTF-8.
struct ShellConnection {
  std::string name;
  int32_t status = 0;  // NETCON_STATUS: 2 connected, 0 disconnected, 7 media disconnected ...
};

// What a visitor of the shell's connections asks for the one it was shown.
enum class ShellAction { Next, Stop, ConnectAndStop, DisconnectAndStop };

class NetConnectionsApi {
 public:
  virtual ~NetConnectionsApi() = default;

  // COM on the calling thread: CoInitializeEx(nullptr, 0) when multithreaded,
  // CoInitialize(nullptr) otherwise; CoUninitialize.
  virtual bool ComInitialize(bool multithreaded) = 0;
  virtual void ComUninitialize() = 0;
  // CoInitializeSecurity: default authentication, impersonation level 3, no
  // capabilities. Only the first call in a process can succeed.
  virtual bool ComInitializeSecurity() = 0;

  // WMI. The locator, service and enumerator are kept in one set of slots,
  // replaced by each query, so callers must not run two queries at once.
  // Creates the locator, connects to `nameSpace` with the current user's
  // credentials and sets the proxy blanket (NTLM, call level, impersonate).
  virtual bool WmiConnect(const std::string& nameSpace) = 0;
  // ExecQuery with "WQL" and flags forward-only | return-immediately.
  virtual bool WmiExecQuery(const std::string& wql) = 0;
  // Fetches the next object (infinite time-out) and reads `property` as an
  // integer (0 when it holds no integer). False when the fetch is empty.
  virtual bool WmiNextInteger(const std::string& property, int32_t* value) = 0;
  // Releases the enumerator, the service and the locator.
  virtual void WmiRelease() = 0;

  // Creates the connection manager on a COM-initialised thread, enumerates
  // every connection and shows each one with its properties to `visit`, in
  // the manager's order, carrying out the action it answers. False when the
  // manager could not be created or enumerated.
  virtual bool VisitShellConnections(
      const std::function<ShellAction(const ShellConnection&)>& visit) = 0;
};

}  // namespace rv
