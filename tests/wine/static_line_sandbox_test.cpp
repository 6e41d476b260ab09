// The static line end to end: the real 64-bit program under Wine, driven
// through its controls, dialing the sandbox provider on loopback in this
// process. Screenshots go to the artifact folder (docs/ shows some of them).
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <thread>

#include "app/connection_title.h"
#include "platform/codepage.h"
#include "platform/ras_service.h"
#include "sandbox/vpn_scenario.h"
#include "supervision/controls.h"
#include "wine/sandbox_program.h"

namespace rv::wine {
namespace {

namespace fs = std::filesystem;
using sandbox::ConnectionRecord;
using sandbox::LinkStatus;

using ctl::kMessageLine;
using ctl::kResultsLog;
constexpr const char* kServer = "vpn1.sandbox";
constexpr const char* kStopped = "注意：已手动停止并成功断开连接，请重新连接使用。";
constexpr const char* kBackToLocal = "注意：已断开连接！已回到本地连接ip，请重新【连接】换ip！";
constexpr const char* kRedialing = "注意：出现掉线情况，正在拼命为您重拨修复中...";

// The dial's state texts in the order the service reports a tunnel coming up.
const std::vector<std::string> kDialTexts = {
    "正在打开端口", "端口打开", "正在连接设备【5秒以上还显示这个的，请断开，换其它城市再连接使用！】",
    "DeviceConnected", "所有设备已连接上", "开始认证",
    "验证中，5秒以上还显示这个的，请断开，换用协议L2TP再连接使用！如果已用L2TP请换城市再连接！",
    "ProjectionPhaseStarted", "Authenticated", "Projected", "连接成功"};

std::string AddressLine(const sandbox::PublicAddress& a) {
  return "当前IP：" + a.address + "，地区：" + a.region;
}

// The addresses of the log's result lines, in order.
std::vector<std::string> LoggedAddresses(const std::string& log) {
  std::vector<std::string> out;
  static const std::regex line("当前IP：([0-9.]+)，地区：");
  for (std::sregex_iterator it(log.begin(), log.end(), line), end; it != end; ++it) out.push_back((*it)[1]);
  return out;
}

class StaticLineAgainstSandbox : public WineSession {
 protected:
  void SetUp() override {
    WineSession::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    sandbox::LoadDefaultScenario(provider.vpn());
    // Slow enough reports that the driver sees the states go by.
    ASSERT_EQ(provider.RunCommand(std::string("server ") + kServer + " accept step 300"), "ok");
    ASSERT_TRUE(provider.Start(0));
    user = std::make_unique<StaticWindowUser>(*driver_);
  }

  void Launch() {
    StartProgram("static", {}, SandboxFiles(provider));
    ASSERT_TRUE(WaitWindow("StaticLineWindow").ok);
  }

  // Connections of the provider that came up, in order.
  std::vector<ConnectionRecord> CameUp() {
    std::vector<ConnectionRecord> out;
    for (const ConnectionRecord& c : provider.vpn().Connections())
      if (c.connectedMs >= 0) out.push_back(c);
    return out;
  }
  bool WaitConnections(size_t n, int timeoutMs) {
    return provider.vpn().WaitFor([&](const std::vector<ConnectionRecord>& all) {
      return std::count_if(all.begin(), all.end(), [](const ConnectionRecord& c) { return c.connectedMs >= 0; }) >=
             static_cast<long>(n);
    }, timeoutMs);
  }
  bool LogHas(const std::string& text, int timeoutMs) {
    return user->WaitText(kResultsLog, [&](const std::string& t) { return t.find(text) != std::string::npos; }, timeoutMs);
  }

  // Closing the window ends the process, and the provider is left with no
  // connection open.
  void CloseAndExpectNothingLeft() {
    ASSERT_TRUE(Call("close").ok);
    std::optional<int> code = WaitExit(20000);
    ASSERT_TRUE(code.has_value()) << "the program did not end";
    EXPECT_EQ(*code, 0);
    EXPECT_TRUE(provider.vpn().WaitFor([](const std::vector<ConnectionRecord>& all) {
      return std::none_of(all.begin(), all.end(), [](const ConnectionRecord& c) {
        return c.status == LinkStatus::Dialing || c.status == LinkStatus::Connected;
      });
    }, 3000)) << sandbox::ConnectionsListing(provider.vpn());
  }

  sandbox::Provider provider;
  std::unique_ptr<StaticWindowUser> user;
};

TEST_F(StaticLineAgainstSandbox, ConnectsMonitorsLogsTheAddressRedialsAfterADropAndSavesTheLog) {
  Launch();
  user->FillIn(kServer, "demo", "demo123");
  user->Tick(ctl::kRecordIp, true);
  user->Click(ctl::kConnect);

  // The message line passes through the dial's states to the connected text.
  std::vector<std::string> seen;
  ASSERT_TRUE(user->WaitText(kMessageLine, [](const std::string& t) { return MonitorCount(t, "0.5") >= 1; }, 30000, &seen));
  std::vector<std::string> states;
  for (const std::string& t : seen)
    if (std::find(kDialTexts.begin(), kDialTexts.end(), t) != kDialTexts.end()) states.push_back(t);
  EXPECT_GE(states.size(), 4u) << "too few dial states seen";
  EXPECT_EQ(states.back(), "连接成功");
  EXPECT_TRUE(std::is_sorted(states.begin(), states.end(), [](const std::string& a, const std::string& b) {
    return std::find(kDialTexts.begin(), kDialTexts.end(), a) < std::find(kDialTexts.begin(), kDialTexts.end(), b);
  })) << "states out of the service's order";
  EXPECT_FALSE(user->Enabled(ctl::kConnect));

  // The monitor counts good checks.
  int first = MonitorCount(user->Text(kMessageLine), "0.5");
  ASSERT_TRUE(user->WaitText(kMessageLine, [&](const std::string& t) { return MonitorCount(t, "0.5") >= first + 3; }, 10000));

  // The dial the provider saw, and the address it gave in the log.
  ASSERT_TRUE(WaitConnections(1, 1000));
  const ConnectionRecord one = CameUp().at(0);
  EXPECT_EQ(one.entry, EntryName("1"));
  EXPECT_EQ(one.server, kServer);
  EXPECT_EQ(one.user, "demo");
  EXPECT_EQ(one.protocol, 1);
  ASSERT_TRUE(LogHas("\r\n" + AddressLine(one.assigned) + "\r\n", 15000)) << user->Text(kResultsLog);
  user->Screenshot("e2e-connected");

  // The provider drops the link; with redial ticked the program dials again
  // and logs the new address.
  user->Tick(ctl::kRedialOnDrop, true);
  ASSERT_EQ(provider.vpn().DropEntry(EntryName("1")), 1);
  ASSERT_TRUE(user->WaitText(kMessageLine, [](const std::string& t) { return t == kRedialing; }, 10000));
  user->Screenshot("e2e-redialing");
  ASSERT_TRUE(WaitConnections(2, 20000));
  const ConnectionRecord two = CameUp().at(1);
  EXPECT_NE(two.assigned.address, one.assigned.address);
  ASSERT_TRUE(LogHas("\r\n已重拨连接成功，继续进行监控中...\r\n", 30000)) << user->Text(kResultsLog);
  ASSERT_TRUE(LogHas("\r\n" + AddressLine(two.assigned) + "\r\n", 15000)) << user->Text(kResultsLog);
  EXPECT_TRUE(LogHas(std::string("\r\n【") + kServer + "】", 0));
  EXPECT_TRUE(user->WaitText(kMessageLine, [](const std::string& t) { return MonitorCount(t, "0.5") >= 2; }, 10000));

  // 按钮_保存结果 writes the log beside the program, in GBK.
  const std::string log = user->Text(kResultsLog);
  user->Click(ctl::kSaveResults);
  DriverReply notice = Call("notice 10000");
  ASSERT_TRUE(notice.ok) << notice.error;
  EXPECT_EQ(notice.Value("title"), "导出成功");
  EXPECT_NE(notice.Value("text").find("名称为【tavrik结果保存文件"), std::string::npos);
  std::string saved;
  for (const auto& f : fs::directory_iterator(appDir_)) {
    const std::string name = f.path().filename().string();
    if (name.rfind("tavrik结果保存文件", 0) == 0 && name.ends_with(".txt")) {
      std::ifstream in(f.path(), std::ios::binary);
      saved.assign(std::istreambuf_iterator<char>(in), {});
      EXPECT_NE(notice.Value("text").find(name), std::string::npos) << name;
    }
  }
  EXPECT_EQ(saved, Utf8ToGbkBytes(log));
  EXPECT_NE(saved.find(Utf8ToGbkBytes(AddressLine(two.assigned))), std::string::npos);

  CloseAndExpectNothingLeft();
}

TEST_F(StaticLineAgainstSandbox, AWrongPasswordShowsTheServicesTextAndDisconnectGivesTheControlsBack) {
  Launch();
  user->FillIn(kServer, "demo", "not-the-password");
  user->Click(ctl::kConnect);
  const std::string rejected = ras_service::ErrorText(691);
  ASSERT_TRUE(user->WaitText(kMessageLine, [&](const std::string& t) { return t == rejected; }, 20000));
  EXPECT_FALSE(user->Enabled(ctl::kConnect));
  // The attempt keeps polling and leaves the text in place.
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  EXPECT_EQ(user->Text(kMessageLine), rejected);

  user->Click(ctl::kDisconnect);
  ASSERT_TRUE(user->WaitText(kMessageLine, [](const std::string& t) { return t == kStopped; }, 15000));
  EXPECT_TRUE(user->WaitText(ctl::kConnect, [&](const std::string&) { return user->Enabled(ctl::kConnect); }, 5000));
  EXPECT_TRUE(user->Enabled(ctl::kDisconnect));
  EXPECT_TRUE(user->Enabled(ctl::kMonitorInterval));
  EXPECT_TRUE(CameUp().empty());
  CloseAndExpectNothingLeft();
}

TEST_F(StaticLineAgainstSandbox, AtTheSmallestIntervalTheWindowAnswersWhileTheMonitorChecksAndADropIsSeen) {
  Launch();
  user->FillIn(kServer, "demo", "demo123");
  user->Type(ctl::kMonitorInterval, "0.0001");
  user->Click(ctl::kConnect);
  auto counted = [](int n) { return [n](const std::string& t) { return MonitorCount(t, "0.0001") >= n; }; };
  ASSERT_TRUE(user->WaitText(kMessageLine, counted(1), 30000));
  const int first = MonitorCount(user->Text(kMessageLine), "0.0001");
  ASSERT_TRUE(user->WaitText(kMessageLine, counted(first + 20), 10000)) << "the monitor does not keep checking";
  // The window's thread answers messages while the monitor checks.
  DriverReply ping = Call("ping 20 0");
  ASSERT_TRUE(ping.ok) << ping.error;
  EXPECT_EQ(ping.lines.size(), 20u);

  // A drop is seen, and with nothing ticked the line is given back.
  provider.vpn().DropAll();
  ASSERT_TRUE(user->WaitText(kMessageLine, [](const std::string& t) { return t == kBackToLocal; }, 10000));
  EXPECT_TRUE(user->WaitText(ctl::kConnect, [&](const std::string&) { return user->Enabled(ctl::kConnect); }, 5000));

  // Connected again, a click on 按钮_断开 is handled and no monitor text follows.
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  user->Click(ctl::kConnect);
  ASSERT_TRUE(user->WaitText(kMessageLine, counted(20), 30000));
  DriverReply click =
      Call(std::string("timed-click ") + ctl::kDisconnect + " 15000 " + kMessageLine + " " + Escape(kStopped));
  ASSERT_TRUE(click.ok) << click.error;
  EXPECT_GE(click.Int("disabled_us"), 0) << "按钮_断开 never greyed out";
  ASSERT_GE(click.Int("text_us"), 0) << "the disconnect text never showed";
  std::this_thread::sleep_for(std::chrono::milliseconds(1000));
  EXPECT_EQ(user->Text(kMessageLine), kStopped);
  EXPECT_TRUE(user->Enabled(ctl::kMonitorInterval));
  CloseAndExpectNothingLeft();
}

TEST_F(StaticLineAgainstSandbox, TimedReconnectionEveryTwentySecondsLogsTwoDifferentAddresses) {
  Launch();
  user->FillIn(kServer, "demo", "demo123");
  user->Tick(ctl::kTimedReconnect, true);
  user->Tick(ctl::kRecordIp, true);
  user->Type(ctl::kReconnectPeriod, "20");
  ASSERT_TRUE(Call(std::string("leave ") + ctl::kReconnectPeriod).ok);
  user->Click(ctl::kConnect);
  ASSERT_TRUE(user->WaitText(kMessageLine, [](const std::string& t) {
    return t == std::string("连接成功，当前连接的服务器地址是【") + kServer + "】";
  }, 30000));

  // Two cycles: each queries the address of its own connection.
  ASSERT_TRUE(user->WaitText(kResultsLog, [](const std::string& t) { return LoggedAddresses(t).size() >= 2; }, 90000))
      << user->Text(kResultsLog);
  const std::vector<std::string> logged = LoggedAddresses(user->Text(kResultsLog));
  const std::vector<ConnectionRecord> up = CameUp();
  ASSERT_GE(up.size(), 2u);
  EXPECT_EQ(logged[0], up[0].assigned.address);
  EXPECT_EQ(logged[1], up[1].assigned.address);
  EXPECT_NE(logged[0], logged[1]);
  EXPECT_EQ(user->Text(ctl::kReconnectCount), "2");
  EXPECT_FALSE(user->Enabled(ctl::kReconnectPeriod));
  user->Screenshot("e2e-results-log");
  CloseAndExpectNothingLeft();
}

// The network switch acts on the sandbox folder's connections, and fault
// repair reaches the provider's default phonebook through the phonebook tool.
TEST_F(StaticLineAgainstSandbox, NetworkButtonsSwitchTheSandboxConnectionsAndRepairRemovesLeftEntries) {
  const std::string left = EntryName("7");
  provider.vpn().AddDefaultEntry(left);
  Launch();
  const std::pair<const char*, const char*> presses[] = {
      {"按钮_禁用本地网络", "禁用本地WLAN【即WIFI】和禁用本地连接都已完成！"},
      {"按钮_启用本地网络", "无线连接WLAN【即WIFI】和本地连接都已启用完成！"},
  };
  const std::string network = appDir_ + "/sandbox/network.txt";
  for (auto [button, text] : presses) {
    SCOPED_TRACE(button);
    user->Click(button);
    EXPECT_TRUE(user->WaitText(kMessageLine, [&](const std::string& t) { return t == text; }, 20000));
    std::ifstream in(network, std::ios::binary);
    const std::string now(std::istreambuf_iterator<char>(in), {});
    EXPECT_EQ(now, std::string(button) == "按钮_禁用本地网络" ? "0 WLAN\r\n0 本地连接\r\n" : "2 WLAN\r\n2 本地连接\r\n");
  }

  user->Click("按钮_修复故障");
  EXPECT_TRUE(user->WaitText(kMessageLine, [](const std::string& t) { return t == "自动修复故障已完成，请连接使用！"; }, 20000));
  std::vector<std::string> tools;
  for (const sandbox::ToolCommand& t : provider.vpn().ToolCommands()) tools.push_back(t.command);
  EXPECT_EQ(tools, (std::vector<std::string>{"rasphone -h " + left, "rasphone -r " + left}));
  std::this_thread::sleep_for(std::chrono::milliseconds(400));  // the tool acts a moment later
  EXPECT_TRUE(provider.vpn().DefaultEntries().empty());
  CloseAndExpectNothingLeft();
}

}  // namespace
}  // namespace rv::wine
