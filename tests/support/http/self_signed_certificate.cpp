#include "self_signed_certificate.h"

#include <openssl/evp.h>
#include <openssl/x509.h>

#include <mutex>
#include <stdexcept>

namespace taoke::testing {

namespace {

SSL_CTX* makeContext() {
  EVP_PKEY* key = EVP_PKEY_Q_keygen(nullptr, nullptr, "EC", "P-256");
  X509* certificate = X509_new();
  if (key == nullptr || certificate == nullptr) throw std::runtime_error("cannot make a test key");
  X509_set_version(certificate, 2);
  ASN1_INTEGER_set(X509_get_serialNumber(certificate), 1);
  X509_gmtime_adj(X509_getm_notBefore(certificate), -3600);
  X509_gmtime_adj(X509_getm_notAfter(certificate), 7 * 24 * 3600);
  X509_NAME* name = X509_get_subject_name(certificate);
  X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                             reinterpret_cast<const unsigned char*>("127.0.0.1"), -1, -1, 0);
  X509_set_issuer_name(certificate, name);
  X509_set_pubkey(certificate, key);
  if (X509_sign(certificate, key, EVP_sha256()) == 0) throw std::runtime_error("cannot sign the test certificate");

  SSL_CTX* context = SSL_CTX_new(TLS_server_method());
  if (context == nullptr || SSL_CTX_use_certificate(context, certificate) != 1 ||
      SSL_CTX_use_PrivateKey(context, key) != 1) {
    throw std::runtime_error("cannot set up the test TLS context");
  }
  X509_free(certificate);
  EVP_PKEY_free(key);
  return context;
}

}  // namespace

SSL_CTX* selfSignedServerContext() {
  static std::once_flag once;
  static SSL_CTX* context = nullptr;
  std::call_once(once, [] { context = makeContext(); });
  return context;
}

}  // namespace taoke::testing
