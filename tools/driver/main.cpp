// rvdriver.exe: runs commands from its command line (one per argument) or,
// without arguments, one per line of standard input. Every command prints
// its result lines, then "ok" or "error <reason>", as UTF-8.
#include <windows.h>
#include <objidl.h>

#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>
#include <shellapi.h>

#include <functional>
#include <map>
#include <sstream>

#include "platform/win32/wide.h"
#include "tools/driver/driver.h"
#include "ui/form_defs.h"
#include "ui/win32/menu_ids.h"

namespace rv::driver {
namespace {

using win32::Utf8;
using win32::Wide;

void WriteLine(const std::string& line) {
  std::string bytes = line + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

struct Context {
  HWND window = nullptr;
};

using Args = std::vector<std::string>;
using Output = std::vector<std::string>;
// Returns an error text, empty on success.
using Command = std::function<std::string(Context&, const Args&, Output&)>;

Args Split(const std::string& line) {
  Args out;
  std::istringstream in(line);
  std::string word;
  while (in >> word) out.push_back(word);
  return out;
}

// The words from `from` on, joined again: texts with spaces.
std::string Rest(const Args& args, size_t from) {
  std::string out;
  for (size_t i = from; i < args.size(); ++i) out += (i > from ? " " : "") + args[i];
  return Unescape(out);
}

int Number(const std::string& s, int fallback = 0) {
  char* end = nullptr;
  long v = std::strtol(s.c_str(), &end, 10);
  return end && *end == 0 ? static_cast<int>(v) : fallback;
}

std::string Hex(const void* p) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "0x%llx", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(p)));
  return buffer;
}

// Microseconds on the performance counter.
double NowUs() {
  static const double perUs = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1e6;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / perUs;
}

std::string Micros(double us) { return us < 0 ? "-1" : std::to_string(static_cast<long long>(us + 0.5)); }

// Polls `done` every `pollMs` until it holds; the microseconds from
// `startUs` then, or -1 on time-out.
double PollUs(double startUs, int timeoutMs, DWORD pollMs, const std::function<bool()>& done) {
  for (;;) {
    if (done()) return NowUs() - startUs;
    if (NowUs() - startUs >= std::max(timeoutMs, 0) * 1000.0) return -1;
    Sleep(pollMs);
  }
}

bool WaitFor(int timeoutMs, const std::function<bool()>& done) { return PollUs(NowUs(), timeoutMs, 50, done) >= 0; }

std::string NeedWindow(Context& c) {
  if (!c.window || !IsWindow(c.window)) return "no window selected";
  return {};
}

// Control geometry relative to the top-level window's client area.
RECT ClientRectOf(HWND top, HWND control) {
  RECT rc;
  GetWindowRect(control, &rc);
  MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

LPARAM PointParam(int x, int y) { return MAKELPARAM(x, y); }

void PostClickAt(HWND hwnd, int x, int y, bool twice) {
  PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(x, y));
  PostMessageW(hwnd, WM_LBUTTONUP, 0, PointParam(x, y));
  if (twice) {
    PostMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(x, y));
    PostMessageW(hwnd, WM_LBUTTONUP, 0, PointParam(x, y));
  }
}

std::string Control(Context& c, const Args& a, size_t index, HWND* out) {
  if (std::string e = NeedWindow(c); !e.empty()) return e;
  if (a.size() <= index) return "missing control name";
  *out = FindControl(c.window, a[index]);
  return *out ? std::string() : "no control " + a[index];
}

struct ClassSearch {
  DWORD pid;
  const wchar_t* cls;
  HWND found;
};

BOOL CALLBACK MatchClass(HWND h, LPARAM param) {
  auto* s = reinterpret_cast<ClassSearch*>(param);
  DWORD owner = 0;
  GetWindowThreadProcessId(h, &owner);
  if (owner == s->pid && IsWindowVisible(h) && _wcsicmp(Wide(ClassOf(h)).c_str(), s->cls) == 0) {
    s->found = h;
    return FALSE;
  }
  return TRUE;
}

// A visible top-level window of class `cls` that the process `pid` shows.
HWND FindProcessWindow(DWORD pid, const wchar_t* cls) {
  ClassSearch s{pid, cls, nullptr};
  EnumWindows(MatchClass, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

// A message box the process `pid` shows.
HWND FindMessageBox(DWORD pid) { return FindProcessWindow(pid, L"#32770"); }

std::string GetCommand(Context& c, const Args& a, Output& out) {
  HWND h;
  if (std::string e = Control(c, a, 1, &h); !e.empty()) return e;
  RECT rc = ClientRectOf(c.window, h);
  const LONG style = GetWindowLongW(h, GWL_STYLE);
  const std::string cls = ClassOf(h);
  out.push_back("name=" + a[1]);
  out.push_back("class=" + cls);
  out.push_back("id=" + std::to_string(GetDlgCtrlID(h)));
  out.push_back("x=" + std::to_string(rc.left));
  out.push_back("y=" + std::to_string(rc.top));
  out.push_back("w=" + std::to_string(rc.right - rc.left));
  out.push_back("h=" + std::to_string(rc.bottom - rc.top));
  out.push_back(std::string("enabled=") + (IsWindowEnabled(h) ? "1" : "0"));
  out.push_back(std::string("visible=") + ((style & WS_VISIBLE) ? "1" : "0"));
  if (_wcsicmp(Wide(cls).c_str(), L"Button") == 0) {
    DWORD_PTR state = 0;
    SendMessageTimeoutW(h, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &state);
    out.push_back(std::string("checked=") + (state == BST_CHECKED ? "1" : "0"));
  }
  if (cls == "SysListView32") {
    out.push_back("rows=" + std::to_string(ListRows(h).size()));
    out.push_back("selected=" + std::to_string(ListSelectedRow(h)));
  }
  if (_wcsicmp(Wide(cls).c_str(), L"ScrollBar") == 0) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_POS;
    GetScrollInfo(h, SB_CTL, &si);
    out.push_back("scroll=" + std::to_string(si.nMin) + "," + std::to_string(si.nMax) + "," + std::to_string(si.nPos));
  }
  out.push_back("text=" + Escape(TextOf(h)));
  return {};
}

const std::map<std::string, Command>& Commands() {
  static const std::map<std::string, Command> commands = {
      {"wait-window",
       [](Context& c, const Args& a, Output& out) -> std::string {
         // wait-window TITLE-OR-FORM-NAME TIMEOUT-MS: a visible window.
         if (a.size() < 3) return "usage: wait-window TITLE TIMEOUT";
         std::string key = Unescape([&] { Args t(a.begin() + 1, a.end() - 1); std::string s; for (auto& w : t) s += (s.empty() ? "" : " ") + w; return s; }());
         HWND found = nullptr;
         if (!WaitFor(Number(a.back()), [&] { return (found = FindTopLevel(key, true)) != nullptr; }))
           return "timeout";
         c.window = found;
         DWORD pid = 0;
         GetWindowThreadProcessId(found, &pid);
         out.push_back("hwnd=" + Hex(found));
         out.push_back("pid=" + std::to_string(pid));
         return {};
       }},
      {"find-window",
       [](Context& c, const Args& a, Output& out) -> std::string {
         // find-window TITLE-OR-FORM-NAME: hidden windows too; selects it.
         HWND found = FindTopLevel(Rest(a, 1), false);
         if (!found) return "not found";
         c.window = found;
         out.push_back(std::string("visible=") + (IsWindowVisible(found) ? "1" : "0"));
         return {};
       }},
      {"window-info",
       [](Context& c, const Args&, Output& out) -> std::string {
         if (std::string e = NeedWindow(c); !e.empty()) return e;
         RECT rc;
         GetWindowRect(c.window, &rc);
         out.push_back("name=" + RvName(c.window));
         out.push_back("title=" + Escape(TextOf(c.window)));
         out.push_back("w=" + std::to_string(rc.right - rc.left));
         out.push_back("h=" + std::to_string(rc.bottom - rc.top));
         out.push_back(std::string("visible=") + (IsWindowVisible(c.window) ? "1" : "0"));
         out.push_back(std::string("enabled=") + (IsWindowEnabled(c.window) ? "1" : "0"));
         out.push_back(std::string("iconic=") + (IsIconic(c.window) ? "1" : "0"));
         out.push_back(std::string("topmost=") + ((GetWindowLongW(c.window, GWL_EXSTYLE) & WS_EX_TOPMOST) ? "1" : "0"));
         // Where the client area starts inside the window (and its screenshot).
         POINT origin{0, 0};
         ClientToScreen(c.window, &origin);
         RECT client;
         GetClientRect(c.window, &client);
         out.push_back("client-x=" + std::to_string(origin.x - rc.left));
         out.push_back("client-y=" + std::to_string(origin.y - rc.top));
         out.push_back("client-w=" + std::to_string(client.right));
         out.push_back("client-h=" + std::to_string(client.bottom));
         return {};
       }},
      {"wait-gone",
       [](Context&, const Args& a, Output&) -> std::string {
         if (a.size() < 3) return "usage: wait-gone TITLE TIMEOUT";
         std::string key = a[1];
         return WaitFor(Number(a[2]), [&] { return FindTopLevel(key, true) == nullptr; }) ? "" : "timeout";
       }},
      {"list-controls",
       [](Context& c, const Args&, Output& out) -> std::string {
         if (std::string e = NeedWindow(c); !e.empty()) return e;
         for (HWND h : NamedControls(c.window)) {
           RECT rc = ClientRectOf(c.window, h);
           out.push_back(std::to_string(GetDlgCtrlID(h)) + "\t" + RvName(h) + "\t" + ClassOf(h) + "\t" +
                         std::to_string(rc.left) + "," + std::to_string(rc.top) + "," +
                         std::to_string(rc.right - rc.left) + "," + std::to_string(rc.bottom - rc.top));
         }
         return {};
       }},
      {"get", GetCommand},
      {"save-text",
       [](Context& c, const Args& a, Output& out) -> std::string {
         // save-text NAME FILE: the whole text as UTF-8 into FILE.
         HWND h;
         if (std::string e = Control(c, a, 1, &h); !e.empty()) return e;
         if (a.size() < 3) return "missing file";
         std::string text = TextOf(h);
         HANDLE f = CreateFileW(Wide(Rest(a, 2)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
         if (f == INVALID_HANDLE_VALUE) return "cannot create file";
         DWORD written = 0;
         WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
         CloseHandle(f);
         out.push_back("bytes=" + std::to_string(text.size()));
         return written == text.size() ? "" : "short write";
       }},
      {"text-length",
       [](Context& c, const Args& a, Output& out) -> std::string {
         HWND h;
         if (std::string e = Control(c, a, 1, &h); !e.empty()) return e;
         DWORD_PTR length = 0;
         if (!SendMessageTimeoutW(h, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 10000, &length)) return "timeout";
         out.push_back("length=" + std::to_string(length));
         return {};
       }},
      {"wait-text",
       [](Context& c, const Args& a, Output&) -> std::string {
         // wait-text NAME TIMEOUT TEXT
         HWND h;
         if (std::string e = Control(c, a, 1, &h); !e.empty()) return e;
         if (a.size() < 3) return "usage: wait-text NAME TIMEOUT TEXT";
         std::string want = Rest(a, 3);
         std::string last;
         if (WaitFor(Number(a[2]), [&] { return (last = TextOf(h)) == want; })) return {};
         return "timeout, text is " + Escape(last);
       }},
      {"set",
       [](Context& c, const Args& a, Output&) -> std::string {
         HWND h;
         if (std::string e = Control(c, a, 1, &h); !e.empty()) return e;
         std::wstring text = Wide(Rest(a, 2));
         DWORD_PTR r = 0;
         if (!SendMessageTimeoutW(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 10000, &r))
           return "timeout";
         return {};
       }},
      {"type",
       [](Context& c, const Args& a, Output&) -> std::string {
         // Characters as typed keys, each one posted.
         HWND h;
         if (std::string e = Control(c, a, 1, &h); !e.empty()) return e;
         for (wchar_t ch : Wide(Rest(a, 2))) PostMessageW(h, WM_CHAR, ch, 1);
         return {};
       }},
      {"click",
       [](Context& c, const Args& a, Output&) -> std::string {
         HWND h;
         if (std::string e = Control(c, a, 1, &h); !e.empty()) return e;
         if (_wcsicmp(Wide(ClassOf(h)).c_str(), L"Button") == 0) {
           PostMessageW(h, BM_CLICK, 0, 0);
         } else {
           RECT rc;
           GetClientRect(h, &rc);
           PostClickAt(h, rc.right / 2, rc.bottom / 2, false);
         }
         return {};
       }},
      {"mouse-down",
       [](Context& c, const Args& a, Output&) -> std::string {
         // A press and release of the left button in the middle of the control.
         HWND h;
         if (std::string e = Control(c, a, 1, &h); !e.empty()) return e;
         RECT rc;
         GetClientRect(h, &rc);
         PostClickAt(h, rc.right / 2, rc.bottom / 2, false);
         return {};
       }},
      {"leave",
       [](Context& c, const Args& a, Output&) -> std::string {
         HWND h;
         if (std::string e = Control(c, a, 1, &h); !e.empty()) return e;
         PostMessageW(h, WM_KILLFOCUS, 0, 0);
         return {};
       }},
      {"select-row",
       [](Context& c, const Args& a, Output&) -> std::string {
         HWND h;
         if (std::string e = Control(c, a, 1, &h); !e.empty()) return e;
         return a.size() > 2 && ListSelect(h, Number(a[2], -1)) ? "" : "cannot select";
       }},
      {"double-click-row",
       [](Context& c, const Args& a, Output&) -> std::string {
         HWND h;
         if (std::string e = Control(c, a, 1, &h); !e.empty()) return e;
         POINT p;
         if (a.size() < 3 || !ListRowCentre(h, Number(a[2], -1), &p)) return "no such row";
         PostClickAt(h, p.x, p.y, true);
         return {};
       }},
      {"rows",
       [](Context& c, const Args& a, Output& out) -> std::string {
         HWND h;
         if (std::string e = Control(c, a, 1, &h); !e.empty()) return e;
         for (const ListRow& row : ListRows(h)) {
           std::string line;
           for (size_t i = 0; i < row.cells.size(); ++i) {
             if (i) line += '\t';
             line += Escape(row.cells[i]);
           }
           out.push_back(line);
         }
         return {};
       }},
      {"columns",
       [](Context& c, const Args& a, Output& out) -> std::string {
         HWND h;
         if (std::string e = Control(c, a, 1, &h); !e.empty()) return e;
         for (auto& [caption, width] : ListColumns(h)) out.push_back(Escape(caption) + "\t" + std::to_string(width));
         return {};
       }},
      {"scroll",
       [](Context& c, const Args& a, Output&) -> std::string {
         // scroll NAME POS: as the thumb dragged to POS and let go.
         HWND h;
         if (std::string e = Control(c, a, 1, &h); !e.empty()) return e;
         if (a.size() < 3) return "missing position";
         int pos = Number(a[2]);
         SendMessageTimeoutW(h, SBM_SETPOS, pos, TRUE, SMTO_ABORTIFHUNG, 5000, nullptr);
         PostMessageW(c.window, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, pos), reinterpret_cast<LPARAM>(h));
         PostMessageW(c.window, WM_VSCROLL, MAKEWPARAM(SB_ENDSCROLL, 0), reinterpret_cast<LPARAM>(h));
         return {};
       }},
      {"menu",
       [](Context& c, const Args& a, Output&) -> std::string {
         // menu TOP/ITEM/...: chooses the item of that caption path. The
         // items are found in the window's table (another process cannot
         // read a menu under Wine), numbered as the program numbers them.
         if (std::string e = NeedWindow(c); !e.empty()) return e;
         const WindowDef* def = FindWindowDef(RvName(c.window).c_str());
         if (!def) return "window has no table";
         const int id = win32::MenuIdOfPath(*def, Rest(a, 1));
         if (!id) return "no menu item " + Rest(a, 1);
         PostMessageW(c.window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
         return {};
       }},
      {"menu-open",
       [](Context& c, const Args& a, Output& out) -> std::string {
         // menu-open INDEX: drops down the INDEX-th menu of the menu bar as
         // the keyboard does (F10, right arrows, down arrow) and waits for it.
         if (std::string e = NeedWindow(c); !e.empty()) return e;
         const int index = a.size() > 1 ? Number(a[1]) : 0;
         PostMessageW(c.window, WM_SYSCOMMAND, SC_KEYMENU, 0);
         for (int i = 0; i < index; ++i) PostMessageW(c.window, WM_KEYDOWN, VK_RIGHT, 0);
         PostMessageW(c.window, WM_KEYDOWN, VK_DOWN, 0);
         DWORD pid = 0;
         GetWindowThreadProcessId(c.window, &pid);
         HWND popup = nullptr;
         if (!WaitFor(10000, [&] { return (popup = FindProcessWindow(pid, L"#32768")) != nullptr; }))
           return "no menu dropped down";
         RECT rc;
         GetWindowRect(popup, &rc);
         RECT top;
         GetWindowRect(c.window, &top);
         out.push_back("x=" + std::to_string(rc.left - top.left));
         out.push_back("y=" + std::to_string(rc.top - top.top));
         out.push_back("w=" + std::to_string(rc.right - rc.left));
         out.push_back("h=" + std::to_string(rc.bottom - rc.top));
         return {};
       }},
      {"menu-close",
       [](Context& c, const Args&, Output&) -> std::string {
         // Leaves menu mode: one escape closes the drop-down, the next the bar.
         if (std::string e = NeedWindow(c); !e.empty()) return e;
         PostMessageW(c.window, WM_KEYDOWN, VK_ESCAPE, 0);
         PostMessageW(c.window, WM_KEYDOWN, VK_ESCAPE, 0);
         DWORD pid = 0;
         GetWindowThreadProcessId(c.window, &pid);
         return WaitFor(10000, [&] { return FindProcessWindow(pid, L"#32768") == nullptr; }) ? "" : "menu still open";
       }},
      {"select-notice",
       [](Context& c, const Args& a, Output&) -> std::string {
         // select-notice TIMEOUT: the program's message box becomes the
         // selected window (to screenshot it).
         if (std::string e = NeedWindow(c); !e.empty()) return e;
         DWORD pid = 0;
         GetWindowThreadProcessId(c.window, &pid);
         HWND box = nullptr;
         if (!WaitFor(a.size() > 1 ? Number(a[1]) : 0, [&] { return (box = FindMessageBox(pid)) != nullptr; }))
           return "no message box";
         c.window = box;
         return {};
       }},
      {"notice",
       [](Context& c, const Args& a, Output& out) -> std::string {
         // notice TIMEOUT [BUTTON-ID|none]: reads the program's message box
         // and presses its button (the default one unless told).
         if (std::string e = NeedWindow(c); !e.empty()) return e;
         DWORD pid = 0;
         GetWindowThreadProcessId(c.window, &pid);
         HWND box = nullptr;
         auto findBox = [&] { return (box = FindMessageBox(pid)) != nullptr; };
         if (!WaitFor(a.size() > 1 ? Number(a[1]) : 0, findBox)) return "no message box";
         out.push_back("title=" + Escape(TextOf(box)));
         std::string text, buttons;
         for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
           std::string cls = ClassOf(child);
           if (_wcsicmp(Wide(cls).c_str(), L"Static") == 0 && !(GetWindowLongW(child, GWL_STYLE) & SS_ICON)) {
             std::string t = TextOf(child);
             if (!t.empty()) text += (text.empty() ? "" : "\n") + t;
           } else if (_wcsicmp(Wide(cls).c_str(), L"Button") == 0) {
             buttons += (buttons.empty() ? "" : ",") + std::to_string(GetDlgCtrlID(child));
           }
         }
         out.push_back("text=" + Escape(text));
         out.push_back("buttons=" + buttons);
         out.push_back(std::string("icon=") + (FindWindowExW(box, nullptr, L"Static", nullptr) && [&] {
           for (HWND ch = GetWindow(box, GW_CHILD); ch; ch = GetWindow(ch, GW_HWNDNEXT))
             if (GetWindowLongW(ch, GWL_STYLE) & SS_ICON)  // a box without an icon may keep an empty one
               return IsWindowVisible(ch) && SendMessageW(ch, STM_GETICON, 0, 0) != 0;
           return false; }() ? "1" : "0"));
         std::string press = a.size() > 2 ? a[2] : "";
         if (press == "none") return {};
         DWORD_PTR def = 0;
         SendMessageTimeoutW(box, DM_GETDEFID, 0, 0, SMTO_ABORTIFHUNG, 5000, &def);
         int id = press.empty() ? (HIWORD(def) == DC_HASDEFID ? LOWORD(def) : IDOK) : Number(press, IDOK);
         HWND button = GetDlgItem(box, id);
         PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
         return {};
       }},
      {"close",
       [](Context& c, const Args&, Output&) -> std::string {
         if (std::string e = NeedWindow(c); !e.empty()) return e;
         PostMessageW(c.window, WM_CLOSE, 0, 0);
         return {};
       }},
      {"raise",
       [](Context& c, const Args&, Output&) -> std::string {
         // Brings the selected window in front of the others (for a screenshot).
         if (std::string e = NeedWindow(c); !e.empty()) return e;
         SetWindowPos(c.window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
         SetForegroundWindow(c.window);
         return WaitFor(5000, [&] { return GetForegroundWindow() == c.window; }) ? "" : "not in front";
       }},
      {"minimize",
       [](Context& c, const Args&, Output&) -> std::string {
         if (std::string e = NeedWindow(c); !e.empty()) return e;
         PostMessageW(c.window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
         return {};
       }},
      {"screenshot",
       [](Context& c, const Args& a, Output&) -> std::string {
         if (std::string e = NeedWindow(c); !e.empty()) return e;
         // The pointer goes to a corner first, so that no tooltip covers the window.
         SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
         Sleep(300);
         std::string error;
         return SaveScreenshot(c.window, Wide(Rest(a, 1)), &error) ? "" : error;
       }},
      {"pixels",
       [](Context& c, const Args& a, Output& out) -> std::string {
         // pixels NAME: the colours on screen inside the control, most
         // frequent first, as "RRGGBB count" (at most 8).
         HWND h;
         if (std::string e = Control(c, a, 1, &h); !e.empty()) return e;
         std::vector<std::pair<uint32_t, int>> counts;
         if (!CountColours(h, &counts)) return "cannot read the screen";
         for (size_t i = 0; i < counts.size() && i < 8; ++i) {
           char line[32];
           std::snprintf(line, sizeof line, "%06X %d", counts[i].first, counts[i].second);
           out.push_back(line);
         }
         return {};
       }},
      {"ping",
       // Round trips of WM_NULL through the selected window's thread: how soon
       // its message loop gets to a message. One "us=N" line a round trip.
       [](Context& c, const Args& a, Output& out) -> std::string {
         if (std::string e = NeedWindow(c); !e.empty()) return e;
         const int count = std::clamp(a.size() > 1 ? Number(a[1], 1) : 1, 1, 100000);
         const int gapMs = std::clamp(a.size() > 2 ? Number(a[2], 10) : 10, 0, 60000);
         for (int i = 0; i < count; ++i) {
           const double start = NowUs();
           DWORD_PTR r = 0;
           if (!SendMessageTimeoutW(c.window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &r)) return "timeout";
           out.push_back("us=" + Micros(NowUs() - start));
           if (gapMs) Sleep(static_cast<DWORD>(gapMs));
         }
         return {};
       }},
      {"timed-click",
       // timed-click BUTTON TIMEOUT [CONTROL TEXT]: clicks as "click" does and
       // times the program's answer: "disabled_us" when the button greys out
       // (the handler has started and the window shows it), "text_us" when
       // CONTROL reads TEXT. -1 for what did not happen in time.
       [](Context& c, const Args& a, Output& out) -> std::string {
         HWND button, watched = nullptr;
         if (std::string e = Control(c, a, 1, &button); !e.empty()) return e;
         if (a.size() < 3) return "usage: timed-click BUTTON TIMEOUT [CONTROL TEXT]";
         if (a.size() > 3)
           if (std::string e = Control(c, a, 3, &watched); !e.empty()) return e;
         const int timeoutMs = std::max(0, Number(a[2]));
         const std::string want = a.size() > 4 ? Rest(a, 4) : std::string();
         const double start = NowUs();
         PostMessageW(button, BM_CLICK, 0, 0);
         const double disabled = PollUs(start, timeoutMs, 1, [&] { return !IsWindowEnabled(button); });
         out.push_back("disabled_us=" + Micros(disabled));
         if (watched) {
           const double shown = PollUs(start, timeoutMs, 1, [&] { return TextOf(watched) == want; });
           out.push_back("text_us=" + Micros(shown));
         }
         return {};
       }},
      {"sleep",
       [](Context&, const Args& a, Output&) -> std::string {
         Sleep(static_cast<DWORD>(std::max(0, a.size() > 1 ? Number(a[1]) : 0)));
         return {};
       }},
  };
  return commands;
}

void Run(Context& c, const std::string& line) {
  Args args = Split(line);
  if (args.empty()) return;
  Output out;
  std::string error;
  auto it = Commands().find(args[0]);
  if (it == Commands().end()) {
    error = "unknown command " + args[0];
  } else {
    error = it->second(c, args, out);
  }
  for (const std::string& l : out) WriteLine(l);
  WriteLine(error.empty() ? "ok" : "error " + error);
}

}  // namespace
}  // namespace rv::driver

int wmain() {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  rv::driver::Context context;
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc > 1) {
    for (int i = 1; i < argc; ++i) rv::driver::Run(context, rv::win32::Utf8(argv[i]));
    return 0;
  }
  // Standard input: bytes are UTF-8 lines.
  HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
  std::string pending;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(in, buffer, sizeof buffer, &got, nullptr) && got > 0) {
    pending.append(buffer, got);
    size_t nl;
    while ((nl = pending.find('\n')) != std::string::npos) {
      std::string line = pending.substr(0, nl);
      pending.erase(0, nl + 1);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line == "quit") return 0;
      rv::driver::Run(context, line);
    }
  }
  return 0;
}
