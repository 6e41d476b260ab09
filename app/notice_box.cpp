#include "app/notice_box.h"

namespace rv {

int NoticeBox(App& app, const std::string& text, std::optional<uint32_t> style,
              std::optional<std::string> title, std::optional<WindowHandle> owner) {
  DialogApi& dialogs = *app.platform.dialogs;
  WindowHandle ownerHandle = 0;
  if (owner) {
    ownerHandle = *owner;
  } else {
    const uint32_t self = dialogs.CurrentProcessId();
    for (const WindowInfo& w : dialogs.EnumTopLevelWindows()) {
      if (w.processId == self && w.visible) {
        ownerHandle = w.handle;
        break;
      }
    }
  }
  int result = dialogs.ShowMessageBox(ownerHandle, text, title.value_or("友情提醒"),
                                      style.value_or(kMbOk | kMbIconInformation));
  return result - 1;
}

}  // namespace rv
