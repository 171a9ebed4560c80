// MD5 digest service (RFC 1321). One implementation per platform.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace taoke {

using Md5Digest = std::array<std::uint8_t, 16>;

// The digest of the bytes; std::nullopt when the platform's digest service fails.
std::optional<Md5Digest> md5Digest(std::string_view bytes);

}  // namespace taoke
