// MD5 through OpenSSL's EVP digest interface.
#include <openssl/evp.h>

#include <memory>

#include "util/md5.h"

namespace taoke {

std::optional<Md5Digest> md5Digest(std::string_view bytes) {
  const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
  if (!context) return std::nullopt;
  Md5Digest digest{};
  unsigned int length = 0;
  if (EVP_DigestInit_ex(context.get(), EVP_md5(), nullptr) != 1 ||
      EVP_DigestUpdate(context.get(), bytes.data(), bytes.size()) != 1 ||
      EVP_DigestFinal_ex(context.get(), digest.data(), &length) != 1 || length != digest.size())
    return std::nullopt;
  return digest;
}

}  // namespace taoke
