#include "ui/win32/control_styles.h"

#include <commctrl.h>

#include <cstring>

namespace rv::win32 {

namespace {

bool HasLineBreak(const ControlDef& def) { return def.caption && std::strchr(def.caption, '\n'); }

DWORD EditStyle(const ControlDef& def) {
  DWORD style = WS_TABSTOP;
  if (def.flags & kMultiline) {
    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (def.flags & kScrollBars) style |= WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL;
  } else {
    style |= ES_AUTOHSCROLL;
  }
  switch (def.mode) {
    case InputMode::ReadOnly: style |= ES_READONLY; break;
    case InputMode::Password: style |= ES_PASSWORD; break;
    case InputMode::Integer: style |= ES_NUMBER; break;
    case InputMode::Decimal:  // digits and one point, filtered as typed
    case InputMode::Normal: break;
  }
  return style;
}

}  // namespace

ControlClass ClassFor(const ControlDef& def) {
  const DWORD multiline = HasLineBreak(def) ? BS_MULTILINE : 0;
  switch (def.kind) {
    case ControlKind::Edit: return {L"EDIT", EditStyle(def), WS_EX_CLIENTEDGE};
    case ControlKind::Button: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | multiline, 0};
    case ControlKind::CheckBox: return {L"BUTTON", BS_CHECKBOX | WS_TABSTOP | multiline, 0};
    case ControlKind::Radio: return {L"BUTTON", BS_RADIOBUTTON | WS_TABSTOP | multiline, 0};
    case ControlKind::GroupBox: return {L"BUTTON", BS_GROUPBOX, 0};
    // Captions are cut at the label's right edge rather than wrapped onto a
    // second line that the label's height would hide.
    case ControlKind::TransparentLabel: return {L"STATIC", SS_LEFTNOWORDWRAP, 0};
    case ControlKind::Label: return {L"STATIC", SS_LEFTNOWORDWRAP | SS_NOTIFY, 0};
    // Painted by the window from the picture bytes, top-left, clipped.
    case ControlKind::PictureBox: return {L"STATIC", SS_OWNERDRAW | SS_NOTIFY, 0};
    case ControlKind::VScrollBar: return {L"SCROLLBAR", SBS_VERT, 0};
    case ControlKind::StatusBar: return {STATUSCLASSNAMEW, CCS_BOTTOM, 0};
    // The tooltip is a popup owned by the window, made apart from the children.
    case ControlKind::Balloon: return {nullptr, 0, 0};
    // The panel of the notice page: a child that shows the page's address or
    // text, lying over its fallback label.
    case ControlKind::WebBrowser: return {L"STATIC", SS_OWNERDRAW, WS_EX_CLIENTEDGE};
    case ControlKind::ListView:
      return {WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
  }
  return {nullptr, 0, 0};
}

}  // namespace rv::win32
