// The sandbox's made-up certificates are what the HTTPS tests rely on: a
// certificate no client trusts, and one that is out of date.
#include "sandbox/tls_identity.h"

#include <gtest/gtest.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

namespace rv::sandbox {
namespace {

TEST(TlsIdentity, SelfSignedIsCurrentAndIssuedByItself) {
  SslContext ctx = MakeServerContext(CertKind::SelfSigned);
  ASSERT_TRUE(ctx);
  X509* cert = SSL_CTX_get0_certificate(ctx.get());
  ASSERT_TRUE(cert);
  EXPECT_LT(X509_cmp_current_time(X509_get0_notBefore(cert)), 0);
  EXPECT_GT(X509_cmp_current_time(X509_get0_notAfter(cert)), 0);
  EXPECT_EQ(X509_NAME_cmp(X509_get_issuer_name(cert), X509_get_subject_name(cert)), 0);
  EXPECT_EQ(X509_check_host(cert, "127.0.0.1", 0, 0, nullptr), 0);
}

TEST(TlsIdentity, ExpiredEndedBeforeNow) {
  SslContext ctx = MakeServerContext(CertKind::Expired);
  ASSERT_TRUE(ctx);
  X509* cert = SSL_CTX_get0_certificate(ctx.get());
  ASSERT_TRUE(cert);
  EXPECT_LT(X509_cmp_current_time(X509_get0_notAfter(cert)), 0);
}

}  // namespace
}  // namespace rv::sandbox
