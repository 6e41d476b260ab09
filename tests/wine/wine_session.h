#pragma once
// Runs the Windows programs under Wine for end-to-end tests.
//
//   WineHost     one Xvfb display and one Wine prefix per test binary run
//                (the prefix is a copy of a template made once with
//                `wineboot -i` and cached in the build folder); ended when
//                the test binary exits.
//   WineProcess  one Windows program under wine64, optionally with pipes.
//   Driver       rvdriver.exe: commands in, result lines and "ok"/"error" out.
//   WineSession  gtest fixture: a fresh program folder per test, the program
//                and a driver; skips when Wine, Xvfb or the 64-bit build is missing.
#include <gtest/gtest.h>
#include <sys/types.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tools/driver/line_escape.h"

namespace rv::wine {

using EnvVars = std::map<std::string, std::string>;

class WineHost {
 public:
  // Started on first use; check ok() (error() says why not).
  static WineHost& Get();
  ~WineHost();

  bool ok() const { return error_.empty(); }
  const std::string& error() const { return error_; }
  const std::string& display() const { return display_; }
  const std::string& prefix() const { return prefix_; }
  // A fresh folder under this run's temporary folder.
  std::string NewFolder(const std::string& stem);
  // Environment of a Wine process: this run's prefix and display, quiet logs,
  // no Mono or Gecko installers; `extra` added or overriding.
  std::vector<std::string> Environment(const EnvVars& extra) const;

 private:
  WineHost();
  void Start();
  std::string error_;
  std::string runDir_, prefix_, display_;
  pid_t xvfb_ = -1;
  int folders_ = 0;
};

class WineProcess {
 public:
  // Starts `program` (a Unix path to an .exe) with `args` under wine64.
  WineProcess(const std::string& program, const std::vector<std::string>& args, const EnvVars& env,
              bool withPipes, const std::string& workDir = {});
  ~WineProcess();  // kills the program if it still runs
  WineProcess(const WineProcess&) = delete;
  WineProcess& operator=(const WineProcess&) = delete;

  pid_t pid() const { return pid_; }
  bool started() const { return pid_ > 0; }
  // The exit code, or nullopt when it has not ended within timeoutMs.
  std::optional<int> Wait(int timeoutMs);
  bool Running();
  void Kill();
  bool WriteLine(const std::string& line);
  // One line of the program's standard output; false on time-out or end.
  bool ReadLine(std::string* line, int timeoutMs);

 private:
  pid_t pid_ = -1;
  int in_ = -1, out_ = -1;
  std::string buffered_;
  std::optional<int> exitCode_;
};

struct DriverReply {
  bool ok = false;
  std::string error;
  std::vector<std::string> lines;
  // The value of a "key=value" line (unescaped), empty when absent.
  std::string Value(const std::string& key) const;
  int Int(const std::string& key) const;
};

class Driver {
 public:
  Driver();
  bool started() const { return process_ && process_->started(); }
  DriverReply Call(const std::string& command, int timeoutMs = 60000);

 private:
  std::unique_ptr<WineProcess> process_;
};

// Text escapes of the driver's lines.
using driver_line::Escape;
using driver_line::Unescape;
// Z:/... path of a Unix path, as the Windows programs see it.
std::string WindowsPath(const std::string& unixPath);
// Folder for screenshots and other files the tests leave behind.
std::string ArtifactDir();

// Files written beside the program before it starts: name (sub-folders
// allowed, "sandbox/network.txt"), content.
using ProgramFiles = std::map<std::string, std::string>;

// A fresh program folder holding a copy of Rovanta.exe, edition.txt with
// `edition` (none when empty) and `files`; returns its path.
std::string PrepareProgramFolder(WineHost& host, const std::string& edition, const ProgramFiles& files);

class WineSession : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Copies Rovanta.exe into a fresh folder with edition.txt holding
  // `edition` ("static" or "dynamic"; empty writes no file) and `files`, and starts it.
  void StartProgram(const std::string& edition = "static", const EnvVars& env = {},
                    const ProgramFiles& files = {});
  // Waits for the visible window and selects it in the driver.
  DriverReply WaitWindow(const std::string& titleOrName, int timeoutMs = 30000);
  DriverReply Call(const std::string& command, int timeoutMs = 60000) { return driver_->Call(command, timeoutMs); }
  // Exit code of the program, nullopt while it runs past timeoutMs.
  std::optional<int> WaitExit(int timeoutMs) { return program_->Wait(timeoutMs); }

  WineHost* host_ = nullptr;
  std::string appDir_;
  std::unique_ptr<WineProcess> program_;
  std::unique_ptr<Driver> driver_;
};

}  // namespace rv::wine
