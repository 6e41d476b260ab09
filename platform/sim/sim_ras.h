#pragma once
// A simulated Remote Access Service under virtual time. It keeps what it is
// given (phonebook entries and credentials per phonebook file, the default
// phonebook, active connections and their handles), dials by a script per
// server address and reports the dial's progress on a service thread of its
// own, as the real service calls its notifier from a thread of its own.
// "rasphone -h NAME" and "rasphone -r NAME" act on it as the real tool does.
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/ras.h"
#include "platform/ras_service.h"
#include "vpn/ras_records.h"

namespace rv::sim {

class Scheduler;
class SimProcess;

// Error codes, states and message code of the service (shared with the sandbox client).
inline constexpr uint32_t kErrorInvalidHandle = ras_service::kErrorInvalidHandle;
inline constexpr uint32_t kErrorInvalidParameter = ras_service::kErrorInvalidParameter;
inline constexpr uint32_t kErrorInsufficientBuffer = ras_service::kErrorInsufficientBuffer;
inline constexpr uint32_t kErrorInvalidName = ras_service::kErrorInvalidName;
inline constexpr uint32_t kErrorCannotOpenPhonebook = ras_service::kErrorCannotOpenPhonebook;
inline constexpr uint32_t kErrorCannotFindEntry = ras_service::kErrorCannotFindEntry;
inline constexpr uint32_t kErrorUserDisconnection = ras_service::kErrorUserDisconnection;
inline constexpr uint32_t kErrorInvalidSize = ras_service::kErrorInvalidSize;
inline constexpr uint32_t kErrorAuthenticationFailure = ras_service::kErrorAuthenticationFailure;
inline constexpr uint32_t kErrorDialAlreadyInProgress = ras_service::kErrorDialAlreadyInProgress;
inline constexpr uint32_t kStateConnected = ras_service::kStateConnected;
inline constexpr uint32_t kStateDisconnected = ras_service::kStateDisconnected;
inline constexpr uint32_t kDialEventMessage = ras_service::kDialEventMessage;

struct DialReport {
  uint32_t state = 0;
  uint32_t error = 0;
};

// How a server answers a dial. The reports come one every stepMs; a report
// with an error ends the dial there; a last report of "connected" makes the
// link live. With no reports the dial never answers.
struct DialScript {
  std::vector<DialReport> reports;
  int64_t stepMs = 150;
  uint32_t immediateError = 0;  // the dial call itself answers this; nothing is reported
  int64_t dropAfterMs = -1;     // the live link drops this long after it connected

  // The states of a tunnel that comes up, in the service's order.
  static std::vector<uint32_t> ConnectingStates();
  static DialScript Connects(int64_t stepMs = 150);
  // The states before `state`, then `state` reported with `error`.
  static DialScript FailsAt(uint32_t state, uint32_t error, int64_t stepMs = 150);
  static DialScript NeverAnswers();
  static DialScript RefusedAtOnce(uint32_t error);
  static DialScript States(std::vector<uint32_t> states, int64_t stepMs = 150);
  DialScript& DropsAfter(int64_t ms) {
    dropAfterMs = ms;
    return *this;
  }
};

// What the service keeps for one entry and its credentials; texts in UTF-8.
using SimEntry = ras_service::StoredEntry;
using SimCredentials = ras_service::StoredCredentials;

struct SimConnection {
  RasHandle handle = 0;
  std::string entry, server;
  bool connected = false;  // false: still dialing
};

struct SimDial {
  std::string phonebook, entry, userName, password, server;
  uint32_t result = 0;
  RasHandle handle = 0;
};

class SimRas final : public RasApi {
 public:
  // How long the phonebook tool takes before it acts.
  static constexpr int64_t kToolDelayMs = 200;

  explicit SimRas(Scheduler& sched) : sched_(sched) {}
  // Lets "rasphone -h NAME" and "rasphone -r NAME" act on this service.
  void RegisterCommands(SimProcess& process);

  // RasApi
  uint32_t SetEntryProperties(const std::string& phonebook, const std::string& entry,
                              const uint8_t* record, uint32_t size) override;
  uint32_t SetCredentials(const std::string& phonebook, const std::string& entry,
                          const uint8_t* record, bool clear) override;
  uint32_t Dial(const std::string& phonebook, const uint8_t* params, uint32_t size,
                RasNotifier notifier, RasHandle* handle) override;
  uint32_t GetErrorString(uint32_t code, char* buffer, uint32_t size) override;
  uint32_t EnumConnections(uint8_t* buffer, uint32_t* bytes, uint32_t* count) override;
  uint32_t HangUp(RasHandle handle) override;
  uint32_t EnumEntries(const std::string& phonebook, uint8_t* buffer, uint32_t* bytes,
                       uint32_t* count) override;

  // Set-up (texts in UTF-8).
  void SetScript(const std::string& server, DialScript script);
  void SetDefaultScript(DialScript script);
  void AddDefaultEntry(const std::string& name);
  // A connection some other program made; it is listed as connected.
  RasHandle AddForeignConnection(const std::string& entry);
  // The live link of `entry` drops now, or after delayMs of virtual time.
  void DropConnection(const std::string& entry);
  void DropAt(const std::string& entry, int64_t delayMs);
  // The next entry or credentials writes answer `code` (0 = work again).
  void FailEntryWrites(uint32_t code);
  void FailCredentialWrites(uint32_t code);

  // Inspection (texts in UTF-8).
  std::optional<SimEntry> Entry(const std::string& name,
                                const std::string& phonebook = "c:\\pptp.pbk");
  std::optional<SimCredentials> Credentials(const std::string& name,
                                            const std::string& phonebook = "c:\\pptp.pbk");
  std::vector<std::string> DefaultEntries();
  // Connections the enumeration lists, in the order they were made.
  std::vector<SimConnection> Connections();
  // Every handle not yet hung up, failed and dropped dials included.
  std::vector<RasHandle> OpenHandles();
  // The handles given to the hang-up call, in order (unknown ones included).
  std::vector<RasHandle> HangUps();
  std::vector<SimDial> Dials();

  // The service's message for a code, as UTF-8 (empty when it has none).
  static std::string ErrorText(uint32_t code) { return ras_service::ErrorText(code); }

 private:
  enum class Status { Dialing, Connected, Failed, Dropped };
  struct Conn {
    RasHandle handle;
    std::string entry;  // GBK bytes
    std::string server;
    Status status;
  };

  DialScript ScriptForLocked(const std::string& server) const;
  Conn* FindLocked(RasHandle handle);
  RasHandle NewHandleLocked() { return nextHandle_ += 0x10; }
  void RunDial(RasHandle handle, DialScript script, RasNotifier notifier);
  void HangUpEntry(const std::string& gbkName);
  void RemoveDefaultEntry(const std::string& gbkName);
  static bool Listed(const Conn& c) { return c.status == Status::Dialing || c.status == Status::Connected; }

  Scheduler& sched_;
  std::mutex mutex_;
  ras_service::PhonebookStore phonebooks_;  // "" = the default phonebook
  std::vector<Conn> connections_;
  std::vector<RasHandle> hangUps_;
  std::set<RasHandle> cutDials_;  // dials in progress that the phonebook tool ended
  std::vector<SimDial> dials_;
  std::map<std::string, DialScript> scripts_;
  DialScript defaultScript_ = DialScript::Connects();
  uint32_t entryWriteError_ = 0, credentialWriteError_ = 0;
  RasHandle nextHandle_ = 0x5A000;
};

}  // namespace rv::sim
