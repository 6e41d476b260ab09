#pragma once
// The form model without pixels, for the scenario tests: it records what a
// view is asked to do, and runs modal windows as the real view does, handling
// input until the window is closed.
#include <mutex>
#include <string>
#include <vector>

#include "platform/runtime.h"
#include "ui/forms.h"

namespace rv {

class HeadlessView final : public FormView {
 public:
  explicit HeadlessView(Runtime& runtime) : runtime_(runtime) {}

  void WindowLoaded(Form& form, Form* owner, bool modal) override;
  void WindowDestroyed(Form& form) override;
  void RunModal(Forms& forms, Form& form) override;
  void PopupMenu(Form& form, const std::string& menu) override;

  // "load NAME", "modal NAME", "destroy NAME", "popup NAME MENU" in order.
  std::vector<std::string> Journal();

 private:
  void Record(std::string line);
  Runtime& runtime_;
  std::mutex mutex_;
  std::vector<std::string> journal_;
};

}  // namespace rv
