// The network-environment operations with the real Windows backends under
// Wine, against what Wine offers: through netprobe.exe, and through the real
// program's buttons.
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "wine/wine_session.h"

namespace rv::wine {
namespace {

namespace fs = std::filesystem;

struct ProbeRun {
  std::optional<int> exitCode;
  std::vector<std::string> lines;
  std::vector<std::string> Values(const std::string& key) const {
    std::vector<std::string> out;
    for (const std::string& l : lines)
      if (l.rfind(key + "=", 0) == 0) out.push_back(l.substr(key.size() + 1));
    return out;
  }
  std::string Value(const std::string& key) const {
    auto v = Values(key);
    return v.empty() ? std::string() : v.front();
  }
};

class NetProbe : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs::exists(Exe())) << "build the 64-bit programs first: cmake --build build/win64";
    host_ = &WineHost::Get();
    if (!host_->ok()) GTEST_SKIP() << host_->error();
  }
  static std::string Exe() { return std::string(ROVANTA_WIN64_DIR) + "/netprobe.exe"; }

  ProbeRun Run(const std::string& program, const std::vector<std::string>& args) {
    WineProcess p(program, args, {}, true);
    ProbeRun run;
    std::string line;
    while (p.ReadLine(&line, 60000)) run.lines.push_back(line);
    run.exitCode = p.Wait(30000);
    return run;
  }
  ProbeRun Probe(const std::vector<std::string>& args) { return Run(Exe(), args); }
  // reg.exe of the prefix, for the typed-address key.
  ProbeRun Reg(const std::vector<std::string>& args) {
    return Run(host_->prefix() + "/drive_c/windows/system32/reg.exe", args);
  }
  // The Unix path of a C: path inside the prefix.
  std::string InPrefix(std::string windowsPath) {
    if (windowsPath.size() < 3 || (windowsPath[0] | 0x20) != 'c' || windowsPath[1] != ':') return {};
    std::string rest = windowsPath.substr(3);
    for (char& c : rest)
      if (c == '\\') c = '/';
    return host_->prefix() + "/drive_c/" + rest;
  }

  WineHost* host_ = nullptr;
};

TEST_F(NetProbe, StatusesAndSwitchMessagesFollowWhatThePlatformReports) {
  ProbeRun status = Probe({"status", "WLAN", "本地连接"});
  ASSERT_EQ(status.exitCode, 0);
  std::map<std::string, int> codes;
  for (const std::string& v : status.Values("status")) {
    size_t eq = v.rfind('=');
    codes[v.substr(0, eq)] = std::stoi(v.substr(eq + 1));
  }
  ASSERT_EQ(codes.size(), 2u) << status.lines.size();
  const bool wlan = codes["WLAN"] == 2, wired = codes["本地连接"] == 2;
  const char* cutTexts[2][2] = {
      {"无线连接WLAN【即WIFI】没联网，本地连接也没联网，都无需操作！",
       "无线连接WLAN【即WIFI】没联网，无需操作！禁用本地连接已完成！"},
      {"禁用本地WLAN【即WIFI】已完成！本地连接没联网，无需操作！",
       "禁用本地WLAN【即WIFI】和禁用本地连接都已完成！"}};
  if (!wlan && !wired) {
    // Nothing to switch here (Wine knows neither name): the static window's
    // operations run to their end and say so.
    EXPECT_EQ(Probe({"cut"}).Value("message"), cutTexts[0][0]);
    const bool wlanOff = codes["WLAN"] == 0, wiredOff = codes["本地连接"] == 0;
    if (!wlanOff && !wiredOff) {
      EXPECT_EQ(Probe({"restore"}).Value("message"),
                "无线连接WLAN【即WIFI】没禁用，本地连接也没禁用，都无需操作！");
    }
  } else {
    EXPECT_EQ(Probe({"cut"}).Value("message"), cutTexts[wlan][wired]);
  }
}

TEST_F(NetProbe, WmiQueriesRunThroughTheBackend) {
  ProbeRun all = Probe({"wmi", "NetConnectionStatus", "Select * From Win32_NetworkAdapter"});
  ASSERT_EQ(all.exitCode, 0);
  EXPECT_EQ(all.Value("ran"), "yes");
  EXPECT_FALSE(all.Values("value").empty());
  ProbeRun bad = Probe({"wmi", "NetConnectionStatus", "Select * Frm Win32_NetworkAdapter"});
  EXPECT_EQ(bad.Value("ran"), "no");
}

TEST_F(NetProbe, BrowserCleanupClearsWhatTheTestStored) {
  ProbeRun folders = Probe({"folders"});
  ASSERT_EQ(folders.exitCode, 0);
  const std::string cookies = InPrefix(folders.Value("cookies"));
  const std::string history = InPrefix(folders.Value("history"));
  ASSERT_FALSE(cookies.empty()) << folders.Value("cookies");
  ASSERT_FALSE(history.empty()) << folders.Value("history");
  fs::create_directories(cookies + "/Low");
  fs::create_directories(history + "/History.IE5/MSHist01");
  std::ofstream(cookies + "/user@site.txt") << "cookie";
  std::ofstream(cookies + "/Low/user@other.txt") << "cookie";
  std::ofstream(history + "/desktop.ini") << "[.ShellClassInfo]";
  std::ofstream(history + "/History.IE5/MSHist01/visit.dat") << "visit";
  std::ofstream(history + "/locked.dat") << "read-only";
  chmod((history + "/locked.dat").c_str(), 0444);
  const std::string typed = "HKCU\\Software\\Microsoft\\Internet Explorer\\TypedURLs";
  ASSERT_EQ(Reg({"add", typed, "/v", "url1", "/d", "http://site.example/", "/f"}).exitCode, 0);
  EXPECT_EQ(Probe({"cache-add", "Cookie:user@site.example/", "cookie"}).Value("added"), "yes");
  EXPECT_EQ(Probe({"cache-add", "http://site.example/page.htm", "page"}).Value("added"), "yes");
  ASSERT_EQ(Probe({"cache-list"}).Values("entry").size(), 2u);

  ASSERT_EQ(Probe({"clear"}).Value("cleared"), "yes");

  EXPECT_FALSE(fs::exists(cookies + "/user@site.txt"));
  EXPECT_FALSE(fs::exists(cookies + "/Low/user@other.txt"));
  EXPECT_TRUE(fs::is_directory(cookies + "/Low"));
  EXPECT_TRUE(fs::exists(history + "/desktop.ini"));
  EXPECT_FALSE(fs::exists(history + "/History.IE5/MSHist01"));
  EXPECT_FALSE(fs::exists(history + "/locked.dat"));
  EXPECT_NE(Reg({"query", typed}).exitCode, 0);
  for (const std::string& e : Probe({"cache-list"}).Values("entry"))
    EXPECT_EQ(e.find("site.example"), std::string::npos) << e;
}

// The real program on the real platform (sandbox mode off): the static
// window's buttons and drop-cut box under Wine, where neither named
// connection exists and the default phonebook is empty.
TEST_F(WineSession, StaticWindowNetworkButtonsReportInTheMessageLine) {
  StartProgram("static", {}, {{"sandbox.ini", "[Sandbox]\r\nEnabled=0\r\n"}});
  ASSERT_TRUE(WaitWindow("StaticLineWindow").ok);
  const std::pair<const char*, const char*> presses[] = {
      {"按钮_禁用本地网络", "无线连接WLAN【即WIFI】没联网，本地连接也没联网，都无需操作！"},
      {"按钮_启用本地网络", "无线连接WLAN【即WIFI】没禁用，本地连接也没禁用，都无需操作！"},
      {"按钮_修复故障", "自动修复故障已完成，请连接使用！"},
  };
  for (auto [button, text] : presses) {
    SCOPED_TRACE(button);
    ASSERT_TRUE(Call(std::string("click ") + button).ok);
    DriverReply shown = Call(std::string("wait-text 编辑框_接收信息 20000 ") + text);
    EXPECT_TRUE(shown.ok) << shown.error;
  }
  ASSERT_TRUE(Call("click 选择框_是否断网").ok);
  ASSERT_TRUE(Call("sleep 500").ok);
  EXPECT_EQ(Call("get 选择框_是否断网").Value("checked"), "1");
  EXPECT_EQ(Call("get 选择框_掉线音效").Value("checked"), "1");
  ASSERT_TRUE(Call("close").ok);
  EXPECT_EQ(WaitExit(20000).value_or(-1), 0);
}

}  // namespace
}  // namespace rv::wine
