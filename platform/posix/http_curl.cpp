// HTTP GET on the host through libcurl, shaped like the Windows request
// object: fresh connection, no cookies, no proxy, certificate errors
// ignored, redirects followed, the body capped.
#include "platform/posix/http_curl.h"

#include <curl/curl.h>

#include <mutex>

namespace rv {

namespace {

constexpr long kMaxRedirects = 10;

struct Sink {
  std::string body;
  bool capped = false;
};

size_t WriteBody(char* data, size_t size, size_t count, void* user) {
  auto* sink = static_cast<Sink*>(user);
  size_t n = size * count;
  size_t room = kMaxHttpBodyBytes - sink->body.size();
  if (n > room) {
    sink->body.append(data, room);
    sink->capped = true;
    return 0;  // ends the transfer; what fits is kept
  }
  sink->body.append(data, n);
  return n;
}

void SetTimeouts(CURL* curl, int timeoutMs) {
  if (timeoutMs > 0) {
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(timeoutMs));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(timeoutMs));
    return;
  }
  // The object's defaults; the receive time-out becomes "no byte for that long".
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(kHttpDefaultConnectMs));
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, static_cast<long>(kHttpDefaultReceiveMs / 1000));
  curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, static_cast<long>(kHttpDefaultCallBoundMs));
}

void SetRequest(CURL* curl, const std::string& url, curl_slist* headers, Sink* sink) {
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(curl, CURLOPT_MAXREDIRS, kMaxRedirects);
  curl_easy_setopt(curl, CURLOPT_PROXY, "");  // direct, whatever the environment says
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
  curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, 1L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 0L);
  curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 0L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &WriteBody);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, sink);
}

}  // namespace

CurlHttp::CurlHttp() {
  static std::once_flag once;
  std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

std::string CurlHttp::Get(const std::string& url, const HttpHeaders& headers, int timeoutMs) {
  CURL* curl = curl_easy_init();
  if (!curl) return {};
  curl_slist* list = nullptr;
  for (const auto& [name, value] : headers)
    list = curl_slist_append(list, (name + ": " + value).c_str());
  Sink sink;
  SetRequest(curl, url, list, &sink);
  SetTimeouts(curl, timeoutMs);
  CURLcode rc = curl_easy_perform(curl);
  curl_easy_cleanup(curl);
  curl_slist_free_all(list);
  if (rc == CURLE_OK || (rc == CURLE_WRITE_ERROR && sink.capped)) return std::move(sink.body);
  return {};
}

}  // namespace rv
