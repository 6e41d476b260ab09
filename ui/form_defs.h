#pragma once
// The windows of the program declared as data: every control with its name,
// kind, geometry, caption or initial content, input mode, colours and events.
// ui/win32 turns these tables into real windows, ui/headless keeps them in memory.
#include <cstdint>
#include <span>

namespace rv {

enum class ControlKind : uint8_t {
  Edit,
  Button,
  CheckBox,
  Radio,
  GroupBox,
  TransparentLabel,
  Label,
  PictureBox,
  VScrollBar,
  StatusBar,
  Balloon,
  WebBrowser,
  ListView,
};

enum class InputMode : uint8_t { Normal, ReadOnly, Password, Integer, Decimal };

// Events a control or window can raise (bit mask in ControlDef::events).
enum Event : uint32_t {
  kEvCreated = 1u << 0,
  kEvAboutToBeDestroyed = 1u << 1,
  kEvPositionChanged = 1u << 2,
  kEvTray = 1u << 3,
  kEvClick = 1u << 4,
  kEvLeftButtonDown = 1u << 5,
  kEvContentChanged = 1u << 6,
  kEvLostFocus = 1u << 7,
  kEvRowChanged = 1u << 8,
  kEvRowDoubleClicked = 1u << 9,
  kEvScrollChanged = 1u << 10,
};

// Colours are COLORREF values: 0x00BBGGRR.
constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }
constexpr uint32_t kNoColor = 0xFFFFFFFFu;
constexpr uint32_t kBlack = Rgb(0, 0, 0);
constexpr uint32_t kRed = Rgb(255, 0, 0);
constexpr uint32_t kPurple = Rgb(155, 48, 255);
constexpr uint32_t kForestGreen = Rgb(34, 139, 34);
constexpr uint32_t kCyan = Rgb(0, 255, 255);
constexpr uint32_t kGrey = Rgb(128, 128, 128);
constexpr uint32_t kLightGrey = Rgb(236, 236, 236);

// ControlDef::flags
enum ControlFlag : uint32_t {
  kMultiline = 1u << 0,
  kScrollBars = 1u << 1,  // both scroll bars of a multi-line edit box
  kChecked = 1u << 2,     // initially checked check box or radio
  kHidden = 1u << 3,      // initially invisible
  kOffWindow = 1u << 4,   // stored option state outside the visible area
};

struct ColumnDef {
  const char* caption;
  int width;
};

struct PaneDef {
  int width;
  const char* caption;
};

struct ScrollDef {
  int minimum, maximum, pageStep, lineStep, position;
};

struct ControlDef {
  const char* name;
  ControlKind kind;
  const char* parent;  // enclosing group box, or nullptr; geometry is relative to it
  int x, y, w, h;
  const char* caption;  // caption or initial content, UTF-8 with CR LF
  InputMode mode = InputMode::Normal;
  uint32_t flags = 0;
  uint32_t textColor = kNoColor;
  uint32_t backColor = kNoColor;
  uint32_t events = 0;
  std::span<const ColumnDef> columns = {};
  std::span<const PaneDef> panes = {};
  const ScrollDef* scroll = nullptr;
};

struct TipDef {
  const char* control;  // nullptr: the window itself
  const char* text;
};

struct MenuItemDef {
  const char* caption;  // nullptr ends a list
  const char* action;   // name of the command the item runs; nullptr for a top-level menu
  std::span<const MenuItemDef> items = {};
  bool hidden = false;  // kept out of the menu bar (the tray menu)
};

struct WindowDef {
  const char* name;
  const char* title;
  int width, height;  // outer size
  bool designedVisible;
  uint32_t events;
  std::span<const ControlDef> controls;
  std::span<const TipDef> tips = {};
  std::span<const MenuItemDef> menu = {};
};

// All windows of the program, and one by name (nullptr when unknown).
std::span<const WindowDef* const> AllWindowDefs();
const WindowDef* FindWindowDef(const char* name);

}  // namespace rv
