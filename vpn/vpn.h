#pragma once
// The VPN connection engine: the phonebook entry, the asynchronous dial with
// its state texts, the connection lookup, the hang-ups and the responsive wait.
#include <cstdint>
#include <string>

#include "app/app.h"

namespace rv {

inline constexpr const char* kPrivatePhonebook = "c:\\pptp.pbk";
inline constexpr const char* kDefaultEntryName = "虚拟专用网络连接";
inline constexpr const char* kConnectedText = "连接成功";

// Writes (creates or overwrites) the entry and, unless the user name or the
// password is empty, its credentials, in the private phonebook.
bool WriteVpnEntry(App& app, const std::string& entry, const std::string& user,
                   const std::string& password, const std::string& server, int32_t protocol);

// Starts the dial; state texts replace the content of `statusControl` of `window`.
void DialVpnEntry(App& app, const std::string& entry, const std::string& user,
                  const std::string& password, Form& window, const std::string& statusControl);

// The text for one progress report; applies the report's effect on dialInProgress.
std::string DialStateText(App& app, uint32_t state, uint32_t error);
// The notifier: writes DialStateText into the status control of the last dial.
void DialProgressCallback(App& app, uint32_t msg, uint32_t state, uint32_t error);

// True when a connection with exactly this entry name is listed and no dial
// is in its early states; records that connection's handle.
bool IsEntryConnected(App& app, const std::string& entry);
// True when the user's default phonebooks list an entry of exactly this name.
bool DefaultPhonebookHasEntry(App& app, const std::string& entry);
void HangUpCurrentConnection(App& app);
// "rasphone -h NAME" then "rasphone -r NAME", hidden, not awaited.
void HangUpEntryByName(App& app, const std::string& entry);
// The only way the program pauses; the calling thread keeps handling messages.
bool PumpingWait(App& app, int64_t ms);

// Dial-up utility object; the program uses its hang-up by entry name.
class DialupKit {
 public:
  explicit DialupKit(App& app) : app_(app) {}
  void HangUpEntryByName(const std::string& entry) { rv::HangUpEntryByName(app_, entry); }

 private:
  App& app_;
};

}  // namespace rv
