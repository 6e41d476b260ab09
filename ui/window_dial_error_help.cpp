// DialErrorHelpWindow: answers to common dial errors and the phone set-up
// tutorials, each a notice or a picture in StaticPictureHelpWindow.
#include "ui/form_defs.h"
#include "ui/window_tables.h"

namespace rv {
namespace {

constexpr ControlDef kControls[] = {
    {.name = "分组框1", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 7, .y = 7, .w = 360, .h = 105, .caption = ""},
    {.name = "透明标签1", .kind = ControlKind::TransparentLabel, .parent = "分组框1", .x = 20, .y = 12, .w = 80, .h = 44, .caption = "常见问题\r\n\r\n解决方案："},
    {.name = "按钮_错误691", .kind = ControlKind::Button, .parent = "分组框1", .x = 114, .y = 14, .w = 66, .h = 35, .caption = "错误691", .events = kEvClick},
    {.name = "按钮_错误756", .kind = ControlKind::Button, .parent = "分组框1", .x = 196, .y = 14, .w = 66, .h = 35, .caption = "错误756", .events = kEvClick},
    {.name = "按钮_错误806", .kind = ControlKind::Button, .parent = "分组框1", .x = 276, .y = 14, .w = 66, .h = 35, .caption = "错误806", .events = kEvClick},
    {.name = "按钮_错误总代码", .kind = ControlKind::Button, .parent = "分组框1", .x = 17, .y = 60, .w = 200, .h = 35, .caption = "错误628、720、633、619、721", .events = kEvClick},
    {.name = "按钮_无法连接", .kind = ControlKind::Button, .parent = "分组框1", .x = 226, .y = 60, .w = 116, .h = 35, .caption = "怎么都无法连接", .events = kEvClick},

    {.name = "分组框2", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 7, .y = 112, .w = 360, .h = 104, .caption = ""},
    {.name = "透明标签2", .kind = ControlKind::TransparentLabel, .parent = "分组框2", .x = 20, .y = 22, .w = 80, .h = 60, .caption = "手机设置\r\n\r\n图文教程："},
    {.name = "按钮_安卓手机PPTP", .kind = ControlKind::Button, .parent = "分组框2", .x = 114, .y = 16, .w = 100, .h = 35, .caption = "安卓手机PPTP", .events = kEvClick},
    {.name = "按钮_苹果手机PPTP", .kind = ControlKind::Button, .parent = "分组框2", .x = 230, .y = 16, .w = 100, .h = 35, .caption = "苹果手机PPTP", .events = kEvClick},
    {.name = "按钮_安卓手机L2TP", .kind = ControlKind::Button, .parent = "分组框2", .x = 114, .y = 60, .w = 100, .h = 35, .caption = "安卓手机L2TP", .events = kEvClick},
    {.name = "按钮_苹果手机L2TP", .kind = ControlKind::Button, .parent = "分组框2", .x = 230, .y = 60, .w = 100, .h = 35, .caption = "苹果手机L2TP", .events = kEvClick},
};

}  // namespace

const WindowDef kDialErrorHelpWindow = {
    .name = "DialErrorHelpWindow",
    .title = "拨号错误问题汇总+手机设置图文教程",
    .width = 380,
    .height = 250,
    .designedVisible = true,
    .events = kEvCreated,
    .controls = kControls,
};

}  // namespace rv
