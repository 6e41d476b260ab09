#include "iplookup/public_ip_query.h"

#include "app/app.h"
#include "iplookup/http_client.h"
#include "iplookup/text_between.h"
#include "supervision/controls.h"
#include "supervision/results_log.h"

namespace rv {

namespace {

using ctl::kMessageLine;
using ctl::kResultsLog;
constexpr const char* kQueryButton = "按钮_查询当前ip";

constexpr int kPageATimeoutSeconds = 2;
constexpr int kFrameTimeoutSeconds = 1;
constexpr int kServiceBTimeoutSeconds = 2;

const char* WindowOf(IpQueryVariant variant) {
  return variant == IpQueryVariant::Static ? ctl::kStaticWindow : ctl::kDynamicWindow;
}

const char* FailureText(IpQueryVariant variant) {
  switch (variant) {
    case IpQueryVariant::Static: return "当前ip查询失败，断开换个ip再试！";
    case IpQueryVariant::DynamicAfterConnect: return "已连接成功，请百度一下ip查询当前ip值";
    case IpQueryVariant::DynamicOnRequest: return "软件查询不到，请百度一下ip查询！";
  }
  return "";
}

// Page A holds an iframe whose page says the address and the region. Both
// pages are GBK; they are decoded before the markers are looked for, so a
// GBK trail byte is never taken for "]".
PublicIp AskPageA(App& app) {
  const std::string page = PageTextFromGbk(FetchUrl(app, app.config.ipEchoPageA, kPageATimeoutSeconds));
  const std::string frameUrl = TextBetween(page, "<iframe src=#引号", "#引号");
  const std::string frame = PageTextFromGbk(FetchUrl(app, frameUrl, kFrameTimeoutSeconds));
  PublicIp ip;
  ip.address = TextBetween(frame, "您的IP是：[", "]");
  if (!ip.address.empty()) ip.region = TextBetween(frame, "来自：", "</center>");
  return ip;
}

// Service B answers in UTF-8.
PublicIp AskServiceB(App& app) {
  const std::string text =
      PageTextFromUtf8(FetchUrl(app, app.config.ipEchoServiceB, kServiceBTimeoutSeconds));
  PublicIp ip;
  ip.address = TextBetween(text, "ip:'", "'");
  if (!ip.address.empty()) ip.region = TextBetween(text, "address:'", "'");
  return ip;
}

// Writes the message line, then logs what it holds, so the log line is what the user saw.
void ShowAndLog(Form& window, const std::string& text, const std::string& after) {
  window.SetText(kMessageLine, text);
  window.Append(kResultsLog, "\r\n" + window.Text(kMessageLine) + after);
}

}  // namespace

PublicIp LookUpPublicIp(App& app) {
  PublicIp ip = AskPageA(app);
  if (ip.address.empty()) ip = AskServiceB(app);
  return ip;
}

void QueryPublicIp(App& app, IpQueryVariant variant) {
  if (variant == IpQueryVariant::DynamicAfterConnect && app.state.dynamicStop.load() == 1) return;
  Form* window = app.forms.Find(WindowOf(variant));
  if (!window) return;
  const PublicIp ip = LookUpPublicIp(app);
  if (ip.address.empty()) ShowAndLog(*window, FailureText(variant), "");
  window->SetTextColor(kMessageLine, RandomMessageColor(app));
  if (variant == IpQueryVariant::DynamicAfterConnect) {
    // The duplicate filter logs its own line and reconnects instead.
    if (auto& filter = app.hooks.duplicateIpFilter; filter && filter(app, ip.address)) return;
  }
  ShowAndLog(*window, "当前IP：" + ip.address + "，地区：" + ip.region, "\r\n");
}

void StartPublicIpQuery(App& app, IpQueryVariant variant) {
  app.StartWorker([&app, variant] { QueryPublicIp(app, variant); });
}

void WireIpLookup(App& app) {
  app.forms.On(ctl::kStaticWindow, kQueryButton, kEvClick,
               [&app](const EventArgs&) { StartPublicIpQuery(app, IpQueryVariant::Static); });
  app.forms.On(ctl::kDynamicWindow, kQueryButton, kEvClick,
               [&app](const EventArgs&) { StartPublicIpQuery(app, IpQueryVariant::DynamicOnRequest); });
}

}  // namespace rv
