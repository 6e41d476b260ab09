#include "platform/sim/scheduler.h"

#include <limits>

namespace rv::sim {

namespace {
constexpr int64_t kNever = std::numeric_limits<int64_t>::max();
thread_local void* tlsTask = nullptr;
thread_local void* tlsOwner = nullptr;
}  // namespace

struct Scheduler::Task {
  std::function<void()> routine;
  std::thread thread;
  std::condition_variable cv;
  int64_t wakeAt = 0;
  uint64_t seq = 0;
  bool wantsEvents = false;
  bool isUi = false;
  bool isService = false;
  bool started = false;
  bool done = false;
};

Scheduler::Scheduler(LocalTime start) : start_(start) {}

Scheduler::~Scheduler() { Shutdown(); }

Scheduler::Task* Scheduler::Self() {
  return tlsOwner == this ? static_cast<Task*>(tlsTask) : nullptr;
}

Scheduler::Task* Scheduler::NewTask(std::function<void()> routine, bool isUi, bool isService) {
  auto task = std::make_unique<Task>();
  Task* t = task.get();
  t->routine = std::move(routine);
  t->isUi = isUi;
  t->isService = isService;
  t->wakeAt = now_;
  t->seq = ++seq_;
  tasks_.push_back(std::move(task));
  t->thread = std::thread([this, t] { TaskMain(t); });
  return t;
}

void Scheduler::TaskMain(Task* t) {
  tlsTask = t;
  tlsOwner = this;
  {
    std::unique_lock<std::mutex> lock(mutex_);
    t->cv.wait(lock, [&] { return current_ == t || aborting_; });
    t->started = true;
  }
  if (!aborting_) {
    try {
      t->routine();
    } catch (const TaskAbort&) {
    }
  }
  std::unique_lock<std::mutex> lock(mutex_);
  t->done = true;
  t->routine = nullptr;
  if (current_ == t) {
    Task* next = PickLocked(stopBeforeAdvance_);
    current_ = next;
    if (next)
      next->cv.notify_one();
    else
      driverCv_.notify_one();
  }
}

bool Scheduler::Runnable(const Task* t) const {
  if (t->done) return false;
  if (t->wakeAt <= now_) return true;
  return t->wantsEvents && !uiQueue_.empty();
}

// Chooses who runs next: the runnable thread that has waited longest; when
// none can run, virtual time moves to the earliest wake-up within the limit.
// nullptr hands the turn back to the test driver.
Scheduler::Task* Scheduler::PickLocked(bool stopBeforeAdvance) {
  if (aborting_) return nullptr;
  for (;;) {
    Task* best = nullptr;
    for (auto& up : tasks_) {
      Task* t = up.get();
      if (!Runnable(t)) continue;
      if (!best || t->seq < best->seq) best = t;
    }
    if (best) return best;
    int64_t next = kNever;
    for (auto& up : tasks_)
      if (!up->done && up->wakeAt < next) next = up->wakeAt;
    if (next == kNever || next > limit_ || stopBeforeAdvance) return nullptr;
    now_ = next;
  }
}

void Scheduler::YieldLocked(std::unique_lock<std::mutex>& lock, Task* self) {
  Task* next = PickLocked(stopBeforeAdvance_);
  if (next == self) return;
  current_ = next;
  if (next)
    next->cv.notify_one();
  else
    driverCv_.notify_one();
  self->cv.wait(lock, [&] { return current_ == self || aborting_; });
  if (aborting_) throw TaskAbort{};
}

void Scheduler::BlockLocked(std::unique_lock<std::mutex>& lock, Task* self, int64_t wakeAt,
                            bool wantsEvents) {
  self->wakeAt = wakeAt;
  self->wantsEvents = wantsEvents;
  self->seq = ++seq_;
  YieldLocked(lock, self);
  self->wantsEvents = false;
}

void Scheduler::StartWorker(std::function<void()> routine) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (aborting_) return;
  NewTask(std::move(routine), false, false);
}

void Scheduler::StartService(std::function<void()> routine) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (aborting_) return;
  NewTask(std::move(routine), false, true);
}

void Scheduler::At(int64_t delayMs, std::function<void()> action) {
  StartService([this, delayMs, action = std::move(action)] {
    if (delayMs > 0) Pause(delayMs);
    action();
  });
}

void Scheduler::StartUi(std::function<void()> startup) {
  std::lock_guard<std::mutex> lock(mutex_);
  ui_ = NewTask(
      [this, startup = std::move(startup)] {
        startup();
        Task* self = Self();
        for (;;) {
          std::function<void()> action;
          {
            std::unique_lock<std::mutex> lock(mutex_);
            while (uiQueue_.empty()) BlockLocked(lock, self, kNever, true);
            action = std::move(uiQueue_.front());
            uiQueue_.pop_front();
          }
          action();
        }
      },
      true, false);
}

void Scheduler::PostUi(std::function<void()> action) {
  std::lock_guard<std::mutex> lock(mutex_);
  uiQueue_.push_back(std::move(action));
}

bool Scheduler::OnUiThread() { return Self() != nullptr && Self() == ui_; }

bool Scheduler::Pause(int64_t ms) {
  Task* self = Self();
  if (!self) {  // the test driver pausing: let the simulated threads run meanwhile
    RunFor(ms < 0 ? 0 : ms);
    return true;
  }
  std::unique_lock<std::mutex> lock(mutex_);
  if (aborting_) throw TaskAbort{};
  const int64_t wakeAt = now_ + (ms < 0 ? 0 : ms);
  if (!self->isUi) {
    BlockLocked(lock, self, wakeAt, false);
    return true;
  }
  // The UI thread keeps handling input while it waits, as a message pump does.
  for (;;) {
    if (!uiQueue_.empty()) {
      auto action = std::move(uiQueue_.front());
      uiQueue_.pop_front();
      lock.unlock();
      action();
      lock.lock();
      continue;
    }
    BlockLocked(lock, self, wakeAt, true);
    if (now_ >= wakeAt && uiQueue_.empty()) return true;
  }
}

int64_t Scheduler::NowMs() {
  std::lock_guard<std::mutex> lock(mutex_);
  return now_;
}

LocalTime Scheduler::LocalNow() {
  int64_t seconds;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    seconds = now_ / 1000;
  }
  LocalTime t = start_;
  int64_t total = t.hour * 3600 + t.minute * 60 + t.second + seconds;
  t.day += static_cast<int>(total / 86400);  // scenarios stay within a month
  total %= 86400;
  t.hour = static_cast<int>(total / 3600);
  t.minute = static_cast<int>(total / 60 % 60);
  t.second = static_cast<int>(total % 60);
  return t;
}

void Scheduler::EndProcess(int code) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!ended_) {
      ended_ = true;
      exitCode_ = code;
    }
    aborting_ = true;
    for (auto& t : tasks_) t->cv.notify_one();
    driverCv_.notify_one();
  }
  if (Self()) throw TaskAbort{};
}

bool Scheduler::RunStep(int64_t limit, bool stopBeforeAdvance) {
  std::unique_lock<std::mutex> lock(mutex_);
  if (aborting_) return false;
  limit_ = limit;
  stopBeforeAdvance_ = stopBeforeAdvance;
  Task* next = PickLocked(stopBeforeAdvance);
  if (!next) return false;
  current_ = next;
  next->cv.notify_one();
  driverCv_.wait(lock, [&] { return current_ == nullptr || aborting_; });
  current_ = nullptr;
  // Threads that have ended leave the list, so that a long run (every dial
  // and every timed action is a thread) keeps the choice of the next thread cheap.
  std::vector<std::unique_ptr<Task>> ended;
  for (auto it = tasks_.begin(); it != tasks_.end();) {
    if ((*it)->done && it->get() != ui_) {
      ended.push_back(std::move(*it));
      it = tasks_.erase(it);
    } else {
      ++it;
    }
  }
  lock.unlock();
  for (auto& t : ended)
    if (t->thread.joinable()) t->thread.join();
  return true;
}

void Scheduler::RunFor(int64_t ms) {
  int64_t limit;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    limit = now_ + ms;
  }
  while (RunStep(limit, false)) {
  }
  std::lock_guard<std::mutex> lock(mutex_);
  if (now_ < limit) now_ = limit;
}

bool Scheduler::RunUntil(const std::function<bool()>& pred, int64_t maxMs) {
  int64_t limit;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    limit = now_ + maxMs;
  }
  for (;;) {
    while (RunStep(limit, true)) {
      if (pred()) return true;
    }
    if (pred()) return true;
    std::lock_guard<std::mutex> lock(mutex_);
    if (aborting_) return false;
    // Nothing can run now: advance to the next wake-up (or the limit).
    int64_t next = kNever;
    for (auto& up : tasks_)
      if (!up->done && up->wakeAt > now_ && up->wakeAt < next) next = up->wakeAt;
    if (next > limit) {
      now_ = limit;
      return false;
    }
    now_ = next;
  }
}

void Scheduler::Shutdown() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    aborting_ = true;
    for (auto& t : tasks_) t->cv.notify_one();
  }
  // Threads may start further threads while unwinding; join until none is left.
  for (size_t i = 0;; ++i) {
    std::thread th;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (i >= tasks_.size()) break;
      th = std::move(tasks_[i]->thread);
    }
    if (th.joinable()) th.join();
  }
}

bool Scheduler::ProcessEnded() {
  std::lock_guard<std::mutex> lock(mutex_);
  return ended_;
}

int Scheduler::ExitCode() {
  std::lock_guard<std::mutex> lock(mutex_);
  return exitCode_;
}

int Scheduler::LiveProgramThreads() {
  std::lock_guard<std::mutex> lock(mutex_);
  int n = 0;
  for (auto& t : tasks_)
    if (!t->done && !t->isService) ++n;
  return n;
}

}  // namespace rv::sim
