// The INI reader and writer against what the Windows private-profile functions (run under Wine,
// tools/ini_probe/make_reference.py) read from and wrote into the same files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "settings/private_profile.h"
#include "test_files.h"

namespace taoke {
namespace {

namespace fs = std::filesystem;

struct Step {
  std::string kind, section, key, value;
};

std::string unhex(const std::string& field) {
  if (field == "-") return {};
  std::string out;
  for (std::size_t i = 0; i + 1 < field.size(); i += 2)
    out.push_back(static_cast<char>(std::stoi(field.substr(i, 2), nullptr, 16)));
  return out;
}

// Compiled in, since the cases are listed while the tests are being registered.
fs::path referenceDir() { return TAOKE_INI_REFERENCE_DIR; }

std::vector<Step> stepsOf(const std::string& name) {
  std::ifstream in(referenceDir() / (name + ".case"));
  std::vector<Step> steps;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    Step step;
    std::string section, key, value;
    fields >> step.kind >> section >> key >> value;
    step.section = unhex(section);
    step.key = unhex(key);
    step.value = unhex(value);
    steps.push_back(step);
  }
  return steps;
}

std::vector<std::string> caseNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(referenceDir()))
    if (entry.path().extension() == ".case") names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

class IniReference : public ::testing::TestWithParam<std::string> {};

TEST_P(IniReference, ReadsWhatWindowsReads) {
  for (const Step& step : stepsOf(GetParam())) {
    if (step.kind != "get") continue;
    const std::string path = (referenceDir() / (GetParam() + ".ini")).string();
    EXPECT_EQ(readProfileString(path, step.section, step.key), step.value)
        << "[" << step.section << "] " << step.key;
  }
}

// The same writes through this writer and through Windows leave files that read the same, and
// both read what Windows read after its writes.
TEST_P(IniReference, WritesWhatWindowsReadsBack) {
  const testing::TempDir dir;
  const fs::path ours = dir.path() / "ours.ini";
  const fs::path before = referenceDir() / (GetParam() + ".ini");
  if (fs::exists(before)) fs::copy_file(before, ours);
  const std::vector<Step> steps = stepsOf(GetParam());
  for (const Step& step : steps)
    if (step.kind == "set") writeProfileString(ours.string(), step.section, step.key, step.value);
  const std::string windows = (referenceDir() / (GetParam() + ".wine.ini")).string();
  for (const Step& step : steps) {
    if (step.kind != "after") continue;
    EXPECT_EQ(readProfileString(ours.string(), step.section, step.key), step.value)
        << "ours: [" << step.section << "] " << step.key;
    EXPECT_EQ(readProfileString(windows, step.section, step.key), step.value)
        << "Windows' file: [" << step.section << "] " << step.key;
  }
}

INSTANTIATE_TEST_SUITE_P(Files, IniReference, ::testing::ValuesIn(caseNames()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace taoke
