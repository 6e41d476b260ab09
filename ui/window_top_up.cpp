// TopUpWindow: the provider's top-up page in a browser, with a fallback text
// beneath it that shows when the page is switched off.
#include "ui/form_defs.h"
#include "ui/menu_actions.h"
#include "ui/support_contacts.h"
#include "ui/window_tables.h"

namespace rv {
namespace {

constexpr PaneDef kStatusPanes[] = {
    {50, " 状 态"},
    {1500, "自助订购开通/续费后，如有问题，请及时联系留言给人工客服QQ：" RV_DYNAMIC_SUPPORT "，建议先加好友再留言，以免信息无法接收！"},
};

constexpr ControlDef kControls[] = {
    {.name = "分组框1", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 4, .y = 4, .w = 1176, .h = 590, .caption = ""},
    {.name = "互联网浏览器1", .kind = ControlKind::WebBrowser, .parent = "分组框1", .x = 7, .y = 13, .w = 1160, .h = 568, .caption = ""},
    {.name = "标签1", .kind = ControlKind::Label, .parent = "分组框1", .x = 60, .y = 108, .w = 1056, .h = 112,
     .caption = "\r\n自助开通/充值页面加载失败，请直接联系客服QQ：" RV_DYNAMIC_SUPPORT "充值/续费，谢谢支持！\r\n\r\n"
                "如果只想自助充值的，可以稍后再打开自助充值页面试试！"},
    {.name = "状态条1", .kind = ControlKind::StatusBar, .parent = nullptr, .x = 0, .y = 0, .w = 0, .h = 0, .caption = "", .panes = kStatusPanes},
};

constexpr MenuItemDef kServiceItems[] = {
    {"联系QQ客服" RV_DYNAMIC_SUPPORT, kActContactSupport},
    {"联系微信客服", kActMessenger},
};
constexpr MenuItemDef kMenuBar[] = {{"人工服务", nullptr, kServiceItems}};

}  // namespace

const WindowDef kTopUpWindow = {
    .name = "TopUpWindow",
    .title = "自助开通/充值续费-24小时自动服务即时到账",
    .width = 1190,
    .height = 670,
    .designedVisible = true,
    .events = kEvCreated,
    .controls = kControls,
    .menu = kMenuBar,
};

}  // namespace rv
