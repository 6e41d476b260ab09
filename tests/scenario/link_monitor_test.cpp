// The link monitor of the static line: checks, drops, redials and release.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/sim/sim_ras.h"
#include "supervision/alarm.h"
#include "support/message_line_recorder.h"
#include "support/static_line.h"

namespace rv {
namespace {

using sim::DialScript;
using test::StaticLine;

constexpr const char* kBackToLocal = "注意：已断开连接！已回到本地连接ip，请重新【连接】换ip！";
constexpr const char* kNetworkCut = "注意：已断开连接！已禁用本地连接，请先【启用本地连接】再重新【连接】！";
constexpr const char* kRedialing = "注意：出现掉线情况，正在拼命为您重拨修复中...";
constexpr const char* kDisconnected = "注意：已手动停止并成功断开连接，请重新连接使用。";

int Count(StaticLine& line) { return std::atoi(line.Text("编辑框_监控计次").c_str()); }

TEST(LinkMonitor, OneFailedCheckIsRetriedAtOnceAndTheNextFailureIsADrop) {
  StaticLine line;
  ASSERT_TRUE(line.ConnectAndWatch());
  line.world.Run(2000);
  const int before = Count(line);
  line.checked.failChecks = 1;
  line.world.Run(3000);
  EXPECT_EQ(Count(line), before + 6);  // the retry found it up and counted on
  EXPECT_EQ(line.Message().rfind("已连接成功！", 0), 0u);
  EXPECT_FALSE(line.Enabled("按钮_连接"));

  line.world.Run(60 * 60 * 1000);  // however much later
  const int late = Count(line);
  line.checked.failChecks = 1;
  line.world.Run(500);
  EXPECT_EQ(line.Message(), kBackToLocal);
  EXPECT_EQ(Count(line), late);
  EXPECT_TRUE(line.Enabled("按钮_连接"));
  EXPECT_TRUE(line.Enabled("编辑框_监控时间秒"));
  EXPECT_EQ(line.W().TextColor("编辑框_接收信息"), kBlack);
}

TEST(LinkMonitor, ADropWithNothingTickedGivesTheLineBackWithoutHangingUp) {
  StaticLine line;
  ASSERT_TRUE(line.ConnectAndWatch());
  line.world.ras.DropAt(EntryName("1"), 1200);
  ASSERT_TRUE(line.RunUntilMessage(kBackToLocal, 3000));
  EXPECT_TRUE(line.Enabled("按钮_连接"));
  EXPECT_TRUE(line.world.ras.HangUps().empty());
  EXPECT_TRUE(line.world.process.Commands().empty());
  EXPECT_FALSE(AlarmPlaying(line.world.app));
  line.world.Run(100);
  EXPECT_EQ(line.world.sched.LiveProgramThreads(), 1);
}

TEST(LinkMonitor, FailingRedialsFromNineMoveOnToTenAndOne) {
  for (bool record : {false, true}) {
    StaticLine line;
    line.world.app.state.staticEntrySuffix.Set("9");
    line.Tick("选择框_掉线重拨");
    line.Tick("选择框_记录每次连接ip", record);
    line.Tick("选择框_定时连断", false);
    ASSERT_TRUE(line.ConnectAndWatch());
    line.world.ras.SetScript(test::kServerAddress, DialScript::FailsAt(5, sim::kErrorAuthenticationFailure));
    line.world.ras.DropConnection(EntryName("9"));
    ASSERT_TRUE(line.RunUntilMessage(kRedialing, 2000));
    // Three failed redials, then the fourth is on its way.
    line.world.RunUntil([&] { return line.world.ras.Dials().size() == 5; }, 120000);
    EXPECT_EQ(line.DialedSuffixes(), (std::vector<std::string>{"9", "9", "10", "1", "2"}));
    const std::string failed = record ? "\r\n【10.8.0.1】\r\n本次重拨连接失败！下一步进行中...\r\n连接失败不查询IP值，继续进行...\r\n"
                                      : "\r\n【10.8.0.1】\r\n本次重拨连接失败！下一步进行中...";
    // With recording ticked the connect's address query comes first.
    EXPECT_EQ(line.Appended(), (record ? test::kQueryLine : "") + failed + failed + failed + "\r\n【10.8.0.1】")
        << record;
    // Each failed cycle: 1 + 10 + 2 seconds, one more with recording.
    const auto hangUps = line.world.ras.HangUps();
    EXPECT_EQ(hangUps.size(), 3u);
    line.Click("按钮_断开");
    EXPECT_TRUE(line.RunUntilMessage(kDisconnected, 2000));
    line.world.Run(11000);
    EXPECT_EQ(line.world.sched.LiveProgramThreads(), 1);
  }
}

TEST(LinkMonitor, FailedRedialCycleTakesThirteenSecondsOrFourteenWithRecording) {
  for (bool record : {false, true}) {
    StaticLine line;
    line.Tick("选择框_掉线重拨");
    line.Tick("选择框_记录每次连接ip", record);
    ASSERT_TRUE(line.ConnectAndWatch());
    line.world.ras.SetScript(test::kServerAddress, DialScript::FailsAt(6, sim::kErrorAuthenticationFailure));
    line.world.ras.DropConnection(EntryName("1"));
    ASSERT_TRUE(line.world.RunUntil([&] { return line.world.ras.Dials().size() == 2; }, 5000));
    const int64_t first = line.Now();
    ASSERT_TRUE(line.world.RunUntil([&] { return line.world.ras.Dials().size() == 3; }, 30000));
    EXPECT_EQ(line.Now() - first, record ? 14000 : 13000);
  }
}

TEST(LinkMonitor, ASuccessfulRedialWithRecordingStartsANewMonitor) {
  StaticLine line;
  line.Tick("选择框_掉线重拨");
  line.Tick("选择框_记录每次连接ip");
  ASSERT_TRUE(line.ConnectAndWatch());
  line.world.ras.DropConnection(EntryName("1"));
  ASSERT_TRUE(line.RunUntilMessage("已重拨连接成功，继续进行监控中...", 15000));
  EXPECT_EQ(line.Appended(), std::string(test::kQueryLine) + "\r\n【10.8.0.1】\r\n已重拨连接成功，继续进行监控中...\r\n");
  // A new run counts from 1 again, and the new address is queried.
  line.W().SetText("编辑框_监控计次", "");
  ASSERT_TRUE(line.world.RunUntil([&] { return line.world.http.RequestedUrls().size() == 4; }, 2000));
  line.world.Run(600);
  EXPECT_EQ(line.Text("编辑框_监控计次"), "2");
  EXPECT_EQ(line.Appended(), std::string(test::kQueryLine) + "\r\n【10.8.0.1】\r\n已重拨连接成功，继续进行监控中...\r\n" +
                                 test::kQueryLine);
  line.world.Run(10000);
  EXPECT_EQ(line.Message().rfind("已连接成功！", 0), 0u);
  EXPECT_EQ(line.world.sched.LiveProgramThreads(), 2);  // the UI thread and one monitor
  EXPECT_EQ(line.world.ras.Dials().size(), 2u);
}

TEST(LinkMonitor, ASuccessfulRedialWithoutRecordingEndsTheMonitorSilently) {
  StaticLine line;
  line.Tick("选择框_掉线重拨");
  ASSERT_TRUE(line.ConnectAndWatch());
  line.world.ras.DropConnection(EntryName("1"));
  ASSERT_TRUE(line.world.RunUntil([&] { return line.world.ras.Dials().size() == 2; }, 5000));
  line.world.Run(30000);
  EXPECT_EQ(line.Message(), "连接成功");
  EXPECT_EQ(line.world.ras.Connections().size(), 1u);
  EXPECT_FALSE(line.Enabled("按钮_连接"));
  EXPECT_EQ(line.world.sched.LiveProgramThreads(), 1);
}

TEST(LinkMonitor, ADropWithTheNetworkCutTickedSoundsTheAlarmUntilStopped) {
  // Stopped by the disconnect, and by the mouse going down on the alarm box.
  for (bool byDisconnect : {true, false}) {
    StaticLine line;
    line.Click("选择框_是否断网");  // brings the alarm with it
    line.world.Run(0);
    ASSERT_TRUE(line.W().Checked("选择框_掉线音效"));
    line.world.net.Add("WLAN", 2);
    line.world.net.Add("本地连接", 2);
    ASSERT_TRUE(line.ConnectAndWatch());
    test::MessageLineRecorder texts(line.W());
    line.world.ras.DropConnection(EntryName("1"));
    // The cut runs beside the monitor and reports its own texts after ours.
    ASSERT_TRUE(line.RunUntilMessage("禁用本地WLAN【即WIFI】和禁用本地连接都已完成！", 5000));
    const auto shown = texts.Texts();
    const auto ours = std::find(shown.begin(), shown.end(), kNetworkCut);
    EXPECT_NE(ours, shown.end());
    EXPECT_NE(std::find(ours, shown.end(), "禁用无线连接WLAN【即WIFI】和本地连接正在进行中..."), shown.end());
    EXPECT_EQ(line.world.net.Actions(), (std::vector<std::string>{"disable WLAN", "disable 本地连接"}));
    EXPECT_TRUE(line.Enabled("按钮_连接"));
    line.world.Run(60000);
    EXPECT_TRUE(AlarmPlaying(line.world.app));
    const size_t played = line.world.midi.MessageCount();
    EXPECT_GT(played, 100u);
    if (byDisconnect)
      line.Click("按钮_断开");
    else
      line.world.MouseDown(test::kStatic, "选择框_掉线音效");
    line.world.Run(1000);
    EXPECT_FALSE(AlarmPlaying(line.world.app));
    EXPECT_FALSE(line.world.midi.IsOpen());
    const size_t atStop = line.world.midi.MessageCount();
    line.world.Run(10000);
    EXPECT_EQ(line.world.midi.MessageCount(), atStop);
    EXPECT_EQ(line.world.sched.LiveProgramThreads(), 1);
  }
}

TEST(LinkMonitor, DisconnectDuringTheWaitAfterARedialEndsTheRunAtItsNextStopTest) {
  StaticLine line;
  line.Tick("选择框_掉线重拨");
  ASSERT_TRUE(line.ConnectAndWatch());
  line.world.ras.SetScript(test::kServerAddress, DialScript::NeverAnswers());
  line.world.ras.DropConnection(EntryName("1"));
  ASSERT_TRUE(line.world.RunUntil([&] { return line.world.ras.Dials().size() == 2; }, 5000));
  const int64_t redialed = line.Now();
  line.world.Run(3000);
  line.Click("按钮_断开");
  ASSERT_TRUE(line.RunUntilMessage(kDisconnected, 2000));
  EXPECT_TRUE(line.Enabled("按钮_连接"));
  // The disconnect gave the period box back; the run gives it back once more
  // when it sees the stop at the end of its wait.
  line.W().SetEnabled("编辑框_连断时间秒", false);
  line.world.RunUntil([&] { return line.Enabled("编辑框_连断时间秒"); }, 20000);
  EXPECT_EQ(line.Now() - redialed, 10000);
  EXPECT_EQ(line.Message(), kDisconnected);
  line.world.Run(1);
  EXPECT_EQ(line.world.sched.LiveProgramThreads(), 1);
  EXPECT_EQ(line.world.ras.Dials().size(), 2u);
}

TEST(DropTest, TheMonitorSeesARealDropAndActsAsTicked) {
  for (bool redial : {true, false}) {
    StaticLine line;
    line.Tick("选择框_掉线重拨", redial);
    ASSERT_TRUE(line.ConnectAndWatch());
    line.Click("按钮_测试");
    // The monitor finds the link down within its interval; the test's text
    // comes half a second after the hang-up, whichever was first.
    ASSERT_TRUE(line.RunUntilMessage(
        "注意：测试掉线完成，要测试掉线同时断开本地连接的，必须勾选上【掉线断网】才有效！", 1000));
    EXPECT_EQ(line.world.app.state.staticStop.load(), 0);
    line.world.Run(3000);
    EXPECT_EQ(line.world.ras.Dials().size(), redial ? 2u : 1u);
    EXPECT_EQ(line.Enabled("按钮_连接"), !redial);
  }
}

}  // namespace
}  // namespace rv
