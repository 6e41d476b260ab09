#include "sandbox/ip_echo.h"

#include <atomic>
#include <csignal>
#include <tuple>

#include "platform/codepage.h"
#include "sandbox/tapped_server.h"

namespace rv::sandbox {

namespace {

constexpr const char* kPaths[kEchoEndpointCount] = {"/", "/ic.asp", "/getip.aspx"};
constexpr const char* kNames[kEchoEndpointCount] = {"page-a", "frame", "service-b"};
constexpr const char* kModeNames[] = {"normal", "slow",     "silent",  "malformed",
                                      "empty",  "oversized", "trickle", "down"};
constexpr size_t kOversizedBytes = 9u << 20;
constexpr int kLongestSilenceMs = 10 * 60 * 1000;
constexpr int kDefaultTrickleMs = 200;

std::string ContentType(EchoEndpoint endpoint) {
  return endpoint == EchoEndpoint::ServiceB ? "text/javascript; charset=utf-8"
                                            : "text/html; charset=gb2312";
}

EchoRequest ParseHead(EchoEndpoint endpoint, const std::string& raw) {
  EchoRequest r{endpoint, raw, {}, {}};
  size_t lineEnd = raw.find("\r\n");
  r.requestLine = raw.substr(0, lineEnd);
  for (size_t at = lineEnd; at != std::string::npos && at + 2 < raw.size();) {
    size_t next = raw.find("\r\n", at + 2);
    std::string line = raw.substr(at + 2, next == std::string::npos ? std::string::npos : next - at - 2);
    at = next;
    size_t colon = line.find(':');
    if (line.empty() || colon == std::string::npos) continue;
    size_t value = line.find_first_not_of(' ', colon + 1);
    r.headers.emplace_back(line.substr(0, colon), value == std::string::npos ? "" : line.substr(value));
  }
  return r;
}

}  // namespace

struct IpEcho::Endpoint {
  EchoEndpoint id;
  EchoMode mode = EchoMode::Normal;
  int delayMs = 0;
  std::string body;  // replaces the page when set
  bool hasBody = false;
  std::atomic<int> port{0};
  bool releasing = false;  // wakes silent, slow and trickling answers
  std::unique_ptr<TappedServer> server;
  std::thread thread;
};

IpEcho::IpEcho(EchoTransport transport) : transport_(transport) {
  std::signal(SIGPIPE, SIG_IGN);  // a client that hangs up must not end the process
  for (int i = 0; i < kEchoEndpointCount; ++i) {
    endpoints_[i] = std::make_unique<Endpoint>();
    endpoints_[i]->id = static_cast<EchoEndpoint>(i);
  }
  if (transport != EchoTransport::Http)
    tls_ = MakeServerContext(transport == EchoTransport::HttpsExpired ? CertKind::Expired
                                                                      : CertKind::SelfSigned);
}

IpEcho::~IpEcho() { Stop(); }

bool IpEcho::Start(int basePort) {
  if (transport_ != EchoTransport::Http && !tls_) return false;
  for (int i = 0; i < kEchoEndpointCount; ++i)
    if (!Listen(*endpoints_[i], basePort ? basePort + i : 0)) {
      Stop();
      return false;
    }
  return true;
}

void IpEcho::Stop() {
  for (auto& e : endpoints_) Close(*e);
}

bool IpEcho::Listen(Endpoint& e, int port) {
  const EchoEndpoint id = e.id;
  auto server = std::make_unique<TappedServer>(tls_.get(), [this, id](const std::string& raw) { Record(id, raw); });
  server->Get(kPaths[static_cast<int>(id)],
              [this, &e](const httplib::Request&, httplib::Response& res) { Answer(e, res); });
  int bound = port ? (server->bind_to_port("127.0.0.1", port) ? port : -1)
                   : server->bind_to_any_port("127.0.0.1");
  if (bound <= 0) return false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    e.port = bound;
    e.releasing = false;
  }
  e.server = std::move(server);
  e.thread = std::thread([s = e.server.get()] { s->listen_after_bind(); });
  // A stop that comes before the server runs would be lost.
  for (int i = 0; i < 5000 && !e.server->is_running(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return true;
}

void IpEcho::Close(Endpoint& e) {
  if (!e.server) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    e.releasing = true;
  }
  wake_.notify_all();
  e.server->stop();
  if (e.thread.joinable()) e.thread.join();
  e.server.reset();
}

std::string IpEcho::Url(EchoEndpoint endpoint) const {
  const Endpoint& e = *endpoints_[static_cast<int>(endpoint)];
  return std::string(transport_ == EchoTransport::Http ? "http" : "https") + "://127.0.0.1:" +
         std::to_string(e.port) + kPaths[static_cast<int>(endpoint)];
}

void IpEcho::SetAddress(const std::string& address, const std::string& region) {
  std::lock_guard<std::mutex> lock(mutex_);
  address_ = address;
  region_ = region;
}

void IpEcho::SetAddressSource(AddressSource source) {
  std::lock_guard<std::mutex> lock(mutex_);
  source_ = std::move(source);
}

void IpEcho::SetMode(EchoEndpoint endpoint, EchoMode mode, int delayMs) {
  Endpoint& e = *endpoints_[static_cast<int>(endpoint)];
  bool wasDown;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    wasDown = !e.server;
    e.mode = mode;
    e.delayMs = delayMs;
  }
  if (mode == EchoMode::Down) {
    Close(e);
  } else if (wasDown && e.port) {
    Listen(e, e.port);  // back on the same port
  }
}

void IpEcho::SetBody(EchoEndpoint endpoint, std::string body) {
  std::lock_guard<std::mutex> lock(mutex_);
  Endpoint& e = *endpoints_[static_cast<int>(endpoint)];
  e.body = std::move(body);
  e.hasBody = true;
}

std::vector<EchoRequest> IpEcho::Requests() {
  std::lock_guard<std::mutex> lock(mutex_);
  return requests_;
}

void IpEcho::ClearRequests() {
  std::lock_guard<std::mutex> lock(mutex_);
  requests_.clear();
}

void IpEcho::Record(EchoEndpoint endpoint, const std::string& raw) {
  std::lock_guard<std::mutex> lock(mutex_);
  requests_.push_back(ParseHead(endpoint, raw));
}

// Waits `ms`; false when the endpoint is being closed meanwhile.
bool IpEcho::Nap(Endpoint& e, int ms) {
  std::unique_lock<std::mutex> lock(mutex_);
  return !wake_.wait_for(lock, std::chrono::milliseconds(ms), [&] { return e.releasing; });
}

std::string IpEcho::Page(EchoEndpoint endpoint, bool malformed) {
  std::string address, region, frameUrl = Url(EchoEndpoint::Frame);
  AddressSource source;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    address = address_;
    region = region_;
    source = source_;
  }
  if (source) std::tie(address, region) = source();
  switch (endpoint) {
    case EchoEndpoint::PageA:
      return Utf8ToGbkBytes(
          "<html><head><title>IP地址查询</title></head><body>\r\n<iframe src=\"" + frameUrl +
          (malformed ? "" : "\" rel=\"nofollow\" frameborder=\"0\" scrolling=\"no\" width=\"100%\" height=\"520\"></iframe>") +
          "\r\n</body></html>");
    case EchoEndpoint::Frame:
      return Utf8ToGbkBytes(
          "<html><head><meta http-equiv=\"content-type\" content=\"text/html; charset=gb2312\">"
          "<title>您的IP地址</title></head><body style=\"margin:0px\"><center>您的IP是：[" + address +
          (malformed ? " 来自：" + region : "] 来自：" + region + "</center>") + "</body></html>");
    case EchoEndpoint::ServiceB:
      return "var ipInfo = {ip:'" + address +
             (malformed ? ",address:" + region : "',address:'" + region + "'};");
  }
  return {};
}

void IpEcho::Answer(Endpoint& e, httplib::Response& res) {
  // As the real sites do; a client that keeps no cookies never sends it back.
  res.set_header("Set-Cookie", "visitor=sandbox; path=/");
  EchoMode mode;
  int delayMs;
  std::string body;
  bool hasBody;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    mode = e.mode;
    delayMs = e.delayMs;
    body = e.body;
    hasBody = e.hasBody;
  }
  if (mode == EchoMode::Silent) {
    Nap(e, kLongestSilenceMs);
    res.status = 503;
    return;
  }
  if (mode == EchoMode::Slow && !Nap(e, delayMs)) return;
  if (!hasBody) body = mode == EchoMode::Empty ? "" : Page(e.id, mode == EchoMode::Malformed);
  if (mode == EchoMode::Oversized) body.resize(kOversizedBytes, ' ');
  if (mode == EchoMode::Trickle) {
    const int interval = delayMs > 0 ? delayMs : kDefaultTrickleMs;
    auto page = std::make_shared<std::string>(std::move(body));
    res.set_content_provider(page->size(), ContentType(e.id),
                             [this, &e, page, interval](size_t offset, size_t, httplib::DataSink& sink) {
                               if (!Nap(e, interval)) return false;
                               return sink.write(page->data() + offset, 1);
                             });
    return;
  }
  res.set_content(body, ContentType(e.id));
}

const char* EchoEndpointName(EchoEndpoint endpoint) { return kNames[static_cast<int>(endpoint)]; }
const char* EchoModeName(EchoMode mode) { return kModeNames[static_cast<int>(mode)]; }

bool ParseEchoEndpoint(const std::string& name, EchoEndpoint& endpoint) {
  for (int i = 0; i < kEchoEndpointCount; ++i)
    if (name == kNames[i]) {
      endpoint = static_cast<EchoEndpoint>(i);
      return true;
    }
  return false;
}

bool ParseEchoMode(const std::string& name, EchoMode& mode) {
  for (size_t i = 0; i < std::size(kModeNames); ++i)
    if (name == kModeNames[i]) {
      mode = static_cast<EchoMode>(i);
      return true;
    }
  return false;
}

}  // namespace rv::sandbox
