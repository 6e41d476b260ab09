// DynamicLineWindow: the main window of the dynamic line. Controls in the
// group boxes at left 885 and beyond lie outside the visible area: they hold
// the options that AdvancedSettingsWindow edits and the settings file stores.
#include "ui/form_defs.h"
#include "ui/menu_actions.h"
#include "ui/support_contacts.h"
#include "ui/tip_texts.h"
#include "ui/window_tables.h"

namespace rv {
namespace {

constexpr PaneDef kStatusPanes[] = {{50, " 状 态"}};
constexpr ColumnDef kServerColumns[] = {
    {"动态城市名称", 100}, {"运行状态", 60}, {"status", 1}, {"服务器地址", 105}, {"宽带速度", 60},
};
constexpr uint32_t kRowEvents = kEvRowChanged | kEvRowDoubleClicked;

constexpr ControlDef kControls[] = {
    {.name = "图片框1", .kind = ControlKind::PictureBox, .parent = nullptr, .x = 5, .y = 4, .w = 870, .h = 90, .caption = ""},

    {.name = "分组框1", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 6, .y = 96, .w = 270, .h = 90, .caption = ""},
    {.name = "透明标签8", .kind = ControlKind::TransparentLabel, .parent = "分组框1", .x = 30, .y = 17, .w = 40, .h = 25, .caption = "用户名："},
    {.name = "编辑框_用户名", .kind = ControlKind::Edit, .parent = "分组框1", .x = 83, .y = 15, .w = 150, .h = 30, .caption = ""},
    {.name = "透明标签9", .kind = ControlKind::TransparentLabel, .parent = "分组框1", .x = 30, .y = 54, .w = 40, .h = 25, .caption = "密  码："},
    {.name = "编辑框_密码", .kind = ControlKind::Edit, .parent = "分组框1", .x = 83, .y = 52, .w = 150, .h = 30, .caption = "", .mode = InputMode::Password},

    {.name = "分组框3", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 6, .y = 186, .w = 270, .h = 38, .caption = ""},
    {.name = "透明标签19", .kind = ControlKind::TransparentLabel, .parent = "分组框3", .x = 20, .y = 12, .w = 56, .h = 18, .caption = "协议选择："},
    {.name = "单选框_PPTP", .kind = ControlKind::Radio, .parent = "分组框3", .x = 86, .y = 10, .w = 48, .h = 24, .caption = "PPTP"},
    {.name = "单选框_L2TP", .kind = ControlKind::Radio, .parent = "分组框3", .x = 144, .y = 10, .w = 48, .h = 24, .caption = "L2TP", .flags = kChecked},
    {.name = "单选框_SSTP", .kind = ControlKind::Radio, .parent = "分组框3", .x = 200, .y = 10, .w = 48, .h = 24, .caption = "SSTP"},

    {.name = "分组框2", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 6, .y = 224, .w = 270, .h = 64, .caption = ""},
    {.name = "按钮_连接", .kind = ControlKind::Button, .parent = "分组框2", .x = 36, .y = 14, .w = 80, .h = 40, .caption = "启动连接", .events = kEvClick},
    {.name = "按钮_断开", .kind = ControlKind::Button, .parent = "分组框2", .x = 163, .y = 14, .w = 70, .h = 40, .caption = "断 开", .events = kEvClick},

    {.name = "分组框7", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 6, .y = 288, .w = 270, .h = 174, .caption = ""},
    {.name = "编辑框_列表结果显示", .kind = ControlKind::Edit, .parent = "分组框7", .x = 10, .y = 15, .w = 250, .h = 119,
     .caption = " 【严禁非法用途，所有使用后果自负！】\r\n 【千万动态ip国内高速稳定安全服务器】", .flags = kMultiline | kScrollBars, .backColor = kLightGrey},
    {.name = "按钮_保存结果", .kind = ControlKind::Button, .parent = "分组框7", .x = 39, .y = 141, .w = 66, .h = 26, .caption = "保存结果", .events = kEvClick},
    {.name = "按钮_清空结果", .kind = ControlKind::Button, .parent = "分组框7", .x = 168, .y = 140, .w = 66, .h = 26, .caption = "清空结果", .events = kEvClick},

    {.name = "分组框12", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 280, .y = 96, .w = 370, .h = 366, .caption = ""},
    {.name = "透明标签5", .kind = ControlKind::TransparentLabel, .parent = "分组框12", .x = 13, .y = 18, .w = 55, .h = 25, .caption = "地区搜索："},
    {.name = "编辑框_搜索输入", .kind = ControlKind::Edit, .parent = "分组框12", .x = 75, .y = 14, .w = 129, .h = 32, .caption = "", .events = kEvContentChanged},
    {.name = "按钮_搜索", .kind = ControlKind::Button, .parent = "分组框12", .x = 212, .y = 14, .w = 48, .h = 32, .caption = "搜索", .events = kEvClick},
    {.name = "按钮_刷新服务器列表", .kind = ControlKind::Button, .parent = "分组框12", .x = 276, .y = 14, .w = 70, .h = 32, .caption = "刷新列表", .events = kEvClick},
    {.name = "超级列表框_线路超级列表1", .kind = ControlKind::ListView, .parent = "分组框12", .x = 9, .y = 58, .w = 350, .h = 300, .caption = "", .events = kRowEvents, .columns = kServerColumns},
    // The search results lie exactly over the full list and replace it while a search is shown.
    {.name = "超级列表框_线路超级列表2", .kind = ControlKind::ListView, .parent = "分组框12", .x = 9, .y = 58, .w = 350, .h = 300, .caption = "", .flags = kHidden, .events = kRowEvents, .columns = kServerColumns},

    {.name = "分组框11", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 656, .y = 96, .w = 216, .h = 145, .caption = ""},
    {.name = "透明标签17", .kind = ControlKind::TransparentLabel, .parent = "分组框11", .x = 45, .y = 12, .w = 136, .h = 20, .caption = "点击查询账户过期时间："},
    {.name = "标签_用户过期时间查询", .kind = ControlKind::Label, .parent = "分组框11", .x = 23, .y = 34, .w = 170, .h = 20, .caption = "点击查询", .events = kEvLeftButtonDown},
    {.name = "选择框_掉线重拨", .kind = ControlKind::CheckBox, .parent = "分组框11", .x = 29, .y = 61, .w = 136, .h = 18, .caption = "如果掉线就自动重连", .flags = kChecked, .events = kEvClick},
    {.name = "选择框_连接成功系统托盘", .kind = ControlKind::CheckBox, .parent = "分组框11", .x = 29, .y = 82, .w = 168, .h = 18, .caption = "连接成功自动缩小系统托盘", .events = kEvClick},
    {.name = "按钮_查询当前ip", .kind = ControlKind::Button, .parent = "分组框11", .x = 24, .y = 103, .w = 70, .h = 35, .caption = "查询当前ip", .events = kEvClick},
    {.name = "按钮_高级设置", .kind = ControlKind::Button, .parent = "分组框11", .x = 114, .y = 103, .w = 80, .h = 35, .caption = "高级设置", .events = kEvClick},

    {.name = "分组框13", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 656, .y = 245, .w = 216, .h = 215, .caption = ""},
    {.name = "互联网浏览器1", .kind = ControlKind::WebBrowser, .parent = "分组框13", .x = 7, .y = 14, .w = 200, .h = 192, .caption = ""},
    {.name = "标签1", .kind = ControlKind::Label, .parent = "分组框13", .x = 16, .y = 59, .w = 182, .h = 88,
     .caption = "\r\n【VIP专属客服QQ：" RV_DYNAMIC_SUPPORT "】\r\n\r\n【如有问题，请咨询留言给客服】\r\n\r\n【点击菜单--联系客服 可直达】"},

    {.name = "编辑框_接收信息", .kind = ControlKind::Edit, .parent = nullptr, .x = 54, .y = 474, .w = 811, .h = 20, .caption = "", .backColor = kLightGrey},
    {.name = "状态条1", .kind = ControlKind::StatusBar, .parent = nullptr, .x = 0, .y = 0, .w = 0, .h = 0, .caption = "", .panes = kStatusPanes},
    {.name = "气球提示框1", .kind = ControlKind::Balloon, .parent = nullptr, .x = 0, .y = 0, .w = 0, .h = 0, .caption = ""},

    // Off-window option state, edited through AdvancedSettingsWindow.
    {.name = "分组框14", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 936, .y = 48, .w = 368, .h = 64, .caption = "", .flags = kOffWindow},
    {.name = "选择框_服务器列表拨号", .kind = ControlKind::CheckBox, .parent = "分组框14", .x = 14, .y = 13, .w = 132, .h = 18, .caption = "服务器列表循环拨号", .flags = kOffWindow, .events = kEvClick},
    {.name = "透明标签18", .kind = ControlKind::TransparentLabel, .parent = "分组框14", .x = 187, .y = 13, .w = 66, .h = 18, .caption = "过滤重复IP：", .flags = kOffWindow},
    {.name = "选择框_启动过滤重复ip", .kind = ControlKind::CheckBox, .parent = "分组框14", .x = 259, .y = 13, .w = 75, .h = 18, .caption = "启动过滤", .flags = kOffWindow, .events = kEvClick},
    {.name = "选择框_记录每次连接ip", .kind = ControlKind::CheckBox, .parent = "分组框14", .x = 15, .y = 32, .w = 128, .h = 20, .caption = "记录每次换ip是多少", .flags = kChecked | kOffWindow},
    {.name = "单选框_四组", .kind = ControlKind::Radio, .parent = "分组框14", .x = 187, .y = 34, .w = 70, .h = 24, .caption = "分析四段", .flags = kChecked | kOffWindow},
    {.name = "单选框_分析IP前三组", .kind = ControlKind::Radio, .parent = "分组框14", .x = 259, .y = 34, .w = 95, .h = 24, .caption = "分析IP前三段", .flags = kOffWindow},

    {.name = "分组框5", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 943, .y = 114, .w = 176, .h = 198, .caption = "", .flags = kOffWindow},
    {.name = "透明标签20", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 13, .y = 16, .w = 56, .h = 18, .caption = "换ip清除：", .flags = kOffWindow},
    {.name = "选择框_IE缓存和cookie", .kind = ControlKind::CheckBox, .parent = "分组框5", .x = 74, .y = 12, .w = 87, .h = 25, .caption = "IE缓存\r\n和cookie", .flags = kOffWindow},
    {.name = "透明标签10", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 13, .y = 42, .w = 56, .h = 18, .caption = "监控音效：", .flags = kOffWindow},
    {.name = "选择框_掉线音效", .kind = ControlKind::CheckBox, .parent = "分组框5", .x = 74, .y = 42, .w = 77, .h = 18, .caption = "掉线音效", .flags = kOffWindow, .events = kEvClick | kEvLeftButtonDown},
    {.name = "透明标签11", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 12, .y = 68, .w = 56, .h = 18, .caption = "是否断网：", .flags = kOffWindow},
    {.name = "选择框_是否断网", .kind = ControlKind::CheckBox, .parent = "分组框5", .x = 75, .y = 68, .w = 68, .h = 18, .caption = "掉线断网", .flags = kOffWindow, .events = kEvClick},
    {.name = "透明标签1", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 12, .y = 94, .w = 56, .h = 20, .caption = "监控频率：", .flags = kOffWindow},
    {.name = "编辑框_监控时间秒", .kind = ControlKind::Edit, .parent = "分组框5", .x = 74, .y = 94, .w = 56, .h = 20, .caption = "2", .mode = InputMode::Decimal, .flags = kOffWindow, .events = kEvLostFocus},
    {.name = "透明标签2", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 134, .y = 94, .w = 32, .h = 20, .caption = "秒/次", .flags = kOffWindow},
    {.name = "透明标签3", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 12, .y = 121, .w = 58, .h = 20, .caption = "监控次数：", .flags = kOffWindow},
    {.name = "编辑框_监控计次", .kind = ControlKind::Edit, .parent = "分组框5", .x = 74, .y = 121, .w = 56, .h = 20, .caption = "计次", .mode = InputMode::ReadOnly, .flags = kOffWindow},
    {.name = "透明标签4", .kind = ControlKind::TransparentLabel, .parent = "分组框5", .x = 136, .y = 121, .w = 26, .h = 20, .caption = "次", .flags = kOffWindow},
    {.name = "分组框6", .kind = ControlKind::GroupBox, .parent = "分组框5", .x = 11, .y = 144, .w = 155, .h = 49, .caption = "", .flags = kOffWindow},
    {.name = "按钮_测试", .kind = ControlKind::Button, .parent = "分组框6", .x = 7, .y = 14, .w = 60, .h = 26, .caption = "测试掉线", .flags = kOffWindow, .events = kEvClick},
    {.name = "按钮_修复故障", .kind = ControlKind::Button, .parent = "分组框6", .x = 87, .y = 14, .w = 60, .h = 26, .caption = "修复故障", .flags = kOffWindow, .events = kEvClick},

    {.name = "分组框4", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 1127, .y = 120, .w = 176, .h = 80, .caption = "", .flags = kOffWindow},
    {.name = "选择框_总在最前", .kind = ControlKind::CheckBox, .parent = "分组框4", .x = 16, .y = 13, .w = 96, .h = 20, .caption = "窗口总在最前", .flags = kOffWindow, .events = kEvClick},
    {.name = "按钮_启用本地网络", .kind = ControlKind::Button, .parent = "分组框4", .x = 6, .y = 40, .w = 80, .h = 32, .caption = "启用本地网络", .flags = kOffWindow, .events = kEvClick},
    {.name = "按钮_禁用本地网络", .kind = ControlKind::Button, .parent = "分组框4", .x = 90, .y = 40, .w = 80, .h = 32, .caption = "禁用本地网络", .flags = kOffWindow, .events = kEvClick},

    {.name = "分组框8", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 1127, .y = 206, .w = 234, .h = 88, .caption = "", .flags = kOffWindow},
    {.name = "透明标签12", .kind = ControlKind::TransparentLabel, .parent = "分组框8", .x = 6, .y = 13, .w = 56, .h = 20, .caption = "定时连断：", .flags = kOffWindow},
    {.name = "选择框_定时连断", .kind = ControlKind::CheckBox, .parent = "分组框8", .x = 67, .y = 13, .w = 155, .h = 20, .caption = "定时自动断开再连接换ip", .flags = kOffWindow, .events = kEvClick},
    {.name = "透明标签13", .kind = ControlKind::TransparentLabel, .parent = "分组框8", .x = 6, .y = 37, .w = 56, .h = 20, .caption = "定时设置：", .flags = kOffWindow},
    {.name = "编辑框_连断时间秒", .kind = ControlKind::Edit, .parent = "分组框8", .x = 68, .y = 37, .w = 80, .h = 20, .caption = "60", .mode = InputMode::Integer, .flags = kOffWindow, .events = kEvLostFocus},
    {.name = "透明标签14", .kind = ControlKind::TransparentLabel, .parent = "分组框8", .x = 152, .y = 37, .w = 32, .h = 20, .caption = "秒/次", .flags = kOffWindow},
    {.name = "透明标签16", .kind = ControlKind::TransparentLabel, .parent = "分组框8", .x = 6, .y = 62, .w = 58, .h = 20, .caption = "连断次数：", .flags = kOffWindow},
    {.name = "编辑框_连断计次", .kind = ControlKind::Edit, .parent = "分组框8", .x = 68, .y = 62, .w = 80, .h = 20, .caption = "计次", .mode = InputMode::ReadOnly, .flags = kOffWindow},
    {.name = "透明标签15", .kind = ControlKind::TransparentLabel, .parent = "分组框8", .x = 152, .y = 62, .w = 26, .h = 20, .caption = "次", .flags = kOffWindow},

    {.name = "分组框10", .kind = ControlKind::GroupBox, .parent = nullptr, .x = 974, .y = 322, .w = 370, .h = 58, .caption = "", .flags = kOffWindow},
    {.name = "按钮_拨号问题汇总", .kind = ControlKind::Button, .parent = "分组框10", .x = 12, .y = 16, .w = 200, .h = 30, .caption = "常见问题 + 手机PPTP设置图文教程", .flags = kOffWindow, .events = kEvClick},
    {.name = "按钮_模拟器使用咨询", .kind = ControlKind::Button, .parent = "分组框10", .x = 222, .y = 16, .w = 136, .h = 30, .caption = "模拟器 + 手机使用咨询", .flags = kOffWindow, .events = kEvClick},

    {.name = "按钮_记住所有配置", .kind = ControlKind::Button, .parent = nullptr, .x = 1123, .y = 387, .w = 96, .h = 40, .caption = "保存配置", .flags = kOffWindow, .events = kEvClick},
    {.name = "选择框_热键", .kind = ControlKind::CheckBox, .parent = nullptr, .x = 1000, .y = 432, .w = 284, .h = 24, .caption = "热键F1是断开再连接快捷键，勾选上即启用热键!", .flags = kOffWindow},
    // Receives the F1 hotkey as its click.
    {.name = "标签_热键标签", .kind = ControlKind::Label, .parent = nullptr, .x = 1016, .y = 8, .w = 88, .h = 24, .caption = "热键标签", .flags = kOffWindow, .events = kEvClick},
};

constexpr TipDef kTips[] = {
    {nullptr, tips::kWindow},
    {"编辑框_用户名", tips::kUser},
    {"编辑框_密码", tips::kPassword},
    {"单选框_PPTP", tips::kPptp},
    {"单选框_L2TP", tips::kL2tp},
    {"单选框_SSTP", tips::kSstp},
    {"选择框_定时连断", tips::kTimedReconnect},
    {"编辑框_连断时间秒", tips::kReconnectSeconds},
    {"编辑框_连断计次", tips::kReconnectCount},
    {"按钮_连接", tips::kConnect},
    {"按钮_断开", tips::kDisconnect},
    {"按钮_拨号问题汇总", tips::kDialHelp},
    {"按钮_启用本地网络", tips::kEnableNetwork},
    {"按钮_禁用本地网络", tips::kDisableNetwork},
    {"选择框_掉线音效", tips::kAlarm},
    {"选择框_是否断网", tips::kCutNetwork},
    {"编辑框_监控时间秒", tips::kMonitorSeconds},
    {"编辑框_监控计次", tips::kMonitorCount},
    {"按钮_测试", tips::kDropTest},
    {"按钮_修复故障", tips::kRepair},
    {"选择框_记录每次连接ip", tips::kRecordIp},
    {"按钮_查询当前ip", tips::kQueryIp},
    {"按钮_记住所有配置", tips::kSaveSettings},
    {"选择框_服务器列表拨号", tips::kCycleList},
    {"编辑框_列表结果显示", tips::kResults},
    {"按钮_保存结果", tips::kSaveResults},
    {"按钮_清空结果", tips::kClearResults},
    {"编辑框_搜索输入", tips::kSearchInput},
    {"按钮_搜索", tips::kSearch},
    {"按钮_刷新服务器列表", tips::kRefreshList},
    {"超级列表框_线路超级列表1", tips::kServerList},
    {"超级列表框_线路超级列表2", tips::kServerList},
    {"选择框_启动过滤重复ip", tips::kDuplicateFilter},
    {"标签_用户过期时间查询", tips::kExpiryQuery},
    {"选择框_IE缓存和cookie", tips::kBrowserCache},
    {"选择框_掉线重拨", tips::kRedial},
    {"单选框_四组", tips::kFourGroups},
    {"单选框_分析IP前三组", tips::kThreeGroups},
    {"按钮_模拟器使用咨询", tips::kEmulatorHelp},
    {"选择框_连接成功系统托盘", tips::kTrayAfterConnect},
    {"选择框_总在最前", tips::kTopMost},
    {"按钮_高级设置", tips::kAdvanced},
};

constexpr MenuItemDef kMainMenu[] = {
    {"自助订购-即时到账", kActTopUp},
    {"高级设置", kActAdvanced},
    {"客服QQ" RV_DYNAMIC_SUPPORT, kActContactSupport},
    {"用前需看", kActDisclaimerBefore},
    {"最新版本查询及下载", kActVersionCheck},
    {"退出", kActExit},
};
constexpr MenuItemDef kHowToMenu[] = {{"使用介绍", kActUsage}};
constexpr MenuItemDef kVideoMenu[] = {{"下载地址", kActDownloadAddress}};
constexpr MenuItemDef kDisclaimerMenu[] = {{"用前必看", kActDisclaimerMust}};
constexpr MenuItemDef kContactMenu[] = {
    {"联系QQ" RV_DYNAMIC_SUPPORT, kActContactSupport},
    {"联系微信" RV_MESSENGER_ID, kActMessenger},
};
constexpr MenuItemDef kOrderMenu[] = {
    {"自助开通续费", kActTopUp},
    {"优惠订购动态客服QQ" RV_DYNAMIC_SUPPORT, kActContactSupport},
    {"支持软件功能定制服务", kActContactSupport},
};
constexpr MenuItemDef kTrayItems[] = {
    {"回到主界面", kActRestoreFromTray},
    {"联系客服QQ", kActContactSupport},
    {"关闭软件", kActExit},
};
constexpr MenuItemDef kMenuBar[] = {
    {"菜 单", nullptr, kMainMenu},
    {"操作说明", nullptr, kHowToMenu},
    {"视频教程下载", nullptr, kVideoMenu},
    {"免责声明", nullptr, kDisclaimerMenu},
    {"联系客服", nullptr, kContactMenu},
    {"自助订购-自动开通", nullptr, kOrderMenu},
    {kTrayMenu, nullptr, kTrayItems, true},
};

}  // namespace

const WindowDef kDynamicLineWindow = {
    .name = "DynamicLineWindow",
    .title = "Rovanta软件V7.8（VIP专属客服QQ" RV_DYNAMIC_SUPPORT "）",
    .width = 885,
    .height = 540,
    .designedVisible = true,
    .events = kEvCreated | kEvAboutToBeDestroyed | kEvPositionChanged | kEvTray,
    .controls = kControls,
    .tips = kTips,
    .menu = kMenuBar,
};

}  // namespace rv
