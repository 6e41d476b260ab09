// Saving and clearing the results log of the static window.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/codepage.h"
#include "supervision/results_log.h"
#include "support/world.h"

namespace rv {
namespace {

constexpr const char* kWindow = "StaticLineWindow";

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class ResultsExport : public testing::Test {
 protected:
  void SetUp() override { world.Start(); }
  void Save() {
    world.Click(kWindow, "按钮_保存结果");
    world.Run(100);
  }
  std::string Exported(const std::string& date) {
    return ReadFile(world.programDir + "/tavrik结果保存文件" + date + ".txt");
  }
  test::World world;
};

TEST_F(ResultsExport, SavesTheLogAsGbkWithCrLfAndNoByteOrderMark) {
  world.OnUi([&] { AppendLog(world.app, Line::Static, "\r\n当前IP：1.2.3.4，地区：浙江\r\n"); });
  world.Run(10);
  Save();
  const std::string text = world.Text(kWindow, "编辑框_列表结果显示");
  const std::string bytes = Exported("2025年3月5日14时");
  EXPECT_EQ(bytes, Utf8ToGbkBytes(text));
  EXPECT_EQ(GbkBytesToUtf8(bytes), text);
  EXPECT_EQ(bytes.substr(0, 3), Utf8ToGbkBytes(" 【"));  // no byte-order mark in front
  EXPECT_NE(bytes.find("\r\n"), std::string::npos);
  EXPECT_EQ(bytes.find('\0'), std::string::npos);
  ASSERT_EQ(world.dialogs->Boxes().size(), 1u);
  const auto box = world.dialogs->Boxes()[0];
  EXPECT_EQ(box.title, "导出成功");
  EXPECT_EQ(box.style, 0u);
  EXPECT_EQ(box.text,
            "生成txt文本已成功，请查看本软件所在目录，名称为【tavrik结果保存文件2025年3月5日14时.txt】的文件！");
}

TEST_F(ResultsExport, TheFileNameCarriesTheTimeOfTheSave) {
  world.Run((7 * 60 + 9) * 1000);
  Save();
  EXPECT_FALSE(Exported("2025年3月5日14时7分9秒").empty());
  world.Run(51 * 1000 - 100);
  Save();
  EXPECT_FALSE(Exported("2025年3月5日14时8分").empty());
  // Midnight: the date alone.
  world.Run((9 * 3600 + 52 * 60) * 1000 - 100);
  Save();
  EXPECT_FALSE(Exported("2025年3月6日").empty());
}

TEST_F(ResultsExport, ClearingEmptiesOnlyTheLogAndTheNextSaveWritesAnEmptyFile) {
  world.W(kWindow).SetText("编辑框_接收信息", "连接成功");
  world.Click(kWindow, "按钮_清空结果");
  world.Run(10);
  EXPECT_EQ(world.Text(kWindow, "编辑框_列表结果显示"), "");
  EXPECT_EQ(world.Text(kWindow, "编辑框_接收信息"), "连接成功");
  Save();
  const std::string path = world.programDir + "/tavrik结果保存文件2025年3月5日14时.txt";
  ASSERT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);
}

TEST_F(ResultsExport, AWriteThatFailsIsReportedAsFailed) {
  // A read-only folder: the mode keeps ordinary users out; root, who is not
  // kept out by modes, is pointed at a folder where no file can be created.
  const std::string folder = world.programDir + "/readonly";
  std::filesystem::create_directory(folder);
  ::chmod(folder.c_str(), 0555);
  FilesPosix readOnly(::geteuid() == 0 ? "/proc/self" : folder);
  world.app.platform.files = &readOnly;
  Save();
  world.app.platform.files = world.files.get();
  ASSERT_EQ(world.dialogs->Boxes().size(), 1u);
  const auto box = world.dialogs->Boxes()[0];
  EXPECT_EQ(box.title, "导出成功");
  EXPECT_EQ(box.text.find("生成txt文本已成功"), std::string::npos);
  EXPECT_NE(box.text.find("失败"), std::string::npos);
  EXPECT_NE(box.text.find("tavrik结果保存文件2025年3月5日14时.txt"), std::string::npos);
  ::chmod(folder.c_str(), 0755);
}

}  // namespace
}  // namespace rv
