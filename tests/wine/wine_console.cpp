#include "wine/wine_console.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace rv::test {

namespace {

std::string FirstExisting(std::initializer_list<const char*> paths) {
  for (const char* p : paths)
    if (access(p, X_OK) == 0) return p;
  return {};
}

std::string Capture(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  pclose(pipe);
  return out;
}

}  // namespace

WineConsole::WineConsole() {
  loader_ = FirstExisting({"/usr/lib/wine/wine64", "/usr/bin/wine64", "/usr/bin/wine"});
  server_ = FirstExisting({"/usr/lib/wine/wineserver64", "/usr/lib/wine/wineserver", "/usr/bin/wineserver"});
  if (loader_.empty() || server_.empty()) {
    error_ = "no 64-bit Wine loader or wineserver found";
    return;
  }
  char dir[] = "/tmp/rovanta-wine-XXXXXX";
  if (!mkdtemp(dir)) {
    error_ = "cannot make a Wine prefix folder";
    return;
  }
  prefix_ = dir;
  // wineboot returns before its services are done; wineserver -w waits for them.
  Capture(Environment() + " " + loader_ + " wineboot -i >/dev/null 2>&1; " + Environment() + " " +
          server_ + " -w");
  ready_ = std::filesystem::exists(prefix_ + "/drive_c/windows/system32");
  if (!ready_) error_ = "wineboot did not make the prefix " + prefix_;
}

WineConsole::~WineConsole() {
  if (prefix_.empty()) return;
  Capture(Environment() + " " + server_ + " -k >/dev/null 2>&1");
  std::error_code ignored;
  std::filesystem::remove_all(prefix_, ignored);
}

std::string WineConsole::Environment() const {
  // No display, no installer prompts for components the tests do not use.
  return "env -u DISPLAY WINEPREFIX=" + prefix_ + " WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=";
}

std::string WineConsole::Run(const std::string& exe, const std::string& args) {
  return Capture(Environment() + " " + loader_ + " " + exe + " " + args + " 2>/dev/null");
}

}  // namespace rv::test
