#pragma once
// The provider's VPN service as the program's sandbox mode dials it: servers
// by host name that accept after a delay, reject the account, never answer,
// refuse at once or drop a live link after a time or at random; accounts;
// a pool of public addresses with regions handed out one per connection
// (all new, or repeating on purpose); the default phonebook; the phonebook
// tool and ipconfig acting on it. Real time, thread-safe. Time stamps are
// milliseconds of the provider's clock (NowMs).
//
// The model advances lazily: every call first applies what has become due
// (dial reports, drops, the tool's delayed actions), so whatever a caller
// observes is as of the moment it asks.
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace rv::sandbox {

enum class ServerAnswer {
  Accept,  // the tunnel comes up (when the account is right)
  Reject,  // the account is refused with `error` (691 unless given)
  Silent,  // the device is connected to, then nothing ever answers
  Refuse,  // the dial call itself fails with `error`
};

struct ServerBehaviour {
  ServerAnswer answer = ServerAnswer::Accept;
  uint32_t error = 0;
  int64_t delayMs = 0;        // before the first report
  int64_t stepMs = 150;       // between reports
  int64_t dropAfterMs = -1;   // a live link drops this long after it came up
  int64_t dropMinMs = -1;     // or at a random time between these two
  int64_t dropMaxMs = -1;
};

struct PublicAddress {
  std::string address, region;
};

struct DialEvent {
  uint32_t state = 0, error = 0;
};

enum class LinkStatus { Dialing, Connected, Failed, Dropped, HungUp };
const char* LinkStatusName(LinkStatus status);  // "dialing", "connected" ...

// A connection as the tests and the control endpoints see it.
struct ConnectionRecord {
  uint64_t handle = 0;
  std::string entry, server, user;
  int protocol = 0;
  LinkStatus status = LinkStatus::Dialing;
  uint32_t error = 0;  // the dial's failure, if any
  PublicAddress assigned;
  int64_t dialMs = 0, connectedMs = -1, endedMs = -1;
};

// One request of the phonebook tool or of ipconfig, as received.
struct ToolCommand {
  int64_t atMs = 0;
  std::string command;  // "rasphone -h NAME", "rasphone -r NAME", "ipconfig /release" ...
};

class VpnService {
 public:
  VpnService();

  // Scenario. Host "*" is the behaviour of every server not named.
  void SetServer(const std::string& host, ServerBehaviour behaviour);
  // With no account every user name and password is taken.
  void AddAccount(const std::string& user, const std::string& password);
  void ClearAccounts();
  // The first address added replaces the built-in pool.
  void AddPoolAddress(PublicAddress address);
  // Every n-th connection is given the address of the connection before it
  // (0: never). An exhausted pool starts over.
  void SetRepeatEvery(int n);
  void SetHome(PublicAddress home);
  // How long the phonebook tool and ipconfig take before they act.
  void SetToolDelay(int64_t ms);
  void AddDefaultEntry(const std::string& name);
  void Seed(uint32_t seed);

  // The Remote Access Service side (texts UTF-8).
  struct DialAnswer {
    uint64_t handle = 0;
    uint32_t result = 0;
    size_t firstEvent = 0;  // index of this dial's first report
  };
  DialAnswer Dial(const std::string& entry, const std::string& server, const std::string& user,
                  const std::string& password, int protocol);
  // The reports of a dial from index `after` on, waiting up to waitMs for
  // one to come. *more is false once the dial will report nothing further;
  // nullopt for an unknown handle.
  std::optional<std::vector<DialEvent>> Events(uint64_t handle, size_t after, int64_t waitMs,
                                               bool* more);
  // Connections the enumeration lists (dialing or connected): handle, entry.
  std::vector<std::pair<uint64_t, std::string>> Listed();
  uint32_t HangUp(uint64_t handle);
  std::vector<std::string> DefaultEntries();
  // "rasphone -h NAME", "rasphone -r NAME", "ipconfig /release|/renew":
  // taken at once, acted on after the tool delay. False for any other line.
  bool RunTool(const std::string& commandLine);

  // Control and inspection.
  int Drop(uint64_t handle);          // the live link drops now; 1 when one did
  int DropEntry(const std::string& entry);
  int DropAll();
  // The address the IP-echo sites report: that of the newest live
  // connection, else the home address.
  PublicAddress CurrentAddress();
  std::vector<ConnectionRecord> Connections();
  std::vector<ToolCommand> ToolCommands();
  bool NetworkReleased();
  int64_t NowMs();
  // Waits until `done` holds for the connection list, re-checked at every
  // change. `done` runs under the service's lock: it must not call the service.
  bool WaitFor(const std::function<bool(const std::vector<ConnectionRecord>&)>& done, int64_t timeoutMs);

 private:
  struct Conn {
    ConnectionRecord record;
    std::vector<std::pair<int64_t, DialEvent>> events;  // due time, report
    size_t happened = 0;                                 // reports already due
    int64_t dropAt = -1;
    int64_t dropAfterMs = -1;
  };
  struct Pending {
    int64_t dueMs;
    std::string command;
  };

  int64_t NowLocked();
  void AdvanceLocked(int64_t now);
  void ConnectLocked(Conn& c, int64_t at);
  void EndLocked(Conn& c, LinkStatus status, int64_t at);
  // A dial still in progress, ended by the phonebook tool.
  void CutDialLocked(Conn& c, int64_t at);
  void ActLocked(const std::string& command, int64_t at);
  PublicAddress NextAddressLocked();
  const ServerBehaviour& BehaviourLocked(const std::string& server) const;
  bool AccountTakenLocked(const std::string& user, const std::string& password) const;
  Conn* FindLocked(uint64_t handle);
  int64_t NextDueLocked() const;

  std::mutex mutex_;
  std::condition_variable changed_;
  const int64_t startNs_;
  std::map<std::string, ServerBehaviour> servers_;
  std::vector<std::pair<std::string, std::string>> accounts_;
  std::vector<PublicAddress> pool_;
  bool builtInPool_ = true;
  size_t nextPool_ = 0;
  int repeatEvery_ = 0;
  int connects_ = 0;
  std::optional<PublicAddress> lastAssigned_;
  PublicAddress home_;
  int64_t toolDelayMs_ = 200;
  std::vector<std::string> defaultEntries_;
  std::vector<Conn> conns_;
  std::vector<Pending> pending_;
  std::vector<ToolCommand> tools_;
  bool released_ = false;
  uint64_t nextHandle_ = 0x5B000;
  std::mt19937 random_;
};

}  // namespace rv::sandbox
