// The provider's VPN service model and its scenario language: accounts,
// the address pool and its repeats, drops after a time or at random, and
// the home address the sites report without a connection.
#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "sandbox/vpn_scenario.h"
#include "sandbox/vpn_service.h"

namespace rv::sandbox {
namespace {

using namespace std::chrono_literals;

constexpr uint32_t kConnected = 8192;

// Dials and waits until the dial has said all it will say.
std::vector<DialEvent> DialToEnd(VpnService& vpn, const std::string& entry, const std::string& server,
                                 const std::string& user, const std::string& password,
                                 uint64_t* handle = nullptr) {
  VpnService::DialAnswer a = vpn.Dial(entry, server, user, password, 1);
  if (handle) *handle = a.handle;
  std::vector<DialEvent> all;
  for (bool more = true; more;) {
    auto got = vpn.Events(a.handle, all.size(), 2000, &more);
    if (!got) break;
    all.insert(all.end(), got->begin(), got->end());
  }
  return all;
}

VpnService& Loaded(VpnService& vpn, const char* scenario) {
  std::string error;
  EXPECT_TRUE(LoadScenario(vpn, scenario, &error)) << error;
  return vpn;
}

TEST(VpnService, EveryConnectionGetsANewAddressUnlessRepeatsAreAskedFor) {
  VpnService vpn;
  Loaded(vpn, "server * step 1\npool 10.0.0.1 甲地\npool 10.0.0.2 乙地\npool 10.0.0.3 丙地\nrepeat 3\n");
  std::vector<std::string> seen;
  for (int i = 0; i < 5; ++i) {
    const std::string entry = "e" + std::to_string(i);
    ASSERT_EQ(DialToEnd(vpn, entry, "s", "u", "p").back().state, kConnected);
    PublicAddress a = vpn.CurrentAddress();
    seen.push_back(a.address + " " + a.region);
    vpn.DropEntry(entry);
  }
  // The third repeats the second; the pool then goes on and starts over.
  EXPECT_EQ(seen, (std::vector<std::string>{"10.0.0.1 甲地", "10.0.0.2 乙地", "10.0.0.2 乙地",
                                            "10.0.0.3 丙地", "10.0.0.1 甲地"}));
}

TEST(VpnService, TheBuiltInPoolHandsOutHundredsOfDistinctAddresses) {
  VpnService vpn;
  Loaded(vpn, "server * step 0\n");
  std::set<std::string> addresses;
  for (int i = 0; i < 300; ++i) {
    DialToEnd(vpn, "e", "s", "u", "p");
    addresses.insert(vpn.CurrentAddress().address);
    vpn.DropEntry("e");
  }
  EXPECT_EQ(addresses.size(), 300u);
}

TEST(VpnService, TheHomeAddressIsReportedWithoutALiveConnection) {
  VpnService vpn;
  Loaded(vpn, "home 192.0.2.99 本地 宽带\nserver * step 1\n");
  EXPECT_EQ(vpn.CurrentAddress().address, "192.0.2.99");
  EXPECT_EQ(vpn.CurrentAddress().region, "本地 宽带");
  uint64_t h = 0;
  DialToEnd(vpn, "e", "s", "u", "p", &h);
  EXPECT_NE(vpn.CurrentAddress().address, "192.0.2.99");
  EXPECT_EQ(vpn.HangUp(h), 0u);
  EXPECT_EQ(vpn.CurrentAddress().address, "192.0.2.99");
}

TEST(VpnService, OnlyTheScenariosAccountsAreTaken) {
  VpnService vpn;
  Loaded(vpn, "account demo demo123\naccount 用户 密码\nserver * step 1\n");
  EXPECT_EQ(DialToEnd(vpn, "a", "s", "demo", "demo123").back().state, kConnected);
  EXPECT_EQ(DialToEnd(vpn, "b", "s", "用户", "密码").back().state, kConnected);
  DialEvent rejected = DialToEnd(vpn, "c", "s", "demo", "Demo123").back();
  EXPECT_EQ(rejected.error, 691u);
  EXPECT_EQ(rejected.state, 5u);
  Loaded(vpn, "any-account\n");
  EXPECT_EQ(DialToEnd(vpn, "d", "s", "anyone", "x").back().state, kConnected);
}

TEST(VpnService, AServerDropsItsLinkAfterItsTimeOrAtRandomWithinItsRange) {
  VpnService vpn;
  Loaded(vpn, "server fixed.example step 1 drop-after 0.2\nserver random.example step 1 drop-random 0.1-0.3\n");
  uint64_t fixed = 0, random = 0;
  DialToEnd(vpn, "f", "fixed.example", "u", "p", &fixed);
  DialToEnd(vpn, "r", "random.example:4430", "u", "p", &random);  // the port does not matter
  ASSERT_TRUE(vpn.WaitFor([](const std::vector<ConnectionRecord>& all) {
    for (const auto& c : all)
      if (c.status != LinkStatus::Dropped) return false;
    return true;
  }, 2000));
  for (const ConnectionRecord& c : vpn.Connections()) {
    SCOPED_TRACE(c.entry);
    const int64_t lived = c.endedMs - c.connectedMs;
    if (c.handle == fixed) {
      EXPECT_EQ(lived, 200);
    }
    if (c.handle == random) {
      EXPECT_GE(lived, 100);
      EXPECT_LE(lived, 300);
    }
  }
}

TEST(VpnService, ToolCommandsActAfterTheToolDelay) {
  VpnService vpn;
  Loaded(vpn, "server * step 1\ntool-delay 150\nentry 拨号 7\n");
  DialToEnd(vpn, "拨号 7", "s", "u", "p");
  EXPECT_TRUE(vpn.RunTool("rasphone -h 拨号 7"));
  EXPECT_TRUE(vpn.RunTool("rasphone -r 拨号 7"));
  EXPECT_FALSE(vpn.RunTool("rasphone -x 拨号 7"));
  EXPECT_EQ(vpn.Listed().size(), 1u);
  EXPECT_EQ(vpn.DefaultEntries().size(), 1u);
  std::this_thread::sleep_for(200ms);
  EXPECT_TRUE(vpn.Listed().empty());
  EXPECT_TRUE(vpn.DefaultEntries().empty());
}

TEST(VpnService, ADialCutByThePhonebookToolReportsAUserDisconnectionAtTheStateItReached) {
  VpnService vpn;
  Loaded(vpn, "server * step 100\ntool-delay 0\n");
  VpnService::DialAnswer a = vpn.Dial("拨号 1", "s", "u", "p", 1);
  std::vector<DialEvent> seen;
  bool more = true;
  // Two reports in, then the tool hangs the entry up.
  while (more && seen.size() < 2) {
    auto got = vpn.Events(a.handle, seen.size(), 2000, &more);
    ASSERT_TRUE(got);
    seen.insert(seen.end(), got->begin(), got->end());
  }
  ASSERT_TRUE(vpn.RunTool("rasphone -h 拨号 1"));
  while (more) {
    auto got = vpn.Events(a.handle, seen.size(), 2000, &more);
    ASSERT_TRUE(got);
    seen.insert(seen.end(), got->begin(), got->end());
  }
  ASSERT_GE(seen.size(), 3u);
  EXPECT_EQ(seen.back().state, seen[seen.size() - 2].state);
  EXPECT_NE(seen.back().state, kConnected);
  EXPECT_EQ(seen.back().error, 631u);
  for (size_t i = 0; i + 1 < seen.size(); ++i) EXPECT_EQ(seen[i].error, 0u);
  ASSERT_EQ(vpn.Connections().size(), 1u);
  EXPECT_EQ(vpn.Connections()[0].status, LinkStatus::HungUp);
  EXPECT_EQ(vpn.Connections()[0].error, 631u);
  EXPECT_TRUE(vpn.Listed().empty());
}

struct DirectiveCase {
  const char* line;
  const char* reply;  // nullptr: not a directive of the service
};

TEST(VpnScenario, DirectivesAreCheckedWordByWord) {
  const DirectiveCase cases[] = {
      {"account demo demo123", "ok"},
      {"account demo", "error: account needs a user name and a password"},
      {"server a.example reject 691 delay 10 step 5", "ok"},
      {"server a.example accept drop-after 2.5", "ok"},
      {"server a.example drop-random 3-1", "error: drop-random needs MIN-MAX seconds"},
      {"server a.example drop-after soon", "error: drop-after needs seconds"},
      {"server a.example sometimes", "error: unknown server word 'sometimes'"},
      {"server", "error: server needs a host name"},
      {"pool 203.0.113.5 江苏省 南京市", "ok"},
      {"pool", "error: an address is missing"},
      {"repeat x", "error: repeat needs a number"},
      {"tool-delay -5", "error: tool-delay needs a number"},
      {"entry", "error: entry needs a name"},
      {"drop all", "dropped 0\nok"},
      {"drop sometimes", "error: drop all | drop entry NAME | drop handle H"},
      {"mode page-a down", nullptr},
  };
  for (const DirectiveCase& c : cases) {
    SCOPED_TRACE(c.line);
    VpnService vpn;
    std::optional<std::string> reply = RunVpnDirective(vpn, c.line);
    ASSERT_EQ(reply.has_value(), c.reply != nullptr);
    if (reply) {
      EXPECT_EQ(*reply, c.reply);
    }
  }
}

TEST(VpnScenario, AScenarioStopsAtItsFirstBadLineAndNamesIt) {
  VpnService vpn;
  std::string error;
  EXPECT_FALSE(LoadScenario(vpn, "# the test account\naccount a b\n\n  \nserver x maybe\naccount c d\n", &error));
  EXPECT_EQ(error, "line 5: unknown server word 'maybe'");
  EXPECT_FALSE(LoadScenario(vpn, "frobnicate\n", &error));
  EXPECT_EQ(error, "line 1: unknown directive");
}

}  // namespace
}  // namespace rv::sandbox
