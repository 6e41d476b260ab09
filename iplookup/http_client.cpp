#include "iplookup/http_client.h"

#include <climits>

#include "app/app.h"
#include "platform/codepage.h"

namespace rv {

namespace {

constexpr int kFallbackTimeoutMs = 15000;

std::string_view TrimSpaces(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char c = s[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

HttpHeaders FetchHeaders(const std::string& url) {
  // The headers are written as one block of "name: value" lines and set line
  // by line, the name before the first colon and the value after it.
  const std::string block = "Accept: */*\r\nReferer: " + url +
                            "\r\nAccept-Language: zh-cn\r\n"
                            "User-Agent: Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)\r\n"
                            "Content-Type: application/x-www-form-urlencoded";
  HttpHeaders headers;
  std::string_view rest = block;
  while (!rest.empty()) {
    size_t end = rest.find("\r\n");
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 2);
    size_t colon = line.find(':');
    if (line.empty() || colon == std::string_view::npos) continue;
    headers.emplace_back(TrimSpaces(line.substr(0, colon)), TrimSpaces(line.substr(colon + 1)));
  }
  return headers;
}

int FetchTimeoutMs(int timeoutSeconds) {
  if (timeoutSeconds == -1) return kHttpDefaultTimeouts;
  if (timeoutSeconds < 1) return kFallbackTimeoutMs;
  if (timeoutSeconds > INT_MAX / 1000) return INT_MAX;
  return timeoutSeconds * 1000;
}

bool IsFetchableUrl(std::string_view url) {
  if (!StartsWithNoCase(url, "http://") && !StartsWithNoCase(url, "https://")) return false;
  for (unsigned char c : url)
    if (c < 0x20 || c == 0x7F) return false;
  return true;
}

std::string FetchUrl(HttpApi* http, const std::string& url, int timeoutSeconds) {
  if (!http || !IsFetchableUrl(url)) return {};
  return http->Get(url, FetchHeaders(url), FetchTimeoutMs(timeoutSeconds));
}

std::string FetchUrl(App& app, const std::string& url, int timeoutSeconds) {
  return FetchUrl(app.platform.http, url, timeoutSeconds);
}

std::string Utf8ToGbk(std::string_view utf8) { return Utf8ToGbkBytes(utf8); }

std::string PageTextFromGbk(std::string_view body) { return GbkBytesToUtf8(body); }

}  // namespace rv
