// The interval boxes checked when they lose the focus.
#include <gtest/gtest.h>

#include "support/world.h"

namespace rv {
namespace {

TEST(Validators, IntervalsBelowTheirLeastValueAreResetWithANotice) {
  const struct {
    const char* box;
    const char* typed;
    const char* shown;  // after the focus left
    const char* notice;  // empty: accepted
  } cases[] = {
      {"编辑框_监控时间秒", "0.00005", "0.1", "不能小于0.0001秒！请重填时间，建议0.01秒以上!"},
      {"编辑框_监控时间秒", "0.0001", "0.0001", ""},
      {"编辑框_监控时间秒", "0.01", "0.01", ""},
      {"编辑框_监控时间秒", "abc", "0.1", "不能小于0.0001秒！请重填时间，建议0.01秒以上!"},
      {"编辑框_连断时间秒", "19.9999", "30", "不能小于20秒！请重填大于等于20秒的时间，建议30秒以上!"},
      {"编辑框_连断时间秒", "20", "20", ""},
      {"编辑框_连断时间秒", "", "30", "不能小于20秒！请重填大于等于20秒的时间，建议30秒以上!"},
      {"编辑框_连断时间秒", " 45秒", " 45秒", ""},
  };
  for (const auto& c : cases) {
    test::World world;
    world.Start();
    world.Type("StaticLineWindow", c.box, c.typed);
    world.Leave("StaticLineWindow", c.box);
    world.Run(10);
    EXPECT_EQ(world.Text("StaticLineWindow", c.box), c.shown) << c.typed;
    const auto boxes = world.dialogs->Boxes();
    if (*c.notice) {
      ASSERT_EQ(boxes.size(), 1u) << c.typed;
      EXPECT_EQ(boxes[0].text, c.notice);
      EXPECT_EQ(boxes[0].title, "特别提示");
    } else {
      EXPECT_TRUE(boxes.empty()) << c.typed;
    }
  }
}

}  // namespace
}  // namespace rv
