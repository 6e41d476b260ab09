#include "platform/win32/shell_win32.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/wide.h"

namespace rv::win32 {

bool ShellWin32::Open(const std::string& target) {
  std::wstring wide = Wide(target);
  if (wide.empty()) return false;
  HINSTANCE result = ShellExecuteW(nullptr, L"open", wide.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  // ShellExecute reports success with a value greater than 32.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace rv::win32
