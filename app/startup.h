#pragma once
#include <functional>
#include <string>

#include "app/app.h"

namespace rv {

// Reads the edition an installation recorded ("static" or "dynamic", any
// case, surrounding white space ignored); anything else is the static line.
Edition ParseEditionChoice(const std::string& text);
inline constexpr const char* kEditionFileName = "edition.txt";



// Wires the start window's events and creates it: the program's start.
void StartProgram(App& app);

void StaticLineExit(App& app);
// From the menu item "退出" and the tray item "关闭软件".
void DynamicLineExitFromMenu(App& app);
// From the close box of DynamicLineWindow (its about-to-be-destroyed event).
void DynamicLineExitFromCloseBox(App& app);

}  // namespace rv
