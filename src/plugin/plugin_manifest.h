// The manifest the host reads through AppInfo: one line of compact JSON, GBK, constant for the whole
// life of the library.
#pragma once

namespace taoke {

const char* pluginManifest();

}  // namespace taoke
