#include <gtest/gtest.h>

#include "plugin/byte_writer.h"
#include "plugin/key_value_pack.h"
#include "plugin/record_text.h"

namespace taoke {
namespace {

std::string packText(const std::vector<std::pair<std::string, std::string>>& pairs) {
  ByteWriter writer;
  writer.appendInt32(static_cast<std::int32_t>(pairs.size()));
  for (const auto& [key, value] : pairs) {
    ByteWriter block;
    block.appendText16(key);
    block.appendText16(value);
    writer.appendBytes16(block.bytes());
  }
  return encodeRecordText(writer.bytes());
}

TEST(KeyValuePack, ParsedPairsAreFoundByTheirExactKey) {
  KeyValuePack pack;
  ASSERT_TRUE(pack.parse(packText({{"MsgFile", "QUJD"}, {"名字", "值"}})));
  EXPECT_EQ(pack.get("MsgFile"), "QUJD");
  EXPECT_EQ(pack.get("名字"), "值");
  EXPECT_EQ(pack.get("msgfile"), "");
  EXPECT_EQ(pack.get("missing"), "");
}

TEST(KeyValuePack, ASecondParseAddsItsPairsAfterTheFirstOnes) {
  KeyValuePack pack;
  ASSERT_TRUE(pack.parse(packText({{"a", "1"}})));
  ASSERT_TRUE(pack.parse(packText({{"b", "2"}, {"a", "3"}})));
  EXPECT_EQ(pack.pairs(), (std::vector<KeyValuePack::Pair>{{"a", "1"}, {"b", "2"}, {"a", "3"}}));
  EXPECT_EQ(pack.get("a"), "1");
}

TEST(KeyValuePack, SerialisedPackParsesBackToTheSamePairs) {
  KeyValuePack pack;
  pack.set("key", "value");
  pack.set("空", "");
  pack.set("", "empty key");
  pack.set("line", "a\r\nb");
  KeyValuePack copy;
  ASSERT_TRUE(copy.parse(pack.serialize()));
  EXPECT_EQ(copy.pairs(), pack.pairs());
  EXPECT_EQ(pack.serialize(), packText(pack.pairs()));
}

// Every length prefix still matches its bytes when a pair is longer than one block can hold.
TEST(KeyValuePack, OverlongPairIsCutToFitItsBlock) {
  std::string value;
  for (int i = 0; i < 20000; ++i) value += "\xD6\xD0";
  KeyValuePack pack;
  pack.set("MsgFile", value);
  KeyValuePack copy;
  ASSERT_TRUE(copy.parse(pack.serialize()));
  ASSERT_EQ(copy.pairs().size(), 1u);
  EXPECT_EQ(copy.pairs()[0].first, "MsgFile");
  const std::string& kept = copy.pairs()[0].second;
  EXPECT_EQ(kept.size(), 32767u - 2 - 7 - 2);  // the block holds two prefixes, the key and the value
  EXPECT_EQ(kept, value.substr(0, kept.size()));
}

TEST(KeyValuePack, EmptyPackRoundTrips) {
  KeyValuePack pack;
  EXPECT_EQ(pack.serialize(), "AAAAAA==");
  EXPECT_TRUE(pack.parse(pack.serialize()));
  EXPECT_TRUE(pack.pairs().empty());
}

TEST(KeyValuePack, SetReplacesTheFirstEqualKeyAndRemoveDropsIt) {
  KeyValuePack pack;
  pack.set("a", "1");
  pack.set("b", "2");
  pack.set("a", "3");
  EXPECT_EQ(pack.pairs(), (std::vector<KeyValuePack::Pair>{{"a", "3"}, {"b", "2"}}));
  EXPECT_TRUE(pack.remove("a"));
  EXPECT_FALSE(pack.remove("a"));
  EXPECT_EQ(pack.pairs(), (std::vector<KeyValuePack::Pair>{{"b", "2"}}));
  pack.clear();
  EXPECT_TRUE(pack.pairs().empty());
}

struct RejectedCase {
  const char* name;
  std::string text;
  bool emptiesEarlierPairs;
};

class KeyValuePackRejects : public ::testing::TestWithParam<RejectedCase> {};

TEST_P(KeyValuePackRejects, Malformed) {
  const RejectedCase& c = GetParam();
  KeyValuePack pack;
  pack.set("earlier", "pair");
  EXPECT_FALSE(pack.parse(c.text));
  EXPECT_EQ(pack.pairs().empty(), c.emptiesEarlierPairs);
}

ByteWriter countThen(std::int32_t count) {
  ByteWriter writer;
  writer.appendInt32(count);
  return writer;
}

std::string withBlock(std::int32_t count, const Bytes& block) {
  ByteWriter writer = countThen(count);
  writer.appendBytes16(block);
  return encodeRecordText(writer.bytes());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeyValuePackRejects,
    ::testing::Values(RejectedCase{"empty", "", false}, RejectedCase{"notBase64", "@@@@", false},
                      RejectedCase{"threeBytes", encodeRecordText({0, 0, 1}), false},
                      RejectedCase{"negativeCount", encodeRecordText(countThen(-1).bytes()), false},
                      RejectedCase{"blockShorterThanFour", withBlock(1, {0, 1, 'a'}), true},
                      RejectedCase{"countBeyondBlocks", withBlock(2, {0, 1, 'k', 0, 1, 'v'}), true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace taoke
