#pragma once
// rvdriver: drives the program's windows from outside, as a user would, and
// reads them back. Shared pieces of its commands.
#include <windows.h>

#include <string>
#include <vector>

#include "tools/driver/line_escape.h"

namespace rv::driver {

using driver_line::Escape;
using driver_line::Unescape;

// The name a window or control carries in its "RvName" property; empty when none.
std::string RvName(HWND hwnd);
std::string ClassOf(HWND hwnd);
std::string TextOf(HWND hwnd);  // WM_GETTEXT, any length

// Visible top-level window whose title or form name is `key`; nullptr if none.
HWND FindTopLevel(const std::string& key, bool visibleOnly);
// Descendant of `top` with RvName `name`.
HWND FindControl(HWND top, const std::string& name);
std::vector<HWND> NamedControls(HWND top);

// Memory in another process, for the list view messages that carry pointers.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND owner, size_t size);
  ~RemoteBuffer();
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  bool ok() const { return remote_ != nullptr; }
  void* address() const { return remote_; }
  bool Write(const void* data, size_t size, size_t offset = 0);
  bool Read(void* data, size_t size, size_t offset = 0);

 private:
  HANDLE process_ = nullptr;
  void* remote_ = nullptr;
};

struct ListRow {
  std::vector<std::string> cells;
};
int ListColumnCount(HWND list);
std::vector<std::pair<std::string, int>> ListColumns(HWND list);  // caption, width
std::vector<ListRow> ListRows(HWND list);
bool ListSelect(HWND list, int row);
bool ListRowCentre(HWND list, int row, POINT* centre);
int ListSelectedRow(HWND list);

// Colours (0xRRGGBB) of the window's screen area with their pixel counts,
// most frequent first.
bool CountColours(HWND hwnd, std::vector<std::pair<uint32_t, int>>* counts);

// Captures the window's screen area into a PNG file.
bool SaveScreenshot(HWND hwnd, const std::wstring& path, std::string* error);

}  // namespace rv::driver
