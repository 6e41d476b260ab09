#pragma once
// TLS identities made on the spot for the sandbox's HTTPS endpoints: a fresh
// key and a certificate that no client trusts and whose name matches no host.
#include <openssl/ssl.h>

#include <memory>

namespace rv::sandbox {

enum class CertKind {
  SelfSigned,  // valid now, signed by itself
  Expired,     // self-signed and out of date since yesterday
};

struct SslCtxFree {
  void operator()(SSL_CTX* ctx) const { SSL_CTX_free(ctx); }
};
using SslContext = std::unique_ptr<SSL_CTX, SslCtxFree>;

// A server context holding the new certificate and key; null on failure.
SslContext MakeServerContext(CertKind kind);

}  // namespace rv::sandbox
