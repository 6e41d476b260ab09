#pragma once
// Every web access of the program: a plain GET with a per-call time-out and
// five fixed request headers, and the conversions of what comes back.
#include <string>
#include <string_view>

#include "platform/http.h"

namespace rv {

struct App;

// The request headers in the order they are set, Referer being the URL.
HttpHeaders FetchHeaders(const std::string& url);
// Seconds to the milliseconds of each phase: 1 or more times 1000; -1 keeps
// the object's own time-outs (kHttpDefaultTimeouts); anything else 15000.
int FetchTimeoutMs(int timeoutSeconds);
// Only http and https URLs without control characters are requested; a
// control character would split the header block.
bool IsFetchableUrl(std::string_view url);

// The body bytes; empty when the request cannot be made, times out or fails
// in any other way. Never shows a message.
std::string FetchUrl(HttpApi* http, const std::string& url, int timeoutSeconds);
std::string FetchUrl(App& app, const std::string& url, int timeoutSeconds);

// UTF-8 to code page 936; characters GBK cannot hold become "?".
std::string Utf8ToGbk(std::string_view utf8);

// Page bodies as the program's UTF-8 text: a GBK page decoded, a UTF-8 page
// with each invalid sequence replaced by U+FFFD.
std::string PageTextFromGbk(std::string_view body);
std::string PageTextFromUtf8(std::string_view body);

}  // namespace rv
