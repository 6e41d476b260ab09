#include "platform/posix/files_posix.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace rv {
namespace {

class FilesPosixTest : public testing::Test {
 protected:
  void SetUp() override {
    char folder[] = "/tmp/rovanta-files-XXXXXX";
    ASSERT_TRUE(mkdtemp(folder));
    dir = folder;
  }
  void TearDown() override { std::filesystem::remove_all(dir); }
  std::string Read(const std::string& name) {
    std::ifstream in(dir + "/" + name, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  std::string dir;
};

TEST_F(FilesPosixTest, ProgramPathsWithBackslashesLandInTheFolder) {
  FilesPosix files(dir);
  EXPECT_EQ(files.ProgramDir(), dir);
  const std::string bytes("a\r\nb\0c", 6);
  ASSERT_TRUE(files.WriteWhole(files.ProgramDir() + "\\结果.txt", bytes));
  EXPECT_EQ(Read("结果.txt"), bytes);
}

TEST_F(FilesPosixTest, AnExistingFileIsTruncatedAndAnEmptyWriteLeavesItEmpty) {
  FilesPosix files(dir);
  ASSERT_TRUE(files.WriteWhole(dir + "\\f.txt", std::string(5000, 'x')));
  ASSERT_TRUE(files.WriteWhole(dir + "\\f.txt", "short"));
  EXPECT_EQ(Read("f.txt"), "short");
  ASSERT_TRUE(files.WriteWhole(dir + "\\f.txt", ""));
  EXPECT_TRUE(std::filesystem::exists(dir + "/f.txt"));
  EXPECT_EQ(Read("f.txt"), "");
}

TEST_F(FilesPosixTest, FailsWhereNoFileCanBeMadeOrTheFileIsHeldExclusively) {
  FilesPosix files(dir);
  EXPECT_FALSE(files.WriteWhole(dir + "\\missing folder\\f.txt", "x"));
  std::filesystem::create_directory(dir + "/a folder");
  EXPECT_FALSE(files.WriteWhole(dir + "\\a folder", "x"));

  ASSERT_TRUE(files.WriteWhole(dir + "\\held.txt", "kept"));
  int other = ::open((dir + "/held.txt").c_str(), O_RDONLY);
  ASSERT_GE(other, 0);
  ASSERT_EQ(::flock(other, LOCK_EX), 0);
  EXPECT_FALSE(files.WriteWhole(dir + "\\held.txt", "new"));
  EXPECT_EQ(Read("held.txt"), "kept");
  ::close(other);
  EXPECT_TRUE(files.WriteWhole(dir + "\\held.txt", "new"));
}

}  // namespace
}  // namespace rv
