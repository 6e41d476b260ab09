#include "platform/sim/scheduler.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <vector>

namespace rv::sim {
namespace {

TEST(Scheduler, VirtualTimeAdvancesOnlyWhenEveryThreadWaits) {
  Scheduler s;
  std::vector<std::string> log;
  std::mutex m;
  auto note = [&](std::string t) {
    std::lock_guard<std::mutex> lock(m);
    log.push_back(std::to_string(s.NowMs()) + " " + t);
  };
  s.StartWorker([&] {
    note("a0");
    s.Pause(300);
    note("a300");
    s.Pause(200);
    note("a500");
  });
  s.StartWorker([&] {
    note("b0");
    s.Pause(400);
    note("b400");
  });
  s.RunFor(1000);
  EXPECT_EQ(log, (std::vector<std::string>{"0 a0", "0 b0", "300 a300", "400 b400", "500 a500"}));
  EXPECT_EQ(s.NowMs(), 1000);
  EXPECT_EQ(s.LiveProgramThreads(), 0);
}

TEST(Scheduler, TenVirtualMinutesTakeFarLessThanASecond) {
  Scheduler s;
  std::atomic<int> ticks{0};
  s.StartWorker([&] {
    for (int i = 0; i < 600; ++i) {
      s.Pause(1000);
      ++ticks;
    }
  });
  auto t0 = std::chrono::steady_clock::now();
  s.RunFor(10 * 60 * 1000);
  auto real = std::chrono::steady_clock::now() - t0;
  EXPECT_EQ(ticks, 600);
  EXPECT_LT(real, std::chrono::seconds(1));
}

TEST(Scheduler, UiThreadHandlesInputWhileItWaits) {
  Scheduler s;
  std::vector<std::string> log;
  s.StartUi([&] {
    log.push_back("wait");
    s.Pause(5000);
    log.push_back("waited " + std::to_string(s.NowMs()));
  });
  s.RunFor(1000);
  s.PostUi([&] { log.push_back("click " + std::to_string(s.NowMs())); });
  s.RunFor(10000);
  EXPECT_EQ(log, (std::vector<std::string>{"wait", "click 1000", "waited 5000"}));
}

TEST(Scheduler, ZeroWaitLetsOthersRunOnce) {
  Scheduler s;
  std::vector<int> order;
  s.StartWorker([&] {
    order.push_back(1);
    s.Pause(0);
    order.push_back(3);
  });
  s.StartWorker([&] { order.push_back(2); });
  s.RunFor(0);
  EXPECT_EQ(order, (std::vector<int>{1, 2, 3}));
}

TEST(Scheduler, RunUntilStopsAtTheFirstTimeThePredicateHolds) {
  Scheduler s;
  std::atomic<int> value{0};
  s.StartWorker([&] {
    for (;;) {
      s.Pause(250);
      ++value;
    }
  });
  EXPECT_TRUE(s.RunUntil([&] { return value == 3; }, 10000));
  EXPECT_EQ(s.NowMs(), 750);
  EXPECT_FALSE(s.RunUntil([&] { return value == 100; }, 1000));
  EXPECT_EQ(s.NowMs(), 1750);
}

TEST(Scheduler, EndProcessUnwindsEveryThread) {
  Scheduler s;
  std::atomic<bool> reachedAfterEnd{false};
  s.StartWorker([&] {
    for (;;) s.Pause(100);
  });
  s.StartWorker([&] {
    s.Pause(1000);
    s.EndProcess(0);
    reachedAfterEnd = true;
  });
  s.RunFor(5000);
  EXPECT_TRUE(s.ProcessEnded());
  EXPECT_FALSE(reachedAfterEnd);
  s.Shutdown();
  EXPECT_EQ(s.LiveProgramThreads(), 0);
}

TEST(Scheduler, SameScenarioSameOrderEveryRun) {
  auto run = [] {
    Scheduler s;
    std::string trace;
    std::mutex m;
    for (int k = 0; k < 4; ++k) {
      s.StartWorker([&, k] {
        for (int i = 0; i < 5; ++i) {
          {
            std::lock_guard<std::mutex> lock(m);
            trace += static_cast<char>('a' + k);
          }
          s.Pause((k * 37 + i * 11) % 50);
        }
      });
    }
    s.RunFor(10000);
    return trace;
  };
  std::string first = run();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(run(), first);
}

}  // namespace
}  // namespace rv::sim
