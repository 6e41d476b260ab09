#include "platform/sim/sim_ras.h"

#include <algorithm>

#include "platform/codepage.h"
#include "platform/sim/scheduler.h"
#include "platform/sim/sim_process.h"

namespace rv::sim {

namespace {

constexpr const char* kVpnDevice = "WAN 微型端口 (PPTP)";

}  // namespace

std::vector<uint32_t> DialScript::ConnectingStates() {
  return {0, 1, 2, 3, 4, 5, 6, 10, 14, 18, kStateConnected};
}

DialScript DialScript::States(std::vector<uint32_t> states, int64_t stepMs) {
  DialScript s;
  s.stepMs = stepMs;
  for (uint32_t state : states) s.reports.push_back({state, 0});
  return s;
}

DialScript DialScript::Connects(int64_t stepMs) { return States(ConnectingStates(), stepMs); }

DialScript DialScript::FailsAt(uint32_t state, uint32_t error, int64_t stepMs) {
  std::vector<uint32_t> before;
  for (uint32_t s : ConnectingStates())
    if (s < state) before.push_back(s);
  DialScript script = States(before, stepMs);
  script.reports.push_back({state, error});
  return script;
}

DialScript DialScript::NeverAnswers() { return DialScript{}; }

DialScript DialScript::RefusedAtOnce(uint32_t error) {
  DialScript s;
  s.immediateError = error;
  return s;
}

void SimRas::RegisterCommands(SimProcess& process) {
  process.AddHandler([this](const std::string& command) {
    static const std::string kHangUp = "rasphone -h ", kRemove = "rasphone -r ";
    const bool hangUp = command.rfind(kHangUp, 0) == 0;
    const bool remove = command.rfind(kRemove, 0) == 0;
    if (!hangUp && !remove) return false;
    // The tool takes the rest of the line as the entry name, as it was typed.
    std::string name = Utf8ToGbkBytes(command.substr(kHangUp.size()));
    sched_.At(kToolDelayMs, [this, name, hangUp] {
      if (hangUp)
        HangUpEntry(name);
      else
        RemoveDefaultEntry(name);
    });
    return true;
  });
}

uint32_t SimRas::SetEntryProperties(const std::string& phonebook, const std::string& entry,
                                    const uint8_t* record, uint32_t size) {
  if (uint32_t bad = ras_service::CheckEntryRecord(entry, record, size)) return bad;
  std::lock_guard<std::mutex> lock(mutex_);
  if (entryWriteError_) return entryWriteError_;
  return phonebooks_.SetEntry(phonebook, entry, record, size);
}

uint32_t SimRas::SetCredentials(const std::string& phonebook, const std::string& entry,
                                const uint8_t* record, bool clear) {
  if (!ras_service::CredentialsRecordValid(record)) return kErrorInvalidSize;
  std::lock_guard<std::mutex> lock(mutex_);
  if (credentialWriteError_) return credentialWriteError_;
  return phonebooks_.SetCredentials(phonebook, entry, record, clear);
}

DialScript SimRas::ScriptForLocked(const std::string& server) const {
  auto it = scripts_.find(server);
  if (it == scripts_.end()) it = scripts_.find(server.substr(0, server.find(':')));
  return it == scripts_.end() ? defaultScript_ : it->second;
}

SimRas::Conn* SimRas::FindLocked(RasHandle handle) {
  for (Conn& c : connections_)
    if (c.handle == handle) return &c;
  return nullptr;
}

uint32_t SimRas::Dial(const std::string& phonebook, const uint8_t* params, uint32_t size,
                      RasNotifier notifier, RasHandle* handle) {
  if (!handle) return kErrorInvalidParameter;
  *handle = 0;
  if (!ras_service::DialParamsValid(params, size)) return kErrorInvalidSize;
  ras::DialParamsView p = ras::ReadDialParams(params);

  std::lock_guard<std::mutex> lock(mutex_);
  SimDial record{phonebook, GbkBytesToUtf8(p.entryName), GbkBytesToUtf8(p.userName),
                 GbkBytesToUtf8(p.password), "", 0, 0};
  auto finish = [&](uint32_t result) {
    record.result = result;
    record.handle = *handle;
    dials_.push_back(record);
    return result;
  };

  if (!phonebooks_.HasPhonebook(phonebook)) return finish(kErrorCannotOpenPhonebook);
  const ras_service::StoredEntry* entry = phonebooks_.Find(phonebook, p.entryName);
  if (!entry) return finish(kErrorCannotFindEntry);
  record.server = entry->server;

  for (Conn& c : connections_) {
    if (c.entry != p.entryName || !Listed(c)) continue;
    if (c.status == Status::Dialing) return finish(kErrorDialAlreadyInProgress);
    // Dialing a connected entry hands back its connection and reports it connected.
    *handle = c.handle;
    DialScript again = DialScript::States({kStateConnected});
    sched_.StartService([this, h = c.handle, again, notifier] { RunDial(h, again, notifier); });
    return finish(0);
  }

  DialScript script = ScriptForLocked(record.server);
  *handle = NewHandleLocked();
  if (script.immediateError) {
    // The port is taken until the caller hangs the handle up.
    connections_.push_back({*handle, p.entryName, record.server, Status::Failed});
    return finish(script.immediateError);
  }
  connections_.push_back({*handle, p.entryName, record.server, Status::Dialing});
  sched_.StartService([this, h = *handle, script, notifier] { RunDial(h, script, notifier); });
  return finish(0);
}

// The dial's progress, on a service thread of its own. A hang-up ends it.
void SimRas::RunDial(RasHandle handle, DialScript script, RasNotifier notifier) {
  uint32_t reached = 0;
  for (const DialReport& report : script.reports) {
    sched_.Pause(script.stepMs);
    {
      std::unique_lock<std::mutex> lock(mutex_);
      Conn* c = FindLocked(handle);
      if (!c || !Listed(*c)) {
        // Ended by the phonebook tool, the dialer hears of it; by its own hang-up, not.
        const bool cut = cutDials_.erase(handle) != 0;
        lock.unlock();
        if (cut) notifier(kDialEventMessage, reached, kErrorUserDisconnection);
        return;
      }
      if (report.error || report.state == kStateDisconnected)
        c->status = Status::Failed;
      else if (report.state == kStateConnected)
        c->status = Status::Connected;
    }
    notifier(kDialEventMessage, report.state, report.error);
    reached = report.state;
    if (report.error || report.state == kStateDisconnected) return;
  }
  if (script.dropAfterMs < 0 || script.reports.empty() ||
      script.reports.back().state != kStateConnected)
    return;
  sched_.Pause(script.dropAfterMs);
  std::lock_guard<std::mutex> lock(mutex_);
  if (Conn* c = FindLocked(handle); c && c->status == Status::Connected) c->status = Status::Dropped;
}

uint32_t SimRas::GetErrorString(uint32_t code, char* buffer, uint32_t size) {
  return ras_service::CopyErrorString(code, buffer, size);
}

uint32_t SimRas::EnumConnections(uint8_t* buffer, uint32_t* bytes, uint32_t* count) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<ras::ConnectionView> listed;
  for (const Conn& c : connections_)
    if (Listed(c)) listed.push_back({c.handle, c.entry, "vpn", Utf8ToGbkBytes(kVpnDevice)});
  return ras_service::FillConnections(listed, buffer, bytes, count);
}

uint32_t SimRas::HangUp(RasHandle handle) {
  std::lock_guard<std::mutex> lock(mutex_);
  hangUps_.push_back(handle);
  auto it = std::find_if(connections_.begin(), connections_.end(),
                         [&](const Conn& c) { return c.handle == handle; });
  if (it == connections_.end()) return kErrorInvalidHandle;
  connections_.erase(it);
  return 0;
}

uint32_t SimRas::EnumEntries(const std::string& phonebook, uint8_t* buffer, uint32_t* bytes,
                             uint32_t* count) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!phonebook.empty() && !phonebooks_.HasPhonebook(phonebook)) return kErrorCannotOpenPhonebook;
  return ras_service::FillEntryNames(phonebooks_.Names(phonebook), buffer, bytes, count);
}

void SimRas::HangUpEntry(const std::string& gbkName) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (const Conn& c : connections_)
    if (c.entry == gbkName && c.status == Status::Dialing) cutDials_.insert(c.handle);
  std::erase_if(connections_, [&](const Conn& c) { return c.entry == gbkName; });
}

void SimRas::RemoveDefaultEntry(const std::string& gbkName) {
  std::lock_guard<std::mutex> lock(mutex_);
  phonebooks_.Remove("", gbkName);
}

void SimRas::SetScript(const std::string& server, DialScript script) {
  std::lock_guard<std::mutex> lock(mutex_);
  scripts_[server] = std::move(script);
}

void SimRas::SetDefaultScript(DialScript script) {
  std::lock_guard<std::mutex> lock(mutex_);
  defaultScript_ = std::move(script);
}

void SimRas::AddDefaultEntry(const std::string& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  phonebooks_.AddBare("", Utf8ToGbkBytes(name));
}

RasHandle SimRas::AddForeignConnection(const std::string& entry) {
  std::lock_guard<std::mutex> lock(mutex_);
  RasHandle h = NewHandleLocked();
  connections_.push_back({h, Utf8ToGbkBytes(entry), "", Status::Connected});
  return h;
}

void SimRas::DropConnection(const std::string& entry) {
  const std::string gbk = Utf8ToGbkBytes(entry);
  std::lock_guard<std::mutex> lock(mutex_);
  for (Conn& c : connections_)
    if (c.entry == gbk && c.status == Status::Connected) c.status = Status::Dropped;
}

void SimRas::DropAt(const std::string& entry, int64_t delayMs) {
  sched_.At(delayMs, [this, entry] { DropConnection(entry); });
}

void SimRas::FailEntryWrites(uint32_t code) {
  std::lock_guard<std::mutex> lock(mutex_);
  entryWriteError_ = code;
}

void SimRas::FailCredentialWrites(uint32_t code) {
  std::lock_guard<std::mutex> lock(mutex_);
  credentialWriteError_ = code;
}

std::optional<SimEntry> SimRas::Entry(const std::string& name, const std::string& phonebook) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (const SimEntry* e = phonebooks_.Find(phonebook, Utf8ToGbkBytes(name))) return *e;
  return std::nullopt;
}

std::optional<SimCredentials> SimRas::Credentials(const std::string& name,
                                                  const std::string& phonebook) {
  std::lock_guard<std::mutex> lock(mutex_);
  return phonebooks_.Credentials(phonebook, Utf8ToGbkBytes(name));
}

std::vector<std::string> SimRas::DefaultEntries() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::string> out;
  for (const std::string& name : phonebooks_.Names("")) out.push_back(GbkBytesToUtf8(name));
  return out;
}

std::vector<SimConnection> SimRas::Connections() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<SimConnection> out;
  for (const Conn& c : connections_)
    if (Listed(c))
      out.push_back({c.handle, GbkBytesToUtf8(c.entry), c.server, c.status == Status::Connected});
  return out;
}

std::vector<RasHandle> SimRas::OpenHandles() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<RasHandle> out;
  for (const Conn& c : connections_) out.push_back(c.handle);
  return out;
}

std::vector<RasHandle> SimRas::HangUps() {
  std::lock_guard<std::mutex> lock(mutex_);
  return hangUps_;
}

std::vector<SimDial> SimRas::Dials() {
  std::lock_guard<std::mutex> lock(mutex_);
  return dials_;
}

}  // namespace rv::sim
