// The entries of the default phonebooks, read until the vpn engine's own
// reader of the entry-name records is in place.
#include <cstring>
#include <vector>

#include "platform/codepage.h"
#include "vpn/vpn.h"

namespace rv {

namespace {
constexpr uint32_t kNameRecordSize = 264;  // dwSize + 257 name bytes, padded
constexpr uint32_t kNameBytes = 257;
}  // namespace

bool DefaultPhonebookHasEntry(App& app, const std::string& entry) {
  const std::string wanted = Utf8ToGbkBytes(entry);
  std::vector<uint8_t> buffer(16 * kNameRecordSize);
  uint32_t result = kRasErrorBufferTooSmall, count = 0;
  for (int attempt = 0; attempt < 4 && result == kRasErrorBufferTooSmall; ++attempt) {
    std::memcpy(buffer.data(), &kNameRecordSize, 4);
    uint32_t bytes = static_cast<uint32_t>(buffer.size());
    count = 0;
    result = app.platform.ras->EnumEntries("", buffer.data(), &bytes, &count);
    if (result == kRasErrorBufferTooSmall) {
      if (bytes <= buffer.size()) break;
      buffer.resize((bytes + kNameRecordSize - 1) / kNameRecordSize * kNameRecordSize);
    }
  }
  if (result != 0) return false;
  const uint32_t listed = std::min<uint32_t>(count, buffer.size() / kNameRecordSize);
  for (uint32_t i = 0; i < listed; ++i) {
    const char* name = reinterpret_cast<const char*>(buffer.data() + i * kNameRecordSize + 4);
    if (std::string(name, strnlen(name, kNameBytes)) == wanted) return true;
  }
  return false;
}

}  // namespace rv
