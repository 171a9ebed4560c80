// Cookie folding and merging on arbitrary header lines and cookie texts: no crash, merged items are
// unique and none of them is a deleted cookie.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "util/gbk_text.h"
#include "web/cookies.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  std::string sent = input.ConsumeRandomLengthString(64);
  std::string received = input.ConsumeRandomLengthString(64);
  const std::string head = input.ConsumeRemainingBytesAsString();

  taoke::collectSetCookies(taoke::splitText(head, "\r\n"), received);

  const std::string merged = taoke::mergeCookies(sent, received);
  const std::vector<std::string> items = taoke::splitText(merged, "; ");
  for (std::size_t index = 0; index < items.size(); ++index) {
    if (std::find(items.begin(), items.begin() + index, items[index]) != items.begin() + index) std::abort();
  }
  if (merged.size() > sent.size() + received.size() + 2) std::abort();
  return 0;
}
