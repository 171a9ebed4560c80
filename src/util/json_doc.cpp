#include "util/json_doc.h"

#include "util/charset.h"
#include "util/code_page.h"
#include "util/gbk_text.h"
#include "util/json_path.h"
#include "util/json_script_reader.h"
#include "util/json_stringify.h"

namespace taoke {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kDocumentName = "da";
// U+2400 in UTF-8: stored strings carry it in place of each backslash.
constexpr std::string_view kBackslashStandIn = "\xE2\x90\x80";
// Assigning past the end of an array fills the gap with null; a larger gap is refused.
constexpr std::size_t kLargestArrayGap = 1024;

bool isMissing(const Json* value) { return value == nullptr || value->is_null() || value->is_discarded(); }

bool isContainer(const Json& value) { return value.is_object() || value.is_array(); }

// The member a step selects, nullptr when it is undefined. JsonValue is Json or const Json.
template <typename JsonValue>
JsonValue* memberOf(JsonValue& parent, const JsonPathStep& step) {
  if (parent.is_object()) {
    const auto found = parent.find(step.key);
    return found == parent.end() ? nullptr : &*found;
  }
  if (parent.is_array() && step.index && *step.index < parent.size()) return &parent[*step.index];
  return nullptr;
}

// Follows the steps from the root. std::nullopt when the evaluation fails: a step taken from
// null or undefined.
template <typename JsonValue>
std::optional<JsonValue*> evaluate(JsonValue& root, const std::vector<JsonPathStep>& steps) {
  JsonValue* current = &root;
  for (const JsonPathStep& step : steps) {
    if (isMissing(current)) return std::nullopt;
    current = memberOf(*current, step);
  }
  return current;
}

struct ResolvedPath {
  std::vector<JsonPathStep> steps;
  bool exists = false;
};

// A path that names the document itself ("da", "da.x") and exists is taken as it is; any other
// is taken under the document name ("date" is da.date, "[0]" is da[0]).
std::optional<ResolvedPath> resolvePath(const Json& root, std::string_view gbkPath) {
  const std::string path = gbkToUtf8(gbkPath);
  if (startsWithText(path, kDocumentName)) {
    if (auto steps = parseJsonPath(path, kDocumentName)) {
      const std::optional<const Json*> value = evaluate(root, *steps);
      if (value && !isMissing(*value)) return ResolvedPath{std::move(*steps), true};
    }
  }
  std::string full(kDocumentName);
  if (!path.empty()) full += (path[0] == '[' ? "" : ".") + path;
  auto steps = parseJsonPath(full, kDocumentName);
  if (!steps) return std::nullopt;
  const std::optional<const Json*> value = evaluate(root, *steps);
  const bool exists = value && !isMissing(*value);
  return ResolvedPath{std::move(*steps), exists};
}

// The merge of an existing member with a JSON value.
bool mergeInto(Json& target, const Json& source) {
  if (target.is_array()) {
    if (!source.is_array()) return false;
    for (const Json& element : source) target.push_back(element);
    return true;
  }
  if (!target.is_object() || !source.is_object()) return false;
  for (const auto& [name, member] : source.items()) {
    const auto found = target.find(name);
    if (found != target.end() && isContainer(*found) && isContainer(member)) {
      if (!mergeInto(*found, member)) return false;
    } else {
      target[name] = member;
    }
  }
  return true;
}

std::string replaceStandIns(const std::string& utf8) { return replaceAll(utf8, kBackslashStandIn, "\\"); }

}  // namespace

JsonDoc::JsonDoc() : value_(Json::object()) {}

bool JsonDoc::parse(std::string_view text) {
  value_ = nullptr;
  const std::string escapedBreaks = replaceAll(replaceAll(text, "\r", "\\r"), "\n", "\\n");
  std::optional<Json> value = readScriptJson(escapedBreaks);
  if (!value) return false;
  value_ = std::move(*value);
  return !isMissing(&value_);
}

std::string JsonDoc::getText(std::string_view path) const {
  const std::optional<ResolvedPath> resolved = resolvePath(value_, path);
  if (!resolved) return {};
  const std::optional<const Json*> value = evaluate(value_, resolved->steps);
  if (!value || *value == nullptr || !(*value)->is_string()) return {};
  return utf8ToGbk(replaceStandIns((*value)->get_ref<const std::string&>()));
}

bool JsonDoc::setValue(std::string_view path, std::string_view value, bool isJson) {
  const std::optional<ResolvedPath> resolved = resolvePath(value_, path);
  if (!resolved) return false;

  Json newValue;
  if (!isJson) {
    newValue = replaceAll(gbkToUtf8(value), "\\", kBackslashStandIn);
  } else if (!resolved->exists) {
    std::optional<Json> parsed = readScriptJson(value);
    if (!parsed) return false;
    newValue = std::move(*parsed);
  } else {
    const std::optional<Json> source = readScriptJson(value.empty() ? std::string_view("{}") : value);
    if (!source) return false;
    newValue = **evaluate(value_, resolved->steps);
    if (!mergeInto(newValue, *source)) return false;
  }

  const std::vector<JsonPathStep>& steps = resolved->steps;
  if (steps.empty()) {
    value_ = std::move(newValue);
    return true;
  }
  const std::vector<JsonPathStep> parentSteps(steps.begin(), steps.end() - 1);
  const std::optional<Json*> parent = evaluate(value_, parentSteps);
  if (!parent || isMissing(*parent)) return false;
  Json& target = **parent;
  const JsonPathStep& last = steps.back();
  if (target.is_object()) {
    if (newValue.is_discarded()) {
      target.erase(last.key);
    } else {
      target[last.key] = std::move(newValue);
    }
    return true;
  }
  if (!target.is_array() || !last.index || *last.index > target.size() + kLargestArrayGap) return false;
  if (*last.index >= target.size()) target.get_ref<Json::array_t&>().resize(*last.index + 1, nullptr);
  target[*last.index] = std::move(newValue);
  return true;
}

bool JsonDoc::clear() {
  value_ = Json::object();
  return true;
}

std::string JsonDoc::toText() const {
  std::u16string text = stringifyJson(value_);
  for (char16_t& unit : text)
    if (unit == u'\u2400') unit = u'\\';
  return unitsToGbk(std::u16string_view(text).substr(0, text.find(u'\0')));
}

}  // namespace taoke
