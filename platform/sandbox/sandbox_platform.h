#pragma once
// The program's sandbox mode: the Remote Access Service, the phonebook tool
// and ipconfig go to the sandbox provider; the network connections and the
// browser stores are simulated in the sandbox folder; the IP-echo sites are
// the provider's. Everything else (windows, HTTP, files, message boxes,
// MIDI) stays the real platform's.
#include <memory>

#include "app/app.h"
#include "platform/folder_browser_store.h"
#include "platform/sandbox/sandbox_net_connections.h"
#include "platform/sandbox/sandbox_process.h"
#include "platform/sandbox/sandbox_ras.h"
#include "platform/sandbox/sandbox_settings.h"

namespace rv {

class SandboxPlatform {
 public:
  // real: the platform to build on (its runtime, HTTP and process start are used).
  SandboxPlatform(const Platform& real, const SandboxSettings& settings);

  // Replaces the sandboxed backends of `platform` and the echo sites of `config`.
  void Apply(Platform& platform, Config& config);

  SandboxRas& ras() { return ras_; }

 private:
  SandboxSettings settings_;
  SandboxRas ras_;
  SandboxProcess process_;
  SandboxNetConnections net_;
  FolderBrowserStore browser_;
};

}  // namespace rv
