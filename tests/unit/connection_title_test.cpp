#include "app/connection_title.h"

#include <gtest/gtest.h>

namespace rv {
namespace {

TEST(EntrySuffix, AfterAFailedDial) {
  const std::pair<const char*, const char*> cases[] = {
      {"1", "2"}, {"9", "10"}, {"10", "1"}, {"11", "12"}, {"19", "20"}, {"20", "1"},
      {"49", "50"}, {"50", "1"}, {"51", "52"}, {"", "1"}, {"x", "1"}};
  for (auto [from, to] : cases) EXPECT_EQ(NextSuffixAfterFailure(from), to) << from;
}

TEST(EntrySuffix, RepairAddsOneWithoutWrapping) {
  const std::pair<const char*, const char*> cases[] = {
      {"1", "2"}, {"10", "11"}, {"20", "21"}, {"50", "51"}, {"", "1"}, {"abc", "1"}};
  for (auto [from, to] : cases) EXPECT_EQ(NextSuffixForRepair(from), to) << from;
}

TEST(EntrySuffix, EntryNameIsTitleThenSuffix) {
  EXPECT_EQ(EntryName("7"), std::string(kConnectionTitle) + "7");
  EXPECT_EQ(std::string(kConnectionTitle).rfind("ip连接【客服QQ", 0), 0u);
  EXPECT_TRUE(std::string(kConnectionTitle).ends_with("】拨号"));
}

}  // namespace
}  // namespace rv
