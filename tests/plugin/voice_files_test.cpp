#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include <gtest/gtest.h>

#include "plugin/host_api.h"
#include "util/charset.h"

namespace taoke {
namespace {

namespace fs = std::filesystem;

// Stand-ins for the external programs: each appends its name and every argument (in brackets, one
// a line) to calls.log and creates the file it would write.
const char* const kLogArguments = "{ echo \"$(basename \"$0\")\"; for a in \"$@\"; do echo \"[$a]\"; done; } >> calls.log\n";

class VoiceFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = fs::current_path();
    directory_ = fs::temp_directory_path() / ("taoke_voice_" + std::to_string(::getpid()) + "_" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(directory_);
    fs::create_directories(directory_);
    fs::current_path(directory_);
  }

  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(directory_);
  }

  void installTools() {
    fs::create_directories("Assembly");
    writeTool("ffmpeg", "for last; do :; done; : > \"$last\"\n");
    writeTool("silkdecode", ": > \"$2\"\n");
    writeTool("silkencode", ": > \"$2\"\n");
  }

  static void writeTool(const std::string& name, const std::string& createOutput) {
    const fs::path path = fs::path("Assembly") / name;
    std::ofstream(path) << "#!/bin/sh\n" << kLogArguments << createOutput;
    fs::permissions(path, fs::perms::owner_all);
  }

  static void writeFile(const std::string& utf8Name, const std::string& content) {
    std::ofstream(utf8Name, std::ios::binary) << content;
  }

  static std::string calls() {
    std::ifstream log("calls.log");
    std::stringstream text;
    text << log.rdbuf();
    return text.str();
  }

 private:
  fs::path previous_;
  fs::path directory_;
};

TEST_F(VoiceFilesTest, AmrSourceGoesThroughFfmpegWithEachPathOneArgument) {
  installTools();
  writeFile("my \"voice\".amr", "#!AMR\n...");
  const std::string target = HostApi::convertVoice("my \"voice\".amr", "mp3", "");
  EXPECT_EQ(target, "my \"voice\".amr.mp3");
  EXPECT_EQ(calls(), "ffmpeg\n[-i]\n[my \"voice\".amr]\n[my \"voice\".amr.mp3]\n");
  EXPECT_TRUE(fs::exists("my \"voice\".amr.mp3"));
}

TEST_F(VoiceFilesTest, OtherSourceIsDecodedAsSilkThenConverted) {
  installTools();
  writeFile("v.slk", "\x02#!SILK_V3");
  fs::create_directories("out");
  EXPECT_EQ(HostApi::convertVoice("v.slk", "wav", "out/"), "out/v.slk.wav");
  EXPECT_EQ(calls(),
            "silkdecode\n[v.slk]\n[out/v.slk.pcm]\n"
            "ffmpeg\n[-f]\n[s16le]\n[-ar]\n[24000]\n[-ac]\n[1]\n[-i]\n[out/v.slk.pcm]\n[out/v.slk.wav]\n");
}

TEST_F(VoiceFilesTest, UnreadableSourceIsTakenAsSilk) {
  installTools();
  HostApi::convertVoice("missing.amr", "mp3", "");
  EXPECT_EQ(calls().substr(0, 11), "silkdecode\n");
}

TEST_F(VoiceFilesTest, ExistingTargetIsNotMadeAgain) {
  installTools();
  writeFile("a.amr", "#!AMR");
  writeFile("a.amr.mp3", "done");
  EXPECT_EQ(HostApi::convertVoice("a.amr", "mp3", ""), "a.amr.mp3");
  EXPECT_EQ(calls(), "");
}

TEST_F(VoiceFilesTest, ToSilkRunsFfmpegThenTheEncoderOnce) {
  installTools();
  writeFile("a b.mp3", "ID3");
  EXPECT_EQ(HostApi::convertToSilk("a b.mp3", ""), "a b.mp3.slk");
  EXPECT_EQ(calls(),
            "ffmpeg\n[-y]\n[-i]\n[a b.mp3]\n[-f]\n[s16le]\n[-ar]\n[24000]\n[-ac]\n[1]\n[a b.mp3.pcm]\n"
            "silkencode\n[a b.mp3.pcm]\n[a b.mp3.slk]\n[-tencent]\n");
  fs::remove("calls.log");
  EXPECT_EQ(HostApi::convertToSilk("a b.mp3", ""), "a b.mp3.slk");
  EXPECT_EQ(calls(), "");
}

// Paths are GBK texts in the plug-in and UTF-8 names on this system's disk.
TEST_F(VoiceFilesTest, GbkPathsReachTheProgramsAsTheFilesNames) {
  installTools();
  const std::string gbkName = "语音.amr";
  writeFile(gbkToUtf8(gbkName), "#!AMR");
  EXPECT_EQ(HostApi::convertVoice(gbkName, "mp3", ""), gbkName + ".mp3");
  EXPECT_EQ(calls(), "ffmpeg\n[-i]\n[" + gbkToUtf8(gbkName) + "]\n[" + gbkToUtf8(gbkName + ".mp3") + "]\n");
}

TEST_F(VoiceFilesTest, MissingProgramsLeaveTheReturnedPathWithoutAFile) {
  writeFile("a.amr", "#!AMR");
  EXPECT_FALSE(HostApi::voiceToolsPresent());
  EXPECT_EQ(HostApi::convertVoice("a.amr", "mp3", ""), "a.amr.mp3");
  EXPECT_FALSE(fs::exists("a.amr.mp3"));
  installTools();
  EXPECT_TRUE(HostApi::voiceToolsPresent());
  fs::remove("Assembly/silkencode");
  EXPECT_FALSE(HostApi::voiceToolsPresent());
}

struct TargetCase {
  const char* name;
  std::string source;
  std::string extension;
  std::string folder;
  std::string expected;
};

class VoiceTargetTest : public ::testing::TestWithParam<TargetCase> {};

// The output folder and the file name are joined without a separator.
TEST_P(VoiceTargetTest, NamesTheTarget) {
  const TargetCase& c = GetParam();
  EXPECT_EQ(HostApi::convertVoice(c.source, c.extension, c.folder), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VoiceTargetTest,
    ::testing::Values(TargetCase{"noFolder", "C:\\v\\a.amr", "mp3", "", "C:\\v\\a.amr.mp3"},
                      TargetCase{"folderJoinedDirectly", "C:\\v\\a.amr", "mp3", "D:\\out", "D:\\outa.amr.mp3"},
                      TargetCase{"slashPath", "/tmp/none/v/a.amr", "mp3", "/tmp/none/out/", "/tmp/none/out/a.amr.mp3"},
                      TargetCase{"bareName", "a.amr", "wav", "x/", "x/a.amr.wav"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace taoke
