// HostApi's voice-file converters: AMR and silk recordings to other formats and any recording to
// silk, through the external programs ffmpeg, silkdecode and silkencode in the folder Assembly.
#include <algorithm>

#include "plugin/host_api.h"
#include "plugin/local_files.h"
#include "plugin/process_runner.h"
#include "util/gbk_text.h"

namespace taoke {
namespace {

const char* const kToolFolder = "Assembly";
const char* const kFfmpeg = "ffmpeg";
const char* const kSilkDecode = "silkdecode";
const char* const kSilkEncode = "silkencode";

// The raw intermediate: 16-bit little-endian PCM, 24000 Hz, one channel.
const char* const kPcmFormat = "-f s16le -ar 24000 -ac 1";

// The file name is what follows the last path separator; both "\" and "/" separate on every
// platform the plug-in runs on.
std::string fileNameOf(const std::string& path) {
  const int lastBackslash = findLastText(path, "\\", path.size());
  const int lastSlash = findLastText(path, "/", path.size());
  const int last = std::max(lastBackslash, lastSlash);
  return last < 0 ? path : path.substr(static_cast<std::size_t>(last));
}

std::string outputBase(const std::string& source, const std::string& outputFolder) {
  return outputFolder.empty() ? source : outputFolder + fileNameOf(source);
}

// Runs one command: its fixed option texts become separate arguments, every path one argument.
void runTool(const char* program, const std::vector<std::vector<std::string>>& argumentGroups, ProgramWindow window) {
  std::vector<std::string> arguments;
  for (const std::vector<std::string>& group : argumentGroups) {
    for (const std::string& argument : group) arguments.push_back(platformPath(argument));
  }
  runProgram(toolPath(kToolFolder, program), arguments, window);
}

std::vector<std::string> options(const char* text) { return splitText(text, " "); }

std::vector<std::string> path(const std::string& file) { return {file}; }

}  // namespace

std::string HostApi::convertVoice(const std::string& source, const std::string& targetExtension,
                                  const std::string& outputFolder) {
  const std::string base = outputBase(source, outputFolder);
  const std::string target = base + "." + targetExtension;
  if (fileExists(target)) return target;
  if (readFileStart(source, 5) == bytesOf("#!AMR")) {
    runTool(kFfmpeg, {options("-i"), path(source), path(target)}, ProgramWindow::hidden);
  } else {
    const std::string pcm = base + ".pcm";
    runTool(kSilkDecode, {path(source), path(pcm)}, ProgramWindow::hidden);
    runTool(kFfmpeg, {options(kPcmFormat), options("-i"), path(pcm), path(target)}, ProgramWindow::shown);
  }
  return target;
}

std::string HostApi::convertToSilk(const std::string& source, const std::string& outputFolder) {
  const std::string base = outputBase(source, outputFolder);
  const std::string silk = base + ".slk";
  if (fileExists(silk)) return silk;
  const std::string pcm = base + ".pcm";
  runTool(kFfmpeg, {options("-y -i"), path(source), options(kPcmFormat), path(pcm)}, ProgramWindow::hidden);
  runTool(kSilkEncode, {path(pcm), path(silk), options("-tencent")}, ProgramWindow::hidden);
  return silk;
}

bool HostApi::voiceToolsPresent() {
  return fileExists(toolPath(kToolFolder, kFfmpeg)) && fileExists(toolPath(kToolFolder, kSilkEncode)) &&
         fileExists(toolPath(kToolFolder, kSilkDecode));
}

}  // namespace taoke
