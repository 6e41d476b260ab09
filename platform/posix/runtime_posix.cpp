#include "platform/posix/runtime_posix.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <thread>

namespace rv {

void RuntimePosix::StartWorker(std::function<void()> routine) { std::thread(std::move(routine)).detach(); }

bool RuntimePosix::Pause(int64_t ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
  return true;
}

int64_t RuntimePosix::NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

LocalTime RuntimePosix::LocalNow() {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

void RuntimePosix::EndProcess(int code) { std::_Exit(code); }

}  // namespace rv
