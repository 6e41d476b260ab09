#pragma once
// The Remote Access Service of Windows: the records built by vpn/ pass
// through to the real A calls unchanged.
#include "platform/ras.h"

namespace rv::win32 {

class RasWin32 final : public RasApi {
 public:
  uint32_t SetEntryProperties(const std::string& phonebook, const std::string& entry,
                              const uint8_t* record, uint32_t size) override;
  uint32_t SetCredentials(const std::string& phonebook, const std::string& entry,
                          const uint8_t* record, bool clear) override;
  // The notifier is a plain RasDialFunc, which carries no context: the
  // trampoline reaches the notifier of the latest dial (one dial at a time).
  uint32_t Dial(const std::string& phonebook, const uint8_t* params, uint32_t size,
                RasNotifier notifier, RasHandle* handle) override;
  uint32_t GetErrorString(uint32_t code, char* buffer, uint32_t size) override;
  uint32_t EnumConnections(uint8_t* buffer, uint32_t* bytes, uint32_t* count) override;
  uint32_t HangUp(RasHandle handle) override;
  uint32_t EnumEntries(const std::string& phonebook, uint8_t* buffer, uint32_t* bytes,
                       uint32_t* count) override;
};

}  // namespace rv::win32
