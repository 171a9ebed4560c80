// The plug-in loaded from a run directory of this test process's own: the libraries are copied
// into a fresh temporary directory before the first PluginHost loads them, so the configuration
// file 淘客配置.ini of one test never meets another test's, even when tests run side by side.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "plugin_host.h"
#include "test_files.h"

namespace taoke::testing {

inline const std::filesystem::path& isolatedRunDirectory() {
  static const TempDir directory;
  static const bool copied = [] {
    const std::filesystem::path build = PluginHost::buildDirectory();
    for (const char* library : {"libtaoke.so", "libTNOffer.so"})
      std::filesystem::copy_file(build / library, directory.path() / library);
    ::setenv("TAOKE_BUILD_DIR", directory.path().c_str(), 1);
    return true;
  }();
  (void)copied;
  return directory.path();
}

// The configuration file as the plug-in names it on disk.
inline std::filesystem::path configFile() { return isolatedRunDirectory() / u8"淘客配置.ini"; }

}  // namespace taoke::testing
