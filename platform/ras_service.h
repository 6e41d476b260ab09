#pragma once
// What every stand-in for the Remote Access Service answers alike: the
// service's error codes and their messages, and the way it fills the
// caller's buffers of connection and entry-name records. Shared by the
// simulated service of the host tests and the sandbox client of the program.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ras.h"
#include "vpn/ras_records.h"

namespace rv::ras_service {

// Error codes of the service that the stand-ins answer with.
inline constexpr uint32_t kErrorInvalidHandle = 6;
inline constexpr uint32_t kErrorInvalidParameter = 87;
inline constexpr uint32_t kErrorInsufficientBuffer = 122;
inline constexpr uint32_t kErrorInvalidName = 123;
inline constexpr uint32_t kErrorCannotOpenPhonebook = 621;
inline constexpr uint32_t kErrorCannotFindEntry = 623;
inline constexpr uint32_t kErrorUserDisconnection = 631;
inline constexpr uint32_t kErrorInvalidSize = 632;
inline constexpr uint32_t kErrorAuthenticationFailure = 691;
inline constexpr uint32_t kErrorServiceUnavailable = 711;
inline constexpr uint32_t kErrorDialAlreadyInProgress = 756;
inline constexpr uint32_t kErrorVpnUnreachable = 800;
inline constexpr uint32_t kErrorNameNotResolved = 868;

// Connection states of the progress reports.
inline constexpr uint32_t kStateConnected = 8192;
inline constexpr uint32_t kStateDisconnected = 8193;
// The message code the notifier receives with every report.
inline constexpr uint32_t kDialEventMessage = 0xCCCD;

// The service's message for a code, as UTF-8 (empty when it has none).
std::string ErrorText(uint32_t code);
// RasGetErrorString: the message as GBK with its zero into `buffer`.
uint32_t CopyErrorString(uint32_t code, char* buffer, uint32_t size);

// RasEnumConnections: the record layout is the one the caller's dwSize
// names; too small a buffer answers 603 with the size needed.
uint32_t FillConnections(const std::vector<ras::ConnectionView>& listed, uint8_t* buffer,
                         uint32_t* bytes, uint32_t* count);
// RasEnumEntries: entry names (GBK) into 264-byte records.
uint32_t FillEntryNames(const std::vector<std::string>& gbkNames, uint8_t* buffer, uint32_t* bytes,
                        uint32_t* count);

// The record checks of RasSetEntryProperties, RasSetCredentials and RasDial.
uint32_t CheckEntryRecord(const std::string& entry, const uint8_t* record, uint32_t size);
bool CredentialsRecordValid(const uint8_t* record);
bool DialParamsValid(const uint8_t* params, uint32_t size);

// What the service keeps for one entry; texts in UTF-8.
struct StoredEntry {
  std::string phonebook, name, server, deviceType, deviceName;
  uint32_t vpnStrategy = 0;
  ras::Record record;  // the bytes as written
  int writes = 0;
};

struct StoredCredentials {
  std::string userName, password, domain;
  bool hasDomain = false;
};

// The phonebook files as the service keeps them, by path ("" = the user's
// default phonebook) and GBK entry name. Not locked: its owner locks.
class PhonebookStore {
 public:
  // RasSetEntryProperties and RasSetCredentials, with their checks and codes.
  uint32_t SetEntry(const std::string& phonebook, const std::string& gbkEntry, const uint8_t* record,
                    uint32_t size);
  uint32_t SetCredentials(const std::string& phonebook, const std::string& gbkEntry,
                          const uint8_t* record, bool clear);
  // An entry without a record (one some other program made).
  void AddBare(const std::string& phonebook, const std::string& gbkEntry);
  void Remove(const std::string& phonebook, const std::string& gbkEntry);

  bool HasPhonebook(const std::string& phonebook) const;
  const StoredEntry* Find(const std::string& phonebook, const std::string& gbkEntry) const;
  std::optional<StoredCredentials> Credentials(const std::string& phonebook,
                                               const std::string& gbkEntry) const;
  std::vector<std::string> Names(const std::string& phonebook) const;  // GBK, in order

 private:
  struct Slot {
    StoredEntry entry;
    std::optional<StoredCredentials> credentials;
  };
  const Slot* FindSlot(const std::string& phonebook, const std::string& gbkEntry) const;
  std::map<std::string, std::map<std::string, Slot>> books_;
};

}  // namespace rv::ras_service
