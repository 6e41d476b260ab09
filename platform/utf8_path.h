#pragma once
// The program's paths are UTF-8 on every system; std::filesystem would read
// a plain string in the system's ANSI code page on Windows.
#include <filesystem>
#include <string>

namespace rv {

inline std::filesystem::path Utf8Path(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string PathUtf8(const std::filesystem::path& path) {
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace rv
