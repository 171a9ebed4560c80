#include <functional>
#include <sstream>

#include <gtest/gtest.h>

#include "plugin/byte_writer.h"
#include "plugin/host_api.h"
#include "plugin/record_text.h"

namespace taoke {
namespace {

// A decoder run on a Base64 text: its result and a summary of its output, or "untouched" when the
// output still holds what it held before.
struct Decoded {
  int result;
  std::string output;
};
using Decode = std::function<Decoded(const std::string& base64)>;

template <class... Fields>
std::string summary(const Fields&... fields) {
  std::ostringstream out;
  ((out << fields << "|"), ...);
  return out.str();
}

std::string summary(const Bytes& bytes) { return "bytes" + std::to_string(bytes.size()); }

template <class Output, class Decoder, class Summarise>
Decode decoder(Output sentinel, Decoder decode, Summarise summarise) {
  return [=](const std::string& base64) {
    Output output = sentinel;
    const int result = static_cast<int>(decode(base64, output));
    const std::string after = summarise(output);
    return Decoded{result, after == summarise(sentinel) ? "untouched" : after};
  };
}

template <class Entry, class Summarise>
auto listSummary(Summarise summariseEntry) {
  return [=](const std::vector<Entry>& entries) {
    std::string text = std::to_string(entries.size()) + ":";
    for (const Entry& entry : entries) text += "[" + summariseEntry(entry) + "]";
    return text;
  };
}

const Decode decodeLoginQQList = decoder(
    std::vector<std::int64_t>{999}, HostApi::decodeLoginQQList,
    listSummary<std::int64_t>([](std::int64_t account) { return std::to_string(account); }));

const Decode decodeAdminList =
    decoder(std::vector<AdminEntry>{{999, 9}}, HostApi::decodeAdminList,
            listSummary<AdminEntry>([](const AdminEntry& e) { return summary(e.account, e.value); }));

const Decode decodeGroupInfo = decoder(GroupInfo{999}, HostApi::decodeGroupInfo, [](const GroupInfo& i) {
  return summary(i.number1, i.number2, i.number3, i.number4, i.number5, i.text1, summary(i.bytes1), i.number6, i.text2,
                 summary(i.bytes2));
});

const Decode decodeSummaryInfo = decoder(SummaryInfo{999}, HostApi::decodeSummaryInfo, [](const SummaryInfo& i) {
  return summary(i.number1, i.number2, i.text1, i.text2, i.text3, i.number3, i.number4, i.number5, i.number6);
});

const Decode decodeMemberCard = decoder(
    std::string("old"), [](const std::string& b, std::string& card) { return HostApi::decodeMemberCard(b, card); },
    [](const std::string& card) { return card; });

const Decode decodeMemberCardOrNick = decoder(
    std::string("old"), [](const std::string& b, std::string& card) { return HostApi::decodeMemberCard(b, card, true); },
    [](const std::string& card) { return card; });

const Decode decodeExtraRecord1 = decoder(ExtraRecord1{{}, "old"}, HostApi::decodeExtraRecord1, [](const ExtraRecord1& r) {
  return summary(summary(r.bytes1), r.text1, r.number1, r.number2);
});

const Decode decodeExtraRecord2 = decoder(ExtraRecord2{"old"}, HostApi::decodeExtraRecord2, [](const ExtraRecord2& r) {
  return summary(r.text1, r.text2, r.number1, r.number2, r.number3, r.text3, r.number4);
});

const Decode decodeExtraRecord3 = decoder(ExtraRecord3{"old"}, HostApi::decodeExtraRecord3, [](const ExtraRecord3& r) {
  return summary(r.text1, r.number1, r.number2, r.number3, r.number4);
});

const Decode decodeFileRecord = decoder(FileRecord{"old"}, HostApi::decodeFileRecord, [](const FileRecord& r) {
  return summary(r.text1, r.text2, r.text3, r.number1, r.number2);
});

const Decode decodeGroupList =
    decoder(std::vector<GroupEntry>{{9, 9, "old"}}, HostApi::decodeGroupList,
            listSummary<GroupEntry>([](const GroupEntry& e) { return summary(e.value, e.group, e.name); }));

const Decode decodeDiscussList = decoder(
    std::vector<DiscussEntry>{{999}}, HostApi::decodeDiscussList, listSummary<DiscussEntry>([](const DiscussEntry& e) {
      return summary(e.discuss, e.name, summary(e.bytes), e.number1, e.number2, e.numbers32a[0], e.numbers32a[5],
                     e.numbers64[0], e.numbers64[2], e.numbers32b[0], e.numbers32b[2]);
    }));

std::string memberSummary(const MemberRecord& m) {
  return summary(m.account, m.text1, m.text2, m.number1, m.number2, m.text3, m.number3, m.number4, m.text4, m.number5,
                 m.text5, m.number6, m.flag1, m.flag2);
}

const Decode decodeGroupMemberList = decoder(std::vector<MemberRecord>{{999}}, HostApi::decodeGroupMemberList,
                                             listSummary<MemberRecord>(memberSummary));

const Decode decodeFriendList =
    decoder(std::vector<FriendEntry>{{999, "old"}}, HostApi::decodeFriendList,
            listSummary<FriendEntry>([](const FriendEntry& e) { return summary(e.account, e.name); }));

// Record streams, built field by field.
Bytes stream(const std::function<void(ByteWriter&)>& fill) {
  ByteWriter writer;
  fill(writer);
  return writer.bytes();
}

Bytes cut(Bytes bytes, std::size_t keep) {
  bytes.resize(keep);
  return bytes;
}

Bytes memberBytes(std::int64_t account, const char* nick, std::int32_t flag1 = 1, std::int32_t flag2 = 0) {
  return stream([&](ByteWriter& w) {
    w.appendInt64(account);
    w.appendText16(nick);
    w.appendText16("card");
    w.appendInt32(1);
    w.appendInt32(2);
    w.appendText16("t3");
    w.appendInt32(3);
    w.appendInt32(4);
    w.appendText16("t4");
    w.appendInt32(5);
    w.appendInt32(flag1);
    w.appendText16("t5");
    w.appendInt32(6);
    w.appendInt32(flag2);
  });
}

const Bytes kLoginList = stream([](ByteWriter& w) {
  w.appendInt32(2);
  w.appendInt64(10001);
  w.appendInt64(-2);
});

const Bytes kAdminList = stream([](ByteWriter& w) {
  w.appendInt32(1);
  w.appendInt64(777);
  w.appendInt32(3);
});

const Bytes kGroupInfo = stream([](ByteWriter& w) {
  w.appendInt64(1);
  w.appendInt64(2);
  w.appendInt32(3);
  w.appendInt32(4);
  w.appendInt32(5);
  w.appendText16("first");
  w.appendBytes16({1, 2});
  w.appendInt32(6);
  w.appendText16("second");
  w.appendBytes16({3});
});

const Bytes kSummaryInfo = stream([](ByteWriter& w) {
  w.appendInt64(1);
  w.appendInt32(2);
  w.appendText16("a");
  w.appendBytes16({0xEE, 0xEE});
  w.appendText16("b");
  w.appendBytes16({0xEE});
  w.appendText16("c");
  w.appendInt32(3);
  w.appendInt32(4);
  w.appendInt32(5);
  w.appendInt32(6);
});

const Bytes kMemberCard = stream([](ByteWriter& w) {
  w.appendText16("名片");
  w.appendText16("nick");
  w.appendInt32(0);
});

const Bytes kEmptyMemberCard = stream([](ByteWriter& w) {
  w.appendText16("");
  w.appendText16("nick");
  w.appendInt32(0);
});

const Bytes kExtraRecord1 = stream([](ByteWriter& w) {
  w.appendBytes16({1, 2, 3});
  w.appendText16("x");
  w.appendInt64(-1);
  w.appendInt64(2);
});

const Bytes kExtraRecord2 = stream([](ByteWriter& w) {
  w.appendText16("p");
  w.appendText16("q");
  w.appendInt32(1);
  w.appendInt32(2);
  w.appendInt32(3);
  w.appendText16("r");
  w.appendInt32(4);
});

const Bytes kExtraRecord3 = stream([](ByteWriter& w) {
  w.appendText16("s");
  w.appendInt32(1);
  w.appendInt32(2);
  w.appendInt32(3);
  w.appendInt32(4);
});

// The first number is 64-bit on the wire and keeps only its low 32 bits.
const Bytes kFileRecord = stream([](ByteWriter& w) {
  w.appendText16("id");
  w.appendText16("a.txt");
  w.appendText16("/");
  w.appendInt64(0x0000000700000009LL);
  w.appendInt64(1234567890123LL);
});

const Bytes kGroupList = stream([](ByteWriter& w) {
  w.appendInt32(2);
  w.appendInt64(1);
  w.appendInt64(20001);
  w.appendText16("群一");
  w.appendInt64(2);
  w.appendInt64(20002);
  w.appendText16("群二");
});

const Bytes kDiscussList = stream([](ByteWriter& w) {
  w.appendInt32(1);
  w.appendInt64(30001);
  w.appendBytes16({9, 9});
  w.appendText16("讨论");
  w.appendInt32(-99);  // discarded
  w.appendInt32(1);
  w.appendInt64(2);
  for (int i = 0; i < 6; ++i) w.appendInt32(10 + i);
  for (int i = 0; i < 3; ++i) w.appendInt64(20 + i);
  for (int i = 0; i < 3; ++i) w.appendInt32(30 + i);
});

const Bytes kMemberList = stream([](ByteWriter& w) {
  w.appendInt32(2);
  w.appendBytes16(memberBytes(5001, "a"));
  w.appendBytes16(memberBytes(5002, "b", 2, 1));
});

const Bytes kFriendList = stream([](ByteWriter& w) {
  w.appendInt32(1);
  w.appendInt64(6001);
  w.appendText16("友");
});

struct DecoderCase {
  const char* name;
  Decode decode;
  Bytes good;
  std::string goodOutput;
  std::size_t minimumBytes;
  Bytes cutOff;
  std::string cutOffOutput;
};

void PrintTo(const DecoderCase& c, std::ostream* out) { *out << c.name; }

class RecordDecoderTest : public ::testing::TestWithParam<DecoderCase> {};

TEST_P(RecordDecoderTest, DecodesAWholeRecord) {
  const DecoderCase& c = GetParam();
  const Decoded decoded = c.decode(encodeRecordText(c.good));
  EXPECT_EQ(decoded.result, 1);
  EXPECT_EQ(decoded.output, c.goodOutput);
}

TEST_P(RecordDecoderTest, ReadsFieldsMissingAtTheEndAsZeroOrEmpty) {
  const DecoderCase& c = GetParam();
  const Decoded decoded = c.decode(encodeRecordText(c.cutOff));
  EXPECT_EQ(decoded.result, 1);
  EXPECT_EQ(decoded.output, c.cutOffOutput);
}

TEST_P(RecordDecoderTest, LeavesTheOutputUntouchedOnEmptyShortOrForeignText) {
  const DecoderCase& c = GetParam();
  const std::vector<std::string> rejected = {
      "",
      encodeRecordText(cut(c.good, c.minimumBytes - 1)),
      "AAAA*AAAAAAAAAAAAAAAAAAA",
      std::string("\xD6\xD0\xCE\xC4") + encodeRecordText(c.good),
  };
  for (const std::string& text : rejected) {
    const Decoded decoded = c.decode(text);
    EXPECT_EQ(decoded.result, 0) << text;
    EXPECT_EQ(decoded.output, "untouched") << text;
  }
}

TEST_P(RecordDecoderTest, AcceptsLineBreaksInTheBase64Text) {
  const DecoderCase& c = GetParam();
  std::string text = encodeRecordText(c.good);
  text.insert(4, "\r\n");
  EXPECT_EQ(c.decode(text).output, c.goodOutput);
}

INSTANTIATE_TEST_SUITE_P(
    Decoders, RecordDecoderTest,
    ::testing::Values(
        DecoderCase{"LoginQQList", decodeLoginQQList, kLoginList, "2:[10001][-2]", 12, cut(kLoginList, 12),
                    "2:[10001][0]"},
        DecoderCase{"AdminList", decodeAdminList, kAdminList, "1:[777|3|]", 12, cut(kAdminList, 13), "1:[777|0|]"},
        DecoderCase{"GroupInfo", decodeGroupInfo, kGroupInfo, "1|2|3|4|5|first|bytes2|6|second|bytes1|", 9,
                    cut(kGroupInfo, 30), "1|2|3|4|5||bytes0|0||bytes0|"},
        DecoderCase{"SummaryInfo", decodeSummaryInfo, kSummaryInfo, "1|2|a|b|c|3|4|5|6|", 9, cut(kSummaryInfo, 17),
                    "1|2|a|||0|0|0|0|"},
        DecoderCase{"MemberCard", decodeMemberCard, kMemberCard, "名片", 9, cut(kMemberCard, 9), "名片"},
        DecoderCase{"MemberCardOrNick", decodeMemberCardOrNick, kEmptyMemberCard, "nick", 9,
                    cut(kEmptyMemberCard, 9), "nick"},
        DecoderCase{"ExtraRecord1", decodeExtraRecord1, kExtraRecord1, "bytes3|x|-1|2|", 9, cut(kExtraRecord1, 12),
                    "bytes3|x|4294967295|0|"},
        DecoderCase{"ExtraRecord2", decodeExtraRecord2, kExtraRecord2, "p|q|1|2|3|r|4|", 9, cut(kExtraRecord2, 10),
                    "p|q|1|0|0||0|"},
        DecoderCase{"ExtraRecord3", decodeExtraRecord3, kExtraRecord3, "s|1|2|3|4|", 9, cut(kExtraRecord3, 11),
                    "s|1|2|0|0|"},
        DecoderCase{"FileRecord", decodeFileRecord, kFileRecord, "id|a.txt|/|9|1234567890123|", 12,
                    cut(kFileRecord, 17), "id|a.txt|/|0|0|"},
        DecoderCase{"GroupList", decodeGroupList, kGroupList, "2:[1|20001|群一|][2|20002|群二|]", 10,
                    cut(kGroupList, 30), "2:[1|20001|群一|][0|0||]"},
        DecoderCase{"DiscussList", decodeDiscussList, kDiscussList, "1:[30001|讨论|bytes2|1|2|10|15|20|22|30|32|]", 10,
                    cut(kDiscussList, 30), "1:[30001|讨论|bytes2|1|0|0|0|0|0|0|0|]"},
        DecoderCase{"GroupMemberList", decodeGroupMemberList, kMemberList,
                    "2:[5001|a|card|1|2|t3|3|4|t4|5|t5|6|1|0|][5002|b|card|1|2|t3|3|4|t4|5|t5|6|0|1|]", 10,
                    // the second block announces its full length but only 45 of its bytes are there
                    cut(kMemberList, 4 + 2 + memberBytes(5001, "a").size() + 2 + 45),
                    "2:[5001|a|card|1|2|t3|3|4|t4|5|t5|6|1|0|][5002|b|card|1|2|t3|3|4|t4|5||0|0|0|]"},
        DecoderCase{"FriendList", decodeFriendList, kFriendList, "1:[6001|友|]", 10, cut(kFriendList, 12),
                    "1:[6001||]"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListDecoders, CountOfZeroGivesAnEmptyArray) {
  EXPECT_EQ(decodeLoginQQList(encodeRecordText(Bytes(12, 0))).output, "0:");
  EXPECT_EQ(decodeGroupList(encodeRecordText(Bytes(10, 0))).output, "0:");
}

TEST(ListDecoders, NegativeCountGivesAnEmptyArrayAndZero) {
  const Bytes negative = stream([](ByteWriter& w) {
    w.appendInt32(-1);
    w.appendInt64(0);
  });
  for (const Decode& decode : {decodeLoginQQList, decodeAdminList, decodeGroupList, decodeDiscussList,
                               decodeGroupMemberList, decodeFriendList}) {
    const Decoded decoded = decode(encodeRecordText(negative));
    EXPECT_EQ(decoded.result, 0);
    EXPECT_EQ(decoded.output, "0:");
  }
}

// A count the data cannot hold is corrupt: it claims no more entries than the bytes could reach.
TEST(ListDecoders, HugeCountIsCutToTheEntriesTheDataReaches) {
  const Bytes huge = stream([](ByteWriter& w) {
    w.appendInt32(0x7FFFFFFF);
    w.appendInt64(20001);
    w.appendInt64(1);
    w.appendText16("g");
  });
  std::vector<GroupEntry> groups;
  EXPECT_EQ(HostApi::decodeGroupList(encodeRecordText(huge), groups), 1);
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0].group, 1);
  EXPECT_EQ(groups[1].group, 0);
}

TEST(GroupMemberList, AnEntryTooShortForAMemberRecordLeavesTheArrayUnchanged) {
  const Bytes shortSecond = stream([](ByteWriter& w) {
    w.appendInt32(2);
    w.appendBytes16(memberBytes(5001, "a"));
    w.appendBytes16(Bytes(39, 0));
  });
  EXPECT_EQ(decodeGroupMemberList(encodeRecordText(shortSecond)).result, 0);
  EXPECT_EQ(decodeGroupMemberList(encodeRecordText(shortSecond)).output, "untouched");
}

TEST(GroupMemberList, MissingEntriesLeaveTheArrayUnchanged) {
  const Bytes oneOfThree = stream([](ByteWriter& w) {
    w.appendInt32(3);
    w.appendBytes16(memberBytes(5001, "a"));
  });
  EXPECT_EQ(decodeGroupMemberList(encodeRecordText(oneOfThree)).output, "untouched");
}

TEST(MemberRecord, NeedsFortyBytes) {
  MemberRecord member;
  member.account = 5;
  EXPECT_FALSE(HostApi::decodeMemberRecord(Bytes(39, 0), member));
  EXPECT_EQ(member.account, 5);
  EXPECT_TRUE(HostApi::decodeMemberRecord(Bytes(40, 0), member));
  EXPECT_EQ(member.account, 0);
}

}  // namespace
}  // namespace taoke
