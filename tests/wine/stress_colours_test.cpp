// Workers writing controls while the UI thread sits in a pumping wait and a
// modal box, and the stated colours as they show on screen.
#include <chrono>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "wine/wine_session.h"

namespace rv::wine {
namespace {

// Does the control show pixels of exactly this colour (RRGGBB)?
bool Shows(const DriverReply& pixels, const std::string& colour) {
  for (const std::string& l : pixels.lines)
    if (l.rfind(colour + " ", 0) == 0) return true;
  return false;
}

std::string Dominant(const DriverReply& pixels) { return pixels.lines.empty() ? "" : pixels.lines[0].substr(0, 6); }

TEST_F(WineSession, WorkersWritingDuringAPumpingWaitAndAModalBoxLoseNothing) {
  constexpr int kRounds = 2000, kWorkers = 4;
  StartProgram("static", {{"ROVANTA_TEST_STRESS", std::to_string(kRounds)}});
  ASSERT_TRUE(WaitWindow("StaticLineWindow").ok);
  const int before = Call("text-length 编辑框_列表结果显示").Int("length");
  DriverReply box = Call("notice 30000 none");
  ASSERT_TRUE(box.ok) << box.error;
  EXPECT_EQ(box.Value("title"), "友情提醒");
  EXPECT_EQ(box.Value("text"), "压力测试");
  // While the box is up the window keeps taking the workers' writes.
  bool grew = false;
  for (int i = 0; i < 100 && !grew; ++i) {
    grew = Call("text-length 编辑框_列表结果显示").Int("length") > before;
    if (!grew) std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  EXPECT_TRUE(grew) << "nothing reached the window while the modal box was up";
  ASSERT_TRUE(Call("notice 1000").ok);
  DriverReply done = Call("wait-text 编辑框_接收信息 60000 全部写完", 70000);
  ASSERT_TRUE(done.ok) << done.error;

  const std::string file = appDir_ + "/stress-log.txt";
  std::multiset<std::string> got;
  for (int attempt = 0; attempt < 100; ++attempt) {
    ASSERT_TRUE(Call("save-text 编辑框_列表结果显示 " + WindowsPath(file)).ok);
    std::ifstream in(file, std::ios::binary);
    std::string line;
    got.clear();
    while (std::getline(in, line))
      if (line.rfind("s", 0) == 0) got.insert(line);
    if (got.size() >= kRounds * kWorkers) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  std::multiset<std::string> want;
  for (int k = 0; k < kWorkers; ++k)
    for (int i = 0; i < kRounds; ++i) want.insert("s" + std::to_string(k) + " " + std::to_string(i) + "\r");
  EXPECT_TRUE(got == want) << got.size() << " of " << want.size() << " lines, or torn ones";
  DriverReply pixels = Call("pixels 编辑框_接收信息");
  EXPECT_TRUE(Shows(pixels, "228B22")) << "the last text is forest green";
}

TEST_F(WineSession, StatedColoursShowOnScreen) {
  StartProgram("static");
  ASSERT_TRUE(WaitWindow("StaticLineWindow").ok);
  Call("screenshot " + WindowsPath(ArtifactDir() + "/colours.png"));  // parks the pointer too
  DriverReply interval = Call("pixels 编辑框_连断时间秒");
  EXPECT_TRUE(Shows(interval, "FF0000")) << "red text";
  DriverReply count = Call("pixels 编辑框_连断计次");
  EXPECT_EQ(Dominant(count), "808080") << "grey background";
  EXPECT_TRUE(Shows(count, "00FFFF")) << "cyan text";
  DriverReply log = Call("pixels 编辑框_列表结果显示");
  EXPECT_EQ(Dominant(log), "ECECEC") << "light grey background";
}

}  // namespace
}  // namespace rv::wine
