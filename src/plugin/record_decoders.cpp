// HostApi's record decoders: the host's Base64 record texts into the records of host_records.h.
#include <algorithm>
#include <limits>

#include "plugin/byte_reader.h"
#include "plugin/host_api.h"
#include "plugin/record_text.h"

namespace taoke {
namespace {

// The reader over a record text, or nothing when the text is empty or holds fewer bytes than the
// record's minimum.
bool openRecord(const std::string& base64, std::size_t minimumBytes, ByteReader& reader) {
  if (base64.empty()) return false;
  Bytes bytes = decodeRecordText(base64);
  if (bytes.size() < minimumBytes) return false;
  reader.setSource(bytes);
  return true;
}

// How many entries a list's count may produce. Every entry occupies at least `entryBytes` bytes on
// the wire, so after `remaining` bytes at most remaining / entryBytes + 1 entries (the last one
// possibly cut off) carry data; a larger count is corrupt and is cut there.
std::size_t entriesToRead(std::int32_t count, std::size_t remaining, std::size_t entryBytes) {
  if (count <= 0) return 0;
  return std::min<std::size_t>(static_cast<std::size_t>(count), remaining / entryBytes + 1);
}

// The common shape of the list decoders: count, then entries read in order into a fresh array that
// replaces the caller's. A negative count gives an empty array and 0.
template <class Entry, class ReadEntry>
std::int32_t decodeList(const std::string& base64, std::size_t minimumBytes, std::size_t entryBytes,
                        std::vector<Entry>& out, ReadEntry readEntry) {
  ByteReader reader;
  if (!openRecord(base64, minimumBytes, reader)) return 0;
  const std::int32_t count = reader.readInt32();
  std::vector<Entry> entries(entriesToRead(count, reader.remaining(), entryBytes));
  for (Entry& entry : entries) readEntry(reader, entry);
  out = std::move(entries);
  return count < 0 ? 0 : 1;
}

}  // namespace

std::int32_t HostApi::decodeLoginQQList(const std::string& base64, std::vector<std::int64_t>& accounts) {
  return decodeList(base64, 12, 8, accounts, [](ByteReader& r, std::int64_t& account) { account = r.readInt64(); });
}

std::int32_t HostApi::decodeAdminList(const std::string& base64, std::vector<AdminEntry>& admins) {
  return decodeList(base64, 12, 12, admins, [](ByteReader& r, AdminEntry& admin) {
    admin.account = r.readInt64();
    admin.value = r.readInt32();
  });
}

bool HostApi::decodeGroupInfo(const std::string& base64, GroupInfo& info) {
  ByteReader r;
  if (!openRecord(base64, 9, r)) return false;
  info.number1 = r.readInt64();
  info.number2 = r.readInt64();
  info.number3 = r.readInt32();
  info.number4 = r.readInt32();
  info.number5 = r.readInt32();
  info.text1 = r.readText16();
  info.bytes1 = r.readBytes16();
  info.number6 = r.readInt32();
  info.text2 = r.readText16();
  info.bytes2 = r.readBytes16();
  return true;
}

bool HostApi::decodeSummaryInfo(const std::string& base64, SummaryInfo& info) {
  ByteReader r;
  if (!openRecord(base64, 9, r)) return false;
  info.number1 = r.readInt64();
  info.number2 = r.readInt32();
  info.text1 = r.readText16();
  r.readBytes16();
  info.text2 = r.readText16();
  r.readBytes16();
  info.text3 = r.readText16();
  info.number3 = r.readInt32();
  info.number4 = r.readInt32();
  info.number5 = r.readInt32();
  info.number6 = r.readInt32();
  return true;
}

bool HostApi::decodeMemberCard(const std::string& base64, std::string& card, bool useNickWhenEmpty) {
  ByteReader r;
  if (!openRecord(base64, 9, r)) return false;
  card = r.readText16();
  if (card.empty() && useNickWhenEmpty) card = r.readText16();
  return true;
}

bool HostApi::decodeExtraRecord1(const std::string& base64, ExtraRecord1& record) {
  ByteReader r;
  if (!openRecord(base64, 9, r)) return false;
  record.bytes1 = r.readBytes16();
  record.text1 = r.readText16();
  record.number1 = r.readInt64();
  record.number2 = r.readInt64();
  return true;
}

bool HostApi::decodeExtraRecord2(const std::string& base64, ExtraRecord2& record) {
  ByteReader r;
  if (!openRecord(base64, 9, r)) return false;
  record.text1 = r.readText16();
  record.text2 = r.readText16();
  record.number1 = r.readInt32();
  record.number2 = r.readInt32();
  record.number3 = r.readInt32();
  record.text3 = r.readText16();
  record.number4 = r.readInt32();
  return true;
}

bool HostApi::decodeExtraRecord3(const std::string& base64, ExtraRecord3& record) {
  ByteReader r;
  if (!openRecord(base64, 9, r)) return false;
  record.text1 = r.readText16();
  record.number1 = r.readInt32();
  record.number2 = r.readInt32();
  record.number3 = r.readInt32();
  record.number4 = r.readInt32();
  return true;
}

bool HostApi::decodeFileRecord(const std::string& base64, FileRecord& record) {
  ByteReader r;
  if (!openRecord(base64, 12, r)) return false;
  record.text1 = r.readText16();
  record.text2 = r.readText16();
  record.text3 = r.readText16();
  record.number1 = static_cast<std::int32_t>(static_cast<std::uint32_t>(r.readInt64()));
  record.number2 = r.readInt64();
  return true;
}

std::int32_t HostApi::decodeGroupList(const std::string& base64, std::vector<GroupEntry>& groups) {
  return decodeList(base64, 10, 18, groups, [](ByteReader& r, GroupEntry& group) {
    group.value = r.readInt64();
    group.group = r.readInt64();
    group.name = r.readText16();
  });
}

std::int32_t HostApi::decodeDiscussList(const std::string& base64, std::vector<DiscussEntry>& discusses) {
  return decodeList(base64, 10, 88, discusses, [](ByteReader& r, DiscussEntry& discuss) {
    discuss.discuss = r.readInt64();
    discuss.bytes = r.readBytes16();
    discuss.name = r.readText16();
    r.readInt32();
    discuss.number1 = r.readInt32();
    discuss.number2 = r.readInt64();
    for (std::int32_t& number : discuss.numbers32a) number = r.readInt32();
    for (std::int64_t& number : discuss.numbers64) number = r.readInt64();
    for (std::int32_t& number : discuss.numbers32b) number = r.readInt32();
  });
}

bool HostApi::decodeMemberRecord(const Bytes& bytes, MemberRecord& member) {
  if (bytes.size() < 40) return false;
  ByteReader r(bytes);
  member.account = r.readInt64();
  member.text1 = r.readText16();
  member.text2 = r.readText16();
  member.number1 = r.readInt32();
  member.number2 = r.readInt32();
  member.text3 = r.readText16();
  member.number3 = r.readInt32();
  member.number4 = r.readInt32();
  member.text4 = r.readText16();
  member.number5 = r.readInt32();
  member.flag1 = r.readInt32() == 1;
  member.text5 = r.readText16();
  member.number6 = r.readInt32();
  member.flag2 = r.readInt32() == 1;
  return true;
}

std::int32_t HostApi::decodeGroupMemberList(const std::string& base64, std::vector<MemberRecord>& members) {
  ByteReader reader;
  if (!openRecord(base64, 10, reader)) return 0;
  const std::int32_t count = reader.readInt32();
  if (count < 0) {
    members.clear();
    return 0;
  }
  std::vector<MemberRecord> collected;
  for (std::int32_t i = 0; i < count; ++i) {
    if (reader.remaining() == 0) return 0;
    MemberRecord member;
    if (!decodeMemberRecord(reader.readBytes16(), member)) return 0;
    collected.push_back(std::move(member));
  }
  members = std::move(collected);
  return 1;
}

std::int32_t HostApi::decodeFriendList(const std::string& base64, std::vector<FriendEntry>& friends) {
  return decodeList(base64, 10, 10, friends, [](ByteReader& r, FriendEntry& entry) {
    entry.account = r.readInt64();
    entry.name = r.readText16();
  });
}

}  // namespace taoke
