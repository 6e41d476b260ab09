#include "supervision/disconnect.h"

#include <cmath>

#include "app/notice_box.h"
#include "supervision/alarm.h"
#include "supervision/collaborators.h"
#include "supervision/connect_flow.h"
#include "supervision/control_text.h"
#include "supervision/controls.h"
#include "supervision/line_ops.h"
#include "supervision/results_log.h"
#include "vpn/vpn.h"

namespace rv {

void Disconnect(App& app, Line line) {
  Form& w = app.Window(line);
  w.SetTextColor(ctl::kMessageLine, kBlack);
  w.SetEnabled(ctl::kDisconnect, false);
  app.state.Stop(line) = 1;
  SetMessage(app, line, "注意：正在断开中...【还没断开完成不要点击连接！】");
  HangUpCurrentConnection(app);
  PumpingWait(app, 500);
  HangUpLineEntry(app, line);
  w.SetEnabled(ctl::kMonitorInterval, true);
  w.SetEnabled(ctl::kReconnectPeriod, true);
  StopAlarm(app);
  GiveLineBack(app, line);
  SetMessage(app, line, "注意：已手动停止并成功断开连接，请重新连接使用。");
  w.SetEnabled(ctl::kDisconnect, true);
}

namespace {

// The period P in whole seconds (the fraction dropped); the loop holds the
// line P - 20 seconds beyond its fixed waits.
int64_t HoldMs(Form& w) {
  const double period = DecimalValue(w.Text(ctl::kReconnectPeriod));
  return SecondsToMs(std::trunc(period) - 20);
}

}  // namespace

void TimedReconnectLoop(App& app) {
  constexpr Line line = Line::Static;
  Form& w = app.Window(line);
  // A stop test: when the flag is 1 the period box is given back and the loop ends.
  auto stopped = [&] {
    if (!StopRequested(app, line)) return false;
    w.SetEnabled(ctl::kReconnectPeriod, true);
    return true;
  };
  auto wait = [&](int64_t ms) { return stopped() || (PumpingWait(app, ms), stopped()); };
  int cycle = 1;
  w.SetText(ctl::kReconnectCount, "1");
  w.SetEnabled(ctl::kReconnectPeriod, false);
  for (;;) {
    if (app.state.Stop(line).load() != 0) return;
    if (w.Checked(ctl::kClearBrowser)) StartBrowserCleanup(app);
    if (wait(10000)) return;
    if (!IsEntryConnected(app, LineEntryName(app, line))) {
      // The last dial failed: retry it on the next entry name.
      HangUpCurrentConnection(app);
      Report(app, line, "本次连接失败！下一步进行中...", "\r\n本次连接失败！不查询ip\r\n");
      PumpingWait(app, 7000);
      HangUpLineEntry(app, line);
      RotateEntrySuffix(app, line);
      WriteLineEntry(app, line);
    }
    while (IsEntryConnected(app, LineEntryName(app, line))) {
      if (stopped()) return;
      if (w.Checked(ctl::kRecordIp)) {
        StartIpQuery(app, line);
        PumpingWait(app, 5000);
      }
      if (stopped()) return;
      if (const int64_t hold = HoldMs(w); hold > 0) PumpingWait(app, hold);
      if (stopped()) return;
      SetMessage(app, line, "正在自动断开连接...");
      HangUpCurrentConnection(app);
      PumpingWait(app, 2000);
      if (stopped()) return;
    }
    if (stopped()) return;
    SetMessage(app, line,
               "已自动断开，正在进行自动连接，服务器地址【" + TrimSpaces(app.state.staticServer.Get()) + "】");
    if (wait(3000)) return;
    // The entry is dialed as it was written last.
    DialLine(app, line);
    if (stopped()) return;
    ++cycle;
    w.SetText(ctl::kReconnectCount, std::to_string(cycle));
  }
}

void DropTest(App& app, Line line) {
  HangUpCurrentConnection(app);
  PumpingWait(app, 500);
  SetMessage(app, line,
             line == Line::Static
                 ? "注意：测试掉线完成，要测试掉线同时断开本地连接的，必须勾选上【掉线断网】才有效！"
                 : "注意：测试掉线完成，要测试掉线同时禁用本地网络的，必须勾选上【掉线断网】才有效！");
}

namespace {

// Resets a box whose value lies below its least value and says so.
void ValidateAtLeast(App& app, Form& w, const char* box, double least, const char* reset,
                     const char* notice) {
  if (DecimalValue(w.Text(box)) - least >= -kIntervalTolerance) return;
  w.SetText(box, reset);
  NoticeBox(app, notice, std::nullopt, std::string("特别提示"));
}

}  // namespace

void ValidateMonitorInterval(App& app, Form& window) {
  ValidateAtLeast(app, window, ctl::kMonitorInterval, 0.0001, "0.1",
                  "不能小于0.0001秒！请重填时间，建议0.01秒以上!");
}

void ValidateReconnectPeriod(App& app, Form& window) {
  ValidateAtLeast(app, window, ctl::kReconnectPeriod, 20, "30",
                  "不能小于20秒！请重填大于等于20秒的时间，建议30秒以上!");
}

}  // namespace rv
