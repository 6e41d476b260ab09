#include "sandbox/tls_identity.h"

#include <openssl/evp.h>
#include <openssl/rsa.h>
#include <openssl/x509.h>

namespace rv::sandbox {

namespace {

constexpr long kDay = 24 * 60 * 60;

struct PkeyFree {
  void operator()(EVP_PKEY* k) const { EVP_PKEY_free(k); }
};
struct X509Free {
  void operator()(X509* c) const { X509_free(c); }
};

std::unique_ptr<X509, X509Free> MakeCertificate(EVP_PKEY* key, CertKind kind) {
  std::unique_ptr<X509, X509Free> cert(X509_new());
  if (!cert) return nullptr;
  X509_set_version(cert.get(), 2);
  ASN1_INTEGER_set(X509_get_serialNumber(cert.get()), kind == CertKind::Expired ? 2 : 1);
  const bool expired = kind == CertKind::Expired;
  X509_gmtime_adj(X509_getm_notBefore(cert.get()), expired ? -30 * kDay : -kDay);
  X509_gmtime_adj(X509_getm_notAfter(cert.get()), expired ? -kDay : 30 * kDay);
  X509_set_pubkey(cert.get(), key);
  X509_NAME* name = X509_get_subject_name(cert.get());
  X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                             reinterpret_cast<const unsigned char*>("rovanta-sandbox"), -1, -1, 0);
  X509_NAME_add_entry_by_txt(name, "O", MBSTRING_ASC,
                             reinterpret_cast<const unsigned char*>("Rovanta sandbox"), -1, -1, 0);
  X509_set_issuer_name(cert.get(), name);
  if (X509_sign(cert.get(), key, EVP_sha256()) == 0) return nullptr;
  return cert;
}

}  // namespace

SslContext MakeServerContext(CertKind kind) {
  std::unique_ptr<EVP_PKEY, PkeyFree> key(EVP_RSA_gen(2048));
  if (!key) return nullptr;
  auto cert = MakeCertificate(key.get(), kind);
  if (!cert) return nullptr;
  SslContext ctx(SSL_CTX_new(TLS_server_method()));
  if (!ctx) return nullptr;
  SSL_CTX_set_min_proto_version(ctx.get(), TLS1_VERSION);
  if (SSL_CTX_use_certificate(ctx.get(), cert.get()) != 1 ||
      SSL_CTX_use_PrivateKey(ctx.get(), key.get()) != 1 || SSL_CTX_check_private_key(ctx.get()) != 1)
    return nullptr;
  return ctx;
}

}  // namespace rv::sandbox
