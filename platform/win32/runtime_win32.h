#pragma once
// Threads, the responsive pause and the clock on Windows.
#include "platform/runtime.h"

namespace rv::win32 {

class RuntimeWin32 final : public Runtime {
 public:
  // Detached thread through CreateThread; its handle is closed at once.
  void StartWorker(std::function<void()> routine) override;
  // The pumping wait: an auto-reset waitable timer and MsgWaitForMultipleObjects,
  // handling this thread's messages on every other return.
  bool Pause(int64_t ms) override;
  int64_t NowMs() override;
  LocalTime LocalNow() override;
  void EndProcess(int code) override;
};

// Handles every message waiting for the calling thread. A WM_QUIT taken out
// of the queue is put back so that the outer message loop still sees it.
void PumpPendingMessages();

}  // namespace rv::win32
