#pragma once
// Real threads and the real clock on the host, for what runs outside the
// simulated world: integration tests against the sandbox provider, tools.
// A pause has no window messages to handle here, so it simply sleeps.
#include "platform/runtime.h"

namespace rv {

class RuntimePosix final : public Runtime {
 public:
  void StartWorker(std::function<void()> routine) override;
  bool Pause(int64_t ms) override;
  int64_t NowMs() override;
  LocalTime LocalNow() override;
  void EndProcess(int code) override;
};

}  // namespace rv
