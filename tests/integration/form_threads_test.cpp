// Workers writing into the controls on real threads while the UI thread waits
// in a pumping wait, in a modal notice and in a modal window: every write
// lands whole, no appended line is lost or doubled, and nobody deadlocks.
// Meant to run under ThreadSanitizer as well (preset host-tsan).
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/app.h"
#include "app/notice_box.h"
#include "ui/headless/headless_view.h"
#include "vpn/vpn.h"

namespace rv {
namespace {

using namespace std::chrono_literals;

class RealRuntime final : public Runtime {
 public:
  void StartWorker(std::function<void()> routine) override { std::thread(std::move(routine)).detach(); }
  bool Pause(int64_t ms) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    return true;
  }
  int64_t NowMs() override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
  LocalTime LocalNow() override { return {}; }
  void EndProcess(int) override { std::abort(); }
};

// A message box that stays open until the test closes it.
class HeldDialogs final : public DialogApi {
 public:
  int ShowMessageBox(WindowHandle, const std::string&, const std::string&, uint32_t) override {
    std::unique_lock<std::mutex> lock(mutex_);
    shown_ = true;
    cv_.notify_all();
    cv_.wait(lock, [&] { return closed_; });
    return 1;
  }
  std::vector<WindowInfo> EnumTopLevelWindows() override { return {}; }
  uint32_t CurrentProcessId() override { return 1; }
  void WaitShown() {
    std::unique_lock<std::mutex> lock(mutex_);
    cv_.wait(lock, [&] { return shown_; });
  }
  void Close() {
    std::lock_guard<std::mutex> lock(mutex_);
    closed_ = true;
    cv_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable cv_;
  bool shown_ = false, closed_ = false;
};

// Pulls the whole state of a changed control, as a real view repaints it.
class PullingObserver final : public FormObserver {
 public:
  void OnChange(Form& form, int control, Change change) override {
    // An append is drawn from the appended part; everything else is pulled whole.
    if (control < 0 || change == Change::Append) return;
    ControlState s = form.Snapshot(control);
    if (change == Change::Text && std::string(s.def->name) == "编辑框_接收信息" && !s.text.empty() &&
        !WholeMessage(s.text))
      torn_.fetch_add(1);
    pulls_.fetch_add(1);
  }
  static bool WholeMessage(const std::string& t) {
    static const std::string kHead = "状态 ", kTail = std::string(200, 'x') + " 已完成";
    return t.size() > kHead.size() + kTail.size() && t.rfind(kHead, 0) == 0 &&
           t.compare(t.size() - kTail.size(), kTail.size(), kTail) == 0;
  }
  std::atomic<int> torn_{0};
  std::atomic<int> pulls_{0};
};

std::string LogLine(int worker, int i) {
  return "\r\n当前IP：10." + std::to_string(worker) + ".0." + std::to_string(i) + "，地区：测试地区";
}
std::string Message(int worker, int i) {
  return "状态 " + std::to_string(worker) + "-" + std::to_string(i) + std::string(200, 'x') + " 已完成";
}

TEST(FormThreads, WorkersWriteWhileTheUiThreadWaitsInPumpsAndModalBoxes) {
  constexpr int kWorkers = 4;
  constexpr int kWrites = 1500;
  RealRuntime runtime;
  HeldDialogs dialogs;
  App app;
  app.platform.runtime = &runtime;
  app.platform.dialogs = &dialogs;
  HeadlessView view(runtime);
  app.forms.SetView(&view);
  PullingObserver observer;
  Form* window = app.forms.Load("StaticLineWindow");
  window->SetObserver(&observer);
  const std::string initialLog = window->Text("编辑框_列表结果显示");

  std::atomic<int> workersDone{0};
  std::atomic<int> tornReads{0};
  std::vector<std::thread> workers;
  for (int k = 0; k < kWorkers; ++k) {
    workers.emplace_back([&, k] {
      for (int i = 0; i < kWrites; ++i) {
        window->Append("编辑框_列表结果显示", LogLine(k, i));
        window->SetText("编辑框_接收信息", Message(k, i));
        if (!PullingObserver::WholeMessage(window->Text("编辑框_接收信息"))) tornReads.fetch_add(1);
        window->SetChecked("选择框_掉线重拨", i % 2 == 0);
        window->SetTextColor("编辑框_接收信息", i % 3 ? kRed : kPurple);
      }
      workersDone.fetch_add(1);
    });
  }

  // The UI thread: a pumping wait, a notice that stays open, then a modal
  // window, each while the workers keep writing.
  std::atomic<int> uiStage{0};
  std::thread ui([&] {
    for (int i = 0; i < 20; ++i) {
      PumpingWait(app, 5);
      window->SetText("编辑框_接收信息", Message(9, i));
    }
    uiStage = 1;
    NoticeBox(app, "请稍候");
    uiStage = 2;
    app.forms.Load("DialErrorHelpWindow", true, nullptr);
    uiStage = 3;
  });

  dialogs.WaitShown();
  std::this_thread::sleep_for(20ms);
  EXPECT_EQ(uiStage.load(), 1);
  dialogs.Close();
  while (!app.forms.Find("DialErrorHelpWindow")) std::this_thread::sleep_for(1ms);
  EXPECT_EQ(uiStage.load(), 2);
  for (auto& t : workers) t.join();
  app.forms.Destroy(app.forms.Get("DialErrorHelpWindow"));
  ui.join();
  EXPECT_EQ(uiStage.load(), 3);
  EXPECT_EQ(workersDone.load(), kWorkers);

  // Every line once, each worker's lines in its own order.
  const std::string log = window->Text("编辑框_列表结果显示");
  ASSERT_EQ(log.rfind(initialLog, 0), 0u);
  size_t expectedSize = initialLog.size();
  for (int k = 0; k < kWorkers; ++k) {
    size_t from = 0;
    for (int i = 0; i < kWrites; ++i) {
      std::string line = LogLine(k, i);
      expectedSize += line.size();
      size_t at = log.find(line, from);  // "，" after the address keeps 10.1.0.1 apart from 10.1.0.12
      ASSERT_NE(at, std::string::npos) << "worker " << k << " line " << i;
      from = at + line.size();
    }
  }
  EXPECT_EQ(log.size(), expectedSize);
  EXPECT_EQ(tornReads.load(), 0);
  EXPECT_EQ(observer.torn_.load(), 0);
  EXPECT_GE(observer.pulls_.load(), 2 * kWorkers * kWrites);
  EXPECT_TRUE(PullingObserver::WholeMessage(window->Text("编辑框_接收信息")));
  window->SetObserver(nullptr);
}

}  // namespace
}  // namespace rv
