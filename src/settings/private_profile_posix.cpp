// The private-profile functions on POSIX: the file is read whole, edited as an IniDocument and
// written back through a temporary file beside it that replaces it in one rename.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "settings/ini_document.h"
#include "settings/private_profile.h"
#include "util/charset.h"
#include "util/gbk_text.h"

namespace taoke {

namespace {

// A configuration file is a few kilobytes; a file beyond this is not read, nor overwritten.
constexpr off_t kMaxFileBytes = 4 * 1024 * 1024;

// What the file holds: empty when it does not exist, nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::string& fileName) {
  const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? std::optional<std::string>(std::string()) : std::nullopt;
  std::optional<std::string> content;
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= kMaxFileBytes) {
    content.emplace();
    char buffer[16384];
    for (;;) {
      const ssize_t got = ::read(fd, buffer, sizeof buffer);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0 || content->size() + static_cast<std::size_t>(got) > kMaxFileBytes) {
        content.reset();
        break;
      }
      if (got == 0) break;
      content->append(buffer, static_cast<std::size_t>(got));
    }
  }
  ::close(fd);
  return content;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t put = ::write(fd, bytes.data(), bytes.size());
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  return true;
}

// Writes the bytes to a temporary file in the same directory, flushes them to the disk and
// renames it over the file, so the file is always either the old or the new one, never half.
void replaceFile(const std::string& fileName, std::string_view bytes) {
  std::string temporary = fileName + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return;
  struct stat old {};
  const mode_t mode = ::stat(fileName.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
  const bool written = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || ::rename(temporary.c_str(), fileName.c_str()) != 0)
    ::unlink(temporary.c_str());
}

// The longest start of the value that fits the buffer with its terminating zero, never ending
// in the first byte of a double-byte character.
std::string cutToBuffer(std::string value) {
  const std::size_t room = kProfileBufferBytes - 1;
  if (value.size() <= room) return value;
  std::size_t end = 0;
  while (end + gbkCharLength(value, end) <= room) end += gbkCharLength(value, end);
  value.resize(end);
  return value;
}

}  // namespace

std::string readProfileString(std::string_view path, std::string_view section, std::string_view key) {
  const std::optional<std::string> content = readWholeFile(gbkToUtf8(path));
  if (!content) return {};
  return cutToBuffer(IniDocument::parse(*content).value(section, key).value_or(std::string()));
}

void writeProfileString(std::string_view path, std::string_view section, std::string_view key,
                        std::string_view value) {
  const std::string fileName = gbkToUtf8(path);
  const std::optional<std::string> content = readWholeFile(fileName);
  if (!content) return;
  IniDocument document = IniDocument::parse(*content);
  if (document.set(section, key, value)) replaceFile(fileName, document.serialize());
}

}  // namespace taoke
