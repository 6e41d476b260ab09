#include "platform/sandbox/sandbox_platform.h"

#include <filesystem>

#include "platform/utf8_path.h"

namespace rv {

namespace {

// The folder, made when missing; "/" joins work on every system.
std::string Prepared(const std::string& folder) {
  std::error_code ec;
  std::filesystem::create_directories(Utf8Path(folder), ec);
  return folder;
}

}  // namespace

SandboxPlatform::SandboxPlatform(const Platform& real, const SandboxSettings& settings)
    : settings_(settings),
      ras_(*real.http, *real.runtime, settings.provider),
      process_(*real.process, *real.http, settings.provider),
      net_(Prepared(settings.folder)),
      browser_(Prepared(settings.folder + "/browser")) {
  browser_.CreateLayout();
}

void SandboxPlatform::Apply(Platform& platform, Config& config) {
  platform.ras = &ras_;
  platform.process = &process_;
  platform.netConnections = &net_;
  platform.browserStore = &browser_;
  config.ipEchoPageA = settings_.ipEchoPageA;
  config.ipEchoServiceB = settings_.ipEchoServiceB;
}

}  // namespace rv
