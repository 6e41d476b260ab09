#pragma once
// What every stand-in for the Remote Access Service answers alike: the
// service's error codes and their messages, and the way it fills the
// caller's buffers of connection and entry-name records. Shared by the
// simulated service of the host tests and the sandbox client of the program.
#include <cstdint>
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
inline constexpr uint32_t kErrorInvalidSize = 632;
inline constexpr uint32_t kErrorAuthenticationFailure = 691;
inline constexpr uint32_t kErrorServiceUnavailable = 711;
inline constexpr uint32_t kErrorDialAlreadyInProgress = 756;
inline constexpr uint32_t kErrorVpnUnreachable = 800;

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

}  // namespace rv::ras_service
