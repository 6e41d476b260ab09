// The help windows and menus of the static window as a user meets them:
// the menu bar dropped down, the disclaimer notice, the dial-error help
// window blocking the main window, and the picture window scrolled to its
// end, its pixels compared with the embedded picture as ImageMagick decodes
// it on the host. One program start for all of it.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "ui/help_pictures.h"
#include "ui/notices.h"
#include "wine/wine_session.h"

namespace rv::wine {
namespace {

namespace fs = std::filesystem;

constexpr int kBoxLeft = 26, kBoxWidth = 835, kBoxHeight = 5900, kEndPosition = 5364;

std::string Convert() { return access("/usr/bin/convert", X_OK) == 0 ? "/usr/bin/convert" : "convert"; }

// Raw RGB bytes of an ImageMagick pipeline `args` (input and operators),
// empty when convert fails.
std::string RgbOf(const std::string& args) {
  const std::string out = fs::temp_directory_path() / ("rv-help-" + std::to_string(getpid()) + ".rgb");
  const std::string command = Convert() + " " + args + " -depth 8 rgb:" + out + " 2>/dev/null";
  if (std::system(command.c_str()) != 0) return {};
  std::ifstream in(out, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  fs::remove(out);
  return bytes;
}

struct Area {
  int x, y, w, h;
  std::string Crop() const {
    return " -crop " + std::to_string(w) + "x" + std::to_string(h) + "+" + std::to_string(x) + "+" +
           std::to_string(y) + " +repage";
  }
};

struct Rgb {
  int r, g, b;
};

Rgb PixelOf(const std::string& png, int x, int y) {
  std::string p = RgbOf(png + Area{x, y, 1, 1}.Crop());
  if (p.size() != 3) return {-1, -1, -1};
  return {static_cast<unsigned char>(p[0]), static_cast<unsigned char>(p[1]), static_cast<unsigned char>(p[2])};
}

// How far two RGB images of one size are apart: the share of channel values
// more than `tolerance` apart (two JPEG decoders may round a little
// differently), and the largest difference.
struct Difference {
  double farShare = 1;
  int largest = 255;
};

Difference Compare(const std::string& a, const std::string& b, int tolerance) {
  if (a.empty() || a.size() != b.size()) return {};
  size_t far = 0;
  int largest = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    int d = std::abs(static_cast<unsigned char>(a[i]) - static_cast<unsigned char>(b[i]));
    largest = std::max(largest, d);
    if (d > tolerance) ++far;
  }
  return {static_cast<double>(far) / static_cast<double>(a.size()), largest};
}

class HelpWindows : public WineSession {
 protected:
  void Select(const std::string& window) { ASSERT_TRUE(Call("find-window " + window).ok) << window; }

  bool Enabled(const std::string& window) {
    Call("find-window " + window);
    return Call("window-info").Value("enabled") == "1";
  }

  std::string Shot(const std::string& name) {
    const std::string png = ArtifactDir() + "/" + name + ".png";
    fs::remove(png);
    DriverReply shot = Call("screenshot " + WindowsPath(png));
    EXPECT_TRUE(shot.ok) << shot.error;
    return png;
  }

  // Scrolls the picture window as a dragged thumb and waits until the
  // picture box has moved up to minus the position.
  void ScrollTo(int position) {
    ASSERT_TRUE(Call("scroll 纵向滚动条1 " + std::to_string(position)).ok);
    int top = 0;
    for (int i = 0; i < 100; ++i) {
      top = Call("get 图片框1").Int("y");
      if (top == -position) break;
      Call("sleep 50");
    }
    ASSERT_EQ(top, -position);
    EXPECT_EQ(Call("get 纵向滚动条1").Value("scroll"), "0,5364," + std::to_string(position));
  }

  // The picture window, scrolled to `position`, shows the picture from its
  // row `position`: the embedded picture placed at the top left of an
  // 835 × 5900 box (cut there) on the window's background, the box's top at
  // minus `position`, and nothing of the picture below or right of the box.
  void ExpectShowsPictureFrom(const std::string& png, const std::string& picture, int position) {
    DriverReply info = Call("window-info");
    const int cx = info.Int("client-x"), cy = info.Int("client-y"), ch = info.Int("client-h");
    const Rgb bg = PixelOf(png, cx + 5, cy + 5);  // left of the box: the window's own background
    ASSERT_GE(bg.r, 0) << "cannot read " << png;
    const std::string colour = "'rgb(" + std::to_string(bg.r) + "," + std::to_string(bg.g) + "," +
                               std::to_string(bg.b) + ")'";
    auto plain = [&](int w, int h) { return RgbOf("-size " + std::to_string(w) + "x" + std::to_string(h) + " xc:" + colour); };
    // Client rows first .. last-1 show box rows first+position ..
    const int first = std::max(0, -position), last = std::min(ch, kBoxHeight - position), rows = last - first;
    ASSERT_GT(rows, 0);
    const std::string source = fs::absolute(std::string(ROVANTA_SOURCE_DIR) + "/resources/files/" + picture);
    const std::string want = RgbOf(source + " -background " + colour + " -gravity NorthWest -extent " +
                                   std::to_string(kBoxWidth) + "x" + std::to_string(kBoxHeight) +
                                   Area{0, first + position, kBoxWidth, rows}.Crop());
    ASSERT_EQ(want.size(), static_cast<size_t>(kBoxWidth) * rows * 3) << "cannot decode " << source;
    const Difference d = Compare(RgbOf(png + Area{cx + kBoxLeft, cy + first, kBoxWidth, rows}.Crop()), want, 24);
    EXPECT_LT(d.farShare, 0.005) << "largest difference " << d.largest << " at position " << position;
    // The gap between the box and the scroll bar, and the rows under the
    // box's bottom edge, show the background only.
    EXPECT_EQ(Compare(RgbOf(png + Area{cx + kBoxLeft + kBoxWidth, cy + first, 2, rows}.Crop()), plain(2, rows), 0).largest, 0)
        << "picture shows right of the box at position " << position;
    if (last < ch) {
      EXPECT_EQ(Compare(RgbOf(png + Area{cx + kBoxLeft, cy + last, kBoxWidth, ch - last}.Crop()), plain(kBoxWidth, ch - last), 0).largest, 0)
          << "picture shows below the box at position " << position;
    }
  }
};

TEST_F(HelpWindows, MenusNoticeModalHelpAndThePictureScrolledToItsEnd) {
  StartProgram("static");
  ASSERT_TRUE(WaitWindow("StaticLineWindow").ok);

  // The first menu dropped down over the window, for the screenshot.
  DriverReply menu = Call("menu-open 0");
  ASSERT_TRUE(menu.ok) << menu.error;
  EXPECT_GT(menu.Int("h"), 40) << "three items";
  Shot("StaticLineWindow-menu");
  ASSERT_TRUE(Call("menu-close").ok);

  // The disclaimer, first variant, as the table has it: plain, one button.
  ASSERT_TRUE(Call("menu 免责声明/用前必看").ok);
  DriverReply box = Call("notice 20000 none");
  ASSERT_TRUE(box.ok) << box.error;
  EXPECT_EQ(box.Value("title"), kDisclaimerFirst.title);
  EXPECT_EQ(box.Value("text"), kDisclaimerFirst.text);
  EXPECT_EQ(box.Value("icon"), "0");
  EXPECT_EQ(box.Value("buttons"), "1");
  ASSERT_TRUE(Call("select-notice 1000").ok);
  Shot("DisclaimerNotice");
  Select("StaticLineWindow");
  ASSERT_TRUE(Call("notice 1000").ok);
  ASSERT_TRUE(Call("wait-gone " + std::string(kDisclaimerFirst.title) + " 10000").ok);

  // DialErrorHelpWindow is modal: the main window takes no input meanwhile.
  ASSERT_TRUE(Call("click 按钮_拨号问题汇总").ok);
  ASSERT_TRUE(WaitWindow("DialErrorHelpWindow").ok);
  EXPECT_FALSE(Enabled("StaticLineWindow"));
  Select("DialErrorHelpWindow");
  EXPECT_TRUE(Call("window-info").Value("enabled") == "1");

  ASSERT_TRUE(Call("click 按钮_错误总代码").ok);
  ASSERT_TRUE(WaitWindow("StaticPictureHelpWindow").ok);
  EXPECT_EQ(Call("window-info").Value("enabled"), "1") << "opened from the modal window, it takes input";
  DriverReply box1 = Call("get 图片框1");
  EXPECT_EQ(box1.Int("y"), 16) << "the designed top until the first scroll";
  EXPECT_EQ(box1.Int("w"), kBoxWidth);
  EXPECT_EQ(box1.Int("h"), kBoxHeight);
  ExpectShowsPictureFrom(Shot("StaticPictureHelpWindow-top"), pictures::kDialErrors, -16);

  // Half way into the picture, then at the end: the last 536 rows of the box.
  ScrollTo(1400);
  ExpectShowsPictureFrom(Shot("StaticPictureHelpWindow-1400"), pictures::kDialErrors, 1400);
  ScrollTo(kEndPosition);
  ExpectShowsPictureFrom(Shot("StaticPictureHelpWindow-5364"), pictures::kDialErrors, kEndPosition);

  // A picture taller and wider than the box: at the end the box shows the
  // picture's rows 5364 to 5899 and no more.
  Select("DialErrorHelpWindow");
  ASSERT_TRUE(Call("click 按钮_苹果手机L2TP").ok);
  Select("StaticPictureHelpWindow");
  ASSERT_TRUE(Call("raise").ok);
  ScrollTo(kEndPosition);
  ExpectShowsPictureFrom(Shot("StaticPictureHelpWindow-apple-l2tp-5364"), pictures::kAppleL2tp, kEndPosition);

  // Closing the help window gives the main window back.
  Select("DialErrorHelpWindow");
  ASSERT_TRUE(Call("close").ok);
  ASSERT_TRUE(Call("wait-gone DialErrorHelpWindow 10000").ok);
  EXPECT_TRUE(Enabled("StaticLineWindow"));
}

}  // namespace
}  // namespace rv::wine
