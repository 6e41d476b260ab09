#pragma once
// Process start in the program's sandbox mode: the phonebook tool
// ("rasphone -h NAME", "rasphone -r NAME") and "ipconfig /release" or
// "/renew" act on the sandbox provider, which plays the default phonebook
// and the local addresses; any other command line is started for real.
#include <string>

#include "platform/http.h"
#include "platform/process.h"

namespace rv {

class SandboxProcess final : public ProcessApi {
 public:
  static constexpr int kRequestMs = 3000;

  // real: the platform's own process start, for every other command line.
  SandboxProcess(ProcessApi& real, HttpApi& http, std::string provider);

  // The provider's tools are "started" once it has taken the command; like
  // the real tools they act a moment later, whatever the program does next.
  bool StartHidden(const std::string& commandLine) override;

 private:
  bool Ask(const std::string& path, const std::string& param, const std::string& value);

  ProcessApi& real_;
  HttpApi& http_;
  const std::string provider_;
};

}  // namespace rv
