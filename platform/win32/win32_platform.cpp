#include "platform/win32/win32_platform.h"

#include "platform/win32/browser_store_win32.h"
#include "platform/win32/dialogs_win32.h"
#include "platform/win32/files_win32.h"
#include "platform/win32/http_winhttp.h"
#include "platform/win32/midi_win32.h"
#include "platform/win32/net_connections_win32.h"
#include "platform/win32/process_win32.h"
#include "platform/win32/ras_win32.h"
#include "platform/win32/runtime_win32.h"
#include "platform/win32/shell_win32.h"

namespace rv::win32 {

struct Win32Platform::Backends {
  RuntimeWin32 runtime;
  DialogsWin32 dialogs;
  RasWin32 ras;
  ProcessWin32 process;
  ShellWin32 shell;
  HttpWin32 http;
  NetConnectionsWin32 netConnections;
  BrowserStoreWin32 browserStore;
  MidiWin32 midi;
  FilesWin32 files;
};

Win32Platform::Win32Platform() : backends_(std::make_unique<Backends>()) {
  platform_.runtime = &backends_->runtime;
  platform_.dialogs = &backends_->dialogs;
  platform_.ras = &backends_->ras;
  platform_.process = &backends_->process;
  platform_.shell = &backends_->shell;
  platform_.http = &backends_->http;
  platform_.netConnections = &backends_->netConnections;
  platform_.browserStore = &backends_->browserStore;
  platform_.midi = &backends_->midi;
  platform_.files = &backends_->files;
}

Win32Platform::~Win32Platform() = default;

}  // namespace rv::win32
