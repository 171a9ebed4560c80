// Header-block operations on arbitrary blocks: no crash, a normalised block keeps only lines with
// ':' and no trailing "\r\n", and normalising it again changes nothing.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "util/gbk_text.h"
#include "web/headers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string name = input.ConsumeRandomLengthString(24);
  const std::string block = input.ConsumeRemainingBytesAsString();

  const std::string normalised = taoke::normaliseHeaders(block);
  if (taoke::endsWithText(normalised, "\r\n")) std::abort();
  for (const std::string& line : taoke::splitText(normalised, "\r\n"))
    if (!taoke::containsText(line, ":")) std::abort();
  if (taoke::normaliseHeaders(normalised) != normalised) std::abort();

  if (taoke::headerValue(block, name).size() > block.size()) std::abort();
  if (taoke::headerLineName(block).size() + taoke::headerLineValue(block).size() > block.size()) std::abort();
  if (taoke::isSendableHeaderLine(block) &&
      (taoke::containsText(block, "\r") || taoke::containsText(block, "\n"))) {
    std::abort();
  }
  taoke::statusCodeOf(block);
  return 0;
}
