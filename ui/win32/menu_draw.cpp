#include "ui/win32/menu_draw.h"

#include <algorithm>

namespace rv::win32 {

namespace {

// Room around the caption: the bar's items are spaced like the system's,
// a drop-down's items leave the check-mark column free.
constexpr int kBarPadding = 8, kPopupLeft = 20, kPopupRight = 16;

const MenuCaption* CaptionOf(ULONG_PTR data) { return reinterpret_cast<const MenuCaption*>(data); }

}  // namespace

void MeasureMenuItem(HWND hwnd, HFONT font, MEASUREITEMSTRUCT& mis) {
  const MenuCaption* caption = CaptionOf(mis.itemData);
  if (!caption) return;
  HDC dc = GetDC(hwnd);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, caption->text.c_str(), static_cast<int>(caption->text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(hwnd, dc);
  mis.itemWidth = static_cast<UINT>(size.cx + (caption->inBar ? 2 * kBarPadding : kPopupLeft + kPopupRight));
  mis.itemHeight = static_cast<UINT>(std::max<int>(size.cy + 6, GetSystemMetrics(SM_CYMENU) - 1));
}

void DrawMenuItem(HFONT font, const DRAWITEMSTRUCT& dis) {
  const MenuCaption* caption = CaptionOf(dis.itemData);
  if (!caption) return;
  const bool selected = (dis.itemState & (ODS_SELECTED | ODS_HOTLIGHT)) != 0;
  const bool grayed = (dis.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
  RECT rc = dis.rcItem;
  FillRect(dis.hDC, &rc, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  HGDIOBJ old = SelectObject(dis.hDC, font);
  SetBkMode(dis.hDC, TRANSPARENT);
  SetTextColor(dis.hDC, GetSysColor(grayed ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  if (caption->inBar) {
    format |= DT_CENTER;
  } else {
    rc.left += kPopupLeft;
  }
  DrawTextW(dis.hDC, caption->text.c_str(), static_cast<int>(caption->text.size()), &rc, format);
  SelectObject(dis.hDC, old);
}

}  // namespace rv::win32
