#pragma once
// One HTTP GET through the platform's request object (WinHttp on Windows,
// libcurl on the host, a scripted service in tests).
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace rv {

using HttpHeaders = std::vector<std::pair<std::string, std::string>>;

// A body longer than this is cut off here rather than filling memory.
inline constexpr size_t kMaxHttpBodyBytes = 8u << 20;
// timeoutMs value that keeps the request object's own time-outs.
inline constexpr int kHttpDefaultTimeouts = -1;
// The request object's own time-outs (resolve: none).
inline constexpr int kHttpDefaultConnectMs = 60000;
inline constexpr int kHttpDefaultReceiveMs = 30000;
// The whole call is bounded even with the object's own time-outs, which
// would let a server that trickles bytes hold the caller forever.
inline constexpr int kHttpDefaultCallBoundMs = 120000;

class HttpApi {
 public:
  virtual ~HttpApi() = default;
  // A fresh request each call: nothing (cookies, connections) carries over.
  // Sends `headers` in their order. timeoutMs > 0 is the limit of each
  // phase (resolve, connect, send, receive) and of the whole call;
  // kHttpDefaultTimeouts keeps the object's defaults. Certificate errors
  // (unknown authority, wrong usage, wrong name, expired) are ignored.
  // Returns the body whatever the status; empty on any failure.
  virtual std::string Get(const std::string& url, const HttpHeaders& headers, int timeoutMs) = 0;
};

}  // namespace rv
