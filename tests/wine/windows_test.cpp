// Each window of the Windows program, opened as a user opens it: a
// screenshot under the build folder, and every control read back by name
// and found as its table declares it.
#include <fstream>

#include "ui/form.h"
#include "wine/wine_session.h"

namespace rv::wine {
namespace {

struct WindowCase {
  const char* edition;
  const char* window;
  const char* open;  // driver command on the main window that opens it; nullptr: the main window
};

const WindowCase kWindows[] = {
    {"static", "StaticLineWindow", nullptr},
    {"static", "DialErrorHelpWindow", "click 按钮_拨号问题汇总"},
    {"dynamic", "DynamicLineWindow", nullptr},
    {"dynamic", "AdvancedSettingsWindow", "click 按钮_高级设置"},
    {"dynamic", "TopUpWindow", "menu 菜 单/自助订购-即时到账"},
};

// Position of a control in the window's client area: its table position
// plus those of the group boxes around it.
Form::Rect Absolute(const WindowDef& def, const ControlDef& c) {
  Form::Rect r{c.x, c.y, c.w, c.h};
  for (const char* parent = c.parent; parent;) {
    const ControlDef* p = nullptr;
    for (const ControlDef& other : def.controls)
      if (std::string(other.name) == parent) p = &other;
    if (!p) break;
    r.x += p->x;
    r.y += p->y;
    parent = p->parent;
  }
  return r;
}

bool ShowsCaption(ControlKind k) {
  return k != ControlKind::ListView && k != ControlKind::VScrollBar && k != ControlKind::PictureBox &&
         k != ControlKind::StatusBar && k != ControlKind::Balloon;
}

void ExpectControlsAsDeclared(Driver& driver, const WindowDef& def) {
  DriverReply info = driver.Call("window-info");
  EXPECT_EQ(info.Value("title"), def.title);
  EXPECT_EQ(info.Int("w"), def.width);
  EXPECT_EQ(info.Int("h"), def.height);
  for (size_t i = 0; i < def.controls.size(); ++i) {
    const ControlDef& c = def.controls[i];
    SCOPED_TRACE(c.name);
    DriverReply got = driver.Call(std::string("get ") + c.name);
    ASSERT_TRUE(got.ok) << got.error;
    if (c.kind == ControlKind::Balloon) continue;  // a popup of the window, not a child
    EXPECT_EQ(got.Int("id"), 1000 + static_cast<int>(i));
    EXPECT_EQ(got.Value("enabled"), "1");
    EXPECT_EQ(got.Value("visible"), (c.flags & kHidden) ? "0" : "1");
    if (c.kind == ControlKind::StatusBar) {
      EXPECT_EQ(got.Value("text"), c.panes.empty() ? "" : c.panes[0].caption);
      continue;
    }
    const Form::Rect r = Absolute(def, c);
    EXPECT_EQ(got.Int("x"), r.x);
    EXPECT_EQ(got.Int("y"), r.y);
    EXPECT_EQ(got.Int("w"), r.w);
    EXPECT_EQ(got.Int("h"), r.h);
    if (ShowsCaption(c.kind)) {
      EXPECT_EQ(got.Value("text"), c.caption ? c.caption : "");
    }
    if (c.kind == ControlKind::CheckBox || c.kind == ControlKind::Radio) {
      EXPECT_EQ(got.Value("checked"), (c.flags & kChecked) ? "1" : "0");
    }
    if (c.kind == ControlKind::ListView) {
      DriverReply columns = driver.Call(std::string("columns ") + c.name);
      ASSERT_EQ(columns.lines.size(), c.columns.size());
      for (size_t k = 0; k < c.columns.size(); ++k)
        EXPECT_EQ(columns.lines[k], std::string(c.columns[k].caption) + "\t" + std::to_string(c.columns[k].width));
    }
  }
}

// Width and height from a PNG file's header; 0, 0 when it is no PNG.
std::pair<int, int> PngSize(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  unsigned char h[24] = {};
  in.read(reinterpret_cast<char*>(h), sizeof h);
  if (!in || h[1] != 'P' || h[2] != 'N' || h[3] != 'G') return {0, 0};
  auto be = [&](int o) { return (h[o] << 24) | (h[o + 1] << 16) | (h[o + 2] << 8) | h[o + 3]; };
  return {be(16), be(20)};
}

TEST_F(WineSession, EveryWindowReadsBackAsDeclaredAndIsScreenshotted) {
  for (const WindowCase& c : kWindows) {
    SCOPED_TRACE(c.window);
    const WindowDef* def = FindWindowDef(c.window);
    ASSERT_NE(def, nullptr);
    StartProgram(c.edition);
    const WindowDef* main = FindWindowDef(c.edition == std::string("static") ? "StaticLineWindow" : "DynamicLineWindow");
    DriverReply w = WaitWindow(main->name);
    ASSERT_TRUE(w.ok) << w.error;
    if (c.open) {
      DriverReply opened = Call(c.open);
      ASSERT_TRUE(opened.ok) << opened.error;
      w = WaitWindow(c.window);
      ASSERT_TRUE(w.ok) << w.error;
    }
    ExpectControlsAsDeclared(*driver_, *def);
    const std::string png = ArtifactDir() + "/" + c.window + ".png";
    DriverReply shot = Call("screenshot " + WindowsPath(png));
    ASSERT_TRUE(shot.ok) << shot.error;
    EXPECT_EQ(PngSize(png), std::make_pair(def->width, def->height));
    program_.reset();
  }
}

}  // namespace
}  // namespace rv::wine
