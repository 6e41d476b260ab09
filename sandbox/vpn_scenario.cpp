#include "sandbox/vpn_scenario.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

namespace rv::sandbox {

namespace {

bool Integer(const std::string& text, int64_t* value) {
  if (text.empty()) return false;
  char* end = nullptr;
  long long v = std::strtoll(text.c_str(), &end, 10);
  if (*end != 0 || v < 0 || v > (1LL << 40)) return false;
  *value = v;
  return true;
}

// Decimal seconds to milliseconds.
bool Seconds(const std::string& text, int64_t* ms) {
  if (text.empty()) return false;
  char* end = nullptr;
  double s = std::strtod(text.c_str(), &end);
  if (*end != 0 || !std::isfinite(s) || s < 0 || s > 1e9) return false;
  *ms = static_cast<int64_t>(std::llround(s * 1000));
  return true;
}

std::string RestOfLine(std::istringstream& in) {
  std::string rest;
  std::getline(in >> std::ws, rest);
  while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\r')) rest.pop_back();
  return rest;
}

std::string ServerDirective(VpnService& vpn, std::istringstream& in) {
  std::string host;
  if (!(in >> host)) return "error: server needs a host name";
  ServerBehaviour b;
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& w = words[i];
    auto value = [&](int64_t* out, bool seconds) {
      return i + 1 < words.size() && (seconds ? Seconds(words[i + 1], out) : Integer(words[i + 1], out)) &&
             (++i, true);
    };
    auto optionalCode = [&] {
      int64_t code = 0;
      if (i + 1 < words.size() && Integer(words[i + 1], &code)) {
        b.error = static_cast<uint32_t>(code);
        ++i;
      }
    };
    if (w == "accept") {
      b.answer = ServerAnswer::Accept;
    } else if (w == "reject") {
      b.answer = ServerAnswer::Reject;
      optionalCode();
    } else if (w == "silent") {
      b.answer = ServerAnswer::Silent;
    } else if (w == "refuse") {
      b.answer = ServerAnswer::Refuse;
      optionalCode();
    } else if (w == "delay") {
      if (!value(&b.delayMs, false)) return "error: delay needs milliseconds";
    } else if (w == "step") {
      if (!value(&b.stepMs, false)) return "error: step needs milliseconds";
    } else if (w == "drop-after") {
      if (!value(&b.dropAfterMs, true)) return "error: drop-after needs seconds";
    } else if (w == "drop-random") {
      size_t dash = i + 1 < words.size() ? words[i + 1].find('-') : std::string::npos;
      if (dash == std::string::npos || !Seconds(words[i + 1].substr(0, dash), &b.dropMinMs) ||
          !Seconds(words[i + 1].substr(dash + 1), &b.dropMaxMs) || b.dropMaxMs < b.dropMinMs)
        return "error: drop-random needs MIN-MAX seconds";
      ++i;
    } else {
      return "error: unknown server word '" + w + "'";
    }
  }
  vpn.SetServer(host, b);
  return "ok";
}

std::string AddressDirective(std::istringstream& in, PublicAddress* out) {
  std::string address;
  if (!(in >> address)) return "error: an address is missing";
  *out = {address, RestOfLine(in)};
  return "ok";
}

std::string DropDirective(VpnService& vpn, std::istringstream& in) {
  std::string what;
  in >> what;
  int n = 0;
  if (what == "all") {
    n = vpn.DropAll();
  } else if (what == "entry") {
    std::string name = RestOfLine(in);
    if (name.empty()) return "error: drop entry needs a name";
    n = vpn.DropEntry(name);
  } else if (what == "handle") {
    int64_t h = 0;
    std::string text;
    in >> text;
    if (!Integer(text, &h)) return "error: drop handle needs a number";
    n = vpn.Drop(static_cast<uint64_t>(h));
  } else {
    return "error: drop all | drop entry NAME | drop handle H";
  }
  return "dropped " + std::to_string(n) + "\nok";
}

std::string ToolsListing(VpnService& vpn) {
  std::string out;
  for (const ToolCommand& t : vpn.ToolCommands()) out += std::to_string(t.atMs) + " " + t.command + "\n";
  return out + "end";
}

}  // namespace

std::string ConnectionsListing(VpnService& vpn) {
  std::string out;
  for (const ConnectionRecord& c : vpn.Connections()) {
    out += std::to_string(c.handle) + " " + LinkStatusName(c.status) + " entry=" + c.entry +
           " server=" + c.server + " user=" + c.user + " address=" + c.assigned.address + " region=" +
           c.assigned.region + " dial=" + std::to_string(c.dialMs) + " connected=" +
           std::to_string(c.connectedMs) + " ended=" + std::to_string(c.endedMs) +
           " error=" + std::to_string(c.error) + "\n";
  }
  return out + "end";
}

std::optional<std::string> RunVpnDirective(VpnService& vpn, const std::string& line) {
  std::istringstream in(line);
  std::string verb;
  in >> verb;
  if (verb == "account") {
    std::string user, password;
    if (!(in >> user >> password)) return "error: account needs a user name and a password";
    vpn.AddAccount(user, password);
    return "ok";
  }
  if (verb == "any-account") {
    vpn.ClearAccounts();
    return "ok";
  }
  if (verb == "server") return ServerDirective(vpn, in);
  if (verb == "pool" || verb == "home") {
    PublicAddress a;
    std::string reply = AddressDirective(in, &a);
    if (reply != "ok") return reply;
    if (verb == "pool") vpn.AddPoolAddress(a);
    else vpn.SetHome(a);
    return reply;
  }
  if (verb == "repeat" || verb == "tool-delay" || verb == "seed") {
    int64_t n = 0;
    std::string text;
    in >> text;
    if (!Integer(text, &n)) return "error: " + verb + " needs a number";
    if (verb == "repeat") vpn.SetRepeatEvery(static_cast<int>(std::min<int64_t>(n, 1 << 20)));
    else if (verb == "tool-delay") vpn.SetToolDelay(n);
    else vpn.Seed(static_cast<uint32_t>(n));
    return "ok";
  }
  if (verb == "entry") {
    std::string name = RestOfLine(in);
    if (name.empty()) return "error: entry needs a name";
    vpn.AddDefaultEntry(name);
    return "ok";
  }
  if (verb == "drop") return DropDirective(vpn, in);
  if (verb == "connections") return ConnectionsListing(vpn);
  if (verb == "tools") return ToolsListing(vpn);
  return std::nullopt;
}

bool LoadScenario(VpnService& vpn, const std::string& text, std::string* error) {
  std::istringstream in(text);
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (size_t hash = line.find('#'); hash != std::string::npos) line.erase(hash);
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    std::optional<std::string> reply = RunVpnDirective(vpn, line);
    if (!reply) reply = "error: unknown directive";
    if (reply->rfind("error", 0) == 0) {
      if (error) *error = "line " + std::to_string(number) + ": " + reply->substr(7);
      return false;
    }
  }
  return true;
}

void LoadDefaultScenario(VpnService& vpn) {
  vpn.AddAccount(kDefaultUser, kDefaultPassword);
}

}  // namespace rv::sandbox
