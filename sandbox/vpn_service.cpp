#include "sandbox/vpn_service.h"

#include <algorithm>
#include <chrono>

#include "platform/ras_service.h"

namespace rv::sandbox {

namespace {

constexpr uint32_t kStateOpenPort = 0, kStateConnectDevice = 2, kStateAuthenticate = 5;
using ras_service::kErrorAuthenticationFailure, ras_service::kErrorDialAlreadyInProgress,
    ras_service::kErrorInvalidHandle, ras_service::kErrorNameNotResolved, ras_service::kErrorUserDisconnection,
    ras_service::kErrorVpnUnreachable, ras_service::kStateConnected;
// The states of a tunnel that comes up, in the service's order.
constexpr uint32_t kConnectingStates[] = {0, 1, 2, 3, 4, 5, 6, 10, 14, 18, kStateConnected};
// Ended connections kept for inspection; older ones are forgotten.
constexpr size_t kMaxKeptConnections = 2000;

const char* const kRegions[] = {"江苏省南京市 电信", "广东省深圳市 联通", "浙江省杭州市 电信",
                                "四川省成都市 移动", "湖北省武汉市 电信", "山东省济南市 联通",
                                "福建省厦门市 电信", "陕西省西安市 移动"};

// Addresses of the documentation ranges: they can never be anyone's.
std::vector<PublicAddress> BuiltInPool() {
  std::vector<PublicAddress> pool;
  int k = 0;
  for (const char* net : {"203.0.113.", "198.51.100."})
    for (int host = 1; host <= 254; ++host, ++k)
      pool.push_back({net + std::to_string(host), kRegions[k % std::size(kRegions)]});
  return pool;
}

std::vector<std::pair<int64_t, DialEvent>> Reports(const std::vector<DialEvent>& events, int64_t from,
                                                   int64_t stepMs) {
  std::vector<std::pair<int64_t, DialEvent>> out;
  for (size_t i = 0; i < events.size(); ++i)
    out.push_back({from + stepMs * static_cast<int64_t>(i + 1), events[i]});
  return out;
}

// The states before `failing`, then `failing` reported with `error`.
std::vector<DialEvent> FailsAt(uint32_t failing, uint32_t error) {
  std::vector<DialEvent> out;
  for (uint32_t s : kConnectingStates)
    if (s < failing) out.push_back({s, 0});
  out.push_back({failing, error});
  return out;
}

std::vector<DialEvent> StatesUpTo(uint32_t last) {
  std::vector<DialEvent> out;
  for (uint32_t s : kConnectingStates)
    if (s <= last) out.push_back({s, 0});
  return out;
}

}  // namespace

const char* LinkStatusName(LinkStatus status) {
  switch (status) {
    case LinkStatus::Dialing: return "dialing";
    case LinkStatus::Connected: return "connected";
    case LinkStatus::Failed: return "failed";
    case LinkStatus::Dropped: return "dropped";
    case LinkStatus::HungUp: return "hung-up";
  }
  return "?";
}

VpnService::VpnService()
    : startNs_(std::chrono::duration_cast<std::chrono::nanoseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
                   .count()),
      pool_(BuiltInPool()),
      home_{"192.0.2.10", "沙盒市 本地宽带"},
      random_(std::random_device{}()) {
  servers_["*"] = ServerBehaviour{};
}

int64_t VpnService::NowLocked() {
  const int64_t ns = std::chrono::duration_cast<std::chrono::nanoseconds>(
                         std::chrono::steady_clock::now().time_since_epoch())
                         .count();
  return (ns - startNs_) / 1000000;
}

int64_t VpnService::NowMs() {
  std::lock_guard<std::mutex> lock(mutex_);
  return NowLocked();
}

void VpnService::SetServer(const std::string& host, ServerBehaviour behaviour) {
  std::lock_guard<std::mutex> lock(mutex_);
  servers_[host] = behaviour;
}

void VpnService::AddAccount(const std::string& user, const std::string& password) {
  std::lock_guard<std::mutex> lock(mutex_);
  accounts_.emplace_back(user, password);
}

void VpnService::ClearAccounts() {
  std::lock_guard<std::mutex> lock(mutex_);
  accounts_.clear();
}

void VpnService::AddPoolAddress(PublicAddress address) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (builtInPool_) {
    pool_.clear();
    nextPool_ = 0;
    builtInPool_ = false;
  }
  pool_.push_back(std::move(address));
}

void VpnService::SetRepeatEvery(int n) {
  std::lock_guard<std::mutex> lock(mutex_);
  repeatEvery_ = std::max(0, n);
}

void VpnService::SetHome(PublicAddress home) {
  std::lock_guard<std::mutex> lock(mutex_);
  home_ = std::move(home);
}

void VpnService::SetToolDelay(int64_t ms) {
  std::lock_guard<std::mutex> lock(mutex_);
  toolDelayMs_ = std::max<int64_t>(0, ms);
}

void VpnService::AddDefaultEntry(const std::string& name) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (std::find(defaultEntries_.begin(), defaultEntries_.end(), name) == defaultEntries_.end())
    defaultEntries_.push_back(name);
}

void VpnService::Seed(uint32_t seed) {
  std::lock_guard<std::mutex> lock(mutex_);
  random_.seed(seed);
}

const ServerBehaviour& VpnService::BehaviourLocked(const std::string& server) const {
  // An SSTP address may carry its port ("host:4430"); the host decides.
  auto it = servers_.find(server);
  if (it == servers_.end()) it = servers_.find(server.substr(0, server.find(':')));
  if (it == servers_.end()) it = servers_.find("*");
  return it->second;
}

bool VpnService::AccountTakenLocked(const std::string& user, const std::string& password) const {
  if (accounts_.empty()) return true;
  for (const auto& [u, p] : accounts_)
    if (u == user && p == password) return true;
  return false;
}

VpnService::Conn* VpnService::FindLocked(uint64_t handle) {
  for (Conn& c : conns_)
    if (c.record.handle == handle) return &c;
  return nullptr;
}

VpnService::DialAnswer VpnService::Dial(const std::string& entry, const std::string& server,
                                        const std::string& user, const std::string& password,
                                        int protocol) {
  std::lock_guard<std::mutex> lock(mutex_);
  const int64_t now = NowLocked();
  AdvanceLocked(now);
  for (Conn& c : conns_) {
    if (c.record.entry != entry) continue;
    if (c.record.status == LinkStatus::Dialing) return {0, kErrorDialAlreadyInProgress, 0};
    if (c.record.status == LinkStatus::Connected) {
      // Dialing a connected entry hands back its connection, reported connected.
      const size_t first = c.events.size();
      c.events.push_back({now + 10, DialEvent{kStateConnected, 0}});
      changed_.notify_all();
      return {c.record.handle, 0, first};
    }
  }

  Conn c;
  c.record.handle = nextHandle_ += 0x10;
  c.record.entry = entry;
  c.record.server = server;
  c.record.user = user;
  c.record.protocol = protocol;
  c.record.dialMs = now;
  const ServerBehaviour& b = BehaviourLocked(server);
  const int64_t first = now + b.delayMs;
  uint32_t refused = 0;
  if (released_) {
    c.events = Reports(FailsAt(kStateOpenPort, kErrorNameNotResolved), first, b.stepMs);
  } else {
    switch (b.answer) {
      case ServerAnswer::Accept:
        c.events = AccountTakenLocked(user, password)
                       ? Reports(StatesUpTo(kStateConnected), first, b.stepMs)
                       : Reports(FailsAt(kStateAuthenticate, kErrorAuthenticationFailure), first, b.stepMs);
        break;
      case ServerAnswer::Reject:
        c.events = Reports(FailsAt(kStateAuthenticate, b.error ? b.error : kErrorAuthenticationFailure),
                           first, b.stepMs);
        break;
      case ServerAnswer::Silent:
        c.events = Reports(StatesUpTo(kStateConnectDevice), first, b.stepMs);
        break;
      case ServerAnswer::Refuse:
        refused = b.error ? b.error : kErrorVpnUnreachable;
        break;
    }
  }
  if (b.dropMinMs >= 0 && b.dropMaxMs >= b.dropMinMs)
    c.dropAfterMs = std::uniform_int_distribution<int64_t>(b.dropMinMs, b.dropMaxMs)(random_);
  else
    c.dropAfterMs = b.dropAfterMs;
  if (refused) {
    // The port stays taken until the caller hangs the handle up.
    c.record.status = LinkStatus::Failed;
    c.record.error = refused;
  }
  const uint64_t handle = c.record.handle;
  conns_.push_back(std::move(c));
  if (conns_.size() > kMaxKeptConnections) {
    auto old = std::find_if(conns_.begin(), conns_.end(), [](const Conn& k) {
      return k.record.status == LinkStatus::HungUp;
    });
    if (old != conns_.end()) conns_.erase(old);
  }
  changed_.notify_all();
  return {handle, refused, 0};
}

int64_t VpnService::NextDueLocked() const {
  int64_t next = INT64_MAX;
  for (const Pending& p : pending_) next = std::min(next, p.dueMs);
  for (const Conn& c : conns_) {
    const bool live = c.record.status == LinkStatus::Dialing || c.record.status == LinkStatus::Connected;
    if (live && c.happened < c.events.size()) next = std::min(next, c.events[c.happened].first);
    if (c.record.status == LinkStatus::Connected && c.dropAt >= 0) next = std::min(next, c.dropAt);
  }
  return next;
}

// Applies everything due by `now`, earliest first, so that a tool action and
// a dial report keep the order of their times.
void VpnService::AdvanceLocked(int64_t now) {
  for (;;) {
    int64_t best = INT64_MAX;
    enum class Kind { None, Tool, Report, Drop } kind = Kind::None;
    size_t index = 0;
    for (size_t i = 0; i < pending_.size(); ++i)
      if (pending_[i].dueMs < best) best = pending_[i].dueMs, kind = Kind::Tool, index = i;
    for (size_t i = 0; i < conns_.size(); ++i) {
      const Conn& c = conns_[i];
      const bool live = c.record.status == LinkStatus::Dialing || c.record.status == LinkStatus::Connected;
      if (live && c.happened < c.events.size() && c.events[c.happened].first < best)
        best = c.events[c.happened].first, kind = Kind::Report, index = i;
      if (c.record.status == LinkStatus::Connected && c.dropAt >= 0 && c.dropAt < best)
        best = c.dropAt, kind = Kind::Drop, index = i;
    }
    if (kind == Kind::None || best > now) return;
    if (kind == Kind::Tool) {
      std::string command = pending_[index].command;
      pending_.erase(pending_.begin() + static_cast<long>(index));
      ActLocked(command, best);
    } else if (kind == Kind::Drop) {
      EndLocked(conns_[index], LinkStatus::Dropped, best);
    } else {
      Conn& c = conns_[index];
      const DialEvent e = c.events[c.happened++].second;
      if (e.error) {
        c.record.error = e.error;
        EndLocked(c, LinkStatus::Failed, best);
      } else if (e.state == kStateConnected && c.record.status == LinkStatus::Dialing) {
        ConnectLocked(c, best);
      }
    }
    changed_.notify_all();
  }
}

void VpnService::ConnectLocked(Conn& c, int64_t at) {
  c.record.status = LinkStatus::Connected;
  c.record.connectedMs = at;
  c.record.assigned = NextAddressLocked();
  if (c.dropAfterMs >= 0) c.dropAt = at + c.dropAfterMs;
}

void VpnService::EndLocked(Conn& c, LinkStatus status, int64_t at) {
  c.record.status = status;
  c.record.endedMs = at;
  c.dropAt = -1;
  changed_.notify_all();
}

void VpnService::CutDialLocked(Conn& c, int64_t at) {
  // The dialer hears of it as a dial hung up by the user, at the state it had
  // reached; the reports still to come never come.
  const uint32_t state = c.happened ? c.events[c.happened - 1].second.state : 0;
  c.events.resize(c.happened);
  c.events.push_back({at, {state, kErrorUserDisconnection}});
  c.happened = c.events.size();
  c.record.error = kErrorUserDisconnection;
  EndLocked(c, LinkStatus::HungUp, at);
}

PublicAddress VpnService::NextAddressLocked() {
  ++connects_;
  if (repeatEvery_ > 0 && connects_ % repeatEvery_ == 0 && lastAssigned_) return *lastAssigned_;
  PublicAddress a = pool_.empty() ? home_ : pool_[nextPool_++ % pool_.size()];
  lastAssigned_ = a;
  return a;
}

std::optional<std::vector<DialEvent>> VpnService::Events(uint64_t handle, size_t after,
                                                         int64_t waitMs, bool* more) {
  std::unique_lock<std::mutex> lock(mutex_);
  const int64_t deadline = NowLocked() + std::max<int64_t>(0, waitMs);
  for (;;) {
    const int64_t now = NowLocked();
    AdvanceLocked(now);
    Conn* c = FindLocked(handle);
    if (!c) return std::nullopt;
    std::vector<DialEvent> out;
    for (size_t i = after; i < c->happened; ++i) out.push_back(c->events[i].second);
    // A connected link reports again only when its entry is dialed once more.
    *more = c->record.status == LinkStatus::Dialing || c->happened < c->events.size();
    if (c->record.status != LinkStatus::Dialing && c->record.status != LinkStatus::Connected)
      *more = false;
    if (!out.empty() || !*more || now >= deadline) return out;
    const int64_t wake = std::min(deadline, NextDueLocked());
    changed_.wait_for(lock, std::chrono::milliseconds(std::max<int64_t>(1, wake - now)));
  }
}

std::vector<std::pair<uint64_t, std::string>> VpnService::Listed() {
  std::lock_guard<std::mutex> lock(mutex_);
  AdvanceLocked(NowLocked());
  std::vector<std::pair<uint64_t, std::string>> out;
  for (const Conn& c : conns_)
    if (c.record.status == LinkStatus::Dialing || c.record.status == LinkStatus::Connected)
      out.emplace_back(c.record.handle, c.record.entry);
  return out;
}

uint32_t VpnService::HangUp(uint64_t handle) {
  std::lock_guard<std::mutex> lock(mutex_);
  const int64_t now = NowLocked();
  AdvanceLocked(now);
  Conn* c = FindLocked(handle);
  if (!c || c->record.status == LinkStatus::HungUp) return kErrorInvalidHandle;
  EndLocked(*c, LinkStatus::HungUp, now);
  return 0;
}

std::vector<std::string> VpnService::DefaultEntries() {
  std::lock_guard<std::mutex> lock(mutex_);
  AdvanceLocked(NowLocked());
  return defaultEntries_;
}

bool VpnService::RunTool(const std::string& commandLine) {
  static const char* const kKnown[] = {"rasphone -h ", "rasphone -r "};
  bool known = commandLine == "ipconfig /release" || commandLine == "ipconfig /renew";
  for (const char* prefix : kKnown) known = known || commandLine.rfind(prefix, 0) == 0;
  if (!known) return false;
  std::lock_guard<std::mutex> lock(mutex_);
  const int64_t now = NowLocked();
  AdvanceLocked(now);
  tools_.push_back({now, commandLine});
  pending_.push_back({now + toolDelayMs_, commandLine});
  changed_.notify_all();
  return true;
}

void VpnService::ActLocked(const std::string& command, int64_t at) {
  static const std::string kHangUp = "rasphone -h ", kRemove = "rasphone -r ";
  if (command.rfind(kHangUp, 0) == 0) {
    // The tool takes the rest of the line as the entry name, as it was typed.
    const std::string name = command.substr(kHangUp.size());
    for (Conn& c : conns_) {
      if (c.record.entry != name) continue;
      if (c.record.status == LinkStatus::Dialing) CutDialLocked(c, at);
      if (c.record.status == LinkStatus::Connected) EndLocked(c, LinkStatus::HungUp, at);
    }
  } else if (command.rfind(kRemove, 0) == 0) {
    const std::string name = command.substr(kRemove.size());
    std::erase(defaultEntries_, name);
  } else if (command == "ipconfig /release") {
    // Without addresses on the local adapters no tunnel survives.
    released_ = true;
    for (Conn& c : conns_)
      if (c.record.status == LinkStatus::Connected) EndLocked(c, LinkStatus::Dropped, at);
  } else if (command == "ipconfig /renew") {
    released_ = false;
  }
}

int VpnService::Drop(uint64_t handle) {
  std::lock_guard<std::mutex> lock(mutex_);
  const int64_t now = NowLocked();
  AdvanceLocked(now);
  Conn* c = FindLocked(handle);
  if (!c || c->record.status != LinkStatus::Connected) return 0;
  EndLocked(*c, LinkStatus::Dropped, now);
  return 1;
}

int VpnService::DropEntry(const std::string& entry) {
  std::lock_guard<std::mutex> lock(mutex_);
  const int64_t now = NowLocked();
  AdvanceLocked(now);
  int n = 0;
  for (Conn& c : conns_)
    if (c.record.status == LinkStatus::Connected && (entry.empty() || c.record.entry == entry)) {
      EndLocked(c, LinkStatus::Dropped, now);
      ++n;
    }
  return n;
}

int VpnService::DropAll() { return DropEntry(""); }

PublicAddress VpnService::CurrentAddress() {
  std::lock_guard<std::mutex> lock(mutex_);
  AdvanceLocked(NowLocked());
  const Conn* newest = nullptr;
  for (const Conn& c : conns_)
    if (c.record.status == LinkStatus::Connected &&
        (!newest || c.record.connectedMs >= newest->record.connectedMs))
      newest = &c;
  return newest ? newest->record.assigned : home_;
}

std::vector<ConnectionRecord> VpnService::Connections() {
  std::lock_guard<std::mutex> lock(mutex_);
  AdvanceLocked(NowLocked());
  std::vector<ConnectionRecord> out;
  for (const Conn& c : conns_) out.push_back(c.record);
  return out;
}

std::vector<ToolCommand> VpnService::ToolCommands() {
  std::lock_guard<std::mutex> lock(mutex_);
  return tools_;
}

bool VpnService::NetworkReleased() {
  std::lock_guard<std::mutex> lock(mutex_);
  AdvanceLocked(NowLocked());
  return released_;
}

bool VpnService::WaitFor(const std::function<bool(const std::vector<ConnectionRecord>&)>& done,
                         int64_t timeoutMs) {
  std::unique_lock<std::mutex> lock(mutex_);
  const int64_t deadline = NowLocked() + timeoutMs;
  for (;;) {
    const int64_t now = NowLocked();
    AdvanceLocked(now);
    std::vector<ConnectionRecord> records;
    for (const Conn& c : conns_) records.push_back(c.record);
    if (done(records)) return true;
    if (now >= deadline) return false;
    const int64_t wake = std::min(deadline, NextDueLocked());
    changed_.wait_for(lock, std::chrono::milliseconds(std::max<int64_t>(1, wake - now)));
  }
}

}  // namespace rv::sandbox
