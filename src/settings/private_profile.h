// Reading and writing single values of an INI file with the Windows private-profile semantics
// (GetPrivateProfileStringA / WritePrivateProfileStringA). One implementation per platform: the
// Windows one calls those functions, the POSIX one reads and edits the file itself.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace taoke {

// Every value is read into a buffer of this many bytes, so it comes back at most one byte shorter.
inline constexpr std::size_t kProfileBufferBytes = 10240;

// The value of the key in the section of the file at `path` (GBK text), cut to fit the buffer;
// "" when the file, the section or the key is missing.
std::string readProfileString(std::string_view path, std::string_view section, std::string_view key);

// Writes the key with the value, creating the file and the section when they are missing. The
// file is replaced as a whole, so a failed write leaves the previous file as it was.
void writeProfileString(std::string_view path, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace taoke
