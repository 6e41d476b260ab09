// The program's sandbox-mode Remote Access Service and process start over
// real HTTP (libcurl) and real threads against the sandbox provider on
// loopback: the codes, reports and texts of the real service.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

#include "app/connection_title.h"
#include "platform/codepage.h"
#include "platform/posix/http_curl.h"
#include "platform/posix/runtime_posix.h"
#include "platform/sandbox/sandbox_process.h"
#include "platform/sandbox/sandbox_ras.h"
#include "sandbox/provider.h"
#include "sandbox/vpn_scenario.h"
#include "ui/headless/headless_view.h"
#include "vpn/ras_records.h"
#include "vpn/vpn.h"

namespace rv {
namespace {

using namespace std::chrono_literals;
using namespace ras_service;
using sandbox::LinkStatus;

constexpr const char* kBook = "c:\\pptp.pbk";

struct Report {
  uint32_t state, error;
  bool operator==(const Report&) const = default;
};

// Collects the notifier's reports from whatever thread they come on.
class Reports {
 public:
  RasNotifier Notifier() {
    return [this](uint32_t msg, uint32_t state, uint32_t error) {
      std::lock_guard<std::mutex> lock(mutex_);
      if (msg != kDialEventMessage) wrongMessage_ = true;
      reports_.push_back({state, error});
    };
  }
  std::vector<Report> Get() {
    std::lock_guard<std::mutex> lock(mutex_);
    return reports_;
  }
  bool WaitFor(size_t n, std::chrono::milliseconds limit = 5s) {
    auto end = std::chrono::steady_clock::now() + limit;
    while (Get().size() < n)
      if (std::chrono::steady_clock::now() > end) return false;
      else std::this_thread::sleep_for(5ms);
    return true;
  }
  bool wrongMessage() {
    std::lock_guard<std::mutex> lock(mutex_);
    return wrongMessage_;
  }

 private:
  std::mutex mutex_;
  std::vector<Report> reports_;
  bool wrongMessage_ = false;
};

// A process start that only records what it was asked to start.
class RecordingProcess final : public ProcessApi {
 public:
  bool StartHidden(const std::string& commandLine) override {
    started.push_back(commandLine);
    return true;
  }
  std::vector<std::string> started;
};

std::vector<Report> Connecting() {
  std::vector<Report> out;
  for (uint32_t s : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 10u, 14u, 18u, kStateConnected}) out.push_back({s, 0});
  return out;
}

std::vector<Report> FailingAt(uint32_t state, uint32_t error) {
  std::vector<Report> out;
  for (const Report& r : Connecting())
    if (r.state < state) out.push_back(r);
  out.push_back({state, error});
  return out;
}

class SandboxRasTest : public testing::Test {
 protected:
  void SetUp() override {
    sandbox::LoadDefaultScenario(provider.vpn());
    provider.vpn().SetServer("*", Fast());
    ASSERT_TRUE(provider.Start(0));
    ras = std::make_unique<SandboxRas>(curl, runtime, provider.Url());
    process = std::make_unique<SandboxProcess>(real, curl, provider.Url());
  }
  void TearDown() override { ras.reset(); }

  static sandbox::ServerBehaviour Fast() {
    sandbox::ServerBehaviour b;
    b.stepMs = 10;
    return b;
  }
  void Write(const std::string& entry, const std::string& server, int protocol = kPptp) {
    ras::Record r = ras::BuildEntryRecord(server, protocol);
    ASSERT_EQ(ras->SetEntryProperties(kBook, ras::EntryNameBytes(entry), r.data(), ras::kEntrySize), 0u);
  }
  // Writes the entry for `server` and dials it with the sandbox account.
  RasHandle Dialed(const std::string& entry, const std::string& server, Reports& reports) {
    Write(entry, server);
    RasHandle h = 0;
    EXPECT_EQ(Dial(entry, "demo", "demo123", reports, &h), 0u);
    return h;
  }
  uint32_t Dial(const std::string& entry, const std::string& user, const std::string& password,
                Reports& reports, RasHandle* handle) {
    ras::Record p = ras::BuildDialParams(entry, user, password);
    return ras->Dial(kBook, p.data(), ras::kDialParamsSize, reports.Notifier(), handle);
  }
  std::vector<std::string> Listed() {
    ras::Record buffer = ras::ConnectionBuffer(ras::kConnection64, 10);
    uint32_t bytes = static_cast<uint32_t>(buffer.size()), count = 0;
    EXPECT_EQ(ras->EnumConnections(buffer.data(), &bytes, &count), 0u);
    std::vector<std::string> out;
    for (uint32_t i = 0; i < count; ++i)
      out.push_back(GbkBytesToUtf8(ras::ReadConnection(ras::kConnection64, buffer.data(), static_cast<int>(i)).entryName));
    return out;
  }
  sandbox::ConnectionRecord Record(RasHandle h) {
    for (const auto& c : provider.vpn().Connections())
      if (c.handle == h) return c;
    ADD_FAILURE() << "no connection " << h;
    return {};
  }

  sandbox::Provider provider;
  CurlHttp curl;
  RuntimePosix runtime;
  RecordingProcess real;
  std::unique_ptr<SandboxRas> ras;
  std::unique_ptr<SandboxProcess> process;
};

struct DialCase {
  const char* name;
  const char* serverDirective;  // nullptr: the default behaviour
  const char* password;
  std::vector<Report> reports;
  LinkStatus status;
};

class SandboxDialOutcome : public SandboxRasTest, public testing::WithParamInterface<DialCase> {};

TEST_P(SandboxDialOutcome, ReportsComeInTheServicesOrderOnAThreadOfTheirOwn) {
  const DialCase& c = GetParam();
  if (c.serverDirective) {
    ASSERT_EQ(provider.RunCommand(c.serverDirective), "ok");
  }
  const std::string entry = EntryName("3");
  Write(entry, "vpn7.example");
  Reports reports;
  RasHandle handle = 0;
  ASSERT_EQ(Dial(entry, "demo", c.password, reports, &handle), 0u);
  EXPECT_NE(handle, 0u);
  ASSERT_TRUE(reports.WaitFor(c.reports.size()));
  std::this_thread::sleep_for(100ms);  // nothing further comes
  EXPECT_EQ(reports.Get(), c.reports);
  EXPECT_FALSE(reports.wrongMessage());
  sandbox::ConnectionRecord record = Record(handle);
  EXPECT_EQ(record.status, c.status);
  EXPECT_EQ(record.entry, entry);
  EXPECT_EQ(record.server, "vpn7.example");
  EXPECT_EQ(record.user, "demo");
  EXPECT_EQ(record.protocol, kPptp);
  const bool listed = c.status == LinkStatus::Connected || c.status == LinkStatus::Dialing;
  EXPECT_EQ(Listed(), listed ? std::vector<std::string>{entry} : std::vector<std::string>{});
  EXPECT_EQ(ras->HangUp(handle), 0u);
  EXPECT_EQ(Listed(), std::vector<std::string>{});
  EXPECT_EQ(ras->HangUp(handle), kErrorInvalidHandle);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SandboxDialOutcome,
    testing::Values(
        DialCase{"Connects", nullptr, "demo123", Connecting(), LinkStatus::Connected},
        DialCase{"WrongPassword691", nullptr, "wrong", FailingAt(5, 691), LinkStatus::Failed},
        DialCase{"ServerRejects", "server vpn7.example reject step 10", "demo123", FailingAt(5, 691),
                 LinkStatus::Failed},
        DialCase{"ServerRejectsWithItsCode", "server vpn7.example reject 629 step 10", "demo123",
                 FailingAt(5, 629), LinkStatus::Failed},
        DialCase{"NeverAnswers", "server vpn7.example silent step 10", "demo123",
                 std::vector<Report>{{0, 0}, {1, 0}, {2, 0}}, LinkStatus::Dialing},
        DialCase{"AcceptsAfterADelay", "server vpn7.example accept delay 300 step 10", "demo123",
                 Connecting(), LinkStatus::Connected}),
    [](const auto& info) { return info.param.name; });

TEST_F(SandboxRasTest, ADelayedServerStaysQuietUntilItsDelayIsOver) {
  ASSERT_EQ(provider.RunCommand("server slow.example accept delay 400 step 10"), "ok");
  Write("e", "slow.example");
  Reports reports;
  RasHandle h = 0;
  auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(Dial("e", "demo", "demo123", reports, &h), 0u);
  ASSERT_TRUE(reports.WaitFor(1));
  EXPECT_GE(std::chrono::steady_clock::now() - start, 390ms);
  ASSERT_TRUE(reports.WaitFor(Connecting().size()));
}

TEST_F(SandboxRasTest, ARefusedDialAnswersAtOnceAndHoldsItsHandleUntilHungUp) {
  ASSERT_EQ(provider.RunCommand("server vpn7.example refuse 633"), "ok");
  Write("e", "vpn7.example");
  Reports reports;
  RasHandle h = 0;
  EXPECT_EQ(Dial("e", "demo", "demo123", reports, &h), 633u);
  EXPECT_NE(h, 0u);
  EXPECT_EQ(Record(h).status, LinkStatus::Failed);
  EXPECT_EQ(ras->HangUp(h), 0u);
  EXPECT_EQ(Record(h).status, LinkStatus::HungUp);
  std::this_thread::sleep_for(50ms);
  EXPECT_TRUE(reports.Get().empty());
}

TEST_F(SandboxRasTest, RecordsAreCheckedAndKeptAsTheServiceKeepsThem) {
  Reports reports;
  RasHandle h = 0;
  EXPECT_EQ(Dial("e", "demo", "demo123", reports, &h), kErrorCannotOpenPhonebook);
  Write("e", "vpn7.example:4430", kSstp);
  EXPECT_EQ(Dial("other", "demo", "demo123", reports, &h), kErrorCannotFindEntry);
  ras::Record creds = ras::BuildCredentialsRecord("demo", "demo123");
  EXPECT_EQ(ras->SetCredentials(kBook, "other", creds.data(), false), kErrorCannotFindEntry);
  EXPECT_EQ(ras->SetCredentials(kBook, "e", creds.data(), false), 0u);
  ras::Record entry = ras::BuildEntryRecord("x", kPptp);
  EXPECT_EQ(ras->SetEntryProperties(kBook, "e", entry.data(), 2000), kErrorInvalidSize);
  ras::Record params = ras::BuildDialParams("e", "demo", "demo123");
  EXPECT_EQ(ras->Dial(kBook, params.data(), 1000, reports.Notifier(), &h), kErrorInvalidSize);
  ASSERT_TRUE(ras->Entry("e", kBook));
  EXPECT_EQ(ras->Entry("e", kBook)->server, "vpn7.example:4430");
  EXPECT_EQ(ras->Entry("e", kBook)->vpnStrategy, static_cast<uint32_t>(kSstp));
  EXPECT_EQ(ras->Credentials("e", kBook)->password, "demo123");

  // Without an account in the dial parameters the stored credentials dial.
  ASSERT_EQ(Dial("e", "", "", reports, &h), 0u);
  ASSERT_TRUE(reports.WaitFor(Connecting().size()));
  EXPECT_EQ(reports.Get().back(), (Report{kStateConnected, 0}));
  EXPECT_EQ(Record(h).server, "vpn7.example:4430");
  EXPECT_EQ(Record(h).protocol, kSstp);
}

TEST_F(SandboxRasTest, ConnectionsAreListedInBothRecordLayoutsAndBoundedByTheBuffer) {
  const std::string entry = EntryName("1");  // GBK on the records, UTF-8 on the wire
  Reports reports;
  const RasHandle h = Dialed(entry, "vpn7.example", reports);
  ASSERT_TRUE(reports.WaitFor(Connecting().size()));
  for (const ras::ConnectionLayout* layout : {&ras::kConnection32, &ras::kConnection64}) {
    ras::Record buffer = ras::ConnectionBuffer(*layout, 1);
    uint32_t bytes = static_cast<uint32_t>(buffer.size()), count = 0;
    ASSERT_EQ(ras->EnumConnections(buffer.data(), &bytes, &count), 0u);
    ASSERT_EQ(count, 1u);
    ras::ConnectionView v = ras::ReadConnection(*layout, buffer.data(), 0);
    EXPECT_EQ(v.entryName, Utf8ToGbkBytes(entry));
    EXPECT_EQ(v.handle, layout->handleLen == 4 ? (h & 0xFFFFFFFF) : h);
    EXPECT_EQ(v.deviceType, "vpn");
  }
  Reports more;
  Dialed("second", "vpn8.example", more);
  ras::Record one = ras::ConnectionBuffer(ras::kConnection64, 1);
  uint32_t bytes = static_cast<uint32_t>(one.size()), count = 0;
  EXPECT_EQ(ras->EnumConnections(one.data(), &bytes, &count), kRasErrorBufferTooSmall);
  EXPECT_EQ(bytes, 2 * ras::kConnection64.size);
  ras::Record bad(ras::kConnection64.size, 0);
  ras::PutU32(bad.data(), 0, 100);
  bytes = static_cast<uint32_t>(bad.size());
  EXPECT_EQ(ras->EnumConnections(bad.data(), &bytes, &count), kErrorInvalidSize);
}

TEST_F(SandboxRasTest, DialingAConnectedEntryHandsBackItsConnectionReportedConnectedOnce) {
  Write("e", "vpn7.example");
  Reports first, again;
  RasHandle h = 0, h2 = 0;
  ASSERT_EQ(Dial("e", "demo", "demo123", first, &h), 0u);
  ASSERT_TRUE(first.WaitFor(Connecting().size()));
  ASSERT_EQ(Dial("e", "demo", "demo123", again, &h2), 0u);
  EXPECT_EQ(h2, h);
  ASSERT_TRUE(again.WaitFor(1));
  std::this_thread::sleep_for(100ms);
  EXPECT_EQ(again.Get(), (std::vector<Report>{{kStateConnected, 0}}));

  ASSERT_EQ(provider.RunCommand("server silent.example silent"), "ok");
  Write("s", "silent.example");
  Reports dialing, busy;
  RasHandle s1 = 0, s2 = 0;
  ASSERT_EQ(Dial("s", "demo", "demo123", dialing, &s1), 0u);
  EXPECT_EQ(Dial("s", "demo", "demo123", busy, &s2), kErrorDialAlreadyInProgress);
}

TEST_F(SandboxRasTest, AHangUpEndsTheReportsOfADialStillInProgress) {
  ASSERT_EQ(provider.RunCommand("server slow.example accept step 150"), "ok");
  Reports reports;
  const RasHandle h = Dialed("e", "slow.example", reports);
  ASSERT_TRUE(reports.WaitFor(2));
  EXPECT_EQ(ras->HangUp(h), 0u);
  const size_t seen = reports.Get().size();
  std::this_thread::sleep_for(600ms);
  EXPECT_LE(reports.Get().size(), seen + 1);  // at most one already on its way
  EXPECT_EQ(Record(h).status, LinkStatus::HungUp);
  EXPECT_TRUE(Listed().empty());
}

TEST_F(SandboxRasTest, ADialInProgressCutByThePhonebookToolReportsAUserDisconnection) {
  ASSERT_EQ(provider.RunCommand("server slow.example accept step 150"), "ok");
  provider.vpn().SetToolDelay(0);
  Reports reports;
  const RasHandle h = Dialed("e", "slow.example", reports);
  ASSERT_TRUE(reports.WaitFor(2));
  EXPECT_TRUE(process->StartHidden("rasphone -h e"));
  ASSERT_TRUE(provider.vpn().WaitFor([&](const std::vector<sandbox::ConnectionRecord>& all) {
    return std::any_of(all.begin(), all.end(), [&](const auto& c) { return c.handle == h && c.status == LinkStatus::HungUp; });
  }, 2000));
  ASSERT_TRUE(reports.WaitFor(3));
  std::this_thread::sleep_for(400ms);  // nothing follows the failure
  const std::vector<Report> got = reports.Get();
  ASSERT_GE(got.size(), 3u);
  EXPECT_EQ(got.back().error, 631u);
  EXPECT_EQ(got.back().state, got[got.size() - 2].state);
  char text[256] = {};
  ASSERT_EQ(ras->GetErrorString(631, text, sizeof text), 0u);
  EXPECT_EQ(GbkBytesToUtf8(text), "端口已被用户断开。");
}

TEST_F(SandboxRasTest, ThePhonebookToolAndIpconfigActOnTheProviderAndOtherCommandsRunForReal) {
  provider.vpn().SetToolDelay(100);
  provider.vpn().AddDefaultEntry(EntryName("7"));
  const std::string entry = EntryName("7");
  Reports reports;
  RasHandle h = Dialed(entry, "vpn7.example", reports);
  ASSERT_TRUE(reports.WaitFor(Connecting().size()));

  EXPECT_TRUE(process->StartHidden("rasphone -h " + entry));
  EXPECT_EQ(Listed(), std::vector<std::string>{entry});  // the tool acts a moment later
  std::this_thread::sleep_for(200ms);
  EXPECT_TRUE(Listed().empty());
  EXPECT_EQ(Record(h).status, LinkStatus::HungUp);

  ras::Record names = ras::EntryNameBuffer(4);
  uint32_t bytes = static_cast<uint32_t>(names.size()), count = 0;
  ASSERT_EQ(ras->EnumEntries("", names.data(), &bytes, &count), 0u);
  ASSERT_EQ(count, 1u);
  EXPECT_EQ(ras::ReadEntryName(names.data(), 0), Utf8ToGbkBytes(entry));
  EXPECT_TRUE(process->StartHidden("rasphone -r " + entry));
  std::this_thread::sleep_for(200ms);
  bytes = static_cast<uint32_t>(names.size());
  ASSERT_EQ(ras->EnumEntries("", names.data(), &bytes, &count), 0u);
  EXPECT_EQ(count, 0u);

  // Released addresses take every tunnel down and let no dial through.
  Reports again;
  ASSERT_EQ(Dial(entry, "demo", "demo123", again, &h), 0u);
  ASSERT_TRUE(again.WaitFor(Connecting().size()));
  EXPECT_TRUE(process->StartHidden("ipconfig /release"));
  std::this_thread::sleep_for(200ms);
  EXPECT_EQ(Record(h).status, LinkStatus::Dropped);
  Reports offline;
  ASSERT_EQ(Dial(entry, "demo", "demo123", offline, &h), 0u);
  ASSERT_TRUE(offline.WaitFor(1));
  EXPECT_EQ(offline.Get(), (std::vector<Report>{{0, 868}}));
  EXPECT_TRUE(process->StartHidden("ipconfig /renew"));
  std::this_thread::sleep_for(200ms);
  EXPECT_FALSE(provider.vpn().NetworkReleased());

  EXPECT_TRUE(process->StartHidden("notepad.exe readme.txt"));
  EXPECT_EQ(real.started, std::vector<std::string>{"notepad.exe readme.txt"});
  std::vector<std::string> tools;
  for (const auto& t : provider.vpn().ToolCommands()) tools.push_back(t.command);
  EXPECT_EQ(tools, (std::vector<std::string>{"rasphone -h " + entry, "rasphone -r " + entry,
                                             "ipconfig /release", "ipconfig /renew"}));
}

TEST_F(SandboxRasTest, WithoutTheProviderTheServiceCannotStartAndADialInProgressFails) {
  ASSERT_EQ(provider.RunCommand("server slow.example accept step 400"), "ok");
  Reports reports;
  RasHandle h = Dialed("e", "slow.example", reports);
  ASSERT_TRUE(reports.WaitFor(1));
  provider.Stop();  // a report already on its way may still arrive
  for (int i = 0; i < 400 && reports.Get().back().error == 0; ++i) std::this_thread::sleep_for(25ms);
  std::vector<Report> got = reports.Get();
  ASSERT_GE(got.size(), 2u);
  EXPECT_EQ(got.back(), (Report{got[got.size() - 2].state, kErrorVpnUnreachable}));

  Reports none;
  EXPECT_EQ(Dial("e", "demo", "demo123", none, &h), kErrorServiceUnavailable);
  ras::Record buffer = ras::ConnectionBuffer(ras::kConnection64, 10);
  uint32_t bytes = static_cast<uint32_t>(buffer.size()), count = 0;
  EXPECT_EQ(ras->EnumConnections(buffer.data(), &bytes, &count), kErrorServiceUnavailable);
  EXPECT_EQ(ras->HangUp(h), kErrorServiceUnavailable);
  EXPECT_FALSE(process->StartHidden("rasphone -h e"));
  char text[100];
  ASSERT_EQ(ras->GetErrorString(kErrorServiceUnavailable, text, sizeof text), 0u);
  EXPECT_EQ(GbkBytesToUtf8(text), ErrorText(kErrorServiceUnavailable));
}

// The VPN engine of the program on the sandbox service: the message line,
// the connection handle and the address the echo sites report.
TEST_F(SandboxRasTest, TheEngineDialsThroughTheSandboxAndTheSitesReportTheConnectionsAddress) {
  App app;
  app.platform.runtime = &runtime;
  app.platform.ras = ras.get();
  app.platform.process = process.get();
  HeadlessView view(runtime);
  app.forms.SetView(&view);
  Form* w = app.forms.Load("StaticLineWindow");
  ASSERT_NE(w, nullptr);
  const std::string entry = EntryName("1");

  EXPECT_EQ(curl.Get(provider.echo().ServiceBUrl(), {}, 2000), "var ipInfo = {ip:'192.0.2.10',address:'沙盒市 本地宽带'};");
  ASSERT_TRUE(WriteVpnEntry(app, entry, "demo", "demo123", "vpn7.example", kL2tp));
  DialVpnEntry(app, entry, "demo", "demo123", *w, "编辑框_接收信息");
  for (int i = 0; i < 500 && w->Text("编辑框_接收信息") != kConnectedText; ++i) std::this_thread::sleep_for(5ms);
  EXPECT_EQ(w->Text("编辑框_接收信息"), kConnectedText);
  EXPECT_TRUE(IsEntryConnected(app, entry));
  const sandbox::ConnectionRecord live = Record(app.state.connectionHandle.load());
  EXPECT_EQ(live.protocol, kL2tp);
  EXPECT_EQ(curl.Get(provider.echo().ServiceBUrl(), {}, 2000),
            "var ipInfo = {ip:'" + live.assigned.address + "',address:'" + live.assigned.region + "'};");

  provider.vpn().DropEntry(entry);
  EXPECT_FALSE(IsEntryConnected(app, entry));

  // A wrong password shows the service's own text for 691.
  DialVpnEntry(app, entry, "demo", "nope", *w, "编辑框_接收信息");
  const std::string rejected = ErrorText(691);
  for (int i = 0; i < 500 && w->Text("编辑框_接收信息") != rejected; ++i) std::this_thread::sleep_for(5ms);
  EXPECT_EQ(w->Text("编辑框_接收信息"), rejected);
  EXPECT_EQ(app.state.dialInProgress.load(), 1);
  EXPECT_FALSE(IsEntryConnected(app, entry));
  HangUpCurrentConnection(app);
  HangUpEntryByName(app, entry);
  app.forms.Destroy(*w);
}

}  // namespace
}  // namespace rv
