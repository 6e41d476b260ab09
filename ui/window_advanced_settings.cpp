// AdvancedSettingsWindow: copies of the dynamic line's off-window options,
// edited here and copied back on save.
#include "ui/form_defs.h"
#include "ui/tip_texts.h"
#include "ui/window_tables.h"

namespace rv {
namespace {

constexpr ControlDef kControls[] = {
    {.name = "分组框10", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 6, .y = 8, .w = 370, .h = 58, .caption = ""},
    {.name = "按钮_拨号问题汇总", .kind = ControlKind::Button, .parent = "分组框10", .x = 12, .y = 16, .w = 200, .h = 30, .caption = "常见问题 + 手机PPTP设置图文教程", .events = kEvClick},
    {.name = "按钮_模拟器使用咨询", .kind = ControlKind::Button, .parent = "分组框10", .x = 222, .y = 16, .w = 136, .h = 30, .caption = "模拟器 + 手机使用咨询", .events = kEvClick},

    {.name = "分组框4", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 380, .y = 8, .w = 176, .h = 58, .caption = ""},
    {.name = "按钮_启用本地网络", .kind = ControlKind::Button, .parent = "分组框4", .x = 6, .y = 17, .w = 80, .h = 32, .caption = "启用本地网络", .events = kEvClick},
    {.name = "按钮_禁用本地网络", .kind = ControlKind::Button, .parent = "分组框4", .x = 90, .y = 17, .w = 80, .h = 32, .caption = "禁用本地网络", .events = kEvClick},

    {.name = "分组框14", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 8, .y = 71, .w = 368, .h = 64, .caption = ""},
    {.name = "选择框_服务器列表拨号", .kind = ControlKind::CheckBox, .parent = "分组框14", .x = 14, .y = 13, .w = 132, .h = 18, .caption = "服务器列表循环拨号", .events = kEvClick},
    {.name = "透明标签18", .kind = ControlKind::TransparentLabel, .parent = "分组框14", .x = 187, .y = 13, .w = 66, .h = 18, .caption = "过滤重复IP："},
    {.name = "选择框_启动过滤重复ip", .kind = ControlKind::CheckBox, .parent = "分组框14", .x = 259, .y = 13, .w = 75, .h = 18, .caption = "启动过滤", .events = kEvClick},
    {.name = "选择框_记录每次连接ip", .kind = ControlKind::CheckBox, .parent = "分组框14", .x = 15, .y = 32, .w = 128, .h = 20, .caption = "记录每次换ip是多少", .flags = kChecked},
    {.name = "单选框_四组", .kind = ControlKind::Radio, .parent = "分组框14", .x = 187, .y = 34, .w = 70, .h = 24, .caption = "分析四段", .flags = kChecked},
    {.name = "单选框_分析IP前三组", .kind = ControlKind::Radio, .parent = "分组框14", .x = 259, .y = 34, .w = 95, .h = 24, .caption = "分析IP前三段"},

    {.name = "分组框5", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 380, .y = 71, .w = 176, .h = 137, .caption = ""},
    {.name = "透明标签20", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 13, .y = 19, .w = 56, .h = 18, .caption = "换ip清除："},
    {.name = "选择框_IE缓存和cookie", .kind = ControlKind::CheckBox, .parent = "分组框5", .x = 74, .y = 15, .w = 87, .h = 25, .caption = "IE缓存\r\n和cookie"},
    {.name = "透明标签10", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 13, .y = 45, .w = 56, .h = 18, .caption = "监控音效："},
    {.name = "选择框_掉线音效", .kind = ControlKind::CheckBox, .parent = "分组框5", .x = 74, .y = 45, .w = 77, .h = 18, .caption = "掉线音效", .events = kEvClick},
    {.name = "透明标签11", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 12, .y = 71, .w = 56, .h = 18, .caption = "是否断网："},
    {.name = "选择框_是否断网", .kind = ControlKind::CheckBox, .parent = "分组框5", .x = 75, .y = 71, .w = 68, .h = 18, .caption = "掉线断网", .events = kEvClick},
    {.name = "透明标签1", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 12, .y = 97, .w = 56, .h = 20, .caption = "监控频率："},
    {.name = "编辑框_监控时间秒", .kind = ControlKind::Edit, .parent = "分组框5", .x = 74, .y = 97, .w = 56, .h = 20, .caption = "2", .mode = InputMode::Decimal},
    {.name = "透明标签2", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 134, .y = 97, .w = 32, .h = 20, .caption = "秒/次"},

    {.name = "分组框8", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 9, .y = 137, .w = 230, .h = 71, .caption = ""},
    {.name = "透明标签12", .kind = ControlKind::TransparentLabel, .parent = "分组框8", .x = 6, .y = 13, .w = 56, .h = 20, .caption = "定时连断："},
    {.name = "选择框_定时连断", .kind = ControlKind::CheckBox, .parent = "分组框8", .x = 67, .y = 13, .w = 155, .h = 20, .caption = "定时自动断开再连接换ip", .events = kEvClick},
    {.name = "透明标签13", .kind = ControlKind::TransparentLabel, .parent = "分组框8", .x = 6, .y = 37, .w = 56, .h = 20, .caption = "定时设置："},
    {.name = "编辑框_连断时间秒", .kind = ControlKind::Edit, .parent = "分组框8", .x = 68, .y = 37, .w = 80, .h = 20, .caption = "60", .mode = InputMode::Integer},
    {.name = "透明标签14", .kind = ControlKind::TransparentLabel, .parent = "分组框8", .x = 152, .y = 37, .w = 32, .h = 20, .caption = "秒/次"},

    {.name = "分组框6", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 241, .y = 137, .w = 135, .h = 71, .caption = ""},
    {.name = "选择框_总在最前", .kind = ControlKind::CheckBox, .parent = "分组框6", .x = 19, .y = 12, .w = 96, .h = 20, .caption = "窗口总在最前", .events = kEvClick},
    {.name = "按钮_测试", .kind = ControlKind::Button, .parent = "分组框6", .x = 6, .y = 37, .w = 60, .h = 26, .caption = "测试掉线", .events = kEvClick},
    {.name = "按钮_修复故障", .kind = ControlKind::Button, .parent = "分组框6", .x = 68, .y = 37, .w = 60, .h = 26, .caption = "修复故障", .events = kEvClick},

    {.name = "选择框_热键", .kind = ControlKind::CheckBox, .parent = nullptr, .x = 141, .y = 214, .w = 284, .h = 24, .caption = "热键F1是断开再连接快捷键，勾选上即启用热键!", .events = kEvClick},
    {.name = "按钮_记住所有配置", .kind = ControlKind::Button, .parent = nullptr, .x = 234, .y = 244, .w = 96, .h = 40, .caption = "保存配置", .events = kEvClick},
    {.name = "气球提示框1", .kind = ControlKind::Balloon, .parent = nullptr, .x = 0, .y = 0, .w = 0, .h = 0, .caption = ""},
};

constexpr TipDef kTips[] = {
    {nullptr, tips::kWindow},
    {"选择框_定时连断", tips::kTimedReconnect},
    {"编辑框_连断时间秒", tips::kReconnectSeconds},
    {"按钮_拨号问题汇总", tips::kDialHelp},
    {"按钮_启用本地网络", tips::kEnableNetwork},
    {"按钮_禁用本地网络", tips::kDisableNetwork},
    {"选择框_掉线音效", tips::kAlarm},
    {"选择框_是否断网", tips::kCutNetwork},
    {"编辑框_监控时间秒", tips::kMonitorSeconds},
    {"按钮_测试", tips::kDropTest},
    {"按钮_修复故障", tips::kRepair},
    {"选择框_记录每次连接ip", tips::kRecordIp},
    {"按钮_记住所有配置", tips::kSaveSettings},
    {"选择框_服务器列表拨号", tips::kCycleList},
    {"选择框_启动过滤重复ip", tips::kDuplicateFilter},
    {"选择框_IE缓存和cookie", tips::kBrowserCache},
    {"单选框_四组", tips::kFourGroups},
    {"单选框_分析IP前三组", tips::kThreeGroups},
    {"按钮_模拟器使用咨询", tips::kEmulatorHelp},
    {"选择框_总在最前", tips::kTopMost},
};

}  // namespace

const WindowDef kAdvancedSettingsWindow = {
    .name = "AdvancedSettingsWindow",
    .title = "高级设置",
    .width = 570,
    .height = 325,
    .designedVisible = true,
    .events = kEvCreated,
    .controls = kControls,
    .tips = kTips,
};

}  // namespace rv
