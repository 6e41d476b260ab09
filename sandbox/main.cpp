// rovanta-sandbox: a stand-in for the outside services the program talks to,
// served on 127.0.0.1. Options and commands: sandbox/README.md.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "sandbox/echo_commands.h"
#include "sandbox/ip_echo.h"

namespace {

using rv::sandbox::EchoTransport;

struct Options {
  int basePort = 0;
  EchoTransport transport = EchoTransport::Http;
  std::vector<std::string> commands;  // run before "ready"
};

int Usage() {
  std::fprintf(stderr,
               "usage: rovanta-sandbox [--base-port N] [--tls self-signed|expired]\n"
               "                       [--address ADDRESS [--region REGION]]\n"
               "                       [--mode ENDPOINT=MODE[:MS]]...\n");
  return 2;
}

bool Parse(int argc, char** argv, Options& o) {
  std::string address, region;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (i + 1 >= argc) return false;
    std::string value = argv[++i];
    if (arg == "--base-port") {
      o.basePort = std::atoi(value.c_str());
      if (o.basePort <= 0 || o.basePort > 65533) return false;
    } else if (arg == "--tls") {
      if (value == "self-signed") o.transport = EchoTransport::HttpsSelfSigned;
      else if (value == "expired") o.transport = EchoTransport::HttpsExpired;
      else return false;
    } else if (arg == "--address") {
      address = value;
    } else if (arg == "--region") {
      region = value;
    } else if (arg == "--mode") {
      size_t eq = value.find('='), colon = value.find(':');
      if (eq == std::string::npos) return false;
      std::string mode = value.substr(eq + 1, colon == std::string::npos ? std::string::npos : colon - eq - 1);
      std::string ms = colon == std::string::npos ? "" : " " + value.substr(colon + 1);
      o.commands.push_back("mode " + value.substr(0, eq) + " " + mode + ms);
    } else {
      return false;
    }
  }
  if (!address.empty()) o.commands.insert(o.commands.begin(), "address " + address + " " + region);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!Parse(argc, argv, options)) return Usage();
  rv::sandbox::IpEcho echo(options.transport);
  if (!echo.Start(options.basePort)) {
    std::fprintf(stderr, "rovanta-sandbox: cannot listen on 127.0.0.1\n");
    return 1;
  }
  for (const std::string& c : options.commands) {
    std::string reply = rv::sandbox::RunEchoCommand(echo, c);
    if (reply != "ok") {
      std::fprintf(stderr, "rovanta-sandbox: %s\n", reply.c_str());
      return 2;
    }
  }
  std::cout << "page-a " << echo.PageAUrl() << "\nframe " << echo.FrameUrl() << "\nservice-b "
            << echo.ServiceBUrl() << "\nready" << std::endl;
  for (std::string line; std::getline(std::cin, line);) {
    if (line == "quit") break;
    if (line.empty()) continue;
    std::cout << rv::sandbox::RunEchoCommand(echo, line) << std::endl;
  }
  echo.Stop();
  return 0;
}
