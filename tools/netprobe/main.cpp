// netprobe: runs the program's network-environment operations with the real
// Windows backends, for the end-to-end tests under Wine. One command per run;
// results are "key=value" lines in UTF-8 on standard output.
//
//   netprobe status NAME...        status=NAME=CODE per name
//   netprobe wmi PROPERTY WQL      ran=yes|no, then value=N per object
//   netprobe cut | restore         message=the static window's final message line
//   netprobe folders               cookies=, cache=, history=, windows=
//   netprobe cache-add URL KIND    adds a URL cache entry; KIND cookie or page
//   netprobe cache-list            entry=TYPE-HEX URL per URL cache entry
//   netprobe clear                 runs the browser cleanup, then "cleared"
#include <windows.h>
#include <wininet.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/app.h"
#include "netenv/adapter_toolkit.h"
#include "netenv/local_network.h"
#include "netenv/netenv.h"
#include "platform/browser_store.h"
#include "platform/net_connections.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace {

void Print(const std::string& key, const std::string& value) {
  std::string line = key + "=" + value + "\n";
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fflush(stdout);
}

// Stores an empty entry under `url`, as the web components do for a page
// or a cookie they keep.
bool AddCacheEntry(const std::string& url, bool cookie) {
  char file[MAX_PATH] = {};
  if (!CreateUrlCacheEntryA(url.c_str(), 0, "txt", file, 0)) return false;
  HANDLE h = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD wrote = 0;
  WriteFile(h, "x", 1, &wrote, nullptr);
  CloseHandle(h);
  FILETIME never = {};
  DWORD type = NORMAL_CACHE_ENTRY | (cookie ? COOKIE_CACHE_ENTRY : 0);
  return CommitUrlCacheEntryA(url.c_str(), file, never, never, type, nullptr, 0, nullptr, nullptr) != FALSE;
}

// Runs one WQL query through the backend as the toolkit does and prints
// the integer property of every object.
void PrintWmiIntegers(rv::NetConnectionsApi& net, const std::string& property, const std::string& wql) {
  net.ComInitialize(true);
  net.ComInitializeSecurity();
  const bool ran = net.WmiConnect("root\\cimv2") && net.WmiExecQuery(wql);
  Print("ran", ran ? "yes" : "no");
  int32_t value = 0;
  while (ran && net.WmiNextInteger(property, &value)) Print("value", std::to_string(value));
  net.WmiRelease();
  net.ComUninitialize();
}

int Run(rv::App& app, const std::vector<std::string>& args) {
  rv::BrowserStoreApi& store = *app.platform.browserStore;
  const std::string& command = args[0];
  if (command == "status") {
    for (size_t i = 1; i < args.size(); ++i)
      Print("status", args[i] + "=" + std::to_string(app.state.adapters->GetConnectionStatus(args[i])));
  } else if (command == "cut" || command == "restore") {
    app.forms.Load("StaticLineWindow");
    if (command == "cut")
      rv::CutLocalNetwork(app);
    else
      rv::RestoreLocalNetwork(app);
    Print("message", app.StaticWindow().Text("编辑框_接收信息"));
  } else if (command == "wmi" && args.size() == 3) {
    PrintWmiIntegers(*app.platform.netConnections, args[1], args[2]);
  } else if (command == "folders") {
    Print("cookies", store.SpecialFolder(rv::BrowserFolder::Cookies));
    Print("cache", store.SpecialFolder(rv::BrowserFolder::InternetCache));
    Print("history", store.SpecialFolder(rv::BrowserFolder::History));
    Print("windows", store.WindowsDirectory());
  } else if (command == "cache-add" && args.size() == 3) {
    Print("added", AddCacheEntry(args[1], args[2] == "cookie") ? "yes" : "no");
  } else if (command == "cache-list") {
    for (const rv::UrlCacheEntry& e : store.UrlCacheEntries()) {
      char type[16];
      std::snprintf(type, sizeof type, "%08lx", static_cast<unsigned long>(e.type));
      Print("entry", std::string(type) + " " + e.sourceUrl);
    }
  } else if (command == "clear") {
    rv::ClearBrowserTraces(app);
    Print("cleared", "yes");
  } else {
    std::fprintf(stderr, "unknown command\n");
    return 2;
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  if (argc < 2) {
    std::fprintf(stderr, "usage: netprobe COMMAND [ARGS]\n");
    return 2;
  }
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(rv::win32::Utf8(argv[i]));

  rv::win32::Win32Platform backends;
  rv::App app;
  app.platform = backends.platform();
  return Run(app, args);
}
