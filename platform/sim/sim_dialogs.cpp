#include "platform/sim/sim_dialogs.h"

#include "ui/forms.h"

namespace rv::sim {

int SimDialogs::ShowMessageBox(WindowHandle owner, const std::string& text,
                               const std::string& title, uint32_t style) {
  std::lock_guard<std::mutex> lock(mutex_);
  boxes_.push_back({owner, text, title, style});
  return answer_;
}

std::vector<WindowInfo> SimDialogs::EnumTopLevelWindows() {
  std::vector<WindowInfo> out;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    out = foreign_;
  }
  for (Form* f : forms_.Loaded())
    out.push_back({f->handle(), kProcessId, 1, f->def().title, "RovantaWindow", f->WindowVisible()});
  return out;
}

std::vector<ShownBox> SimDialogs::Boxes() {
  std::lock_guard<std::mutex> lock(mutex_);
  return boxes_;
}

void SimDialogs::AddForeignWindow(const WindowInfo& w) {
  std::lock_guard<std::mutex> lock(mutex_);
  foreign_.push_back(w);
}

}  // namespace rv::sim
