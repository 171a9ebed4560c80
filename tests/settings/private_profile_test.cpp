// The POSIX private-profile functions on real files.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "settings/private_profile.h"
#include "test_files.h"
#include "util/charset.h"

namespace taoke {
namespace {

namespace fs = std::filesystem;

TEST(PrivateProfile, MissingFileReadsEmptyAndAWriteCreatesIt) {
  const testing::TempDir dir;
  const std::string path = (dir.path() / "p.ini").string();
  EXPECT_EQ(readProfileString(path, "s", "k"), "");
  writeProfileString(path, "s", "k", "v");
  EXPECT_EQ(testing::readFile(path), "[s]\r\nk=v\r\n");
}

// The plug-in's file name is GBK text; on disk it is the UTF-8 name.
TEST(PrivateProfile, GbkFileNameIsWrittenAsUtf8) {
  const testing::TempDir dir;
  const std::string gbkPath = utf8ToGbk(dir.path().string()) + "/淘客配置.ini";
  writeProfileString(gbkPath, "s", "k", "v");
  EXPECT_TRUE(fs::exists(dir.path() / "\xE6\xB7\x98\xE5\xAE\xA2\xE9\x85\x8D\xE7\xBD\xAE.ini"));
  EXPECT_EQ(readProfileString(gbkPath, "s", "k"), "v");
}

TEST(PrivateProfile, AWriteLeavesNoTemporaryFileBehind) {
  const testing::TempDir dir;
  const std::string path = (dir.path() / "p.ini").string();
  writeProfileString(path, "s", "a", "1");
  writeProfileString(path, "s", "b", "2");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

// A disk that fills up while the new file is written (here: a file-size limit below the new
// file's size) leaves the old file whole and no temporary file behind.
TEST(PrivateProfile, AFailedWriteKeepsTheOldFile) {
  const testing::TempDir dir;
  const fs::path path = dir.path() / "p.ini";
  const std::string old = "[s]\r\nk=old\r\n";
  testing::writeFile(path, old);
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 64;
  ::setrlimit(RLIMIT_FSIZE, &small);
  writeProfileString(path.string(), "s", "k", std::string(200, 'n'));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_EQ(testing::readFile(path), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(PrivateProfile, WriteKeepsTheFilesPermissions) {
  const testing::TempDir dir;
  const fs::path path = dir.path() / "p.ini";
  testing::writeFile(path, "[s]\r\n");
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  writeProfileString(path.string(), "s", "k", "v");
  EXPECT_EQ(fs::status(path).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// A file far larger than any configuration is neither read nor replaced by a smaller one.
TEST(PrivateProfile, OversizedFileIsLeftAlone) {
  const testing::TempDir dir;
  const fs::path path = dir.path() / "p.ini";
  const std::string huge = "[s]\r\nk=1\r\n" + std::string(5 * 1024 * 1024, 'x');
  testing::writeFile(path, huge);
  EXPECT_EQ(readProfileString(path.string(), "s", "k"), "");
  writeProfileString(path.string(), "s", "k", "2");
  EXPECT_EQ(fs::file_size(path), huge.size());
}

TEST(PrivateProfile, DirectoryInPlaceOfTheFileReadsEmpty) {
  const testing::TempDir dir;
  EXPECT_EQ(readProfileString(dir.path().string(), "s", "k"), "");
}

}  // namespace
}  // namespace taoke
