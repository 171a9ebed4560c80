#include "host_call.h"

#include <gtest/gtest.h>

#include "util/gbk_text.h"

namespace taoke::testing {
namespace {

std::string unquote(std::string_view quoted) {
  std::string text;
  for (std::size_t i = 1; i + 1 < quoted.size(); ++i) {
    if (quoted[i] != '\\' || i + 2 >= quoted.size()) {
      text += quoted[i];
      continue;
    }
    const char escape = quoted[++i];
    switch (escape) {
      case 't': text += '\t'; break;
      case 'r': text += '\r'; break;
      case 'n': text += '\n'; break;
      case 'x':
        text += static_cast<char>(std::stoi(std::string(quoted.substr(i + 1, 2)), nullptr, 16));
        i += 2;
        break;
      default: text += escape;
    }
  }
  return text;
}

HostArgument parseArgument(const std::string& field) {
  HostArgument argument;
  const std::size_t equals = field.find('=');
  argument.name = field.substr(0, equals);
  const std::string value = equals == std::string::npos ? "" : field.substr(equals + 1);
  if (value == "null") {
    argument.isText = true;
    argument.isNull = true;
  } else if (!value.empty() && value.front() == '"') {
    argument.isText = true;
    argument.text = unquote(value);
  } else {
    argument.number = std::stoll(value);
  }
  return argument;
}

// Texts are quoted with every tab escaped, so the fields of a line split at tabs.
HostCall parseCall(const std::string& line) {
  HostCall call;
  call.line = line;
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  call.function = fields.front();
  for (std::size_t i = 1; i < fields.size(); ++i) call.arguments.push_back(parseArgument(fields[i]));
  return call;
}

const HostArgument* findArgument(const HostCall& call, std::string_view name) {
  for (const HostArgument& argument : call.arguments) {
    if (argument.name == name) return &argument;
  }
  ADD_FAILURE() << call.function << " has no argument " << name << ": " << call.line;
  return nullptr;
}

}  // namespace

std::int64_t HostCall::number(std::string_view name) const {
  const HostArgument* argument = findArgument(*this, name);
  if (argument == nullptr) return 0;
  EXPECT_FALSE(argument->isText) << name << " is a text: " << line;
  return argument->number;
}

std::string HostCall::text(std::string_view name) const {
  const HostArgument* argument = findArgument(*this, name);
  if (argument == nullptr) return "";
  EXPECT_TRUE(argument->isText) << name << " is a number: " << line;
  return argument->text;
}

bool HostCall::isNull(std::string_view name) const {
  const HostArgument* argument = findArgument(*this, name);
  return argument != nullptr && argument->isNull;
}

std::vector<HostCall> parseHostCalls(std::string_view lines) {
  std::vector<HostCall> calls;
  for (const std::string& line : splitText(lines, "\n")) calls.push_back(parseCall(line));
  return calls;
}

}  // namespace taoke::testing
