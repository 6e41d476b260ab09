#include "supervision/connect_flow.h"

#include "app/connection_title.h"
#include "app/notice_box.h"
#include "supervision/alarm.h"
#include "supervision/collaborators.h"
#include "supervision/controls.h"
#include "supervision/control_text.h"
#include "supervision/line_ops.h"
#include "supervision/link_monitor.h"
#include "supervision/disconnect.h"
#include "supervision/results_log.h"
#include "vpn/vpn.h"

namespace rv {

namespace {

constexpr const char* kNoticeTitle = "特别提示";
// Texts left in the message line by the last disconnect and by fault repair:
// seeing one of them a second after dialing means the dial reported nothing.
constexpr const char* kDisconnectedText = "注意：已手动停止并成功断开连接，请重新连接使用。";
constexpr const char* kRepairedText = "自动修复故障已完成，请连接使用！";
constexpr const char* kDialErrorText = "注意：拨号出错，请点击【断开】再点击【修复故障】再连接使用！";
constexpr const char* kSystemFaultText = "重要提醒：系统故障，请【重启电脑】再打开本软件连接使用！";

// First selected radio wins; the radios are written back as it decides.
void TakeTunnelType(App& app, Form& w) {
  if (w.Checked(ctl::kPptp)) {
    app.state.staticProtocol = kPptp;
    w.SetChecked(ctl::kPptp, true);
    w.SetChecked(ctl::kL2tp, false);
  } else if (w.Checked(ctl::kL2tp)) {
    app.state.staticProtocol = kL2tp;
    w.SetChecked(ctl::kPptp, false);
    w.SetChecked(ctl::kL2tp, true);
  } else if (w.Checked(ctl::kSstp)) {
    app.state.staticProtocol = kSstp;
    w.SetChecked(ctl::kPptp, false);
    w.SetChecked(ctl::kL2tp, false);
  }
}

// Hands the connected static line to exactly one supervisor.
void StartStaticSupervisor(App& app, Form& w) {
  if (w.Checked(ctl::kTimedReconnect)) {
    SetMessage(app, Line::Static,
               "连接成功，当前连接的服务器地址是【" + TrimSpaces(app.state.staticServer.Get()) + "】");
    app.StartWorker([&app] { TimedReconnectLoop(app); });
  } else {
    app.StartWorker([&app] { LinkMonitor(app, Line::Static); });
    if (w.Checked(ctl::kRecordIp)) StartIpQuery(app, Line::Static);
  }
  w.SetEnabled(ctl::kMonitorInterval, false);
}

}  // namespace

void StaticConnect(App& app) {
  Form& w = app.StaticWindow();
  app.state.staticStop = 0;
  const std::string server = w.Text(ctl::kServer);
  app.state.staticServer.Set(server);
  if (w.Checked(ctl::kClearBrowser)) StartBrowserCleanup(app);
  // The empty tests compare exactly: a text of spaces passes.
  if (server.empty()) {
    NoticeBox(app, "请先填好【服务器地址】再连接！", std::nullopt, std::string(kNoticeTitle));
    return;
  }
  if (w.Text(ctl::kUser).empty()) {
    NoticeBox(app, "用户名不能为空！", std::nullopt, std::string(kNoticeTitle));
    return;
  }
  if (w.Text(ctl::kPassword).empty()) {
    NoticeBox(app, "密码不能为空！", std::nullopt, std::string(kNoticeTitle));
    return;
  }
  TakeTunnelType(app, w);
  w.SetEnabled(ctl::kConnect, false);
  w.SetTextColor(ctl::kMessageLine, kBlack);
  const ConnectResult result = RunConnectAttempt(app, Line::Static);
  // A disconnect meanwhile has given the controls back already.
  if (StopRequested(app, Line::Static)) return;
  if (result == ConnectResult::Connected)
    StartStaticSupervisor(app, w);
  else if (result == ConnectResult::NotConnected)
    SetMessage(app, Line::Static, kSystemFaultText);
}

ConnectResult RunConnectAttempt(App& app, Line line) {
  const std::string entry = LineEntryName(app, line);
  WriteLineEntry(app, line);
  DialLine(app, line);
  PumpingWait(app, 1000);
  const std::string shown = TrimmedMessage(app, line);
  if (!StopRequested(app, line) && (shown.empty() || shown == kDisconnectedText || shown == kRepairedText))
    SetMessage(app, line, kDialErrorText);
  // No time limit: a failed dial leaves its text and the attempt waits for
  // the user's disconnect.
  while (TrimmedMessage(app, line) != kConnectedText) {
    PumpingWait(app, 1000);
    if (StopRequested(app, line)) break;
  }
  const bool connected = IsEntryConnected(app, entry);
  if (StopRequested(app, line)) return ConnectResult::Stopped;
  return connected ? ConnectResult::Connected : ConnectResult::NotConnected;
}

void RotateEntrySuffix(App& app, Line line) {
  SharedText& suffix = app.state.EntrySuffix(line);
  suffix.Set(NextSuffixAfterFailure(suffix.Get()));
}

namespace {

using Names = const char* const[];

constexpr Names kS_RedialUntick = {ctl::kTimedReconnect, ctl::kCutNetworkOnDrop, ctl::kAlarmOnDrop};
constexpr Names kS_TimedUntick = {ctl::kAlarmOnDrop, ctl::kCutNetworkOnDrop, ctl::kRedialOnDrop};
constexpr Names kAlarmOnly = {ctl::kAlarmOnDrop};
constexpr Names kS_CutUntick = {ctl::kTimedReconnect, ctl::kRedialOnDrop};
constexpr Names kS_AlarmUntick = {ctl::kTimedReconnect, ctl::kRedialOnDrop};

constexpr const char* kListCycling = "选择框_服务器列表拨号";
constexpr const char* kDuplicateFilter = "选择框_启动过滤重复ip";
constexpr const char* kTrayOnConnect = "选择框_连接成功系统托盘";

constexpr Names kD_RedialUntick = {ctl::kTimedReconnect, ctl::kCutNetworkOnDrop, kListCycling,
                                   kDuplicateFilter, ctl::kAlarmOnDrop};
constexpr Names kD_TimedUntick = {ctl::kAlarmOnDrop, ctl::kCutNetworkOnDrop, ctl::kRedialOnDrop,
                                  kTrayOnConnect};
constexpr Names kD_TimedOffUntick = {kListCycling};
constexpr Names kD_CutUntick = {ctl::kTimedReconnect, kListCycling, ctl::kRedialOnDrop,
                                kDuplicateFilter};
constexpr Names kD_AlarmUntick = {ctl::kTimedReconnect, kListCycling, kDuplicateFilter,
                                  ctl::kRedialOnDrop};

const InterlockRule kRules[] = {
    {ctl::kStaticWindow, ctl::kRedialOnDrop, {}, kS_RedialUntick},
    {ctl::kStaticWindow, ctl::kTimedReconnect, {}, kS_TimedUntick},
    {ctl::kStaticWindow, ctl::kCutNetworkOnDrop, kAlarmOnly, kS_CutUntick},
    {ctl::kStaticWindow, ctl::kAlarmOnDrop, {}, kS_AlarmUntick},
    {ctl::kDynamicWindow, ctl::kRedialOnDrop, {}, kD_RedialUntick},
    {ctl::kDynamicWindow, ctl::kTimedReconnect, {}, kD_TimedUntick, kD_TimedOffUntick},
    {ctl::kDynamicWindow, ctl::kCutNetworkOnDrop, kAlarmOnly, kD_CutUntick},
    {ctl::kDynamicWindow, ctl::kAlarmOnDrop, {}, kD_AlarmUntick},
};

void SetAll(Form& form, std::span<const char* const> boxes, bool checked) {
  for (const char* box : boxes)
    if (form.Checked(box) != checked) form.SetChecked(box, checked);
}

}  // namespace

std::span<const InterlockRule> InterlockRules() { return kRules; }

void ApplyInterlock(Form& form, const InterlockRule& rule) {
  if (form.Checked(rule.box)) {
    SetAll(form, rule.tickOn, true);
    SetAll(form, rule.untickOn, false);
  } else {
    SetAll(form, rule.untickOff, false);
  }
}

}  // namespace rv
