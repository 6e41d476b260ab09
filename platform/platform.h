#pragma once
// Everything the system needs from the operating system, handed to it at
// start-up. Each backend (win32, sim, posix, sandbox) fills the pointers.
#include "platform/dialogs.h"
#include "platform/process.h"
#include "platform/ras.h"
#include "platform/runtime.h"

namespace rv {

class HttpApi;
class NetConnectionsApi;
class BrowserStoreApi;
class MidiOutApi;
class ShellApi;
class FilesApi;
class SkinApi;

struct Platform {
  Runtime* runtime = nullptr;
  RasApi* ras = nullptr;
  ProcessApi* process = nullptr;
  DialogApi* dialogs = nullptr;
  HttpApi* http = nullptr;
  NetConnectionsApi* netConnections = nullptr;
  BrowserStoreApi* browserStore = nullptr;
  MidiOutApi* midi = nullptr;
  ShellApi* shell = nullptr;
  FilesApi* files = nullptr;
  SkinApi* skin = nullptr;
};

}  // namespace rv
