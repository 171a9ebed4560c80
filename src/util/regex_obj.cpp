#include "util/regex_obj.h"

#include "util/code_page.h"
#include "util/gbk_text.h"

namespace taoke {

bool RegexObj::create(std::string_view pattern, std::string_view subject, bool caseSensitive,
                      bool multiLine, bool global, bool quoteAlias) {
  pattern_ = quoteAlias ? replaceAll(pattern, "#引号", "\"") : std::string(pattern);
  subject_ = gbkToUnits(subject);
  const RegexOptions options{.ignoreCase = !caseSensitive, .multiLine = multiLine, .global = global};
  run_ = runRegex(gbkToUnits(pattern_), subject_, options);
  return run_.has_value();
}

std::string RegexObj::replace(std::string_view replacement) const {
  if (!run_) return unitsToGbk(subject_);
  const std::u16string with = gbkToUnits(replacement);
  const auto groupNumberAt = [&with](std::size_t at, std::size_t groupCount, std::size_t& digits) {
    // $nn when those two digits name a group, else $n when that digit does; 0 when neither.
    const auto digitAt = [&with](std::size_t i) {
      return i < with.size() && with[i] >= u'0' && with[i] <= u'9' ? static_cast<int>(with[i] - u'0') : -1;
    };
    const int first = digitAt(at);
    const int second = digitAt(at + 1);
    if (first >= 0 && second >= 0 && first * 10 + second >= 1 &&
        static_cast<std::size_t>(first * 10 + second) <= groupCount) {
      digits = 2;
      return static_cast<std::size_t>(first * 10 + second);
    }
    if (first >= 1 && static_cast<std::size_t>(first) <= groupCount) {
      digits = 1;
      return static_cast<std::size_t>(first);
    }
    return std::size_t{0};
  };

  std::u16string out;
  std::size_t copiedUpTo = 0;
  for (const RegexMatch& match : run_->matches) {
    out.append(subject_, copiedUpTo, match.whole.start - copiedUpTo);
    for (std::size_t at = 0; at < with.size(); ++at) {
      if (with[at] != u'$' || at + 1 == with.size()) {
        out.push_back(with[at]);
        continue;
      }
      const char16_t next = with[at + 1];
      std::size_t digits = 0;
      if (next == u'$') {
        out.push_back(u'$');
      } else if (next == u'&') {
        out.append(subject_, match.whole.start, match.whole.length);
      } else if (next == u'`') {
        out.append(subject_, 0, match.whole.start);
      } else if (next == u'\'') {
        out.append(subject_, match.whole.start + match.whole.length);
      } else if (const std::size_t group = groupNumberAt(at + 1, run_->groupCount, digits); group > 0) {
        if (const auto& span = match.groups[group - 1]) out.append(subject_, span->start, span->length);
        at += digits;
        continue;
      } else {
        out.push_back(u'$');
        continue;
      }
      ++at;
    }
    copiedUpTo = match.whole.start + match.whole.length;
  }
  out.append(subject_, copiedUpTo);
  return unitsToGbk(out);
}

int RegexObj::matchCount() const { return run_ ? static_cast<int>(run_->matches.size()) : 0; }

const RegexMatch* RegexObj::matchAt(int index) const {
  if (index < 1 || index > matchCount()) return nullptr;
  return &run_->matches[static_cast<std::size_t>(index - 1)];
}

std::string RegexObj::spanText(const RegexSpan& span, int* position) const {
  // The byte offset is the GBK length of everything before the span, so a Chinese character
  // before the match counts two.
  if (position) *position = static_cast<int>(unitsToGbk(std::u16string_view(subject_).substr(0, span.start)).size());
  return unitsToGbk(std::u16string_view(subject_).substr(span.start, span.length));
}

std::string RegexObj::matchText(int index, int* position) const {
  if (position) *position = -1;
  const RegexMatch* match = matchAt(index);
  if (!match) return {};
  return spanText(match->whole, position);
}

std::string RegexObj::subMatchText(int index, int group, int* position) const {
  if (position) *position = -1;
  const RegexMatch* match = matchAt(index);
  if (!match || group < 1 || static_cast<std::size_t>(group) > match->groups.size()) return {};
  const std::optional<RegexSpan>& span = match->groups[static_cast<std::size_t>(group - 1)];
  if (!span) return {};
  return spanText(*span, position);
}

int RegexObj::subMatchCount() const {
  return matchCount() > 0 ? static_cast<int>(run_->groupCount) : 0;
}

}  // namespace taoke
