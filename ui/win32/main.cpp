// The Windows program: the real platform, the real windows, one message loop.
#include <windows.h>
#include <commctrl.h>
#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include <string>

#include "app/app.h"
#include "app/startup.h"
#include "platform/sandbox/sandbox_platform.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "ui/win32/test_switches.h"
#include "ui/win32/win32_view.h"

namespace {

std::wstring ProgramDir() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n < path.size()) {
      path.resize(n);
      break;
    }
    path.resize(path.size() * 2);
  }
  size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

// At most `limit` bytes of a file beside the program; empty when it is missing
// or unreadable.
std::string ReadFileBeside(const std::wstring& dir, const char* name, DWORD limit) {
  std::wstring path = dir + L"\\" + rv::win32::Wide(name);
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  std::string buffer(limit, '\0');
  DWORD got = 0;
  if (!ReadFile(f, buffer.data(), limit, &got, nullptr)) got = 0;
  CloseHandle(f);
  buffer.resize(got);
  return buffer;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                                           ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  Gdiplus::GdiplusStartupInput gdiplusInput;
  ULONG_PTR gdiplusToken = 0;
  Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);

  // These live until the process ends: detached workers may still use them
  // while the process goes down, so they are never destroyed.
  auto* platform = new rv::win32::Win32Platform;
  auto& app = *new rv::App;
  app.platform = platform->platform();
  const std::wstring dir = ProgramDir();
  app.config.programDir = rv::win32::Utf8(dir);
  // The installation records its edition in edition.txt; none means the static line.
  app.config.edition = rv::ParseEditionChoice(ReadFileBeside(dir, rv::kEditionFileName, 256));
  // Sandbox mode unless sandbox.ini turns it off: the provider on loopback
  // plays the Remote Access Service, the tools, the network and the sites.
  const rv::SandboxSettings sandbox = rv::ParseSandboxSettings(
      ReadFileBeside(dir, rv::kSandboxFileName, rv::kMaxSandboxFileBytes), app.config.programDir);
  if (sandbox.enabled) (new rv::SandboxPlatform(app.platform, sandbox))->Apply(app.platform, app.config);

  auto* view = new rv::win32::Win32View(app.forms, instance);
  app.forms.SetView(view);
  rv::StartProgram(app);
  rv::win32::StartTestSwitches(app);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
