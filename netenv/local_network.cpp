#include "netenv/local_network.h"

#include "netenv/adapter_toolkit.h"
#include "netenv/message_line.h"
#include "netenv/netenv.h"

namespace rv {

namespace {

// What one static-line switch says; `done[wireless][wired]` tells which of
// the two connections it acted on.
struct SwitchTexts {
  const char* progress;
  const char* done[2][2];
};

constexpr SwitchTexts kCutTexts = {
    "禁用无线连接WLAN【即WIFI】和本地连接正在进行中...",
    {{"无线连接WLAN【即WIFI】没联网，本地连接也没联网，都无需操作！",
      "无线连接WLAN【即WIFI】没联网，无需操作！禁用本地连接已完成！"},
     {"禁用本地WLAN【即WIFI】已完成！本地连接没联网，无需操作！",
      "禁用本地WLAN【即WIFI】和禁用本地连接都已完成！"}},
};

constexpr SwitchTexts kRestoreTexts = {
    "启动无线连接WLAN【即WIFI】和本地连接正在进行中...",
    {{"无线连接WLAN【即WIFI】没禁用，本地连接也没禁用，都无需操作！",
      "无线连接WLAN【即WIFI】没禁用，无需操作！本地连接已启用完成！"},
     {"无线连接WLAN【即WIFI】已启用完成！本地连接没禁用，无需操作！",
      "无线连接WLAN【即WIFI】和本地连接都已启用完成！"}},
};

constexpr const char* kReleasedText = "禁用所有网络已完成，如需恢复上网，请点击-【高级设置】-【启用本地网络】";

// Acts on each of the two connections that is connected (cut) or
// disconnected (restore), wireless first. The final text comes from the
// statuses read before acting; the switches' own answers are not shown.
void SwitchStaticConnections(App& app, const SwitchTexts& texts, bool enable) {
  ShowInMessageLine(app, Line::Static, texts.progress);
  AdapterToolkit& kit = *app.state.adapters;
  const int32_t actOn = enable ? kConnectionDisconnected : kConnectionConnected;
  const bool wired = kit.GetConnectionStatus(kWiredConnection) == actOn;
  const bool wireless = kit.GetConnectionStatus(kWirelessConnection) == actOn;
  auto act = [&](const char* name) {
    if (enable)
      kit.EnableConnection(name);
    else
      kit.DisableConnection(name);
  };
  if (wireless) act(kWirelessConnection);
  if (wired) act(kWiredConnection);
  ShowInMessageLine(app, Line::Static, texts.done[wireless][wired]);
}

// The advanced settings window's drop-cut box edits the dynamic line's
// option: ticking it ticks the alarm and unticks what would reconnect after a
// drop, the main window's redial included. (The main windows' own boxes follow
// the connect flows' interlock table.)
constexpr const char* kAdvancedUntick[] = {"选择框_定时连断", "选择框_服务器列表拨号", "选择框_启动过滤重复ip"};

void ApplyAdvancedDropCut(App& app, Form& form) {
  if (!form.Checked("选择框_是否断网")) return;
  form.SetChecked("选择框_掉线音效", true);
  for (const char* box : kAdvancedUntick) form.SetChecked(box, false);
  if (Form* main = app.forms.Find("DynamicLineWindow")) main->SetChecked("选择框_掉线重拨", false);
}

}  // namespace

void CutLocalNetwork(App& app) { SwitchStaticConnections(app, kCutTexts, false); }

void RestoreLocalNetwork(App& app) { SwitchStaticConnections(app, kRestoreTexts, true); }

void ReleaseAllAddresses(App& app) {
  ShowInMessageLine(app, Line::Dynamic, "禁用所有网络正在进行中...");
  app.platform.process->StartHidden("ipconfig /release");
  ShowInMessageLine(app, Line::Dynamic, kReleasedText);
  if (Form* form = app.forms.Find("DynamicLineWindow"))
    form->Append("编辑框_列表结果显示", std::string("\r\n") + kReleasedText + "\r\n");
}

void RenewAllAddresses(App& app) {
  ShowInMessageLine(app, Line::Dynamic, "所有网络正在启用中...");
  app.platform.process->StartHidden("ipconfig /renew");
  ShowInMessageLine(app, Line::Dynamic, "启用所有网络操作已完成！请稍等20秒左右彻底恢复再使用网络！");
}

namespace {
void StartForLine(App& app, Line line, void (*staticOperation)(App&), void (*dynamicOperation)(App&)) {
  app.StartWorker([&app, operation = line == Line::Static ? staticOperation : dynamicOperation] {
    operation(app);
  });
}
}  // namespace

void StartCutNetwork(App& app, Line line) {
  StartForLine(app, line, CutLocalNetwork, ReleaseAllAddresses);
}

void StartRestoreNetwork(App& app, Line line) {
  StartForLine(app, line, RestoreLocalNetwork, RenewAllAddresses);
}

void WireDropCutInterlocks(App& app) {
  app.forms.On("AdvancedSettingsWindow", "选择框_是否断网", kEvClick,
               [&app](const EventArgs& e) { ApplyAdvancedDropCut(app, *e.form); });
}

}  // namespace rv
