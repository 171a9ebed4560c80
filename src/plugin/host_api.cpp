#include "plugin/host_api.h"

#include "plugin/host_calls.h"
#include "plugin/record_text.h"

namespace taoke {
namespace {

std::string copyHostText(const char* text) { return text ? std::string(text) : std::string(); }

std::int32_t hostFlag(bool on) { return on ? 1 : 0; }

// A record method: an empty host text leaves the output untouched and gives 0.
template <class Output, class Decoder>
std::int32_t decodeHostRecord(const char* hostText, Output& output, Decoder decoder) {
  const std::string text = copyHostText(hostText);
  if (text.empty()) return 0;
  return static_cast<std::int32_t>(decoder(text, output));
}

}  // namespace

HostApi& hostApi() {
  static HostApi instance;
  return instance;
}

std::int32_t HostApi::setAuthCode(std::int32_t authCode) {
  authCode_ = authCode;
  return 0;
}

std::int32_t HostApi::setInitArg2(std::int32_t initArg2) {
  initArg2_ = initArg2;
  return 0;
}

std::int32_t HostApi::getAuthCode() const { return authCode_; }

std::int32_t HostApi::getInitArg2() const { return initArg2_; }

std::string HostApi::getAppDirectory() {
  if (appDirectory_.empty()) appDirectory_ = copyHostText(host::TN_getAppDirectory(authCode_));
  return appDirectory_;
}

std::string HostApi::getLoginNick(std::int64_t qq) { return copyHostText(host::TN_getLoginNick(authCode_, qq)); }

std::int32_t HostApi::getLoginQQList(std::vector<std::int64_t>& accounts) {
  return decodeHostRecord(host::TN_getLoginQQList(authCode_), accounts, decodeLoginQQList);
}

std::string HostApi::getCookies(std::int64_t robot) { return copyHostText(host::TN_getCookies(authCode_, robot)); }

std::int32_t HostApi::getCsrfToken(std::int64_t robot) { return host::TN_getCsrfToken(authCode_, robot); }

std::string HostApi::getDomainCookie(std::int64_t robot, const std::string& domain) {
  return copyHostText(host::TN_getDomainCookie(authCode_, robot, domain.c_str()));
}

std::int32_t HostApi::getGroupList(std::int64_t robot, std::vector<GroupEntry>& groups) {
  return decodeHostRecord(host::TN_getGroupList(authCode_, robot), groups, decodeGroupList);
}

std::int32_t HostApi::getDiscussList(std::int64_t robot, std::vector<DiscussEntry>& discusses) {
  return decodeHostRecord(host::TN_getDiscussList(authCode_, robot), discusses, decodeDiscussList);
}

std::int32_t HostApi::getFriendList(std::int64_t robot, std::vector<FriendEntry>& friends) {
  return decodeHostRecord(host::TN_getFriendList(authCode_, robot), friends, decodeFriendList);
}

std::int32_t HostApi::getGroupMemberList(std::int64_t robot, std::int64_t group, std::vector<MemberRecord>& members) {
  return decodeHostRecord(host::TN_getGroupMemberList(authCode_, robot, group), members, decodeGroupMemberList);
}

std::int32_t HostApi::sendLikeFavorite(std::int64_t robot, std::int64_t qq) {
  return host::TN_sendLikeFavorite(authCode_, robot, qq);
}

std::int32_t HostApi::setDelFriend(std::int64_t robot, std::int64_t qq) { return host::TN_setDelFriend(authCode_, robot, qq); }

std::int32_t HostApi::setGroupMembersKick(std::int64_t robot, std::int64_t group, std::int64_t qq, bool refuseRejoin) {
  return host::TN_setGroupMembersKick(authCode_, robot, group, qq, hostFlag(refuseRejoin));
}

std::int32_t HostApi::setGroupWholeBanSpeak(std::int64_t robot, std::int64_t group, bool on) {
  return host::TN_setGroupWholeBanSpeak(authCode_, robot, group, hostFlag(on));
}

std::int32_t HostApi::setGroupMembersBanSpeak(std::int64_t robot, std::int64_t group, std::int64_t qq,
                                              std::int32_t word1, std::int32_t word2) {
  return host::TN_setGroupMembersBanSpeak(authCode_, robot, group, qq, word1, word2);
}

std::int32_t HostApi::setModifyGroupMemberCard(std::int64_t robot, std::int64_t group, std::int64_t qq,
                                               const std::string& card) {
  return host::TN_setModifyGroupMemberCard(authCode_, robot, group, qq, card.c_str());
}

std::int32_t HostApi::setGroupAnonymousBan(std::int64_t robot, std::int64_t group, bool on) {
  return host::TN_setGroupAnonymousBan(authCode_, robot, group, hostFlag(on));
}

std::int32_t HostApi::setGroupAdmini(std::int64_t robot, std::int64_t group, std::int64_t qq, bool on) {
  return host::TN_setGroupAdmini(authCode_, robot, group, qq, hostFlag(on));
}

std::int32_t HostApi::setGroupSpecialTitle(std::int64_t robot, std::int64_t group, std::int64_t qq,
                                           const std::string& title, std::int32_t duration) {
  return host::TN_setGroupSpecialTitle(authCode_, robot, group, qq, title.c_str(), duration);
}

std::int32_t HostApi::setGroupPrivateSession(std::int64_t robot, std::int64_t group, bool on) {
  return host::TN_setGroupPrivateSession(authCode_, robot, group, hostFlag(on));
}

std::int32_t HostApi::setGroupManyPeopleChat(std::int64_t robot, std::int64_t group, std::int32_t value) {
  return host::TN_setGroupManyPeopleChat(authCode_, robot, group, value);
}

std::int32_t HostApi::setExitGroupChat(std::int64_t robot, std::int64_t group, bool dissolve) {
  return host::TN_setExitGroupChat(authCode_, robot, group, hostFlag(dissolve));
}

std::int32_t HostApi::setExitDiscussChat(std::int64_t robot, std::int64_t discuss) {
  return host::TN_setExitDiscussChat(authCode_, robot, discuss);
}

std::int32_t HostApi::setDiscussMembersKick(std::int64_t robot, std::int64_t discuss, std::int64_t qq) {
  return host::TN_setDiscussMembersKick(authCode_, robot, discuss, qq);
}

std::int32_t HostApi::setGroupAnonymousBanSpeak(std::int64_t robot, std::int64_t group, const Bytes& anonymous,
                                                const std::string& text, std::int32_t a, std::int32_t b,
                                                std::int32_t c) {
  const std::string anonymousText = encodeRecordText(anonymous);
  return host::TN_setGroupAnonymousBanSpeak(authCode_, robot, group, a, anonymousText.c_str(), text.c_str(), b, c);
}

std::int32_t HostApi::setFriendAddRequest(std::int64_t robot, const std::string& request, std::int32_t answer,
                                          const std::string& text) {
  return host::TN_setFriendAddRequest(authCode_, robot, request.c_str(), answer, text.c_str());
}

std::int32_t HostApi::setGroupAddRequest(std::int64_t robot, const std::string& request, std::int32_t kind,
                                         std::int32_t answer, const std::string& reason) {
  return host::TN_setGroupAddRequest(authCode_, robot, request.c_str(), kind, answer, reason.c_str());
}

std::int32_t HostApi::setFatal(const std::string& text) { return host::TN_setFatal(authCode_, text.c_str()); }

std::int32_t HostApi::sendOfflineFile(std::int64_t robot, std::int32_t word1, std::int32_t word2, std::int32_t word3,
                                      std::int32_t word4, std::int32_t word5, std::int32_t word6,
                                      const std::string& text) {
  return host::TN_sendOfflineFile(authCode_, robot, word1, word2, word3, word4, word5, word6, text.c_str());
}

std::int32_t HostApi::getFrameAccountState(std::int64_t robot) { return host::TN_getFrameAccountState(authCode_, robot); }

std::int32_t HostApi::setAppSelfDiscontinue(std::int64_t robot) { return host::TN_setAppSelfDiscontinue(authCode_, robot); }

std::int32_t HostApi::setAppSelfUninstall(std::int64_t robot) { return host::TN_setAppSelfUninstall(authCode_, robot); }

std::string HostApi::getGroupMemberCard(std::int64_t robot, std::int64_t group, std::int64_t qq,
                                        bool useNickWhenEmpty, std::int32_t option) {
  const std::string text = copyHostText(host::TN_getGroupMemberCard(authCode_, robot, group, qq, option));
  std::string card;
  if (!text.empty()) decodeMemberCard(text, card, useNickWhenEmpty);
  return card;
}

std::int32_t HostApi::getGroupAdminList(std::int64_t robot, std::int64_t group, std::vector<AdminEntry>& admins) {
  return decodeHostRecord(host::TN_getGroupAdminList(authCode_, robot, group), admins, decodeAdminList);
}

std::int32_t HostApi::getGroupInfo(std::int64_t robot, std::int64_t group, GroupInfo& info) {
  return decodeHostRecord(host::TN_getGroupInfo(authCode_, robot, group), info, decodeGroupInfo);
}

std::int32_t HostApi::getSummaryInfo(std::int64_t robot, std::int64_t qq, SummaryInfo& info) {
  return decodeHostRecord(host::TN_getSummaryInfo(authCode_, robot, qq), info, decodeSummaryInfo);
}

std::int32_t HostApi::setAddGroup(std::int64_t robot, std::int64_t group, const std::string& text) {
  return host::TN_setAddGroup(authCode_, robot, group, text.c_str());
}

std::int32_t HostApi::sendFriendMsg(std::int64_t robot, std::int64_t qq, const std::string& text) {
  return host::TN_sendFriendMsg(authCode_, robot, qq, text.c_str());
}

std::int32_t HostApi::sendGroupMsg(std::int64_t robot, std::int64_t group, const std::string& text) {
  return host::TN_sendGroupMsg(authCode_, robot, group, text.c_str());
}

std::int32_t HostApi::sendGroupTmpMsg(std::int64_t robot, std::int64_t a, std::int64_t b, const std::string& text) {
  return host::TN_sendGroupTmpMsg(authCode_, robot, a, b, text.c_str());
}

std::int32_t HostApi::sendDiscussMsg(std::int64_t robot, std::int64_t discuss, const std::string& text) {
  return host::TN_sendDiscussMsg(authCode_, robot, discuss, text.c_str());
}

std::int32_t HostApi::sendDiscussTmpMsg(std::int64_t robot, std::int64_t a, std::int64_t b, const std::string& text) {
  return host::TN_sendDiscussTmpMsg(authCode_, robot, a, b, text.c_str());
}

std::string HostApi::setEncodeUtf8ToAnsi(const Bytes& utf8) {
  const std::string utf8Text = encodeRecordText(utf8);
  return copyHostText(host::TN_setEncodeUtf8ToAnsi(authCode_, utf8Text.c_str()));
}

Bytes HostApi::setEncodeAnsiToUtf8(const std::string& text) {
  return decodeRecordText(copyHostText(host::TN_setEncodeAnsiToUtf8(authCode_, text.c_str())));
}

std::int32_t HostApi::addLog(std::int64_t robot, std::int32_t unused, const std::string& title,
                             const std::string& text) {
  return addLog(robot, unused, 10, title, text);
}

std::int32_t HostApi::addLog(std::int64_t robot, std::int32_t, std::int32_t level, const std::string& title,
                             const std::string& text) {
  return host::TN_addLog(authCode_, robot, level, title.c_str(), text.c_str());
}

std::int32_t HostApi::setGroupFileUpload(std::int64_t robot, std::int64_t group, std::string& folder,
                                         const std::string& file) {
  if (folder.empty()) folder = "/";
  return host::TN_setGroupFileUpload(authCode_, robot, group, folder.c_str(), file.c_str());
}

std::int32_t HostApi::setDelGroupFile(std::int64_t robot, std::int64_t group, std::int32_t word1, std::int32_t word2,
                                      std::string& folder, const std::string& file) {
  if (folder.empty()) folder = "/";
  return host::TN_setDelGroupFile(authCode_, robot, group, word1, word2, folder.c_str(), file.c_str());
}

std::int32_t HostApi::setMessageSvcMsgWithDraw(std::int64_t robot, const std::string& message) {
  return host::TN_setMessageSvcMsgWithDraw(authCode_, robot, message.c_str());
}

std::string HostApi::getFrameName() { return copyHostText(host::TN_getFrameName(authCode_)); }

}  // namespace taoke
