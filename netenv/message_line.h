#pragma once
#include <string>

#include "app/app.h"

namespace rv {

// Replaces the message line of the line's main window. A window that is no
// longer open (the program is ending) takes nothing.
inline void ShowInMessageLine(App& app, Line line, const std::string& text) {
  const char* window = line == Line::Static ? "StaticLineWindow" : "DynamicLineWindow";
  if (Form* form = app.forms.Find(window)) form->SetText("编辑框_接收信息", text);
}

}  // namespace rv
