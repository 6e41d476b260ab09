#include "platform/sandbox/sandbox_net_connections.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/utf8_path.h"

namespace rv {

namespace {

constexpr size_t kMaxFileBytes = 64 * 1024;
constexpr int32_t kConnected = 2, kDisconnected = 0;

bool SameIgnoringAsciiCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::string QueriedConnectionName(const std::string& wql) {
  static const std::string kKey = "NetConnectionID='";
  size_t at = wql.find(kKey);
  if (at == std::string::npos) return {};
  std::string name;
  for (size_t i = at + kKey.size(); i < wql.size(); ++i) {
    if (wql[i] == '\\' && i + 1 < wql.size()) {
      name += wql[++i];
    } else if (wql[i] == '\'') {
      return name;
    } else {
      name += wql[i];
    }
  }
  return {};  // no closing quote
}

SandboxNetConnections::SandboxNetConnections(std::string folder) : path_(std::move(folder) + "/network.txt") {}

std::vector<SandboxNetConnections::Adapter> SandboxNetConnections::ReadLocked() {
  std::ifstream in(Utf8Path(path_), std::ios::binary);
  if (!in) return {{"WLAN", kConnected}, {"本地连接", kConnected}};
  std::string text(kMaxFileBytes, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(static_cast<size_t>(in.gcount()));
  std::vector<Adapter> adapters;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    char* end = nullptr;
    long status = std::strtol(line.c_str(), &end, 10);
    if (end == line.c_str() || *end != ' ' || status < -1 || status > 12) continue;
    std::string name = end + 1;
    if (!name.empty()) adapters.push_back({name, static_cast<int32_t>(status)});
  }
  return adapters;
}

bool SandboxNetConnections::WriteLocked(const std::vector<Adapter>& adapters) {
  std::ofstream out(Utf8Path(path_), std::ios::binary | std::ios::trunc);
  for (const Adapter& a : adapters) out << a.status << ' ' << a.name << "\r\n";
  return static_cast<bool>(out);
}

std::vector<SandboxNetConnections::Adapter> SandboxNetConnections::Adapters() {
  std::lock_guard<std::mutex> lock(mutex_);
  return ReadLocked();
}

bool SandboxNetConnections::WmiConnect(const std::string& nameSpace) {
  std::lock_guard<std::mutex> lock(mutex_);
  connected_ = SameIgnoringAsciiCase(nameSpace, "root\\cimv2");
  return connected_;
}

bool SandboxNetConnections::WmiExecQuery(const std::string& wql) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!connected_) return false;
  results_.clear();
  next_ = 0;
  // WQL compares texts without regard to ASCII case.
  const std::string name = QueriedConnectionName(wql);
  for (const Adapter& a : ReadLocked())
    if (SameIgnoringAsciiCase(a.name, name)) results_.push_back(a.status);
  return true;
}

bool SandboxNetConnections::WmiNextInteger(const std::string& property, int32_t* value) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (next_ >= results_.size()) return false;
  *value = property == "NetConnectionStatus" ? results_[next_] : 0;
  ++next_;
  return true;
}

void SandboxNetConnections::WmiRelease() {
  std::lock_guard<std::mutex> lock(mutex_);
  connected_ = false;
  results_.clear();
  next_ = 0;
}

bool SandboxNetConnections::VisitShellConnections(
    const std::function<ShellAction(const ShellConnection&)>& visit) {
  std::vector<Adapter> adapters;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    adapters = ReadLocked();
  }
  // The visitor pumps messages: no lock is held while it runs.
  for (Adapter& a : adapters) {
    ShellAction action = visit({a.name, a.status});
    if (action == ShellAction::Next) continue;
    if (action == ShellAction::Stop) return true;
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<Adapter> now = ReadLocked();
    for (Adapter& n : now)
      if (n.name == a.name) n.status = action == ShellAction::ConnectAndStop ? kConnected : kDisconnected;
    WriteLocked(now);
    return true;
  }
  return true;
}

}  // namespace rv
