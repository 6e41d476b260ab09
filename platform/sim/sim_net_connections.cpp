#include "platform/sim/sim_net_connections.h"

#include <algorithm>
#include <cctype>

#include "platform/sim/scheduler.h"

namespace rv::sim {

namespace {

std::string AsciiLower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool SameIgnoringAsciiCase(const std::string& a, const std::string& b) {
  return AsciiLower(a) == AsciiLower(b);
}

// The one query the service answers, as WMI reads it: keywords in any case,
// the name a WQL string literal with \' and \\ escapes. nullopt for anything
// else (the real service answers "invalid query").
std::optional<std::string> AdapterNameOfQuery(const std::string& wql) {
  static const std::string kHead = "select * from win32_networkadapter where netconnectionid='";
  if (wql.size() < kHead.size() || AsciiLower(wql.substr(0, kHead.size())) != kHead)
    return std::nullopt;
  std::string name;
  size_t i = kHead.size();
  for (; i < wql.size() && wql[i] != '\''; ++i) {
    if (wql[i] == '\\' && i + 1 < wql.size()) ++i;
    name += wql[i];
  }
  if (i >= wql.size()) return std::nullopt;  // unterminated literal
  for (++i; i < wql.size(); ++i)
    if (wql[i] != ' ') return std::nullopt;
  return name;
}

}  // namespace

void SimNetConnections::Add(const std::string& name, int32_t status,
                            std::optional<std::string> listedName, int32_t statusWhenEnabled) {
  std::lock_guard<std::mutex> lock(mutex_);
  connections_.push_back({name, listedName.value_or(name), status, statusWhenEnabled});
}

void SimNetConnections::Remove(const std::string& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::erase_if(connections_, [&](const Connection& c) { return c.name == name; });
}

std::optional<int32_t> SimNetConnections::Status(const std::string& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (auto& c : connections_)
    if (c.name == name) return c.status;
  return std::nullopt;
}

void SimNetConnections::SetWmiAvailable(bool on) {
  std::lock_guard<std::mutex> lock(mutex_);
  wmiAvailable_ = on;
}

void SimNetConnections::SetShellAvailable(bool on) {
  std::lock_guard<std::mutex> lock(mutex_);
  shellAvailable_ = on;
}

std::vector<std::string> SimNetConnections::Actions() {
  std::lock_guard<std::mutex> lock(mutex_);
  return actions_;
}

bool SimNetConnections::AddressesReleased() {
  std::lock_guard<std::mutex> lock(mutex_);
  return addressesReleased_;
}

int SimNetConnections::SecurityCalls() {
  std::lock_guard<std::mutex> lock(mutex_);
  return securityCalls_;
}

int SimNetConnections::ThreadsLeftInitialised() {
  std::lock_guard<std::mutex> lock(mutex_);
  return static_cast<int>(std::count_if(apartments_.begin(), apartments_.end(),
                                        [](auto& a) { return a.second.depth > 0; }));
}

int SimNetConnections::SlotClashes() {
  std::lock_guard<std::mutex> lock(mutex_);
  return slotClashes_;
}

bool SimNetConnections::HandleCommand(const std::string& commandLine) {
  const bool release = commandLine == "ipconfig /release";
  if (!release && commandLine != "ipconfig /renew") return false;
  // A started process acts a little later, on its own.
  sched_.At(release ? kReleaseMs : kRenewMs, [this, release, commandLine] {
    std::lock_guard<std::mutex> lock(mutex_);
    addressesReleased_ = release;
    actions_.push_back(commandLine);
  });
  return true;
}

SimNetConnections::Apartment& SimNetConnections::ThisApartment() {
  return apartments_[std::this_thread::get_id()];
}

bool SimNetConnections::ComInitialize(bool multithreaded) {
  std::lock_guard<std::mutex> lock(mutex_);
  Apartment& a = ThisApartment();
  if (a.depth > 0 && a.multithreaded != multithreaded) return false;  // RPC_E_CHANGED_MODE
  a.multithreaded = multithreaded;
  ++a.depth;
  return true;
}

void SimNetConnections::ComUninitialize() {
  std::lock_guard<std::mutex> lock(mutex_);
  Apartment& a = ThisApartment();
  if (a.depth > 0) --a.depth;
}

bool SimNetConnections::ComInitializeSecurity() {
  std::lock_guard<std::mutex> lock(mutex_);
  ++securityCalls_;
  if (ThisApartment().depth == 0 || securityDone_) return false;  // RPC_E_TOO_LATE the second time
  securityDone_ = true;
  return true;
}

bool SimNetConnections::WmiConnect(const std::string& nameSpace) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!wmiAvailable_ || ThisApartment().depth == 0) return false;
  if (!SameIgnoringAsciiCase(nameSpace, "root\\cimv2")) return false;
  if (slotOwner_ && *slotOwner_ != std::this_thread::get_id()) ++slotClashes_;
  slotOwner_ = std::this_thread::get_id();
  enumerator_ = false;
  return true;
}

bool SimNetConnections::WmiExecQuery(const std::string& wql) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!slotOwner_) return false;
  auto name = AdapterNameOfQuery(wql);
  if (!name) return false;
  results_.clear();
  nextResult_ = 0;
  for (auto& c : connections_)
    if (SameIgnoringAsciiCase(c.name, *name)) results_.push_back(c.status);
  enumerator_ = true;
  return true;
}

bool SimNetConnections::WmiNextInteger(const std::string& property, int32_t* value) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!enumerator_ || nextResult_ >= results_.size()) return false;
  const int32_t status = results_[nextResult_++];
  *value = SameIgnoringAsciiCase(property, "NetConnectionStatus") ? status : 0;
  return true;
}

void SimNetConnections::WmiRelease() {
  std::lock_guard<std::mutex> lock(mutex_);
  slotOwner_.reset();
  enumerator_ = false;
  results_.clear();
}

bool SimNetConnections::VisitShellConnections(
    const std::function<ShellAction(const ShellConnection&)>& visit) {
  std::vector<ShellConnection> listed;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!shellAvailable_ || ThisApartment().depth == 0) return false;
    for (auto& c : connections_) listed.push_back({c.listedName, c.status});
  }
  // The visitor may pause; the list is walked without holding the lock.
  for (auto& c : listed) {
    ShellAction action = visit(c);
    if (action == ShellAction::Next) continue;
    Act(c.name, action);
    break;
  }
  return true;
}

void SimNetConnections::Act(const std::string& listedName, ShellAction action) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (auto& c : connections_) {
    if (c.listedName != listedName) continue;
    if (action == ShellAction::ConnectAndStop) {
      c.status = c.statusWhenEnabled;
      actions_.push_back("enable " + listedName);
    } else if (action == ShellAction::DisconnectAndStop) {
      c.status = 0;
      actions_.push_back("disable " + listedName);
    }
    return;
  }
}

}  // namespace rv::sim
