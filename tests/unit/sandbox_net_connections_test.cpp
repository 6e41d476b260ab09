// The sandbox's network connections through the program's adapter steps:
// WMI status by name, the shell's switch, and the file that keeps them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/sandbox/sandbox_net_connections.h"

namespace rv {
namespace {

class SandboxNetTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/rovanta-net-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir = pattern;
  }
  void TearDown() override { std::system(("rm -rf " + dir).c_str()); }
  std::string File() {
    std::ifstream in(dir + "/network.txt", std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
  }
  std::vector<int32_t> Wmi(SandboxNetConnections& net, const std::string& wql) {
    std::vector<int32_t> out;
    EXPECT_TRUE(net.WmiConnect("root\\cimv2"));
    EXPECT_TRUE(net.WmiExecQuery(wql));
    for (int32_t v = 0; net.WmiNextInteger("NetConnectionStatus", &v);) out.push_back(v);
    net.WmiRelease();
    return out;
  }
  std::string dir;
};

TEST_F(SandboxNetTest, WithoutAFileBothConnectionsAreUpAndASwitchWritesTheFile) {
  SandboxNetConnections net(dir);
  EXPECT_EQ(Wmi(net, "Select * From Win32_NetworkAdapter WHERE NetConnectionID='WLAN'"), std::vector<int32_t>{2});
  EXPECT_EQ(Wmi(net, "Select * From Win32_NetworkAdapter WHERE NetConnectionID='本地连接'"), std::vector<int32_t>{2});
  EXPECT_TRUE(Wmi(net, "Select * From Win32_NetworkAdapter WHERE NetConnectionID='以太网'").empty());

  std::vector<std::string> seen;
  EXPECT_TRUE(net.VisitShellConnections([&](const ShellConnection& c) {
    seen.push_back(c.name);
    return c.name == "本地连接" ? ShellAction::DisconnectAndStop : ShellAction::Next;
  }));
  EXPECT_EQ(seen, (std::vector<std::string>{"WLAN", "本地连接"}));
  EXPECT_EQ(File(), "2 WLAN\r\n0 本地连接\r\n");
  EXPECT_EQ(Wmi(net, "Select * From Win32_NetworkAdapter WHERE NetConnectionID='本地连接'"), std::vector<int32_t>{0});
}

TEST_F(SandboxNetTest, TheFileIsReadAtEveryStepAndBadLinesAreSkipped) {
  std::ofstream(dir + "/network.txt") << "7 WLAN\nnonsense\n99 Big\n0 \n2 Wired LAN\r\n";
  SandboxNetConnections net(dir);
  ASSERT_EQ(net.Adapters().size(), 2u);
  EXPECT_EQ(Wmi(net, "Select * From Win32_NetworkAdapter WHERE NetConnectionID='wlan'"), std::vector<int32_t>{7});
  EXPECT_EQ(Wmi(net, "... WHERE NetConnectionID='Wired LAN'"), std::vector<int32_t>{2});
  EXPECT_TRUE(Wmi(net, "... WHERE NetConnectionID='Wired LAN").empty());  // unterminated
  net.VisitShellConnections([](const ShellConnection& c) {
    return c.name == "WLAN" ? ShellAction::ConnectAndStop : ShellAction::Next;
  });
  EXPECT_EQ(Wmi(net, "... WHERE NetConnectionID='WLAN'"), std::vector<int32_t>{2});
  EXPECT_FALSE(net.WmiExecQuery("... WHERE NetConnectionID='WLAN'"));  // not connected to WMI
}

TEST(QueriedConnectionName, EscapesAreUndone) {
  EXPECT_EQ(QueriedConnectionName("x WHERE NetConnectionID='a\\'b\\\\c'"), "a'b\\c");
  EXPECT_EQ(QueriedConnectionName("x WHERE Name='a'"), "");
}

}  // namespace
}  // namespace rv
