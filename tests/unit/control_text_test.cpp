#include "supervision/control_text.h"

#include <gtest/gtest.h>

namespace rv {
namespace {

TEST(TrimSpaces, RemovesAsciiAndFullWidthSpacesAtBothEnds) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"连接成功", "连接成功"},
      {"  连接成功 ", "连接成功"},
      {"\xE3\x80\x80连接成功\xE3\x80\x80 \xE3\x80\x80", "连接成功"},
      {"\t 1.2.3.4 \t", "1.2.3.4"},
      {"a b\xE3\x80\x80" "c", "a b\xE3\x80\x80" "c"},  // inner spaces stay
      {"   ", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(TrimSpaces(c.in), c.out) << c.in;
}

TEST(DecimalValue, ReadsTheLeadingNumberAndCountsNoNumberAsZero) {
  const struct {
    const char* in;
    double out;
  } cases[] = {
      {"0.5", 0.5},       {"  2", 2},         {"0.0001", 0.0001}, {"0.00005", 0.00005},
      {"19.9999", 19.9999}, {"30秒", 30},      {"-3", -3},         {"+4.5", 4.5},
      {".25", 0.25},      {"7.", 7},          {"1e3", 1000},      {"2e", 2},
      {"3e+", 3},         {"abc", 0},         {"", 0},            {".", 0},
      {"-", 0},           {"1.5.6", 1.5},     {"1e999", 1e300},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(DecimalValue(c.in), c.out) << c.in;
}

TEST(SecondsToMs, TruncatesTowardZeroAndStaysWithinAWait) {
  EXPECT_EQ(SecondsToMs(0.5), 500);
  EXPECT_EQ(SecondsToMs(0.01), 10);
  EXPECT_EQ(SecondsToMs(0.001), 1);
  EXPECT_EQ(SecondsToMs(0.0009), 0);
  EXPECT_EQ(SecondsToMs(0.0001), 0);
  EXPECT_EQ(SecondsToMs(-2), 0);
  EXPECT_EQ(SecondsToMs(1e300), kMaxWaitMs);
}

}  // namespace
}  // namespace rv
