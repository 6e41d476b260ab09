// The sandbox's command script, as a test run or a person drives it.
#include "sandbox/echo_commands.h"

#include <gtest/gtest.h>

#include "iplookup/http_client.h"
#include "platform/posix/http_curl.h"

namespace rv::sandbox {
namespace {

TEST(EchoCommands, ChangeWhatTheSitesReportAndHowTheyAnswer) {
  IpEcho echo;
  ASSERT_TRUE(echo.Start());
  CurlHttp curl;
  EXPECT_EQ(RunEchoCommand(echo, "address 9.8.7.6 北京 联通"), "ok");
  EXPECT_EQ(FetchUrl(&curl, echo.ServiceBUrl(), 2), "var ipInfo = {ip:'9.8.7.6',address:'北京 联通'};");
  EXPECT_EQ(RunEchoCommand(echo, "mode service-b empty"), "ok");
  EXPECT_EQ(FetchUrl(&curl, echo.ServiceBUrl(), 2), "");
  std::string listing = RunEchoCommand(echo, "requests");
  EXPECT_TRUE(listing.starts_with("request service-b\nGET /getip.aspx HTTP/1.1\r\n")) << listing;
  EXPECT_TRUE(listing.ends_with("\r\n\r\nend")) << listing;
  EXPECT_EQ(RunEchoCommand(echo, "clear"), "ok");
  EXPECT_EQ(RunEchoCommand(echo, "requests"), "end");
}

TEST(EchoCommands, RejectWhatTheyDoNotKnow) {
  IpEcho echo;
  EXPECT_EQ(RunEchoCommand(echo, "mode page-b silent"), "error: unknown endpoint 'page-b'");
  EXPECT_EQ(RunEchoCommand(echo, "mode frame asleep"), "error: unknown mode 'asleep'");
  EXPECT_EQ(RunEchoCommand(echo, "mode frame slow -5"), "error: negative delay");
  EXPECT_EQ(RunEchoCommand(echo, "address"), "error: address missing");
  EXPECT_EQ(RunEchoCommand(echo, "reboot"), "error: unknown command 'reboot'");
}

}  // namespace
}  // namespace rv::sandbox
