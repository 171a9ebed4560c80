#include "plugin/local_files.h"

#include <fstream>
#include <sys/stat.h>

#include "util/charset.h"

namespace taoke {

std::string platformPath(const std::string& path) { return gbkToUtf8(path); }

bool fileExists(const std::string& path) {
  struct stat info {};
  return ::stat(platformPath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

Bytes readFileStart(const std::string& path, std::size_t count) {
  std::ifstream file(platformPath(path), std::ios::binary);
  Bytes bytes(count);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(count));
  bytes.resize(file ? count : static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0)));
  return bytes;
}

}  // namespace taoke
