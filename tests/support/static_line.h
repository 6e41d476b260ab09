#pragma once
// A static-line program in the simulator with an account filled in, and the
// few looks at it that the supervision scenarios take.
#include <atomic>
#include <string>
#include <vector>

#include "app/connection_title.h"
#include "support/world.h"

namespace rv::test {

inline constexpr const char* kStatic = "StaticLineWindow";
inline constexpr const char* kServerAddress = "10.8.0.1";
inline constexpr const char* kIpEchoB = "http://127.0.0.1:9003/getip.aspx";
// What the address query logs for the address the echo service reports.
inline constexpr const char* kQueryLine = "\r\n当前IP：1.2.3.4，地区：浙江\r\n";

// Passes every call to the service, except that the next `failChecks`
// connection listings fail and each listing can be given a cost in time.
class CheckedRas final : public RasApi {
 public:
  CheckedRas(RasApi& inner, Runtime& runtime) : inner_(inner), runtime_(runtime) {}
  std::atomic<int> failChecks{0};
  std::atomic<int64_t> listingCostMs{0};
  std::atomic<int> listings{0};

  uint32_t SetEntryProperties(const std::string& pb, const std::string& e, const uint8_t* r, uint32_t s) override {
    return inner_.SetEntryProperties(pb, e, r, s);
  }
  uint32_t SetCredentials(const std::string& pb, const std::string& e, const uint8_t* r, bool c) override {
    return inner_.SetCredentials(pb, e, r, c);
  }
  uint32_t Dial(const std::string& pb, const uint8_t* p, uint32_t s, RasNotifier n, RasHandle* h) override {
    return inner_.Dial(pb, p, s, std::move(n), h);
  }
  uint32_t GetErrorString(uint32_t code, char* b, uint32_t s) override { return inner_.GetErrorString(code, b, s); }
  uint32_t EnumConnections(uint8_t* buffer, uint32_t* bytes, uint32_t* count) override {
    ++listings;
    if (const int64_t cost = listingCostMs.load()) runtime_.Pause(cost);
    if (failChecks.load() > 0) {
      --failChecks;
      return 668;  // the service's "connection dropped" answer
    }
    return inner_.EnumConnections(buffer, bytes, count);
  }
  uint32_t HangUp(RasHandle h) override { return inner_.HangUp(h); }
  uint32_t EnumEntries(const std::string& pb, uint8_t* b, uint32_t* bytes, uint32_t* c) override {
    return inner_.EnumEntries(pb, b, bytes, c);
  }

 private:
  RasApi& inner_;
  Runtime& runtime_;
};

class StaticLine {
 public:
  explicit StaticLine(bool start = true) {
    world.app.platform.ras = &checked;
    // Page A is not there; service B reports the address.
    world.app.config.ipEchoServiceB = kIpEchoB;
    world.http.Serve(kIpEchoB, "var ipInfo = {ip:'1.2.3.4',address:'浙江'};");
    if (start) Start();
  }
  void Start() {
    world.Start();
    world.Type(kStatic, "编辑框_服务器地址", kServerAddress);
    world.Type(kStatic, "编辑框_用户名", "alice");
    world.Type(kStatic, "编辑框_密码", "secret");
    world.Run(0);
    formLog = Log();
  }
  Form& W() { return world.W(kStatic); }
  std::string Text(const char* control) { return world.Text(kStatic, control); }
  std::string Message() { return Text("编辑框_接收信息"); }
  std::string Log() { return Text("编辑框_列表结果显示"); }
  // What was appended to the log after the form's own notice lines.
  std::string Appended() { return Log().substr(formLog.size()); }
  bool Enabled(const char* control) { return W().Enabled(control); }
  void Tick(const char* box, bool on = true) { W().SetChecked(box, on); }
  void Click(const char* control) { world.Click(kStatic, control); }
  // Connects and runs until the monitor has counted its first check.
  bool ConnectAndWatch() {
    Click("按钮_连接");
    return world.RunUntil([&] { return Message().rfind("已连接成功！", 0) == 0; }, 10000);
  }
  bool RunUntilMessage(const std::string& text, int64_t maxMs = 60000) {
    return world.RunUntilText(kStatic, "编辑框_接收信息", text, maxMs);
  }
  // Entry-name suffixes of every dial so far.
  std::vector<std::string> DialedSuffixes() {
    std::vector<std::string> out;
    const std::string title = kConnectionTitle;
    for (const auto& d : world.ras.Dials()) out.push_back(d.entry.substr(title.size()));
    return out;
  }
  int64_t Now() { return world.sched.NowMs(); }

  World world;
  CheckedRas checked{world.ras, world.sched};
  std::string formLog;
};

}  // namespace rv::test
