#pragma once
// Which window class and styles render each kind of control of the tables.
#include <windows.h>

#include "ui/form_defs.h"

namespace rv::win32 {

struct ControlClass {
  const wchar_t* className;  // nullptr: the kind has no child window of its own
  DWORD style;
  DWORD exStyle;
};

ControlClass ClassFor(const ControlDef& def);

// Edit boxes keep text far beyond the default limit of about 30,000 characters.
constexpr LPARAM kEditTextLimit = 0x7FFFFFFE;

}  // namespace rv::win32
