// StaticLineWindow: the start window and main window of the static line.
#include "ui/form_defs.h"
#include "ui/menu_actions.h"
#include "ui/support_contacts.h"
#include "ui/window_tables.h"

namespace rv {
namespace {

constexpr PaneDef kStatusPanes[] = {{50, " 状 态"}};
constexpr uint32_t kCyanOnGreyText = kCyan;

constexpr ControlDef kControls[] = {
    {.name = "分组框1", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 6, .y = 2, .w = 270, .h = 134, .caption = ""},
    {.name = "透明标签5", .kind = ControlKind::TransparentLabel, .parent = "分组框1", .x = 12, .y = 23, .w = 65, .h = 25, .caption = "服务器地址："},
    {.name = "编辑框_服务器地址", .kind = ControlKind::Edit, .parent = "分组框1", .x = 83, .y = 22, .w = 150, .h = 30, .caption = ""},
    {.name = "透明标签8", .kind = ControlKind::TransparentLabel, .parent = "分组框1", .x = 30, .y = 61, .w = 40, .h = 25, .caption = "用户名："},
    {.name = "编辑框_用户名", .kind = ControlKind::Edit, .parent = "分组框1", .x = 83, .y = 59, .w = 150, .h = 30, .caption = ""},
    {.name = "透明标签9", .kind = ControlKind::TransparentLabel, .parent = "分组框1", .x = 30, .y = 98, .w = 40, .h = 25, .caption = "密  码："},
    {.name = "编辑框_密码", .kind = ControlKind::Edit, .parent = "分组框1", .x = 83, .y = 96, .w = 150, .h = 30, .caption = "", .mode = InputMode::Password},

    {.name = "分组框3", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 6, .y = 136, .w = 270, .h = 38, .caption = ""},
    {.name = "透明标签19", .kind = ControlKind::TransparentLabel, .parent = "分组框3", .x = 27, .y = 12, .w = 56, .h = 18, .caption = "协议选择："},
    {.name = "单选框_PPTP", .kind = ControlKind::Radio, .parent = "分组框3", .x = 91, .y = 10, .w = 48, .h = 24, .caption = "PPTP", .flags = kChecked},
    {.name = "单选框_L2TP", .kind = ControlKind::Radio, .parent = "分组框3", .x = 143, .y = 10, .w = 48, .h = 24, .caption = "L2TP"},
    {.name = "单选框_SSTP", .kind = ControlKind::Radio, .parent = "分组框3", .x = 197, .y = 10, .w = 48, .h = 24, .caption = "SSTP"},

    {.name = "分组框8", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 6, .y = 174, .w = 270, .h = 88, .caption = ""},
    {.name = "透明标签12", .kind = ControlKind::TransparentLabel, .parent = "分组框8", .x = 42, .y = 13, .w = 56, .h = 20, .caption = "定时连断："},
    {.name = "选择框_定时连断", .kind = ControlKind::CheckBox, .parent = "分组框8", .x = 103, .y = 13, .w = 132, .h = 20, .caption = "自动定时断开再连接", .events = kEvClick},
    {.name = "透明标签13", .kind = ControlKind::TransparentLabel, .parent = "分组框8", .x = 42, .y = 37, .w = 56, .h = 20, .caption = "定时设置："},
    {.name = "编辑框_连断时间秒", .kind = ControlKind::Edit, .parent = "分组框8", .x = 104, .y = 37, .w = 80, .h = 20, .caption = "30", .mode = InputMode::Integer, .textColor = kRed, .events = kEvLostFocus},
    {.name = "透明标签14", .kind = ControlKind::TransparentLabel, .parent = "分组框8", .x = 188, .y = 37, .w = 32, .h = 20, .caption = "秒/次"},
    {.name = "透明标签16", .kind = ControlKind::TransparentLabel, .parent = "分组框8", .x = 42, .y = 61, .w = 58, .h = 20, .caption = "连断次数："},
    {.name = "编辑框_连断计次", .kind = ControlKind::Edit, .parent = "分组框8", .x = 104, .y = 62, .w = 80, .h = 20, .caption = "计次", .mode = InputMode::ReadOnly, .textColor = kCyanOnGreyText, .backColor = kGrey},
    {.name = "透明标签15", .kind = ControlKind::TransparentLabel, .parent = "分组框8", .x = 190, .y = 61, .w = 26, .h = 20, .caption = "次"},

    {.name = "分组框2", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 6, .y = 263, .w = 270, .h = 64, .caption = ""},
    {.name = "按钮_连接", .kind = ControlKind::Button, .parent = "分组框2", .x = 33, .y = 14, .w = 80, .h = 40, .caption = "启动连接", .events = kEvClick},
    {.name = "按钮_断开", .kind = ControlKind::Button, .parent = "分组框2", .x = 153, .y = 14, .w = 80, .h = 40, .caption = "断 开", .events = kEvClick},

    {.name = "分组框7", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 6, .y = 327, .w = 270, .h = 174, .caption = ""},
    {.name = "编辑框_列表结果显示", .kind = ControlKind::Edit, .parent = "分组框7", .x = 10, .y = 15, .w = 250, .h = 119,
     .caption = " 【严禁非法用途，所有使用后果自负！】\r\n【优惠订购静动态IP，QQ客服" RV_STATIC_SUPPORT "】\r\n", .flags = kMultiline | kScrollBars, .backColor = kLightGrey},
    {.name = "按钮_保存结果", .kind = ControlKind::Button, .parent = "分组框7", .x = 43, .y = 141, .w = 66, .h = 26, .caption = "保存结果", .events = kEvClick},
    {.name = "按钮_清空结果", .kind = ControlKind::Button, .parent = "分组框7", .x = 162, .y = 141, .w = 66, .h = 26, .caption = "清空结果", .events = kEvClick},

    {.name = "分组框4", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 282, .y = 2, .w = 176, .h = 62, .caption = ""},
    {.name = "按钮_启用本地网络", .kind = ControlKind::Button, .parent = "分组框4", .x = 6, .y = 17, .w = 80, .h = 32, .caption = "启用本地网络", .events = kEvClick},
    {.name = "按钮_禁用本地网络", .kind = ControlKind::Button, .parent = "分组框4", .x = 90, .y = 17, .w = 80, .h = 32, .caption = "禁用本地网络", .events = kEvClick},

    {.name = "分组框5", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 282, .y = 66, .w = 176, .h = 238, .caption = ""},
    {.name = "透明标签20", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 13, .y = 14, .w = 56, .h = 18, .caption = "换ip清除："},
    {.name = "选择框_IE缓存和cookie", .kind = ControlKind::CheckBox, .parent = "分组框5", .x = 74, .y = 10, .w = 87, .h = 25, .caption = "IE缓存\r\n和cookie"},
    {.name = "透明标签7", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 13, .y = 41, .w = 56, .h = 18, .caption = "是否重拨："},
    {.name = "选择框_掉线重拨", .kind = ControlKind::CheckBox, .parent = "分组框5", .x = 74, .y = 42, .w = 77, .h = 18, .caption = "掉线重拨", .events = kEvClick},
    {.name = "透明标签10", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 13, .y = 68, .w = 56, .h = 18, .caption = "监控音效："},
    {.name = "选择框_掉线音效", .kind = ControlKind::CheckBox, .parent = "分组框5", .x = 74, .y = 68, .w = 77, .h = 18, .caption = "掉线音效", .events = kEvClick | kEvLeftButtonDown},
    {.name = "透明标签11", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 12, .y = 95, .w = 56, .h = 18, .caption = "是否断网："},
    {.name = "选择框_是否断网", .kind = ControlKind::CheckBox, .parent = "分组框5", .x = 75, .y = 96, .w = 68, .h = 18, .caption = "掉线断网", .events = kEvClick},
    {.name = "透明标签1", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 12, .y = 122, .w = 56, .h = 20, .caption = "监控频率："},
    {.name = "编辑框_监控时间秒", .kind = ControlKind::Edit, .parent = "分组框5", .x = 74, .y = 122, .w = 56, .h = 20, .caption = "0.5", .mode = InputMode::Decimal, .textColor = kRed, .events = kEvLostFocus},
    {.name = "透明标签2", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 134, .y = 122, .w = 32, .h = 20, .caption = "秒/次"},
    {.name = "透明标签3", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 12, .y = 148, .w = 58, .h = 20, .caption = "监控次数："},
    {.name = "编辑框_监控计次", .kind = ControlKind::Edit, .parent = "分组框5", .x = 74, .y = 149, .w = 56, .h = 20, .caption = "计次", .mode = InputMode::ReadOnly, .textColor = kCyanOnGreyText, .backColor = kGrey},
    {.name = "透明标签4", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 136, .y = 148, .w = 26, .h = 20, .caption = "次"},
    {.name = "分组框6", .kind = ControlKind::GroupBox, .parent = "分组框5", .x = 11, .y = 174, .w = 155, .h = 49, .caption = ""},
    {.name = "按钮_测试", .kind = ControlKind::Button, .parent = "分组框6", .x = 7, .y = 14, .w = 60, .h = 26, .caption = "测试掉线", .events = kEvClick},
    {.name = "按钮_修复故障", .kind = ControlKind::Button, .parent = "分组框6", .x = 87, .y = 14, .w = 60, .h = 26, .caption = "修复故障", .events = kEvClick},

    {.name = "分组框9", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 282, .y = 307, .w = 176, .h = 96, .caption = ""},
    {.name = "选择框_记录每次连接ip", .kind = ControlKind::CheckBox, .parent = "分组框9", .x = 14, .y = 21, .w = 128, .h = 20, .caption = "记录每次换ip是多少"},
    {.name = "按钮_查询当前ip", .kind = ControlKind::Button, .parent = "分组框9", .x = 8, .y = 51, .w = 70, .h = 26, .caption = "查询当前ip", .events = kEvClick},
    {.name = "按钮_更多功能定制", .kind = ControlKind::Button, .parent = "分组框9", .x = 86, .y = 51, .w = 80, .h = 26, .caption = "更多功能定制", .events = kEvClick},

    {.name = "分组框10", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 282, .y = 405, .w = 176, .h = 95, .caption = ""},
    {.name = "按钮_拨号问题汇总", .kind = ControlKind::Button, .parent = "分组框10", .x = 14, .y = 21, .w = 150, .h = 55,
     .caption = "常见无法连接问题汇总 +\r\n\r\n手机PPTP、L2TP图文教程", .events = kEvClick},

    {.name = "状态条1", .kind = ControlKind::StatusBar, .parent = nullptr, .x = 0, .y = 0, .w = 0, .h = 0, .caption = "", .panes = kStatusPanes},
    {.name = "编辑框_接收信息", .kind = ControlKind::Edit, .parent = nullptr, .x = 53, .y = 511, .w = 411, .h = 20, .caption = "", .backColor = kLightGrey},
    {.name = "气球提示框1", .kind = ControlKind::Balloon, .parent = nullptr, .x = 0, .y = 0, .w = 0, .h = 0, .caption = ""},
};

constexpr MenuItemDef kMainMenu[] = {
    {"客服QQ" RV_STATIC_SUPPORT, kActContactSupport},
    {"用前需看", kActDisclaimerBefore},
    {"退出", kActExit},
};
constexpr MenuItemDef kHowToMenu[] = {{"使用介绍", kActUsage}};
constexpr MenuItemDef kDisclaimerMenu[] = {{"用前必看", kActDisclaimerMust}};
constexpr MenuItemDef kContactMenu[] = {
    {"联系QQ" RV_STATIC_SUPPORT, kActContactSupport},
    {"联系微信" RV_MESSENGER_ID, kActMessenger},
};
constexpr MenuItemDef kPaidMenu[] = {
    {"优惠订购ip客服QQ" RV_STATIC_SUPPORT, kActContactSupport},
    {"软件功能定制服务", kActContactSupport},
};
constexpr MenuItemDef kMenuBar[] = {
    {"菜 单", nullptr, kMainMenu},
    {"操作说明", nullptr, kHowToMenu},
    {"免责声明", nullptr, kDisclaimerMenu},
    {"联系方式", nullptr, kContactMenu},
    {"付费服务(产品服务)", nullptr, kPaidMenu},
};

}  // namespace

const WindowDef kStaticLineWindow = {
    .name = "StaticLineWindow",
    .title = "Tavrik(多功能高级版)V7.8",
    .width = 472,
    .height = 578,
    .designedVisible = false,
    .events = kEvCreated | kEvAboutToBeDestroyed,
    .controls = kControls,
    .menu = kMenuBar,
};

}  // namespace rv
