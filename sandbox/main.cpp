// rovanta-sandbox: a stand-in for the outside services the program talks to,
// served on 127.0.0.1. Options, scenario and commands: sandbox/README.md.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "sandbox/provider.h"
#include "sandbox/vpn_scenario.h"

namespace {

using rv::sandbox::EchoTransport;

struct Options {
  int port = rv::sandbox::kDefaultProviderPort;
  EchoTransport transport = EchoTransport::Http;
  std::string scenarioFile;
  std::vector<std::string> commands;  // run after the scenario, before "ready"
  bool readCommands = true;
};

int Usage() {
  std::fprintf(stderr,
               "usage: rovanta-sandbox [--port N] [--scenario FILE] [-e DIRECTIVE]...\n"
               "                       [--tls self-signed|expired] [--mode ENDPOINT=MODE[:MS]]...\n"
               "                       [--no-stdin]\n");
  return 2;
}

bool Parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "--no-stdin") {
      o.readCommands = false;
      continue;
    }
    if (i + 1 >= argc) return false;
    std::string value = argv[++i];
    if (arg == "--port") {
      char* end = nullptr;
      long port = std::strtol(value.c_str(), &end, 10);
      if (*end || port < 0 || port > 65532) return false;
      o.port = static_cast<int>(port);
    } else if (arg == "--scenario") {
      o.scenarioFile = value;
    } else if (arg == "-e") {
      o.commands.push_back(value);
    } else if (arg == "--tls") {
      if (value == "self-signed") o.transport = EchoTransport::HttpsSelfSigned;
      else if (value == "expired") o.transport = EchoTransport::HttpsExpired;
      else return false;
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
  return true;
}

bool ReadScenario(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream all;
  all << in.rdbuf();
  *text = all.str();
  return true;
}

// Without commands on standard input the provider runs until it is told to stop.
void WaitForStopSignal() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGHUP);
  int sig = 0;
  sigwait(&set, &sig);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!Parse(argc, argv, options)) return Usage();
  if (!options.readCommands) {
    // Blocked before any thread starts, so that only sigwait takes them.
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
  }
  rv::sandbox::Provider provider(options.transport);
  if (options.scenarioFile.empty()) {
    rv::sandbox::LoadDefaultScenario(provider.vpn());
  } else {
    std::string text, error;
    if (!ReadScenario(options.scenarioFile, &text)) {
      std::fprintf(stderr, "rovanta-sandbox: cannot read %s\n", options.scenarioFile.c_str());
      return 2;
    }
    if (!rv::sandbox::LoadScenario(provider.vpn(), text, &error)) {
      std::fprintf(stderr, "rovanta-sandbox: %s: %s\n", options.scenarioFile.c_str(), error.c_str());
      return 2;
    }
  }
  if (!provider.Start(options.port)) {
    std::fprintf(stderr, "rovanta-sandbox: cannot listen on 127.0.0.1 (port %d and the three after it)\n",
                 options.port);
    return 1;
  }
  for (const std::string& c : options.commands) {
    std::string reply = provider.RunCommand(c);
    if (reply.rfind("error", 0) == 0) {
      std::fprintf(stderr, "rovanta-sandbox: %s: %s\n", c.c_str(), reply.c_str());
      return 2;
    }
  }
  rv::sandbox::IpEcho& echo = provider.echo();
  std::cout << "vpn " << provider.Url() << "\npage-a " << echo.PageAUrl() << "\nframe " << echo.FrameUrl()
            << "\nservice-b " << echo.ServiceBUrl() << "\nready" << std::endl;
  if (!options.readCommands) {
    WaitForStopSignal();
  } else {
    for (std::string line; std::getline(std::cin, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line == "quit") break;
      if (line.empty()) continue;
      std::cout << provider.RunCommand(line) << std::endl;
    }
  }
  provider.Stop();
  return 0;
}
