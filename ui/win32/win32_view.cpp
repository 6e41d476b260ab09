#include "ui/win32/win32_view.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "platform/win32/wide.h"
#include "ui/win32/cjk_font.h"
#include "ui/win32/menu_draw.h"
#include "ui/win32/control_styles.h"
#include "ui/win32/picture_gdiplus.h"

namespace rv::win32 {

namespace {

constexpr UINT kMsgSync = WM_APP + 1;  // pull the pending model changes
constexpr UINT kMsgRun = WM_APP + 2;   // lParam: std::function<void()>* to run on the UI thread
constexpr const wchar_t* kFormClass = L"RovantaForm";
constexpr const wchar_t* kRelayClass = L"RovantaRelay";

constexpr uint32_t Bit(Change c) { return 1u << static_cast<unsigned>(c); }
constexpr uint32_t kTextBits = Bit(Change::Text) | Bit(Change::Append);
// A long run of appended text goes into the edit box in steps of this many
// bytes, each step one message, so the window keeps answering meanwhile.
constexpr size_t kAppendStep = 64 * 1024;

// The length of the first `limit` bytes of `text` cut back to a whole character.
size_t CutAtCharacter(const std::string& text, size_t limit) {
  if (text.size() <= limit) return text.size();
  size_t n = limit;
  while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  return n;
}

FormWindow* FormOf(HWND hwnd) {
  return hwnd ? reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)) : nullptr;
}

std::wstring WindowText(HWND hwnd) {
  int n = GetWindowTextLengthW(hwnd);
  std::wstring w(static_cast<size_t>(n) + 1, L'\0');
  n = GetWindowTextW(hwnd, w.data(), n + 1);
  w.resize(static_cast<size_t>(std::max(n, 0)));
  return w;
}

bool IsButtonKind(ControlKind k) {
  return k == ControlKind::Button || k == ControlKind::CheckBox || k == ControlKind::Radio;
}

// The kinds whose model text is their window text.
bool ShowsText(ControlKind k) {
  return k != ControlKind::ListView && k != ControlKind::StatusBar && k != ControlKind::Balloon &&
         k != ControlKind::VScrollBar && k != ControlKind::PictureBox;
}

void SetScrollBar(HWND bar, const ScrollDef& s) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_POS;
  si.nMin = s.minimum;
  si.nMax = s.maximum;
  si.nPos = s.position;
  SetScrollInfo(bar, SB_CTL, &si, TRUE);
}

void SetStatusPanes(HWND bar, std::span<const PaneDef> panes) {
  std::vector<int> edges;
  int right = 0;
  for (const PaneDef& p : panes) edges.push_back(right += p.width);
  if (edges.empty()) return;
  SendMessageW(bar, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (size_t i = 0; i < panes.size(); ++i) {
    std::wstring w = Wide(panes[i].caption ? panes[i].caption : "");
    SendMessageW(bar, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(w.c_str()));
  }
}

void AddColumns(HWND list, std::span<const ColumnDef> columns) {
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  int i = 0;
  for (const ColumnDef& c : columns) {
    std::wstring w = Wide(c.caption ? c.caption : "");
    LVCOLUMNW col{};
    col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    col.cx = c.width;
    col.pszText = w.data();
    col.iSubItem = i;
    SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&col));
    ++i;
  }
}

void InsertRow(HWND list, int row, const std::vector<std::string>& cells) {
  for (size_t c = 0; c < std::max<size_t>(cells.size(), 1); ++c) {
    std::wstring w = Wide(c < cells.size() ? cells[c] : std::string());
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.iSubItem = static_cast<int>(c);
    item.pszText = w.data();
    SendMessageW(list, c == 0 ? LVM_INSERTITEMW : LVM_SETITEMTEXTW, c == 0 ? 0 : row,
                 reinterpret_cast<LPARAM>(&item));
  }
}

// Child windows are stacked top to bottom as: web panels (over their
// fallback labels), the other controls in table order, group boxes with inner
// ones above outer ones, status bars at the bottom.
int StackRank(ControlKind k) {
  switch (k) {
    case ControlKind::WebBrowser: return 0;
    case ControlKind::GroupBox: return 2;
    case ControlKind::StatusBar: return 3;
    default: return 1;
  }
}

}  // namespace

Win32View::Win32View(Forms& forms, HINSTANCE instance)
    : forms_(forms), instance_(instance), uiThread_(GetCurrentThreadId()) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = FormProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  if (!wc.hIcon) wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFormClass;
  RegisterClassExW(&wc);
  WNDCLASSEXW relay{};
  relay.cbSize = sizeof relay;
  relay.lpfnWndProc = RelayProc;
  relay.hInstance = instance;
  relay.lpszClassName = kRelayClass;
  RegisterClassExW(&relay);
  relay_ = CreateWindowExW(0, kRelayClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
  SetWindowLongPtrW(relay_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  font_ = CreateCjkFont(12);
}

Win32View::~Win32View() {
  for (auto& [form, fw] : windows_) fw->form->SetObserver(nullptr);
  if (relay_) DestroyWindow(relay_);
  for (auto& [color, brush] : brushes_) DeleteObject(brush);
  if (font_) DeleteObject(font_);
}

// ---- threads -------------------------------------------------------------

void Win32View::RunOnUi(const std::function<void()>& action) {
  if (OnUiThread()) {
    action();
  } else {
    SendMessageW(relay_, kMsgRun, 0, reinterpret_cast<LPARAM>(&action));
  }
}

LRESULT CALLBACK Win32View::RelayProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* view = reinterpret_cast<Win32View*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (view && msg == kMsgSync) {
    view->SyncPending();
    return 0;
  }
  if (view && msg == kMsgRun) {
    (*reinterpret_cast<const std::function<void()>*>(lp))();
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void Win32View::OnChange(Form& form, int control, Change change) {
  if (OnUiThread()) {
    if (FormWindow* fw = Find(form)) Sync(*fw, control, Bit(change));
    return;
  }
  MarkDirty(form, control, Bit(change));
}

// Changes from workers are coalesced: one posted message at a time pulls
// everything pending, so a flood of appends never fills the queue.
void Win32View::MarkDirty(Form& form, int control, uint32_t bits) {
  bool post = false;
  {
    std::lock_guard<std::mutex> lock(dirtyMutex_);
    dirty_[&form][control] |= bits;
    if (!syncPosted_) post = syncPosted_ = true;
  }
  if (post) PostMessageW(relay_, kMsgSync, 0, 0);
}

void Win32View::SyncPending() {
  std::unordered_map<Form*, std::unordered_map<int, uint32_t>> pending;
  {
    std::lock_guard<std::mutex> lock(dirtyMutex_);
    pending.swap(dirty_);
    syncPosted_ = false;
  }
  for (auto& [form, controls] : pending) {
    for (auto& [control, bits] : controls) {
      FormWindow* fw = Find(*form);  // looked up each time: a window may close meanwhile
      if (fw) Sync(*fw, control, bits);
    }
  }
}

FormWindow* Win32View::Find(const Form& form) const {
  auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : it->second.get();
}

HWND Win32View::WindowOf(const Form& form) const {
  FormWindow* fw = Find(form);
  return fw ? fw->hwnd : nullptr;
}

HBRUSH Win32View::Brush(COLORREF color) {
  auto it = brushes_.find(color);
  if (it != brushes_.end()) return it->second;
  HBRUSH b = CreateSolidBrush(color);
  brushes_.emplace(color, b);
  return b;
}

// ---- loading and destroying windows ----------------------------------------

void Win32View::WindowLoaded(Form& form, Form* owner, bool modal) {
  RunOnUi([&] { CreateFormWindow(form, owner, modal); });
}

void Win32View::CreateFormWindow(Form& form, Form* owner, bool modal) {
  auto owned = std::make_unique<FormWindow>();
  FormWindow& fw = *owned;
  fw.view = this;
  fw.form = &form;
  fw.owner = owner;
  fw.modal = modal;
  fw.controls.resize(static_cast<size_t>(form.ControlCount()));
  windows_[&form] = std::move(owned);
  // Observe first: a change made while the controls are being created is
  // pulled again afterwards, and pulling is idempotent.
  form.SetObserver(this);

  const WindowDef& def = form.def();
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  int x = work.left + std::max(0, static_cast<int>(work.right - work.left - def.width) / 2);
  int y = work.top + std::max(0, static_cast<int>(work.bottom - work.top - def.height) / 2);
  HMENU menuBar = CreateMenus(fw);
  HWND ownerHwnd = owner ? WindowOf(*owner) : nullptr;
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  HWND hwnd = CreateWindowExW(0, kFormClass, Wide(def.title ? def.title : "").c_str(), style, x, y,
                              def.width, def.height, ownerHwnd, menuBar, instance_, &fw);
  if (!hwnd) return;
  CreateControls(fw);
  if (form.TopMost()) SyncWindow(fw, Bit(Change::TopMost));
  SyncWindowTip(fw);
  if (form.WindowVisible()) {
    ShowWindow(hwnd, form.WindowState() == 2 ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
    UpdateWindow(hwnd);
  }
}

void Win32View::CreateControls(FormWindow& fw) {
  Form& form = *fw.form;
  for (int i = 0; i < form.ControlCount(); ++i) {
    ControlState s = form.Snapshot(i);
    const ControlDef& def = *s.def;
    ControlView& cv = fw.controls[static_cast<size_t>(i)];
    cv.shownGeneration = s.textGeneration;
    cv.shownLength = s.text.size();
    HWND h = nullptr;
    if (def.kind == ControlKind::Balloon) {
      h = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                          WS_POPUP | TTS_BALLOON | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, fw.hwnd, nullptr, instance_,
                          nullptr);
      if (h) SendMessageW(h, TTM_SETMAXTIPWIDTH, 0, 360);  // wraps, and honours line breaks
      fw.tooltip = h;
    } else {
      ControlClass cls = ClassFor(def);
      if (!cls.className) continue;
      DWORD style = WS_CHILD | WS_CLIPSIBLINGS | cls.style;
      if (s.visible) style |= WS_VISIBLE;
      if (!s.enabled) style |= WS_DISABLED;
      std::wstring text = ShowsText(def.kind) ? Wide(s.text) : std::wstring();
      h = CreateWindowExW(cls.exStyle, cls.className, text.c_str(), style, 0, 0, s.w, s.h, fw.hwnd,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlIdBase + i)),
                          instance_, nullptr);
    }
    if (!h) continue;
    cv.hwnd = h;
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    cv.nameAtom = GlobalAddAtomW(Wide(def.name).c_str());
    SetPropW(h, kNameProperty, reinterpret_cast<HANDLE>(static_cast<uintptr_t>(cv.nameAtom)));
    if (def.kind == ControlKind::Balloon) continue;
    SetWindowSubclass(h, ControlSubclass, 1, reinterpret_cast<DWORD_PTR>(this));
    PlaceControl(fw, i);
    fw.syncing++;
    switch (def.kind) {
      case ControlKind::Edit:
        SendMessageW(h, EM_SETLIMITTEXT, kEditTextLimit, 0);
        if (def.mode == InputMode::Password) SendMessageW(h, EM_SETPASSWORDCHAR, L'*', 0);
        break;
      case ControlKind::CheckBox:
      case ControlKind::Radio:
        SendMessageW(h, BM_SETCHECK, s.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
      case ControlKind::StatusBar: SetStatusPanes(h, def.panes); break;
      case ControlKind::ListView:
        AddColumns(h, def.columns);
        SyncRows(fw, i, s);
        break;
      case ControlKind::VScrollBar: SetScrollBar(h, s.scroll); break;
      case ControlKind::PictureBox:
        if (!s.picture.empty()) cv.picture = DecodePicture(s.picture, &cv.pictureWidth, &cv.pictureHeight);
        break;
      default: break;
    }
    fw.syncing--;
    if (!s.tip.empty()) SyncTip(fw, i, s.tip);
  }
  // Stack the children (see StackRank).
  std::vector<int> order;
  for (int i = 0; i < form.ControlCount(); ++i)
    if (fw.controls[static_cast<size_t>(i)].hwnd && fw.Def(i).kind != ControlKind::Balloon) order.push_back(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    int ra = StackRank(fw.Def(a).kind), rb = StackRank(fw.Def(b).kind);
    if (ra != rb) return ra < rb;
    return ra == 2 ? a > b : a < b;
  });
  HWND after = HWND_TOP;
  for (int i : order) {
    HWND h = fw.controls[static_cast<size_t>(i)].hwnd;
    SetWindowPos(h, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    after = h;
  }
}

void Win32View::WindowDestroyed(Form& form) {
  RunOnUi([&] {
    auto it = windows_.find(&form);
    if (it == windows_.end()) return;
    std::unique_ptr<FormWindow> fw = std::move(it->second);
    windows_.erase(it);
    form.SetObserver(nullptr);
    {
      std::lock_guard<std::mutex> lock(dirtyMutex_);
      dirty_.erase(&form);
    }
    // Give the blocked windows back before this one goes, so activation
    // returns to them.
    for (HWND h : fw->disabledByModal)
      if (IsWindow(h)) EnableWindow(h, TRUE);
    SetWindowLongPtrW(fw->hwnd, GWLP_USERDATA, 0);
    DestroyWindow(fw->hwnd);
    for (ControlView& cv : fw->controls) {
      if (cv.nameAtom) GlobalDeleteAtom(cv.nameAtom);
      if (cv.picture) DeleteObject(cv.picture);
    }
    PostMessageW(relay_, WM_NULL, 0, 0);  // wakes a modal loop waiting on this window
    if (windows_.empty()) PostQuitMessage(0);
  });
}

void Win32View::RunModal(Forms& forms, Form& form) {
  auto stillOpen = [&] {
    for (Form* f : forms.Loaded())
      if (f == &form) return true;
    return false;
  };
  if (!OnUiThread()) {
    while (stillOpen()) Sleep(50);
    return;
  }
  FormWindow* fw = Find(form);
  if (!fw) return;
  // The owner, or with no owner every other window of the program, takes no
  // input until the modal window is closed.
  std::vector<HWND> blocked;
  if (fw->owner) {
    if (HWND o = WindowOf(*fw->owner)) blocked.push_back(o);
  } else {
    for (auto& [other, ofw] : windows_)
      if (other != &form) blocked.push_back(ofw->hwnd);
  }
  for (HWND h : blocked)
    if (IsWindowEnabled(h)) {
      EnableWindow(h, FALSE);
      fw->disabledByModal.push_back(h);
    }
  MSG msg;
  while (stillOpen()) {
    BOOL r = GetMessageW(&msg, nullptr, 0, 0);
    if (r == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (r < 0) break;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// ---- menus -----------------------------------------------------------------

namespace {

void AssignMenuIds(FormWindow& fw) {
  for (const MenuItemDef* item : MenuItemsInIdOrder(fw.form->def())) {
    fw.menuIds[item] = static_cast<int>(fw.menuActions.size());
    fw.menuActions.push_back(item->action ? item->action : "");
  }
}

bool IsSeparator(const MenuItemDef& item) {
  return item.caption[0] == 0 || std::strcmp(item.caption, "-") == 0;
}

HMENU BuildPopup(FormWindow& fw, std::span<const MenuItemDef> items);

// Items are owner-drawn (ui/win32/menu_draw.h); their captions live in the
// window's record, one per table item, however often a popup is rebuilt.
void AppendItem(FormWindow& fw, HMENU menu, const MenuItemDef& item, bool inBar) {
  MenuCaption& caption = fw.menuCaptions[&item];
  caption = {Wide(item.caption), inBar};
  auto data = reinterpret_cast<LPCWSTR>(&caption);
  if (!item.items.empty()) {
    AppendMenuW(menu, MF_POPUP | MF_OWNERDRAW, reinterpret_cast<UINT_PTR>(BuildPopup(fw, item.items)), data);
  } else if (IsSeparator(item)) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  } else {
    AppendMenuW(menu, MF_OWNERDRAW, static_cast<UINT_PTR>(kMenuIdBase + fw.menuIds.at(&item)), data);
  }
}

HMENU BuildPopup(FormWindow& fw, std::span<const MenuItemDef> items) {
  HMENU menu = CreatePopupMenu();
  for (const MenuItemDef& item : items) {
    if (!item.caption) break;
    AppendItem(fw, menu, item, false);
  }
  return menu;
}

}  // namespace

// The menu bar holds the menus not marked hidden; hidden ones (the tray
// menu) pop up on demand. Ids cover both.
HMENU Win32View::CreateMenus(FormWindow& fw) {
  const auto menus = fw.form->def().menu;
  AssignMenuIds(fw);
  if (menus.empty()) return nullptr;
  HMENU bar = CreateMenu();
  for (const MenuItemDef& top : menus) {
    if (!top.caption) break;
    if (!top.hidden) AppendItem(fw, bar, top, true);
  }
  return bar;
}

void Win32View::PopupMenu(Form& form, const std::string& menu) {
  RunOnUi([&] {
    FormWindow* fw = Find(form);
    if (!fw) return;
    for (const MenuItemDef& top : form.def().menu) {
      if (!top.caption) break;
      if (menu != top.caption) continue;
      HMENU popup = BuildPopup(*fw, top.items);
      POINT pt;
      GetCursorPos(&pt);
      SetForegroundWindow(fw->hwnd);
      HWND hwnd = fw->hwnd;
      TrackPopupMenu(popup, TPM_RIGHTBUTTON, pt.x, pt.y, 0, hwnd, nullptr);
      PostMessageW(hwnd, WM_NULL, 0, 0);
      DestroyMenu(popup);
      return;
    }
  });
}

// ---- model -> view -----------------------------------------------------------

void Win32View::Sync(FormWindow& fw, int control, uint32_t changes) {
  if (control < 0) {
    SyncWindow(fw, changes);
  } else if (control < static_cast<int>(fw.controls.size())) {
    SyncControl(fw, control, changes);
  }
}

void Win32View::SyncWindow(FormWindow& fw, uint32_t changes) {
  Form& form = *fw.form;
  HWND h = fw.hwnd;
  if (!h) return;
  fw.syncing++;
  if (changes & Bit(Change::WindowVisible)) {
    bool visible = form.WindowVisible();
    if (visible != (IsWindowVisible(h) != FALSE)) {
      ShowWindow(h, visible ? SW_SHOW : SW_HIDE);
      if (visible) SetForegroundWindow(h);
    }
  }
  if (changes & Bit(Change::WindowState)) {
    int state = form.WindowState();
    if (state == 2 && !IsIconic(h)) ShowWindow(h, SW_MINIMIZE);
    if (state == 1 && IsIconic(h)) ShowWindow(h, SW_RESTORE);
  }
  if (changes & Bit(Change::TopMost))
    SetWindowPos(h, form.TopMost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  fw.syncing--;
  if (changes & Bit(Change::Tip)) SyncWindowTip(fw);
}

void Win32View::SyncControl(FormWindow& fw, int index, uint32_t changes) {
  ControlView& cv = fw.controls[static_cast<size_t>(index)];
  HWND h = cv.hwnd;
  if (!h) return;
  if (changes & kTextBits) SyncText(fw, index);
  if (!(changes & ~kTextBits)) return;
  Form& form = *fw.form;
  ControlState s = form.SnapshotWithoutText(index);
  const ControlDef& def = *s.def;
  fw.syncing++;
  if ((changes & Bit(Change::Checked)) && (def.kind == ControlKind::CheckBox || def.kind == ControlKind::Radio))
    SendMessageW(h, BM_SETCHECK, s.checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if ((changes & Bit(Change::Enabled)) && def.kind != ControlKind::Balloon) EnableWindow(h, s.enabled);
  if ((changes & Bit(Change::Visible)) && def.kind != ControlKind::Balloon)
    ShowWindow(h, s.visible ? SW_SHOWNA : SW_HIDE);
  if (changes & (Bit(Change::TextColor) | Bit(Change::BackColor))) InvalidateRect(h, nullptr, TRUE);
  if (changes & Bit(Change::Geometry)) {
    PlaceControl(fw, index);
    if (def.kind == ControlKind::GroupBox) PlaceChildrenOf(fw, def.name);
  }
  if (changes & Bit(Change::Rows)) SyncRows(fw, index, s);
  if (changes & Bit(Change::Scroll)) SetScrollBar(h, s.scroll);
  if (changes & Bit(Change::Picture)) {
    if (cv.picture) DeleteObject(cv.picture);
    cv.picture = DecodePicture(form.Picture(def.name), &cv.pictureWidth, &cv.pictureHeight);
    InvalidateRect(h, nullptr, TRUE);
  }
  fw.syncing--;
  if (changes & Bit(Change::Tip)) SyncTip(fw, index, s.tip);
}

// Replaced text is set whole (unless the control already shows it, as after
// the user's own typing); appended text is inserted at the end, so a long log
// is never sent again on each append.
void Win32View::SyncText(FormWindow& fw, int index) {
  ControlView& cv = fw.controls[static_cast<size_t>(index)];
  const ControlDef& def = fw.Def(index);
  Form::TextUpdate u = fw.form->TextSince(index, cv.shownGeneration, cv.shownLength);
  cv.shownGeneration = u.generation;
  if (!u.replaced && def.kind == ControlKind::Edit && u.text.size() > kAppendStep) {
    u.text.resize(CutAtCharacter(u.text, kAppendStep));
    u.length = cv.shownLength + u.text.size();
    MarkDirty(*fw.form, index, Bit(Change::Append));  // the rest on a later message
  }
  cv.shownLength = u.length;
  if (!ShowsText(def.kind)) return;
  fw.syncing++;
  if (u.replaced) {
    std::wstring w = Wide(u.text);
    if (WindowText(cv.hwnd) != w) SetWindowTextW(cv.hwnd, w.c_str());
  } else if (!u.text.empty()) {
    std::wstring w = Wide(u.text);
    if (def.kind == ControlKind::Edit) {
      LRESULT end = GetWindowTextLengthW(cv.hwnd);
      SendMessageW(cv.hwnd, EM_SETSEL, end, end);
      SendMessageW(cv.hwnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(w.c_str()));
    } else {
      SetWindowTextW(cv.hwnd, (WindowText(cv.hwnd) + w).c_str());
    }
  }
  if (def.kind == ControlKind::WebBrowser) InvalidateRect(cv.hwnd, nullptr, TRUE);
  fw.syncing--;
}

void Win32View::SyncRows(FormWindow& fw, int index, const ControlState& s) {
  ControlView& cv = fw.controls[static_cast<size_t>(index)];
  HWND h = cv.hwnd;
  const bool grows = cv.shownRows.size() <= s.rows.size() &&
                     std::equal(cv.shownRows.begin(), cv.shownRows.end(), s.rows.begin());
  fw.syncing++;
  if (!grows) {
    SendMessageW(h, LVM_DELETEALLITEMS, 0, 0);
    cv.shownRows.clear();
    cv.shownRow = -1;
  }
  for (size_t r = cv.shownRows.size(); r < s.rows.size(); ++r) InsertRow(h, static_cast<int>(r), s.rows[r]);
  cv.shownRows = s.rows;
  if (s.currentRow != cv.shownRow) {
    ListView_SetItemState(h, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    if (s.currentRow >= 0 && s.currentRow < static_cast<int>(s.rows.size())) {
      ListView_SetItemState(h, s.currentRow, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
      ListView_EnsureVisible(h, s.currentRow, FALSE);
    }
    cv.shownRow = s.currentRow;
  }
  fw.syncing--;
}

namespace {

void SetToolTip(HWND tooltip, HWND owner, HWND tool, const std::string& tip, bool* attached) {
  std::wstring w = Wide(tip);
  TOOLINFOW ti{};
  ti.cbSize = TTTOOLINFOW_V2_SIZE;
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = owner;
  ti.uId = reinterpret_cast<UINT_PTR>(tool);
  ti.lpszText = w.data();
  if (!*attached) {
    if (tip.empty()) return;
    *attached = SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti)) != FALSE;
  } else if (tip.empty()) {
    SendMessageW(tooltip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    *attached = false;
  } else {
    SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
  }
}

}  // namespace

void Win32View::SyncTip(FormWindow& fw, int index, const std::string& tip) {
  ControlView& cv = fw.controls[static_cast<size_t>(index)];
  if (fw.tooltip && cv.hwnd) SetToolTip(fw.tooltip, fw.hwnd, cv.hwnd, tip, &cv.tipAttached);
}

void Win32View::SyncWindowTip(FormWindow& fw) {
  if (fw.tooltip) SetToolTip(fw.tooltip, fw.hwnd, fw.hwnd, fw.form->WindowTip(), &fw.windowTipAttached);
}

// Geometry in the tables is relative to the enclosing group box; the child
// windows all belong to the top-level window, so the groups' origins add up.
void Win32View::PlaceControl(FormWindow& fw, int index) {
  const ControlDef& def = fw.Def(index);
  HWND h = fw.controls[static_cast<size_t>(index)].hwnd;
  if (!h || def.kind == ControlKind::StatusBar || def.kind == ControlKind::Balloon) return;
  Form& form = *fw.form;
  Form::Rect r = form.Geometry(def.name);
  int x = r.x, y = r.y;
  for (const char* parent = def.parent; parent && form.Has(parent);) {
    Form::Rect p = form.Geometry(parent);
    x += p.x;
    y += p.y;
    parent = form.def().controls[static_cast<size_t>(form.IndexOf(parent))].parent;
  }
  MoveWindow(h, x, y, r.w, r.h, TRUE);
}

void Win32View::PlaceChildrenOf(FormWindow& fw, const char* group) {
  for (int i = 0; i < static_cast<int>(fw.controls.size()); ++i) {
    const ControlDef& def = fw.Def(i);
    if (!def.parent || std::strcmp(def.parent, group) != 0) continue;
    PlaceControl(fw, i);
    if (def.kind == ControlKind::GroupBox) PlaceChildrenOf(fw, def.name);
  }
}

// ---- view -> model -----------------------------------------------------------

LRESULT CALLBACK Win32View::FormProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* fw = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    fw->hwnd = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(fw));
    std::wstring name = Wide(fw->form->name());
    SetPropW(hwnd, kNameProperty, reinterpret_cast<HANDLE>(static_cast<uintptr_t>(GlobalAddAtomW(name.c_str()))));
  }
  FormWindow* fw = FormOf(hwnd);
  if (!fw) return DefWindowProcW(hwnd, msg, wp, lp);
  return fw->view->HandleFormMessage(*fw, msg, wp, lp);
}

// After a call into forms_ the window may be gone (a handler can close it):
// each branch returns at once and touches `fw` no more.
LRESULT Win32View::HandleFormMessage(FormWindow& fw, UINT msg, WPARAM wp, LPARAM lp) {
  HWND hwnd = fw.hwnd;
  for (const MessageHook& hook : hooks_) {
    LRESULT result = 0;
    if (hook(*fw.form, hwnd, msg, wp, lp, &result)) return result;
  }
  switch (msg) {
    case WM_COMMAND:
      if (HandleCommand(fw, wp, lp)) return 0;
      break;
    case WM_NOTIFY:
      if (HandleNotify(fw, *reinterpret_cast<const NMHDR*>(lp))) return 0;
      break;
    case WM_VSCROLL:
      if (lp) {
        HandleScroll(fw, reinterpret_cast<HWND>(lp), wp);
        return 0;
      }
      break;
    case WM_CTLCOLOREDIT:
      return ControlColors(fw, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp), true);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return ControlColors(fw, reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp), false);
    case WM_MEASUREITEM:
      if (reinterpret_cast<const MEASUREITEMSTRUCT*>(lp)->CtlType == ODT_MENU) {
        MeasureMenuItem(hwnd, font_, *reinterpret_cast<MEASUREITEMSTRUCT*>(lp));
        return TRUE;
      }
      break;
    case WM_DRAWITEM:
      if (reinterpret_cast<const DRAWITEMSTRUCT*>(lp)->CtlType == ODT_MENU) {
        DrawMenuItem(font_, *reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
      } else {
        DrawOwnerControl(fw, *reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
      }
      return TRUE;
    case WM_SIZE: {
      for (size_t i = 0; i < fw.controls.size(); ++i)
        if (fw.Def(static_cast<int>(i)).kind == ControlKind::StatusBar && fw.controls[i].hwnd)
          SendMessageW(fw.controls[i].hwnd, WM_SIZE, 0, 0);
      Form& form = *fw.form;
      const bool minimised = wp == SIZE_MINIMIZED;
      if (minimised != (form.WindowState() == 2) && (minimised || wp == SIZE_RESTORED)) {
        form.SetWindowState(minimised ? 2 : 1);
        forms_.Fire(form, "", kEvPositionChanged);
        return 0;
      }
      break;
    }
    case WM_CLOSE:
      if (!fw.closing) {
        fw.closing = true;
        forms_.Destroy(*fw.form);
      }
      return 0;
    default: break;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

bool Win32View::HandleCommand(FormWindow& fw, WPARAM wp, LPARAM lp) {
  HWND control = reinterpret_cast<HWND>(lp);
  const int code = HIWORD(wp);
  Form& form = *fw.form;
  if (!control) {
    int item = static_cast<int>(LOWORD(wp)) - kMenuIdBase;
    if (code > 1 || item < 0 || item >= static_cast<int>(fw.menuActions.size())) return false;
    std::string action = fw.menuActions[static_cast<size_t>(item)];
    if (!action.empty()) forms_.UserMenu(form, action);
    return true;
  }
  const int i = fw.IndexOf(control);
  if (i < 0) return false;
  if (fw.syncing) return true;
  const ControlDef& def = fw.Def(i);
  const std::string name = def.name;
  if (IsButtonKind(def.kind) && code == BN_CLICKED) {
    forms_.UserClick(form, name);
  } else if ((def.kind == ControlKind::Label || def.kind == ControlKind::PictureBox) && code == STN_CLICKED) {
    forms_.UserClick(form, name);
  } else if (def.kind == ControlKind::Edit && code == EN_CHANGE) {
    forms_.UserType(form, name, Utf8(WindowText(control)));
  } else if (def.kind == ControlKind::Edit && code == EN_KILLFOCUS) {
    forms_.UserLeave(form, name);
  } else {
    return false;
  }
  return true;
}

bool Win32View::HandleNotify(FormWindow& fw, const NMHDR& hdr) {
  const int i = fw.IndexOf(hdr.hwndFrom);
  if (i < 0 || fw.Def(i).kind != ControlKind::ListView) return false;
  Form& form = *fw.form;
  const std::string name = fw.Def(i).name;
  if (hdr.code == LVN_ITEMCHANGED) {
    const auto& nm = reinterpret_cast<const NMLISTVIEW&>(hdr);
    const bool selected = (nm.uChanged & LVIF_STATE) && (nm.uNewState & LVIS_SELECTED) &&
                          !(nm.uOldState & LVIS_SELECTED) && nm.iItem >= 0;
    if (selected && !fw.syncing) {
      fw.controls[static_cast<size_t>(i)].shownRow = nm.iItem;
      forms_.UserSelectRow(form, name, nm.iItem);
    }
    return true;
  }
  if (hdr.code == NM_DBLCLK) {
    const auto& act = reinterpret_cast<const NMITEMACTIVATE&>(hdr);
    if (act.iItem >= 0) {
      fw.controls[static_cast<size_t>(i)].shownRow = act.iItem;
      forms_.UserDoubleClickRow(form, name, act.iItem);
    }
    return true;
  }
  return false;
}

void Win32View::HandleScroll(FormWindow& fw, HWND bar, WPARAM wp) {
  const int code = LOWORD(wp);
  const int i = fw.IndexOf(bar);
  if (i < 0 || code == SB_ENDSCROLL) return;
  Form& form = *fw.form;
  const std::string name = fw.Def(i).name;
  ScrollDef s = form.Scroll(name);
  int pos = s.position;
  const int line = std::max(1, s.lineStep), page = std::max(1, s.pageStep);
  switch (code) {
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_TOP: pos = s.minimum; break;
    case SB_BOTTOM: pos = s.maximum; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_TRACKPOS;
      GetScrollInfo(bar, SB_CTL, &si);
      pos = code == SB_THUMBTRACK ? si.nTrackPos : HIWORD(wp);
      break;
    }
    default: return;
  }
  forms_.UserScroll(form, name, pos);
}

LRESULT Win32View::ControlColors(FormWindow& fw, HDC dc, HWND control, bool isEdit) {
  const int i = fw.IndexOf(control);
  const UINT msg = isEdit ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
  if (i < 0) return DefWindowProcW(fw.hwnd, msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
  const std::string name = fw.Def(i).name;
  const uint32_t text = fw.form->TextColor(name), back = fw.form->BackColor(name);
  if (text == kNoColor && back == kNoColor)
    return DefWindowProcW(fw.hwnd, msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
  if (text != kNoColor) SetTextColor(dc, text);
  COLORREF bg = back != kNoColor ? back : GetSysColor(isEdit ? COLOR_WINDOW : COLOR_BTNFACE);
  SetBkColor(dc, bg);
  return reinterpret_cast<LRESULT>(Brush(bg));
}

void Win32View::DrawOwnerControl(FormWindow& fw, const DRAWITEMSTRUCT& dis) {
  const int i = fw.IndexOf(dis.hwndItem);
  if (i < 0) return;
  const ControlView& cv = fw.controls[static_cast<size_t>(i)];
  RECT rc = dis.rcItem;
  const ControlKind kind = fw.Def(i).kind;
  if (kind == ControlKind::PictureBox) {
    // The picture at its own size from the top-left corner, cut at the box.
    FillRect(dis.hDC, &rc, GetSysColorBrush(COLOR_BTNFACE));
    if (!cv.picture) return;
    HDC mem = CreateCompatibleDC(dis.hDC);
    HGDIOBJ old = SelectObject(mem, cv.picture);
    BitBlt(dis.hDC, 0, 0, std::min<int>(cv.pictureWidth, rc.right), std::min<int>(cv.pictureHeight, rc.bottom),
           mem, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    DeleteDC(mem);
  } else if (kind == ControlKind::WebBrowser) {
    FillRect(dis.hDC, &rc, GetSysColorBrush(COLOR_WINDOW));
    std::wstring text = WindowText(dis.hwndItem);
    HGDIOBJ oldFont = SelectObject(dis.hDC, font_);
    SetBkMode(dis.hDC, TRANSPARENT);
    SetTextColor(dis.hDC, GetSysColor(COLOR_WINDOWTEXT));
    InflateRect(&rc, -4, -4);
    DrawTextW(dis.hDC, text.c_str(), static_cast<int>(text.size()), &rc, DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dis.hDC, oldFont);
  }
}

LRESULT CALLBACK Win32View::ControlSubclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                            DWORD_PTR ref) {
  auto* view = reinterpret_cast<Win32View*>(ref);
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // The press reaches the model before the click that follows it.
      FormWindow* fw = FormOf(GetParent(hwnd));
      const int i = fw ? fw->IndexOf(hwnd) : -1;
      if (i >= 0) {
        view->forms_.UserMouseDown(*fw->form, fw->Def(i).name);
        if (!IsWindow(hwnd)) return 0;
      }
      break;
    }
    case WM_CHAR: {
      FormWindow* fw = FormOf(GetParent(hwnd));
      const int i = fw ? fw->IndexOf(hwnd) : -1;
      const bool decimal = i >= 0 && fw->Def(i).kind == ControlKind::Edit && fw->Def(i).mode == InputMode::Decimal;
      if (decimal && wp >= 0x20 && !(wp >= L'0' && wp <= L'9') && wp != L'.') {
        MessageBeep(MB_OK);
        return 0;
      }
      break;
    }
    case WM_ERASEBKGND: {
      // A group box paints only its frame; with the window clipping its
      // children, the inside would stay unpainted.
      FormWindow* fw = FormOf(GetParent(hwnd));
      const int i = fw ? fw->IndexOf(hwnd) : -1;
      if (i >= 0 && fw->Def(i).kind == ControlKind::GroupBox) {
        RECT rc;
        GetClientRect(hwnd, &rc);
        FillRect(reinterpret_cast<HDC>(wp), &rc, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
      }
      break;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(hwnd, ControlSubclass, 1); break;
    default: break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace rv::win32
