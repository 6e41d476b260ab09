// httpprobe URL TIMEOUT_SECONDS: one FetchUrl through the real WinHttp
// request object, for the tests that run it under Wine. Prints
//   length N
//   ms M            (time the call took)
//   hex HEX...      (the body, at most its first 4096 bytes)
// httpprobe --cert-option: prints "cert-option taken" or "cert-option refused".
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "iplookup/http_client.h"
#include "platform/win32/http_winhttp.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::string(argv[1]) == "--cert-option") {
    std::printf("cert-option %s\n", rv::win32::RequestObjectTakesCertificateOption() ? "taken" : "refused");
    return 0;
  }
  if (argc != 3) {
    std::fprintf(stderr, "usage: httpprobe URL TIMEOUT_SECONDS | httpprobe --cert-option\n");
    return 2;
  }
  rv::win32::HttpWin32 http;
  ULONGLONG start = GetTickCount64();
  std::string body = rv::FetchUrl(&http, argv[1], std::atoi(argv[2]));
  ULONGLONG ms = GetTickCount64() - start;
  std::printf("length %zu\nms %llu\nhex ", body.size(), static_cast<unsigned long long>(ms));
  for (size_t i = 0; i < body.size() && i < 4096; ++i)
    std::printf("%02x", static_cast<unsigned char>(body[i]));
  std::printf("\n");
  std::fflush(stdout);
  return 0;
}
