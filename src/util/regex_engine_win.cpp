// The regular-expression engine on the system's script regular-expression component
// "VBScript.RegExp", the engine the plug-in's patterns are written for, driven through IDispatch.
#include <windows.h>

#include <memory>

#include "util/com_object_win.h"
#include "util/regex_engine.h"

namespace taoke {
namespace {

// The component has no bound on its work, so it runs on a thread of its own and the caller gives
// up after this long: a hostile subject fails instead of hanging the message handler. The
// abandoned thread ends when its match does (or with the process). Every pattern of the plug-in
// runs over a chat message or page head in milliseconds once the component is
// loaded (the first use loads it: about 1.5 s under Wine).
constexpr DWORD kLongestMatchMilliseconds = 5000;
constexpr std::size_t kLongestSubject = 1 << 20;
constexpr std::size_t kLongestPattern = 4096;

std::optional<long> longProperty(ComObject& object, const wchar_t* name) {
  Variant value;
  if (!object.get(name, value)) return std::nullopt;
  return value.asLong();
}

// The item at a 0-based index of a collection (Matches, SubMatches).
bool itemAt(ComObject& collection, long index, Variant& item) {
  Variant position(index);
  return collection.call(L"Item", {&position}, &item);
}

// The component reports a group's text but not its place: the group is taken to start at the
// first occurrence of its text inside the whole match, which is exact for the plug-in's patterns.
std::optional<RegexSpan> groupSpan(const Variant& text, std::u16string_view subject, const RegexSpan& whole) {
  const std::optional<std::u16string> captured = text.asText();
  if (!captured) return std::nullopt;
  const std::u16string_view matched = subject.substr(whole.start, whole.length);
  const std::size_t at = matched.find(*captured);
  return RegexSpan{whole.start + (at == std::u16string_view::npos ? 0 : at), captured->size()};
}

std::optional<RegexMatch> readMatch(ComObject& match, std::u16string_view subject) {
  const std::optional<long> start = longProperty(match, L"FirstIndex");
  const std::optional<long> length = longProperty(match, L"Length");
  if (!start || !length || *start < 0 || *length < 0 ||
      static_cast<std::size_t>(*start) + static_cast<std::size_t>(*length) > subject.size()) {
    return std::nullopt;
  }
  RegexMatch result;
  result.whole = RegexSpan{static_cast<std::size_t>(*start), static_cast<std::size_t>(*length)};
  Variant subMatchesValue;
  if (!match.get(L"SubMatches", subMatchesValue)) return std::nullopt;
  ComObject subMatches(subMatchesValue.takeDispatch());
  const std::optional<long> groupCount = longProperty(subMatches, L"Count");
  if (!groupCount || *groupCount < 0) return std::nullopt;
  for (long group = 0; group < *groupCount; ++group) {
    Variant text;
    if (!itemAt(subMatches, group, text)) return std::nullopt;
    result.groups.push_back(groupSpan(text, subject, result.whole));
  }
  return result;
}

std::optional<RegexRun> runWithComponent(std::u16string_view pattern, std::u16string_view subject,
                                         const RegexOptions& options) {
  ComApartment apartment;
  ComObject expression = ComObject::create(L"VBScript.RegExp");
  if (!expression) return std::nullopt;
  Variant patternValue(pattern), ignoreCase(options.ignoreCase), multiLine(options.multiLine),
      global(options.global), subjectValue(subject);
  Variant matchesValue;
  if (!expression.put(L"Pattern", patternValue) || !expression.put(L"IgnoreCase", ignoreCase) ||
      !expression.put(L"MultiLine", multiLine) || !expression.put(L"Global", global) ||
      !expression.call(L"Execute", {&subjectValue}, &matchesValue)) {
    return std::nullopt;
  }
  ComObject matches(matchesValue.takeDispatch());
  const std::optional<long> matchCount = longProperty(matches, L"Count");
  if (!matchCount || *matchCount < 0) return std::nullopt;
  RegexRun run;
  for (long index = 0; index < *matchCount; ++index) {
    Variant matchValue;
    if (!itemAt(matches, index, matchValue)) return std::nullopt;
    ComObject match(matchValue.takeDispatch());
    std::optional<RegexMatch> read = readMatch(match, subject);
    if (!read) return std::nullopt;
    run.matches.push_back(std::move(*read));
  }
  if (!run.matches.empty()) run.groupCount = run.matches.front().groups.size();
  return run;
}

// What a match thread works on and leaves behind; shared, since the thread may outlive the caller.
struct MatchJob {
  std::u16string pattern;
  std::u16string subject;
  RegexOptions options;
  std::optional<RegexRun> run;
};

DWORD WINAPI runMatchJob(void* parameter) {
  const std::unique_ptr<std::shared_ptr<MatchJob>> job(static_cast<std::shared_ptr<MatchJob>*>(parameter));
  MatchJob& work = **job;
  work.run = runWithComponent(work.pattern, work.subject, work.options);
  return 0;
}

}  // namespace

std::optional<RegexRun> runRegex(std::u16string_view pattern, std::u16string_view subject,
                                 const RegexOptions& options) {
  if (pattern.size() > kLongestPattern || subject.size() > kLongestSubject) return std::nullopt;
  try {
    auto job = std::make_shared<MatchJob>(MatchJob{std::u16string(pattern), std::u16string(subject), options, {}});
    auto threadShare = std::make_unique<std::shared_ptr<MatchJob>>(job);
    const HANDLE thread = CreateThread(nullptr, 0, runMatchJob, threadShare.get(), 0, nullptr);
    if (thread == nullptr) return std::nullopt;
    threadShare.release();
    const DWORD waited = WaitForSingleObject(thread, kLongestMatchMilliseconds);
    CloseHandle(thread);
    if (waited != WAIT_OBJECT_0) return std::nullopt;
    return std::move(job->run);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace taoke
