// MD5 digests from the system cryptography service (CryptoAPI).
#include <windows.h>
#include <wincrypt.h>

#include <climits>

#include "util/md5.h"

namespace taoke {
namespace {

// Acquires a verify-only context of the full RSA provider, retrying once with no flags for
// systems where the verify-only form is refused.
HCRYPTPROV acquireProvider() {
  HCRYPTPROV provider = 0;
  if (CryptAcquireContextA(&provider, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT)) return provider;
  if (CryptAcquireContextA(&provider, nullptr, nullptr, PROV_RSA_FULL, 0)) return provider;
  return 0;
}

}  // namespace

std::optional<Md5Digest> md5Digest(std::string_view bytes) {
  if (bytes.size() > static_cast<std::size_t>(UINT_MAX)) return std::nullopt;
  const HCRYPTPROV provider = acquireProvider();
  if (provider == 0) return std::nullopt;
  std::optional<Md5Digest> digest;
  HCRYPTHASH hash = 0;
  if (CryptCreateHash(provider, CALG_MD5, 0, 0, &hash)) {
    Md5Digest value{};
    DWORD length = static_cast<DWORD>(value.size());
    if (CryptHashData(hash, reinterpret_cast<const BYTE*>(bytes.data()), static_cast<DWORD>(bytes.size()), 0) &&
        CryptGetHashParam(hash, HP_HASHVAL, value.data(), &length, 0) && length == value.size()) {
      digest = value;
    }
    CryptDestroyHash(hash);
  }
  CryptReleaseContext(provider, 0);
  return digest;
}

}  // namespace taoke
