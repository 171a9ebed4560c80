// The development host's operator console: one-line commands that give the host's data, send the
// plug-in events and menu clicks, drive the headless settings window and wait. Everything the
// plug-in does in answer (host calls, log box lines, message boxes) is printed as it happens, in
// UTF-8; the console's own texts go to the plug-in in GBK.
#pragma once

#include <iosfwd>
#include <string>

#include "plugin_library.h"

namespace taoke::devhost {

class Console {
 public:
  Console(const PluginLibrary& plugin, std::ostream& out) : plugin_(plugin), out_(out) {}

  // Runs one command line (UTF-8). False when the command failed; `quit` sets finished().
  bool run(const std::string& line);
  bool finished() const { return finished_; }

  // Prints what the plug-in showed since the last look: new log box text and message boxes.
  void showWindowOutput();

  static void printHelp(std::ostream& out);

 private:
  struct Failure {
    std::string message;
  };

  void runCommand(const std::string& command, const std::string& line);
  void pump(long long milliseconds);
  std::string uiText(const std::string& control);
  template <class Function>
  Function ui(const char* name) const;
  int checkUi(int result, const std::string& what);

  const PluginLibrary& plugin_;
  std::ostream& out_;
  std::string shownLog_;
  bool finished_ = false;
};

}  // namespace taoke::devhost
