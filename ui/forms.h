#pragma once
// The loaded windows, the view that renders them, and the event wiring:
// handlers are plugged in by window, control and event, and the view reports
// user input through UserClick and friends, which apply the control's own
// reaction (a check box toggles) before the handler runs.
#include <functional>
#include <map>
#include <tuple>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "ui/form.h"

namespace rv {

class Forms;

class FormView {
 public:
  virtual ~FormView() = default;
  virtual void WindowLoaded(Form& form, Form* owner, bool modal) = 0;
  virtual void WindowDestroyed(Form& form) = 0;
  // Blocks the caller, handling input, until `form` is destroyed.
  virtual void RunModal(Forms& forms, Form& form) = 0;
  // Pops up the hidden menu `menu` of the window at the cursor.
  virtual void PopupMenu(Form& form, const std::string& menu) = 0;
};

struct EventArgs {
  Form* form = nullptr;
  std::string control;  // empty for window events; a menu action for menu items
  Event event = kEvClick;
  int arg = 0;  // row, scroll position, tray event kind
};

using Handler = std::function<void(const EventArgs&)>;

class Forms {
 public:
  Forms() = default;
  Forms(const Forms&) = delete;
  Forms& operator=(const Forms&) = delete;

  void SetView(FormView* view) { view_ = view; }
  FormView* view() const { return view_; }

  // Loads a window. A secondary window that is already open is brought
  // forward (made visible and restored) instead of opening a second one.
  // Modal loads return when the window is destroyed.
  Form* Load(const std::string& window, bool modal = false, Form* owner = nullptr);
  // Raises about-to-be-destroyed, then removes the window. The Form object
  // stays valid (unlisted) so that a late worker write lands nowhere harmful.
  void Destroy(Form& form);

  Form* Find(const std::string& window) const;
  Form& Get(const std::string& window) const;  // aborts when not loaded
  std::vector<Form*> Loaded() const;

  // Event wiring. control empty = the window itself.
  void On(const std::string& window, const std::string& control, Event event, Handler handler);
  // Runs the handler if one is plugged in; returns whether one ran.
  bool Fire(Form& form, const std::string& control, Event event, int arg = 0);
  bool HasHandler(const std::string& window, const std::string& control, Event event) const;
  // The handler plugged in for the event, empty when none; lets a subsystem
  // extend a handler plugged in before it instead of replacing it.
  Handler PluggedHandler(const std::string& window, const std::string& control, Event event) const;

  // While a modal window runs, the windows that were open when it was loaded
  // take no user input; windows loaded from the modal one do.
  bool IsBlocked(const Form& form) const;

  // User input as the view reports it (on the UI thread).
  void UserClick(Form& form, const std::string& control);
  void UserMouseDown(Form& form, const std::string& control);
  void UserType(Form& form, const std::string& control, const std::string& text);
  void UserLeave(Form& form, const std::string& control);
  void UserSelectRow(Form& form, const std::string& control, int row);
  void UserDoubleClickRow(Form& form, const std::string& control, int row);
  void UserScroll(Form& form, const std::string& control, int position);
  void UserMenu(Form& form, const std::string& action);

 private:
  using Key = std::tuple<std::string, std::string, uint32_t>;
  Handler FindHandler(const std::string& window, const std::string& control, Event event) const;
  void Block(const std::vector<Form*>& forms, int delta);

  FormView* view_ = nullptr;
  mutable std::mutex mutex_;
  std::vector<std::unique_ptr<Form>> loaded_;
  std::vector<std::unique_ptr<Form>> closed_;
  std::map<Key, Handler> handlers_;
  std::map<const Form*, int> blocked_;  // form -> number of modal windows blocking it
  WindowHandle nextHandle_ = 0x10010;
};

}  // namespace rv
