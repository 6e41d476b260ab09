// The seven windows as the program declares them, compared with the expected
// layout written out below control by control: every window, every control
// (no more, no fewer), its kind, group, geometry, caption or initial content,
// input mode, initial state, colours and events, and every tooltip.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/form.h"
#include "ui/form_defs.h"
#include "ui/tips.h"

namespace rv {
namespace {

using K = ControlKind;
using M = InputMode;
constexpr int kAny = -1;  // geometry the layout leaves to the program

constexpr uint32_t kClick = kEvClick;
constexpr uint32_t kLeave = kEvLostFocus;
constexpr uint32_t kRows = kEvRowChanged | kEvRowDoubleClicked;

struct ExpectedWindow {
  const char* name;
  const char* title;
  int width, height;
  bool visible;
  uint32_t events;
};

const ExpectedWindow kWindows[] = {
    {"StaticLineWindow", "Tavrik(多功能高级版)V7.8", 472, 578, false, kEvCreated | kEvAboutToBeDestroyed},
    {"DialErrorHelpWindow", "拨号错误问题汇总+手机设置图文教程", 380, 250, true, kEvCreated},
    {"StaticPictureHelpWindow", "图文解答中心-请拉动【滚动条】查看", 892, 593, true, kEvCreated},
    {"DynamicLineWindow", "Rovanta软件V7.8（VIP专属客服QQ80067890）", 885, 540, true,
     kEvCreated | kEvAboutToBeDestroyed | kEvPositionChanged | kEvTray},
    {"TopUpWindow", "自助开通/充值续费-24小时自动服务即时到账", 1190, 670, true, kEvCreated},
    {"DynamicPictureHelpWindow", "图文解答中心-请拉动【滚动条】查看", 892, 593, true, kEvCreated},
    {"AdvancedSettingsWindow", "高级设置", 570, 325, true, kEvCreated},
};

struct ExpectedControl {
  const char* window;
  const char* name;
  ControlKind kind;
  const char* parent;
  int x, y, w, h;
  const char* caption;
  InputMode mode = M::Normal;
  uint32_t flags = 0;  // kChecked, kHidden, kMultiline, kScrollBars, kOffWindow
  uint32_t events = 0;
  uint32_t text = kNoColor;
  uint32_t back = kNoColor;
};

constexpr const char* S = "StaticLineWindow";
constexpr const char* D = "DynamicLineWindow";
constexpr const char* A = "AdvancedSettingsWindow";
constexpr const char* E = "DialErrorHelpWindow";
constexpr const char* T = "TopUpWindow";
constexpr uint32_t kOff = kOffWindow;
constexpr uint32_t kLog = kMultiline | kScrollBars;

const ExpectedControl kControls[] = {
    // StaticLineWindow
    {S, "分组框1", K::GroupBox, nullptr, 6, 2, 270, 134, ""},
    {S, "透明标签5", K::TransparentLabel, "分组框1", 12, 23, 65, 25, "服务器地址："},
    {S, "编辑框_服务器地址", K::Edit, "分组框1", 83, 22, 150, 30, ""},
    {S, "透明标签8", K::TransparentLabel, "分组框1", 30, 61, 40, 25, "用户名："},
    {S, "编辑框_用户名", K::Edit, "分组框1", 83, 59, 150, 30, ""},
    {S, "透明标签9", K::TransparentLabel, "分组框1", 30, 98, 40, 25, "密  码："},
    {S, "编辑框_密码", K::Edit, "分组框1", 83, 96, 150, 30, "", M::Password},
    {S, "分组框3", K::GroupBox, nullptr, 6, 136, 270, 38, ""},
    {S, "透明标签19", K::TransparentLabel, "分组框3", 27, 12, 56, 18, "协议选择："},
    {S, "单选框_PPTP", K::Radio, "分组框3", 91, 10, 48, 24, "PPTP", M::Normal, kChecked},
    {S, "单选框_L2TP", K::Radio, "分组框3", 143, 10, 48, 24, "L2TP"},
    {S, "单选框_SSTP", K::Radio, "分组框3", 197, 10, 48, 24, "SSTP"},
    {S, "分组框8", K::GroupBox, nullptr, 6, 174, 270, 88, ""},
    {S, "透明标签12", K::TransparentLabel, "分组框8", 42, 13, 56, 20, "定时连断："},
    {S, "选择框_定时连断", K::CheckBox, "分组框8", 103, 13, 132, 20, "自动定时断开再连接", M::Normal, 0, kClick},
    {S, "透明标签13", K::TransparentLabel, "分组框8", 42, 37, 56, 20, "定时设置："},
    {S, "编辑框_连断时间秒", K::Edit, "分组框8", 104, 37, 80, 20, "30", M::Integer, 0, kLeave, kRed},
    {S, "透明标签14", K::TransparentLabel, "分组框8", 188, 37, 32, 20, "秒/次"},
    {S, "透明标签16", K::TransparentLabel, "分组框8", 42, 61, 58, 20, "连断次数："},
    {S, "编辑框_连断计次", K::Edit, "分组框8", 104, 62, 80, 20, "计次", M::ReadOnly, 0, 0, kCyan, kGrey},
    {S, "透明标签15", K::TransparentLabel, "分组框8", 190, 61, 26, 20, "次"},
    {S, "分组框2", K::GroupBox, nullptr, 6, 263, 270, 64, ""},
    {S, "按钮_连接", K::Button, "分组框2", 33, 14, 80, 40, "启动连接", M::Normal, 0, kClick},
    {S, "按钮_断开", K::Button, "分组框2", 153, 14, 80, 40, "断 开", M::Normal, 0, kClick},
    {S, "分组框7", K::GroupBox, nullptr, 6, 327, 270, 174, ""},
    {S, "编辑框_列表结果显示", K::Edit, "分组框7", 10, 15, 250, 119,
     " 【严禁非法用途，所有使用后果自负！】\r\n【优惠订购静动态IP，QQ客服80012345】\r\n", M::Normal, kLog, 0, kNoColor, kLightGrey},
    {S, "按钮_保存结果", K::Button, "分组框7", 43, 141, 66, 26, "保存结果", M::Normal, 0, kClick},
    {S, "按钮_清空结果", K::Button, "分组框7", 162, 141, 66, 26, "清空结果", M::Normal, 0, kClick},
    {S, "分组框4", K::GroupBox, nullptr, 282, 2, 176, 62, ""},
    {S, "按钮_启用本地网络", K::Button, "分组框4", 6, 17, 80, 32, "启用本地网络", M::Normal, 0, kClick},
    {S, "按钮_禁用本地网络", K::Button, "分组框4", 90, 17, 80, 32, "禁用本地网络", M::Normal, 0, kClick},
    {S, "分组框5", K::GroupBox, nullptr, 282, 66, 176, 238, ""},
    {S, "透明标签20", K::TransparentLabel, "分组框5", 13, 14, 56, 18, "换ip清除："},
    {S, "选择框_IE缓存和cookie", K::CheckBox, "分组框5", 74, 10, 87, 25, "IE缓存\r\n和cookie"},
    {S, "透明标签7", K::TransparentLabel, "分组框5", 13, 41, 56, 18, "是否重拨："},
    {S, "选择框_掉线重拨", K::CheckBox, "分组框5", 74, 42, 77, 18, "掉线重拨", M::Normal, 0, kClick},
    {S, "透明标签10", K::TransparentLabel, "分组框5", 13, 68, 56, 18, "监控音效："},
    {S, "选择框_掉线音效", K::CheckBox, "分组框5", 74, 68, 77, 18, "掉线音效", M::Normal, 0, kClick | kEvLeftButtonDown},
    {S, "透明标签11", K::TransparentLabel, "分组框5", 12, 95, 56, 18, "是否断网："},
    {S, "选择框_是否断网", K::CheckBox, "分组框5", 75, 96, 68, 18, "掉线断网", M::Normal, 0, kClick},
    {S, "透明标签1", K::TransparentLabel, "分组框5", 12, 122, 56, 20, "监控频率："},
    {S, "编辑框_监控时间秒", K::Edit, "分组框5", 74, 122, 56, 20, "0.5", M::Decimal, 0, kLeave, kRed},
    {S, "透明标签2", K::TransparentLabel, "分组框5", 134, 122, 32, 20, "秒/次"},
    {S, "透明标签3", K::TransparentLabel, "分组框5", 12, 148, 58, 20, "监控次数："},
    {S, "编辑框_监控计次", K::Edit, "分组框5", 74, 149, 56, 20, "计次", M::ReadOnly, 0, 0, kCyan, kGrey},
    {S, "透明标签4", K::TransparentLabel, "分组框5", 136, 148, 26, 20, "次"},
    {S, "分组框6", K::GroupBox, "分组框5", 11, 174, 155, 49, ""},
    {S, "按钮_测试", K::Button, "分组框6", 7, 14, 60, 26, "测试掉线", M::Normal, 0, kClick},
    {S, "按钮_修复故障", K::Button, "分组框6", 87, 14, 60, 26, "修复故障", M::Normal, 0, kClick},
    {S, "分组框9", K::GroupBox, nullptr, 282, 307, 176, 96, ""},
    {S, "选择框_记录每次连接ip", K::CheckBox, "分组框9", 14, 21, 128, 20, "记录每次换ip是多少"},
    {S, "按钮_查询当前ip", K::Button, "分组框9", 8, 51, 70, 26, "查询当前ip", M::Normal, 0, kClick},
    {S, "按钮_更多功能定制", K::Button, "分组框9", 86, 51, 80, 26, "更多功能定制", M::Normal, 0, kClick},
    {S, "分组框10", K::GroupBox, nullptr, 282, 405, 176, 95, ""},
    {S, "按钮_拨号问题汇总", K::Button, "分组框10", 14, 21, 150, 55, "常见无法连接问题汇总 +\r\n\r\n手机PPTP、L2TP图文教程", M::Normal, 0, kClick},
    {S, "状态条1", K::StatusBar, nullptr, kAny, kAny, kAny, kAny, ""},
    {S, "编辑框_接收信息", K::Edit, nullptr, 53, 511, 411, 20, "", M::Normal, 0, 0, kNoColor, kLightGrey},
    {S, "气球提示框1", K::Balloon, nullptr, kAny, kAny, kAny, kAny, ""},

    // DynamicLineWindow, visible part
    {D, "图片框1", K::PictureBox, nullptr, 5, 4, 870, 90, ""},
    {D, "分组框1", K::GroupBox, nullptr, 6, 96, 270, 90, ""},
    {D, "透明标签8", K::TransparentLabel, "分组框1", 30, 17, 40, 25, "用户名："},
    {D, "编辑框_用户名", K::Edit, "分组框1", 83, 15, 150, 30, ""},
    {D, "透明标签9", K::TransparentLabel, "分组框1", 30, 54, 40, 25, "密  码："},
    {D, "编辑框_密码", K::Edit, "分组框1", 83, 52, 150, 30, "", M::Password},
    {D, "分组框3", K::GroupBox, nullptr, 6, 186, 270, 38, ""},
    {D, "透明标签19", K::TransparentLabel, "分组框3", 20, 12, 56, 18, "协议选择："},
    {D, "单选框_PPTP", K::Radio, "分组框3", 86, 10, 48, 24, "PPTP"},
    {D, "单选框_L2TP", K::Radio, "分组框3", 144, 10, 48, 24, "L2TP", M::Normal, kChecked},
    {D, "单选框_SSTP", K::Radio, "分组框3", 200, 10, 48, 24, "SSTP"},
    {D, "分组框2", K::GroupBox, nullptr, 6, 224, 270, 64, ""},
    {D, "按钮_连接", K::Button, "分组框2", 36, 14, 80, 40, "启动连接", M::Normal, 0, kClick},
    {D, "按钮_断开", K::Button, "分组框2", 163, 14, 70, 40, "断 开", M::Normal, 0, kClick},
    {D, "分组框7", K::GroupBox, nullptr, 6, 288, 270, 174, ""},
    {D, "编辑框_列表结果显示", K::Edit, "分组框7", 10, 15, 250, 119,
     " 【严禁非法用途，所有使用后果自负！】\r\n 【千万动态ip国内高速稳定安全服务器】", M::Normal, kLog, 0, kNoColor, kLightGrey},
    {D, "按钮_保存结果", K::Button, "分组框7", 39, 141, 66, 26, "保存结果", M::Normal, 0, kClick},
    {D, "按钮_清空结果", K::Button, "分组框7", 168, 140, 66, 26, "清空结果", M::Normal, 0, kClick},
    {D, "分组框12", K::GroupBox, nullptr, 280, 96, 370, 366, ""},
    {D, "透明标签5", K::TransparentLabel, "分组框12", 13, 18, 55, 25, "地区搜索："},
    {D, "编辑框_搜索输入", K::Edit, "分组框12", 75, 14, 129, 32, "", M::Normal, 0, kEvContentChanged},
    {D, "按钮_搜索", K::Button, "分组框12", 212, 14, 48, 32, "搜索", M::Normal, 0, kClick},
    {D, "按钮_刷新服务器列表", K::Button, "分组框12", 276, 14, 70, 32, "刷新列表", M::Normal, 0, kClick},
    {D, "超级列表框_线路超级列表1", K::ListView, "分组框12", 9, 58, 350, 300, "", M::Normal, 0, kRows},
    {D, "超级列表框_线路超级列表2", K::ListView, "分组框12", 9, 58, 350, 300, "", M::Normal, kHidden, kRows},
    {D, "分组框11", K::GroupBox, nullptr, 656, 96, 216, 145, ""},
    {D, "透明标签17", K::TransparentLabel, "分组框11", 45, 12, 136, 20, "点击查询账户过期时间："},
    {D, "标签_用户过期时间查询", K::Label, "分组框11", 23, 34, 170, 20, "点击查询", M::Normal, 0, kEvLeftButtonDown},
    {D, "选择框_掉线重拨", K::CheckBox, "分组框11", 29, 61, 136, 18, "如果掉线就自动重连", M::Normal, kChecked, kClick},
    {D, "选择框_连接成功系统托盘", K::CheckBox, "分组框11", 29, 82, 168, 18, "连接成功自动缩小系统托盘", M::Normal, 0, kClick},
    {D, "按钮_查询当前ip", K::Button, "分组框11", 24, 103, 70, 35, "查询当前ip", M::Normal, 0, kClick},
    {D, "按钮_高级设置", K::Button, "分组框11", 114, 103, 80, 35, "高级设置", M::Normal, 0, kClick},
    {D, "分组框13", K::GroupBox, nullptr, 656, 245, 216, 215, ""},
    {D, "互联网浏览器1", K::WebBrowser, "分组框13", 7, 14, 200, 192, ""},
    {D, "标签1", K::Label, "分组框13", 16, 59, 182, 88,
     "\r\n【VIP专属客服QQ：80067890】\r\n\r\n【如有问题，请咨询留言给客服】\r\n\r\n【点击菜单--联系客服 可直达】"},
    {D, "编辑框_接收信息", K::Edit, nullptr, 54, 474, 811, 20, "", M::Normal, 0, 0, kNoColor, kLightGrey},
    {D, "状态条1", K::StatusBar, nullptr, kAny, kAny, kAny, kAny, ""},
    {D, "气球提示框1", K::Balloon, nullptr, kAny, kAny, kAny, kAny, ""},
    // DynamicLineWindow, off-window option state
    {D, "分组框14", K::GroupBox, nullptr, 936, 48, 368, 64, "", M::Normal, kOff},
    {D, "选择框_服务器列表拨号", K::CheckBox, "分组框14", 14, 13, 132, 18, "服务器列表循环拨号", M::Normal, kOff, kClick},
    {D, "透明标签18", K::TransparentLabel, "分组框14", 187, 13, 66, 18, "过滤重复IP：", M::Normal, kOff},
    {D, "选择框_启动过滤重复ip", K::CheckBox, "分组框14", 259, 13, 75, 18, "启动过滤", M::Normal, kOff, kClick},
    {D, "选择框_记录每次连接ip", K::CheckBox, "分组框14", 15, 32, 128, 20, "记录每次换ip是多少", M::Normal, kOff | kChecked},
    {D, "单选框_四组", K::Radio, "分组框14", 187, 34, 70, 24, "分析四段", M::Normal, kOff | kChecked},
    {D, "单选框_分析IP前三组", K::Radio, "分组框14", 259, 34, 95, 24, "分析IP前三段", M::Normal, kOff},
    {D, "分组框5", K::GroupBox, nullptr, 943, 114, 176, 198, "", M::Normal, kOff},
    {D, "透明标签20", K::TransparentLabel, "分组框5", kAny, kAny, kAny, kAny, "换ip清除：", M::Normal, kOff},
    {D, "选择框_IE缓存和cookie", K::CheckBox, "分组框5", 74, 12, 87, 25, "IE缓存\r\n和cookie", M::Normal, kOff},
    {D, "透明标签10", K::TransparentLabel, "分组框5", kAny, kAny, kAny, kAny, "监控音效：", M::Normal, kOff},
    {D, "选择框_掉线音效", K::CheckBox, "分组框5", 74, 42, 77, 18, "掉线音效", M::Normal, kOff, kClick | kEvLeftButtonDown},
    {D, "透明标签11", K::TransparentLabel, "分组框5", kAny, kAny, kAny, kAny, "是否断网：", M::Normal, kOff},
    {D, "选择框_是否断网", K::CheckBox, "分组框5", 75, 68, 68, 18, "掉线断网", M::Normal, kOff, kClick},
    {D, "透明标签1", K::TransparentLabel, "分组框5", kAny, kAny, kAny, kAny, "监控频率：", M::Normal, kOff},
    {D, "编辑框_监控时间秒", K::Edit, "分组框5", 74, 94, 56, 20, "2", M::Decimal, kOff, kLeave},
    {D, "透明标签2", K::TransparentLabel, "分组框5", kAny, kAny, kAny, kAny, "秒/次", M::Normal, kOff},
    {D, "透明标签3", K::TransparentLabel, "分组框5", kAny, kAny, kAny, kAny, "监控次数：", M::Normal, kOff},
    {D, "编辑框_监控计次", K::Edit, "分组框5", 74, 121, 56, 20, "计次", M::ReadOnly, kOff},
    {D, "透明标签4", K::TransparentLabel, "分组框5", kAny, kAny, kAny, kAny, "次", M::Normal, kOff},
    {D, "分组框6", K::GroupBox, "分组框5", kAny, kAny, kAny, kAny, "", M::Normal, kOff},
    {D, "按钮_测试", K::Button, "分组框6", 7, 14, 60, 26, "测试掉线", M::Normal, kOff, kClick},
    {D, "按钮_修复故障", K::Button, "分组框6", 87, 14, 60, 26, "修复故障", M::Normal, kOff, kClick},
    {D, "分组框4", K::GroupBox, nullptr, 1127, 120, 176, 80, "", M::Normal, kOff},
    {D, "选择框_总在最前", K::CheckBox, "分组框4", 16, 13, 96, 20, "窗口总在最前", M::Normal, kOff, kClick},
    {D, "按钮_启用本地网络", K::Button, "分组框4", 6, 40, 80, 32, "启用本地网络", M::Normal, kOff, kClick},
    {D, "按钮_禁用本地网络", K::Button, "分组框4", 90, 40, 80, 32, "禁用本地网络", M::Normal, kOff, kClick},
    {D, "分组框8", K::GroupBox, nullptr, 1127, 206, 234, 88, "", M::Normal, kOff},
    {D, "透明标签12", K::TransparentLabel, "分组框8", kAny, kAny, kAny, kAny, "定时连断：", M::Normal, kOff},
    {D, "选择框_定时连断", K::CheckBox, "分组框8", 67, 13, 155, 20, "定时自动断开再连接换ip", M::Normal, kOff, kClick},
    {D, "透明标签13", K::TransparentLabel, "分组框8", kAny, kAny, kAny, kAny, "定时设置：", M::Normal, kOff},
    {D, "编辑框_连断时间秒", K::Edit, "分组框8", 68, 37, 80, 20, "60", M::Integer, kOff, kLeave},
    {D, "透明标签14", K::TransparentLabel, "分组框8", kAny, kAny, kAny, kAny, "秒/次", M::Normal, kOff},
    {D, "透明标签16", K::TransparentLabel, "分组框8", kAny, kAny, kAny, kAny, "连断次数：", M::Normal, kOff},
    {D, "编辑框_连断计次", K::Edit, "分组框8", 68, 62, 80, 20, "计次", M::ReadOnly, kOff},
    {D, "透明标签15", K::TransparentLabel, "分组框8", kAny, kAny, kAny, kAny, "次", M::Normal, kOff},
    {D, "分组框10", K::GroupBox, nullptr, 974, 322, 370, 58, "", M::Normal, kOff},
    {D, "按钮_拨号问题汇总", K::Button, "分组框10", 12, 16, 200, 30, "常见问题 + 手机PPTP设置图文教程", M::Normal, kOff, kClick},
    {D, "按钮_模拟器使用咨询", K::Button, "分组框10", 222, 16, 136, 30, "模拟器 + 手机使用咨询", M::Normal, kOff, kClick},
    {D, "按钮_记住所有配置", K::Button, nullptr, 1123, 387, 96, 40, "保存配置", M::Normal, kOff, kClick},
    {D, "选择框_热键", K::CheckBox, nullptr, 1000, 432, 284, 24, "热键F1是断开再连接快捷键，勾选上即启用热键!", M::Normal, kOff},
    {D, "标签_热键标签", K::Label, nullptr, 1016, 8, 88, 24, "热键标签", M::Normal, kOff, kClick},

    // AdvancedSettingsWindow
    {A, "分组框10", K::GroupBox, nullptr, 6, 8, 370, 58, ""},
    {A, "按钮_拨号问题汇总", K::Button, "分组框10", 12, 16, 200, 30, "常见问题 + 手机PPTP设置图文教程", M::Normal, 0, kClick},
    {A, "按钮_模拟器使用咨询", K::Button, "分组框10", 222, 16, 136, 30, "模拟器 + 手机使用咨询", M::Normal, 0, kClick},
    {A, "分组框4", K::GroupBox, nullptr, 380, 8, 176, 58, ""},
    {A, "按钮_启用本地网络", K::Button, "分组框4", 6, 17, 80, 32, "启用本地网络", M::Normal, 0, kClick},
    {A, "按钮_禁用本地网络", K::Button, "分组框4", 90, 17, 80, 32, "禁用本地网络", M::Normal, 0, kClick},
    {A, "分组框14", K::GroupBox, nullptr, 8, 71, 368, 64, ""},
    {A, "选择框_服务器列表拨号", K::CheckBox, "分组框14", 14, 13, 132, 18, "服务器列表循环拨号", M::Normal, 0, kClick},
    {A, "透明标签18", K::TransparentLabel, "分组框14", 187, 13, 66, 18, "过滤重复IP："},
    {A, "选择框_启动过滤重复ip", K::CheckBox, "分组框14", 259, 13, 75, 18, "启动过滤", M::Normal, 0, kClick},
    {A, "选择框_记录每次连接ip", K::CheckBox, "分组框14", 15, 32, 128, 20, "记录每次换ip是多少", M::Normal, kChecked},
    {A, "单选框_四组", K::Radio, "分组框14", 187, 34, 70, 24, "分析四段", M::Normal, kChecked},
    {A, "单选框_分析IP前三组", K::Radio, "分组框14", 259, 34, 95, 24, "分析IP前三段"},
    {A, "分组框5", K::GroupBox, nullptr, 380, 71, 176, 137, ""},
    {A, "透明标签20", K::TransparentLabel, "分组框5", kAny, kAny, kAny, kAny, "换ip清除："},
    {A, "选择框_IE缓存和cookie", K::CheckBox, "分组框5", 74, 15, 87, 25, "IE缓存\r\n和cookie"},
    {A, "透明标签10", K::TransparentLabel, "分组框5", kAny, kAny, kAny, kAny, "监控音效："},
    {A, "选择框_掉线音效", K::CheckBox, "分组框5", 74, 45, 77, 18, "掉线音效", M::Normal, 0, kClick},
    {A, "透明标签11", K::TransparentLabel, "分组框5", kAny, kAny, kAny, kAny, "是否断网："},
    {A, "选择框_是否断网", K::CheckBox, "分组框5", 75, 71, 68, 18, "掉线断网", M::Normal, 0, kClick},
    {A, "透明标签1", K::TransparentLabel, "分组框5", kAny, kAny, kAny, kAny, "监控频率："},
    {A, "编辑框_监控时间秒", K::Edit, "分组框5", 74, 97, 56, 20, "2", M::Decimal},
    {A, "透明标签2", K::TransparentLabel, "分组框5", kAny, kAny, kAny, kAny, "秒/次"},
    {A, "分组框8", K::GroupBox, nullptr, 9, 137, 230, 71, ""},
    {A, "透明标签12", K::TransparentLabel, "分组框8", kAny, kAny, kAny, kAny, "定时连断："},
    {A, "选择框_定时连断", K::CheckBox, "分组框8", 67, 13, 155, 20, "定时自动断开再连接换ip", M::Normal, 0, kClick},
    {A, "透明标签13", K::TransparentLabel, "分组框8", kAny, kAny, kAny, kAny, "定时设置："},
    {A, "编辑框_连断时间秒", K::Edit, "分组框8", 68, 37, 80, 20, "60", M::Integer},
    {A, "透明标签14", K::TransparentLabel, "分组框8", kAny, kAny, kAny, kAny, "秒/次"},
    {A, "分组框6", K::GroupBox, nullptr, 241, 137, 135, 71, ""},
    {A, "选择框_总在最前", K::CheckBox, "分组框6", 19, 12, 96, 20, "窗口总在最前", M::Normal, 0, kClick},
    {A, "按钮_测试", K::Button, "分组框6", 6, 37, 60, 26, "测试掉线", M::Normal, 0, kClick},
    {A, "按钮_修复故障", K::Button, "分组框6", 68, 37, 60, 26, "修复故障", M::Normal, 0, kClick},
    {A, "选择框_热键", K::CheckBox, nullptr, 141, 214, 284, 24, "热键F1是断开再连接快捷键，勾选上即启用热键!", M::Normal, 0, kClick},
    {A, "按钮_记住所有配置", K::Button, nullptr, 234, 244, 96, 40, "保存配置", M::Normal, 0, kClick},
    {A, "气球提示框1", K::Balloon, nullptr, kAny, kAny, kAny, kAny, ""},

    // DialErrorHelpWindow
    {E, "分组框1", K::GroupBox, nullptr, 7, 7, 360, 105, ""},
    {E, "透明标签1", K::TransparentLabel, "分组框1", kAny, kAny, kAny, kAny, "常见问题\r\n\r\n解决方案："},
    {E, "按钮_错误691", K::Button, "分组框1", 114, 14, 66, 35, "错误691", M::Normal, 0, kClick},
    {E, "按钮_错误756", K::Button, "分组框1", 196, 14, 66, 35, "错误756", M::Normal, 0, kClick},
    {E, "按钮_错误806", K::Button, "分组框1", 276, 14, 66, 35, "错误806", M::Normal, 0, kClick},
    {E, "按钮_错误总代码", K::Button, "分组框1", 17, 60, 200, 35, "错误628、720、633、619、721", M::Normal, 0, kClick},
    {E, "按钮_无法连接", K::Button, "分组框1", 226, 60, 116, 35, "怎么都无法连接", M::Normal, 0, kClick},
    {E, "分组框2", K::GroupBox, nullptr, 7, 112, 360, 104, ""},
    {E, "透明标签2", K::TransparentLabel, "分组框2", kAny, kAny, kAny, kAny, "手机设置\r\n\r\n图文教程："},
    {E, "按钮_安卓手机PPTP", K::Button, "分组框2", 114, 16, 100, 35, "安卓手机PPTP", M::Normal, 0, kClick},
    {E, "按钮_苹果手机PPTP", K::Button, "分组框2", 230, 16, 100, 35, "苹果手机PPTP", M::Normal, 0, kClick},
    {E, "按钮_安卓手机L2TP", K::Button, "分组框2", 114, 60, 100, 35, "安卓手机L2TP", M::Normal, 0, kClick},
    {E, "按钮_苹果手机L2TP", K::Button, "分组框2", 230, 60, 100, 35, "苹果手机L2TP", M::Normal, 0, kClick},

    // The two picture windows
    {"StaticPictureHelpWindow", "图片框1", K::PictureBox, nullptr, 26, 16, 835, 5900, ""},
    {"StaticPictureHelpWindow", "纵向滚动条1", K::VScrollBar, nullptr, 863, 16, 24, 536, "", M::Normal, 0, kEvScrollChanged},
    {"DynamicPictureHelpWindow", "图片框1", K::PictureBox, nullptr, 26, 16, 835, 5900, ""},
    {"DynamicPictureHelpWindow", "纵向滚动条1", K::VScrollBar, nullptr, 863, 16, 24, 536, "", M::Normal, 0, kEvScrollChanged},

    // TopUpWindow
    {T, "分组框1", K::GroupBox, nullptr, 4, 4, 1176, 590, ""},
    {T, "互联网浏览器1", K::WebBrowser, "分组框1", 7, 13, 1160, 568, ""},
    {T, "标签1", K::Label, "分组框1", 60, 108, 1056, 112,
     "\r\n自助开通/充值页面加载失败，请直接联系客服QQ：80067890充值/续费，谢谢支持！\r\n\r\n如果只想自助充值的，可以稍后再打开自助充值页面试试！"},
    {T, "状态条1", K::StatusBar, nullptr, kAny, kAny, kAny, kAny, ""},
};

struct ExpectedTip {
  const char* window;
  const char* control;  // nullptr: the window itself
  const char* text;
};

const ExpectedTip kTips[] = {
    {D, nullptr, "哪里不懂，鼠标就停留在哪里，有提示说明哦"},
    {D, "编辑框_用户名", "这里填拨号验证的用户名，请不要填错"},
    {D, "编辑框_密码", "这里填拨号验证的密码，请不要填错"},
    {D, "单选框_PPTP", "PPTP适合大部分网络拨号，网速快，连接不上的【请换用L2TP再连接】！"},
    {D, "单选框_L2TP", "L2TP适合教育网公司网等难连接的网络使用，用于解决难用的网络拨号，网速不如PPTP"},
    {D, "单选框_SSTP", "SSTP适合各种奇葩网络和系统，PPTP和L2TP都连接不上时请换用SSTP协议"},
    {D, "选择框_定时连断", "勾选则启用循环定时断开再连接功能！"},
    {D, "编辑框_连断时间秒", "定时断开再连接间隔时间设置，建议填30秒以上，不能低于20秒！"},
    {D, "编辑框_连断计次", "定时断开再连接次数记录，只用于显示不可填改！"},
    {D, "按钮_连接", "填好信息，选好功能后，即可点击此按钮自动运行！"},
    {D, "按钮_断开", "【断开】用于停止一切运行中的命令并断开ip连接！"},
    {D, "按钮_拨号问题汇总", "各种常见的拨号错误或无法连接的解决方法！+ 安卓、苹果手机PPTP和L2TP详细的图文设置教程！"},
    {D, "按钮_启用本地网络", "启用本地所有网络通信！启用后请稍等20秒彻底恢复网络再使用"},
    {D, "按钮_禁用本地网络", "断开本地所有网络通信，禁用后，可以点击启用本地网络即可恢复！"},
    {D, "选择框_掉线音效", "勾选则启用掉线时声音响起！"},
    {D, "选择框_是否断网", "勾选则启用掉线时自动断开本地所有网络！注意：断网后，需要恢复的，请点击【启用本地网络】即可恢复"},
    {D, "编辑框_监控时间秒", "建议时间修改值不小于0.01秒，时间过小会占用本地硬件资源！"},
    {D, "编辑框_监控计次", "监控是否掉线时次数记录，只用于显示不可填改！！"},
    {D, "按钮_测试", "请一定要先【连接】连接成功后，再点击 【测试掉线】掉线，否则无效易出错！\r\n注：只想换ip的直接点击【断开】按钮，不要点击【测试掉线】！"},
    {D, "按钮_修复故障", "【修复故障】只适用于修复本软件连接故障，其它问题解决方法请点击【常见拨号错误无法连接问题汇总】！"},
    {D, "选择框_记录每次连接ip", "勾选则启用每次换ip时查询一次ip是多少并且记录在右边[结果显示框]中！"},
    {D, "按钮_查询当前ip", "查询一次当前电脑的ip是多少！"},
    {D, "按钮_记住所有配置", "生成ini文件并保存当前所有的信息和配置到本软件目录下，关了软件再打开会自动读取记住的信息和配置！"},
    {D, "选择框_服务器列表拨号", "勾选则启用循环拨号【动态城市服务器列表】中的服务器地址！自动跳过维护中的线路，无限来回循环从上到下顺序拨号哦！"},
    {D, "编辑框_列表结果显示", "这里不用填任何信息，\r\n用于显示运行结果！"},
    {D, "按钮_保存结果", "自动生成txt文件并保存[运行结果显示框]中的所有信息到本软件目录下！"},
    {D, "按钮_清空结果", "清空上面的[运行结果显示框]所有内容！"},
    {D, "编辑框_搜索输入", "输入要搜索的地区或诚市，例如输入浙江，全国，洛阳"},
    {D, "按钮_搜索", "输入地区自动搜索，你也可以多点击一次按钮搜索！"},
    {D, "按钮_刷新服务器列表", "刷新一下获取最新动态城市服务器列表信息！"},
    {D, "超级列表框_线路超级列表1", "点击选择你要的【动态城市线路】，然后 【启动连接】！"},
    {D, "超级列表框_线路超级列表2", "点击选择你要的【动态城市线路】，然后 【启动连接】！"},
    {D, "选择框_启动过滤重复ip", "勾选则启用查询当前连接的ip，如果与之前使用的ip相同，就会自动断开再连接换个新ip！"},
    {D, "标签_用户过期时间查询", "点击查询正式号到期时间！"},
    {D, "选择框_IE缓存和cookie", "勾选则每换一次ip都会自动清除一次IE缓存和Cookie！"},
    {D, "选择框_掉线重拨", "勾选则出现掉线时会自动重新帮您连接成功！"},
    {D, "单选框_四组", "勾选过滤重复ip并选中此项的，会自动分析整个ip是否与之前出现的ip重复，重复即重拨换ip！"},
    {D, "单选框_分析IP前三组", "勾选过滤重复ip并选中此项的，会自动分析IP前缀三段是否与之前出现的ip重复，重复即重拨换ip！"},
    {D, "按钮_模拟器使用咨询", "本产品全面支持各种奇葩网络，支持安卓模拟器SSTP使用，支持安卓苹果手机使用！"},
    {D, "选择框_连接成功系统托盘", "勾选则拨号连接成功后，本软件自动缩小成系统托盘！"},
    {D, "选择框_总在最前", "勾选此项，则本软件主窗口会自动总在最前！"},
    {D, "按钮_高级设置", "可以设置多种高级功能，包括自动定时换ip，掉线断网，过滤重复ip等功能！"},

    {A, nullptr, "哪里不懂，鼠标就停留在哪里，有提示说明哦"},
    {A, "选择框_定时连断", "勾选则启用循环定时断开再连接功能！"},
    {A, "编辑框_连断时间秒", "定时断开再连接间隔时间设置，建议填30秒以上，不能低于20秒！"},
    {A, "按钮_拨号问题汇总", "各种常见的拨号错误或无法连接的解决方法！+ 安卓、苹果手机PPTP和L2TP详细的图文设置教程！"},
    {A, "按钮_启用本地网络", "启用本地所有网络通信！启用后请稍等20秒彻底恢复网络再使用"},
    {A, "按钮_禁用本地网络", "断开本地所有网络通信，禁用后，可以点击启用本地网络即可恢复！"},
    {A, "选择框_掉线音效", "勾选则启用掉线时声音响起！"},
    {A, "选择框_是否断网", "勾选则启用掉线时自动断开本地所有网络！注意：断网后，需要恢复的，请点击【启用本地网络】即可恢复"},
    {A, "编辑框_监控时间秒", "建议时间修改值不小于0.01秒，时间过小会占用本地硬件资源！"},
    {A, "按钮_测试", "请一定要先【连接】连接成功后，再点击 【测试掉线】掉线，否则无效易出错！\r\n注：只想换ip的直接点击【断开】按钮，不要点击【测试掉线】！"},
    {A, "按钮_修复故障", "【修复故障】只适用于修复本软件连接故障，其它问题解决方法请点击【常见拨号错误无法连接问题汇总】！"},
    {A, "选择框_记录每次连接ip", "勾选则启用每次换ip时查询一次ip是多少并且记录在右边[结果显示框]中！"},
    {A, "按钮_记住所有配置", "生成ini文件并保存当前所有的信息和配置到本软件目录下，关了软件再打开会自动读取记住的信息和配置！"},
    {A, "选择框_服务器列表拨号", "勾选则启用循环拨号【动态城市服务器列表】中的服务器地址！自动跳过维护中的线路，无限来回循环从上到下顺序拨号哦！"},
    {A, "选择框_启动过滤重复ip", "勾选则启用查询当前连接的ip，如果与之前使用的ip相同，就会自动断开再连接换个新ip！"},
    {A, "选择框_IE缓存和cookie", "勾选则每换一次ip都会自动清除一次IE缓存和Cookie！"},
    {A, "单选框_四组", "勾选过滤重复ip并选中此项的，会自动分析整个ip是否与之前出现的ip重复，重复即重拨换ip！"},
    {A, "单选框_分析IP前三组", "勾选过滤重复ip并选中此项的，会自动分析IP前缀三段是否与之前出现的ip重复，重复即重拨换ip！"},
    {A, "按钮_模拟器使用咨询", "本产品全面支持各种奇葩网络，支持安卓模拟器SSTP使用，支持安卓苹果手机使用！"},
    {A, "选择框_总在最前", "勾选此项，则本软件主窗口会自动总在最前！"},
};

std::string Str(const char* s) { return s ? s : ""; }

TEST(WindowTables, EveryWindowHasItsTitleSizeVisibilityAndEvents) {
  ASSERT_EQ(AllWindowDefs().size(), std::size(kWindows));
  for (const ExpectedWindow& want : kWindows) {
    SCOPED_TRACE(want.name);
    const WindowDef* def = FindWindowDef(want.name);
    ASSERT_NE(def, nullptr);
    EXPECT_EQ(Str(def->title), want.title);
    EXPECT_EQ(def->width, want.width);
    EXPECT_EQ(def->height, want.height);
    EXPECT_EQ(def->designedVisible, want.visible);
    EXPECT_EQ(def->events, want.events);
  }
}

TEST(WindowTables, EveryControlMatchesTheLayout) {
  constexpr uint32_t kStateFlags = kChecked | kHidden | kMultiline | kScrollBars | kOffWindow;
  std::map<std::string, std::set<std::string>> expectedNames;
  for (const ExpectedControl& want : kControls) {
    SCOPED_TRACE(std::string(want.window) + " " + want.name);
    EXPECT_TRUE(expectedNames[want.window].insert(want.name).second) << "listed twice";
    const WindowDef* window = FindWindowDef(want.window);
    ASSERT_NE(window, nullptr);
    const ControlDef* def = nullptr;
    for (const ControlDef& c : window->controls)
      if (Str(c.name) == want.name) def = &c;
    ASSERT_NE(def, nullptr) << "missing";
    EXPECT_EQ(def->kind, want.kind);
    EXPECT_EQ(Str(def->parent), Str(want.parent));
    if (want.x != kAny) {
      EXPECT_EQ(def->x, want.x);
      EXPECT_EQ(def->y, want.y);
      EXPECT_EQ(def->w, want.w);
      EXPECT_EQ(def->h, want.h);
    }
    EXPECT_EQ(Str(def->caption), want.caption);
    EXPECT_EQ(def->mode, want.mode);
    EXPECT_EQ(def->flags & kStateFlags, want.flags);
    EXPECT_EQ(def->events, want.events);
    EXPECT_EQ(def->textColor, want.text);
    EXPECT_EQ(def->backColor, want.back);
  }
  // Nothing declared beyond the layout.
  for (const WindowDef* window : AllWindowDefs())
    for (const ControlDef& c : window->controls)
      EXPECT_TRUE(expectedNames[window->name].count(c.name)) << window->name << " declares " << c.name;
}

// Controls the layout places freely still sit inside their group box, and
// every declared parent is a group box of the same window.
TEST(WindowTables, ControlsLieInsideTheirGroupBoxes) {
  for (const WindowDef* window : AllWindowDefs()) {
    std::map<std::string, const ControlDef*> byName;
    for (const ControlDef& c : window->controls) byName[c.name] = &c;
    for (const ControlDef& c : window->controls) {
      if (!c.parent) continue;
      SCOPED_TRACE(std::string(window->name) + " " + c.name);
      ASSERT_TRUE(byName.count(c.parent));
      const ControlDef& group = *byName[c.parent];
      EXPECT_EQ(group.kind, ControlKind::GroupBox);
      EXPECT_GE(c.x, 0);
      EXPECT_GE(c.y, 0);
      EXPECT_LE(c.x + c.w, group.w);
      EXPECT_LE(c.y + c.h, group.h);
    }
  }
}

// A whole control is off-window exactly when it (or its outermost group box)
// starts at left 885 or beyond.
TEST(WindowTables, OffWindowControlsLieBeyondTheVisibleWidth) {
  const WindowDef& window = *FindWindowDef("DynamicLineWindow");
  std::map<std::string, const ControlDef*> byName;
  for (const ControlDef& c : window.controls) byName[c.name] = &c;
  for (const ControlDef& c : window.controls) {
    const ControlDef* top = &c;
    while (top->parent) top = byName.at(top->parent);
    EXPECT_EQ((c.flags & kOffWindow) != 0, top->x >= 885) << c.name;
  }
}

TEST(WindowTables, ListViewsStatusBarsAndTheScrollBar) {
  const std::vector<std::pair<std::string, int>> serverColumns = {
      {"动态城市名称", 100}, {"运行状态", 60}, {"status", 1}, {"服务器地址", 105}, {"宽带速度", 60}};
  const std::vector<std::pair<std::string, int>> noColumns;
  struct Case {
    const char* window;
    const char* control;
    std::vector<std::pair<std::string, int>> columns;  // caption, width
    std::vector<std::pair<std::string, int>> panes;    // caption, width
  };
  const Case cases[] = {
      {D, "超级列表框_线路超级列表1", serverColumns, {}},
      {D, "超级列表框_线路超级列表2", serverColumns, {}},
      {S, "状态条1", {}, {{" 状 态", 50}}},
      {D, "状态条1", {}, {{" 状 态", 50}}},
      {T, "状态条1", {},
       {{" 状 态", 50},
        {"自助订购开通/续费后，如有问题，请及时联系留言给人工客服QQ：80067890，建议先加好友再留言，以免信息无法接收！", 1500}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.window) + " " + c.control);
    const WindowDef* window = FindWindowDef(c.window);
    for (const ControlDef& def : window->controls) {
      if (Str(def.name) != c.control) continue;
      std::vector<std::pair<std::string, int>> columns, panes;
      for (const ColumnDef& col : def.columns) columns.emplace_back(col.caption, col.width);
      for (const PaneDef& pane : def.panes) panes.emplace_back(pane.caption, pane.width);
      EXPECT_EQ(columns, c.columns);
      EXPECT_EQ(panes, c.panes);
    }
  }
  for (const char* name : {"StaticPictureHelpWindow", "DynamicPictureHelpWindow"}) {
    Form form(*FindWindowDef(name), 1);
    ScrollDef s = form.Scroll("纵向滚动条1");
    EXPECT_EQ(s.minimum, 1);
    EXPECT_EQ(s.maximum, 100);
    EXPECT_EQ(s.pageStep, 10);
    EXPECT_EQ(s.lineStep, 1);
    EXPECT_EQ(s.position, 1);
  }
}

TEST(WindowTables, TooltipsAttachToTheirControls) {
  std::map<std::string, std::map<std::string, std::string>> want;  // window -> control -> tip
  for (const ExpectedTip& t : kTips) want[t.window][Str(t.control)] = t.text;
  for (const WindowDef* def : AllWindowDefs()) {
    SCOPED_TRACE(def->name);
    Form form(*def, 1);
    AttachTips(form);
    auto& tips = want[def->name];
    EXPECT_EQ(form.WindowTip(), tips[""]);
    for (int i = 0; i < form.ControlCount(); ++i) {
      ControlState s = form.Snapshot(i);
      auto it = tips.find(s.def->name);
      EXPECT_EQ(s.tip, it == tips.end() ? "" : it->second) << s.def->name;
    }
    // Every expected tip names a control of the window.
    for (auto& [control, text] : tips) {
      if (!control.empty()) {
        EXPECT_TRUE(form.Has(control)) << control;
      }
    }
  }
  EXPECT_EQ(FindWindowDef(D)->tips.size(), 42u);  // the window and 41 controls
  EXPECT_EQ(FindWindowDef(A)->tips.size(), 20u);
  EXPECT_TRUE(FindWindowDef(S)->tips.empty());
}

}  // namespace
}  // namespace rv
