// The sandbox provider's wire format: words survive any bytes, and a reply
// without its closing line is no reply.
#include <gtest/gtest.h>

#include "platform/sandbox/sandbox_wire.h"

namespace rv::sandbox_wire {
namespace {

TEST(SandboxWire, WordsOfAnyBytesSurviveALine) {
  const Words words = {"connection", "372752", "ip连接【客服QQ】拨号 1", "a%b+c&d=e\n\r\tf", ""};
  auto reply = ParseReply(Line(words) + "end\n");
  ASSERT_TRUE(reply);
  ASSERT_EQ(reply->size(), 1u);
  // An empty word leaves no trace between the spaces.
  EXPECT_EQ(reply->front(), (Words{words[0], words[1], words[2], words[3]}));
}

TEST(SandboxWire, UrlsCarryEncodedParameters) {
  EXPECT_EQ(Url("http://127.0.0.1:18780/", "/ras/dial", {{"entry", "拨号 1"}, {"user", "a&b"}}),
            "http://127.0.0.1:18780/ras/dial?entry=%E6%8B%A8%E5%8F%B7%201&user=a%26b");
  EXPECT_EQ(Url("http://h", "/ras/entries", {}), "http://h/ras/entries");
}

TEST(SandboxWire, DecodeLeavesMalformedEscapesAsTheyAre) {
  EXPECT_EQ(Decode("a+b%20c%2"), "a b c%2");
  EXPECT_EQ(Decode("%zz%4"), "%zz%4");
  EXPECT_EQ(Decode("%e6%8b%a8"), "拨");
}

struct ReplyCase {
  const char* body;
  bool valid;
  size_t lines;
};

TEST(SandboxWire, AReplyIsOnlyWholeWithItsClosingLine) {
  const ReplyCase cases[] = {
      {"end\n", true, 0},
      {"result 0\nend\n", true, 1},
      {"result 0\r\nend\r\n", true, 1},
      {"a\n\nb\nend\nignored after end", true, 3},
      {"", false, 0},
      {"result 0\n", false, 0},
      {"result 0\nen", false, 0},
      {"<html>error</html>", false, 0},
  };
  for (const ReplyCase& c : cases) {
    SCOPED_TRACE(c.body);
    auto reply = ParseReply(c.body);
    ASSERT_EQ(reply.has_value(), c.valid);
    if (reply) {
      EXPECT_EQ(reply->size(), c.lines);
    }
  }
  std::string many;
  for (int i = 0; i < 10; ++i) many += "x\n";
  EXPECT_FALSE(ParseReply(many + "end\n", 5));
}

TEST(SandboxWire, NumbersAreDecimalAndBounded) {
  uint64_t v = 0;
  EXPECT_TRUE(ParseNumber("18446744073709551615", &v));
  EXPECT_EQ(v, UINT64_MAX);
  for (const char* bad : {"", "-1", "1x", " 1", "18446744073709551616", "0x10"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParseNumber(bad, &v));
  }
}

}  // namespace
}  // namespace rv::sandbox_wire
