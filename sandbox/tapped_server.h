#pragma once
// An httplib server that keeps each request's head as it came off the wire
// (the parsed headers lose their order), over plain TCP or TLS. One request
// per connection.
#include <httplib.h>
#include <openssl/ssl.h>

#include <functional>
#include <string>

namespace rv::sandbox {

class TappedServer : public httplib::Server {
 public:
  // Receives the raw head (request line and headers, up to the empty line)
  // just before the request is routed.
  using HeadTap = std::function<void(const std::string& rawHead)>;

  // tls: a context holding the certificate and key, or nullptr for plain
  // HTTP; the caller keeps it alive as long as the server.
  TappedServer(SSL_CTX* tls, HeadTap tap);

 private:
  bool process_and_close_socket(socket_t sock) override;

  SSL_CTX* tls_;
  HeadTap tap_;
};

}  // namespace rv::sandbox
