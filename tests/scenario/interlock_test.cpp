// The option boxes that exclude one another, in both main windows.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "supervision/connect_flow.h"
#include "support/world.h"

namespace rv {
namespace {

constexpr const char* kRedial = "选择框_掉线重拨";
constexpr const char* kTimed = "选择框_定时连断";
constexpr const char* kCut = "选择框_是否断网";
constexpr const char* kAlarm = "选择框_掉线音效";
constexpr const char* kCycle = "选择框_服务器列表拨号";
constexpr const char* kFilter = "选择框_启动过滤重复ip";
constexpr const char* kTray = "选择框_连接成功系统托盘";

// Box states as a string of 0/1 in the order of `boxes`.
std::string States(Form& f, std::initializer_list<const char*> boxes) {
  std::string s;
  for (const char* b : boxes) s += f.Checked(b) ? '1' : '0';
  return s;
}

void Set(Form& f, std::initializer_list<const char*> boxes, const std::string& states) {
  size_t i = 0;
  for (const char* b : boxes) f.SetChecked(b, states[i++] == '1');
}

TEST(Interlocks, StaticWindowClicksAsTheUserMakesThem) {
  // Order of the states: redial, timed, cut, alarm.
  const struct {
    const char* before;
    const char* clicked;
    const char* after;
  } cases[] = {
      {"0111", kRedial, "1000"},
      {"1011", kTimed, "0100"},
      {"1100", kCut, "0011"},  // the alarm comes with the cut
      {"0000", kCut, "0011"},
      {"1100", kAlarm, "0001"},
      {"0111", kAlarm, "0110"},  // unticking the alarm changes nothing else (it was ticked)
      {"1011", kRedial, "0011"},  // unticked: nothing else
      {"0110", kTimed, "0010"},
      {"0011", kCut, "0001"},
  };
  for (const auto& c : cases) {
    test::World world;
    world.Start();
    Form& w = world.W("StaticLineWindow");
    Set(w, {kRedial, kTimed, kCut, kAlarm}, c.before);
    world.Click("StaticLineWindow", c.clicked);
    world.Run(10);
    EXPECT_EQ(States(w, {kRedial, kTimed, kCut, kAlarm}), c.after) << c.before << " " << c.clicked;
  }
}

// A window with the dynamic line's option boxes, for its rules.
constexpr ControlDef kDynamicBoxes[] = {
    {.name = kRedial, .kind = ControlKind::CheckBox, .parent = nullptr, .x = 0, .y = 0, .w = 9, .h = 9, .caption = ""},
    {.name = kTimed, .kind = ControlKind::CheckBox, .parent = nullptr, .x = 0, .y = 0, .w = 9, .h = 9, .caption = ""},
    {.name = kCut, .kind = ControlKind::CheckBox, .parent = nullptr, .x = 0, .y = 0, .w = 9, .h = 9, .caption = ""},
    {.name = kAlarm, .kind = ControlKind::CheckBox, .parent = nullptr, .x = 0, .y = 0, .w = 9, .h = 9, .caption = ""},
    {.name = kCycle, .kind = ControlKind::CheckBox, .parent = nullptr, .x = 0, .y = 0, .w = 9, .h = 9, .caption = ""},
    {.name = kFilter, .kind = ControlKind::CheckBox, .parent = nullptr, .x = 0, .y = 0, .w = 9, .h = 9, .caption = ""},
    {.name = kTray, .kind = ControlKind::CheckBox, .parent = nullptr, .x = 0, .y = 0, .w = 9, .h = 9, .caption = ""},
};
constexpr WindowDef kDynamicFixture = {
    .name = "DynamicLineWindow", .title = "", .width = 0, .height = 0, .designedVisible = true, .events = 0,
    .controls = kDynamicBoxes};

TEST(Interlocks, DynamicWindowRules) {
  // Order: redial, timed, cut, alarm, cycling, filter, tray. The box named
  // is already in its new state, as after the click's own toggle.
  const struct {
    const char* before;
    const char* clicked;
    const char* after;
  } cases[] = {
      {"1111111", kRedial, "1000001"},
      {"1111111", kTimed, "0100110"},
      {"0000100", kTimed, "0000000"},  // unticked: list cycling goes too
      {"1111111", kCut, "0011001"},
      {"0010000", kCut, "0011000"},
      {"1111111", kAlarm, "0011001"},
      {"0111111", kRedial, "0111111"},
      {"1100111", kAlarm, "1100111"},  // unticked alarm: nothing
  };
  std::map<std::string, const InterlockRule*> rules;
  for (const InterlockRule& r : InterlockRules())
    if (std::string(r.window) == "DynamicLineWindow") rules[r.box] = &r;
  ASSERT_EQ(rules.size(), 4u);
  for (const auto& c : cases) {
    Form f(kDynamicFixture, 1);
    Set(f, {kRedial, kTimed, kCut, kAlarm, kCycle, kFilter, kTray}, c.before);
    ApplyInterlock(f, *rules.at(c.clicked));
    EXPECT_EQ(States(f, {kRedial, kTimed, kCut, kAlarm, kCycle, kFilter, kTray}), c.after)
        << c.before << " " << c.clicked;
  }
}

}  // namespace
}  // namespace rv
