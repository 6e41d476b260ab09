#pragma once
// The records the Remote Access Service takes and returns, built and read as
// byte layouts by the program's own code. Texts arrive as UTF-8 and sit in the
// record as GBK, zero-terminated; a text longer than its field is cut at a GBK
// character boundary so that the field always keeps its terminating zero.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ras.h"

namespace rv::ras {

using Record = std::vector<uint8_t>;

// Entry properties (the 2,884-byte layout).
inline constexpr uint32_t kEntrySize = 2884;
inline constexpr uint32_t kEntryOptions = 0x3D0D0210;
inline constexpr uint32_t kEntryOptions2 = 0x6F;
inline constexpr const char* kVpnDeviceType = "vpn";
inline constexpr const char* kVpnDeviceName = "WAN 微型端口 (L2TP)";
namespace entry {
inline constexpr size_t kSize = 0, kOptions = 4, kCountryId = 8, kCountryCode = 12, kAreaCode = 16,
                        kLocalPhoneNumber = 27, kNetProtocols = 184, kFramingProtocol = 188,
                        kDeviceType = 972, kDeviceName = 989, kDialMode = 1772,
                        kDialExtraPercent = 1776, kDialExtraSampleSeconds = 1780,
                        kHangUpExtraPercent = 1784, kHangUpExtraSampleSeconds = 1788, kType = 1796,
                        kEncryptionType = 1800, kVpnStrategy = 2084, kOptions2 = 2088,
                        kOptions3 = 2092, kRedialCount = 2876, kRedialPause = 2880;
inline constexpr size_t kAreaCodeLen = 11, kPhoneNumberLen = 129, kDeviceTypeLen = 17,
                        kDeviceNameLen = 129;
}  // namespace entry

// Stored credentials (540 bytes).
inline constexpr uint32_t kCredentialsSize = 540;
inline constexpr uint32_t kMaskUserName = 1, kMaskPassword = 2, kMaskDomain = 8;
namespace credentials {
inline constexpr size_t kSize = 0, kMask = 4, kUserName = 8, kPassword = 265, kDomain = 522;
inline constexpr size_t kUserNameLen = 257, kPasswordLen = 257, kDomainLen = 16;
}  // namespace credentials

// Dial parameters (1,052 bytes).
inline constexpr uint32_t kDialParamsSize = 1052;
namespace dial {
inline constexpr size_t kSize = 0, kEntryName = 4, kPhoneNumber = 261, kCallbackNumber = 390,
                        kUserName = 519, kPassword = 776, kDomain = 1033;
inline constexpr size_t kEntryNameLen = 257, kPhoneNumberLen = 129, kUserNameLen = 257,
                        kPasswordLen = 257, kDomainLen = 16;
}  // namespace dial

// Connection records in the old layout. The 32-bit program uses 412 bytes with
// a 4-byte handle; the 64-bit program aligns an 8-byte handle at offset 8.
struct ConnectionLayout {
  uint32_t size;
  size_t handle, handleLen, entryName, deviceType, deviceName;
};
inline constexpr ConnectionLayout kConnection32{412, 4, 4, 8, 265, 282};
inline constexpr ConnectionLayout kConnection64{424, 8, 8, 16, 273, 290};
inline constexpr const ConnectionLayout& kNativeConnection =
    sizeof(void*) == 8 ? kConnection64 : kConnection32;
inline constexpr size_t kConnEntryNameLen = 257, kConnDeviceTypeLen = 17, kConnDeviceNameLen = 129;
// The program lists at most this many connections in one call.
inline constexpr int kConnectionSlots = 10;

// Entry-name records of the phonebook listing (old layout, same on both builds).
inline constexpr uint32_t kListedNameSize = 264;
inline constexpr size_t kListedNameOffset = 4, kListedNameLen = 257;

// The longest entry name the service takes (its field less the zero).
inline constexpr size_t kMaxEntryNameBytes = kListedNameLen - 1;

// GBK bytes of `utf8`, cut to at most fieldLen - 1 bytes at a character boundary.
std::string GbkForField(std::string_view utf8, size_t fieldLen);
// GBK bytes of an entry name as every call passes it (cut like the record field).
std::string EntryNameBytes(std::string_view utf8);
// Cuts GBK bytes to at most maxBytes, never leaving half a character.
std::string CutGbk(std::string_view gbk, size_t maxBytes);

// Little-endian field access; reads and writes never leave the record.
uint32_t GetU32(const uint8_t* record, size_t offset);
void PutU32(uint8_t* record, size_t offset, uint32_t value);
// The zero-terminated text of a field, bounded by the field's length.
std::string GetText(const uint8_t* record, size_t offset, size_t fieldLen);
// Stores GBK bytes into a field (cut to fit with its zero); the rest of the field is zeroed.
void PutText(uint8_t* record, size_t offset, size_t fieldLen, std::string_view gbk);

Record BuildEntryRecord(std::string_view serverUtf8, int32_t protocol);
struct EntryView {
  uint32_t size = 0, options = 0, options2 = 0, vpnStrategy = 0, type = 0;
  std::string phoneNumber, deviceType, deviceName;  // GBK bytes
};
EntryView ReadEntryRecord(const uint8_t* record);

Record BuildCredentialsRecord(std::string_view userUtf8, std::string_view passwordUtf8);
struct CredentialsView {
  uint32_t size = 0, mask = 0;
  std::string userName, password, domain;  // GBK bytes
};
CredentialsView ReadCredentialsRecord(const uint8_t* record);

Record BuildDialParams(std::string_view entryUtf8, std::string_view userUtf8,
                       std::string_view passwordUtf8);
struct DialParamsView {
  uint32_t size = 0;
  std::string entryName, phoneNumber, callbackNumber, userName, password, domain;  // GBK bytes
};
DialParamsView ReadDialParams(const uint8_t* record);

// A zeroed array of `slots` connection records with dwSize set in the first.
Record ConnectionBuffer(const ConnectionLayout& layout, int slots);
struct ConnectionView {
  RasHandle handle = 0;
  std::string entryName, deviceType, deviceName;  // GBK bytes
};
ConnectionView ReadConnection(const ConnectionLayout& layout, const uint8_t* buffer, int index);
// The service side: fills record `index` (its dwSize too, as the service does).
void WriteConnection(const ConnectionLayout& layout, uint8_t* buffer, int index,
                     const ConnectionView& connection);

Record EntryNameBuffer(int slots);
std::string ReadEntryName(const uint8_t* buffer, int index);
void WriteEntryName(uint8_t* buffer, int index, std::string_view gbk);

}  // namespace rv::ras
