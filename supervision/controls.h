#pragma once
// Names of the main windows' controls that the supervision reads and writes
// (the same names in both main windows).
namespace rv::ctl {

inline constexpr const char* kServer = "编辑框_服务器地址";
inline constexpr const char* kUser = "编辑框_用户名";
inline constexpr const char* kPassword = "编辑框_密码";
inline constexpr const char* kPptp = "单选框_PPTP";
inline constexpr const char* kL2tp = "单选框_L2TP";
inline constexpr const char* kSstp = "单选框_SSTP";
inline constexpr const char* kConnect = "按钮_连接";
inline constexpr const char* kDisconnect = "按钮_断开";
inline constexpr const char* kDropTest = "按钮_测试";
inline constexpr const char* kSaveResults = "按钮_保存结果";
inline constexpr const char* kClearResults = "按钮_清空结果";
inline constexpr const char* kMessageLine = "编辑框_接收信息";
inline constexpr const char* kResultsLog = "编辑框_列表结果显示";
inline constexpr const char* kMonitorInterval = "编辑框_监控时间秒";
inline constexpr const char* kMonitorCount = "编辑框_监控计次";
inline constexpr const char* kReconnectPeriod = "编辑框_连断时间秒";
inline constexpr const char* kReconnectCount = "编辑框_连断计次";
inline constexpr const char* kClearBrowser = "选择框_IE缓存和cookie";
inline constexpr const char* kRecordIp = "选择框_记录每次连接ip";
inline constexpr const char* kTimedReconnect = "选择框_定时连断";
inline constexpr const char* kRedialOnDrop = "选择框_掉线重拨";
inline constexpr const char* kCutNetworkOnDrop = "选择框_是否断网";
inline constexpr const char* kAlarmOnDrop = "选择框_掉线音效";
inline constexpr const char* kServerList1 = "超级列表框_线路超级列表1";
inline constexpr const char* kServerList2 = "超级列表框_线路超级列表2";

inline constexpr const char* kStaticWindow = "StaticLineWindow";
inline constexpr const char* kDynamicWindow = "DynamicLineWindow";
inline constexpr const char* kAdvancedWindow = "AdvancedSettingsWindow";

}  // namespace rv::ctl
