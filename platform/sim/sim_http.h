#pragma once
// A scripted web for scenario tests: each URL answers with a body after a
// delay of virtual time, stays silent until the caller's time-out, or is not
// there at all (refused at once). Every request is recorded.
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/http.h"
#include "platform/runtime.h"

namespace rv::sim {

struct SimHttpRequest {
  std::string url;
  HttpHeaders headers;
  int timeoutMs = 0;
  int64_t atMs = 0;  // virtual time the request was made
};

class SimHttp final : public HttpApi {
 public:
  explicit SimHttp(Runtime& runtime) : runtime_(runtime) {}

  std::string Get(const std::string& url, const HttpHeaders& headers, int timeoutMs) override;

  // `url` answers with `body` after `delayMs`; a delay at or beyond the
  // caller's time-out is a time-out.
  void Serve(const std::string& url, std::string body, int64_t delayMs = 0);
  // `url` accepts the request and never answers.
  void Silent(const std::string& url);
  // `url` is refused at once (the default for every URL).
  void Down(const std::string& url);

  std::vector<SimHttpRequest> Requests();
  std::vector<std::string> RequestedUrls();

 private:
  struct Route {
    std::string body;
    int64_t delayMs = 0;
    bool silent = false;
  };

  Runtime& runtime_;
  std::mutex mutex_;
  std::map<std::string, Route> routes_;
  std::vector<SimHttpRequest> requests_;
};

}  // namespace rv::sim
