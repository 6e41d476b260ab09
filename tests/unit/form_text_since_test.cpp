// What a view lacks of a control's text: only the appended tail, or the
// whole text once it was replaced.
#include <gtest/gtest.h>

#include "ui/form.h"

namespace rv {
namespace {

constexpr ControlDef kControls[] = {
    {.name = "log", .kind = ControlKind::Edit, .parent = nullptr, .x = 0, .y = 0, .w = 10, .h = 10, .caption = "head\r\n",
     .flags = kMultiline},
};
const WindowDef kWindow = {.name = "W", .title = "W", .width = 100, .height = 100, .designedVisible = true,
                           .events = 0, .controls = kControls};

TEST(FormTextSince, AppendsGiveTheTailReplacementsTheWholeText) {
  Form form(kWindow, 1);
  Form::TextUpdate shown = form.TextSince(0, 0, 0);
  EXPECT_FALSE(shown.replaced);
  EXPECT_EQ(shown.text, "head\r\n");

  form.Append("log", "a\r\n");
  form.Append("log", "b\r\n");
  Form::TextUpdate tail = form.TextSince(0, shown.generation, shown.length);
  EXPECT_FALSE(tail.replaced);
  EXPECT_EQ(tail.text, "a\r\nb\r\n");
  EXPECT_EQ(tail.length, 12u);

  Form::TextUpdate nothing = form.TextSince(0, tail.generation, tail.length);
  EXPECT_FALSE(nothing.replaced);
  EXPECT_TRUE(nothing.text.empty());

  form.SetText("log", "new");
  Form::TextUpdate whole = form.TextSince(0, tail.generation, tail.length);
  EXPECT_TRUE(whole.replaced);
  EXPECT_EQ(whole.text, "new");
  EXPECT_NE(whole.generation, tail.generation);
}

TEST(FormTextSince, AViewAheadOfTheTextGetsItWhole) {
  Form form(kWindow, 1);
  Form::TextUpdate u = form.TextSince(0, 0, 1000);  // claims more than there is
  EXPECT_TRUE(u.replaced);
  EXPECT_EQ(u.text, "head\r\n");
}

TEST(FormSnapshotWithoutText, CarriesTheStateButNotTheText) {
  Form form(kWindow, 1);
  form.SetEnabled("log", false);
  form.SetTextColor("log", kRed);
  ControlState s = form.SnapshotWithoutText(0);
  EXPECT_TRUE(s.text.empty());
  EXPECT_FALSE(s.enabled);
  EXPECT_EQ(s.textColor, kRed);
  EXPECT_EQ(s.def, &kControls[0]);
}

}  // namespace
}  // namespace rv
