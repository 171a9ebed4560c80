// JsonDoc on arbitrary replies: parse, the readers the features use, member assignment and output.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "util/json_doc.h"

namespace {

const char* const kFeaturePaths[] = {"content[0].title", "content[0].tao_id", "content[0].coupon_click_url",
                                     "shorturl", "tkl", "jb", "da", "[0]", "date", "da.content[1]"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string path = input.ConsumeRandomLengthString(64);
  const std::string memberValue = input.ConsumeRandomLengthString(256);
  const std::string reply = input.ConsumeRemainingBytesAsString();

  taoke::JsonDoc doc;
  const bool parsed = doc.parse(reply);
  for (const char* featurePath : kFeaturePaths) (void)doc.getText(featurePath);
  (void)doc.getText(path);
  const std::string text = doc.toText();
  // A value that was read is written back as some text.
  if (parsed && text.empty()) std::abort();

  (void)doc.setValue(path, memberValue, false);
  (void)doc.setValue(path, reply, true);
  (void)doc.setValue("merged", reply, true);
  (void)doc.setValue("merged", reply, true);
  (void)doc.toText();

  // A string member reads back as it was set, when it is plain ASCII without a backslash.
  taoke::JsonDoc built;
  bool plain = true;
  for (unsigned char c : memberValue) plain = plain && c >= 0x20 && c < 0x7F && c != '\\';
  if (built.setValue("m", memberValue, false) && plain && built.getText("m") != memberValue) std::abort();
  return 0;
}
