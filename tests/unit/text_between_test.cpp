#include "iplookup/text_between.h"

#include <gtest/gtest.h>

namespace rv {
namespace {

struct Case {
  const char* what;
  const char* text;
  const char* start;
  const char* end;
  int position;
  bool ignoreCase;
  const char* expected;
};

class TextBetweenTable : public testing::TestWithParam<Case> {};

TEST_P(TextBetweenTable, CutsTheValue) {
  const Case& c = GetParam();
  EXPECT_EQ(TextBetween(c.text, c.start, c.end, c.position, c.ignoreCase), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Markers, TextBetweenTable,
    testing::Values(
        Case{"plain", "a[1.2.3.4]b", "[", "]", 1, false, "1.2.3.4"},
        Case{"first start, first end after it", "x[1][2]", "[", "]", 1, false, "1"},
        Case{"quote marker in both markers", R"(<iframe src="http://h/p" w="1">)",
             "<iframe src=#引号", "#引号", 1, false, "http://h/p"},
        Case{"quote marker inside a longer marker", R"(a="v" b="w")", "b=#引号", "#引号", 1, false, "w"},
        Case{"two quote markers", R"(k=""inner"" )", "#引号#引号", "#引号#引号", 1, false, "inner"},
        Case{"the marker text itself is not in the page", "src=#引号v#引号", "src=#引号", "#引号", 1,
             false, ""},
        Case{"end marker only before the start", "]x[1.2.3.4", "[", "]", 1, false, ""},
        Case{"start marker missing", "1.2.3.4]", "[", "]", 1, false, ""},
        Case{"end marker missing", "您的IP是：[1.2.3.4", "您的IP是：[", "]", 1, false, ""},
        Case{"empty text", "", "[", "]", 1, false, ""},
        Case{"empty value", "[]", "[", "]", 1, false, ""},
        Case{"position 0 and negative mean the beginning", "[a][b]", "[", "]", -5, false, "a"},
        Case{"1-based position skips an earlier start", "[a][b]", "[", "]", 2, false, "b"},
        Case{"position on the start marker finds it", "[a][b]", "[", "]", 4, false, "b"},
        Case{"position past the end", "[a]", "[", "]", 99, false, ""},
        Case{"case-sensitive by default", "IP:'1' ip:'2'", "ip:'", "'", 1, false, "2"},
        Case{"case-insensitive on request", "IP:'1' ip:'2'", "ip:'", "'", 1, true, "1"},
        Case{"case folding reaches the end marker", "<B>x</CENTER>", "<b>", "</center>", 1, true, "x"},
        Case{"multi-byte markers and values", "来自：北京市 联通</center>", "来自：", "</center>", 1,
             false, "北京市 联通"}));

}  // namespace
}  // namespace rv
