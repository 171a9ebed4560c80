// The regular-expression engine on the PCRE2 16-bit library, without UTF mode, so that every
// UTF-16 code unit is one character as in the script engine.
#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include <memory>

#include "util/regex_engine.h"

namespace taoke {
namespace {

// Bounds of the work one execution may do: enough for every pattern of the plug-in on any chat
// message or page head, small enough that catastrophic backtracking ends within milliseconds.
constexpr std::uint32_t kMatchLimit = 1'000'000;
constexpr std::uint32_t kDepthLimit = 100'000;
constexpr std::uint32_t kHeapLimitKibibytes = 64 * 1024;

struct CodeFree {
  void operator()(pcre2_code* code) const { pcre2_code_free(code); }
};
struct CompileContextFree {
  void operator()(pcre2_compile_context* context) const { pcre2_compile_context_free(context); }
};
struct MatchContextFree {
  void operator()(pcre2_match_context* context) const { pcre2_match_context_free(context); }
};
struct MatchDataFree {
  void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};

PCRE2_SPTR16 unitsOf(std::u16string_view text) {
  static const char16_t kEmpty = u'\0';
  return reinterpret_cast<PCRE2_SPTR16>(text.empty() ? &kEmpty : text.data());
}

std::unique_ptr<pcre2_code, CodeFree> compile(std::u16string_view pattern, const RegexOptions& options) {
  std::unique_ptr<pcre2_compile_context, CompileContextFree> context(pcre2_compile_context_create(nullptr));
  if (!context) return nullptr;
  pcre2_set_newline(context.get(), PCRE2_NEWLINE_LF);
  pcre2_set_bsr(context.get(), PCRE2_BSR_ANYCRLF);
  // Script-dialect details: \u escapes, an unset back reference matches the empty text, $ without
  // multi-line means the very end.
  std::uint32_t flags = PCRE2_ALT_BSUX | PCRE2_MATCH_UNSET_BACKREF | PCRE2_DOLLAR_ENDONLY |
                        PCRE2_NEVER_BACKSLASH_C | PCRE2_NEVER_UTF | PCRE2_NEVER_UCP;
  if (options.ignoreCase) flags |= PCRE2_CASELESS;
  if (options.multiLine) flags |= PCRE2_MULTILINE;
  int errorCode = 0;
  PCRE2_SIZE errorOffset = 0;
  return std::unique_ptr<pcre2_code, CodeFree>(pcre2_compile(unitsOf(pattern), pattern.size(), flags,
                                                             &errorCode, &errorOffset, context.get()));
}

}  // namespace

std::optional<RegexRun> runRegex(std::u16string_view pattern, std::u16string_view subject,
                                 const RegexOptions& options) {
  const auto code = compile(pattern, options);
  if (!code) return std::nullopt;
  std::unique_ptr<pcre2_match_context, MatchContextFree> context(pcre2_match_context_create(nullptr));
  std::unique_ptr<pcre2_match_data, MatchDataFree> data(
      pcre2_match_data_create_from_pattern(code.get(), nullptr));
  if (!context || !data) return std::nullopt;
  pcre2_set_match_limit(context.get(), kMatchLimit);
  pcre2_set_depth_limit(context.get(), kDepthLimit);
  pcre2_set_heap_limit(context.get(), kHeapLimitKibibytes);

  RegexRun run;
  std::uint32_t captureCount = 0;
  pcre2_pattern_info(code.get(), PCRE2_INFO_CAPTURECOUNT, &captureCount);
  run.groupCount = captureCount;

  std::size_t searchFrom = 0;
  while (searchFrom <= subject.size()) {
    const int result = pcre2_match(code.get(), unitsOf(subject), subject.size(), searchFrom, 0,
                                   data.get(), context.get());
    if (result == PCRE2_ERROR_NOMATCH) break;
    if (result < 0) return std::nullopt;
    const PCRE2_SIZE* offsets = pcre2_get_ovector_pointer(data.get());
    RegexMatch match;
    match.whole = {offsets[0], offsets[1] - offsets[0]};
    for (std::uint32_t group = 1; group <= captureCount; ++group) {
      const PCRE2_SIZE start = offsets[2 * group];
      if (start == PCRE2_UNSET || static_cast<int>(group) >= result) {
        match.groups.emplace_back();
      } else {
        match.groups.push_back(RegexSpan{start, offsets[2 * group + 1] - start});
      }
    }
    run.matches.push_back(std::move(match));
    if (!options.global) break;
    searchFrom = offsets[1] > offsets[0] ? offsets[1] : offsets[0] + 1;
  }
  return run;
}

}  // namespace taoke
