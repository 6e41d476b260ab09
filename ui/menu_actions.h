#pragma once
// Names of the commands that menu items run. A menu item's action is raised
// as a click of that name on its window (Forms::UserMenu), so one handler per
// window and command serves every item that runs it.
namespace rv {

inline constexpr char kActContactSupport[] = "菜单_联系客服";  // chat link (+ notice on the static line)
inline constexpr char kActDisclaimerBefore[] = "菜单_用前需看";  // disclaimer, second variant
inline constexpr char kActDisclaimerMust[] = "菜单_用前必看";    // disclaimer, first or third variant
inline constexpr char kActUsage[] = "菜单_使用介绍";
inline constexpr char kActMessenger[] = "菜单_联系微信";
inline constexpr char kActExit[] = "菜单_退出";
inline constexpr char kActTopUp[] = "菜单_自助订购";
inline constexpr char kActAdvanced[] = "菜单_高级设置";
inline constexpr char kActVersionCheck[] = "菜单_最新版本查询";
inline constexpr char kActDownloadAddress[] = "菜单_下载地址";
inline constexpr char kActRestoreFromTray[] = "菜单_回到主界面";

// The caption of the hidden tray menu of DynamicLineWindow.
inline constexpr char kTrayMenu[] = "系统托盘";

}  // namespace rv
