#pragma once
// Threads, pauses and the clock. Every pause of the program goes through
// Runtime::Pause so that tests can run the real flows under virtual time.
#include <cstdint>
#include <functional>

namespace rv {

struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

class Runtime {
 public:
  virtual ~Runtime() = default;
  // Starts a detached worker; it is never joined.
  virtual void StartWorker(std::function<void()> routine) = 0;
  // Waits `ms` milliseconds while the calling thread keeps handling its
  // window messages. Always returns true.
  virtual bool Pause(int64_t ms) = 0;
  // Monotonic milliseconds.
  virtual int64_t NowMs() = 0;
  virtual LocalTime LocalNow() = 0;
  // Ends the process with the exit code; does not return.
  virtual void EndProcess(int code) = 0;
};

}  // namespace rv
