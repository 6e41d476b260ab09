// List views answer only with pointers into their own process: the driver
// lends them memory there.
#include <windows.h>
#include <commctrl.h>

#include "platform/win32/wide.h"
#include "tools/driver/driver.h"

namespace rv::driver {

RemoteBuffer::RemoteBuffer(HWND owner, size_t size) {
  DWORD pid = 0;
  GetWindowThreadProcessId(owner, &pid);
  process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (process_) remote_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteBuffer::~RemoteBuffer() {
  if (remote_) VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
  if (process_) CloseHandle(process_);
}

bool RemoteBuffer::Write(const void* data, size_t size, size_t offset) {
  SIZE_T done = 0;
  return remote_ && WriteProcessMemory(process_, static_cast<char*>(remote_) + offset, data, size, &done) &&
         done == size;
}

bool RemoteBuffer::Read(void* data, size_t size, size_t offset) {
  SIZE_T done = 0;
  return remote_ && ReadProcessMemory(process_, static_cast<char*>(remote_) + offset, data, size, &done) &&
         done == size;
}

namespace {

constexpr size_t kTextChars = 1024;

LRESULT Send(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, 10000, &result);
  return static_cast<LRESULT>(result);
}

std::string CellText(HWND list, RemoteBuffer& buf, int row, int column) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.iSubItem = column;
  item.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(buf.address()) + sizeof(LVITEMW));
  item.cchTextMax = kTextChars;
  wchar_t empty = 0;
  buf.Write(&item, sizeof item);
  buf.Write(&empty, sizeof empty, sizeof(LVITEMW));
  LRESULT n = Send(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(buf.address()));
  std::wstring text(kTextChars, L'\0');
  buf.Read(text.data(), kTextChars * sizeof(wchar_t), sizeof(LVITEMW));
  text.resize(n > 0 && static_cast<size_t>(n) < kTextChars ? static_cast<size_t>(n) : 0);
  return win32::Utf8(text);
}

}  // namespace

int ListColumnCount(HWND list) {
  HWND header = reinterpret_cast<HWND>(Send(list, LVM_GETHEADER, 0, 0));
  return header ? static_cast<int>(Send(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::vector<std::pair<std::string, int>> ListColumns(HWND list) {
  std::vector<std::pair<std::string, int>> out;
  RemoteBuffer buf(list, sizeof(LVCOLUMNW) + kTextChars * sizeof(wchar_t));
  if (!buf.ok()) return out;
  const int count = ListColumnCount(list);
  for (int c = 0; c < count; ++c) {
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH;
    col.pszText = reinterpret_cast<wchar_t*>(static_cast<char*>(buf.address()) + sizeof(LVCOLUMNW));
    col.cchTextMax = kTextChars;
    buf.Write(&col, sizeof col);
    if (!Send(list, LVM_GETCOLUMNW, c, reinterpret_cast<LPARAM>(buf.address()))) break;
    buf.Read(&col, sizeof col);
    std::wstring text(kTextChars, L'\0');
    buf.Read(text.data(), kTextChars * sizeof(wchar_t), sizeof(LVCOLUMNW));
    text.resize(wcsnlen(text.c_str(), kTextChars));
    out.emplace_back(win32::Utf8(text), col.cx);
  }
  return out;
}

std::vector<ListRow> ListRows(HWND list) {
  std::vector<ListRow> rows;
  RemoteBuffer buf(list, sizeof(LVITEMW) + kTextChars * sizeof(wchar_t));
  if (!buf.ok()) return rows;
  const int count = static_cast<int>(Send(list, LVM_GETITEMCOUNT, 0, 0));
  const int columns = ListColumnCount(list);
  for (int r = 0; r < count; ++r) {
    ListRow row;
    for (int c = 0; c < columns; ++c) row.cells.push_back(CellText(list, buf, r, c));
    rows.push_back(std::move(row));
  }
  return rows;
}

bool ListSelect(HWND list, int row) {
  RemoteBuffer buf(list, sizeof(LVITEMW));
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  return buf.Write(&item, sizeof item) &&
         Send(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(buf.address())) != 0;
}

bool ListRowCentre(HWND list, int row, POINT* centre) {
  RemoteBuffer buf(list, sizeof(RECT));
  RECT rc{};
  rc.left = LVIR_BOUNDS;
  if (!buf.Write(&rc, sizeof rc) || !Send(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(buf.address())) ||
      !buf.Read(&rc, sizeof rc))
    return false;
  centre->x = rc.left + 8;
  centre->y = (rc.top + rc.bottom) / 2;
  return true;
}

int ListSelectedRow(HWND list) {
  return static_cast<int>(Send(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

}  // namespace rv::driver
