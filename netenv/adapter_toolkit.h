#pragma once
// Status, enabling and disabling of a named network connection: WMI first,
// the shell's connection manager as the fallback and for switching.
#include <atomic>
#include <cstdint>
#include <string>

namespace rv {

struct App;

// Status codes of the platform.
inline constexpr int32_t kConnectionConnected = 2;
inline constexpr int32_t kConnectionDisconnected = 0;  // also what a disabled connection reports
inline constexpr int32_t kConnectionNotFound = -1;

// Names match after trimming spaces at both ends and folding ASCII letters.
bool SameConnectionName(const std::string& listed, const std::string& wanted);
// The WMI query for one connection; quotes and backslashes in the name are
// escaped so that the name stays one string literal.
std::string AdapterStatusQuery(const std::string& connectionName);

class AdapterToolkit {
 public:
  explicit AdapterToolkit(App& app) : app_(app) {}
  AdapterToolkit(const AdapterToolkit&) = delete;
  AdapterToolkit& operator=(const AdapterToolkit&) = delete;

  // 2 connected, 0 disconnected or disabled, other codes as the platform
  // reports them, kConnectionNotFound when no connection has that name.
  int32_t GetConnectionStatus(const std::string& name);
  // True when the connection reports 2 (enable) or 0 (disable) afterwards.
  bool EnableConnection(const std::string& name);
  bool DisableConnection(const std::string& name);

  bool SecurityInitialised() const { return securityInitialised_; }

 private:
  // Holds the toolkit for one operation. Waiting for it is a pumping wait,
  // so a thread that waits never blocks the one that holds it.
  class Turn {
   public:
    explicit Turn(AdapterToolkit& kit);
    ~Turn();

   private:
    AdapterToolkit& kit_;
  };

  bool RunWmiQuery(const std::string& nameSpace, const std::string& wql);  // with a Turn held
  int32_t WmiStatus();                                                     // after RunWmiQuery
  int32_t ShellStatus(const std::string& name);
  void SwitchConnection(const std::string& name, bool enable);
  void PumpMessages();

  App& app_;
  std::atomic<bool> busy_{false};
  std::atomic<bool> securityInitialised_{false};  // set once, never cleared
};

}  // namespace rv
