#pragma once
// Whether the program runs in sandbox mode and where its provider is, from
// sandbox.ini beside the program (UTF-8, private-profile layout):
//   [Sandbox]
//   Enabled=1                       0 (or no/false/off): the real service, shell and WMI
//   Provider=http://127.0.0.1:18780 the provider's VPN service; loopback only
//   Folder=sandbox                  network connections and browser stores;
//                                   relative to the program's folder
//   IpEchoPageA=, IpEchoServiceB=   the echo sites; by default the provider's
//                                   port + 1 ("/") and port + 3 ("/getip.aspx")
// No file, or a key left out, means its default: sandbox mode is on.
#include <string>

namespace rv {

inline constexpr const char* kSandboxFileName = "sandbox.ini";
inline constexpr int kDefaultSandboxPort = 18780;
inline constexpr size_t kMaxSandboxFileBytes = 64 * 1024;

struct SandboxSettings {
  bool enabled = true;
  std::string provider;  // "http://127.0.0.1:PORT"
  std::string folder;    // absolute, no trailing separator
  std::string ipEchoPageA, ipEchoServiceB;
};

// programDir: the program's folder without a trailing separator.
SandboxSettings ParseSandboxSettings(const std::string& iniText, const std::string& programDir);

// The port of "http://127.0.0.1:PORT[/...]"; 0 for any other address.
int LoopbackPort(const std::string& url);

}  // namespace rv
