#include "sandbox/tapped_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

namespace rv::sandbox {

namespace {

constexpr size_t kMaxHead = 64 * 1024;

// A connection as httplib reads and writes it, keeping a copy of the bytes
// read until the head is complete.
class TapStream final : public httplib::Stream {
 public:
  TapStream(socket_t sock, SSL* ssl, int readTimeoutMs, int writeTimeoutMs)
      : sock_(sock), ssl_(ssl), readTimeoutMs_(readTimeoutMs), writeTimeoutMs_(writeTimeoutMs) {}

  bool is_readable() const override {
    if (ssl_ && SSL_pending(ssl_) > 0) return true;
    return Wait(POLLIN, readTimeoutMs_);
  }
  bool is_writable() const override { return Wait(POLLOUT, writeTimeoutMs_); }

  ssize_t read(char* ptr, size_t size) override {
    if (!is_readable()) return -1;
    ssize_t n;
    if (ssl_) {
      n = SSL_read(ssl_, ptr, static_cast<int>(size));
    } else {
      do n = ::recv(sock_, ptr, size, 0);
      while (n < 0 && errno == EINTR);
    }
    if (n > 0 && head_.size() < kMaxHead && head_.find("\r\n\r\n") == std::string::npos)
      head_.append(ptr, static_cast<size_t>(n) < kMaxHead - head_.size() ? static_cast<size_t>(n)
                                                                          : kMaxHead - head_.size());
    return n;
  }

  ssize_t write(const char* ptr, size_t size) override {
    if (!is_writable()) return -1;
    if (ssl_) return SSL_write(ssl_, ptr, static_cast<int>(size));
    ssize_t n;
    do n = ::send(sock_, ptr, size, MSG_NOSIGNAL);
    while (n < 0 && errno == EINTR);
    return n;
  }

  void get_remote_ip_and_port(std::string& ip, int& port) const override {
    Address(::getpeername, ip, port);
  }
  void get_local_ip_and_port(std::string& ip, int& port) const override {
    Address(::getsockname, ip, port);
  }
  socket_t socket() const override { return sock_; }

  std::string Head() const {
    size_t end = head_.find("\r\n\r\n");
    return end == std::string::npos ? head_ : head_.substr(0, end + 4);
  }

 private:
  bool Wait(short events, int timeoutMs) const {
    pollfd p{sock_, events, 0};
    int r;
    do r = ::poll(&p, 1, timeoutMs);
    while (r < 0 && errno == EINTR);
    return r > 0 && (p.revents & events) && !(p.revents & (POLLERR | POLLNVAL));
  }

  void Address(int (*query)(int, sockaddr*, socklen_t*), std::string& ip, int& port) const {
    sockaddr_in a{};
    socklen_t len = sizeof a;
    if (query(sock_, reinterpret_cast<sockaddr*>(&a), &len) != 0) return;
    char text[INET_ADDRSTRLEN] = {};
    ::inet_ntop(AF_INET, &a.sin_addr, text, sizeof text);
    ip = text;
    port = ntohs(a.sin_port);
  }

  socket_t sock_;
  SSL* ssl_;
  int readTimeoutMs_, writeTimeoutMs_;
  std::string head_;
};

int Ms(time_t sec, time_t usec) { return static_cast<int>(sec * 1000 + usec / 1000); }

}  // namespace

TappedServer::TappedServer(SSL_CTX* tls, HeadTap tap) : tls_(tls), tap_(std::move(tap)) {}

bool TappedServer::process_and_close_socket(socket_t sock) {
  SSL* ssl = nullptr;
  bool ok = false;
  if (tls_) {
    ssl = SSL_new(tls_);
    // The accepted socket carries the server's read time-out, which bounds the handshake.
    if (!ssl || SSL_set_fd(ssl, sock) != 1 || SSL_accept(ssl) != 1) {
      SSL_free(ssl);
      ::shutdown(sock, SHUT_RDWR);
      ::close(sock);
      return false;
    }
  }
  {
    TapStream stream(sock, ssl, Ms(read_timeout_sec_, read_timeout_usec_),
                     Ms(write_timeout_sec_, write_timeout_usec_));
    bool closed = false;
    ok = process_request(stream, true, closed,
                         [&](httplib::Request&) { if (tap_) tap_(stream.Head()); });
  }
  if (ssl) {
    SSL_shutdown(ssl);
    SSL_free(ssl);
  }
  ::shutdown(sock, SHUT_RDWR);
  ::close(sock);
  return ok;
}

}  // namespace rv::sandbox
