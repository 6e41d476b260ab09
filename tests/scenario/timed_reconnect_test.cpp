// The static line's timed reconnect loop.
#include <gtest/gtest.h>

#include <random>

#include "platform/sim/sim_ras.h"
#include "support/static_line.h"

namespace rv {
namespace {

using sim::DialScript;
using test::StaticLine;

constexpr const char* kCycles = "编辑框_连断计次";

// Connects with timed reconnection ticked and runs until the loop has begun;
// returns the time its first cycle started.
int64_t StartTimedLine(StaticLine& line, const char* period, bool record) {
  line.W().SetText("编辑框_连断时间秒", period);
  line.Tick("选择框_定时连断");
  line.Tick("选择框_记录每次连接ip", record);
  line.Click("按钮_连接");
  EXPECT_TRUE(line.world.RunUntil([&] { return line.Text(kCycles) == "1"; }, 10000));
  return line.Now();
}

TEST(TimedReconnect, EachCycleHoldsTheLineForThePeriod) {
  const struct {
    const char* period;
    bool record;
    int64_t hangUpAfter, redialAfter;
  } cases[] = {
      {"30", true, 25000, 30000},
      {"20", true, 15000, 20000},   // no wait for the period beyond the fixed ones
      {"30", false, 20000, 25000},
      {"20", false, 10000, 15000},
      {"29.9", true, 24000, 29000},  // the fraction is dropped
  };
  for (const auto& c : cases) {
    StaticLine line;
    const int64_t start = StartTimedLine(line, c.period, c.record);
    // The connect itself does not query in timed mode; the cycle does, 10 s in.
    line.world.Run(9999);
    EXPECT_TRUE(line.world.http.Requests().empty());
    line.world.Run(1);
    EXPECT_EQ(line.world.http.Requests().empty(), !c.record);
    ASSERT_TRUE(line.world.RunUntil([&] { return !line.world.ras.HangUps().empty(); }, 60000));
    EXPECT_EQ(line.Now() - start, c.hangUpAfter) << c.period << " " << c.record;
    EXPECT_EQ(line.Message(), "正在自动断开连接...");
    ASSERT_TRUE(line.world.RunUntil([&] { return line.world.ras.Dials().size() == 2; }, 60000));
    EXPECT_EQ(line.Now() - start, c.redialAfter) << c.period << " " << c.record;
    line.world.Run(0);
    EXPECT_EQ(line.Text(kCycles), "2");
    EXPECT_EQ(line.DialedSuffixes(), (std::vector<std::string>{"1", "1"}));
    // The next cycle holds the new connection as long.
    ASSERT_TRUE(line.world.RunUntil([&] { return line.world.ras.Dials().size() == 3; }, 60000));
    EXPECT_EQ(line.Now() - start, 2 * c.redialAfter);
    line.world.Run(0);
    EXPECT_EQ(line.Text(kCycles), "3");
  }
}

TEST(TimedReconnect, AFailedDialIsNoticedInTheNextCycleAndRetriedOnTheNextEntry) {
  StaticLine line;
  const int64_t start = StartTimedLine(line, "30", false);
  line.world.ras.SetScript(test::kServerAddress, DialScript::FailsAt(6, sim::kErrorAuthenticationFailure));
  ASSERT_TRUE(line.world.RunUntil([&] { return line.world.ras.Dials().size() == 2; }, 60000));
  line.world.ras.SetScript(test::kServerAddress, DialScript::Connects());
  ASSERT_TRUE(line.RunUntilMessage("本次连接失败！下一步进行中...", 20000));
  EXPECT_EQ(line.Now() - start, 25000 + 10000);
  EXPECT_EQ(line.Appended(), "\r\n本次连接失败！不查询ip\r\n");
  ASSERT_TRUE(line.world.RunUntil([&] { return line.world.ras.Dials().size() == 3; }, 60000));
  EXPECT_EQ(line.Now() - start, 25000 + 10000 + 7000 + 3000);
  EXPECT_EQ(line.DialedSuffixes(), (std::vector<std::string>{"1", "1", "2"}));
  EXPECT_TRUE(line.world.ras.Entry(EntryName("2")));
  const auto commands = line.world.process.Commands();
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0], "rasphone -h " + EntryName("1"));
  EXPECT_EQ(commands[1], "rasphone -r " + EntryName("1"));
  line.world.Run(0);
  EXPECT_EQ(line.Text(kCycles), "3");
  ASSERT_TRUE(line.world.RunUntil([&] { return line.world.ras.Dials().size() == 4; }, 60000));
  EXPECT_EQ(line.DialedSuffixes().back(), "2");
}

TEST(TimedReconnect, DisconnectEndsTheLoopAtItsNextStopTest) {
  StaticLine line;
  StartTimedLine(line, "30", true);
  line.world.Run(12000);  // inside the address query's wait
  line.Click("按钮_断开");
  ASSERT_TRUE(line.RunUntilMessage("注意：已手动停止并成功断开连接，请重新连接使用。", 2000));
  line.W().SetEnabled("编辑框_连断时间秒", false);
  ASSERT_TRUE(line.world.RunUntil([&] { return line.world.sched.LiveProgramThreads() == 1; }, 10000));
  EXPECT_TRUE(line.Enabled("编辑框_连断时间秒"));  // given back by the loop's stop test
  EXPECT_TRUE(line.Enabled("按钮_连接"));
  EXPECT_EQ(line.world.ras.Dials().size(), 1u);
}

// A day of timed reconnection against a service that fails dials and drops
// links at random.
TEST(TimedReconnectSoak, ADayOfRandomFailuresAndDropsEndsCleanlyOnDisconnect) {
  StaticLine line;
  StartTimedLine(line, "30", false);
  std::mt19937 random(20250305);
  for (int minute = 0; minute < 24 * 60; ++minute) {
    const unsigned pick = random() % 100;
    DialScript script = pick < 70   ? DialScript::Connects(100 + random() % 400)
                        : pick < 85 ? DialScript::FailsAt(5 + random() % 2, sim::kErrorAuthenticationFailure)
                        : pick < 93 ? DialScript::Connects().DropsAfter(random() % 40000)
                                    : DialScript::RefusedAtOnce(800);
    line.world.ras.SetScript(test::kServerAddress, script);
    if (random() % 10 == 0) line.world.ras.DropAt(line.world.ras.Dials().back().entry, random() % 60000);
    line.world.Run(60000);
    ASSERT_FALSE(line.world.sched.ProcessEnded());
  }
  const int cycles = std::atoi(line.Text(kCycles).c_str());
  EXPECT_GT(cycles, 2000);
  EXPECT_GT(line.world.ras.Dials().size(), 2000u);

  line.Click("按钮_断开");
  const int64_t clicked = line.Now();
  ASSERT_TRUE(line.world.RunUntil([&] { return line.world.sched.LiveProgramThreads() == 1; }, 30000));
  // The longest wait of the loop is the 10 s check wait (the period adds 10 s
  // at P = 30); the disconnect itself takes half a second.
  EXPECT_LE(line.Now() - clicked, 10500);
  EXPECT_EQ(line.Message(), "注意：已手动停止并成功断开连接，请重新连接使用。");
  const size_t dials = line.world.ras.Dials().size();
  line.world.Run(120000);
  EXPECT_EQ(line.world.ras.Dials().size(), dials);
  EXPECT_EQ(line.world.sched.LiveProgramThreads(), 1);
}

}  // namespace
}  // namespace rv
