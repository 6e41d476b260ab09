// sandbox.ini: sandbox mode unless it is turned off, a provider on loopback
// only, the folder beside the program, and the echo sites after the port.
#include <gtest/gtest.h>

#include "platform/sandbox/sandbox_settings.h"

namespace rv {
namespace {

constexpr const char* kDir = "Z:\\tmp\\app";

TEST(SandboxSettings, NoFileIsSandboxModeOnTheDefaultPort) {
  SandboxSettings s = ParseSandboxSettings("", kDir);
  EXPECT_TRUE(s.enabled);
  EXPECT_EQ(s.provider, "http://127.0.0.1:18780");
  EXPECT_EQ(s.folder, "Z:\\tmp\\app\\sandbox");
  EXPECT_EQ(s.ipEchoPageA, "http://127.0.0.1:18781/");
  EXPECT_EQ(s.ipEchoServiceB, "http://127.0.0.1:18783/getip.aspx");
}

TEST(SandboxSettings, KeysOfTheSandboxSectionAreRead) {
  SandboxSettings s = ParseSandboxSettings(
      "\xEF\xBB\xBF; written by the tests\r\n[Other]\r\nProvider=http://127.0.0.1:1\r\n"
      "[ sandbox ]\r\n  provider = http://127.0.0.1:40100/ \r\nFOLDER=D:\\沙盒\\\r\n"
      "IpEchoServiceB=http://127.0.0.1:40200/getip.aspx\r\n",
      kDir);
  EXPECT_TRUE(s.enabled);
  EXPECT_EQ(s.provider, "http://127.0.0.1:40100");
  EXPECT_EQ(s.folder, "D:\\沙盒");
  EXPECT_EQ(s.ipEchoPageA, "http://127.0.0.1:40101/");
  EXPECT_EQ(s.ipEchoServiceB, "http://127.0.0.1:40200/getip.aspx");
}

TEST(SandboxSettings, EnabledIsOffOnlyWhenSaidSo) {
  for (const char* off : {"0", "no", "False", "OFF"})
    EXPECT_FALSE(ParseSandboxSettings(std::string("[Sandbox]\nEnabled=") + off + "\n", kDir).enabled) << off;
  for (const char* on : {"1", "yes", "", "maybe"})
    EXPECT_TRUE(ParseSandboxSettings(std::string("[Sandbox]\nEnabled=") + on + "\n", kDir).enabled) << on;
}

TEST(SandboxSettings, AProviderOrSiteOffThisMachineIsNeverTaken) {
  SandboxSettings s = ParseSandboxSettings(
      "[Sandbox]\nProvider=http://10.0.0.1:18780\nIpEchoPageA=http://ip.example/\nFolder=box\n", kDir);
  EXPECT_EQ(s.provider, "http://127.0.0.1:18780");
  EXPECT_EQ(s.ipEchoPageA, "http://127.0.0.1:18781/");
  EXPECT_EQ(s.folder, "Z:\\tmp\\app\\box");
}

TEST(SandboxSettings, LoopbackPortsAreReadStrictly) {
  EXPECT_EQ(LoopbackPort("http://127.0.0.1:80"), 80);
  EXPECT_EQ(LoopbackPort("http://127.0.0.1:65535/x"), 65535);
  for (const char* bad : {"http://127.0.0.1", "http://127.0.0.1:", "http://127.0.0.1:0", "http://127.0.0.1:65536",
                          "http://127.0.0.1:80x", "http://127.0.0.10:80", "https://127.0.0.1:80",
                          "http://127.0.0.1:0000080"})
    EXPECT_EQ(LoopbackPort(bad), 0) << bad;
}

}  // namespace
}  // namespace rv
