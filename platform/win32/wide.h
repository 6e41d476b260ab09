#pragma once
// UTF-8 (the program's texts) to UTF-16 (the W calls) and back.
#include <string>
#include <string_view>

namespace rv::win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

}  // namespace rv::win32
