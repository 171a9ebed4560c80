#include "host_data.h"

#include "plugin/byte_writer.h"
#include "plugin/record_text.h"

namespace taoke::devhost {

std::string loginListRecord(const HostData& data) {
  if (data.loginAccounts.empty()) return "";
  ByteWriter writer;
  writer.appendInt32(static_cast<std::int32_t>(data.loginAccounts.size()));
  for (std::int64_t account : data.loginAccounts) writer.appendInt64(account);
  return encodeRecordText(writer.bytes());
}

std::string groupListRecord(const HostData& data, std::int64_t robot) {
  if (data.groups.empty()) return "";
  ByteWriter writer;
  writer.appendInt32(static_cast<std::int32_t>(data.groups.size()));
  for (const GroupData& group : data.groups) {
    writer.appendInt64(robot);
    writer.appendInt64(group.group);
    writer.appendText16(group.name);
  }
  return encodeRecordText(writer.bytes());
}

namespace {

// A member record: account, nick, card, then the numbers, texts and flags the host also sends.
Bytes memberRecord(const MemberData& member) {
  ByteWriter writer;
  writer.appendInt64(member.account);
  writer.appendText16(member.nick);
  writer.appendText16(member.card);
  writer.appendInt32(0);
  writer.appendInt32(0);
  writer.appendText16("");
  writer.appendInt32(0);
  writer.appendInt32(0);
  writer.appendText16("");
  writer.appendInt32(0);
  writer.appendInt32(0);
  writer.appendText16("");
  writer.appendInt32(0);
  writer.appendInt32(0);
  return writer.bytes();
}

}  // namespace

std::string memberListRecord(const HostData& data, std::int64_t group) {
  ByteWriter entries;
  std::int32_t count = 0;
  for (const MemberData& member : data.members) {
    if (member.group != group) continue;
    entries.appendBytes16(memberRecord(member));
    ++count;
  }
  if (count == 0) return "";
  ByteWriter writer;
  writer.appendInt32(count);
  writer.appendBytes(entries.bytes());
  return encodeRecordText(writer.bytes());
}

std::string friendListRecord(const HostData& data) {
  if (data.friends.empty()) return "";
  ByteWriter writer;
  writer.appendInt32(static_cast<std::int32_t>(data.friends.size()));
  for (const FriendData& entry : data.friends) {
    writer.appendInt64(entry.account);
    writer.appendText16(entry.name);
  }
  return encodeRecordText(writer.bytes());
}

std::string memberCardRecord(const HostData& data, std::int64_t group, std::int64_t account) {
  for (const MemberData& member : data.members) {
    if (member.group != group || member.account != account) continue;
    ByteWriter writer;
    writer.appendText16(member.card);
    writer.appendText16(member.nick);
    // The host's card record is never shorter than 9 bytes.
    while (writer.length() < 9) writer.appendByte(0);
    return encodeRecordText(writer.bytes());
  }
  return "";
}

}  // namespace taoke::devhost
