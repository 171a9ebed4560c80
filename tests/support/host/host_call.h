// A host function call as the recording host library libTNOffer.so recorded it, read back from its
// text line (see tools/devhost/tnoffer_control.h for the line format).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace taoke::testing {

// One argument of a recorded call: a number, a text, or a null text pointer.
struct HostArgument {
  std::string name;
  bool isText = false;
  bool isNull = false;
  std::int64_t number = 0;
  std::string text;
};

struct HostCall {
  std::string function;
  std::vector<HostArgument> arguments;  // in parameter order, authCode first
  std::string line;                     // the recorded line, for failure messages

  // The argument of that name; a missing name or the wrong kind fails the test and gives 0 / "".
  std::int64_t number(std::string_view name) const;
  std::string text(std::string_view name) const;
  bool isNull(std::string_view name) const;
};

// The calls of tnofferTakeCalls' text, in order.
std::vector<HostCall> parseHostCalls(std::string_view lines);

}  // namespace taoke::testing
