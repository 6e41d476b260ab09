#include "platform/sim/sim_shell.h"

namespace rv::sim {

bool SimShell::Open(const std::string& target) {
  std::function<void(const std::string&)> observer;
  bool accepts;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    opened_.push_back(target);
    observer = observer_;
    accepts = accepts_;
  }
  if (observer) observer(target);
  return accepts;
}

std::vector<std::string> SimShell::Opened() {
  std::lock_guard<std::mutex> lock(mutex_);
  return opened_;
}

void SimShell::SetAccepts(bool accepts) {
  std::lock_guard<std::mutex> lock(mutex_);
  accepts_ = accepts;
}

void SimShell::OnOpen(std::function<void(const std::string&)> observer) {
  std::lock_guard<std::mutex> lock(mutex_);
  observer_ = std::move(observer);
}

}  // namespace rv::sim
