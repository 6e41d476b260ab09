// FetchUrl through the real WinHttp request object (the 64-bit build's
// httpprobe.exe run under Wine) against the sandbox's echo sites.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "iplookup/http_client.h"
#include "sandbox/ip_echo.h"
#include "support/echo_expectations.h"
#include "wine/wine_session.h"

namespace rv {
namespace {

using sandbox::EchoEndpoint;
using sandbox::EchoMode;

struct Probe {
  size_t length = 0;
  long ms = -1;
  std::string bodyHex;
};

std::string Hex(const std::string& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes.substr(0, 4096)) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

class WinHttpUnderWine : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(std::filesystem::exists(probe))
        << "build the 64-bit programs first: cmake --preset win64 && cmake --build build/win64";
    wine::WineHost& host = wine::WineHost::Get();
    if (!host.ok()) GTEST_SKIP() << host.error();
    ASSERT_TRUE(echo.Start());
  }

  // The probe's standard output.
  std::string RunProbe(const std::vector<std::string>& args) {
    wine::WineProcess process(probe, args, {}, true);
    std::string out, line;
    while (process.ReadLine(&line, 60000)) out += line + "\n";
    process.Wait(10000);
    return out;
  }

  Probe Fetch(const std::string& url, int timeoutSeconds) {
    std::istringstream out(RunProbe({url, std::to_string(timeoutSeconds)}));
    Probe p;
    std::string word;
    while (out >> word) {
      if (word == "length") out >> p.length;
      else if (word == "ms") out >> p.ms;
      else if (word == "hex") out >> p.bodyHex;
    }
    EXPECT_GE(p.ms, 0) << "httpprobe printed nothing for " << url;
    return p;
  }

  const std::string probe = std::string(ROVANTA_WIN64_DIR) + "/httpprobe.exe";
  sandbox::IpEcho echo;
};

TEST_F(WinHttpUnderWine, SendsTheFiveHeadersInOrderWithTheUrlAsReferer) {
  const std::string url = echo.ServiceBUrl();
  Probe p = Fetch(url, 2);
  EXPECT_EQ(p.bodyHex, Hex(test::kDefaultServiceBBody));
  test::ExpectFetchRequest(echo, url);
}

TEST_F(WinHttpUnderWine, GbkPageComesBackAsItsBytes) {
  echo.SetAddress("1.2.3.4", "江西省 廬山");
  Probe p = Fetch(echo.FrameUrl(), 1);
  EXPECT_NE(p.bodyHex.find(Hex("\xC4\xFA\xB5\xC4IP\xCA\xC7\xA3\xBA[1.2.3.4]")), std::string::npos);
}

TEST_F(WinHttpUnderWine, UnansweredRequestGivesAnEmptyBodyAfterAboutTheTimeOut) {
  for (const auto& c : test::kTimeOutCases) {
    SCOPED_TRACE(c.what);
    echo.SetMode(c.endpoint, c.mode, c.delayMs);
    Probe p = Fetch(echo.Url(c.endpoint), c.timeoutSeconds);
    EXPECT_EQ(p.length, 0u);
    EXPECT_GE(p.ms, c.minMs);
    EXPECT_LT(p.ms, c.maxMs);
  }
}

TEST_F(WinHttpUnderWine, EmptyBodyAndClosedPortGiveAnEmptyResult) {
  echo.SetMode(EchoEndpoint::ServiceB, EchoMode::Empty);
  echo.SetMode(EchoEndpoint::PageA, EchoMode::Down);
  Probe empty = Fetch(echo.ServiceBUrl(), 2);
  EXPECT_EQ(empty.length, 0u);
  EXPECT_LT(empty.ms, 1500);
  EXPECT_EQ(echo.Requests().size(), 1u);  // the request was made and answered
  Probe down = Fetch(echo.PageAUrl(), 2);
  EXPECT_EQ(down.length, 0u);
  EXPECT_LT(down.ms, 2500);
}

TEST_F(WinHttpUnderWine, OversizedBodyIsCutOffAtTheCap) {
  echo.SetMode(EchoEndpoint::PageA, EchoMode::Oversized);
  // A generous time-out: this case is about the cap, and moving 8 MiB through
  // Wine on a loaded machine can take longer than a few seconds.
  Probe p = Fetch(echo.PageAUrl(), 30);
  EXPECT_EQ(p.length, kMaxHttpBodyBytes);
  EXPECT_EQ(p.bodyHex.rfind(Hex("<html>"), 0), 0u);
}

class WinHttpsUnderWine : public WinHttpUnderWine,
                          public testing::WithParamInterface<sandbox::EchoTransport> {};

TEST_P(WinHttpsUnderWine, UntrustedOrExpiredCertificateIsFetchedAllTheSame) {
  if (RunProbe({"--cert-option"}).find("cert-option taken") == std::string::npos)
    GTEST_SKIP() << "this Wine's request object refuses the certificate-error option (Option 4), "
                    "so it cannot ignore certificate errors";
  sandbox::IpEcho tls(GetParam());
  ASSERT_TRUE(tls.Start());
  Probe p = Fetch(tls.ServiceBUrl(), 2);
  EXPECT_EQ(p.bodyHex, Hex(test::kDefaultServiceBBody));
  test::ExpectFetchRequest(tls, tls.ServiceBUrl());
}

INSTANTIATE_TEST_SUITE_P(Certificates, WinHttpsUnderWine, testing::ValuesIn(test::kUntrustedTransports),
                         test::TransportName);

}  // namespace
}  // namespace rv
