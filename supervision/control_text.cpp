#include "supervision/control_text.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace rv {

namespace {

constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the space at the start of `t`, 0 when there is none.
size_t SpaceAt(std::string_view t) {
  if (!t.empty() && (t[0] == ' ' || t[0] == '\t')) return 1;
  if (t.substr(0, kIdeographicSpace.size()) == kIdeographicSpace) return kIdeographicSpace.size();
  return 0;
}

size_t SpaceBefore(std::string_view t) {
  if (!t.empty() && (t.back() == ' ' || t.back() == '\t')) return 1;
  if (t.size() >= kIdeographicSpace.size() &&
      t.substr(t.size() - kIdeographicSpace.size()) == kIdeographicSpace)
    return kIdeographicSpace.size();
  return 0;
}

}  // namespace

std::string TrimSpaces(std::string_view text) {
  while (size_t n = SpaceAt(text)) text.remove_prefix(n);
  while (size_t n = SpaceBefore(text)) text.remove_suffix(n);
  return std::string(text);
}

double DecimalValue(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  const size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0;
  // An exponent counts only when digits follow it.
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  // The number itself is short; a bounded copy keeps strtod off the rest.
  std::string number(text.substr(start, i - start));
  double v = std::strtod(number.c_str(), nullptr);
  return std::isfinite(v) ? v : (v > 0 ? 1e300 : -1e300);
}

int64_t SecondsToMs(double seconds) {
  double ms = std::trunc(seconds * 1000.0);
  if (!(ms > 0)) return 0;
  if (ms >= static_cast<double>(kMaxWaitMs)) return kMaxWaitMs;
  return static_cast<int64_t>(ms);
}

}  // namespace rv
