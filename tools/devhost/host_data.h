// What the development host library knows of the host's world, and the record texts it builds from
// it the way the robot host answers its list functions (Base64 of big-endian records).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace taoke::devhost {

struct GroupData {
  std::int64_t group = 0;
  std::string name;
};

struct MemberData {
  std::int64_t group = 0;
  std::int64_t account = 0;
  std::string nick;
  std::string card;
};

struct FriendData {
  std::int64_t account = 0;
  std::string name;
};

struct HostData {
  std::vector<std::int64_t> loginAccounts;
  std::vector<GroupData> groups;
  std::vector<MemberData> members;
  std::vector<FriendData> friends;
};

// Each gives "" when there is nothing to list, as a host with no such data does.
std::string loginListRecord(const HostData& data);
std::string groupListRecord(const HostData& data, std::int64_t robot);
std::string memberListRecord(const HostData& data, std::int64_t group);
std::string friendListRecord(const HostData& data);
std::string memberCardRecord(const HostData& data, std::int64_t group, std::int64_t account);

}  // namespace taoke::devhost
