// Starting external programs: each is given its arguments as a vector, never through a shell, so a
// path holding quotes or spaces stays one argument.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace taoke {

enum class ProgramWindow { hidden, shown };

// Runs `program` with `arguments` and waits until it ends. Returns the exit status, or -1 when the
// program could not be started or did not end normally.
int runProgram(const std::string& program, const std::vector<std::string>& arguments, ProgramWindow window);

// The path of an external program in `folder` under the current folder, in this platform's form
// ("Assembly/ffmpeg" here).
std::string toolPath(std::string_view folder, std::string_view program);

}  // namespace taoke
