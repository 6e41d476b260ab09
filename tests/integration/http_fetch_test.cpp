// FetchUrl through libcurl against the sandbox's IP-echo endpoints on loopback.
#include <gtest/gtest.h>

#include <chrono>

#include "iplookup/http_client.h"
#include "platform/posix/http_curl.h"
#include "sandbox/ip_echo.h"
#include "support/echo_expectations.h"

namespace rv {
namespace {

using sandbox::EchoEndpoint;
using sandbox::EchoMode;
using Clock = std::chrono::steady_clock;

class HttpFetch : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(echo.Start()); }

  // Fetches and returns the body; `seconds` gets the real time it took.
  std::string Fetch(const std::string& url, int timeoutSeconds, double* seconds = nullptr) {
    auto start = Clock::now();
    std::string body = FetchUrl(&curl, url, timeoutSeconds);
    if (seconds) *seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return body;
  }

  CurlHttp curl;
  sandbox::IpEcho echo;
};

TEST_F(HttpFetch, SendsTheFiveHeadersInOrderWithTheUrlAsReferer) {
  const std::string url = echo.ServiceBUrl();
  EXPECT_EQ(Fetch(url, 2), test::kDefaultServiceBBody);
  test::ExpectFetchRequest(echo, url);
}

TEST_F(HttpFetch, KeepsNoCookieFromOneCallToTheNext) {
  Fetch(echo.PageAUrl(), 2);
  Fetch(echo.PageAUrl(), 2);
  auto requests = echo.Requests();
  ASSERT_EQ(requests.size(), 2u);
  for (const auto& r : requests)
    for (const auto& h : r.headers) EXPECT_NE(h.first, "Cookie") << r.raw;
}

TEST_F(HttpFetch, GbkPagesComeBackAsTheirBytes) {
  echo.SetAddress("1.2.3.4", "江西省 廬山");
  std::string body = Fetch(echo.FrameUrl(), 1);
  EXPECT_NE(body.find("\xC4\xFA\xB5\xC4IP\xCA\xC7\xA3\xBA[1.2.3.4]"), std::string::npos);  // 您的IP是：[
  EXPECT_NE(PageTextFromGbk(body).find("来自：江西省 廬山</center>"), std::string::npos);
}

TEST_F(HttpFetch, UnansweredRequestGivesAnEmptyBodyAfterAboutTheTimeOut) {
  for (const auto& c : test::kTimeOutCases) {
    SCOPED_TRACE(c.what);
    echo.SetMode(c.endpoint, c.mode, c.delayMs);
    double seconds;
    EXPECT_EQ(Fetch(echo.Url(c.endpoint), c.timeoutSeconds, &seconds), "");
    EXPECT_GE(seconds * 1000, c.minMs);
    EXPECT_LT(seconds * 1000, c.maxMs);
  }
}

TEST_F(HttpFetch, SlowAnswerWithinTheTimeOutIsFetched) {
  echo.SetMode(EchoEndpoint::ServiceB, EchoMode::Slow, 500);
  EXPECT_NE(Fetch(echo.ServiceBUrl(), 2), "");
}

TEST_F(HttpFetch, EmptyBodyAndClosedPortGiveAnEmptyResultAtOnce) {
  echo.SetMode(EchoEndpoint::ServiceB, EchoMode::Empty);
  echo.SetMode(EchoEndpoint::PageA, EchoMode::Down);
  double seconds;
  EXPECT_EQ(Fetch(echo.ServiceBUrl(), 2, &seconds), "");
  EXPECT_LT(seconds, 1.0);
  EXPECT_EQ(Fetch(echo.PageAUrl(), 2, &seconds), "");
  EXPECT_LT(seconds, 1.0);
  echo.SetMode(EchoEndpoint::PageA, EchoMode::Normal);  // back on its port
  EXPECT_NE(Fetch(echo.PageAUrl(), 2), "");
}

TEST_F(HttpFetch, OversizedBodyIsCutOffAtTheCap) {
  echo.SetMode(EchoEndpoint::PageA, EchoMode::Oversized);
  std::string body = Fetch(echo.PageAUrl(), 3);
  EXPECT_EQ(body.size(), kMaxHttpBodyBytes);
  EXPECT_EQ(body.rfind("<html>", 0), 0u);
}

class HttpsFetch : public testing::TestWithParam<sandbox::EchoTransport> {};

TEST_P(HttpsFetch, UntrustedOrExpiredCertificateIsFetchedAllTheSame) {
  sandbox::IpEcho echo(GetParam());
  ASSERT_TRUE(echo.Start());
  ASSERT_EQ(echo.ServiceBUrl().rfind("https://127.0.0.1:", 0), 0u);
  CurlHttp curl;
  EXPECT_EQ(FetchUrl(&curl, echo.ServiceBUrl(), 2), test::kDefaultServiceBBody);
  test::ExpectFetchRequest(echo, echo.ServiceBUrl());
}

INSTANTIATE_TEST_SUITE_P(Certificates, HttpsFetch, testing::ValuesIn(test::kUntrustedTransports),
                         test::TransportName);

}  // namespace
}  // namespace rv
