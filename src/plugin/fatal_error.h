// Fatal internal errors and the fatal-error hook that hands them to the host.
//
// Error numbers, by kind of failure:
//   1  the host library cannot be opened
//   2  the host library has no function of the needed name
//   3  an index or position out of range (std::out_of_range)
//   4  memory exhausted (std::bad_alloc)
//   5  any other failed run-time operation (std::exception)
//   6  a failure of unknown kind
//   7  the run time ended the process (an error escaped where nothing could catch it)
// The host receives the error text followed by " (ERROR", the number in decimal and ")".
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace taoke {

enum FatalErrorNumber : int {
  kErrorHostLibraryMissing = 1,
  kErrorHostFunctionMissing = 2,
  kErrorOutOfRange = 3,
  kErrorOutOfMemory = 4,
  kErrorRuntimeFailure = 5,
  kErrorUnknown = 6,
  kErrorTerminated = 7,
};

// A failure of the plug-in's own making, with its error number; what() is the GBK error text.
class FatalError : public std::runtime_error {
 public:
  FatalError(int number, const std::string& text) : std::runtime_error(text), number_(number) {}
  int number() const { return number_; }

 private:
  int number_;
};

// The text the host receives: text + " (ERROR" + number + ")".
std::string fatalErrorText(std::string_view text, int number);

// The fatal-error hook: hands fatalErrorText to HostApi.setFatal and returns 1. Never throws; when the
// host library itself is unreachable the error cannot be reported and is dropped.
int reportFatalError(int number, std::string_view text);

// Reports the exception being handled (call only inside a catch block) with the number of its kind.
void reportCurrentException();

// Installed by Initialize: an error that ends the process is reported to the host first.
void installFatalErrorHook();

}  // namespace taoke
