#pragma once
// Hidden process start for the simulated platform: every command line is
// recorded; commands a simulated service understands ("rasphone -h NAME",
// "ipconfig /release" ...) are handed to it, as the real tools would act.
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/process.h"

namespace rv::sim {

class SimProcess final : public ProcessApi {
 public:
  // A handler returns true when it took the command.
  using CommandHandler = std::function<bool(const std::string& commandLine)>;

  bool StartHidden(const std::string& commandLine) override;
  void AddHandler(CommandHandler handler);
  std::vector<std::string> Commands();

 private:
  std::mutex mutex_;
  std::vector<std::string> commands_;
  std::vector<CommandHandler> handlers_;
};

}  // namespace rv::sim
