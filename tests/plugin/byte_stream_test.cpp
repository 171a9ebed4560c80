#include <gtest/gtest.h>

#include "plugin/byte_reader.h"
#include "plugin/byte_writer.h"

namespace taoke {
namespace {

TEST(ByteWriter, WritesBigEndianNumbersAndLengthPrefixedFields) {
  ByteWriter writer;
  writer.appendInt32(0x01020304);
  writer.appendInt16(-2);
  writer.appendInt64(0x0102030405060708LL);
  writer.appendText16("ab");
  writer.appendBytes16({0xFF});
  writer.appendText("c");
  writer.appendByte(9);
  EXPECT_EQ(writer.bytes(), (Bytes{1, 2, 3, 4, 0xFF, 0xFE, 1, 2, 3, 4, 5, 6, 7, 8, 0, 2, 'a', 'b', 0, 1, 0xFF, 'c', 9}));
  EXPECT_EQ(writer.length(), 23u);
}

// A field longer than a length prefix can say is cut so that prefix and bytes agree.
TEST(ByteWriter, CutsOverlongFieldsToTheLargestPrefix) {
  ByteWriter bytesWriter;
  bytesWriter.appendBytes16(Bytes(40000, 7));
  ASSERT_EQ(bytesWriter.length(), 2u + 32767u);
  EXPECT_EQ(bytesWriter.bytes()[0], 0x7F);
  EXPECT_EQ(bytesWriter.bytes()[1], 0xFF);

  // 16383 double-byte characters fill 32766 bytes; the next one would be split, so it is left out.
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "\xD6\xD0";
  ByteWriter textWriter;
  textWriter.appendText16(text);
  ASSERT_EQ(textWriter.length(), 2u + 32766u);
  ByteReader reader(textWriter.bytes());
  EXPECT_EQ(reader.readText16().size(), 32766u);
  EXPECT_EQ(reader.remaining(), 0u);
}

TEST(ByteReader, ReadsWhatTheWriterWrote) {
  ByteWriter writer;
  writer.appendInt32(-5);
  writer.appendInt64(-6);
  writer.appendInt16(-7);
  writer.appendByte(200);
  writer.appendText16("\xD6\xD0x");
  writer.appendBytes16({1, 2, 3});
  ByteReader reader(writer.bytes());
  EXPECT_EQ(reader.readInt32(), -5);
  EXPECT_EQ(reader.readInt64(), -6);
  EXPECT_EQ(reader.readInt16(), -7);
  EXPECT_EQ(reader.readByte(), 200);
  EXPECT_EQ(reader.readText16(), "\xD6\xD0x");
  EXPECT_EQ(reader.readBytes16(), (Bytes{1, 2, 3}));
  EXPECT_EQ(reader.remaining(), 0u);
}

TEST(ByteReader, NumbersCutShortReadTheRemainingBytes) {
  ByteReader reader(Bytes{0x01, 0x02});
  EXPECT_EQ(reader.readInt32(), 0x0102);
  EXPECT_EQ(reader.remaining(), 0u);
  EXPECT_EQ(reader.readInt64(), 0);
  EXPECT_EQ(reader.readText16(), "");
}

TEST(ByteReader, TextEndsAtZeroByteButWholeFieldIsSkipped) {
  ByteReader reader(Bytes{0, 4, 'a', 0, 'b', 'c', 0, 0, 0, 9});
  EXPECT_EQ(reader.readText16(), "a");
  EXPECT_EQ(reader.readInt32(), 9);
}

TEST(ByteReader, NonPositiveLengthsGiveEmptyFieldsAndConsumeOnlyThePrefix) {
  ByteReader reader(Bytes{0xFF, 0xFF, 0, 0, 0, 3, 'x'});
  EXPECT_EQ(reader.readBytes16(), Bytes{});  // -1
  EXPECT_EQ(reader.readText16(), "");        // 0
  EXPECT_EQ(reader.readBytes(-3), Bytes{});
  EXPECT_EQ(reader.remaining(), 3u);
  EXPECT_EQ(reader.readBytes16(), Bytes{'x'});  // 3 announced, 1 there
  EXPECT_EQ(reader.remaining(), 0u);
}

TEST(ByteReader, RestAndSetSourceAndClear) {
  ByteReader reader(Bytes{1, 2, 3});
  reader.readByte();
  EXPECT_EQ(reader.rest(), (Bytes{2, 3}));
  EXPECT_EQ(reader.remaining(), 2u);
  reader.setSource({9});
  EXPECT_EQ(reader.readByte(), 9);
  reader.clear();
  EXPECT_EQ(reader.remaining(), 0u);
  EXPECT_EQ(reader.readInt32(), 0);
}

}  // namespace
}  // namespace taoke
