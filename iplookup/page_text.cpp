// UTF-8 page bodies made safe to use as the program's text.
#include <string>
#include <string_view>

#include "iplookup/http_client.h"

namespace rv {

namespace {

constexpr const char* kReplacement = "\xEF\xBF\xBD";

// Length of the well-formed sequence at `s`, or 0 when it is not one; `valid`
// gets the length of its longest valid prefix (the part one U+FFFD replaces).
size_t SequenceLength(std::string_view s, size_t& valid) {
  auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
  unsigned char b0 = byte(0);
  size_t need;
  unsigned char lo = 0x80, hi = 0xBF;  // range of the second byte
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    need = 2;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    need = 3;
    if (b0 == 0xE0) lo = 0xA0;
    if (b0 == 0xED) hi = 0x9F;  // no surrogates
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    need = 4;
    if (b0 == 0xF0) lo = 0x90;
    if (b0 == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
  } else {
    valid = 1;
    return 0;
  }
  valid = 1;
  for (size_t i = 1; i < need; ++i) {
    if (i >= s.size()) return 0;
    unsigned char b = byte(i);
    unsigned char min = i == 1 ? lo : 0x80, max = i == 1 ? hi : 0xBF;
    if (b < min || b > max) return 0;
    valid = i + 1;
  }
  return need;
}

}  // namespace

std::string PageTextFromUtf8(std::string_view body) {
  std::string out;
  out.reserve(body.size());
  size_t i = 0;
  while (i < body.size()) {
    if (static_cast<unsigned char>(body[i]) < 0x80) {
      out += body[i++];
      continue;
    }
    size_t valid = 0;
    size_t n = SequenceLength(body.substr(i), valid);
    if (n) {
      out.append(body.substr(i, n));
      i += n;
    } else {
      out += kReplacement;
      i += valid;
    }
  }
  return out;
}

}  // namespace rv
