#include "ui/form.h"

#include <cstdio>
#include <cstdlib>

namespace rv {

Form::Form(const WindowDef& def, WindowHandle handle)
    : def_(def), handle_(handle), windowVisible_(def.designedVisible) {
  controls_.reserve(def.controls.size());
  for (const ControlDef& c : def.controls) {
    ControlState s;
    s.def = &c;
    s.text = c.caption ? c.caption : "";
    s.checked = (c.flags & kChecked) != 0;
    s.visible = (c.flags & kHidden) == 0;
    s.textColor = c.textColor;
    s.backColor = c.backColor;
    s.x = c.x;
    s.y = c.y;
    s.w = c.w;
    s.h = c.h;
    if (c.scroll) s.scroll = *c.scroll;
    index_.emplace(c.name, static_cast<int>(controls_.size()));
    controls_.push_back(std::move(s));
  }
}

void Form::SetObserver(FormObserver* observer) {
  std::lock_guard<std::mutex> lock(mutex_);
  observer_ = observer;
}

bool Form::Has(const std::string& control) const { return index_.count(control) != 0; }

int Form::IndexOf(const std::string& control) const {
  auto it = index_.find(control);
  return it == index_.end() ? -1 : it->second;
}

ControlState Form::Snapshot(int index) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return controls_.at(static_cast<size_t>(index));
}

ControlState Form::SnapshotWithoutText(int index) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const ControlState& s = controls_.at(static_cast<size_t>(index));
  ControlState copy;
  copy.def = s.def;
  copy.textGeneration = s.textGeneration;
  copy.checked = s.checked;
  copy.enabled = s.enabled;
  copy.visible = s.visible;
  copy.textColor = s.textColor;
  copy.backColor = s.backColor;
  copy.x = s.x;
  copy.y = s.y;
  copy.w = s.w;
  copy.h = s.h;
  copy.rows = s.rows;
  copy.currentRow = s.currentRow;
  copy.scroll = s.scroll;
  copy.tip = s.tip;
  return copy;
}

Form::TextUpdate Form::TextSince(int index, uint64_t shownGeneration, size_t shownLength) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const ControlState& s = controls_.at(static_cast<size_t>(index));
  TextUpdate u;
  u.generation = s.textGeneration;
  u.length = s.text.size();
  u.replaced = s.textGeneration != shownGeneration || s.text.size() < shownLength;
  u.text = u.replaced ? s.text : s.text.substr(shownLength);
  return u;
}

// A control name that the tables do not declare is a programming error.
ControlState& Form::At(const std::string& control) {
  auto it = index_.find(control);
  if (it == index_.end()) {
    std::fprintf(stderr, "window %s has no control %s\n", def_.name, control.c_str());
    std::abort();
  }
  return controls_[static_cast<size_t>(it->second)];
}

const ControlState& Form::At(const std::string& control) const {
  return const_cast<Form*>(this)->At(control);
}

template <typename F>
void Form::Mutate(const std::string& control, Change change, F&& f) {
  FormObserver* observer;
  int index;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ControlState& s = At(control);
    f(s);
    observer = observer_;
    index = index_.at(control);
  }
  if (observer) observer->OnChange(*this, index, change);
}

void Form::NotifyWindow(Change change) {
  FormObserver* observer;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    observer = observer_;
  }
  if (observer) observer->OnChange(*this, -1, change);
}

#define RV_GETTER(Type, Name, field)                        \
  Type Form::Name(const std::string& control) const {       \
    std::lock_guard<std::mutex> lock(mutex_);                \
    return At(control).field;                                \
  }
RV_GETTER(std::string, Text, text)
RV_GETTER(bool, Checked, checked)
RV_GETTER(bool, Enabled, enabled)
RV_GETTER(bool, Visible, visible)
RV_GETTER(uint32_t, TextColor, textColor)
RV_GETTER(uint32_t, BackColor, backColor)
RV_GETTER(int, CurrentRow, currentRow)
RV_GETTER(ScrollDef, Scroll, scroll)
RV_GETTER(std::string, Picture, picture)
RV_GETTER(std::string, Tip, tip)
#undef RV_GETTER

void Form::SetText(const std::string& control, const std::string& text) {
  Mutate(control, Change::Text, [&](ControlState& s) {
    s.text = text;
    ++s.textGeneration;
  });
}

void Form::Append(const std::string& control, const std::string& text) {
  Mutate(control, Change::Append, [&](ControlState& s) { s.text += text; });
}

void Form::SetChecked(const std::string& control, bool checked) {
  Mutate(control, Change::Checked, [&](ControlState& s) { s.checked = checked; });
}

void Form::SetEnabled(const std::string& control, bool enabled) {
  Mutate(control, Change::Enabled, [&](ControlState& s) { s.enabled = enabled; });
}

void Form::SetVisible(const std::string& control, bool visible) {
  Mutate(control, Change::Visible, [&](ControlState& s) { s.visible = visible; });
}

void Form::SetTextColor(const std::string& control, uint32_t color) {
  Mutate(control, Change::TextColor, [&](ControlState& s) { s.textColor = color; });
}

void Form::SetBackColor(const std::string& control, uint32_t color) {
  Mutate(control, Change::BackColor, [&](ControlState& s) { s.backColor = color; });
}

Form::Rect Form::Geometry(const std::string& control) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const ControlState& s = At(control);
  return {s.x, s.y, s.w, s.h};
}

void Form::SetGeometry(const std::string& control, Rect r) {
  Mutate(control, Change::Geometry, [&](ControlState& s) {
    s.x = r.x;
    s.y = r.y;
    s.w = r.w;
    s.h = r.h;
  });
}

void Form::SetTop(const std::string& control, int top) {
  Mutate(control, Change::Geometry, [&](ControlState& s) { s.y = top; });
}

int Form::RowCount(const std::string& control) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return static_cast<int>(At(control).rows.size());
}

void Form::ClearRows(const std::string& control) {
  Mutate(control, Change::Rows, [&](ControlState& s) {
    s.rows.clear();
    s.currentRow = -1;
  });
}

int Form::AddRow(const std::string& control, std::vector<std::string> cells) {
  int row = 0;
  Mutate(control, Change::Rows, [&](ControlState& s) {
    row = static_cast<int>(s.rows.size());
    s.rows.push_back(std::move(cells));
  });
  return row;
}

std::string Form::Cell(const std::string& control, int row, int column) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const ControlState& s = At(control);
  if (row < 0 || row >= static_cast<int>(s.rows.size())) return {};
  const auto& cells = s.rows[static_cast<size_t>(row)];
  if (column < 0 || column >= static_cast<int>(cells.size())) return {};
  return cells[static_cast<size_t>(column)];
}

void Form::SetCurrentRow(const std::string& control, int row) {
  Mutate(control, Change::Rows, [&](ControlState& s) { s.currentRow = row; });
}

void Form::SetScroll(const std::string& control, const ScrollDef& scroll) {
  Mutate(control, Change::Scroll, [&](ControlState& s) { s.scroll = scroll; });
}

void Form::SetPicture(const std::string& control, std::string imageBytes) {
  Mutate(control, Change::Picture, [&](ControlState& s) { s.picture = std::move(imageBytes); });
}

void Form::SetTip(const std::string& control, const std::string& text) {
  Mutate(control, Change::Tip, [&](ControlState& s) { s.tip = text; });
}

bool Form::WindowVisible() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return windowVisible_;
}

void Form::SetWindowVisible(bool visible) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    windowVisible_ = visible;
  }
  NotifyWindow(Change::WindowVisible);
}

int Form::WindowState() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return windowState_;
}

void Form::SetWindowState(int state) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    windowState_ = state;
  }
  NotifyWindow(Change::WindowState);
}

bool Form::TopMost() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return topMost_;
}

void Form::SetTopMost(bool on) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    topMost_ = on;
  }
  NotifyWindow(Change::TopMost);
}

std::string Form::WindowTip() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return windowTip_;
}

void Form::SetWindowTip(const std::string& text) {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    windowTip_ = text;
  }
  NotifyWindow(Change::Tip);
}

void Form::SelectRadio(const std::string& control) {
  std::vector<int> changed;
  FormObserver* observer;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    ControlState& chosen = At(control);
    const char* group = chosen.def->parent;
    for (size_t i = 0; i < controls_.size(); ++i) {
      ControlState& s = controls_[i];
      if (s.def->kind != ControlKind::Radio) continue;
      bool sameGroup = (group == nullptr && s.def->parent == nullptr) ||
                       (group && s.def->parent && std::string(group) == s.def->parent);
      if (!sameGroup) continue;
      bool want = (&s == &chosen);
      if (s.checked != want) {
        s.checked = want;
        changed.push_back(static_cast<int>(i));
      }
    }
    observer = observer_;
  }
  if (observer)
    for (int i : changed) observer->OnChange(*this, i, Change::Checked);
}

}  // namespace rv
