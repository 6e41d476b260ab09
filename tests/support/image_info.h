#pragma once
// Format and pixel size of a PNG or JPEG file, read from its header bytes
// with every read bounded; anything else is reported as not an image.
#include <cstdint>
#include <string_view>

namespace rv::test {

struct ImageInfo {
  enum Format { None, Png, Jpeg } format = None;
  int width = 0, height = 0;
};

inline uint32_t BigEndian(std::string_view b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = (v << 8) | static_cast<unsigned char>(b[at + static_cast<size_t>(i)]);
  return v;
}

inline ImageInfo ReadImageInfo(std::string_view b) {
  ImageInfo info;
  if (b.size() >= 24 && b.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8) && b.substr(12, 4) == "IHDR") {
    info = {ImageInfo::Png, static_cast<int>(BigEndian(b, 16, 4)), static_cast<int>(BigEndian(b, 20, 4))};
    return info;
  }
  if (b.size() < 4 || static_cast<unsigned char>(b[0]) != 0xFF || static_cast<unsigned char>(b[1]) != 0xD8) return info;
  size_t at = 2;
  while (at + 4 <= b.size()) {
    if (static_cast<unsigned char>(b[at]) != 0xFF) return info;
    unsigned marker = static_cast<unsigned char>(b[at + 1]);
    size_t length = BigEndian(b, at + 2, 2);
    bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
    if (frame) {
      if (at + 9 > b.size()) return info;
      return {ImageInfo::Jpeg, static_cast<int>(BigEndian(b, at + 7, 2)), static_cast<int>(BigEndian(b, at + 5, 2))};
    }
    if (length < 2) return info;
    at += 2 + length;
  }
  return info;
}

}  // namespace rv::test
