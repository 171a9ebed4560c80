// The lines of an INI file as the private-profile functions see them: section header lines in
// square brackets, key lines "key=value", anything else kept as it is. Reading and editing follow
// the Windows private-profile rules, so a file moves unchanged between a Windows installation and
// this one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taoke {

class IniDocument {
 public:
  // Splits the file's bytes into lines. LF, CRLF and a lone CR all end a line; a last line
  // without a line end counts as a line. A UTF-8 byte-order mark is skipped and the rest of the
  // text read as UTF-8, as Windows does; other files are read as GBK bytes.
  static IniDocument parse(std::string_view fileBytes);

  // The value of the first key named `key` in the first section named `section` (names compare
  // with ASCII letters folded). White space around the value is gone; a value enclosed in a
  // matching pair of quotes (' or ") comes without them. Nothing when the section or key is missing.
  std::optional<std::string> value(std::string_view section, std::string_view key) const;

  // Writes key=value into the section: replaces the first key line of that name in place, or
  // appends the line after the last non-blank line of the section; a missing section is appended
  // at the end. A line break in the value would write further lines into the file (and so other
  // keys or sections), so the value ends at its first line break, which is all a reader gets back.
  // Names that cannot be written as one header or key line (an empty section name, line breaks,
  // "]" in a section name, "=" in a key name or "[" at its start) change nothing; false then.
  bool set(std::string_view section, std::string_view key, std::string_view value);

  // The file's bytes: every line followed by CRLF, in the file's own encoding.
  std::string serialize() const;

 private:
  std::vector<std::string> lines_;
  bool utf8WithMark_ = false;
};

}  // namespace taoke
