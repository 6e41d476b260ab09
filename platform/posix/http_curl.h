#pragma once
// HTTP GET on the host through libcurl: one easy handle per call.
#include "platform/http.h"

namespace rv {

class CurlHttp final : public HttpApi {
 public:
  CurlHttp();
  std::string Get(const std::string& url, const HttpHeaders& headers, int timeoutMs) override;
};

}  // namespace rv
