#pragma once
// The two public IP-echo sites as the program reads them, served on
// 127.0.0.1: page A (an HTML page in GBK whose iframe points to the echo
// page), the echo page itself (GBK) and service B at "/getip.aspx" (UTF-8),
// each on a listener of its own, reporting a configurable address and region.
// Each endpoint can be made slow, silent, malformed, empty, oversized,
// trickling or down, and every request head is recorded as it arrived.
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/http.h"
#include "sandbox/tls_identity.h"

namespace httplib {
struct Response;
}

namespace rv::sandbox {

class TappedServer;

enum class EchoEndpoint { PageA, Frame, ServiceB };
inline constexpr int kEchoEndpointCount = 3;

enum class EchoMode {
  Normal,
  Slow,       // answers after `delayMs`
  Silent,     // reads the request and never answers
  Malformed,  // the start markers are there, the end markers are not
  Empty,      // 200 with an empty body
  Oversized,  // a normal page padded to 9 MiB
  Trickle,    // one byte of the normal page every `delayMs`
  Down,       // the port is closed
};

struct EchoRequest {
  EchoEndpoint endpoint;
  std::string raw;          // request line and headers as received
  std::string requestLine;  // "GET /getip.aspx HTTP/1.1"
  HttpHeaders headers;      // in the order received
};

enum class EchoTransport { Http, HttpsSelfSigned, HttpsExpired };

class IpEcho {
 public:
  explicit IpEcho(EchoTransport transport = EchoTransport::Http);
  ~IpEcho();
  IpEcho(const IpEcho&) = delete;
  IpEcho& operator=(const IpEcho&) = delete;

  // Listens on 127.0.0.1: ports basePort, basePort + 1, basePort + 2, or
  // free ones when basePort is 0. False when a port cannot be had.
  bool Start(int basePort = 0);
  void Stop();

  std::string Url(EchoEndpoint endpoint) const;
  std::string PageAUrl() const { return Url(EchoEndpoint::PageA); }
  std::string FrameUrl() const { return Url(EchoEndpoint::Frame); }
  std::string ServiceBUrl() const { return Url(EchoEndpoint::ServiceB); }

  // UTF-8 texts; the GBK pages carry them converted.
  void SetAddress(const std::string& address, const std::string& region);
  // Asked at every page instead of the set address: the address of the
  // caller's current connection. Set before Start.
  using AddressSource = std::function<std::pair<std::string, std::string>()>;
  void SetAddressSource(AddressSource source);
  void SetMode(EchoEndpoint endpoint, EchoMode mode, int delayMs = 0);
  // A body to serve instead of the endpoint's page, as bytes (Normal mode).
  void SetBody(EchoEndpoint endpoint, std::string body);

  std::vector<EchoRequest> Requests();
  void ClearRequests();

 private:
  struct Endpoint;
  bool Listen(Endpoint& e, int port);
  void Close(Endpoint& e);
  void Answer(Endpoint& e, httplib::Response& res);
  std::string Page(EchoEndpoint endpoint, bool malformed);
  bool Nap(Endpoint& e, int ms);
  void Record(EchoEndpoint endpoint, const std::string& raw);

  EchoTransport transport_;
  SslContext tls_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::unique_ptr<Endpoint> endpoints_[kEchoEndpointCount];
  std::string address_ = "1.2.3.4", region_ = "沙盒市 本地网";
  AddressSource source_;
  std::vector<EchoRequest> requests_;
};

const char* EchoEndpointName(EchoEndpoint endpoint);  // "page-a", "frame", "service-b"
const char* EchoModeName(EchoMode mode);              // "normal", "slow" ...
bool ParseEchoEndpoint(const std::string& name, EchoEndpoint& endpoint);
bool ParseEchoMode(const std::string& name, EchoMode& mode);

}  // namespace rv::sandbox
