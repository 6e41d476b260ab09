#pragma once
// Message boxes and top-level window enumeration through user32.
#include "platform/dialogs.h"

namespace rv::win32 {

class DialogsWin32 final : public DialogApi {
 public:
  int ShowMessageBox(WindowHandle owner, const std::string& text, const std::string& title,
                     uint32_t style) override;
  std::vector<WindowInfo> EnumTopLevelWindows() override;
  uint32_t CurrentProcessId() override;
};

}  // namespace rv::win32
