#include "plugin_library.h"

#include <dlfcn.h>

namespace taoke::devhost {

bool PluginLibrary::load(const std::string& path, std::string& error) {
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr) {
    error = dlerror();
    return false;
  }
  if (find("AppInfo") == nullptr || find("Initialize") == nullptr) {
    error = path + " is not a plug-in library: it has no AppInfo or Initialize";
    return false;
  }
  return true;
}

void* PluginLibrary::find(const char* name) const { return handle_ ? dlsym(handle_, name) : nullptr; }

}  // namespace taoke::devhost
