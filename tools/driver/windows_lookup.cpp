#include <algorithm>

#include "platform/win32/wide.h"
#include "tools/driver/driver.h"

namespace rv::driver {

using win32::Utf8;
using win32::Wide;

std::string RvName(HWND hwnd) {
  auto atom = static_cast<ATOM>(reinterpret_cast<uintptr_t>(GetPropW(hwnd, L"RvName")));
  if (!atom) return {};
  wchar_t buffer[256];
  UINT n = GlobalGetAtomNameW(atom, buffer, 256);
  return Utf8(std::wstring_view(buffer, n));
}

std::string ClassOf(HWND hwnd) {
  wchar_t buffer[256];
  int n = GetClassNameW(hwnd, buffer, 256);
  return Utf8(std::wstring_view(buffer, n > 0 ? static_cast<size_t>(n) : 0));
}

std::string TextOf(HWND hwnd) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 10000, &length)) return {};
  std::wstring w(static_cast<size_t>(length) + 1, L'\0');
  DWORD_PTR got = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, w.size(), reinterpret_cast<LPARAM>(w.data()),
                           SMTO_ABORTIFHUNG, 30000, &got))
    return {};
  w.resize(std::min<size_t>(got, length));
  return Utf8(w);
}

namespace {

struct TopSearch {
  std::string key;
  bool visibleOnly;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTop(HWND hwnd, LPARAM param) {
  auto* s = reinterpret_cast<TopSearch*>(param);
  if (s->visibleOnly && !IsWindowVisible(hwnd)) return TRUE;
  wchar_t title[512];
  int n = GetWindowTextW(hwnd, title, 512);
  if (Utf8(std::wstring_view(title, n > 0 ? static_cast<size_t>(n) : 0)) == s->key || RvName(hwnd) == s->key) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectNamed(HWND hwnd, LPARAM param) {
  if (!RvName(hwnd).empty()) reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
  return TRUE;
}

struct OwnedSearch {
  HWND top;
  std::vector<HWND>* out;
};

BOOL CALLBACK CollectOwned(HWND hwnd, LPARAM param) {
  auto* o = reinterpret_cast<OwnedSearch*>(param);
  if (GetWindow(hwnd, GW_OWNER) == o->top && !RvName(hwnd).empty()) o->out->push_back(hwnd);
  return TRUE;
}

}  // namespace

HWND FindTopLevel(const std::string& key, bool visibleOnly) {
  TopSearch s{key, visibleOnly};
  EnumWindows(MatchTop, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

std::vector<HWND> NamedControls(HWND top) {
  std::vector<HWND> out;
  EnumChildWindows(top, CollectNamed, reinterpret_cast<LPARAM>(&out));
  // The balloon tooltip is an owned popup, not a child.
  OwnedSearch owned{top, &out};
  EnumWindows(CollectOwned, reinterpret_cast<LPARAM>(&owned));
  return out;
}

HWND FindControl(HWND top, const std::string& name) {
  for (HWND h : NamedControls(top))
    if (RvName(h) == name) return h;
  return nullptr;
}

}  // namespace rv::driver
