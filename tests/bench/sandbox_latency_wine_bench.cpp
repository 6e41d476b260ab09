// The real 64-bit program under Wine against the sandbox provider in this
// process: the time from the click on 按钮_连接 to the dial request reaching
// the provider, and from a drop in the provider to the program's drop text
// at the default check interval (0.5 s), each the median of several runs.
// Both are read on the provider's clock; the drop time includes the
// driver's polling of the message line (about 20 ms a round).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

#include "wine/sandbox_program.h"

namespace {

using namespace rv;
using namespace rv::wine;

constexpr int kRuns = 7;
constexpr const char* kMessage = "编辑框_接收信息";
constexpr const char* kBackToLocal = "注意：已断开连接！已回到本地连接ip，请重新【连接】换ip！";

struct Series {
  const char* what;
  std::vector<int64_t> ms;
  void Print() const {
    std::vector<int64_t> v = ms;
    std::sort(v.begin(), v.end());
    if (v.empty()) {
      std::printf("%-44s no runs\n", what);
      return;
    }
    std::printf("%-44s median %5lld ms  (min %lld, max %lld, %zu runs)\n", what,
                static_cast<long long>(v[v.size() / 2]), static_cast<long long>(v.front()),
                static_cast<long long>(v.back()), v.size());
  }
};

size_t Dials(sandbox::VpnService& vpn) { return vpn.Connections().size(); }

}  // namespace

int main() {
  StaticProgramRun run;
  if (!run.error().empty()) {
    std::fprintf(stderr, "%s\n", run.error().c_str());
    return 1;
  }
  sandbox::VpnService& vpn = run.provider.vpn();
  StaticWindowUser user(*run.driver);

  Series click{"click on 按钮_连接 -> dial request at provider", {}};
  Series drop{"provider drop -> drop text (interval 0.5 s)", {}};
  std::mt19937 random(7);
  for (int run = 0; run < kRuns; ++run) {
    const size_t before = Dials(vpn);
    const int64_t clickAt = vpn.NowMs();
    user.Click("按钮_连接");
    if (!vpn.WaitFor([&](const auto& all) { return all.size() > before; }, 10000)) break;
    click.ms.push_back(vpn.Connections().back().dialMs - clickAt);
    if (!user.WaitText(kMessage, [](const std::string& t) { return MonitorCount(t, "0.5") >= 2; }, 20000)) break;
    // A drop anywhere within the check interval.
    std::this_thread::sleep_for(std::chrono::milliseconds(random() % 500));
    const int64_t dropAt = vpn.NowMs();
    vpn.DropAll();
    if (!user.WaitText(kMessage, [](const std::string& t) { return t == kBackToLocal; }, 10000)) break;
    drop.ms.push_back(vpn.NowMs() - dropAt);
    if (!user.WaitText("按钮_连接", [&](const std::string&) { return user.Enabled("按钮_连接"); }, 5000)) break;
  }
  click.Print();
  drop.Print();
  return click.ms.size() == kRuns && drop.ms.size() == kRuns ? 0 : 1;
}
