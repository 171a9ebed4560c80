// Regular-expression engine service: runs one pattern over one subject, both UTF-16, in the
// dialect of the script regular-expression component the plug-in's patterns are written for.
// One implementation per platform.
//
// Dialect: positions and repetition counts are in UTF-16 code units; \w is [A-Za-z0-9_]; the dot
// does not match a line feed; with multiLine, ^ and $ also match at line feeds, otherwise $ only
// at the very end. Matching work is bounded, so a hostile subject fails instead of hanging.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace taoke {

struct RegexOptions {
  bool ignoreCase = true;
  bool multiLine = true;
  bool global = true;
};

// A span of the subject in code units; a group that did not take part has no span.
struct RegexSpan {
  std::size_t start = 0;
  std::size_t length = 0;
};

struct RegexMatch {
  RegexSpan whole;
  std::vector<std::optional<RegexSpan>> groups;  // groups[0] is capture group 1
};

struct RegexRun {
  std::size_t groupCount = 0;  // capture groups of the pattern
  std::vector<RegexMatch> matches;
};

// Every non-overlapping match left to right (only the first unless `global`); after an empty match
// the search resumes one unit further on. std::nullopt when the pattern is rejected or the
// matching work runs over its bound.
std::optional<RegexRun> runRegex(std::u16string_view pattern, std::u16string_view subject,
                                 const RegexOptions& options);

}  // namespace taoke
