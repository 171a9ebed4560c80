// RegexObj: one regular expression run over one GBK subject, with access to its matches and their
// capture groups. Patterns follow the script regular-expression dialect (see regex_engine.h);
// repetition counts count characters, so a Chinese character or "￥" counts once.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "util/regex_engine.h"

namespace taoke {

class RegexObj {
 public:
  // Compiles the pattern (with `quoteAlias`, every "#引号" first becomes a double quote) and runs
  // it over the subject. True when the run produced a match collection, also when nothing matched;
  // false when the pattern is rejected or the matching work runs over its bound.
  bool create(std::string_view pattern, std::string_view subject, bool caseSensitive = false,
              bool multiLine = true, bool global = true, bool quoteAlias = false);

  // The pattern text of the last create; "" before the first.
  const std::string& pattern() const { return pattern_; }

  // The subject with the matches replaced (all of them when global). The replacement may use $$,
  // $&, $`, $' and $1..$99.
  std::string replace(std::string_view replacement) const;

  int matchCount() const;

  // The text of match `index` (from 1); "" outside 1..matchCount(). `position`, when given,
  // receives the 0-based byte offset of the text in the subject, or -1.
  std::string matchText(int index, int* position = nullptr) const;

  // The text captured by group `group` (from 1) of match `index`; "" for a group that did not take
  // part or indices out of range. `position` as for matchText.
  std::string subMatchText(int index, int group, int* position = nullptr) const;

  // The number of capture groups in the first match; 0 when nothing matched.
  int subMatchCount() const;

 private:
  const RegexMatch* matchAt(int index) const;
  std::string spanText(const RegexSpan& span, int* position) const;

  std::string pattern_;
  std::u16string subject_;
  std::optional<RegexRun> run_;
};

}  // namespace taoke
