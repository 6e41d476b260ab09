#include "platform/sandbox/sandbox_process.h"

#include "platform/sandbox/sandbox_wire.h"

namespace rv {

SandboxProcess::SandboxProcess(ProcessApi& real, HttpApi& http, std::string provider)
    : real_(real), http_(http), provider_(std::move(provider)) {}

bool SandboxProcess::Ask(const std::string& path, const std::string& param, const std::string& value) {
  auto reply = sandbox_wire::ParseReply(
      http_.Get(sandbox_wire::Url(provider_, path, {{param, value}}), {}, kRequestMs));
  return reply && !reply->empty() && reply->front().size() == 2 && reply->front()[0] == "result" &&
         reply->front()[1] == "0";
}

bool SandboxProcess::StartHidden(const std::string& commandLine) {
  static const std::string kHangUp = "rasphone -h ", kRemove = "rasphone -r ";
  // The tool takes the rest of the line as the entry name, as it was typed.
  if (commandLine.rfind(kHangUp, 0) == 0)
    return Ask("/ras/hangup-entry", "entry", commandLine.substr(kHangUp.size()));
  if (commandLine.rfind(kRemove, 0) == 0)
    return Ask("/ras/remove-entry", "entry", commandLine.substr(kRemove.size()));
  if (commandLine == "ipconfig /release") return Ask("/net/ipconfig", "op", "release");
  if (commandLine == "ipconfig /renew") return Ask("/net/ipconfig", "op", "renew");
  return real_.StartHidden(commandLine);
}

}  // namespace rv
