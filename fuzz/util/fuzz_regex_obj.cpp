// RegexObj with the plug-in's own patterns on arbitrary group messages and page heads.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "util/regex_obj.h"

namespace {

struct UsedPattern {
  const char* pattern;
  bool caseSensitive;
};

// Written with GBK byte escapes ("\xA3\xA4" is the full-width yen sign) so that the fuzz build,
// whose literals stay UTF-8, runs the same patterns as the plug-in.
const UsedPattern kPatterns[] = {
    {"[^\\\xA3\xA4\\)]{11}(?=\\\xA3\xA4)", true},
    {"[^\\$\\)]{11}(?=\\$)", true},
    {"[^\\(\\)]{11}(?=\\))", true},
    {"(https://s.click.taobao.com/\\w{7})", true},
    {"(https://u.jd.com/\\w{6})", true},
    {"(https://sugs.suning.com/\\w{8})", true},
    {"<meta.+?charset=[^\\w]?([-\\w]+)", false},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view subject(reinterpret_cast<const char*>(data), size);
  for (const UsedPattern& used : kPatterns) {
    taoke::RegexObj regex;
    if (!regex.create(used.pattern, subject, used.caseSensitive)) continue;
    const int count = regex.matchCount();
    for (int index = 1; index <= count; ++index) {
      // Every pattern here matches at least one character.
      if (regex.matchText(index).empty()) std::abort();
      (void)regex.subMatchText(index, 1);
    }
    // Positions cost a pass over the subject each, so only the first and the last are checked.
    for (int index : {1, count}) {
      int position = 0;
      if (count > 0 && !regex.matchText(index, &position).empty() &&
          (position < 0 || static_cast<std::size_t>(position) > subject.size()))
        std::abort();
      (void)regex.subMatchText(index, 1, &position);
    }
    (void)regex.subMatchCount();
    (void)regex.replace("$1");
  }
  return 0;
}
