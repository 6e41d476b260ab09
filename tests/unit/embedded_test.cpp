#include "resources/embedded.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace rv {
namespace {

TEST(Embedded, FilesAreBuiltInByteForByte) {
  std::ifstream in(std::string(ROVANTA_SOURCE_DIR) + "/resources/files/README.txt", std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  EXPECT_EQ(EmbeddedFile("README.txt"), ss.str());
  EXPECT_TRUE(EmbeddedFile("no such file").empty());
}

}  // namespace
}  // namespace rv
