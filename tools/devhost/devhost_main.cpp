// devhost: loads a plug-in library as the robot host does (dlopen, AppInfo, Initialize with an
// authorisation code), plays the host's part through libTNOffer.so and drives the plug-in from a
// script file or from standard input. See `devhost --help`.
#include <cstring>
#include <dlfcn.h>
#include <fstream>
#include <iostream>
#include <string>
#include <unistd.h>

#include "console.h"
#include "plugin_library.h"
#include "tnoffer_control.h"
#include "util/charset.h"

namespace {

using taoke::devhost::Console;

void printUsage(std::ostream& out) {
  out << "usage: devhost [--auth CODE] [PLUGIN.so] [SCRIPT]\n"
         "\n"
         "Loads the plug-in (default: libtaoke.so beside devhost), reads its manifest, calls Initialize\n"
         "with the authorisation code (default 1234) and runs the commands of SCRIPT, or of standard\n"
         "input when there is no script (with a prompt on a terminal). The plug-in's host library is\n"
         "libTNOffer.so beside devhost; TNOFFER_LIBRARY names another one.\n"
         "\n"
         "Printed as it happens, in UTF-8:\n"
         "  host> FUNCTION name=value ...   every host function the plug-in calls, with its arguments\n"
         "  log> TEXT                       what the plug-in appends to the log box, line by line\n"
         "  box> [TITLE] TEXT               every message box\n"
         "  EXPORT -> RESULT                what an export returned\n"
         "\n"
         "Commands:\n";
  Console::printHelp(out);
}

// The directory of a loaded object, with a trailing "/".
std::string directoryOf(const void* address) {
  Dl_info info{};
  if (dladdr(address, &info) == 0 || info.dli_fname == nullptr) return "./";
  const std::string path = info.dli_fname;
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

std::string executableDirectory() {
  char path[4096];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return "./";
  const std::string executable(path, static_cast<std::size_t>(length));
  return executable.substr(0, executable.rfind('/') + 1);
}

bool endsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

void printHostCall(const char* line, void*) {
  std::string text = taoke::gbkToUtf8(line);
  for (char& c : text) {
    if (c == '\t') c = ' ';
  }
  std::cout << "host> " << text << "\n" << std::flush;
}

}  // namespace

int main(int argc, char** argv) {
  int authCode = 1234;
  std::string pluginPath;
  std::string scriptPath;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      printUsage(std::cout);
      return 0;
    }
    if (argument == "--auth" && i + 1 < argc) {
      authCode = std::atoi(argv[++i]);
    } else if (pluginPath.empty() && scriptPath.empty() && endsWith(argument, ".so")) {
      pluginPath = argument;
    } else if (scriptPath.empty()) {
      scriptPath = argument;
    } else {
      std::cerr << "devhost: unexpected argument " << argument << "\n";
      printUsage(std::cerr);
      return 2;
    }
  }
  if (pluginPath.empty()) pluginPath = executableDirectory() + "libtaoke.so";

  // The plug-in must reach this very host library, the one whose calls are printed.
  const std::string hostLibrary = directoryOf(reinterpret_cast<void*>(&tnofferReset)) + "libTNOffer.so";
  setenv("TNOFFER_LIBRARY", hostLibrary.c_str(), 0);
  tnofferSetCallListener(printHostCall, nullptr);

  taoke::devhost::PluginLibrary plugin;
  std::string error;
  if (!plugin.load(pluginPath, error)) {
    std::cerr << "devhost: " << error << "\n";
    return 1;
  }
  const char* manifest = plugin.function<const char* (*)()>("AppInfo")();
  std::cout << "devhost: loaded " << pluginPath << " (manifest of " << (manifest ? std::strlen(manifest) : 0)
            << " bytes; `appinfo` prints it)\n";
  const int initialized = plugin.function<int32_t (*)(int32_t, int32_t)>("Initialize")(authCode, 0);
  std::cout << "Initialize(" << authCode << ", 0) -> " << initialized << "\n";

  Console console(plugin, std::cout);
  std::ifstream script;
  if (!scriptPath.empty()) {
    script.open(scriptPath);
    if (!script) {
      std::cerr << "devhost: cannot read " << scriptPath << "\n";
      return 1;
    }
  }
  std::istream& input = scriptPath.empty() ? std::cin : script;
  const bool interactive = scriptPath.empty() && isatty(STDIN_FILENO);
  bool allSucceeded = true;
  std::string line;
  int lineNumber = 0;
  while (!console.finished()) {
    if (interactive) std::cout << "devhost> " << std::flush;
    if (!std::getline(input, line)) break;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!interactive && !line.empty() && line[0] != '#') std::cout << "> " << line << "\n";
    if (!console.run(line)) {
      allSucceeded = false;
      if (!interactive) std::cout << "  (" << (scriptPath.empty() ? "input" : scriptPath) << " line " << lineNumber
                                  << ")\n";
    }
  }
  return allSucceeded ? 0 : 1;
}
