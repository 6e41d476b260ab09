// The dial, its state texts and the connection lookup, against the simulated
// Remote Access Service.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/connection_title.h"
#include "platform/codepage.h"
#include "support/world.h"
#include "vpn/vpn.h"

namespace rv {
namespace {

using sim::DialScript;
using sim::SimRas;

constexpr const char* kWin = "StaticLineWindow";
constexpr const char* kLine = "编辑框_接收信息";

class DialTest : public ::testing::Test {
 protected:
  void SetUp() override { w.Start(Edition::Static); }

  // Writes the entry and dials it on the UI thread, as the connect flow does.
  void Dial(const std::string& server, const std::string& entry = EntryName("1")) {
    w.OnUi([this, server, entry] {
      WriteVpnEntry(w.app, entry, "alice", "secret", server, kPptp);
      DialVpnEntry(w.app, entry, "alice", "secret", w.app.StaticWindow(), kLine);
    });
  }

  // Every text the message line shows until the dial has nothing more to say.
  std::vector<std::string> TextsFor(int64_t ms) {
    std::vector<std::string> seen;
    w.RunUntil(
        [&] {
          std::string t = w.Text(kWin, kLine);
          if (seen.empty() ? !t.empty() : seen.back() != t) seen.push_back(t);
          return false;
        },
        ms);
    return seen;
  }

  bool Connected(const std::string& entry = EntryName("1")) {
    bool result = false;
    w.OnUi([&] { result = IsEntryConnected(w.app, entry); });
    w.Run(0);
    return result;
  }

  test::World w;
};

TEST_F(DialTest, SuccessfulDialReplacesTextsUntilConnected) {
  w.ras.SetScript("10.8.0.1", DialScript::States({0, 1, 2, 5, 6, 12, 8192}));
  Dial("10.8.0.1");
  std::vector<std::string> texts = TextsFor(5000);

  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.front(), "正在打开端口");
  EXPECT_EQ(texts[1], "端口打开");
  EXPECT_EQ(texts[4].substr(0, 9), "验证中");
  EXPECT_EQ(texts.back(), "连接成功");
  EXPECT_EQ(texts.size(), 7u);
  EXPECT_EQ(w.app.state.dialInProgress.load(), 0);

  ASSERT_EQ(w.ras.Connections().size(), 1u);
  const RasHandle handle = w.ras.Connections()[0].handle;
  EXPECT_EQ(w.app.state.connectionHandle.load(), handle);
  w.app.state.connectionHandle = 0;
  EXPECT_TRUE(Connected());
  EXPECT_EQ(w.app.state.connectionHandle.load(), handle);

  ASSERT_EQ(w.ras.Dials().size(), 1u);
  EXPECT_EQ(w.ras.Dials()[0].entry, EntryName("1"));
  EXPECT_EQ(w.ras.Dials()[0].userName, "alice");
  EXPECT_EQ(w.ras.Dials()[0].password, "secret");
  EXPECT_EQ(w.ras.Dials()[0].server, "10.8.0.1");
}

struct Outcome {
  const char* name;
  DialScript script;
  std::string text;
  int32_t dialInProgress;
  bool listed = false;  // the service still lists the dial as a connection
};

class DialOutcome : public DialTest, public ::testing::WithParamInterface<Outcome> {};

TEST_P(DialOutcome, ShowsTheLastReportAndKeepsTheProgressFlag) {
  const Outcome& o = GetParam();
  w.ras.SetScript("vpn.example.test", o.script);
  Dial("vpn.example.test");
  w.Run(5000);
  EXPECT_EQ(w.Text(kWin, kLine), o.text);
  EXPECT_EQ(w.app.state.dialInProgress.load(), o.dialInProgress);
  // A dial the service still lists counts once no early state holds it back.
  EXPECT_EQ(Connected(), o.listed && o.dialInProgress == 0);
  EXPECT_EQ(w.ras.Connections().size(), o.listed ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, DialOutcome,
    ::testing::Values(
        // The service's own message, not a state text; the early states left the flag up.
        Outcome{"Rejected691", DialScript::FailsAt(5, 691), SimRas::ErrorText(691), 1},
        Outcome{"NoAnswer678", DialScript::FailsAt(2, 678), SimRas::ErrorText(678), 1},
        Outcome{"ErrorBeforeAnyEarlyState", DialScript::FailsAt(0, 868), SimRas::ErrorText(868), 0},
        // A message longer than the 100-byte buffer is still shown whole.
        Outcome{"LongMessage806", DialScript::FailsAt(14, 806), SimRas::ErrorText(806), 1},
        // A code the service has no message for leaves the buffer's 100 spaces.
        Outcome{"UnknownCode", DialScript::FailsAt(3, 4444), std::string(100, ' '), 1},
        Outcome{"UnlistedState22", DialScript::States({0, 1, 22}), "22", 1, true},
        Outcome{"UnlistedState4100", DialScript::States({4100}), "4100", 0, true},
        Outcome{"Disconnected", DialScript::States({3, 8193}), "断开连接", 0}),
    [](const ::testing::TestParamInfo<Outcome>& info) { return std::string(info.param.name); });

TEST_F(DialTest, LongMessagesReallyExceedTheShortBuffer) {
  // Guards the case above: the simulated text must not fit in 100 bytes.
  EXPECT_GT(Utf8ToGbkBytes(SimRas::ErrorText(806)).size(), 99u);
  EXPECT_LT(Utf8ToGbkBytes(SimRas::ErrorText(691)).size(), 100u);
}

TEST_F(DialTest, ImmediateDialErrorLeavesNoConnectionBehind) {
  w.ras.SetScript("10.8.0.9", DialScript::RefusedAtOnce(633));
  Dial("10.8.0.9");
  w.Run(3000);

  ASSERT_EQ(w.ras.Dials().size(), 1u);
  const sim::SimDial dial = w.ras.Dials()[0];
  EXPECT_EQ(dial.result, 633u);
  ASSERT_NE(dial.handle, 0u);
  EXPECT_EQ(w.ras.HangUps(), std::vector<RasHandle>{dial.handle});
  EXPECT_TRUE(w.ras.OpenHandles().empty());
  EXPECT_TRUE(w.ras.Connections().empty());
  EXPECT_EQ(w.Text(kWin, kLine), "");
}

TEST_F(DialTest, ListedConnectionIsNotConnectedWhileInEarlyStates) {
  w.ras.SetScript("10.8.0.3", DialScript::States({0, 1, 2}));  // then no answer
  Dial("10.8.0.3");
  w.Run(2000);
  ASSERT_EQ(w.ras.Connections().size(), 1u);
  EXPECT_FALSE(w.ras.Connections()[0].connected);
  w.app.state.connectionHandle = 7;
  EXPECT_FALSE(Connected());
  EXPECT_EQ(w.app.state.connectionHandle.load(), 7u);
}

TEST_F(DialTest, NameDifferingInLetterCaseDoesNotMatch) {
  Dial("10.8.0.1");
  ASSERT_TRUE(w.RunUntilText(kWin, kLine, "连接成功", 5000));
  std::string upper = EntryName("1");
  upper[0] = 'I';
  upper[1] = 'P';
  EXPECT_FALSE(Connected(upper));
  EXPECT_TRUE(Connected());
}

struct Crowd {
  int foreignBefore;
  bool connected;
};

class ConnectionCount : public DialTest, public ::testing::WithParamInterface<Crowd> {};

TEST_P(ConnectionCount, MoreThanTenConnectionsReadAsNotConnected) {
  for (int i = 0; i < GetParam().foreignBefore; ++i)
    w.ras.AddForeignConnection("其他连接" + std::to_string(i));
  Dial("10.8.0.1");
  ASSERT_TRUE(w.RunUntilText(kWin, kLine, "连接成功", 5000));
  EXPECT_EQ(Connected(), GetParam().connected);
}

INSTANTIATE_TEST_SUITE_P(Counts, ConnectionCount,
                         ::testing::Values(Crowd{0, true}, Crowd{9, true}, Crowd{10, false}));

TEST_F(DialTest, LinkThatDropsIsNoLongerConnected) {
  w.ras.SetScript("10.8.0.1", DialScript::Connects().DropsAfter(4000));
  Dial("10.8.0.1");
  ASSERT_TRUE(w.RunUntilText(kWin, kLine, "连接成功", 5000));
  EXPECT_TRUE(Connected());
  w.Run(4000);
  EXPECT_FALSE(Connected());
  // The handle stays open until it is hung up.
  HangUpCurrentConnection(w.app);
  EXPECT_TRUE(w.ras.OpenHandles().empty());
}

}  // namespace
}  // namespace rv
