#include "iplookup/http_client.h"

#include <gtest/gtest.h>

#include <climits>

namespace rv {
namespace {

TEST(FetchHeaders, FiveHeadersInOrderWithTheUrlAsReferer) {
  const std::string url = "http://127.0.0.1:8080/getip.aspx?a=1:2";
  EXPECT_EQ(FetchHeaders(url), (HttpHeaders{
                                   {"Accept", "*/*"},
                                   {"Referer", url},
                                   {"Accept-Language", "zh-cn"},
                                   {"User-Agent", "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1)"},
                                   {"Content-Type", "application/x-www-form-urlencoded"},
                               }));
}

TEST(FetchTimeoutMs, ConvertsSeconds) {
  struct {
    int seconds, ms;
  } cases[] = {{1, 1000},  {2, 2000},   {3, 3000},   {60, 60000},
               {-1, kHttpDefaultTimeouts}, {0, 15000}, {-2, 15000}, {INT_MIN, 15000},
               {INT_MAX, INT_MAX}};
  for (auto c : cases) EXPECT_EQ(FetchTimeoutMs(c.seconds), c.ms) << c.seconds;
}

TEST(IsFetchableUrl, OnlyHttpWithoutControlCharacters) {
  EXPECT_TRUE(IsFetchableUrl("http://127.0.0.1/"));
  EXPECT_TRUE(IsFetchableUrl("HTTPS://127.0.0.1:8443/x"));
  EXPECT_FALSE(IsFetchableUrl(""));
  EXPECT_FALSE(IsFetchableUrl("file:///etc/passwd"));
  EXPECT_FALSE(IsFetchableUrl("ftp://127.0.0.1/"));
  EXPECT_FALSE(IsFetchableUrl(" http://127.0.0.1/"));
  EXPECT_FALSE(IsFetchableUrl("http://127.0.0.1/\r\nX-Injected: 1"));
  EXPECT_FALSE(IsFetchableUrl(std::string("http://127.0.0.1/\0x", 19)));
}

// Records what FetchUrl hands to the request object.
class RecordingHttp final : public HttpApi {
 public:
  std::string Get(const std::string& url, const HttpHeaders& headers, int timeoutMs) override {
    ++calls;
    lastUrl = url;
    lastHeaders = headers;
    lastTimeoutMs = timeoutMs;
    return body;
  }
  int calls = 0;
  std::string lastUrl, body = "page";
  HttpHeaders lastHeaders;
  int lastTimeoutMs = 0;
};

TEST(FetchUrl, HandsUrlHeadersAndTimeoutToTheRequestObject) {
  RecordingHttp http;
  EXPECT_EQ(FetchUrl(&http, "http://127.0.0.1/a", 0), "page");
  EXPECT_EQ(http.lastUrl, "http://127.0.0.1/a");
  EXPECT_EQ(http.lastHeaders, FetchHeaders("http://127.0.0.1/a"));
  EXPECT_EQ(http.lastTimeoutMs, 15000);
}

TEST(FetchUrl, EmptyWithoutARequestForUnusableUrlsOrNoObject) {
  RecordingHttp http;
  EXPECT_EQ(FetchUrl(&http, "", 1), "");
  EXPECT_EQ(FetchUrl(&http, "http://h/\nX: y", 1), "");
  EXPECT_EQ(http.calls, 0);
  EXPECT_EQ(FetchUrl(nullptr, "http://127.0.0.1/", 1), "");
}

TEST(Utf8ToGbk, EncodesWhatGbkHolds) {
  EXPECT_EQ(Utf8ToGbk("中国 IP:1.2.3.4"), "\xD6\xD0\xB9\xFA IP:1.2.3.4");
  EXPECT_EQ(Utf8ToGbk("广东省深圳市"), "\xB9\xE3\xB6\xAB\xCA\xA1\xC9\xEE\xDB\xDA\xCA\xD0");
  EXPECT_EQ(Utf8ToGbk(""), "");
}

TEST(Utf8ToGbk, CharactersGbkCannotHoldBecomeTheReplacementCharacter) {
  EXPECT_EQ(Utf8ToGbk("a\xF0\x9F\x98\x80" "b"), "a?b");  // an emoji
  EXPECT_EQ(Utf8ToGbk("\xE0\xB8\x81中"), "?\xD6\xD0");     // Thai ko kai
}

TEST(PageText, GbkPagesAreDecodedWithTrailBytesKeptInTheirCharacter) {
  // 塢 is 0x89 0x5D in GBK: its trail byte is the byte of "]".
  EXPECT_EQ(PageTextFromGbk("[\x89\x5D]"), "[塢]");
}

TEST(PageText, Utf8PagesKeepValidTextAndReplaceEachBadSequence) {
  struct {
    std::string in, out;
  } cases[] = {
      {"ip:'5.6.7.8' address:'上海市 电信'", "ip:'5.6.7.8' address:'上海市 电信'"},
      {"a\xFF" "b", "a\xEF\xBF\xBD" "b"},                    // a byte that never starts a character
      {"\xE4\xB8" "'", "\xEF\xBF\xBD'"},                     // cut short before a quote
      {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},             // overlong
      {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a surrogate
      {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // above U+10FFFF
      {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
      {"\xF0\x9F\x98", "\xEF\xBF\xBD"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(PageTextFromUtf8(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace rv
