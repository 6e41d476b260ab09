#pragma once
// Deterministic scheduler with virtual time. The UI thread, the workers and
// the simulated service threads are real threads, but only one of them runs
// at a time: a thread runs until it pauses, then the scheduler hands the turn
// to the runnable thread that has waited longest. Virtual time advances only
// when every thread waits, so a scenario replays the same way on every run and
// ten virtual minutes pass in milliseconds.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/runtime.h"

namespace rv::sim {

// Thrown inside a simulated thread when the process ends or the scheduler is
// torn down; it unwinds the thread's routine.
struct TaskAbort {};

class Scheduler final : public Runtime {
 public:
  explicit Scheduler(LocalTime start = {2025, 3, 5, 14, 0, 0});
  ~Scheduler() override;

  // Runtime
  void StartWorker(std::function<void()> routine) override;
  bool Pause(int64_t ms) override;
  int64_t NowMs() override;
  LocalTime LocalNow() override;
  void EndProcess(int code) override;

  // Starts a service thread: like a worker, but not counted as a program thread.
  void StartService(std::function<void()> routine);
  // Runs `action` on a service thread at virtual time now + delayMs.
  void At(int64_t delayMs, std::function<void()> action);

  // The UI thread: runs startup, then handles posted input until the process ends.
  void StartUi(std::function<void()> startup);
  // Queues user input for the UI thread (from the test or from any thread).
  void PostUi(std::function<void()> action);
  bool OnUiThread();

  // Test side: run the simulated threads.
  void RunFor(int64_t ms);
  // Runs until pred() holds (checked at every point of virtual time) or maxMs pass.
  bool RunUntil(const std::function<bool()>& pred, int64_t maxMs);
  // Ends every thread (each unwinds at its next pause) and waits for them.
  void Shutdown();

  bool ProcessEnded();
  int ExitCode();
  // Program threads (UI and workers) that have not ended.
  int LiveProgramThreads();

 private:
  struct Task;
  Task* Self();
  Task* NewTask(std::function<void()> routine, bool isUi, bool isService);
  void TaskMain(Task* task);
  bool Runnable(const Task* t) const;
  Task* PickLocked(bool stopBeforeAdvance);
  void YieldLocked(std::unique_lock<std::mutex>& lock, Task* self);
  void BlockLocked(std::unique_lock<std::mutex>& lock, Task* self, int64_t wakeAt, bool wantsEvents);
  bool RunStep(int64_t limit, bool stopBeforeAdvance);

  std::mutex mutex_;
  std::condition_variable driverCv_;
  std::vector<std::unique_ptr<Task>> tasks_;
  Task* current_ = nullptr;  // nullptr: the test driver holds the turn
  Task* ui_ = nullptr;
  std::deque<std::function<void()>> uiQueue_;
  int64_t now_ = 0;
  int64_t limit_ = 0;
  bool stopBeforeAdvance_ = false;
  uint64_t seq_ = 0;
  bool aborting_ = false;
  bool ended_ = false;
  int exitCode_ = 0;
  LocalTime start_;
};

}  // namespace rv::sim
