// Fault repair from the windows' buttons, on the simulated Remote Access Service.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/connection_title.h"
#include "support/message_line_recorder.h"
#include "support/world.h"

namespace rv {
namespace {

using test::World;

constexpr const char* kMessage = "编辑框_接收信息";
constexpr const char* kDone = "自动修复故障已完成，请连接使用！";

std::vector<std::string> PhonebookToolCommands(World& w) {
  std::vector<std::string> out;
  for (auto& c : w.process.Commands())
    if (c.rfind("rasphone", 0) == 0) out.push_back(c);
  return out;
}

TEST(FaultRepair, WithNothingLeftOnlyRaisesTheSuffix) {
  World w;
  w.ras.AddDefaultEntry("某个别的连接");
  w.Start(Edition::Static);
  test::MessageLineRecorder recorder(w.W("StaticLineWindow"));
  w.Click("StaticLineWindow", "按钮_修复故障");
  ASSERT_TRUE(w.RunUntilText("StaticLineWindow", kMessage, kDone));
  EXPECT_EQ(recorder.Texts(), (std::vector<std::string>{"正在自动修复中...", kDone}));
  EXPECT_EQ(w.app.state.staticEntrySuffix.Get(), "2");
  EXPECT_TRUE(PhonebookToolCommands(w).empty());
  EXPECT_TRUE(w.ras.HangUps().empty());
}

TEST(FaultRepair, LeftoverEntriesAreHungUpAndRemovedUpTo51) {
  World w;
  for (const char* n : {"7", "51", "52", "0"}) w.ras.AddDefaultEntry(EntryName(n));
  w.Start(Edition::Static);
  w.Click("StaticLineWindow", "按钮_修复故障");
  ASSERT_TRUE(w.RunUntilText("StaticLineWindow", kMessage, kDone));
  EXPECT_EQ(PhonebookToolCommands(w),
            (std::vector<std::string>{"rasphone -h " + EntryName("7"), "rasphone -r " + EntryName("7"),
                                      "rasphone -h " + EntryName("51"), "rasphone -r " + EntryName("51")}));
  EXPECT_EQ(w.ras.HangUps().size(), 2u);  // the current connection, once per leftover entry
  w.Run(1000);
  EXPECT_EQ(w.ras.DefaultEntries(), (std::vector<std::string>{EntryName("0"), EntryName("52")}));
}

TEST(FaultRepair, SuffixGoesUpByOneWithoutWrapping) {
  const std::pair<const char*, const char*> cases[] = {
      {"10", "11"}, {"50", "51"}, {"51", "52"}, {"", "1"}, {"abc", "1"}};
  for (auto [before, after] : cases) {
    SCOPED_TRACE(before);
    World w;
    w.Start(Edition::Dynamic);
    w.app.state.dynamicEntrySuffix.Set(before);
    w.Click("DynamicLineWindow", "按钮_修复故障");
    ASSERT_TRUE(w.RunUntilText("DynamicLineWindow", kMessage, kDone));
    EXPECT_EQ(w.app.state.dynamicEntrySuffix.Get(), after);
    EXPECT_EQ(w.app.state.staticEntrySuffix.Get(), "1");
  }
}

TEST(FaultRepair, AdvancedWindowRepairsTheDynamicLineAndTwoPressesRaiseTwice) {
  World w;
  w.Start(Edition::Dynamic);
  w.OnUi([&] { w.app.forms.Load("AdvancedSettingsWindow"); });
  w.Run(0);
  w.Click("AdvancedSettingsWindow", "按钮_修复故障");
  w.Click("DynamicLineWindow", "按钮_修复故障");
  ASSERT_TRUE(w.RunUntilText("DynamicLineWindow", kMessage, kDone));
  w.Run(1000);
  EXPECT_EQ(w.app.state.dynamicEntrySuffix.Get(), "3");
}

}  // namespace
}  // namespace rv
