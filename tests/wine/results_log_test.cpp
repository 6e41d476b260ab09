// The results log of the Windows program keeps growing past the edit
// control's default limit: 200,000 lines appended by workers are all there.
#include <chrono>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "ui/form_defs.h"
#include "wine/wine_session.h"

namespace rv::wine {
namespace {

constexpr int kLines = 200000;
constexpr int kWorkers = 4;

size_t Utf16Length(const std::string& utf8) {
  size_t n = 0;
  for (unsigned char c : utf8) {
    if ((c & 0xC0) != 0x80) ++n;
    if ((c & 0xF8) == 0xF0) ++n;  // outside the BMP: a surrogate pair
  }
  return n;
}

// The lines the test switch appends: worker k writes "w<k> line <i>" for its
// share of i.
std::vector<std::string> ExpectedLines() {
  std::vector<std::string> lines;
  for (int k = 0; k < kWorkers; ++k)
    for (long i = static_cast<long>(kLines) * k / kWorkers; i < static_cast<long>(kLines) * (k + 1) / kWorkers; ++i)
      lines.push_back("w" + std::to_string(k) + " line " + std::to_string(i));
  return lines;
}

TEST_F(WineSession, ResultsLogKeepsEveryOneOf200000AppendedLines) {
  const WindowDef* def = FindWindowDef("StaticLineWindow");
  ASSERT_NE(def, nullptr);
  std::string initial;
  for (const ControlDef& c : def->controls)
    if (std::string(c.name) == "编辑框_列表结果显示") initial = c.caption;
  const std::vector<std::string> expected = ExpectedLines();
  size_t want = Utf16Length(initial);
  for (const std::string& l : expected) want += l.size() + 2;

  StartProgram("static", {{"ROVANTA_TEST_LOG_LINES", std::to_string(kLines)},
                          {"ROVANTA_TEST_LOG_WORKERS", std::to_string(kWorkers)}});
  ASSERT_TRUE(WaitWindow("StaticLineWindow").ok);
  size_t length = 0;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(240);
  while (std::chrono::steady_clock::now() < end) {
    DriverReply r = Call("text-length 编辑框_列表结果显示");
    ASSERT_TRUE(r.ok) << r.error;
    length = static_cast<size_t>(std::stoull(r.Value("length")));
    if (length >= want) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
  }
  ASSERT_EQ(length, want) << "the log stopped growing";

  const std::string file = appDir_ + "/log-readback.txt";
  DriverReply saved = Call("save-text 编辑框_列表结果显示 " + WindowsPath(file), 120000);
  ASSERT_TRUE(saved.ok) << saved.error;
  std::ifstream in(file, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_EQ(text.compare(0, initial.size(), initial), 0) << "the designed lines come first";
  std::multiset<std::string> got;
  std::istringstream rest(text.substr(initial.size()));
  std::string line;
  while (std::getline(rest, line)) {
    ASSERT_FALSE(line.empty() || line.back() != '\r') << "torn line: " << line;
    line.pop_back();
    got.insert(line);
  }
  ASSERT_EQ(got.size(), expected.size());
  EXPECT_TRUE(std::equal(got.begin(), got.end(), std::multiset<std::string>(expected.begin(), expected.end()).begin()));
  ASSERT_TRUE(Call("close").ok);
  EXPECT_EQ(WaitExit(20000).value_or(-1), 0);
}

}  // namespace
}  // namespace rv::wine
