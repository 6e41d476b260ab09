#include "platform/sim/sim_process.h"

namespace rv::sim {

bool SimProcess::StartHidden(const std::string& commandLine) {
  std::vector<CommandHandler> handlers;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    commands_.push_back(commandLine);
    handlers = handlers_;
  }
  for (auto& h : handlers)
    if (h(commandLine)) break;
  return true;
}

void SimProcess::AddHandler(CommandHandler handler) {
  std::lock_guard<std::mutex> lock(mutex_);
  handlers_.push_back(std::move(handler));
}

std::vector<std::string> SimProcess::Commands() {
  std::lock_guard<std::mutex> lock(mutex_);
  return commands_;
}

}  // namespace rv::sim
