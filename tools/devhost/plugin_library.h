// The plug-in library as the development host loads it: dlopen, then each export looked up by name.
#pragma once

#include <cstdint>
#include <string>

namespace taoke::devhost {

class PluginLibrary {
 public:
  // Loads the library; false with `error` set when it cannot be loaded or lacks AppInfo/Initialize.
  bool load(const std::string& path, std::string& error);

  // The export's address, or null when the library does not have it.
  void* find(const char* name) const;

  template <class Function>
  Function function(const char* name) const {
    return reinterpret_cast<Function>(find(name));
  }

 private:
  void* handle_ = nullptr;
};

}  // namespace taoke::devhost
