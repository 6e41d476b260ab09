// The query buttons of the real windows under Wine, through the real WinHttp
// request object, against the sandbox's echo sites.
#include <string>

#include "sandbox/ip_echo.h"
#include "ui/form_defs.h"
#include "wine/wine_session.h"

namespace rv::wine {
namespace {

using sandbox::EchoEndpoint;
using sandbox::EchoMode;

class IpQueryWindow : public WineSession {
 protected:
  void SetUp() override {
    WineSession::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    ASSERT_TRUE(echo.Start());
    echo.SetAddress("1.2.3.4", "江西省 廬山");  // 廬 ends in the byte of "]" in GBK
  }

  void Start(const std::string& edition, const std::string& window) {
    StartProgram(edition, {{"ROVANTA_TEST_IP_ECHO_PAGE_A", echo.PageAUrl()},
                           {"ROVANTA_TEST_IP_ECHO_SERVICE_B", echo.ServiceBUrl()}});
    DriverReply w = WaitWindow(window);
    ASSERT_TRUE(w.ok) << w.error;
    // The log starts with the notice lines of the window's table.
    for (const ControlDef& c : FindWindowDef(window.c_str())->controls)
      if (std::string(c.name) == "编辑框_列表结果显示") notices = c.caption;
    // (wait-text cannot carry their leading space.)
    std::string log;
    for (int i = 0; i < 100 && (log = Log()) != notices; ++i) Call("sleep 100");
    ASSERT_EQ(log, notices);
  }

  // Clicks the query button and waits for the message line to show `text`.
  void QueryUntil(const std::string& text) {
    ASSERT_TRUE(Call("click 按钮_查询当前ip").ok);
    DriverReply r = Call("wait-text 编辑框_接收信息 20000 " + Escape(text), 30000);
    ASSERT_TRUE(r.ok) << r.error;
  }

  std::string Log() { return Call("get 编辑框_列表结果显示").Value("text"); }

  sandbox::IpEcho echo;
  std::string notices;
};

TEST_F(IpQueryWindow, StaticButtonShowsAndLogsTheAddressThenFallsBackToServiceB) {
  Start("static", "StaticLineWindow");
  const std::string before = notices;
  QueryUntil("当前IP：1.2.3.4，地区：江西省 廬山");
  EXPECT_EQ(Log(), before + "\r\n当前IP：1.2.3.4，地区：江西省 廬山\r\n");
  echo.SetMode(EchoEndpoint::PageA, EchoMode::Down);
  echo.SetAddress("5.6.7.8", "上海市 电信");
  QueryUntil("当前IP：5.6.7.8，地区：上海市 电信");
  EXPECT_EQ(Log(), before + "\r\n当前IP：1.2.3.4，地区：江西省 廬山\r\n\r\n当前IP：5.6.7.8，地区：上海市 电信\r\n");
}

TEST_F(IpQueryWindow, DynamicButtonLogsItsFailureTextWhenBothSitesAreDown) {
  echo.SetMode(EchoEndpoint::PageA, EchoMode::Down);
  echo.SetMode(EchoEndpoint::ServiceB, EchoMode::Down);
  Start("dynamic", "DynamicLineWindow");
  QueryUntil("当前IP：，地区：");
  EXPECT_EQ(Log(), notices + "\r\n软件查询不到，请百度一下ip查询！\r\n当前IP：，地区：\r\n");
  EXPECT_EQ(Call("notice 500 none").error, "no message box");
}

}  // namespace
}  // namespace rv::wine
