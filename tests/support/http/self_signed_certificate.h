// A TLS server context with a self-signed certificate for 127.0.0.1, made when first asked for.
#pragma once

#include <openssl/ssl.h>

namespace taoke::testing {

// The same context for the whole test process; never freed.
SSL_CTX* selfSignedServerContext();

}  // namespace taoke::testing
