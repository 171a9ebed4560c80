// JsonDoc: one JSON value read by path from a web service's reply, or built member by member.
//
// Paths are script member expressions relative to the document, whose name is "da":
// "content[0].title", "shorturl", "[0]", "da.tkl". Texts are GBK; they are converted to Unicode
// inside and back, characters GBK lacks becoming '?'. Inside string values set with setValue a
// backslash is kept as U+2400 and written back as a raw backslash by getText and toText.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace taoke {

class JsonDoc {
 public:
  // A new document holds an empty object.
  JsonDoc();

  // Reads the text as the document's new value. A carriage return or line feed is first written as
  // the escape "\r" / "\n", so raw line breaks are accepted inside strings and make the text invalid
  // between tokens. True when the text was read and its value is neither null nor undefined; on
  // failure the value is null. Oversized or too deeply nested texts fail.
  bool parse(std::string_view text);

  // The string at the path; "" for a missing member, an index out of range, or any value that is
  // not a string (numbers, booleans, null, objects, arrays).
  std::string getText(std::string_view path) const;

  // Assigns the member at the path. With isJson false the value is stored as a string. With isJson
  // true the value is a JSON text: a member that does not exist yet (or is null) receives it; an
  // existing one has it merged in (an empty value counts as {}): into an array the source's
  // elements are appended, into an object each source member is merged into a target member that
  // is an object or array and replaces any other. False when the value does not parse, the target
  // cannot be merged into, or the member's parent does not exist or is no object or array.
  bool setValue(std::string_view path, std::string_view value, bool isJson);

  // The document holds an empty object again.
  bool clear();

  // The whole value as compact JSON text, members in the order they were added; "" when the
  // value is undefined.
  std::string toText() const;

 private:
  nlohmann::ordered_json value_;
};

}  // namespace taoke
