// The few file-system questions the voice converters ask, with GBK path texts (converted to the
// platform's own file names here, at the edge).
#pragma once

#include <cstddef>
#include <string>

#include "util/gbk_text.h"

namespace taoke {

bool fileExists(const std::string& path);

// Up to `count` bytes from the start of the file; nothing when it cannot be read.
Bytes readFileStart(const std::string& path, std::size_t count);

// A GBK path text in the form the platform's program arguments take (UTF-8 here).
std::string platformPath(const std::string& path);

}  // namespace taoke
