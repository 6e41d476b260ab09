#include "iplookup/text_between.h"

#include <algorithm>

namespace rv {

namespace {

constexpr std::string_view kQuoteMarker = "#引号";

std::string ReplaceQuoteMarker(std::string_view marker) {
  std::string out;
  size_t from = 0;
  for (size_t at; (at = marker.find(kQuoteMarker, from)) != std::string_view::npos;
       from = at + kQuoteMarker.size()) {
    out.append(marker.substr(from, at - from));
    out += '"';
  }
  out.append(marker.substr(from));
  return out;
}

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

size_t Find(std::string_view text, std::string_view marker, size_t from, bool ignoreCase) {
  if (from > text.size()) return std::string_view::npos;
  if (!ignoreCase) return text.find(marker, from);
  auto it = std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), marker.begin(),
                        marker.end(), [](char a, char b) { return Fold(a) == Fold(b); });
  if (it == text.end() && !marker.empty()) return std::string_view::npos;
  return static_cast<size_t>(it - text.begin());
}

}  // namespace

std::string TextBetween(std::string_view text, std::string_view start, std::string_view end,
                        int position, bool ignoreCase) {
  const std::string startMarker = ReplaceQuoteMarker(start);
  const std::string endMarker = ReplaceQuoteMarker(end);
  size_t from = position <= 1 ? 0 : static_cast<size_t>(position) - 1;
  size_t at = Find(text, startMarker, from, ignoreCase);
  if (at == std::string_view::npos) return {};
  size_t valueStart = at + startMarker.size();
  size_t valueEnd = Find(text, endMarker, valueStart, ignoreCase);
  if (valueEnd == std::string_view::npos) return {};
  return std::string(text.substr(valueStart, valueEnd - valueStart));
}

}  // namespace rv
