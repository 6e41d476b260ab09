#include "platform/win32/dialogs_win32.h"

#include <windows.h>

#include "platform/win32/wide.h"

namespace rv::win32 {

namespace {

std::string WindowTextOf(HWND hwnd) {
  wchar_t buffer[512];
  int n = GetWindowTextW(hwnd, buffer, 512);
  return Utf8(std::wstring_view(buffer, n > 0 ? static_cast<size_t>(n) : 0));
}

std::string ClassNameOf(HWND hwnd) {
  wchar_t buffer[256];
  int n = GetClassNameW(hwnd, buffer, 256);
  return Utf8(std::wstring_view(buffer, n > 0 ? static_cast<size_t>(n) : 0));
}

BOOL CALLBACK Collect(HWND hwnd, LPARAM param) {
  auto* out = reinterpret_cast<std::vector<WindowInfo>*>(param);
  WindowInfo w;
  w.handle = reinterpret_cast<WindowHandle>(hwnd);
  DWORD pid = 0;
  w.threadId = GetWindowThreadProcessId(hwnd, &pid);
  w.processId = pid;
  w.title = WindowTextOf(hwnd);
  w.className = ClassNameOf(hwnd);
  w.visible = IsWindowVisible(hwnd) != FALSE;
  out->push_back(std::move(w));
  return TRUE;
}

}  // namespace

int DialogsWin32::ShowMessageBox(WindowHandle owner, const std::string& text,
                                 const std::string& title, uint32_t style) {
  HWND ownerHwnd = reinterpret_cast<HWND>(owner);
  if (ownerHwnd && !IsWindow(ownerHwnd)) ownerHwnd = nullptr;
  return MessageBoxW(ownerHwnd, Wide(text).c_str(), Wide(title).c_str(), style);
}

std::vector<WindowInfo> DialogsWin32::EnumTopLevelWindows() {
  std::vector<WindowInfo> out;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&out));
  return out;
}

uint32_t DialogsWin32::CurrentProcessId() { return GetCurrentProcessId(); }

}  // namespace rv::win32
