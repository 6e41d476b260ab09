#include "sandbox/echo_commands.h"

#include <sstream>

namespace rv::sandbox {

namespace {

std::string ModeCommand(IpEcho& echo, std::istringstream& in) {
  std::string endpointName, modeName;
  int ms = 0;
  in >> endpointName >> modeName;
  EchoEndpoint endpoint;
  EchoMode mode;
  if (!ParseEchoEndpoint(endpointName, endpoint)) return "error: unknown endpoint '" + endpointName + "'";
  if (!ParseEchoMode(modeName, mode)) return "error: unknown mode '" + modeName + "'";
  if (!(in >> ms)) ms = 0;
  if (ms < 0) return "error: negative delay";
  echo.SetMode(endpoint, mode, ms);
  return "ok";
}

std::string AddressCommand(IpEcho& echo, std::istringstream& in) {
  std::string address, region;
  in >> address;
  if (address.empty()) return "error: address missing";
  std::getline(in >> std::ws, region);
  echo.SetAddress(address, region);
  return "ok";
}

std::string RequestsListing(IpEcho& echo) {
  std::string out;
  for (const auto& r : echo.Requests()) {
    out += std::string("request ") + EchoEndpointName(r.endpoint) + "\n" + r.raw;
    if (!r.raw.ends_with("\n")) out += "\n";
  }
  return out + "end";
}

}  // namespace

std::string RunEchoCommand(IpEcho& echo, const std::string& line) {
  std::istringstream in(line);
  std::string verb;
  in >> verb;
  if (verb == "mode") return ModeCommand(echo, in);
  if (verb == "address") return AddressCommand(echo, in);
  if (verb == "requests") return RequestsListing(echo);
  if (verb == "clear") {
    echo.ClearRequests();
    return "ok";
  }
  return "error: unknown command '" + verb + "'";
}

}  // namespace rv::sandbox
