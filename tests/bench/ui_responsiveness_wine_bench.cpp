// How responsive the real 64-bit program's window stays under Wine while the
// link monitor checks a live sandbox link, at the default interval (0.5 s)
// and at the smallest one the validator accepts (0.0001 s), against the idle
// window before any connect.
//
// Measured inside the driver on the performance counter:
// - a WM_NULL round trip through the window's thread (how soon its message
//   loop gets to a message);
// - a click on 按钮_断开: posted as a real click, until the button greys out
//   (the handler has started and the window shows it), and until the message
//   line reads the disconnect text (the handler's 500 ms wait included).
// The monitor's own pace (checks a second) is read off its message line.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "supervision/controls.h"
#include "wine/sandbox_program.h"

namespace {

using namespace rv;
using namespace rv::wine;

constexpr int kRuns = 7;
constexpr int kPingsPerRun = 40;
constexpr const char* kStoppedText = "注意：已手动停止并成功断开连接，请重新连接使用。";

struct Series {
  std::vector<double> v;
  void Add(double x) { v.push_back(x); }
  double At(double q) const {
    if (v.empty()) return -1;
    std::vector<double> s = v;
    std::sort(s.begin(), s.end());
    return s[std::min(s.size() - 1, static_cast<size_t>(q * static_cast<double>(s.size())))];
  }
};

// Every "us=" line of a ping reply, in milliseconds.
void AddPings(const DriverReply& r, Series& into) {
  for (const std::string& line : r.lines)
    if (line.rfind("us=", 0) == 0) into.Add(std::stod(line.substr(3)) / 1000.0);
}

struct Row {
  std::string label;
  Series ping, disabled, stopped, rate;
  int failures = 0;
};

void PrintRow(const Row& r) {
  auto cell = [](double ms) {
    char b[24];
    if (ms < 0)
      std::snprintf(b, sizeof b, "%8s", "-");
    else
      std::snprintf(b, sizeof b, "%8.1f", ms);
    return std::string(b);
  };
  std::printf("%-16s %s %s %s %s %s %s %s %9.0f %4d\n", r.label.c_str(), cell(r.ping.At(0.5)).c_str(),
              cell(r.ping.At(0.95)).c_str(), cell(r.ping.At(1.0)).c_str(), cell(r.disabled.At(0.5)).c_str(),
              cell(r.disabled.At(1.0)).c_str(), cell(r.stopped.At(0.5)).c_str(), cell(r.stopped.At(1.0)).c_str(),
              r.rate.v.empty() ? 0.0 : r.rate.At(0.5), r.failures);
}

class Bench {
 public:
  Bench(Driver& driver, sandbox::VpnService& vpn) : driver_(driver), vpn_(vpn), user_(driver) {}

  Row Idle() {
    Row row{"idle (no link)", {}, {}, {}, {}, 0};
    for (int run = 0; run < kRuns; ++run) AddPings(driver_.Call("ping " + std::to_string(kPingsPerRun) + " 10"), row.ping);
    return row;
  }

  Row Monitoring(const std::string& interval) {
    Row row{"monitor " + interval + " s", {}, {}, {}, {}, 0};
    user_.Type(ctl::kMonitorInterval, interval);
    for (int run = 0; run < kRuns; ++run)
      if (!OneRun(interval, row)) {
        ++row.failures;
        Recover();
      }
    return row;
  }

 private:
  int Count(const std::string& interval) { return MonitorCount(user_.Text(ctl::kMessageLine), interval); }

  // Says on stderr which step of a run failed.
  bool Failed(const char* step) {
    std::fprintf(stderr, "run failed: %s (message line: %s)\n", step, user_.Text(ctl::kMessageLine).c_str());
    for (const auto& c : vpn_.Connections())
      std::fprintf(stderr, "  dial %llu %s: %s, dialed %lld ms, up %lld ms, ended %lld ms, error %u\n",
                   static_cast<unsigned long long>(c.handle), c.entry.c_str(), sandbox::LinkStatusName(c.status),
                   static_cast<long long>(c.dialMs), static_cast<long long>(c.connectedMs),
                   static_cast<long long>(c.endedMs), c.error);
    for (const auto& t : vpn_.ToolCommands())
      std::fprintf(stderr, "  tool at %lld ms: %s\n", static_cast<long long>(t.atMs), t.command.c_str());
    return false;
  }

  // After a failed run: the user's disconnect, and the window back to idle.
  void Recover() {
    if (user_.Enabled(ctl::kDisconnect)) user_.Click(ctl::kDisconnect);
    user_.WaitText(ctl::kConnect, [&](const std::string&) { return user_.Enabled(ctl::kConnect); }, 15000);
  }

  bool OneRun(const std::string& interval, Row& row) {
    // As a user would, not at once after the last disconnect: the phonebook
    // tool that the disconnect started may still be at work on the entry.
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    const size_t before = vpn_.Connections().size();
    user_.Click(ctl::kConnect);
    if (!vpn_.WaitFor([&](const auto& all) { return all.size() > before; }, 10000)) return Failed("no dial");
    if (!user_.WaitText(ctl::kMessageLine, [&](const std::string& t) { return MonitorCount(t, interval) >= 2; },
                        20000))
      return Failed("no monitor");
    // The monitor's pace over a second of checking.
    const int first = Count(interval);
    const auto t0 = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const int second = Count(interval);
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    if (first >= 0 && second >= first) row.rate.Add((second - first) / secs);
    AddPings(driver_.Call("ping " + std::to_string(kPingsPerRun) + " 10"), row.ping);
    DriverReply click = driver_.Call("timed-click " + std::string(ctl::kDisconnect) + " 10000 " + ctl::kMessageLine +
                                     " " + Escape(kStoppedText));
    if (!click.ok) return Failed(click.error.c_str());
    const double disabled = click.Int("disabled_us"), stopped = click.Int("text_us");
    if (disabled < 0 || stopped < 0) return Failed("click not answered");
    row.disabled.Add(disabled / 1000.0);
    row.stopped.Add(stopped / 1000.0);
    if (!user_.WaitText(ctl::kConnect, [&](const std::string&) { return user_.Enabled(ctl::kConnect); }, 10000))
      return Failed("connect button stays grey");
    return true;
  }

  Driver& driver_;
  sandbox::VpnService& vpn_;
  StaticWindowUser user_;
};

}  // namespace

int main() {
  StaticProgramRun run;
  if (!run.error().empty()) {
    std::fprintf(stderr, "%s\n", run.error().c_str());
    return 1;
  }

  Bench bench(*run.driver, run.provider.vpn());
  std::vector<Row> rows;
  rows.push_back(bench.Idle());
  rows.push_back(bench.Monitoring("0.5"));
  rows.push_back(bench.Monitoring("0.0001"));

  std::printf("StaticLineWindow under Wine, %d runs each (ms; p50/p95/max of WM_NULL round trips, p50/max of clicks)\n",
              kRuns);
  std::printf("%-16s %8s %8s %8s %8s %8s %8s %8s %9s %4s\n", "", "ping50", "ping95", "pingmax", "grey50",
              "greymax", "text50", "textmax", "checks/s", "fail");
  for (const Row& r : rows) PrintRow(r);
  for (const Row& r : rows)
    if (r.failures) return 1;
  return 0;
}
