#include "platform/sandbox/sandbox_ras.h"

#include "platform/codepage.h"

namespace rv {

namespace {

using namespace ras_service;
using sandbox_wire::Words;

constexpr const char* kVpnDevice = "WAN 微型端口 (PPTP)";

bool Number(const Words& line, size_t index, uint64_t* value) {
  return index < line.size() && sandbox_wire::ParseNumber(line[index], value);
}

}  // namespace

SandboxRas::SandboxRas(HttpApi& http, Runtime& runtime, std::string provider)
    : http_(http), runtime_(runtime), provider_(std::move(provider)) {}

SandboxRas::~SandboxRas() {
  std::unique_lock<std::mutex> lock(mutex_);
  closing_ = true;
  idle_.wait(lock, [this] { return deliverers_ == 0; });
}

std::optional<std::vector<Words>> SandboxRas::Ask(const std::string& path,
                                                  const sandbox_wire::Params& params, int timeoutMs) {
  return sandbox_wire::ParseReply(http_.Get(sandbox_wire::Url(provider_, path, params), {}, timeoutMs));
}

uint32_t SandboxRas::SetEntryProperties(const std::string& phonebook, const std::string& entry,
                                        const uint8_t* record, uint32_t size) {
  std::lock_guard<std::mutex> lock(mutex_);
  return phonebooks_.SetEntry(phonebook, entry, record, size);
}

uint32_t SandboxRas::SetCredentials(const std::string& phonebook, const std::string& entry,
                                    const uint8_t* record, bool clear) {
  std::lock_guard<std::mutex> lock(mutex_);
  return phonebooks_.SetCredentials(phonebook, entry, record, clear);
}

uint32_t SandboxRas::Dial(const std::string& phonebook, const uint8_t* params, uint32_t size,
                          RasNotifier notifier, RasHandle* handle) {
  if (!handle) return kErrorInvalidParameter;
  *handle = 0;
  if (!DialParamsValid(params, size)) return kErrorInvalidSize;
  ras::DialParamsView p = ras::ReadDialParams(params);
  std::string server, user = GbkBytesToUtf8(p.userName), password = GbkBytesToUtf8(p.password);
  uint32_t protocol = 0;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!phonebooks_.HasPhonebook(phonebook)) return kErrorCannotOpenPhonebook;
    const StoredEntry* entry = phonebooks_.Find(phonebook, p.entryName);
    if (!entry) return kErrorCannotFindEntry;
    server = entry->server;
    protocol = entry->vpnStrategy;
    // Without an account in the parameters the stored credentials are used.
    if (user.empty() && password.empty())
      if (auto stored = phonebooks_.Credentials(phonebook, p.entryName)) {
        user = stored->userName;
        password = stored->password;
      }
  }
  auto reply = Ask("/ras/dial",
                   {{"entry", GbkBytesToUtf8(p.entryName)},
                    {"server", server},
                    {"user", user},
                    {"password", password},
                    {"protocol", std::to_string(protocol)}},
                   kRequestMs);
  uint64_t h = 0, result = 0, first = 0;
  if (!reply || reply->empty() || reply->front().empty() || reply->front()[0] != "dial" ||
      !Number(reply->front(), 1, &h) || !Number(reply->front(), 2, &result) ||
      !Number(reply->front(), 3, &first))
    return kErrorServiceUnavailable;
  *handle = h;
  if (result != 0) return static_cast<uint32_t>(result);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    hungUp_.erase(h);
    ++deliverers_;
  }
  runtime_.StartWorker([this, h, first, notifier] {
    DeliverReports(h, first, notifier);
    std::lock_guard<std::mutex> lock(mutex_);
    if (--deliverers_ == 0) idle_.notify_all();
  });
  return 0;
}

bool SandboxRas::Ended(RasHandle handle) {
  std::lock_guard<std::mutex> lock(mutex_);
  return closing_ || hungUp_.count(handle) != 0;
}

// Fetches the dial's reports as they come and hands each to the notifier,
// until the dial reports nothing further or is hung up here.
void SandboxRas::DeliverReports(RasHandle handle, uint64_t first, RasNotifier notifier) {
  uint64_t next = first;
  uint32_t lastState = 0;
  for (int lost = 0;;) {
    if (Ended(handle)) return;
    auto reply = Ask("/ras/events",
                     {{"handle", std::to_string(handle)},
                      {"after", std::to_string(next)},
                      {"wait", std::to_string(kReportWaitMs)}},
                     kReportWaitMs + kRequestMs);
    if (!reply) {
      if (++lost < kMaxLostFetches) {
        runtime_.Pause(200);
        continue;
      }
      // The provider is gone: the dial fails as one to an unreachable server.
      if (!Ended(handle)) notifier(kDialEventMessage, lastState, kErrorVpnUnreachable);
      return;
    }
    lost = 0;
    bool more = false;
    for (const Words& line : *reply) {
      uint64_t state = 0, error = 0;
      if (line.empty()) continue;
      if (line[0] == "unknown") return;
      if (line[0] == "more") more = line.size() > 1 && line[1] == "1";
      if (line[0] != "event" || !Number(line, 1, &state) || !Number(line, 2, &error)) continue;
      if (Ended(handle)) return;
      lastState = static_cast<uint32_t>(state);
      notifier(kDialEventMessage, lastState, static_cast<uint32_t>(error));
      ++next;
    }
    if (!more) return;
  }
}

uint32_t SandboxRas::GetErrorString(uint32_t code, char* buffer, uint32_t size) {
  return CopyErrorString(code, buffer, size);
}

uint32_t SandboxRas::EnumConnections(uint8_t* buffer, uint32_t* bytes, uint32_t* count) {
  auto reply = Ask("/ras/connections", {}, kRequestMs);
  if (!reply) return kErrorServiceUnavailable;
  std::vector<ras::ConnectionView> listed;
  for (const Words& line : *reply) {
    uint64_t h = 0;
    if (line.size() < 3 || line[0] != "connection" || !Number(line, 1, &h)) continue;
    listed.push_back({h, ras::EntryNameBytes(line[2]), ras::kVpnDeviceType, Utf8ToGbkBytes(kVpnDevice)});
  }
  return FillConnections(listed, buffer, bytes, count);
}

uint32_t SandboxRas::HangUp(RasHandle handle) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    hungUp_.insert(handle);
  }
  auto reply = Ask("/ras/hangup", {{"handle", std::to_string(handle)}}, kRequestMs);
  uint64_t code = 0;
  if (!reply || reply->empty() || reply->front().size() < 2 || reply->front()[0] != "result" ||
      !Number(reply->front(), 1, &code))
    return kErrorServiceUnavailable;
  return static_cast<uint32_t>(code);
}

uint32_t SandboxRas::EnumEntries(const std::string& phonebook, uint8_t* buffer, uint32_t* bytes,
                                 uint32_t* count) {
  std::vector<std::string> names;
  if (phonebook.empty()) {
    // The user's default phonebooks are the provider's: the phonebook tool acts there.
    auto reply = Ask("/ras/entries", {}, kRequestMs);
    if (!reply) return kErrorServiceUnavailable;
    for (const Words& line : *reply)
      if (line.size() >= 2 && line[0] == "entry") names.push_back(ras::EntryNameBytes(line[1]));
  } else {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!phonebooks_.HasPhonebook(phonebook)) return kErrorCannotOpenPhonebook;
    names = phonebooks_.Names(phonebook);
  }
  return FillEntryNames(names, buffer, bytes, count);
}

std::optional<StoredEntry> SandboxRas::Entry(const std::string& name, const std::string& phonebook) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (const StoredEntry* e = phonebooks_.Find(phonebook, Utf8ToGbkBytes(name))) return *e;
  return std::nullopt;
}

std::optional<StoredCredentials> SandboxRas::Credentials(const std::string& name,
                                                         const std::string& phonebook) {
  std::lock_guard<std::mutex> lock(mutex_);
  return phonebooks_.Credentials(phonebook, Utf8ToGbkBytes(name));
}

}  // namespace rv
