#include "vpn/ras_records.h"

#include <cstring>

#include "platform/codepage.h"

namespace rv::ras {

namespace {

bool IsGbkLead(uint8_t c) { return c >= 0x81 && c <= 0xFE; }

void PutU64(uint8_t* record, size_t offset, uint64_t value) {
  for (int i = 0; i < 8; ++i) record[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint64_t GetU64(const uint8_t* record, size_t offset) {
  uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | record[offset + i];
  return v;
}

void PutUtf8(uint8_t* record, size_t offset, size_t fieldLen, std::string_view utf8) {
  PutText(record, offset, fieldLen, GbkForField(utf8, fieldLen));
}

}  // namespace

std::string CutGbk(std::string_view gbk, size_t maxBytes) {
  size_t end = 0;
  while (end < gbk.size()) {
    size_t step = IsGbkLead(static_cast<uint8_t>(gbk[end])) && end + 1 < gbk.size() ? 2 : 1;
    if (end + step > maxBytes) break;
    end += step;
  }
  return std::string(gbk.substr(0, end));
}

std::string GbkForField(std::string_view utf8, size_t fieldLen) {
  return CutGbk(Utf8ToGbkBytes(utf8), fieldLen == 0 ? 0 : fieldLen - 1);
}

std::string EntryNameBytes(std::string_view utf8) { return GbkForField(utf8, kListedNameLen); }

uint32_t GetU32(const uint8_t* record, size_t offset) {
  return static_cast<uint32_t>(record[offset]) | static_cast<uint32_t>(record[offset + 1]) << 8 |
         static_cast<uint32_t>(record[offset + 2]) << 16 |
         static_cast<uint32_t>(record[offset + 3]) << 24;
}

void PutU32(uint8_t* record, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) record[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

std::string GetText(const uint8_t* record, size_t offset, size_t fieldLen) {
  const char* p = reinterpret_cast<const char*>(record + offset);
  return std::string(p, strnlen(p, fieldLen));
}

void PutText(uint8_t* record, size_t offset, size_t fieldLen, std::string_view gbk) {
  if (fieldLen == 0) return;
  std::memset(record + offset, 0, fieldLen);
  std::string cut = CutGbk(gbk, fieldLen - 1);
  std::memcpy(record + offset, cut.data(), cut.size());
}

Record BuildEntryRecord(std::string_view serverUtf8, int32_t protocol) {
  using namespace entry;
  Record r(kEntrySize, 0);
  uint8_t* p = r.data();
  PutU32(p, kSize, kEntrySize);
  PutU32(p, kOptions, kEntryOptions);
  PutU32(p, kCountryId, 86);
  PutU32(p, kCountryCode, 86);
  PutUtf8(p, kLocalPhoneNumber, kPhoneNumberLen, serverUtf8);
  PutU32(p, kNetProtocols, 4);     // IP only
  PutU32(p, kFramingProtocol, 1);  // PPP
  PutUtf8(p, kDeviceType, kDeviceTypeLen, kVpnDeviceType);
  PutUtf8(p, kDeviceName, kDeviceNameLen, kVpnDeviceName);
  PutU32(p, kDialMode, 1);  // dial all
  PutU32(p, kDialExtraPercent, 75);
  PutU32(p, kDialExtraSampleSeconds, 120);
  PutU32(p, kHangUpExtraPercent, 10);
  PutU32(p, kHangUpExtraSampleSeconds, 120);
  PutU32(p, kType, 2);            // VPN
  PutU32(p, kEncryptionType, 3);  // optional
  PutU32(p, kVpnStrategy, static_cast<uint32_t>(protocol));
  PutU32(p, kOptions2, kEntryOptions2);
  PutU32(p, kRedialPause, 10);
  return r;
}

EntryView ReadEntryRecord(const uint8_t* p) {
  using namespace entry;
  EntryView v;
  v.size = GetU32(p, kSize);
  v.options = GetU32(p, kOptions);
  v.options2 = GetU32(p, kOptions2);
  v.vpnStrategy = GetU32(p, kVpnStrategy);
  v.type = GetU32(p, kType);
  v.phoneNumber = GetText(p, kLocalPhoneNumber, kPhoneNumberLen);
  v.deviceType = GetText(p, kDeviceType, kDeviceTypeLen);
  v.deviceName = GetText(p, kDeviceName, kDeviceNameLen);
  return v;
}

Record BuildCredentialsRecord(std::string_view userUtf8, std::string_view passwordUtf8) {
  using namespace credentials;
  Record r(kCredentialsSize, 0);
  uint8_t* p = r.data();
  PutU32(p, kSize, kCredentialsSize);
  PutU32(p, kMask, kMaskUserName | kMaskPassword | kMaskDomain);
  PutUtf8(p, kUserName, kUserNameLen, userUtf8);
  PutUtf8(p, kPassword, kPasswordLen, passwordUtf8);
  return r;  // the domain stays empty, so an empty domain is stored
}

CredentialsView ReadCredentialsRecord(const uint8_t* p) {
  using namespace credentials;
  CredentialsView v;
  v.size = GetU32(p, kSize);
  v.mask = GetU32(p, kMask);
  v.userName = GetText(p, kUserName, kUserNameLen);
  v.password = GetText(p, kPassword, kPasswordLen);
  v.domain = GetText(p, kDomain, kDomainLen);
  return v;
}

Record BuildDialParams(std::string_view entryUtf8, std::string_view userUtf8,
                       std::string_view passwordUtf8) {
  using namespace dial;
  Record r(kDialParamsSize, 0);
  uint8_t* p = r.data();
  PutU32(p, kSize, kDialParamsSize);
  PutUtf8(p, kEntryName, kEntryNameLen, entryUtf8);
  PutUtf8(p, kUserName, kUserNameLen, userUtf8);
  PutUtf8(p, kPassword, kPasswordLen, passwordUtf8);
  return r;  // phone number, callback number and domain stay empty
}

DialParamsView ReadDialParams(const uint8_t* p) {
  using namespace dial;
  DialParamsView v;
  v.size = GetU32(p, kSize);
  v.entryName = GetText(p, kEntryName, kEntryNameLen);
  v.phoneNumber = GetText(p, kPhoneNumber, kPhoneNumberLen);
  v.callbackNumber = GetText(p, kCallbackNumber, kPhoneNumberLen);
  v.userName = GetText(p, kUserName, kUserNameLen);
  v.password = GetText(p, kPassword, kPasswordLen);
  v.domain = GetText(p, kDomain, kDomainLen);
  return v;
}

Record ConnectionBuffer(const ConnectionLayout& layout, int slots) {
  Record r(static_cast<size_t>(layout.size) * static_cast<size_t>(slots > 0 ? slots : 0), 0);
  if (!r.empty()) PutU32(r.data(), 0, layout.size);
  return r;
}

ConnectionView ReadConnection(const ConnectionLayout& layout, const uint8_t* buffer, int index) {
  const uint8_t* p = buffer + static_cast<size_t>(index) * layout.size;
  ConnectionView v;
  v.handle = layout.handleLen == 8 ? GetU64(p, layout.handle) : GetU32(p, layout.handle);
  v.entryName = GetText(p, layout.entryName, kConnEntryNameLen);
  v.deviceType = GetText(p, layout.deviceType, kConnDeviceTypeLen);
  v.deviceName = GetText(p, layout.deviceName, kConnDeviceNameLen);
  return v;
}

void WriteConnection(const ConnectionLayout& layout, uint8_t* buffer, int index,
                     const ConnectionView& c) {
  uint8_t* p = buffer + static_cast<size_t>(index) * layout.size;
  std::memset(p, 0, layout.size);
  PutU32(p, 0, layout.size);
  if (layout.handleLen == 8)
    PutU64(p, layout.handle, c.handle);
  else
    PutU32(p, layout.handle, static_cast<uint32_t>(c.handle));
  PutText(p, layout.entryName, kConnEntryNameLen, c.entryName);
  PutText(p, layout.deviceType, kConnDeviceTypeLen, c.deviceType);
  PutText(p, layout.deviceName, kConnDeviceNameLen, c.deviceName);
}

Record EntryNameBuffer(int slots) {
  Record r(static_cast<size_t>(kListedNameSize) * static_cast<size_t>(slots > 0 ? slots : 0), 0);
  if (!r.empty()) PutU32(r.data(), 0, kListedNameSize);
  return r;
}

std::string ReadEntryName(const uint8_t* buffer, int index) {
  return GetText(buffer + static_cast<size_t>(index) * kListedNameSize, kListedNameOffset,
                 kListedNameLen);
}

void WriteEntryName(uint8_t* buffer, int index, std::string_view gbk) {
  uint8_t* p = buffer + static_cast<size_t>(index) * kListedNameSize;
  std::memset(p, 0, kListedNameSize);
  PutU32(p, 0, kListedNameSize);
  PutText(p, kListedNameOffset, kListedNameLen, gbk);
}

}  // namespace rv::ras
