#pragma once
// Conversions between the program's UTF-8 texts and GBK (code page 936),
// done at the edges where files, records and pages are GBK.
#include <string>
#include <string_view>

namespace rv {

// Characters GBK cannot hold become "?".
std::string Utf8ToGbkBytes(std::string_view utf8);
// Invalid sequences become U+FFFD.
std::string GbkBytesToUtf8(std::string_view gbk);

}  // namespace rv
