#pragma once
// Simulated network connections: named adapters with their status codes, as
// WMI and the shell's connection manager see them, and "ipconfig /release"
// and "ipconfig /renew" acting on their addresses as the real tool would.
// COM is modelled per thread, so a test can tell whether every operation
// left its thread uninitialised and whether two WMI queries shared the
// interface slots.
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/net_connections.h"

namespace rv::sim {

class Scheduler;

class SimNetConnections final : public NetConnectionsApi {
 public:
  static constexpr int64_t kReleaseMs = 500;  // until "ipconfig /release" has acted
  static constexpr int64_t kRenewMs = 3000;   // until "ipconfig /renew" has acted

  explicit SimNetConnections(Scheduler& sched) : sched_(sched) {}

  // A connection WMI knows as `name`; the shell lists it as `listedName`
  // (the same unless given). `statusWhenEnabled` is what it reports once
  // connected again: 2, or 7 for an adapter without a cable or network.
  void Add(const std::string& name, int32_t status, std::optional<std::string> listedName = {},
           int32_t statusWhenEnabled = 2);
  void Remove(const std::string& name);
  // Status by WMI name; nullopt when there is no such connection.
  std::optional<int32_t> Status(const std::string& name);
  void SetWmiAvailable(bool on);
  void SetShellAvailable(bool on);

  // "disable NAME", "enable NAME" (shell names as listed) and the ipconfig
  // command lines, in the order they acted.
  std::vector<std::string> Actions();
  // True once "ipconfig /release" has acted and no renew since.
  bool AddressesReleased();
  // CoInitializeSecurity calls made; threads whose COM is still initialised;
  // times a query replaced the slots while another thread's query held them.
  int SecurityCalls();
  int ThreadsLeftInitialised();
  int SlotClashes();

  // For sim::SimProcess: takes "ipconfig /release" and "ipconfig /renew".
  bool HandleCommand(const std::string& commandLine);

  // NetConnectionsApi
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
  struct Connection {
    std::string name;
    std::string listedName;
    int32_t status;
    int32_t statusWhenEnabled;
  };
  struct Apartment {
    int depth = 0;
    bool multithreaded = false;
  };
  Apartment& ThisApartment();  // mutex_ held
  void Act(const std::string& listedName, ShellAction action);

  Scheduler& sched_;
  std::mutex mutex_;
  std::vector<Connection> connections_;
  std::vector<std::string> actions_;
  std::map<std::thread::id, Apartment> apartments_;
  bool wmiAvailable_ = true;
  bool shellAvailable_ = true;
  bool addressesReleased_ = false;
  bool securityDone_ = false;
  int securityCalls_ = 0;
  int slotClashes_ = 0;
  // The shared slots: which thread's service is connected, and the result
  // set of the last query with the position of the next fetch.
  std::optional<std::thread::id> slotOwner_;
  std::vector<int32_t> results_;
  size_t nextResult_ = 0;
  bool enumerator_ = false;
};

}  // namespace rv::sim
