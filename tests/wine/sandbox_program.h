#pragma once
// The static line of the real 64-bit program under Wine against the sandbox
// provider running in this process: the provider, sandbox.ini pointing the
// program at it, and the driver steps of a user at the static window.
#include <functional>
#include <memory>
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

// The static line of the real program against a provider of its own, for
// the programs outside the test fixture (the benchmarks): the provider on a
// free port with the default scenario, the program started in a fresh
// folder, its window selected in the driver and filled in with the
// sandbox's server and account (kServer, kUser, kPassword).
class StaticProgramRun {
 public:
  static constexpr const char* kServer = "vpn1.sandbox";
  static constexpr const char* kUser = "demo";
  static constexpr const char* kPassword = "demo123";

  StaticProgramRun();
  ~StaticProgramRun();  // closes the window and waits for the program to end
  StaticProgramRun(const StaticProgramRun&) = delete;
  StaticProgramRun& operator=(const StaticProgramRun&) = delete;

  // Empty when the program's window is up; else what failed.
  const std::string& error() const { return error_; }

  sandbox::Provider provider;
  std::unique_ptr<Driver> driver;

 private:
  std::unique_ptr<WineProcess> program_;
  std::string error_;
};

// The check count of the monitor's text, -1 when the text is not the monitor's.
int MonitorCount(const std::string& text, const std::string& interval);

}  // namespace rv::wine
