#include "platform/win32/files_win32.h"

#include <windows.h>

#include <string>

#include "platform/win32/wide.h"

namespace rv::win32 {

std::string FilesWin32::ProgramDir() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    if (path.size() >= 32768) return {};
    path.resize(path.size() * 2);
  }
  size_t slash = path.find_last_of(L"\\/");
  return Utf8(slash == std::wstring::npos ? std::wstring() : path.substr(0, slash));
}

bool FilesWin32::WriteWhole(const std::string& path, std::string_view bytes) {
  HANDLE h = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  while (ok && !bytes.empty()) {
    DWORD chunk = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    ok = WriteFile(h, bytes.data(), chunk, &written, nullptr) && written > 0;
    bytes.remove_prefix(written);
  }
  if (!CloseHandle(h)) ok = false;
  return ok;
}

}  // namespace rv::win32
