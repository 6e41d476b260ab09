#pragma once
// What the Win32 view keeps per loaded window and per control: the HWNDs and
// how much of the model's state they already show.
#include <windows.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "ui/form.h"
#include "ui/win32/menu_draw.h"
#include "ui/win32/menu_ids.h"

namespace rv::win32 {

// Control ids are stable: kControlIdBase + the control's index in its table.
constexpr int kControlIdBase = 1000;
// The window property that names a control; its value is a global atom of the
// name, so that a program outside can read it.
constexpr const wchar_t* kNameProperty = L"RvName";

struct ControlView {
  HWND hwnd = nullptr;
  uint64_t shownGeneration = 0;
  size_t shownLength = 0;  // bytes of model text the control shows
  std::vector<std::vector<std::string>> shownRows;
  int shownRow = -1;
  HBITMAP picture = nullptr;
  int pictureWidth = 0, pictureHeight = 0;
  bool tipAttached = false;
  ATOM nameAtom = 0;
};

class Win32View;

struct FormWindow {
  Win32View* view = nullptr;
  Form* form = nullptr;
  HWND hwnd = nullptr;
  Form* owner = nullptr;
  bool modal = false;
  HWND tooltip = nullptr;
  bool windowTipAttached = false;
  std::vector<ControlView> controls;
  std::unordered_map<const MenuItemDef*, int> menuIds;
  std::vector<std::string> menuActions;  // by id - kMenuIdBase
  std::unordered_map<const MenuItemDef*, MenuCaption> menuCaptions;  // owner-drawn items' data
  std::vector<HWND> disabledByModal;
  int syncing = 0;  // > 0 while the view itself writes into the controls
  bool closing = false;

  int IndexOf(HWND control) const {
    int i = GetDlgCtrlID(control) - kControlIdBase;
    return i >= 0 && i < static_cast<int>(controls.size()) && controls[i].hwnd == control ? i : -1;
  }
  const ControlDef& Def(int index) const { return form->def().controls[static_cast<size_t>(index)]; }
};

}  // namespace rv::win32
