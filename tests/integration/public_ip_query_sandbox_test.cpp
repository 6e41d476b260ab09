// The public IP query of the static line over real HTTP (libcurl) against
// the sandbox's echo sites on loopback.
#include <gtest/gtest.h>

#include <chrono>

#include "iplookup/public_ip_query.h"
#include "platform/posix/http_curl.h"
#include "sandbox/ip_echo.h"
#include "support/world.h"

namespace rv {
namespace {

using sandbox::EchoEndpoint;
using sandbox::EchoMode;

constexpr const char* kWindow = "StaticLineWindow";
constexpr const char* kMessage = "编辑框_接收信息";
constexpr const char* kLog = "编辑框_列表结果显示";

class QueryAgainstSandbox : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(echo.Start());
    echo.SetAddress("1.2.3.4", "江西省 廬山 塢");  // 廬 and 塢 end in the byte of "]" in GBK
    w.app.platform.http = &curl;
    w.app.config.ipEchoPageA = echo.PageAUrl();
    w.app.config.ipEchoServiceB = echo.ServiceBUrl();
    w.Start(Edition::Static);
    logBefore = w.Text(kWindow, kLog);
  }

  // Presses the query button and waits for the result line; returns the real seconds taken.
  double Query() {
    auto start = std::chrono::steady_clock::now();
    w.Click(kWindow, "按钮_查询当前ip");
    EXPECT_TRUE(w.RunUntil([&] { return w.Text(kWindow, kLog).ends_with("，地区：" + Region() + "\r\n"); }));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }
  std::string Region() { return failed ? "" : "江西省 廬山 塢"; }

  std::vector<EchoEndpoint> Asked() {
    std::vector<EchoEndpoint> asked;
    for (const auto& r : echo.Requests()) asked.push_back(r.endpoint);
    return asked;
  }
  std::string Appended() { return w.Text(kWindow, kLog).substr(logBefore.size()); }

  sandbox::IpEcho echo;
  CurlHttp curl;
  test::World w;
  std::string logBefore;
  bool failed = false;
};

TEST_F(QueryAgainstSandbox, PageAAndItsFrameGiveTheAddressWithGbkRegionIntact) {
  Query();
  EXPECT_EQ(w.Text(kWindow, kMessage), "当前IP：1.2.3.4，地区：江西省 廬山 塢");
  EXPECT_EQ(Appended(), "\r\n当前IP：1.2.3.4，地区：江西省 廬山 塢\r\n");
  EXPECT_EQ(Asked(), (std::vector<EchoEndpoint>{EchoEndpoint::PageA, EchoEndpoint::Frame}));
}

TEST_F(QueryAgainstSandbox, PageADownFallsBackToServiceB) {
  echo.SetMode(EchoEndpoint::PageA, EchoMode::Down);
  echo.SetAddress("5.6.7.8", "江西省 廬山 塢");
  Query();
  EXPECT_EQ(w.Text(kWindow, kMessage), "当前IP：5.6.7.8，地区：江西省 廬山 塢");
  EXPECT_EQ(Asked(), (std::vector<EchoEndpoint>{EchoEndpoint::ServiceB}));
}

TEST_F(QueryAgainstSandbox, MalformedFrameFallsBackToServiceB) {
  echo.SetMode(EchoEndpoint::Frame, EchoMode::Malformed);
  Query();
  EXPECT_EQ(w.Text(kWindow, kMessage), "当前IP：1.2.3.4，地区：江西省 廬山 塢");
  EXPECT_EQ(Asked(), (std::vector<EchoEndpoint>{EchoEndpoint::PageA, EchoEndpoint::Frame,
                                                EchoEndpoint::ServiceB}));
}

TEST_F(QueryAgainstSandbox, EverySilentEndpointStillEndsTheQueryWithinAboutFiveSeconds) {
  for (auto e : {EchoEndpoint::PageA, EchoEndpoint::Frame, EchoEndpoint::ServiceB})
    echo.SetMode(e, EchoMode::Silent);
  failed = true;
  double seconds = Query();
  EXPECT_LT(seconds, 5.5);
  EXPECT_EQ(Appended(), "\r\n当前ip查询失败，断开换个ip再试！\r\n当前IP：，地区：\r\n");
  EXPECT_TRUE(w.dialogs->Boxes().empty());
}

TEST_F(QueryAgainstSandbox, SilentFrameAndServiceBEndWithinAboutFiveSeconds) {
  echo.SetMode(EchoEndpoint::Frame, EchoMode::Silent);
  echo.SetMode(EchoEndpoint::ServiceB, EchoMode::Silent);
  failed = true;
  double seconds = Query();
  EXPECT_LT(seconds, 5.5);
  EXPECT_EQ(w.Text(kWindow, kMessage), "当前IP：，地区：");
}

}  // namespace
}  // namespace rv
