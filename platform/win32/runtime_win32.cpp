#include "platform/win32/runtime_win32.h"

#include <windows.h>

#include <memory>

namespace rv::win32 {

namespace {

// Every kind of input wakes the wait: keys, mouse, posted and sent messages,
// timers, paint and hotkeys.
constexpr DWORD kWakeMask = 0xFF;

DWORD WINAPI WorkerMain(LPVOID param) {
  std::unique_ptr<std::function<void()>> routine(static_cast<std::function<void()>*>(param));
  (*routine)();
  return 0;
}

// Without a timer the wait counts down on the tick clock instead.
void TimedPause(int64_t ms) {
  const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(ms);
  for (;;) {
    ULONGLONG now = GetTickCount64();
    if (now >= end) return;
    DWORD r = MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), kWakeMask);
    if (r == WAIT_TIMEOUT) return;
    PumpPendingMessages();
  }
}

}  // namespace

void PumpPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void RuntimeWin32::StartWorker(std::function<void()> routine) {
  auto* param = new std::function<void()>(std::move(routine));
  DWORD id = 0;
  HANDLE h = CreateThread(nullptr, 0, WorkerMain, param, 0, &id);
  if (h) {
    CloseHandle(h);
  } else {
    delete param;
  }
}

bool RuntimeWin32::Pause(int64_t ms) {
  if (ms <= 0) {
    PumpPendingMessages();
    return true;
  }
  HANDLE timer = CreateWaitableTimerW(nullptr, FALSE, nullptr);
  LARGE_INTEGER due;
  due.QuadPart = -ms * 10000;
  if (!timer || !SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE)) {
    if (timer) CloseHandle(timer);
    TimedPause(ms);
    return true;
  }
  for (;;) {
    DWORD r = MsgWaitForMultipleObjects(1, &timer, FALSE, INFINITE, kWakeMask);
    if (r == WAIT_OBJECT_0) break;
    if (r == WAIT_OBJECT_0 + 1) {
      PumpPendingMessages();
      continue;
    }
    // WAIT_FAILED: never spin on a broken handle.
    CloseHandle(timer);
    TimedPause(ms);
    return true;
  }
  CloseHandle(timer);
  return true;
}

int64_t RuntimeWin32::NowMs() { return static_cast<int64_t>(GetTickCount64()); }

LocalTime RuntimeWin32::LocalNow() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

void RuntimeWin32::EndProcess(int code) { ExitProcess(static_cast<UINT>(code)); }

}  // namespace rv::win32
