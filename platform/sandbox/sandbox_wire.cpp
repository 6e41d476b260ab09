#include "platform/sandbox/sandbox_wire.h"

#include <cstdint>

#include "ui/chat_link.h"

namespace rv::sandbox_wire {

namespace {

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string Decode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '+') {
      out += ' ';
    } else if (c == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
               HexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += c;
    }
  }
  return out;
}

std::string Url(const std::string& base, const std::string& path, const Params& params) {
  std::string url = base;
  while (!url.empty() && url.back() == '/') url.pop_back();
  url += path;
  for (size_t i = 0; i < params.size(); ++i) {
    url += i ? '&' : '?';
    url += UrlEncode(params[i].first);
    url += '=';
    url += UrlEncode(params[i].second);
  }
  return url;
}

std::string Line(const Words& words) {
  std::string line;
  for (size_t i = 0; i < words.size(); ++i) {
    if (i) line += ' ';
    line += UrlEncode(words[i]);
  }
  return line + "\n";
}

std::optional<std::vector<Words>> ParseReply(std::string_view body, size_t maxLines) {
  std::vector<Words> lines;
  size_t at = 0;
  while (at < body.size()) {
    size_t end = body.find('\n', at);
    if (end == std::string_view::npos) return std::nullopt;  // cut off inside a line
    std::string_view line = body.substr(at, end - at);
    at = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line == "end") return lines;
    if (lines.size() >= maxLines) return std::nullopt;
    Words words;
    size_t w = 0;
    while (w <= line.size()) {
      size_t space = line.find(' ', w);
      if (space == std::string_view::npos) space = line.size();
      if (space > w) words.push_back(Decode(line.substr(w, space - w)));
      w = space + 1;
    }
    lines.push_back(std::move(words));
  }
  return std::nullopt;
}

bool ParseNumber(const std::string& text, uint64_t* value) {
  if (text.empty() || text.size() > 20) return false;
  uint64_t v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    const uint64_t digit = static_cast<uint64_t>(c - '0');
    if (v > (UINT64_MAX - digit) / 10) return false;
    v = v * 10 + digit;
  }
  *value = v;
  return true;
}

}  // namespace rv::sandbox_wire
