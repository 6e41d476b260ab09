#include "platform/win32/process_win32.h"

#include <windows.h>

#include <vector>

namespace rv::win32 {

bool ProcessWin32::StartHidden(const std::string& commandLine) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, commandLine.data(),
                                    static_cast<int>(commandLine.size()), nullptr, 0);
  // CreateProcessW may write into the command line: give it a buffer of its own.
  std::vector<wchar_t> line(static_cast<size_t>(n) + 1, L'\0');
  if (n > 0)
    MultiByteToWideChar(CP_UTF8, 0, commandLine.data(), static_cast<int>(commandLine.size()),
                        line.data(), n);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                      nullptr, &startup, &info))
    return false;
  // Not waited for: the handles are only closed.
  CloseHandle(info.hThread);
  CloseHandle(info.hProcess);
  return true;
}

}  // namespace rv::win32
