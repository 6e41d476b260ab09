#include "platform/sim/sim_http.h"

#include <optional>

namespace rv::sim {

std::string SimHttp::Get(const std::string& url, const HttpHeaders& headers, int timeoutMs) {
  std::optional<Route> route;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    requests_.push_back({url, headers, timeoutMs, runtime_.NowMs()});
    auto it = routes_.find(url);
    if (it != routes_.end()) route = it->second;
  }
  if (!route) return {};
  const int64_t limit = timeoutMs > 0 ? timeoutMs : kHttpDefaultReceiveMs;
  if (route->silent || route->delayMs >= limit) {
    runtime_.Pause(limit);
    return {};
  }
  runtime_.Pause(route->delayMs);
  if (route->body.size() > kMaxHttpBodyBytes) route->body.resize(kMaxHttpBodyBytes);
  return std::move(route->body);
}

void SimHttp::Serve(const std::string& url, std::string body, int64_t delayMs) {
  std::lock_guard<std::mutex> lock(mutex_);
  routes_[url] = Route{std::move(body), delayMs, false};
}

void SimHttp::Silent(const std::string& url) {
  std::lock_guard<std::mutex> lock(mutex_);
  routes_[url] = Route{{}, 0, true};
}

void SimHttp::Down(const std::string& url) {
  std::lock_guard<std::mutex> lock(mutex_);
  routes_.erase(url);
}

std::vector<SimHttpRequest> SimHttp::Requests() {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

std::vector<std::string> SimHttp::RequestedUrls() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::string> urls;
  for (const auto& r : requests_) urls.push_back(r.url);
  return urls;
}

}  // namespace rv::sim
