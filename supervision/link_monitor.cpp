#include "supervision/link_monitor.h"

#include "supervision/alarm.h"
#include "supervision/collaborators.h"
#include "supervision/connect_flow.h"
#include "supervision/control_text.h"
#include "supervision/controls.h"
#include "supervision/line_ops.h"
#include "supervision/results_log.h"
#include "vpn/vpn.h"

namespace rv {

namespace {

// The detection passes: true when the link was found down twice, false when
// the stop flag ended them.
bool LinkDropped(App& app, Line line) {
  Form& w = app.Window(line);
  int count = 0;
  for (int pass = 1; pass <= 2; ++pass) {
    if (StopRequested(app, line)) return false;
    // A failed check ends the pass; the next pass checks again at once.
    while (IsEntryConnected(app, LineEntryName(app, line))) {
      ++count;
      w.SetTextColor(ctl::kMessageLine, RandomMessageColor(app));
      const std::string interval = w.Text(ctl::kMonitorInterval);
      SetMessage(app, line,
                 "已连接成功！正在每" + TrimSpaces(interval) + "秒检测一次，目前第" +
                     std::to_string(count) + "次正常！");
      w.SetText(ctl::kMonitorCount, std::to_string(count));
      if (!WaitUnlessStopped(app, line, SecondsToMs(DecimalValue(w.Text(ctl::kMonitorInterval)))))
        return false;
    }
  }
  return true;
}

// Redials until the link is back. Returns when it is back (a new monitor
// carries on if recording is ticked) or when the stop flag is seen.
void RedialLoop(App& app, Line line) {
  Form& w = app.Window(line);
  auto stopExit = [&] { w.SetEnabled(ctl::kReconnectPeriod, true); };
  while (!IsEntryConnected(app, LineEntryName(app, line))) {
    SetMessage(app, line, "注意：出现掉线情况，正在拼命为您重拨修复中...");
    HangUpLineEntry(app, line);
    PumpingWait(app, 1000);
    WriteLineEntry(app, line);
    DialLine(app, line);
    AppendLog(app, line, "\r\n【" + app.state.Server(line).Get() + "】");
    if (!WaitUnlessStopped(app, line, 10000)) return stopExit();
    if (!IsEntryConnected(app, LineEntryName(app, line))) {
      HangUpCurrentConnection(app);
      Report(app, line, "本次重拨连接失败！下一步进行中...", "\r\n本次重拨连接失败！下一步进行中...");
      if (!WaitUnlessStopped(app, line, 2000)) return stopExit();
      HangUpLineEntry(app, line);
      RotateEntrySuffix(app, line);
      if (w.Checked(ctl::kRecordIp)) {
        Report(app, line, "连接失败不查询IP值，继续进行...", "\r\n连接失败不查询IP值，继续进行...\r\n");
        if (!WaitUnlessStopped(app, line, 1000)) return stopExit();
      }
      continue;
    }
    // Without recording the line stays up unsupervised, as it was chosen.
    if (w.Checked(ctl::kRecordIp)) {
      Report(app, line, "已重拨连接成功，继续进行监控中...", "\r\n已重拨连接成功，继续进行监控中...\r\n");
      if (!WaitUnlessStopped(app, line, 1000)) return stopExit();
      app.StartWorker([&app, line] { LinkMonitor(app, line); });
      StartIpQuery(app, line);
      if (!WaitUnlessStopped(app, line, 5000)) return stopExit();
    }
  }
}

// Drop without redial: the link is down already, so nothing is hung up.
void ReleaseLine(App& app, Line line) {
  Form& w = app.Window(line);
  GiveLineBack(app, line);
  if (w.Checked(ctl::kCutNetworkOnDrop)) {
    StartNetworkCut(app, line);
    SetMessage(app, line, "注意：已断开连接！已禁用本地连接，请先【启用本地连接】再重新【连接】！");
  } else {
    SetMessage(app, line, "注意：已断开连接！已回到本地连接ip，请重新【连接】换ip！");
  }
  if (w.Checked(ctl::kAlarmOnDrop)) PlayAlarm(app);
}

}  // namespace

void LinkMonitor(App& app, Line line) {
  const bool dropped = LinkDropped(app, line);
  app.Window(line).SetTextColor(ctl::kMessageLine, kBlack);
  if (!dropped || StopRequested(app, line)) return GiveLineBack(app, line);
  if (Ticked(app, line, ctl::kRedialOnDrop))
    RedialLoop(app, line);
  else
    ReleaseLine(app, line);
}

}  // namespace rv
