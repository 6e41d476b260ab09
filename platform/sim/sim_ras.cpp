#include "platform/sim/sim_ras.h"

#include <algorithm>
#include <cstring>

#include "platform/codepage.h"
#include "platform/sim/scheduler.h"
#include "platform/sim/sim_process.h"

namespace rv::sim {

namespace {

struct ErrorTextRow {
  uint32_t code;
  const char* text;
};

// The messages of the codes the scenarios meet, worded as a Chinese system
// words them. Some are longer than a 100-byte buffer, as on the real system.
constexpr ErrorTextRow kErrorTexts[] = {
    {603, "缓冲区太小。"},
    {619, "无法建立到远程计算机的连接，因此用于此连接的端口已关闭。"},
    {621, "系统无法打开电话簿文件。"},
    {623, "系统找不到此连接的电话簿项。"},
    {628, "在连接完成之前，连接已被远程计算机关闭。"},
    {629, "远程计算机关闭了连接。"},
    {632, "结构大小不正确。"},
    {633, "调制解调器(或其他连接设备)已在使用中，或者配置不正确。"},
    {678, "远程计算机没有应答。"},
    {691, "由于在此域上用户名或密码无效，访问被拒绝。"},
    {720, "无法建立到远程计算机的连接。可能需要更改此连接的网络设置。"},
    {721, "远程计算机没有及时响应。"},
    {756, "已在拨此连接。"},
    {800, "无法建立 VPN 连接。VPN 服务器可能无法访问，或者此连接的安全参数配置不正确。"},
    {806, "已在您的计算机与 VPN 服务器之间建立了连接，但无法完成 VPN 连接。最常见的原因是二者之间至少有一个"
          "网络设备(如防火墙或路由器)没有配置为允许通用路由封装(GRE)协议数据包。"},
    {807, "您的计算机与 VPN 服务器之间的网络连接中断。这可能是由 VPN 传输中的问题引起的。"},
    {809, "无法建立您的计算机与 VPN 服务器之间的网络连接，因为远程服务器未响应。"},
    {868, "由于无法解析远程访问服务器的名称，未建立远程连接。"},
};

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

std::string SimRas::ErrorText(uint32_t code) {
  for (const ErrorTextRow& row : kErrorTexts)
    if (row.code == code) return row.text;
  return {};
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
  if (!record || size != ras::kEntrySize || ras::GetU32(record, 0) != ras::kEntrySize)
    return kErrorInvalidSize;
  if (entry.empty() || entry.size() > ras::kMaxEntryNameBytes) return kErrorInvalidName;
  std::lock_guard<std::mutex> lock(mutex_);
  if (entryWriteError_) return entryWriteError_;
  ras::EntryView view = ras::ReadEntryRecord(record);
  StoredEntry& stored = phonebooks_[phonebook][entry];
  SimEntry& e = stored.entry;
  e.phonebook = phonebook;
  e.name = GbkBytesToUtf8(entry);
  e.server = GbkBytesToUtf8(view.phoneNumber);
  e.deviceType = GbkBytesToUtf8(view.deviceType);
  e.deviceName = GbkBytesToUtf8(view.deviceName);
  e.vpnStrategy = view.vpnStrategy;
  e.record.assign(record, record + size);
  ++e.writes;
  return 0;
}

uint32_t SimRas::SetCredentials(const std::string& phonebook, const std::string& entry,
                                const uint8_t* record, bool clear) {
  if (!record || ras::GetU32(record, 0) != ras::kCredentialsSize) return kErrorInvalidSize;
  std::lock_guard<std::mutex> lock(mutex_);
  if (credentialWriteError_) return credentialWriteError_;
  auto book = phonebooks_.find(phonebook);
  if (book == phonebooks_.end()) return kErrorCannotOpenPhonebook;
  auto it = book->second.find(entry);
  if (it == book->second.end()) return kErrorCannotFindEntry;
  std::optional<SimCredentials>& stored = it->second.credentials;
  if (clear) {
    stored.reset();
    return 0;
  }
  ras::CredentialsView view = ras::ReadCredentialsRecord(record);
  SimCredentials c = stored.value_or(SimCredentials{});
  if (view.mask & ras::kMaskUserName) c.userName = GbkBytesToUtf8(view.userName);
  if (view.mask & ras::kMaskPassword) c.password = GbkBytesToUtf8(view.password);
  if (view.mask & ras::kMaskDomain) {
    c.domain = GbkBytesToUtf8(view.domain);
    c.hasDomain = true;
  }
  stored = c;
  return 0;
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
  if (!params || size != ras::kDialParamsSize || ras::GetU32(params, 0) != ras::kDialParamsSize)
    return kErrorInvalidSize;
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

  auto book = phonebooks_.find(phonebook);
  if (book == phonebooks_.end()) return finish(kErrorCannotOpenPhonebook);
  auto entry = book->second.find(p.entryName);
  if (entry == book->second.end()) return finish(kErrorCannotFindEntry);
  record.server = entry->second.entry.server;

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
  for (const DialReport& report : script.reports) {
    sched_.Pause(script.stepMs);
    {
      std::lock_guard<std::mutex> lock(mutex_);
      Conn* c = FindLocked(handle);
      if (!c || !Listed(*c)) return;
      if (report.error || report.state == kStateDisconnected)
        c->status = Status::Failed;
      else if (report.state == kStateConnected)
        c->status = Status::Connected;
    }
    notifier(kDialEventMessage, report.state, report.error);
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
  std::string text = ErrorText(code);
  if (text.empty()) return kErrorInvalidParameter;
  if (!buffer) return kErrorInvalidParameter;
  std::string gbk = Utf8ToGbkBytes(text);
  if (gbk.size() + 1 > size) return kErrorInsufficientBuffer;
  std::memcpy(buffer, gbk.c_str(), gbk.size() + 1);
  return 0;
}

uint32_t SimRas::EnumConnections(uint8_t* buffer, uint32_t* bytes, uint32_t* count) {
  if (!buffer || !bytes || !count || *bytes < 4) return kErrorInvalidParameter;
  const uint32_t recordSize = ras::GetU32(buffer, 0);
  const ras::ConnectionLayout* layout = recordSize == ras::kConnection32.size   ? &ras::kConnection32
                                        : recordSize == ras::kConnection64.size ? &ras::kConnection64
                                                                                : nullptr;
  if (!layout) return kErrorInvalidSize;
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<const Conn*> listed;
  for (const Conn& c : connections_)
    if (Listed(c)) listed.push_back(&c);
  const uint32_t needed = static_cast<uint32_t>(listed.size()) * layout->size;
  *count = static_cast<uint32_t>(listed.size());
  if (*bytes < needed) {
    *bytes = needed;
    return kRasErrorBufferTooSmall;
  }
  for (size_t i = 0; i < listed.size(); ++i)
    ras::WriteConnection(*layout, buffer, static_cast<int>(i),
                         {listed[i]->handle, listed[i]->entry, "vpn", Utf8ToGbkBytes(kVpnDevice)});
  *bytes = needed;
  return 0;
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
  if (!buffer || !bytes || !count || *bytes < 4) return kErrorInvalidParameter;
  if (ras::GetU32(buffer, 0) != ras::kListedNameSize) return kErrorInvalidSize;
  std::lock_guard<std::mutex> lock(mutex_);
  auto book = phonebooks_.find(phonebook);
  if (book == phonebooks_.end() && !phonebook.empty()) return kErrorCannotOpenPhonebook;
  const size_t n = book == phonebooks_.end() ? 0 : book->second.size();
  const uint32_t needed = static_cast<uint32_t>(n) * ras::kListedNameSize;
  *count = static_cast<uint32_t>(n);
  if (*bytes < needed) {
    *bytes = needed;
    return kRasErrorBufferTooSmall;
  }
  int i = 0;
  if (n)
    for (const auto& [name, stored] : book->second) ras::WriteEntryName(buffer, i++, name);
  *bytes = needed;
  return 0;
}

void SimRas::HangUpEntry(const std::string& gbkName) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::erase_if(connections_, [&](const Conn& c) { return c.entry == gbkName; });
}

void SimRas::RemoveDefaultEntry(const std::string& gbkName) {
  std::lock_guard<std::mutex> lock(mutex_);
  phonebooks_[""].erase(gbkName);
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
  SimEntry e;
  e.name = name;
  e.deviceType = "vpn";
  phonebooks_[""][Utf8ToGbkBytes(name)].entry = e;
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

SimRas::StoredEntry* SimRas::FindEntryLocked(const std::string& name, const std::string& phonebook) {
  auto book = phonebooks_.find(phonebook);
  if (book == phonebooks_.end()) return nullptr;
  auto it = book->second.find(Utf8ToGbkBytes(name));
  return it == book->second.end() ? nullptr : &it->second;
}

std::optional<SimEntry> SimRas::Entry(const std::string& name, const std::string& phonebook) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (StoredEntry* stored = FindEntryLocked(name, phonebook)) return stored->entry;
  return std::nullopt;
}

std::optional<SimCredentials> SimRas::Credentials(const std::string& name,
                                                  const std::string& phonebook) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (StoredEntry* stored = FindEntryLocked(name, phonebook)) return stored->credentials;
  return std::nullopt;
}

std::vector<std::string> SimRas::DefaultEntries() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::string> out;
  for (const auto& [name, stored] : phonebooks_[""]) out.push_back(GbkBytesToUtf8(name));
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
