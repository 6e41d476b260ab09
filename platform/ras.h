#pragma once
// The Remote Access Service seam. Records travel as the byte layouts that
// vpn/ builds; a backend only passes them on (Win32) or reads them (sim).
#include <cstdint>
#include <functional>
#include <string>

namespace rv {

using RasHandle = uint64_t;

// RasDialFunc: message code, connection state, error code.
using RasNotifier = std::function<void(uint32_t msg, uint32_t state, uint32_t error)>;

constexpr uint32_t kRasErrorBufferTooSmall = 603;

class RasApi {
 public:
  virtual ~RasApi() = default;
  // phonebook and entry are GBK bytes, as the A calls take them.
  virtual uint32_t SetEntryProperties(const std::string& phonebook, const std::string& entry,
                                      const uint8_t* record, uint32_t size) = 0;
  virtual uint32_t SetCredentials(const std::string& phonebook, const std::string& entry,
                                  const uint8_t* record, bool clear) = 0;
  // params: the 1,052-byte dial parameters. The notifier may run on any thread.
  virtual uint32_t Dial(const std::string& phonebook, const uint8_t* params, uint32_t size,
                        RasNotifier notifier, RasHandle* handle) = 0;
  virtual uint32_t GetErrorString(uint32_t code, char* buffer, uint32_t size) = 0;
  // buffer holds connection records; *bytes is its size in, the needed size out.
  virtual uint32_t EnumConnections(uint8_t* buffer, uint32_t* bytes, uint32_t* count) = 0;
  virtual uint32_t HangUp(RasHandle handle) = 0;
  // phonebook empty = the user's default phonebooks. Records of 264 bytes.
  virtual uint32_t EnumEntries(const std::string& phonebook, uint8_t* buffer, uint32_t* bytes,
                               uint32_t* count) = 0;
};

}  // namespace rv
