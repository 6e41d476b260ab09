#include "platform/ras_service.h"

#include <cstring>

#include "platform/codepage.h"

namespace rv::ras_service {

namespace {

struct ErrorTextRow {
  uint32_t code;
  const char* text;
};

// The messages of the codes the stand-ins meet, worded as a Chinese system
// words them. Some are longer than a 100-byte buffer, as on the real system.
constexpr ErrorTextRow kErrorTexts[] = {
    {603, "缓冲区太小。"},
    {619, "无法建立到远程计算机的连接，因此用于此连接的端口已关闭。"},
    {621, "系统无法打开电话簿文件。"},
    {623, "系统找不到此连接的电话簿项。"},
    {628, "在连接完成之前，连接已被远程计算机关闭。"},
    {629, "远程计算机关闭了连接。"},
    {631, "端口已被用户断开。"},
    {632, "结构大小不正确。"},
    {633, "调制解调器(或其他连接设备)已在使用中，或者配置不正确。"},
    {678, "远程计算机没有应答。"},
    {691, "由于在此域上用户名或密码无效，访问被拒绝。"},
    {711, "无法启动远程访问连接管理器服务。"},
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

const ras::ConnectionLayout* LayoutOfSize(uint32_t size) {
  if (size == ras::kConnection32.size) return &ras::kConnection32;
  if (size == ras::kConnection64.size) return &ras::kConnection64;
  return nullptr;
}

}  // namespace

std::string ErrorText(uint32_t code) {
  for (const ErrorTextRow& row : kErrorTexts)
    if (row.code == code) return row.text;
  return {};
}

uint32_t CopyErrorString(uint32_t code, char* buffer, uint32_t size) {
  std::string text = ErrorText(code);
  if (text.empty() || !buffer) return kErrorInvalidParameter;
  std::string gbk = Utf8ToGbkBytes(text);
  if (gbk.size() + 1 > size) return kErrorInsufficientBuffer;
  std::memcpy(buffer, gbk.c_str(), gbk.size() + 1);
  return 0;
}

uint32_t FillConnections(const std::vector<ras::ConnectionView>& listed, uint8_t* buffer,
                         uint32_t* bytes, uint32_t* count) {
  if (!buffer || !bytes || !count || *bytes < 4) return kErrorInvalidParameter;
  const ras::ConnectionLayout* layout = LayoutOfSize(ras::GetU32(buffer, 0));
  if (!layout) return kErrorInvalidSize;
  const uint32_t needed = static_cast<uint32_t>(listed.size()) * layout->size;
  *count = static_cast<uint32_t>(listed.size());
  if (*bytes < needed) {
    *bytes = needed;
    return kRasErrorBufferTooSmall;
  }
  for (size_t i = 0; i < listed.size(); ++i)
    ras::WriteConnection(*layout, buffer, static_cast<int>(i), listed[i]);
  *bytes = needed;
  return 0;
}

uint32_t FillEntryNames(const std::vector<std::string>& gbkNames, uint8_t* buffer, uint32_t* bytes,
                        uint32_t* count) {
  if (!buffer || !bytes || !count || *bytes < 4) return kErrorInvalidParameter;
  if (ras::GetU32(buffer, 0) != ras::kListedNameSize) return kErrorInvalidSize;
  const uint32_t needed = static_cast<uint32_t>(gbkNames.size()) * ras::kListedNameSize;
  *count = static_cast<uint32_t>(gbkNames.size());
  if (*bytes < needed) {
    *bytes = needed;
    return kRasErrorBufferTooSmall;
  }
  for (size_t i = 0; i < gbkNames.size(); ++i)
    ras::WriteEntryName(buffer, static_cast<int>(i), gbkNames[i]);
  *bytes = needed;
  return 0;
}

uint32_t CheckEntryRecord(const std::string& entry, const uint8_t* record, uint32_t size) {
  if (!record || size != ras::kEntrySize || ras::GetU32(record, 0) != ras::kEntrySize)
    return kErrorInvalidSize;
  if (entry.empty() || entry.size() > ras::kMaxEntryNameBytes) return kErrorInvalidName;
  return 0;
}

bool CredentialsRecordValid(const uint8_t* record) {
  return record && ras::GetU32(record, 0) == ras::kCredentialsSize;
}

bool DialParamsValid(const uint8_t* params, uint32_t size) {
  return params && size == ras::kDialParamsSize && ras::GetU32(params, 0) == ras::kDialParamsSize;
}

uint32_t PhonebookStore::SetEntry(const std::string& phonebook, const std::string& gbkEntry,
                                  const uint8_t* record, uint32_t size) {
  if (uint32_t bad = CheckEntryRecord(gbkEntry, record, size)) return bad;
  ras::EntryView view = ras::ReadEntryRecord(record);
  StoredEntry& e = books_[phonebook][gbkEntry].entry;
  e.phonebook = phonebook;
  e.name = GbkBytesToUtf8(gbkEntry);
  e.server = GbkBytesToUtf8(view.phoneNumber);
  e.deviceType = GbkBytesToUtf8(view.deviceType);
  e.deviceName = GbkBytesToUtf8(view.deviceName);
  e.vpnStrategy = view.vpnStrategy;
  e.record.assign(record, record + size);
  ++e.writes;
  return 0;
}

uint32_t PhonebookStore::SetCredentials(const std::string& phonebook, const std::string& gbkEntry,
                                        const uint8_t* record, bool clear) {
  if (!CredentialsRecordValid(record)) return kErrorInvalidSize;
  auto book = books_.find(phonebook);
  if (book == books_.end()) return kErrorCannotOpenPhonebook;
  auto it = book->second.find(gbkEntry);
  if (it == book->second.end()) return kErrorCannotFindEntry;
  std::optional<StoredCredentials>& stored = it->second.credentials;
  if (clear) {
    stored.reset();
    return 0;
  }
  // Only the fields the mask names change.
  ras::CredentialsView view = ras::ReadCredentialsRecord(record);
  StoredCredentials c = stored.value_or(StoredCredentials{});
  if (view.mask & ras::kMaskUserName) c.userName = GbkBytesToUtf8(view.userName);
  if (view.mask & ras::kMaskPassword) c.password = GbkBytesToUtf8(view.password);
  if (view.mask & ras::kMaskDomain) {
    c.domain = GbkBytesToUtf8(view.domain);
    c.hasDomain = true;
  }
  stored = c;
  return 0;
}

void PhonebookStore::AddBare(const std::string& phonebook, const std::string& gbkEntry) {
  StoredEntry& e = books_[phonebook][gbkEntry].entry;
  e.phonebook = phonebook;
  e.name = GbkBytesToUtf8(gbkEntry);
  e.deviceType = ras::kVpnDeviceType;
}

void PhonebookStore::Remove(const std::string& phonebook, const std::string& gbkEntry) {
  auto book = books_.find(phonebook);
  if (book != books_.end()) book->second.erase(gbkEntry);
}

bool PhonebookStore::HasPhonebook(const std::string& phonebook) const {
  return books_.count(phonebook) != 0;
}

const PhonebookStore::Slot* PhonebookStore::FindSlot(const std::string& phonebook,
                                                     const std::string& gbkEntry) const {
  auto book = books_.find(phonebook);
  if (book == books_.end()) return nullptr;
  auto it = book->second.find(gbkEntry);
  return it == book->second.end() ? nullptr : &it->second;
}

const StoredEntry* PhonebookStore::Find(const std::string& phonebook, const std::string& gbkEntry) const {
  const Slot* slot = FindSlot(phonebook, gbkEntry);
  return slot ? &slot->entry : nullptr;
}

std::optional<StoredCredentials> PhonebookStore::Credentials(const std::string& phonebook,
                                                             const std::string& gbkEntry) const {
  const Slot* slot = FindSlot(phonebook, gbkEntry);
  return slot ? slot->credentials : std::nullopt;
}

std::vector<std::string> PhonebookStore::Names(const std::string& phonebook) const {
  std::vector<std::string> names;
  auto book = books_.find(phonebook);
  if (book != books_.end())
    for (const auto& [name, slot] : book->second) names.push_back(name);
  return names;
}

}  // namespace rv::ras_service
