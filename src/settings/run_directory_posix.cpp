// The run directory on POSIX: the directory of the shared object that holds this code, as the
// dynamic linker reports it.
#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>

#include "settings/run_directory.h"
#include "util/charset.h"

namespace taoke {

std::string runDirectory() {
  Dl_info info{};
  if (::dladdr(reinterpret_cast<void*>(&runDirectory), &info) == 0 || !info.dli_fname) return {};
  char resolved[PATH_MAX];
  if (!::realpath(info.dli_fname, resolved)) return {};
  std::string path(resolved);
  const std::size_t slash = path.find_last_of('/');
  path.resize(slash == std::string::npos ? 0 : slash);
  return utf8ToGbk(path);
}

}  // namespace taoke
