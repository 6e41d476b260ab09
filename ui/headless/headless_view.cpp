#include "ui/headless/headless_view.h"

namespace rv {

void HeadlessView::Record(std::string line) {
  std::lock_guard<std::mutex> lock(mutex_);
  journal_.push_back(std::move(line));
}

void HeadlessView::WindowLoaded(Form& form, Form*, bool modal) {
  Record(std::string(modal ? "modal " : "load ") + form.name());
}

void HeadlessView::WindowDestroyed(Form& form) { Record(std::string("destroy ") + form.name()); }

void HeadlessView::RunModal(Forms& forms, Form& form) {
  auto stillOpen = [&] {
    for (Form* f : forms.Loaded())
      if (f == &form) return true;
    return false;
  };
  while (stillOpen()) runtime_.Pause(50);
}

void HeadlessView::PopupMenu(Form& form, const std::string& menu) {
  Record(std::string("popup ") + form.name() + " " + menu);
}

std::vector<std::string> HeadlessView::Journal() {
  std::lock_guard<std::mutex> lock(mutex_);
  return journal_;
}

}  // namespace rv
