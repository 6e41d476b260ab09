// The static line's connect: validation, the connect attempt and the hand-over
// to a supervisor.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/sim/sim_ras.h"
#include "support/static_line.h"

namespace rv {
namespace {

using sim::DialScript;
using test::StaticLine;

constexpr const char* kConnect = "按钮_连接";
constexpr const char* kDisconnectButton = "按钮_断开";
constexpr const char* kDisconnected = "注意：已手动停止并成功断开连接，请重新连接使用。";
constexpr const char* kDialError = "注意：拨号出错，请点击【断开】再点击【修复故障】再连接使用！";

TEST(StaticConnect, EmptyFieldsAreRefusedWithANoticeAndNothingIsDialed) {
  const struct {
    const char* server;
    const char* user;
    const char* password;
    const char* notice;
  } cases[] = {
      {"", "alice", "secret", "请先填好【服务器地址】再连接！"},
      {"10.8.0.1", "", "secret", "用户名不能为空！"},
      {"10.8.0.1", "alice", "", "密码不能为空！"},
  };
  for (const auto& c : cases) {
    StaticLine line;
    line.W().SetText("编辑框_服务器地址", c.server);
    line.W().SetText("编辑框_用户名", c.user);
    line.W().SetText("编辑框_密码", c.password);
    line.world.app.state.staticStop = 1;
    line.Click(kConnect);
    line.world.Run(3000);
    const auto boxes = line.world.dialogs->Boxes();
    ASSERT_EQ(boxes.size(), 1u) << c.notice;
    EXPECT_EQ(boxes[0].text, c.notice);
    EXPECT_EQ(boxes[0].title, "特别提示");
    EXPECT_TRUE(line.world.ras.Dials().empty());
    EXPECT_TRUE(line.Enabled(kConnect));
    EXPECT_EQ(line.world.app.state.staticStop.load(), 0);
    EXPECT_EQ(line.world.app.state.staticServer.Get(), c.server);
  }
}

TEST(StaticConnect, TheBrowserIsClearedBeforeTheFieldsAreChecked) {
  for (bool ticked : {true, false}) {
    StaticLine line;
    const std::string cookie = line.world.browser->root() + "/Cookies/alice@example.txt";
    { std::ofstream(cookie) << "session"; }
    line.W().SetText("编辑框_服务器地址", "");
    line.Tick("选择框_IE缓存和cookie", ticked);
    line.Click(kConnect);
    line.world.Run(3000);
    EXPECT_EQ(line.world.dialogs->Boxes().size(), 1u);
    EXPECT_EQ(std::filesystem::exists(cookie), !ticked);
  }
}

TEST(StaticConnect, AServerOfSpacesPassesAndIsDialedTrimmed) {
  StaticLine line;
  line.W().SetText("编辑框_服务器地址", "   ");
  line.W().SetText("编辑框_用户名", " alice ");
  line.Click(kConnect);
  line.world.Run(2000);
  EXPECT_TRUE(line.world.dialogs->Boxes().empty());
  ASSERT_EQ(line.world.ras.Dials().size(), 1u);
  EXPECT_EQ(line.world.ras.Dials()[0].userName, "alice");
  EXPECT_EQ(line.world.ras.Entry(EntryName("1"))->server, "");
  EXPECT_EQ(line.world.app.state.staticServer.Get(), "   ");
}

TEST(StaticConnect, TheTunnelTypeComesFromTheFirstSelectedRadio) {
  const struct {
    const char* selected;  // nullptr: none selected
    uint32_t strategy;
    bool pptp, l2tp;
  } cases[] = {
      {"单选框_PPTP", 1, true, false},
      {"单选框_L2TP", 3, false, true},
      {"单选框_SSTP", 5, false, false},
      {nullptr, 1, false, false},  // the type of the start-up stays
  };
  for (const auto& c : cases) {
    StaticLine line;
    for (const char* r : {"单选框_PPTP", "单选框_L2TP", "单选框_SSTP"}) line.W().SetChecked(r, false);
    if (c.selected) line.W().SetChecked(c.selected, true);
    ASSERT_TRUE(line.ConnectAndWatch());
    EXPECT_EQ(line.world.ras.Entry(EntryName("1"))->vpnStrategy, c.strategy);
    EXPECT_EQ(line.W().Checked("单选框_PPTP"), c.pptp);
    EXPECT_EQ(line.W().Checked("单选框_L2TP"), c.l2tp);
  }
}

TEST(StaticConnect, ASuccessfulConnectHandsTheLineToTheMonitor) {
  StaticLine line;
  line.Click(kConnect);
  line.world.Run(100);
  EXPECT_FALSE(line.Enabled(kConnect));
  EXPECT_EQ(line.W().TextColor("编辑框_接收信息"), kBlack);
  ASSERT_TRUE(line.RunUntilMessage("已连接成功！正在每0.5秒检测一次，目前第1次正常！", 5000));
  const int64_t first = line.Now();
  ASSERT_TRUE(line.RunUntilMessage("已连接成功！正在每0.5秒检测一次，目前第5次正常！", 5000));
  EXPECT_EQ(line.Now() - first, 2000);
  EXPECT_EQ(line.Text("编辑框_监控计次"), "5");
  EXPECT_FALSE(line.Enabled(kConnect));
  EXPECT_FALSE(line.Enabled("编辑框_监控时间秒"));
  const uint32_t color = line.W().TextColor("编辑框_接收信息");
  EXPECT_TRUE(color == kRed || color == kPurple || color == kForestGreen) << color;
  EXPECT_EQ(line.world.ras.Dials().size(), 1u);
}

TEST(StaticConnect, WithRecordingTheNewAddressIsQueriedAndLogged) {
  StaticLine line;
  line.Tick("选择框_记录每次连接ip");
  line.Click(kConnect);
  ASSERT_TRUE(line.world.RunUntil([&] { return line.Appended() == test::kQueryLine; }, 5000));
  EXPECT_EQ(line.world.http.RequestedUrls().back(), test::kIpEchoB);
  line.world.Run(10000);
  EXPECT_EQ(line.Appended(), test::kQueryLine);  // once, after the connect
}

TEST(StaticConnect, AWrongPasswordShowsTheServiceTextAndPollsUntilDisconnect) {
  StaticLine line;
  line.world.ras.SetScript(test::kServerAddress, DialScript::FailsAt(5, sim::kErrorAuthenticationFailure));
  line.Click(kConnect);
  const std::string rejected = sim::SimRas::ErrorText(691);
  ASSERT_TRUE(line.RunUntilMessage(rejected, 5000));
  line.world.Run(30000);
  EXPECT_EQ(line.Message(), rejected);
  EXPECT_FALSE(line.Enabled(kConnect));
  EXPECT_EQ(line.world.ras.Dials().size(), 1u);

  line.Click(kDisconnectButton);
  ASSERT_TRUE(line.RunUntilMessage(kDisconnected, 5000));
  line.world.Run(20000);
  EXPECT_EQ(line.Message(), kDisconnected);  // the attempt wrote nothing after it
  EXPECT_TRUE(line.Enabled(kConnect));
  EXPECT_EQ(line.world.sched.LiveProgramThreads(), 1);  // the UI thread alone
}

// The disconnect gives 按钮_连接 back while the hidden phonebook tool it
// started is still at work on the entry: a connect clicked at once is cut by
// it, and the user is told so instead of seeing the first state text stay.
TEST(StaticConnect, AConnectAtOnceAfterADisconnectIsCutByThePhonebookToolAndSaysSo) {
  StaticLine line;
  ASSERT_TRUE(line.ConnectAndWatch());
  line.Click(kDisconnectButton);
  ASSERT_TRUE(line.world.RunUntil([&] { return line.Enabled(kConnect); }, 5000));
  line.Click(kConnect);
  const std::string cut = sim::SimRas::ErrorText(631);
  ASSERT_FALSE(cut.empty());
  ASSERT_TRUE(line.RunUntilMessage(cut, 5000));
  EXPECT_EQ(line.world.ras.Dials().size(), 2u);
  line.world.Run(10000);
  EXPECT_EQ(line.Message(), cut);  // the attempt polls on, as for any failed dial
  EXPECT_FALSE(line.Enabled(kConnect));

  line.Click(kDisconnectButton);
  ASSERT_TRUE(line.RunUntilMessage(kDisconnected, 5000));
  // Connected again once the tool is done.
  line.world.Run(1000);
  ASSERT_TRUE(line.ConnectAndWatch());
}

TEST(StaticConnect, NoStateTextASecondAfterDialingIsADialError) {
  // Texts a disconnect and a repair leave behind count as no report.
  for (const char* before : {"", kDisconnected, "自动修复故障已完成，请连接使用！"}) {
    StaticLine line;
    line.world.ras.SetScript(test::kServerAddress, DialScript::NeverAnswers());
    line.W().SetText("编辑框_接收信息", before);
    line.Click(kConnect);
    line.world.Run(999);
    EXPECT_EQ(line.Message(), before);
    line.world.Run(1);
    EXPECT_EQ(line.Message(), kDialError) << before;
    line.world.Run(20000);
    EXPECT_EQ(line.Message(), kDialError);
    EXPECT_FALSE(line.Enabled(kConnect));
    line.Click(kDisconnectButton);
    EXPECT_TRUE(line.RunUntilMessage(kDisconnected, 3000));
  }
}

TEST(StaticConnect, AConnectionGoneAtTheLookupIsASystemFault) {
  StaticLine line;
  line.world.ras.SetScript(test::kServerAddress, DialScript::Connects().DropsAfter(10));
  line.Click(kConnect);
  ASSERT_TRUE(line.RunUntilMessage("重要提醒：系统故障，请【重启电脑】再打开本软件连接使用！", 5000));
  line.world.Run(10000);
  EXPECT_FALSE(line.Enabled(kConnect));
  EXPECT_EQ(line.world.sched.LiveProgramThreads(), 1);
}

TEST(StaticConnect, WithTimedReconnectionTheLoopTakesTheLine) {
  StaticLine line;
  line.Tick("选择框_定时连断");
  line.Click(kConnect);
  ASSERT_TRUE(line.RunUntilMessage("连接成功，当前连接的服务器地址是【10.8.0.1】", 5000));
  line.world.Run(10);
  EXPECT_EQ(line.Text("编辑框_连断计次"), "1");
  EXPECT_FALSE(line.Enabled("编辑框_连断时间秒"));
  EXPECT_FALSE(line.Enabled("编辑框_监控时间秒"));
  line.world.Run(5000);
  EXPECT_EQ(line.Text("编辑框_监控计次"), "计次");  // no monitor runs
}

}  // namespace
}  // namespace rv
