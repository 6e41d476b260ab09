#include "platform/win32/shell_win32.h"

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace rv::win32 {

namespace {

std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  if (n <= 0) return {};
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
  return w;
}

}  // namespace

bool ShellWin32::Open(const std::string& target) {
  std::wstring wide = Widen(target);
  if (wide.empty()) return false;
  HINSTANCE result = ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  // ShellExecute reports success with a value greater than 32.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace rv::win32
