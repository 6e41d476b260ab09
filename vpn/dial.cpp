// The asynchronous dial and the texts of its progress reports.
#include <string>

#include "platform/codepage.h"
#include "vpn/ras_records.h"
#include "vpn/vpn.h"

namespace rv {

namespace {

enum class Progress { Unchanged, Early, Connected };

struct StateText {
  uint32_t state;
  const char* text;
  Progress progress;
};

constexpr StateText kStateTexts[] = {
    {0, "正在打开端口", Progress::Early},
    {1, "端口打开", Progress::Early},
    {2, "正在连接设备【5秒以上还显示这个的，请断开，换其它城市再连接使用！】", Progress::Early},
    {3, "DeviceConnected", Progress::Unchanged},
    {4, "所有设备已连接上", Progress::Unchanged},
    {5, "开始认证", Progress::Early},
    {6, "验证中，5秒以上还显示这个的，请断开，换用协议L2TP再连接使用！如果已用L2TP请换城市再连接！",
     Progress::Early},
    {7, "认证测试", Progress::Unchanged},
    {8, "CallbackRequested", Progress::Unchanged},
    {9, "ChangePasswordRequested", Progress::Unchanged},
    {10, "ProjectionPhaseStarted", Progress::Unchanged},
    {11, "LinkSpeedCalculation", Progress::Unchanged},
    {12, "认证通过", Progress::Unchanged},
    {13, "ReauthenticationStarted", Progress::Unchanged},
    {14, "Authenticated", Progress::Unchanged},
    {15, "PreparationForCallback", Progress::Unchanged},
    {16, "WaitingForModemReset", Progress::Unchanged},
    {17, "WaitingForCallback", Progress::Unchanged},
    {18, "Projected", Progress::Unchanged},
    {19, "StartAuthentication", Progress::Unchanged},
    {20, "CallbackComplete", Progress::Unchanged},
    {21, "正在登录网络", Progress::Unchanged},
    {4096, "Interactive", Progress::Unchanged},
    {4097, "RetryAuthentication", Progress::Unchanged},
    {4098, "CallbackSetByCaller", Progress::Unchanged},
    {4099, "PasswordExpired", Progress::Unchanged},
    {8192, kConnectedText, Progress::Connected},
    {8193, "断开连接", Progress::Unchanged},
};

// The service's own message for an error code, as GBK bytes up to the zero.
// The message box shows what a 100-byte buffer takes; a message that does not
// fit is asked for again with room for the longest message the service has,
// so that the user reads it rather than a blank line.
std::string ErrorMessage(RasApi& service, uint32_t error) {
  constexpr uint32_t kShortBuffer = 100, kLongBuffer = 512;
  std::string buffer(kShortBuffer, ' ');
  if (service.GetErrorString(error, buffer.data(), kShortBuffer) != 0) {
    std::string longer(kLongBuffer, ' ');
    if (service.GetErrorString(error, longer.data(), kLongBuffer) == 0) buffer.swap(longer);
  }
  return buffer.substr(0, buffer.find('\0'));
}

}  // namespace

std::string DialStateText(App& app, uint32_t state, uint32_t error) {
  if (error != 0) return GbkBytesToUtf8(ErrorMessage(*app.platform.ras, error));
  for (const StateText& s : kStateTexts) {
    if (s.state != state) continue;
    if (s.progress == Progress::Early) app.state.dialInProgress = 1;
    if (s.progress == Progress::Connected) app.state.dialInProgress = 0;
    return s.text;
  }
  return std::to_string(state);
}

void DialProgressCallback(App& app, uint32_t msg, uint32_t state, uint32_t error) {
  std::string text = DialStateText(app, state, error);
  const std::string control = app.state.statusControl.Get();
  Form* window = app.forms.Find(app.state.statusWindow.Get());
  if (window && window->Has(control)) window->SetText(control, text);
}

void DialVpnEntry(App& app, const std::string& entry, const std::string& user,
                  const std::string& password, Form& window, const std::string& statusControl) {
  app.state.statusWindow.Set(window.name());
  app.state.statusControl.Set(statusControl);
  ras::Record params = ras::BuildDialParams(entry, user, password);
  app.state.connectionHandle = 0;
  RasHandle handle = 0;
  const uint32_t result = app.platform.ras->Dial(
      kPrivatePhonebook, params.data(), ras::kDialParamsSize,
      [&app](uint32_t msg, uint32_t state, uint32_t error) {
        DialProgressCallback(app, msg, state, error);
      },
      &handle);
  app.state.connectionHandle = handle;
  // A dial refused at once may still hold a port: release whatever it handed back.
  if (result > 0) app.platform.ras->HangUp(handle);
}

}  // namespace rv
