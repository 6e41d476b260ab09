#include "wine/sandbox_program.h"

#include <chrono>
#include <thread>

#include "sandbox/vpn_scenario.h"

namespace rv::wine {

ProgramFiles SandboxFiles(sandbox::Provider& provider) {
  return {{"sandbox.ini", "[Sandbox]\r\nEnabled=1\r\nProvider=" + provider.Url() +
                              "\r\nIpEchoPageA=" + provider.echo().PageAUrl() +
                              "\r\nIpEchoServiceB=" + provider.echo().ServiceBUrl() + "\r\n"}};
}

std::string StaticWindowUser::Text(const std::string& control) {
  DriverReply r = driver_.Call("get " + control);
  EXPECT_TRUE(r.ok) << control << ": " << r.error;
  return r.Value("text");
}

bool StaticWindowUser::Checked(const std::string& control) {
  return driver_.Call("get " + control).Value("checked") == "1";
}

bool StaticWindowUser::Enabled(const std::string& control) {
  return driver_.Call("get " + control).Value("enabled") == "1";
}

void StaticWindowUser::Type(const std::string& control, const std::string& text) {
  EXPECT_TRUE(driver_.Call("set " + control).ok);
  DriverReply r = driver_.Call("type " + control + " " + Escape(text));
  EXPECT_TRUE(r.ok) << r.error;
  // Another process cannot read a password box back.
  if (control != "编辑框_密码") {
    EXPECT_TRUE(WaitText(control, [&](const std::string& t) { return t == text; }, 5000)) << control;
  }
}

void StaticWindowUser::Click(const std::string& control) {
  DriverReply r = driver_.Call("click " + control);
  EXPECT_TRUE(r.ok) << control << ": " << r.error;
}

void StaticWindowUser::Tick(const std::string& control, bool on) {
  if (Checked(control) != on) Click(control);
  for (int i = 0; i < 100 && Checked(control) != on; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(Checked(control), on) << control;
}

void StaticWindowUser::FillIn(const std::string& server, const std::string& user, const std::string& password) {
  Type("编辑框_服务器地址", server);
  Type("编辑框_用户名", user);
  Type("编辑框_密码", password);
}

bool StaticWindowUser::WaitText(const std::string& control, const std::function<bool(const std::string&)>& done,
                                int timeoutMs, std::vector<std::string>* seen) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    DriverReply r = driver_.Call("get " + control);
    if (!r.ok) return false;
    const std::string text = r.Value("text");
    if (seen && (seen->empty() || seen->back() != text)) seen->push_back(text);
    if (done(text)) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

std::string StaticWindowUser::Screenshot(const std::string& name) {
  const std::string path = ArtifactDir() + "/" + name + ".png";
  DriverReply r = driver_.Call("screenshot " + WindowsPath(path));
  EXPECT_TRUE(r.ok) << r.error;
  return path;
}

StaticProgramRun::StaticProgramRun() {
  WineHost& host = WineHost::Get();
  if (!host.ok()) {
    error_ = "no Wine host: " + host.error();
    return;
  }
  sandbox::LoadDefaultScenario(provider.vpn());
  if (!provider.Start(0)) {
    error_ = "the provider cannot listen";
    return;
  }
  const std::string dir = PrepareProgramFolder(host, "static", SandboxFiles(provider));
  program_ = std::make_unique<WineProcess>(dir + "/Rovanta.exe", std::vector<std::string>{}, EnvVars{}, false, dir);
  driver = std::make_unique<Driver>();
  if (!driver->Call("wait-window StaticLineWindow 60000", 70000).ok) {
    error_ = "the program's window did not appear";
    return;
  }
  StaticWindowUser(*driver).FillIn(kServer, kUser, kPassword);
}

StaticProgramRun::~StaticProgramRun() {
  if (!program_) return;
  if (error_.empty()) driver->Call("close");
  program_->Wait(20000);
}

int MonitorCount(const std::string& text, const std::string& interval) {
  const std::string head = "已连接成功！正在每" + interval + "秒检测一次，目前第", tail = "次正常！";
  if (text.rfind(head, 0) != 0 || text.size() < head.size() + tail.size() ||
      text.compare(text.size() - tail.size(), tail.size(), tail) != 0)
    return -1;
  const std::string digits = text.substr(head.size(), text.size() - head.size() - tail.size());
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) return -1;
  return std::stoi(digits);
}

}  // namespace rv::wine
