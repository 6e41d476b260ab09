// Cutting and restoring the local network from the windows' buttons, on the
// simulated connections.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "netenv/adapter_toolkit.h"
#include "netenv/local_network.h"
#include "support/message_line_recorder.h"
#include "support/world.h"

namespace rv {
namespace {

using test::MessageLineRecorder;
using test::World;

constexpr const char* kStatic = "StaticLineWindow";
constexpr const char* kMessage = "编辑框_接收信息";

// A status the simulator starts with; nullopt leaves the connection out.
struct SwitchCase {
  const char* title;
  std::optional<int32_t> wireless, wired;
  std::vector<std::string> actions;
  std::string finalText;
  std::optional<int32_t> wirelessAfter, wiredAfter;
};

void AddConnections(World& w, const SwitchCase& c) {
  if (c.wireless) w.net.Add(kWirelessConnection, *c.wireless, std::nullopt, 2);
  if (c.wired) w.net.Add(kWiredConnection, *c.wired);
}

void RunSwitch(const SwitchCase& c, const char* button, const char* progress) {
  SCOPED_TRACE(c.title);
  World w;
  AddConnections(w, c);
  w.Start(Edition::Static);
  MessageLineRecorder recorder(w.W(kStatic));
  w.Click(kStatic, button);
  ASSERT_TRUE(w.RunUntilText(kStatic, kMessage, c.finalText));
  w.Run(1000);
  EXPECT_EQ(recorder.Texts(), (std::vector<std::string>{progress, c.finalText}));
  EXPECT_EQ(w.net.Actions(), c.actions);
  EXPECT_EQ(w.net.Status(kWirelessConnection), c.wirelessAfter);
  EXPECT_EQ(w.net.Status(kWiredConnection), c.wiredAfter);
  EXPECT_EQ(w.net.ThreadsLeftInitialised(), 0);
}

TEST(LocalNetworkCut, ActsByTheTableWirelessFirst) {
  const SwitchCase cases[] = {
      {"both connected", 2, 2, {"disable WLAN", "disable 本地连接"},
       "禁用本地WLAN【即WIFI】和禁用本地连接都已完成！", 0, 0},
      {"only wireless connected", 2, 0, {"disable WLAN"},
       "禁用本地WLAN【即WIFI】已完成！本地连接没联网，无需操作！", 0, 0},
      {"only wired, wireless absent", std::nullopt, 2, {"disable 本地连接"},
       "无线连接WLAN【即WIFI】没联网，无需操作！禁用本地连接已完成！", std::nullopt, 0},
      {"wireless without a network (7)", 7, 2, {"disable 本地连接"},
       "无线连接WLAN【即WIFI】没联网，无需操作！禁用本地连接已完成！", 7, 0},
      {"both absent", std::nullopt, std::nullopt, {},
       "无线连接WLAN【即WIFI】没联网，本地连接也没联网，都无需操作！", std::nullopt, std::nullopt},
  };
  for (const SwitchCase& c : cases)
    RunSwitch(c, "按钮_禁用本地网络", "禁用无线连接WLAN【即WIFI】和本地连接正在进行中...");
}

TEST(LocalNetworkRestore, ActsByTheTableWirelessFirst) {
  const SwitchCase cases[] = {
      {"both disabled", 0, 0, {"enable WLAN", "enable 本地连接"},
       "无线连接WLAN【即WIFI】和本地连接都已启用完成！", 2, 2},
      {"only wireless disabled", 0, 2, {"enable WLAN"},
       "无线连接WLAN【即WIFI】已启用完成！本地连接没禁用，无需操作！", 2, 2},
      {"wireless without a network (7)", 7, 0, {"enable 本地连接"},
       "无线连接WLAN【即WIFI】没禁用，无需操作！本地连接已启用完成！", 7, 2},
      {"both absent", std::nullopt, std::nullopt, {},
       "无线连接WLAN【即WIFI】没禁用，本地连接也没禁用，都无需操作！", std::nullopt, std::nullopt},
  };
  for (const SwitchCase& c : cases)
    RunSwitch(c, "按钮_启用本地网络", "启动无线连接WLAN【即WIFI】和本地连接正在进行中...");
}

TEST(LocalNetworkRestore, UndoesACut) {
  World w;
  w.net.Add(kWirelessConnection, 2);
  w.net.Add(kWiredConnection, 2);
  w.Start(Edition::Static);
  w.Click(kStatic, "按钮_禁用本地网络");
  ASSERT_TRUE(w.RunUntilText(kStatic, kMessage, "禁用本地WLAN【即WIFI】和禁用本地连接都已完成！"));
  w.Click(kStatic, "按钮_启用本地网络");
  ASSERT_TRUE(w.RunUntilText(kStatic, kMessage, "无线连接WLAN【即WIFI】和本地连接都已启用完成！"));
  EXPECT_EQ(w.net.Actions(), (std::vector<std::string>{"disable WLAN", "disable 本地连接",
                                                       "enable WLAN", "enable 本地连接"}));
}

TEST(LocalNetworkCut, WithoutWmiTheShellListingIsMatchedTrimmedAndCaseFolded) {
  World w;
  w.net.SetWmiAvailable(false);
  w.net.Add(kWirelessConnection, 2, " wlan ");
  w.net.Add(kWiredConnection, 0);
  w.Start(Edition::Static);
  w.Click(kStatic, "按钮_禁用本地网络");
  ASSERT_TRUE(w.RunUntilText(kStatic, kMessage, "禁用本地WLAN【即WIFI】已完成！本地连接没联网，无需操作！"));
  EXPECT_EQ(w.net.Actions(), (std::vector<std::string>{"disable  wlan "}));
  EXPECT_EQ(w.net.Status(kWirelessConnection), 0);
}

// Runs one toolkit call on a worker of the world and returns its answer.
template <typename F>
auto OnWorker(World& w, F call) {
  std::optional<decltype(call())> answer;
  w.app.StartWorker([&] { answer = call(); });
  EXPECT_TRUE(w.RunUntil([&] { return answer.has_value(); }));
  return answer.value_or(decltype(call()){});
}

TEST(AdapterToolkit, StatusThroughWmiThenTheShell) {
  World w;
  w.net.Add(kWirelessConnection, 7, " Wlan");
  AdapterToolkit& kit = *w.app.state.adapters;
  auto status = [&](const char* name) { return OnWorker(w, [&] { return kit.GetConnectionStatus(name); }); };
  EXPECT_EQ(status("WLAN"), 7);
  // A name WMI does not know is not there: it is neither connected nor disabled.
  EXPECT_EQ(status("本地连接"), kConnectionNotFound);
  w.net.SetWmiAvailable(false);
  EXPECT_EQ(status("wlan  "), 7);
  EXPECT_EQ(status("本地连接"), kConnectionNotFound);
  w.net.SetShellAvailable(false);
  EXPECT_EQ(status("WLAN"), kConnectionNotFound);
  // COM security is initialised once per process, and every call leaves COM
  // as it found it.
  EXPECT_EQ(w.net.SecurityCalls(), 1);
  EXPECT_TRUE(kit.SecurityInitialised());
  EXPECT_EQ(w.net.ThreadsLeftInitialised(), 0);
}

TEST(AdapterToolkit, SwitchAnswersWhetherTheStatusFollowed) {
  World w;
  w.net.Add(kWirelessConnection, 0, std::nullopt, 7);
  w.net.Add(kWiredConnection, 2);
  AdapterToolkit& kit = *w.app.state.adapters;
  EXPECT_FALSE(OnWorker(w, [&] { return kit.EnableConnection(kWirelessConnection); }));  // 7, not 2
  EXPECT_TRUE(OnWorker(w, [&] { return kit.DisableConnection(kWiredConnection); }));
  EXPECT_TRUE(OnWorker(w, [&] { return kit.EnableConnection(kWiredConnection); }));
  EXPECT_FALSE(OnWorker(w, [&] { return kit.DisableConnection("无此连接"); }));
  EXPECT_EQ(w.net.Actions(), (std::vector<std::string>{"enable WLAN", "disable 本地连接", "enable 本地连接"}));
}

TEST(AdapterToolkit, OverlappingOperationsNeverShareTheWmiSlots) {
  World w;
  w.net.Add(kWirelessConnection, 2);
  w.net.Add(kWiredConnection, 2);
  w.Start(Edition::Static);
  // The button pressed while another cut is running, and a restore behind them.
  w.Click(kStatic, "按钮_禁用本地网络");
  w.Click(kStatic, "按钮_禁用本地网络");
  w.Click(kStatic, "按钮_启用本地网络");
  w.Run(5000);
  EXPECT_EQ(w.net.SlotClashes(), 0);
  EXPECT_EQ(w.net.ThreadsLeftInitialised(), 0);
  EXPECT_EQ(w.sched.LiveProgramThreads(), 1);  // only the UI thread is left
}

TEST(AdapterToolkit, QueryKeepsTheNameOneLiteral) {
  EXPECT_EQ(AdapterStatusQuery("WLAN"),
            "Select * From Win32_NetworkAdapter WHERE NetConnectionID='WLAN'");
  EXPECT_EQ(AdapterStatusQuery("a'b\\c"),
            "Select * From Win32_NetworkAdapter WHERE NetConnectionID='a\\'b\\\\c'");
  World w;
  w.net.Add("it's", 2);
  EXPECT_EQ(OnWorker(w, [&] { return w.app.state.adapters->GetConnectionStatus("it's"); }), 2);
}

TEST(AdapterToolkit, NamesMatchTrimmedAndAsciiFolded) {
  EXPECT_TRUE(SameConnectionName(" wlan ", "WLAN"));
  EXPECT_TRUE(SameConnectionName("本地连接", " 本地连接"));
  EXPECT_FALSE(SameConnectionName("WLAN 2", "WLAN"));
  EXPECT_FALSE(SameConnectionName("", "WLAN"));
}

constexpr const char* kDynamic = "DynamicLineWindow";
constexpr const char* kAdvanced = "AdvancedSettingsWindow";
constexpr const char* kReleased = "禁用所有网络已完成，如需恢复上网，请点击-【高级设置】-【启用本地网络】";

std::vector<std::string> CommandsLike(World& w, const std::string& head) {
  std::vector<std::string> out;
  for (auto& c : w.process.Commands())
    if (c.rfind(head, 0) == 0) out.push_back(c);
  return out;
}

TEST(DynamicNetworkCut, EachPressReleasesAndLogsAgain) {
  World w;
  w.Start(Edition::Dynamic);
  MessageLineRecorder recorder(w.W(kDynamic));
  const std::string logBefore = w.Text(kDynamic, "编辑框_列表结果显示");
  w.Click(kDynamic, "按钮_禁用本地网络");
  w.Click(kDynamic, "按钮_禁用本地网络");
  w.Run(2000);
  EXPECT_EQ(CommandsLike(w, "ipconfig"),
            (std::vector<std::string>{"ipconfig /release", "ipconfig /release"}));
  const std::string line = std::string("\r\n") + kReleased + "\r\n";
  EXPECT_EQ(w.Text(kDynamic, "编辑框_列表结果显示"), logBefore + line + line);
  EXPECT_EQ(recorder.Texts(), (std::vector<std::string>{"禁用所有网络正在进行中...", kReleased,
                                                        "禁用所有网络正在进行中...", kReleased}));
  EXPECT_TRUE(w.net.AddressesReleased());
}

TEST(DynamicNetworkCut, RenewReportsWithoutLogging) {
  World w;
  w.Start(Edition::Dynamic);
  MessageLineRecorder recorder(w.W(kDynamic));
  const std::string logBefore = w.Text(kDynamic, "编辑框_列表结果显示");
  w.Click(kDynamic, "按钮_禁用本地网络");
  w.Run(1000);
  w.Click(kDynamic, "按钮_启用本地网络");
  w.Run(0);
  // Completion is reported once the command is started, not when it has acted.
  EXPECT_EQ(w.Text(kDynamic, kMessage), "启用所有网络操作已完成！请稍等20秒左右彻底恢复再使用网络！");
  EXPECT_TRUE(w.net.AddressesReleased());
  w.Run(sim::SimNetConnections::kRenewMs);
  EXPECT_FALSE(w.net.AddressesReleased());
  EXPECT_EQ(CommandsLike(w, "ipconfig"),
            (std::vector<std::string>{"ipconfig /release", "ipconfig /renew"}));
  EXPECT_EQ(w.Text(kDynamic, "编辑框_列表结果显示"),
            logBefore + "\r\n" + kReleased + "\r\n");
  EXPECT_EQ(recorder.Texts().end()[-2], "所有网络正在启用中...");
}

TEST(DynamicNetworkCut, AdvancedWindowButtonsReportInTheMainWindow) {
  World w;
  w.Start(Edition::Dynamic);
  w.OnUi([&] { w.app.forms.Load(kAdvanced); });
  w.Run(0);
  w.Click(kAdvanced, "按钮_禁用本地网络");
  ASSERT_TRUE(w.RunUntilText(kDynamic, kMessage, kReleased));
  w.Click(kAdvanced, "按钮_启用本地网络");
  ASSERT_TRUE(w.RunUntilText(kDynamic, kMessage, "启用所有网络操作已完成！请稍等20秒左右彻底恢复再使用网络！"));
  EXPECT_EQ(CommandsLike(w, "ipconfig"),
            (std::vector<std::string>{"ipconfig /release", "ipconfig /renew"}));
}

TEST(DropCutInterlock, MainAndAdvancedDynamicWindows) {
  World w;
  w.Start(Edition::Dynamic);
  w.OnUi([&] { w.app.forms.Load(kAdvanced); });
  w.Run(0);
  Form& main = w.W(kDynamic);
  Form& adv = w.W(kAdvanced);
  const char* reconnecting[] = {"选择框_定时连断", "选择框_服务器列表拨号", "选择框_启动过滤重复ip"};
  auto tickAll = [&](Form& f) {
    f.SetChecked("选择框_掉线音效", false);
    for (const char* box : reconnecting) f.SetChecked(box, true);
  };
  tickAll(main);
  main.SetChecked("选择框_掉线重拨", true);
  w.Click(kDynamic, "选择框_是否断网");
  w.Run(0);
  EXPECT_TRUE(main.Checked("选择框_掉线音效"));
  for (const char* box : reconnecting) EXPECT_FALSE(main.Checked(box)) << box;
  EXPECT_FALSE(main.Checked("选择框_掉线重拨"));

  tickAll(adv);
  main.SetChecked("选择框_掉线重拨", true);
  adv.SetChecked("选择框_是否断网", false);
  w.Click(kAdvanced, "选择框_是否断网");
  w.Run(0);
  EXPECT_TRUE(adv.Checked("选择框_掉线音效"));
  for (const char* box : reconnecting) EXPECT_FALSE(adv.Checked(box)) << box;
  EXPECT_FALSE(main.Checked("选择框_掉线重拨"));
}

}  // namespace
}  // namespace rv
