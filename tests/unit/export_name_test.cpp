#include <gtest/gtest.h>

#include "supervision/results_log.h"

namespace rv {
namespace {

TEST(ExportFileName, DateTextDropsTheZeroTailOfTheTime) {
  const struct {
    LocalTime t;
    const char* date;
  } cases[] = {
      {{2025, 3, 5, 14, 7, 9}, "2025年3月5日14时7分9秒"},
      {{2025, 3, 5, 14, 7, 0}, "2025年3月5日14时7分"},
      {{2025, 3, 5, 14, 0, 0}, "2025年3月5日14时"},
      {{2025, 3, 5, 0, 0, 0}, "2025年3月5日"},
      {{2025, 3, 5, 0, 0, 5}, "2025年3月5日0时0分5秒"},
      {{2025, 12, 31, 0, 5, 0}, "2025年12月31日0时5分"},
  };
  for (const auto& c : cases) EXPECT_EQ(DateText(c.t), c.date);
}

TEST(ExportFileName, EachWindowHasItsStem) {
  const LocalTime t{2025, 3, 5, 14, 7, 9};
  EXPECT_EQ(ExportFileName(Line::Static, t), "tavrik结果保存文件2025年3月5日14时7分9秒.txt");
  EXPECT_EQ(ExportFileName(Line::Dynamic, {2025, 3, 5, 0, 0, 0}), "运行结果2025年3月5日.txt");
}

}  // namespace
}  // namespace rv
