#include "netenv/adapter_toolkit.h"

#include <cctype>

#include "app/app.h"
#include "platform/net_connections.h"
#include "vpn/vpn.h"

namespace rv {

namespace {

constexpr const char* kWmiNamespace = "root\\cimv2";
constexpr const char* kStatusProperty = "NetConnectionStatus";
constexpr int kMaxAdapterObjects = 10;
constexpr int64_t kTurnPollMs = 10;

std::string TrimmedAsciiLower(const std::string& s) {
  size_t begin = s.find_first_not_of(' ');
  if (begin == std::string::npos) return {};
  size_t end = s.find_last_not_of(' ');
  std::string out = s.substr(begin, end - begin + 1);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

bool SameConnectionName(const std::string& listed, const std::string& wanted) {
  return TrimmedAsciiLower(listed) == TrimmedAsciiLower(wanted);
}

std::string AdapterStatusQuery(const std::string& connectionName) {
  std::string literal;
  for (char c : connectionName) {
    if (c == '\'' || c == '\\') literal += '\\';
    literal += c;
  }
  return "Select * From Win32_NetworkAdapter WHERE NetConnectionID='" + literal + "'";
}

AdapterToolkit::Turn::Turn(AdapterToolkit& kit) : kit_(kit) {
  while (kit_.busy_.exchange(true)) PumpingWait(kit_.app_, kTurnPollMs);
}

AdapterToolkit::Turn::~Turn() { kit_.busy_ = false; }

void AdapterToolkit::PumpMessages() { PumpingWait(app_, 0); }

bool AdapterToolkit::RunWmiQuery(const std::string& nameSpace, const std::string& wql) {
  NetConnectionsApi& net = *app_.platform.netConnections;
  net.ComUninitialize();
  if (!net.ComInitialize(true)) return false;
  if (!securityInitialised_) {
    // Only the first call in a process can succeed; later ones are not tried.
    net.ComInitializeSecurity();
    securityInitialised_ = true;
  }
  if (!net.WmiConnect(nameSpace) || !net.WmiExecQuery(wql)) {
    net.WmiRelease();
    net.ComUninitialize();
    return false;
  }
  return true;
}

int32_t AdapterToolkit::WmiStatus() {
  NetConnectionsApi& net = *app_.platform.netConnections;
  int32_t status = kConnectionNotFound;
  for (int i = 0; i < kMaxAdapterObjects; ++i) {
    int32_t value = 0;
    if (!net.WmiNextInteger(kStatusProperty, &value)) break;
    status = value;
    PumpMessages();
  }
  net.WmiRelease();
  net.ComUninitialize();
  return status;
}

int32_t AdapterToolkit::ShellStatus(const std::string& name) {
  NetConnectionsApi& net = *app_.platform.netConnections;
  int32_t status = kConnectionNotFound;
  if (!net.ComInitialize(false)) return status;
  net.VisitShellConnections([&](const ShellConnection& c) {
    if (SameConnectionName(c.name, name)) {
      status = c.status;
      return ShellAction::Stop;
    }
    PumpMessages();
    return ShellAction::Next;
  });
  net.ComUninitialize();
  return status;
}

int32_t AdapterToolkit::GetConnectionStatus(const std::string& name) {
  if (!app_.platform.netConnections) return kConnectionNotFound;
  Turn turn(*this);
  if (RunWmiQuery(kWmiNamespace, AdapterStatusQuery(name))) return WmiStatus();
  return ShellStatus(name);
}

void AdapterToolkit::SwitchConnection(const std::string& name, bool enable) {
  NetConnectionsApi& net = *app_.platform.netConnections;
  Turn turn(*this);
  if (!net.ComInitialize(false)) return;
  net.VisitShellConnections([&](const ShellConnection& c) {
    if (SameConnectionName(c.name, name))
      return enable ? ShellAction::ConnectAndStop : ShellAction::DisconnectAndStop;
    PumpMessages();
    return ShellAction::Next;
  });
  net.ComUninitialize();
}

bool AdapterToolkit::EnableConnection(const std::string& name) {
  if (!app_.platform.netConnections) return false;
  SwitchConnection(name, true);
  return GetConnectionStatus(name) == kConnectionConnected;
}

bool AdapterToolkit::DisableConnection(const std::string& name) {
  if (!app_.platform.netConnections) return false;
  SwitchConnection(name, false);
  return GetConnectionStatus(name) == kConnectionDisconnected;
}

}  // namespace rv
