// StaticPictureHelpWindow and DynamicPictureHelpWindow: one tall picture in a
// box that the scroll bar moves up. The two windows are identical; each line
// opens its own.
#include "ui/form_defs.h"
#include "ui/window_tables.h"

namespace rv {
namespace {

constexpr ScrollDef kDesignedScroll = {.minimum = 1, .maximum = 100, .pageStep = 10, .lineStep = 1, .position = 1};

constexpr ControlDef kControls[] = {
    {.name = "图片框1", .kind = ControlKind::PictureBox, .parent = nullptr, .x = 26, .y = 16, .w = 835, .h = 5900, .caption = ""},
    {.name = "纵向滚动条1", .kind = ControlKind::VScrollBar, .parent = nullptr, .x = 863, .y = 16, .w = 24, .h = 536, .caption = "",
     .events = kEvScrollChanged, .scroll = &kDesignedScroll},
};

constexpr WindowDef PictureWindow(const char* name) {
  return {
      .name = name,
      .title = "图文解答中心-请拉动【滚动条】查看",
      .width = 892,
      .height = 593,
      .designedVisible = true,
      .events = kEvCreated,
      .controls = kControls,
  };
}

}  // namespace

constinit const WindowDef kStaticPictureHelpWindow = PictureWindow("StaticPictureHelpWindow");
constinit const WindowDef kDynamicPictureHelpWindow = PictureWindow("DynamicPictureHelpWindow");

}  // namespace rv
