#pragma once
// What the HTTP tests of both builds expect of a fetch from the sandbox's
// echo sites (header-only: the host and the Wine test binaries share it).
#include <gtest/gtest.h>

#include <array>

#include "iplookup/http_client.h"
#include "sandbox/ip_echo.h"

namespace rv::test {

// Service B's body for the sandbox's default address and region.
inline constexpr const char* kDefaultServiceBBody = "var ipInfo = {ip:'1.2.3.4',address:'沙盒市 本地网'};";

// The one request the echo received was a GET of `url` carrying the
// request headers of FetchUrl in their order (other headers may come between).
inline void ExpectFetchRequest(sandbox::IpEcho& echo, const std::string& url) {
  auto requests = echo.Requests();
  ASSERT_EQ(requests.size(), 1u);
  const std::string path = url.substr(url.find('/', url.find("//") + 2));
  EXPECT_EQ(requests[0].requestLine, "GET " + path + " HTTP/1.1");
  const HttpHeaders expected = FetchHeaders(url);
  HttpHeaders ours;
  for (const auto& h : requests[0].headers)
    for (const auto& e : expected)
      if (h.first == e.first) ours.push_back(h);
  EXPECT_EQ(ours, expected) << requests[0].raw;
}

// Requests that get no whole answer: each ends with an empty body after about
// its time-out (0 standing for 15 seconds).
struct TimeOutCase {
  const char* what;
  sandbox::EchoEndpoint endpoint;
  sandbox::EchoMode mode;
  int delayMs;
  int timeoutSeconds;
  int minMs, maxMs;
};
inline constexpr TimeOutCase kTimeOutCases[] = {
    {"silent", sandbox::EchoEndpoint::Frame, sandbox::EchoMode::Silent, 0, 1, 900, 2500},
    {"trickling", sandbox::EchoEndpoint::PageA, sandbox::EchoMode::Trickle, 100, 1, 900, 2500},
    {"silent, time-out 0", sandbox::EchoEndpoint::ServiceB, sandbox::EchoMode::Silent, 0, 0, 14500, 17000},
};

// HTTPS endpoints no client trusts, and the names of their test cases.
inline constexpr std::array<sandbox::EchoTransport, 2> kUntrustedTransports = {
    sandbox::EchoTransport::HttpsSelfSigned, sandbox::EchoTransport::HttpsExpired};
inline std::string TransportName(const testing::TestParamInfo<sandbox::EchoTransport>& info) {
  return info.param == sandbox::EchoTransport::HttpsExpired ? "Expired" : "SelfSigned";
}

}  // namespace rv::test
