// The INI reader and writer on arbitrary file bytes: no crash, no unbounded work, and a value
// written is what a reader gets back from the written file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/ini_document.h"

namespace {

// The first line of the input names a section and a key to look up ("section=key"); the rest is
// the file.
void lookUpNamesFromTheInput(const taoke::IniDocument& document, std::string_view input) {
  const std::string_view firstLine = input.substr(0, input.find('\n'));
  const std::size_t equals = firstLine.find('=');
  if (equals == std::string_view::npos) return;
  (void)document.value(firstLine.substr(0, equals), firstLine.substr(equals + 1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  taoke::IniDocument document = taoke::IniDocument::parse(input);
  lookUpNamesFromTheInput(document, input);
  (void)document.value("appkey", "appkey");

  if (!document.set("fuzzsection", "fuzzkey", "value 1")) std::abort();
  const taoke::IniDocument written = taoke::IniDocument::parse(document.serialize());
  if (written.value("FuzzSection", "FUZZKEY") != std::optional<std::string>("value 1")) std::abort();
  if (written.serialize() != document.serialize()) std::abort();
  return 0;
}
