#pragma once
// Runs console programs of the 64-bit Windows build under Wine, in a Wine
// prefix of its own under /tmp that lives as long as the object; the prefix's
// wineserver is ended and the prefix removed at the end. Console programs
// need no display, so none is used.
#include <string>

namespace rv::test {

class WineConsole {
 public:
  WineConsole();
  ~WineConsole();
  WineConsole(const WineConsole&) = delete;
  WineConsole& operator=(const WineConsole&) = delete;

  bool ready() const { return ready_; }
  const std::string& error() const { return error_; }
  // Runs `exe` (a path on this machine) with `args` (no shell quoting is
  // applied: keep them free of spaces and quotes) and returns its standard output.
  std::string Run(const std::string& exe, const std::string& args);

 private:
  std::string Environment() const;

  std::string loader_, server_, prefix_, error_;
  bool ready_ = false;
};

}  // namespace rv::test
