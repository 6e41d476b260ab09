// Looking up the program's connection and the entries of the default phonebooks.
#include "vpn/ras_records.h"
#include "vpn/vpn.h"

namespace rv {

bool IsEntryConnected(App& app, const std::string& entry) {
  const ras::ConnectionLayout& layout = ras::kNativeConnection;
  ras::Record buffer = ras::ConnectionBuffer(layout, ras::kConnectionSlots);
  uint32_t bytes = static_cast<uint32_t>(buffer.size());
  uint32_t count = 0;
  // Any failure, the buffer-too-small answer for more than ten connections
  // included, reads as not connected.
  if (app.platform.ras->EnumConnections(buffer.data(), &bytes, &count) != 0) return false;

  const std::string wanted = ras::EntryNameBytes(entry);
  const int listed = count < ras::kConnectionSlots ? static_cast<int>(count) : ras::kConnectionSlots;
  for (int i = 0; i < listed; ++i) {
    ras::ConnectionView c = ras::ReadConnection(layout, buffer.data(), i);
    if (c.entryName != wanted) continue;
    // A dial still in its early states is not a connection yet.
    if (app.state.dialInProgress.load() == 1) return false;
    app.state.connectionHandle = c.handle;
    return true;
  }
  return false;
}

bool DefaultPhonebookHasEntry(App& app, const std::string& entry) {
  const std::string wanted = ras::EntryNameBytes(entry);
  ras::Record buffer = ras::EntryNameBuffer(16);
  uint32_t bytes = static_cast<uint32_t>(buffer.size());
  uint32_t count = 0;
  uint32_t result = app.platform.ras->EnumEntries("", buffer.data(), &bytes, &count);
  // The list may grow between the calls; ask again with the size the service wants.
  for (int retry = 0; result == kRasErrorBufferTooSmall && retry < 4; ++retry) {
    const uint32_t slots = (bytes + ras::kListedNameSize - 1) / ras::kListedNameSize;
    if (slots <= buffer.size() / ras::kListedNameSize) break;  // a size we already had
    buffer = ras::EntryNameBuffer(static_cast<int>(slots));
    bytes = static_cast<uint32_t>(buffer.size());
    count = 0;
    result = app.platform.ras->EnumEntries("", buffer.data(), &bytes, &count);
  }
  if (result != 0) return false;

  const uint64_t capacity = buffer.size() / ras::kListedNameSize;
  const int listed = static_cast<int>(count < capacity ? count : capacity);
  for (int i = 0; i < listed; ++i)
    if (ras::ReadEntryName(buffer.data(), i) == wanted) return true;
  return false;
}

}  // namespace rv
