#pragma once
// The static line of the real 64-bit program under Wine against the sandbox
// provider running in this process: the provider, sandbox.ini pointing the
// program at it, and the driver steps of a user at the static window.
#include <functional>
#include <string>
#include <vector>

#include "sandbox/provider.h"
#include "wine/wine_session.h"

namespace rv::wine {

// sandbox.ini for the program: the provider's service and its echo sites.
ProgramFiles SandboxFiles(sandbox::Provider& provider);

// The user at StaticLineWindow, through the driver.
class StaticWindowUser {
 public:
  explicit StaticWindowUser(Driver& driver) : driver_(driver) {}

  std::string Text(const std::string& control);
  bool Checked(const std::string& control);
  bool Enabled(const std::string& control);
  // Replaces the text as typed keys would (the box is emptied first).
  void Type(const std::string& control, const std::string& text);
  void Click(const std::string& control);
  void Tick(const std::string& control, bool on);
  // Fills in the account and the server.
  void FillIn(const std::string& server, const std::string& user, const std::string& password);
  // Polls a control until `done` holds for its text; every distinct text seen
  // goes to `seen` when given. False on time-out.
  bool WaitText(const std::string& control, const std::function<bool(const std::string&)>& done,
                int timeoutMs, std::vector<std::string>* seen = nullptr);
  // Screenshot of the selected window into the artifact folder; returns its path.
  std::string Screenshot(const std::string& name);

 private:
  Driver& driver_;
};

// The check count of the monitor's text, -1 when the text is not the monitor's.
int MonitorCount(const std::string& text, const std::string& interval);

}  // namespace rv::wine
