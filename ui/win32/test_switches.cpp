#include "ui/win32/test_switches.h"

#include <windows.h>

#include <atomic>
#include <memory>
#include <string>

#include "app/notice_box.h"
#include "platform/win32/wide.h"
#include "vpn/vpn.h"

namespace rv::win32 {

namespace {

// A worker's tag and number, "w3"; built by appending, which GCC 12 does not
// misread as an overlapping copy the way it does "w" + std::to_string(k).
std::string Tag(const char* tag, int k) {
  std::string s(tag);
  s += std::to_string(k);
  return s;
}

long EnvNumber(const wchar_t* name, long fallback) {
  wchar_t buffer[32];
  DWORD n = GetEnvironmentVariableW(name, buffer, 32);
  if (n == 0 || n >= 32) return fallback;
  wchar_t* end = nullptr;
  long v = wcstol(buffer, &end, 10);
  return end && *end == 0 && v >= 0 ? v : fallback;
}

// Replaces `value` by the variable's content when it is set.
void EnvText(const wchar_t* name, std::string& value) {
  wchar_t buffer[2048];
  DWORD n = GetEnvironmentVariableW(name, buffer, 2048);
  if (n > 0 && n < 2048) value = Utf8(std::wstring_view(buffer, n));
}

Form* PresentedMainWindow(App& app) {
  Form* dynamic = app.forms.Find("DynamicLineWindow");
  return dynamic ? dynamic : app.forms.Find("StaticLineWindow");
}

void StartStress(App& app, Form* window, long rounds) {
  constexpr int kWorkers = 4;
  auto left = std::make_shared<std::atomic<int>>(kWorkers);
  for (int k = 0; k < kWorkers; ++k) {
    app.StartWorker([window, k, rounds, left] {
      for (long i = 0; i < rounds; ++i) {
        const std::string n = std::to_string(i);
        window->SetText("编辑框_接收信息", Tag("w", k) + " " + n);
        window->SetTextColor("编辑框_接收信息", (i & 1) ? kRed : kPurple);
        window->Append("编辑框_列表结果显示", Tag("s", k) + " " + n + "\r\n");
        window->SetChecked("选择框_记录每次连接ip", (i & 1) != 0);
      }
      if (--*left == 0) {
        window->SetTextColor("编辑框_接收信息", kForestGreen);
        window->SetText("编辑框_接收信息", "全部写完");
      }
    });
  }
  PumpingWait(app, 1000);
  NoticeBox(app, "压力测试");
}

}  // namespace

void StartTestSwitches(App& app) {
  EnvText(L"ROVANTA_TEST_IP_ECHO_PAGE_A", app.config.ipEchoPageA);
  EnvText(L"ROVANTA_TEST_IP_ECHO_SERVICE_B", app.config.ipEchoServiceB);
  if (long rounds = EnvNumber(L"ROVANTA_TEST_STRESS", 0); rounds > 0) {
    if (Form* window = PresentedMainWindow(app)) StartStress(app, window, rounds);
  }
  const long lines = EnvNumber(L"ROVANTA_TEST_LOG_LINES", 0);
  const long workers = std::max(1L, std::min(64L, EnvNumber(L"ROVANTA_TEST_LOG_WORKERS", 4)));
  Form* window = PresentedMainWindow(app);
  if (lines <= 0 || !window) return;
  for (long k = 0; k < workers; ++k) {
    const long first = lines * k / workers, last = lines * (k + 1) / workers;
    app.StartWorker([window, k, first, last] {
      for (long i = first; i < last; ++i)
        window->Append("编辑框_列表结果显示", Tag("w", k) + " line " + std::to_string(i) + "\r\n");
    });
  }
}

}  // namespace rv::win32
