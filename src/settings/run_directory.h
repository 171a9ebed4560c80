// The plug-in's run directory: the directory that holds the plug-in library.
#pragma once

#include <string>

namespace taoke {

// The directory as GBK text, without a trailing separator; "" when it cannot be found.
std::string runDirectory();

}  // namespace taoke
