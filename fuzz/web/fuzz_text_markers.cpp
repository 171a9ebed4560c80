// The marker cutters on arbitrary texts, markers and start positions: no crash, and every result is
// a piece of the text.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "web/text_markers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const int start = input.ConsumeIntegralInRange<int>(-300, 300);
  const bool caseInsensitive = input.ConsumeBool();
  const std::string left = input.ConsumeRandomLengthString(16);
  const std::string right = input.ConsumeRandomLengthString(16);
  const std::string text = input.ConsumeRemainingBytesAsString();

  const std::string between = taoke::textBetween(text, left, right, start, caseInsensitive);
  if (between.size() > text.size()) std::abort();
  const std::string before = taoke::textLeftOf(text, left, start, caseInsensitive);
  if (before.size() > text.size() || text.compare(0, before.size(), before) != 0) std::abort();
  const std::string after = taoke::textRightOf(text, left, start, caseInsensitive);
  if (after.size() > text.size() || text.compare(text.size() - after.size(), after.size(), after) != 0) std::abort();
  return 0;
}
