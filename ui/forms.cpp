#include "ui/forms.h"

#include <cstdio>
#include <cstdlib>

namespace rv {

Form* Forms::Load(const std::string& window, bool modal, Form* owner) {
  const WindowDef* def = FindWindowDef(window.c_str());
  if (!def) {
    std::fprintf(stderr, "no window named %s\n", window.c_str());
    std::abort();
  }
  if (Form* open = Find(window)) {
    open->SetWindowVisible(true);
    open->SetWindowState(1);
    return open;
  }
  Form* form;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    loaded_.push_back(std::make_unique<Form>(*def, nextHandle_));
    nextHandle_ += 0x10;
    form = loaded_.back().get();
  }
  if (view_) view_->WindowLoaded(*form, owner, modal);
  Fire(*form, "", kEvCreated);
  if (modal && view_ && Find(window) == form) {
    std::vector<Form*> others = Loaded();
    std::erase(others, form);
    Block(others, +1);
    view_->RunModal(*this, *form);
    Block(others, -1);
  }
  return form;
}

void Forms::Destroy(Form& form) {
  Fire(form, "", kEvAboutToBeDestroyed);
  std::unique_ptr<Form> owned;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    for (auto it = loaded_.begin(); it != loaded_.end(); ++it) {
      if (it->get() == &form) {
        owned = std::move(*it);
        loaded_.erase(it);
        break;
      }
    }
  }
  if (!owned) return;
  if (view_) view_->WindowDestroyed(form);
  form.SetObserver(nullptr);
  std::lock_guard<std::mutex> lock(mutex_);
  closed_.push_back(std::move(owned));
}

Form* Forms::Find(const std::string& window) const {
  std::lock_guard<std::mutex> lock(mutex_);
  for (auto& f : loaded_)
    if (window == f->name()) return f.get();
  return nullptr;
}

Form& Forms::Get(const std::string& window) const {
  Form* f = Find(window);
  if (!f) {
    std::fprintf(stderr, "window %s is not loaded\n", window.c_str());
    std::abort();
  }
  return *f;
}

std::vector<Form*> Forms::Loaded() const {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<Form*> out;
  for (auto& f : loaded_) out.push_back(f.get());
  return out;
}

void Forms::On(const std::string& window, const std::string& control, Event event,
               Handler handler) {
  std::lock_guard<std::mutex> lock(mutex_);
  handlers_[Key{window, control, event}] = std::move(handler);
}

Handler Forms::FindHandler(const std::string& window, const std::string& control,
                           Event event) const {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = handlers_.find(Key{window, control, event});
  return it == handlers_.end() ? Handler{} : it->second;
}

bool Forms::HasHandler(const std::string& window, const std::string& control, Event event) const {
  return static_cast<bool>(FindHandler(window, control, event));
}

Handler Forms::PluggedHandler(const std::string& window, const std::string& control,
                              Event event) const {
  return FindHandler(window, control, event);
}

void Forms::Block(const std::vector<Form*>& forms, int delta) {
  std::lock_guard<std::mutex> lock(mutex_);
  for (Form* f : forms)
    if ((blocked_[f] += delta) <= 0) blocked_.erase(f);
}

bool Forms::IsBlocked(const Form& form) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return blocked_.count(&form) != 0;
}

bool Forms::Fire(Form& form, const std::string& control, Event event, int arg) {
  Handler h = FindHandler(form.name(), control, event);
  if (!h) return false;
  h(EventArgs{&form, control, event, arg});
  return true;
}

void Forms::UserClick(Form& form, const std::string& control) {
  if (IsBlocked(form)) return;
  int i = form.IndexOf(control);
  if (i >= 0) {
    ControlState s = form.Snapshot(i);
    if (!s.enabled) return;
    if (s.def->kind == ControlKind::CheckBox) form.SetChecked(control, !s.checked);
    if (s.def->kind == ControlKind::Radio) form.SelectRadio(control);
  }
  Fire(form, control, kEvClick);
}

void Forms::UserMouseDown(Form& form, const std::string& control) {
  if (IsBlocked(form)) return;
  Fire(form, control, kEvLeftButtonDown);
}

void Forms::UserType(Form& form, const std::string& control, const std::string& text) {
  if (IsBlocked(form)) return;
  form.SetText(control, text);
  Fire(form, control, kEvContentChanged);
}

void Forms::UserSelectRow(Form& form, const std::string& control, int row) {
  if (IsBlocked(form)) return;
  form.SetCurrentRow(control, row);
  Fire(form, control, kEvRowChanged, row);
}

void Forms::UserDoubleClickRow(Form& form, const std::string& control, int row) {
  if (IsBlocked(form)) return;
  form.SetCurrentRow(control, row);
  Fire(form, control, kEvRowDoubleClicked, row);
}

void Forms::UserScroll(Form& form, const std::string& control, int position) {
  if (IsBlocked(form)) return;
  ScrollDef s = form.Scroll(control);
  if (position < s.minimum) position = s.minimum;
  if (position > s.maximum) position = s.maximum;
  s.position = position;
  form.SetScroll(control, s);
  Fire(form, control, kEvScrollChanged, position);
}

void Forms::UserLeave(Form& form, const std::string& control) {
  if (IsBlocked(form)) return;
  Fire(form, control, kEvLostFocus);
}

void Forms::UserMenu(Form& form, const std::string& action) {
  if (IsBlocked(form)) return;
  Fire(form, action, kEvClick);
}

}  // namespace rv
