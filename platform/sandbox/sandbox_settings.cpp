#include "platform/sandbox/sandbox_settings.h"

#include <cctype>
#include <sstream>

namespace rv {

namespace {

std::string Trim(const std::string& s) {
  size_t begin = s.find_first_not_of(" \t\r\n");
  if (begin == std::string::npos) return {};
  return s.substr(begin, s.find_last_not_of(" \t\r\n") - begin + 1);
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool Absolute(const std::string& path) {
  return path.rfind("\\", 0) == 0 || path.rfind("/", 0) == 0 || (path.size() > 1 && path[1] == ':');
}

std::string Url(int port, const char* path) { return "http://127.0.0.1:" + std::to_string(port) + path; }

}  // namespace

int LoopbackPort(const std::string& url) {
  static const std::string kHead = "http://127.0.0.1:";
  if (url.rfind(kHead, 0) != 0) return 0;
  size_t i = kHead.size();
  long port = 0;
  size_t digits = 0;
  for (; i < url.size() && std::isdigit(static_cast<unsigned char>(url[i])) && digits < 6; ++i, ++digits)
    port = port * 10 + (url[i] - '0');
  if (digits == 0 || port < 1 || port > 65535) return 0;
  if (i < url.size() && url[i] != '/') return 0;
  return static_cast<int>(port);
}

SandboxSettings ParseSandboxSettings(const std::string& iniText, const std::string& programDir) {
  std::string text = iniText.substr(0, kMaxSandboxFileBytes);
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);
  SandboxSettings s;
  std::string enabled, provider, folder, pageA, serviceB;
  bool inSection = false;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    line = Trim(line);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[') {
      inSection = Lower(Trim(line.substr(1, line.find(']') - 1))) == "sandbox";
      continue;
    }
    size_t eq = line.find('=');
    if (!inSection || eq == std::string::npos) continue;
    const std::string key = Lower(Trim(line.substr(0, eq))), value = Trim(line.substr(eq + 1));
    if (key == "enabled") enabled = Lower(value);
    else if (key == "provider") provider = value;
    else if (key == "folder") folder = value;
    else if (key == "ipechopagea") pageA = value;
    else if (key == "ipechoserviceb") serviceB = value;
  }
  s.enabled = !(enabled == "0" || enabled == "no" || enabled == "false" || enabled == "off");
  // Only a provider on this machine: the sandbox never sends an account elsewhere.
  int port = LoopbackPort(provider);
  if (!port) port = kDefaultSandboxPort;
  s.provider = Url(port, "");
  s.ipEchoPageA = LoopbackPort(pageA) ? pageA : Url(port + 1, "/");
  s.ipEchoServiceB = LoopbackPort(serviceB) ? serviceB : Url(port + 3, "/getip.aspx");
  if (folder.empty()) folder = "sandbox";
  s.folder = Absolute(folder) ? folder : programDir + "\\" + folder;
  while (s.folder.size() > 1 && (s.folder.back() == '\\' || s.folder.back() == '/')) s.folder.pop_back();
  return s;
}

}  // namespace rv
