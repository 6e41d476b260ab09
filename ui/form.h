#pragma once
// One loaded window: the live state of its controls. Every operation is one
// call by control name, synchronous and safe from any thread; views are told
// about each change after the lock is released.
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/dialogs.h"
#include "ui/form_defs.h"

namespace rv {

class Form;

enum class Change : uint8_t {
  Text,      // content or caption replaced
  Append,    // text appended at the end (the appended part is passed)
  Checked,
  Enabled,
  Visible,
  TextColor,
  BackColor,
  Geometry,
  Rows,      // list view rows or current row
  Scroll,
  Picture,
  Tip,
  WindowVisible,
  WindowState,
  TopMost,
};

class FormObserver {
 public:
  virtual ~FormObserver() = default;
  // control = -1 for window properties. Called on the thread that changed
  // it, after the form's lock is released: a view pulls the current state
  // (Form::Snapshot) rather than replaying changes, so it never shows a stale
  // order of two writers.
  virtual void OnChange(Form& form, int control, Change change) = 0;
};

struct ControlState {
  const ControlDef* def = nullptr;
  std::string text;
  uint64_t textGeneration = 0;  // bumped when the text is replaced, not when appended to
  bool checked = false;
  bool enabled = true;
  bool visible = true;
  uint32_t textColor = kNoColor;
  uint32_t backColor = kNoColor;
  int x = 0, y = 0, w = 0, h = 0;  // relative to the parent group box, as declared
  std::vector<std::vector<std::string>> rows;
  int currentRow = -1;
  ScrollDef scroll{};
  std::string picture;  // image bytes
  std::string tip;
};

class Form {
 public:
  Form(const WindowDef& def, WindowHandle handle);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const WindowDef& def() const { return def_; }
  const char* name() const { return def_.name; }
  WindowHandle handle() const { return handle_; }
  void SetObserver(FormObserver* observer);

  bool Has(const std::string& control) const;
  int IndexOf(const std::string& control) const;  // -1 when absent
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  ControlState Snapshot(int index) const;
  // The same without the text and the picture bytes, for a view that follows
  // the text by TextSince (a results log can hold megabytes).
  ControlState SnapshotWithoutText(int index) const;
  // What a view that shows `shownLength` bytes of text generation
  // `shownGeneration` lacks: the whole text when it was replaced since (or is
  // shorter), else only the appended tail.
  struct TextUpdate {
    uint64_t generation = 0;
    bool replaced = false;
    std::string text;     // whole text, or the tail after shownLength
    size_t length = 0;    // full length now
  };
  TextUpdate TextSince(int index, uint64_t shownGeneration, size_t shownLength) const;

  // Controls.
  std::string Text(const std::string& control) const;
  void SetText(const std::string& control, const std::string& text);
  void Append(const std::string& control, const std::string& text);
  bool Checked(const std::string& control) const;
  void SetChecked(const std::string& control, bool checked);
  bool Enabled(const std::string& control) const;
  void SetEnabled(const std::string& control, bool enabled);
  bool Visible(const std::string& control) const;
  void SetVisible(const std::string& control, bool visible);
  uint32_t TextColor(const std::string& control) const;
  void SetTextColor(const std::string& control, uint32_t color);
  uint32_t BackColor(const std::string& control) const;
  void SetBackColor(const std::string& control, uint32_t color);
  struct Rect {
    int x, y, w, h;
    bool operator==(const Rect&) const = default;
  };
  Rect Geometry(const std::string& control) const;
  void SetGeometry(const std::string& control, Rect rect);
  void SetTop(const std::string& control, int top);

  // List views.
  int RowCount(const std::string& control) const;
  void ClearRows(const std::string& control);
  int AddRow(const std::string& control, std::vector<std::string> cells);
  std::string Cell(const std::string& control, int row, int column) const;
  int CurrentRow(const std::string& control) const;
  void SetCurrentRow(const std::string& control, int row);

  // Scroll bars.
  ScrollDef Scroll(const std::string& control) const;
  void SetScroll(const std::string& control, const ScrollDef& scroll);

  // Picture boxes.
  void SetPicture(const std::string& control, std::string imageBytes);
  std::string Picture(const std::string& control) const;

  void SetTip(const std::string& control, const std::string& text);
  std::string Tip(const std::string& control) const;

  // Window properties.
  bool WindowVisible() const;
  void SetWindowVisible(bool visible);
  int WindowState() const;  // 1 normal, 2 minimised
  void SetWindowState(int state);
  bool TopMost() const;
  void SetTopMost(bool on);
  std::string WindowTip() const;
  void SetWindowTip(const std::string& text);

  // Radio buttons exclude the others of their group box.
  void SelectRadio(const std::string& control);

 private:
  ControlState& At(const std::string& control);
  const ControlState& At(const std::string& control) const;
  template <typename F>
  void Mutate(const std::string& control, Change change, F&& f);
  void NotifyWindow(Change change);

  const WindowDef& def_;
  WindowHandle handle_;
  mutable std::mutex mutex_;
  std::vector<ControlState> controls_;
  std::unordered_map<std::string, int> index_;
  bool windowVisible_;
  int windowState_ = 1;
  bool topMost_ = false;
  std::string windowTip_;
  FormObserver* observer_ = nullptr;
};

}  // namespace rv
