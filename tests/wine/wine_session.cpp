#include "wine/wine_session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

extern char** environ;

namespace rv::wine {

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

std::string WineLoader() {
  for (const char* p : {"/usr/lib/wine/wine64", "/usr/bin/wine64", "/usr/bin/wine"})
    if (access(p, X_OK) == 0) return p;
  return {};
}

std::string WineServer() {
  for (const char* p : {"/usr/lib/wine/wineserver", "/usr/lib/wine/wineserver64", "/usr/bin/wineserver"})
    if (access(p, X_OK) == 0) return p;
  return "wineserver";
}

std::string Win64Dir() { return ROVANTA_WIN64_DIR; }

// Starts argv with env; stdin from /dev/null unless `in` >= 0, stdout and
// stderr to `out` (or the log file `log`). Children die with the test binary.
pid_t Spawn(const std::vector<std::string>& argv, const std::vector<std::string>& env, int in, int out,
            const std::string& log, const std::string& workDir, int extraFd = -1, int extraAs = -1) {
  std::vector<char*> args, envp;
  for (auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  for (auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);
  const pid_t parent = getpid();
  pid_t pid = fork();
  if (pid != 0) return pid;
  prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (getppid() != parent) _exit(127);
  int null = open("/dev/null", O_RDWR);
  int logFd = log.empty() ? null : open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  dup2(in >= 0 ? in : null, 0);
  dup2(out >= 0 ? out : logFd, 1);
  dup2(logFd, 2);
  if (extraFd >= 0) dup2(extraFd, extraAs);
  for (int fd = 3; fd < 1024; ++fd)
    if (fd != extraAs) close(fd);
  if (!workDir.empty() && chdir(workDir.c_str()) != 0) _exit(127);
  execve(args[0], args.data(), envp.data());
  _exit(127);
}

std::optional<int> WaitPid(pid_t pid, int timeoutMs) {
  const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    int status = 0;
    pid_t r = waitpid(pid, &status, WNOHANG);
    if (r == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (r < 0) return -1;
    if (Clock::now() >= end) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

// Runs a helper to its end; -1 when it had to be killed after timeoutMs.
int RunToEnd(const std::vector<std::string>& argv, const std::vector<std::string>& env, int timeoutMs,
             const std::string& log = {}) {
  pid_t pid = Spawn(argv, env, -1, -1, log, {});
  if (pid < 0) return -1;
  std::optional<int> code = WaitPid(pid, timeoutMs);
  if (code) return *code;
  kill(pid, SIGKILL);
  WaitPid(pid, 5000);
  return -1;
}

std::vector<std::string> HostEnvironment() {
  std::vector<std::string> out;
  for (char** e = environ; *e; ++e) {
    std::string v = *e;
    if (v.rfind("WINEPREFIX=", 0) == 0 || v.rfind("DISPLAY=", 0) == 0 || v.rfind("WINEDEBUG=", 0) == 0 ||
        v.rfind("WINEDLLOVERRIDES=", 0) == 0)
      continue;
    out.push_back(v);
  }
  return out;
}

std::vector<std::string> WineEnv(const std::string& prefix, const std::string& display, const EnvVars& extra) {
  EnvVars vars = {{"WINEPREFIX", prefix},
                  {"DISPLAY", display},
                  {"WINEDEBUG", "-all"},
                  {"WINEDLLOVERRIDES", "mscoree,mshtml="}};
  for (auto& [k, v] : extra) vars[k] = v;
  std::vector<std::string> env = HostEnvironment();
  for (auto& [k, v] : vars) env.push_back(k + "=" + v);
  return env;
}

// The prefix template: made once per build folder, then copied per run.
// Wine draws the window frames itself (there is no window manager on Xvfb)
// and its caption font gets a CJK face, so titles are legible in screenshots.
std::string PrepareTemplate(const std::string& display, std::string* error) {
  const std::string cache = ROVANTA_WINE_CACHE_DIR;
  if (fs::exists(cache + "/system.reg")) return cache;
  const std::string tmp = cache + ".tmp-" + std::to_string(getpid());
  fs::remove_all(tmp);
  fs::create_directories(fs::path(tmp).parent_path());
  const std::string log = cache + ".log";
  auto env = WineEnv(tmp, display, {});
  const std::string wine = WineLoader();
  if (RunToEnd({wine, "wineboot", "-i"}, env, 240000, log) != 0) {
    *error = "wineboot failed, see " + log;
    return {};
  }
  RunToEnd({wine, "reg", "add", "HKCU\\Software\\Wine\\X11 Driver", "/v", "Managed", "/d", "N", "/f"}, env, 60000, log);
  RunToEnd({wine, "reg", "add", "HKCU\\Software\\Wine\\Fonts\\Replacements", "/v", "Tahoma", "/d",
            "WenQuanYi Zen Hei", "/f"}, env, 60000, log);
  RunToEnd({WineServer(), "-w"}, env, 60000, log);
  std::error_code ec;
  fs::rename(tmp, cache, ec);
  if (ec) fs::remove_all(tmp);  // another run made it meanwhile
  return cache;
}

// Copies the template; the system DLLs, never written, are hard links.
bool CopyPrefix(const std::string& from, const std::string& to) {
  const std::string script =
      "cp -al \"$1\" \"$2\" && find \"$2\" -path \"$2/drive_c/windows/system32\" -prune -o -type f -print0 | "
      "xargs -0 -r -n 64 sh -c 'for f; do cp -p \"$f\" \"$f.rvcopy\" && mv -f \"$f.rvcopy\" \"$f\"; done' _";
  return RunToEnd({"/bin/sh", "-c", script, "sh", from, to}, HostEnvironment(), 120000) == 0;
}

}  // namespace

// ---- WineHost ------------------------------------------------------------------

WineHost& WineHost::Get() {
  static WineHost host;
  return host;
}

WineHost::WineHost() { Start(); }

void WineHost::Start() {
  if (WineLoader().empty()) {
    error_ = "wine64 is not installed (bash scripts/setup.sh)";
    return;
  }
  if (access("/usr/bin/Xvfb", X_OK) != 0) {
    error_ = "Xvfb is not installed (bash scripts/setup.sh)";
    return;
  }
  char dir[] = "/tmp/rovanta-wine-XXXXXX";
  if (!mkdtemp(dir)) {
    error_ = "cannot make a temporary folder";
    return;
  }
  runDir_ = dir;
  int fds[2];
  if (pipe(fds) != 0) {
    error_ = "pipe";
    return;
  }
  xvfb_ = Spawn({"/usr/bin/Xvfb", "-displayfd", "3", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"},
                HostEnvironment(), -1, -1, runDir_ + "/xvfb.log", {}, fds[1], 3);
  close(fds[1]);
  std::string number;
  pollfd p{fds[0], POLLIN, 0};
  const auto end = Clock::now() + std::chrono::seconds(20);
  while (number.find('\n') == std::string::npos && Clock::now() < end) {
    if (poll(&p, 1, 200) <= 0) continue;
    char c[16];
    ssize_t n = read(fds[0], c, sizeof c);
    if (n <= 0) break;
    number.append(c, static_cast<size_t>(n));
  }
  close(fds[0]);
  if (number.find('\n') == std::string::npos) {
    error_ = "Xvfb did not start, see " + runDir_ + "/xvfb.log";
    return;
  }
  display_ = ":" + number.substr(0, number.find('\n'));
  std::string templ = PrepareTemplate(display_, &error_);
  if (templ.empty()) return;
  prefix_ = runDir_ + "/prefix";
  if (!CopyPrefix(templ, prefix_)) error_ = "cannot copy the Wine prefix";
}

WineHost::~WineHost() {
  if (!prefix_.empty()) RunToEnd({WineServer(), "-k"}, WineEnv(prefix_, display_, {}), 20000);
  if (xvfb_ > 0) {
    kill(xvfb_, SIGTERM);
    if (!WaitPid(xvfb_, 5000)) {
      kill(xvfb_, SIGKILL);
      WaitPid(xvfb_, 5000);
    }
  }
  if (!runDir_.empty() && !std::getenv("ROVANTA_KEEP_WINE_RUN")) fs::remove_all(runDir_);
}

std::string WineHost::NewFolder(const std::string& stem) {
  std::string dir = runDir_ + "/" + stem + "-" + std::to_string(++folders_);
  fs::create_directories(dir);
  return dir;
}

std::vector<std::string> WineHost::Environment(const EnvVars& extra) const {
  return WineEnv(prefix_, display_, extra);
}

// ---- WineProcess ---------------------------------------------------------------

WineProcess::WineProcess(const std::string& program, const std::vector<std::string>& args, const EnvVars& env,
                         bool withPipes, const std::string& workDir) {
  WineHost& host = WineHost::Get();
  std::vector<std::string> argv = {WineLoader(), program};
  argv.insert(argv.end(), args.begin(), args.end());
  int toChild[2] = {-1, -1}, fromChild[2] = {-1, -1};
  if (withPipes && (pipe2(toChild, O_CLOEXEC) != 0 || pipe2(fromChild, O_CLOEXEC) != 0)) return;
  const std::string log = host.NewFolder("log") + "/" + fs::path(program).filename().string() + ".log";
  pid_ = Spawn(argv, host.Environment(env), toChild[0], fromChild[1], log, workDir);
  if (withPipes) {
    close(toChild[0]);
    close(fromChild[1]);
    in_ = toChild[1];
    out_ = fromChild[0];
    signal(SIGPIPE, SIG_IGN);
  }
}

WineProcess::~WineProcess() {
  Kill();
  if (in_ >= 0) close(in_);
  if (out_ >= 0) close(out_);
}

std::optional<int> WineProcess::Wait(int timeoutMs) {
  if (!exitCode_ && pid_ > 0) exitCode_ = WaitPid(pid_, timeoutMs);
  return exitCode_;
}

bool WineProcess::Running() { return pid_ > 0 && !Wait(0); }

void WineProcess::Kill() {
  if (!Running()) return;
  kill(pid_, SIGKILL);
  Wait(5000);
}

bool WineProcess::WriteLine(const std::string& line) {
  std::string bytes = line + "\n";
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(in_, bytes.data() + done, bytes.size() - done);
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool WineProcess::ReadLine(std::string* line, int timeoutMs) {
  const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    size_t nl = buffered_.find('\n');
    if (nl != std::string::npos) {
      *line = buffered_.substr(0, nl);
      buffered_.erase(0, nl + 1);
      if (!line->empty() && line->back() == '\r') line->pop_back();
      return true;
    }
    int left = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count());
    if (left <= 0) return false;
    pollfd p{out_, POLLIN, 0};
    if (poll(&p, 1, std::min(left, 500)) <= 0) continue;
    char buffer[65536];
    ssize_t n = read(out_, buffer, sizeof buffer);
    if (n <= 0) return false;
    buffered_.append(buffer, static_cast<size_t>(n));
  }
}

// ---- Driver ----------------------------------------------------------------------

std::string DriverReply::Value(const std::string& key) const {
  for (const std::string& l : lines)
    if (l.size() > key.size() && l.compare(0, key.size(), key) == 0 && l[key.size()] == '=')
      return Unescape(l.substr(key.size() + 1));
  return {};
}

int DriverReply::Int(const std::string& key) const { return std::atoi(Value(key).c_str()); }

Driver::Driver() : process_(std::make_unique<WineProcess>(Win64Dir() + "/rvdriver.exe", std::vector<std::string>{}, EnvVars{}, true)) {}

DriverReply Driver::Call(const std::string& command, int timeoutMs) {
  DriverReply reply;
  if (!process_->WriteLine(command)) {
    reply.error = "driver not running";
    return reply;
  }
  const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
  std::string line;
  for (;;) {
    int left = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count());
    if (left <= 0 || !process_->ReadLine(&line, left)) {
      reply.error = "no answer to: " + command;
      return reply;
    }
    if (line == "ok") {
      reply.ok = true;
      return reply;
    }
    if (line.rfind("error", 0) == 0) {
      reply.error = line.size() > 6 ? line.substr(6) : "error";
      return reply;
    }
    reply.lines.push_back(line);
  }
}

std::string WindowsPath(const std::string& unixPath) { return "Z:" + fs::absolute(unixPath).string(); }

std::string ArtifactDir() {
  fs::create_directories(ROVANTA_ARTIFACT_DIR);
  return ROVANTA_ARTIFACT_DIR;
}

// ---- WineSession -------------------------------------------------------------------

void WineSession::SetUp() {
  ASSERT_TRUE(fs::exists(Win64Dir() + "/Rovanta.exe") && fs::exists(Win64Dir() + "/rvdriver.exe"))
      << "build the 64-bit program first: cmake --preset win64 && cmake --build build/win64";
  host_ = &WineHost::Get();
  if (!host_->ok()) GTEST_SKIP() << host_->error();
  driver_ = std::make_unique<Driver>();
  ASSERT_TRUE(driver_->started());
}

void WineSession::TearDown() {
  driver_.reset();
  program_.reset();
}

std::string PrepareProgramFolder(WineHost& host, const std::string& edition, const ProgramFiles& files) {
  const std::string dir = host.NewFolder("app");
  fs::copy_file(Win64Dir() + "/Rovanta.exe", dir + "/Rovanta.exe");
  if (!edition.empty()) std::ofstream(dir + "/edition.txt") << edition << "\n";
  for (const auto& [name, content] : files) {
    const fs::path path = fs::path(dir) / name;  // a name may hold sub-folders ("sandbox/network.txt")
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << content;
  }
  return dir;
}

void WineSession::StartProgram(const std::string& edition, const EnvVars& env, const ProgramFiles& files) {
  appDir_ = PrepareProgramFolder(*host_, edition, files);
  program_ = std::make_unique<WineProcess>(appDir_ + "/Rovanta.exe", std::vector<std::string>{}, env, false, appDir_);
  ASSERT_TRUE(program_->started());
}

DriverReply WineSession::WaitWindow(const std::string& titleOrName, int timeoutMs) {
  return Call("wait-window " + Escape(titleOrName) + " " + std::to_string(timeoutMs), timeoutMs + 10000);
}

}  // namespace rv::wine
