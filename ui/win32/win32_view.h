#pragma once
// The real windows: every loaded Form becomes a top-level window with one
// HWND per control of its table. Model changes arrive on any thread and are
// pulled onto the UI thread; user input goes back through Forms::User*.
#include <windows.h>

#include <functional>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "ui/forms.h"
#include "ui/win32/form_window.h"

namespace rv::win32 {

// Lets other Win32 pieces (tray icon, hotkey) see a main window's messages
// first; returns true when it handled the message and set *result.
using MessageHook = std::function<bool(Form& form, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                                       LRESULT* result)>;

class Win32View final : public FormView, public FormObserver {
 public:
  // Construct on the UI thread.
  Win32View(Forms& forms, HINSTANCE instance);
  ~Win32View() override;
  Win32View(const Win32View&) = delete;
  Win32View& operator=(const Win32View&) = delete;

  // FormView
  void WindowLoaded(Form& form, Form* owner, bool modal) override;
  void WindowDestroyed(Form& form) override;
  void RunModal(Forms& forms, Form& form) override;
  void PopupMenu(Form& form, const std::string& menu) override;

  // FormObserver: any thread.
  void OnChange(Form& form, int control, Change change) override;

  HWND WindowOf(const Form& form) const;
  void AddMessageHook(MessageHook hook) { hooks_.push_back(std::move(hook)); }

 private:
  static LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK RelayProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK ControlSubclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp,
                                          UINT_PTR id, DWORD_PTR ref);
  LRESULT HandleFormMessage(FormWindow& fw, UINT msg, WPARAM wp, LPARAM lp);
  bool HandleCommand(FormWindow& fw, WPARAM wp, LPARAM lp);
  bool HandleNotify(FormWindow& fw, const NMHDR& hdr);
  void HandleScroll(FormWindow& fw, HWND bar, WPARAM wp);
  LRESULT ControlColors(FormWindow& fw, HDC dc, HWND control, bool isEdit);
  void DrawOwnerControl(FormWindow& fw, const DRAWITEMSTRUCT& dis);

  bool OnUiThread() const { return GetCurrentThreadId() == uiThread_; }
  void RunOnUi(const std::function<void()>& action);
  void CreateFormWindow(Form& form, Form* owner, bool modal);
  void CreateControls(FormWindow& fw);
  HMENU CreateMenus(FormWindow& fw);
  void MarkDirty(Form& form, int control, uint32_t bits);
  void SyncPending();
  void Sync(FormWindow& fw, int control, uint32_t changes);
  void SyncWindow(FormWindow& fw, uint32_t changes);
  void SyncControl(FormWindow& fw, int index, uint32_t changes);
  void SyncText(FormWindow& fw, int index);
  void SyncRows(FormWindow& fw, int index, const ControlState& s);
  void SyncTip(FormWindow& fw, int index, const std::string& tip);
  void SyncWindowTip(FormWindow& fw);
  void PlaceControl(FormWindow& fw, int index);
  void PlaceChildrenOf(FormWindow& fw, const char* group);
  FormWindow* Find(const Form& form) const;
  HBRUSH Brush(COLORREF color);

  Forms& forms_;
  HINSTANCE instance_;
  DWORD uiThread_;
  HWND relay_ = nullptr;  // message-only window of the UI thread
  HFONT font_ = nullptr;
  std::unordered_map<const Form*, std::unique_ptr<FormWindow>> windows_;
  std::unordered_map<COLORREF, HBRUSH> brushes_;
  std::vector<MessageHook> hooks_;

  std::mutex dirtyMutex_;
  std::unordered_map<Form*, std::unordered_map<int, uint32_t>> dirty_;
  bool syncPosted_ = false;
};

}  // namespace rv::win32
