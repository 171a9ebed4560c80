#include "plugin/process_runner.h"

#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

namespace taoke {

// There is no window on this platform: `window` only matters where programs open one.
int runProgram(const std::string& program, const std::vector<std::string>& arguments, ProgramWindow) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  if (posix_spawn(&child, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return -1;
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string toolPath(std::string_view folder, std::string_view program) {
  return std::string(folder) + "/" + std::string(program);
}

}  // namespace taoke
