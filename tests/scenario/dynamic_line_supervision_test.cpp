// The supervision pieces that the dynamic window shares with the static one.
#include <gtest/gtest.h>

#include "app/connection_title.h"
#include "platform/sim/sim_ras.h"
#include "supervision/line_ops.h"
#include "supervision/link_monitor.h"
#include "support/world.h"

namespace rv {
namespace {

constexpr const char* kWin = "DynamicLineWindow";
constexpr const char* kList1 = "超级列表框_线路超级列表1";
constexpr const char* kList2 = "超级列表框_线路超级列表2";

class DynamicLine : public testing::Test {
 protected:
  void SetUp() override {
    world.Start(Edition::Dynamic);
    world.Type(kWin, "编辑框_用户名", "bob");
    world.Type(kWin, "编辑框_密码", "pw");
    world.Run(0);
  }
  Form& W() { return world.W(kWin); }
  std::string Message() { return world.Text(kWin, "编辑框_接收信息"); }
  // Dials the dynamic entry and, once it is up, starts its monitor.
  void ConnectAndMonitor() {
    world.app.state.dynamicServer.Set("10.9.0.1");
    world.OnUi([this] {
      WriteLineEntry(world.app, Line::Dynamic);
      DialLine(world.app, Line::Dynamic);
    });
    ASSERT_TRUE(world.RunUntilText(kWin, "编辑框_接收信息", "连接成功", 5000));
    world.app.StartWorker([this] { LinkMonitor(world.app, Line::Dynamic); });
    world.Run(100);
  }
  test::World world;
};

TEST_F(DynamicLine, ValidatorsResetToTheSameValuesAsTheStaticWindow) {
  world.Type(kWin, "编辑框_连断时间秒", "19.9999");
  world.Leave(kWin, "编辑框_连断时间秒");
  world.Type(kWin, "编辑框_监控时间秒", "0.00005");
  world.Leave(kWin, "编辑框_监控时间秒");
  world.Run(10);
  EXPECT_EQ(world.Text(kWin, "编辑框_连断时间秒"), "30");
  EXPECT_EQ(world.Text(kWin, "编辑框_监控时间秒"), "0.1");
  EXPECT_EQ(world.dialogs->Boxes().size(), 2u);
}

TEST_F(DynamicLine, DisconnectGivesBackTheServerListsToo) {
  for (const char* c : {"按钮_连接", kList1, kList2, "编辑框_监控时间秒", "编辑框_连断时间秒"}) W().SetEnabled(c, false);
  world.Click(kWin, "按钮_断开");
  world.Run(100);
  EXPECT_FALSE(W().Enabled("按钮_断开"));
  EXPECT_EQ(Message(), "注意：正在断开中...【还没断开完成不要点击连接！】");
  EXPECT_EQ(world.app.state.dynamicStop.load(), 1);
  world.Run(1000);
  EXPECT_EQ(Message(), "注意：已手动停止并成功断开连接，请重新连接使用。");
  for (const char* c : {"按钮_断开", "按钮_连接", kList1, kList2, "编辑框_监控时间秒", "编辑框_连断时间秒"})
    EXPECT_TRUE(W().Enabled(c)) << c;
  // Nothing was connected: the hang-ups are made all the same.
  EXPECT_EQ(world.ras.HangUps().size(), 1u);
  EXPECT_EQ(world.process.Commands(),
            (std::vector<std::string>{"rasphone -h " + EntryName("1"), "rasphone -r " + EntryName("1")}));
}

TEST_F(DynamicLine, TheMonitorReleasesTheListsOnADrop) {
  W().SetChecked("选择框_掉线重拨", false);  // ticked by the form
  ConnectAndMonitor();
  for (const char* c : {"按钮_连接", kList1, kList2}) W().SetEnabled(c, false);
  world.ras.DropConnection(EntryName("1"));
  ASSERT_TRUE(world.RunUntilText(kWin, "编辑框_接收信息",
                                 "注意：已断开连接！已回到本地连接ip，请重新【连接】换ip！", 5000));
  for (const char* c : {"按钮_连接", kList1, kList2}) EXPECT_TRUE(W().Enabled(c)) << c;
}

TEST_F(DynamicLine, TheAdvancedWindowsDropTestActsOnTheDynamicLine) {
  ConnectAndMonitor();
  world.OnUi([this] { world.app.forms.Load("AdvancedSettingsWindow"); });
  world.Run(10);
  world.Click("AdvancedSettingsWindow", "按钮_测试");
  ASSERT_TRUE(world.RunUntilText(
      kWin, "编辑框_接收信息", "注意：测试掉线完成，要测试掉线同时禁用本地网络的，必须勾选上【掉线断网】才有效！", 2000));
  EXPECT_EQ(world.app.state.dynamicStop.load(), 0);
  EXPECT_TRUE(world.ras.Connections().empty());
}

}  // namespace
}  // namespace rv
