#pragma once
// HTTP GET on Windows through the scriptable request object
// "WinHttp.WinHttpRequest.5.1", late bound over IDispatch.
#include "platform/http.h"

namespace rv::win32 {

class HttpWin32 final : public HttpApi {
 public:
  // COM is initialised and released inside each call, and each call creates
  // its own object, so calls on different threads share nothing.
  std::string Get(const std::string& url, const HttpHeaders& headers, int timeoutMs) override;
};

// Whether the request object takes the certificate-error option. Some
// implementations refuse it (Wine 8.0: not implemented); untrusted or
// expired certificates then fail there.
bool RequestObjectTakesCertificateOption();

}  // namespace rv::win32
