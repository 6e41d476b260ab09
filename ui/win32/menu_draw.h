#pragma once
// Menu items drawn by the program in its CJK font: the system's menu font
// has no Chinese glyphs on every system (Wine shows boxes), so every item of
// the menu bar and its drop-downs is owner-drawn.
#include <windows.h>

#include <string>

namespace rv::win32 {

// What an owner-drawn item carries as its item data; must outlive the menu.
struct MenuCaption {
  std::wstring text;
  bool inBar = false;  // a top-level item of the menu bar
};

void MeasureMenuItem(HWND hwnd, HFONT font, MEASUREITEMSTRUCT& mis);
void DrawMenuItem(HFONT font, const DRAWITEMSTRUCT& dis);

}  // namespace rv::win32
