// Start-up defaults, the exits with their hang-ups, the notice box and the
// responsive wait, on the simulated platform.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "app/connection_title.h"
#include "app/notice_box.h"
#include "support/world.h"
#include "ui/menu_actions.h"
#include "vpn/vpn.h"

namespace rv {
namespace {

std::vector<std::string> ToolCommands(const std::string& suffix) {
  return {"rasphone -h " + EntryName(suffix), "rasphone -r " + EntryName(suffix)};
}

TEST(Startup, StaticEditionShowsItsWindowWithTheFormDefaults) {
  test::World w;
  w.Start(Edition::Static);
  EXPECT_EQ(w.app.state.staticProtocol.load(), kPptp);
  EXPECT_EQ(w.app.state.staticEntrySuffix.Get(), "1");
  Form& win = w.W("StaticLineWindow");
  EXPECT_TRUE(win.WindowVisible());
  EXPECT_TRUE(win.Checked("单选框_PPTP"));
  EXPECT_FALSE(win.Checked("单选框_L2TP"));
  EXPECT_FALSE(w.sched.ProcessEnded());
}

TEST(Startup, DynamicEditionKeepsTheStartWindowHidden) {
  test::World w;
  w.Start(Edition::Dynamic);
  w.Run(1000);
  EXPECT_FALSE(w.W("StaticLineWindow").WindowVisible());
  EXPECT_TRUE(w.W("DynamicLineWindow").WindowVisible());
  EXPECT_EQ(w.app.state.dynamicEntrySuffix.Get(), "1");
  EXPECT_EQ(w.app.state.staticEntrySuffix.Get(), "1");
  EXPECT_EQ(w.app.state.staticProtocol.load(), kPptp);
}

// The close box and the menu item "退出" both destroy the start window.
class StaticExit : public ::testing::TestWithParam<bool> {
 protected:
  void Exit(test::World& w) {
    if (GetParam())
      w.Menu("StaticLineWindow", kActExit);
    else
      w.Close("StaticLineWindow");
  }
};

TEST_P(StaticExit, WithNothingConnectedAttemptsEveryHangUpAndEnds) {
  test::World w;
  w.Start(Edition::Static);
  Exit(w);
  w.Run(1000);
  EXPECT_TRUE(w.sched.ProcessEnded());
  EXPECT_EQ(w.sched.ExitCode(), 0);
  EXPECT_EQ(w.app.state.staticStop.load(), 1);
  EXPECT_EQ(w.ras.HangUps(), std::vector<RasHandle>{0});
  EXPECT_EQ(w.process.Commands(), ToolCommands("1"));
}

INSTANTIATE_TEST_SUITE_P(Paths, StaticExit, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Menu" : "CloseBox"; });

TEST(Exit, StaticExitHangsUpTheLiveConnection) {
  test::World w;
  w.Start(Edition::Static);
  w.OnUi([&] {
    WriteVpnEntry(w.app, EntryName("1"), "u", "p", "10.8.0.1", kPptp);
    DialVpnEntry(w.app, EntryName("1"), "u", "p", w.app.StaticWindow(), "编辑框_接收信息");
  });
  ASSERT_TRUE(w.RunUntilText("StaticLineWindow", "编辑框_接收信息", "连接成功", 5000));
  const RasHandle handle = w.app.state.connectionHandle.load();
  ASSERT_NE(handle, 0u);
  w.Close("StaticLineWindow");
  w.Run(1000);
  EXPECT_TRUE(w.sched.ProcessEnded());
  EXPECT_EQ(w.ras.HangUps(), std::vector<RasHandle>{handle});
  EXPECT_TRUE(w.ras.OpenHandles().empty());
}

TEST(Exit, DynamicMenuExitWaitsForTheSettingsSave) {
  test::World w;
  std::atomic<bool> saved{false};
  w.app.hooks.settingsSave = [&](App& app) {
    PumpingWait(app, 2000);  // slower than the pause the exit makes
    saved = true;
  };
  w.Start(Edition::Dynamic);
  w.app.state.dynamicEntrySuffix.Set("4");
  w.Menu("DynamicLineWindow", kActExit);
  w.Run(5000);
  EXPECT_TRUE(w.sched.ProcessEnded());
  EXPECT_TRUE(saved);
  EXPECT_EQ(w.app.state.dynamicStop.load(), 1);
  EXPECT_EQ(w.ras.HangUps(), std::vector<RasHandle>{0});
  EXPECT_EQ(w.process.Commands(), ToolCommands("4"));
}

TEST(Exit, DynamicCloseBoxExitSavesOnTheUiThreadAndEnds) {
  test::World w;
  std::vector<std::string> steps;
  w.app.hooks.settingsSave = [&](App& app) {
    steps.push_back(w.sched.OnUiThread() ? "save on ui" : "save elsewhere");
  };
  w.app.hooks.settingsSavedOnClose = [&](App&) { steps.push_back("logged"); };
  w.Start(Edition::Dynamic);
  w.Close("DynamicLineWindow");
  w.Run(5000);
  EXPECT_TRUE(w.sched.ProcessEnded());
  EXPECT_EQ(steps, (std::vector<std::string>{"save on ui", "logged"}));
  EXPECT_EQ(w.ras.HangUps(), std::vector<RasHandle>{0});
  EXPECT_EQ(w.process.Commands(), ToolCommands("1"));
}

TEST(Notice, DefaultsToFriendlyReminderWithInformationAndOk) {
  test::World w;
  w.Start(Edition::Static);
  int result = -1;
  w.OnUi([&] { result = NoticeBox(w.app, "请输入账号"); });
  w.Run(0);
  ASSERT_EQ(w.dialogs->Boxes().size(), 1u);
  const sim::ShownBox box = w.dialogs->Boxes()[0];
  EXPECT_EQ(box.title, "友情提醒");
  EXPECT_EQ(box.text, "请输入账号");
  EXPECT_EQ(box.style, kMbOk | kMbIconInformation);
  EXPECT_EQ(result, 0);  // the single button
}

TEST(Notice, ReturnsTheZeroBasedButton) {
  test::World w;
  for (auto [answer, index] : {std::pair{1, 0}, {2, 1}, {6, 5}, {7, 6}}) {
    w.dialogs->SetAnswer(answer);
    EXPECT_EQ(NoticeBox(w.app, "?", 0x4u, std::string("特别提示")), index);
  }
  EXPECT_EQ(w.dialogs->Boxes().back().title, "特别提示");
}

TEST(Notice, OwnerIsTheFirstVisibleWindowOfThisProcess) {
  test::World w;
  w.dialogs->AddForeignWindow({0x111, 77, 1, "别的程序", "Other", true});
  w.dialogs->AddForeignWindow({0x222, sim::SimDialogs::kProcessId, 1, "hidden", "Mine", false});
  w.Start(Edition::Static);
  NoticeBox(w.app, "a");
  EXPECT_EQ(w.dialogs->Boxes().back().owner, w.app.StaticWindow().handle());
  NoticeBox(w.app, "b", std::nullopt, std::nullopt, WindowHandle{0x333});
  EXPECT_EQ(w.dialogs->Boxes().back().owner, 0x333u);
}

TEST(Notice, NoVisibleWindowOfThisProcessMeansNoOwner) {
  test::World w;
  w.dialogs->AddForeignWindow({0x111, 77, 1, "别的程序", "Other", true});
  w.dialogs->AddForeignWindow({0x222, sim::SimDialogs::kProcessId, 1, "hidden", "Mine", false});
  NoticeBox(w.app, "a");
  EXPECT_EQ(w.dialogs->Boxes().back().owner, 0u);
}

TEST(Wait, ZeroMillisecondsReturnsAfterOnePassThroughPendingInput) {
  test::World w;
  w.Start(Edition::Static);
  std::vector<std::string> log;
  int64_t before = -1, after = -1;
  w.OnUi([&] {
    before = w.sched.NowMs();
    EXPECT_TRUE(PumpingWait(w.app, 0));
    after = w.sched.NowMs();
    log.push_back("wait returned");
  });
  w.OnUi([&] { log.push_back("input handled"); });
  w.Run(0);
  EXPECT_EQ(log, (std::vector<std::string>{"input handled", "wait returned"}));
  EXPECT_EQ(before, after);
}

TEST(Wait, WorkerWaitTakesItsVirtualTime) {
  test::World w;
  std::vector<int64_t> times;
  w.sched.StartWorker([&] {
    for (int64_t ms : {0, 100, 3000}) {
      PumpingWait(w.app, ms);
      times.push_back(w.sched.NowMs());
    }
  });
  w.Run(10000);
  EXPECT_EQ(times, (std::vector<int64_t>{0, 100, 3100}));
}

}  // namespace
}  // namespace rv
