#pragma once
// The Remote Access Service of the program's sandbox mode: the program's
// records are kept and read here as the service would keep them (private
// phonebooks with their credentials), and the dial, the connection list and
// the hang-ups go to the sandbox provider's VPN service over HTTP. The
// dial's reports are fetched on a worker of their own and handed to the
// notifier in the service's order, as the real service calls its notifier
// from a thread of its own. Codes and messages are those of the service.
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/http.h"
#include "platform/ras.h"
#include "platform/ras_service.h"
#include "platform/runtime.h"
#include "platform/sandbox/sandbox_wire.h"

namespace rv {

class SandboxRas final : public RasApi {
 public:
  // Time limits of one request to the provider and of one wait for reports.
  static constexpr int kRequestMs = 3000;
  static constexpr int kReportWaitMs = 2000;
  // Unanswered report fetches in a row after which the dial is given up
  // with the service's "VPN server unreachable" error.
  static constexpr int kMaxLostFetches = 5;

  // provider: "http://127.0.0.1:PORT".
  SandboxRas(HttpApi& http, Runtime& runtime, std::string provider);
  // Waits for the report workers to see that they are no longer wanted.
  ~SandboxRas() override;

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

  // What the program wrote (texts UTF-8), for tests.
  std::optional<ras_service::StoredEntry> Entry(const std::string& name, const std::string& phonebook);
  std::optional<ras_service::StoredCredentials> Credentials(const std::string& name,
                                                            const std::string& phonebook);

 private:
  std::optional<std::vector<sandbox_wire::Words>> Ask(const std::string& path,
                                                      const sandbox_wire::Params& params,
                                                      int timeoutMs);
  void DeliverReports(RasHandle handle, uint64_t first, RasNotifier notifier);
  bool Ended(RasHandle handle);

  HttpApi& http_;
  Runtime& runtime_;
  const std::string provider_;
  std::mutex mutex_;
  ras_service::PhonebookStore phonebooks_;
  std::set<RasHandle> hungUp_;  // handles whose reports are no longer wanted
  std::condition_variable idle_;
  int deliverers_ = 0;
  bool closing_ = false;
};

}  // namespace rv
