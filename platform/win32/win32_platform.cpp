#include "platform/win32/win32_platform.h"

#include <windows.h>

#include "platform/win32/browser_store_win32.h"
#include "platform/win32/dialogs_win32.h"
#include "platform/win32/net_connections_win32.h"
#include "platform/win32/runtime_win32.h"

// The Remote Access Service and process backends come with the VPN engine.
#if __has_include("platform/win32/ras_win32.h") && __has_include("platform/win32/process_win32.h")
#define RV_HAVE_RAS_WIN32 1
#include "platform/win32/process_win32.h"
#include "platform/win32/ras_win32.h"
#endif

namespace rv::win32 {

#ifndef RV_HAVE_RAS_WIN32
namespace {
// TODO(lead): replaced by RasWin32 / ProcessWin32 once the VPN engine's Win32
// backends are on main (this block then drops out by itself). Until then every
// RAS call reports "not supported" and hidden commands do not start, so the
// exits' hang-ups stay harmless.
class RasUnavailable final : public RasApi {
 public:
  uint32_t SetEntryProperties(const std::string&, const std::string&, const uint8_t*, uint32_t) override { return ERROR_NOT_SUPPORTED; }
  uint32_t SetCredentials(const std::string&, const std::string&, const uint8_t*, bool) override { return ERROR_NOT_SUPPORTED; }
  uint32_t Dial(const std::string&, const uint8_t*, uint32_t, RasNotifier, RasHandle*) override { return ERROR_NOT_SUPPORTED; }
  uint32_t GetErrorString(uint32_t, char* buffer, uint32_t size) override {
    if (buffer && size) buffer[0] = 0;
    return ERROR_NOT_SUPPORTED;
  }
  uint32_t EnumConnections(uint8_t*, uint32_t* bytes, uint32_t* count) override {
    if (bytes) *bytes = 0;
    if (count) *count = 0;
    return 0;
  }
  uint32_t HangUp(RasHandle) override { return ERROR_NOT_SUPPORTED; }
  uint32_t EnumEntries(const std::string&, uint8_t*, uint32_t* bytes, uint32_t* count) override {
    if (bytes) *bytes = 0;
    if (count) *count = 0;
    return 0;
  }
};
class ProcessUnavailable final : public ProcessApi {
 public:
  bool StartHidden(const std::string&) override { return false; }
};
}  // namespace
using RasBackend = RasUnavailable;
using ProcessBackend = ProcessUnavailable;
#else
using RasBackend = RasWin32;
using ProcessBackend = ProcessWin32;
#endif

struct Win32Platform::Backends {
  RuntimeWin32 runtime;
  DialogsWin32 dialogs;
  RasBackend ras;
  ProcessBackend process;
  NetConnectionsWin32 netConnections;
  BrowserStoreWin32 browserStore;
};

Win32Platform::Win32Platform() : backends_(std::make_unique<Backends>()) {
  platform_.runtime = &backends_->runtime;
  platform_.dialogs = &backends_->dialogs;
  platform_.ras = &backends_->ras;
  platform_.process = &backends_->process;
  platform_.netConnections = &backends_->netConnections;
  platform_.browserStore = &backends_->browserStore;
  // Further backends (HTTP, MIDI, shell,
  // files, skin) join here as their subsystems land.
}

Win32Platform::~Win32Platform() = default;

}  // namespace rv::win32
