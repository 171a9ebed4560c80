#include "plugin/host_library.h"

#include <cstdlib>
#include <dlfcn.h>
#include <string>

#include "plugin/fatal_error.h"

namespace taoke {
namespace {

const char* const kHostLibraryName = "libTNOffer.so";

// The directory that holds the plug-in library itself, with a trailing "/"; "" when unknown.
std::string pluginDirectory() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&findHostFunction), &info) == 0 || info.dli_fname == nullptr) return "";
  const std::string path = info.dli_fname;
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

// TNOFFER_LIBRARY names the library when set; otherwise the plug-in's own directory is tried, then
// the dynamic linker's search path.
void* openHostLibrary() {
  if (const char* configured = std::getenv("TNOFFER_LIBRARY"); configured != nullptr && *configured != '\0') {
    return dlopen(configured, RTLD_NOW | RTLD_LOCAL);
  }
  const std::string beside = pluginDirectory();
  if (!beside.empty()) {
    if (void* library = dlopen((beside + kHostLibraryName).c_str(), RTLD_NOW | RTLD_LOCAL)) return library;
  }
  return dlopen(kHostLibraryName, RTLD_NOW | RTLD_LOCAL);
}

void* hostLibrary() {
  static void* library = nullptr;
  if (library == nullptr) library = openHostLibrary();
  if (library == nullptr) throw FatalError(kErrorHostLibraryMissing, std::string("找不到宿主函数库 ") + kHostLibraryName);
  return library;
}

}  // namespace

void* findHostFunction(const char* name) {
  void* function = dlsym(hostLibrary(), name);
  if (function == nullptr) throw FatalError(kErrorHostFunctionMissing, std::string("宿主函数库中没有函数 ") + name);
  return function;
}

}  // namespace taoke
