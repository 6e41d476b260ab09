// The phonebook entry and its stored credentials.
#include "vpn/ras_records.h"
#include "vpn/vpn.h"

namespace rv {

bool WriteVpnEntry(App& app, const std::string& entry, const std::string& user,
                   const std::string& password, const std::string& server, int32_t protocol) {
  const std::string name = ras::EntryNameBytes(entry.empty() ? kDefaultEntryName : entry);
  const bool skipCredentials = user.empty() || password.empty();
  RasApi& service = *app.platform.ras;

  ras::Record record = ras::BuildEntryRecord(server, protocol);
  if (service.SetEntryProperties(kPrivatePhonebook, name, record.data(), ras::kEntrySize) != 0)
    return false;
  if (skipCredentials) return true;  // the stored credentials stay as they were

  ras::Record credentials = ras::BuildCredentialsRecord(user, password);
  return service.SetCredentials(kPrivatePhonebook, name, credentials.data(), false) == 0;
}

}  // namespace rv
