#pragma once
// The shell for the simulated platform: records every target it is asked to
// open and accepts it, unless a test makes it refuse.
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/shell.h"

namespace rv::sim {

class SimShell final : public ShellApi {
 public:
  bool Open(const std::string& target) override;

  std::vector<std::string> Opened();
  void SetAccepts(bool accepts);
  // Called with each target as it is opened (before Open returns).
  void OnOpen(std::function<void(const std::string&)> observer);

 private:
  std::mutex mutex_;
  std::vector<std::string> opened_;
  bool accepts_ = true;
  std::function<void(const std::string&)> observer_;
};

}  // namespace rv::sim
