// GBK conversions on the host, through iconv.
#include <iconv.h>

#include <cerrno>
#include <string>

#include "platform/codepage.h"

namespace rv {

namespace {

// Converts with iconv, replacing each input sequence that cannot be converted
// by `replacement` and skipping `badInputStep` bytes of it.
std::string Convert(const char* to, const char* from, std::string_view in,
                    const std::string& replacement, bool utf8Input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
  std::string out;
  out.reserve(in.size() * 2 + 4);
  char* src = const_cast<char*>(in.data());
  size_t srcLeft = in.size();
  char buffer[4096];
  while (srcLeft > 0) {
    char* dst = buffer;
    size_t dstLeft = sizeof buffer;
    size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
    out.append(buffer, static_cast<size_t>(dst - buffer));
    if (r != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: one character that cannot be taken or is cut short.
    size_t skip = 1;
    if (utf8Input) {
      unsigned char c = static_cast<unsigned char>(*src);
      skip = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
      if (skip > srcLeft) skip = srcLeft;
    } else {
      unsigned char c = static_cast<unsigned char>(*src);
      skip = (c >= 0x81 && c <= 0xFE && srcLeft >= 2) ? 2 : 1;
    }
    src += skip;
    srcLeft -= skip;
    out += replacement;
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string Utf8ToGbkBytes(std::string_view utf8) { return Convert("GBK", "UTF-8", utf8, "?", true); }

std::string GbkBytesToUtf8(std::string_view gbk) {
  return Convert("UTF-8", "GBK", gbk, "\xEF\xBF\xBD", false);
}

}  // namespace rv
