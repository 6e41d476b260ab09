// How soon the link monitor notices a drop, against the interval the user
// set, in the simulator under virtual time; and how soon a click on 按钮_断开
// is handled while the monitor checks continuously.
//
// Each listing of the connections is given a cost of virtual time, as the
// real service takes time to answer: without it a monitor that checks with
// no wait at all would stop virtual time.
#include <chrono>
#include <cstdio>
#include <random>

#include "support/static_line.h"

namespace {

constexpr const char* kBackToLocal = "注意：已断开连接！已回到本地连接ip，请重新【连接】换ip！";
constexpr int kTrials = 25;
constexpr int64_t kListingCostMs = 1;

struct Stats {
  int64_t min = INT64_MAX, max = 0, sum = 0;
  int n = 0;
  void Add(int64_t v) {
    min = std::min(min, v), max = std::max(max, v), sum += v, ++n;
  }
};

// One connect, then a drop at a random moment; returns the virtual delay
// until the monitor reports it, or -1.
int64_t DetectionDelay(const char* interval, std::mt19937& random, int& checks) {
  rv::test::StaticLine line;
  line.checked.listingCostMs = kListingCostMs;
  line.W().SetText("编辑框_监控时间秒", interval);
  if (!line.ConnectAndWatch()) return -1;
  line.world.Run(1000 + random() % 1000);
  const int before = line.checked.listings;
  line.world.ras.DropConnection(rv::EntryName("1"));
  const int64_t dropped = line.Now();
  if (!line.RunUntilMessage(kBackToLocal, 10000)) return -1;
  checks = line.checked.listings - before;
  return line.Now() - dropped;
}

void DisconnectLatency() {
  rv::test::StaticLine line;
  line.checked.listingCostMs = kListingCostMs;
  line.W().SetText("编辑框_监控时间秒", "0.0001");
  if (!line.ConnectAndWatch()) return;
  line.world.Run(5000);
  bool handled = false;
  line.world.app.forms.On(rv::test::kStatic, "按钮_断开", rv::kEvClick, [&](const rv::EventArgs&) { handled = true; });
  const int before = line.checked.listings;
  const int64_t clicked = line.Now();
  const auto real = std::chrono::steady_clock::now();
  line.Click("按钮_断开");
  line.world.RunUntil([&] { return handled; }, 10000);
  const double realUs =
      std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - real).count();
  std::printf("click on 按钮_断开 at 0.0001 s: handled after %lld ms virtual, %.0f us real, %d monitor checks meanwhile\n",
              static_cast<long long>(line.Now() - clicked), realUs, line.checked.listings - before);
}

}  // namespace

int main() {
  std::mt19937 random(7);
  std::printf("drop detection in the simulator (%d drops each, listing cost %lld ms)\n", kTrials,
              static_cast<long long>(kListingCostMs));
  std::printf("%-10s %10s %10s %10s %14s\n", "interval", "min ms", "mean ms", "max ms", "checks/drop");
  for (const char* interval : {"0.5", "0.01", "0.0001"}) {
    Stats delay, checks;
    for (int i = 0; i < kTrials; ++i) {
      int n = 0;
      const int64_t d = DetectionDelay(interval, random, n);
      if (d < 0) {
        std::printf("%s: drop not detected\n", interval);
        return 1;
      }
      delay.Add(d);
      checks.Add(n);
    }
    std::printf("%-10s %10lld %10.1f %10lld %14.1f\n", interval, static_cast<long long>(delay.min),
                static_cast<double>(delay.sum) / delay.n, static_cast<long long>(delay.max),
                static_cast<double>(checks.sum) / checks.n);
  }
  DisconnectLatency();
  return 0;
}
