// HostApi: the one object through which the plug-in talks to the host library. It keeps the
// authorisation code and passes it first to every host function, converts arguments to the host's
// types (booleans 1/0, byte arrays as Base64 text), copies every text the host returns (null is
// empty) and decodes the host's record texts. It also carries the message-code builders and the
// voice-file converters, which need no host call.
//
// Record methods copy the host's text; an empty text returns 0 and leaves the output untouched,
// otherwise they return what the decoder returns. Host integer results are returned unchanged; the
// plug-in never looks at them. A host function that cannot be found throws FatalError, which the
// export guard reports to the host.
//
// Decoders: an empty text, text that is not Base64 or fewer bytes than the record's minimum give 0
// (false) with the output untouched. Fields missing at the end of the data read as 0 or empty. List
// decoders replace the caller's array by `count` entries (a negative count gives an empty array and
// 0); a count larger than the data could reach is cut to the entries the data reaches, so corrupt
// data cannot claim unbounded memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "plugin/host_records.h"
#include "util/gbk_text.h"

namespace taoke {

class HostApi {
 public:
  HostApi() = default;
  ~HostApi() = default;
  HostApi(const HostApi&) = default;
  HostApi& operator=(const HostApi&) = default;

  std::int32_t setAuthCode(std::int32_t authCode);
  std::int32_t setInitArg2(std::int32_t initArg2);
  std::int32_t getAuthCode() const;
  std::int32_t getInitArg2() const;
  // Asks the host only while no answer has been kept; then returns the kept answer.
  std::string getAppDirectory();
  std::string getLoginNick(std::int64_t qq);
  std::int32_t getLoginQQList(std::vector<std::int64_t>& accounts);
  std::string getCookies(std::int64_t robot);
  std::int32_t getCsrfToken(std::int64_t robot);
  std::string getDomainCookie(std::int64_t robot, const std::string& domain);
  std::int32_t getGroupList(std::int64_t robot, std::vector<GroupEntry>& groups);
  std::int32_t getDiscussList(std::int64_t robot, std::vector<DiscussEntry>& discusses);
  std::int32_t getFriendList(std::int64_t robot, std::vector<FriendEntry>& friends);
  std::int32_t getGroupMemberList(std::int64_t robot, std::int64_t group, std::vector<MemberRecord>& members);
  std::int32_t sendLikeFavorite(std::int64_t robot, std::int64_t qq);
  std::int32_t setDelFriend(std::int64_t robot, std::int64_t qq);
  std::int32_t setGroupMembersKick(std::int64_t robot, std::int64_t group, std::int64_t qq, bool refuseRejoin);
  std::int32_t setGroupWholeBanSpeak(std::int64_t robot, std::int64_t group, bool on);
  std::int32_t setGroupMembersBanSpeak(std::int64_t robot, std::int64_t group, std::int64_t qq,
                                       std::int32_t word1, std::int32_t word2);
  std::int32_t setModifyGroupMemberCard(std::int64_t robot, std::int64_t group, std::int64_t qq,
                                        const std::string& card);
  std::int32_t setGroupAnonymousBan(std::int64_t robot, std::int64_t group, bool on);
  std::int32_t setGroupAdmini(std::int64_t robot, std::int64_t group, std::int64_t qq, bool on);
  std::int32_t setGroupSpecialTitle(std::int64_t robot, std::int64_t group, std::int64_t qq,
                                    const std::string& title, std::int32_t duration);
  std::int32_t setGroupPrivateSession(std::int64_t robot, std::int64_t group, bool on);
  std::int32_t setGroupManyPeopleChat(std::int64_t robot, std::int64_t group, std::int32_t value);
  std::int32_t setExitGroupChat(std::int64_t robot, std::int64_t group, bool dissolve);
  std::int32_t setExitDiscussChat(std::int64_t robot, std::int64_t discuss);
  std::int32_t setDiscussMembersKick(std::int64_t robot, std::int64_t discuss, std::int64_t qq);
  // The host receives robot, group, a, the anonymous bytes as Base64, text, b, c.
  std::int32_t setGroupAnonymousBanSpeak(std::int64_t robot, std::int64_t group, const Bytes& anonymous,
                                         const std::string& text, std::int32_t a, std::int32_t b,
                                         std::int32_t c);
  std::int32_t setFriendAddRequest(std::int64_t robot, const std::string& request, std::int32_t answer,
                                   const std::string& text);
  std::int32_t setGroupAddRequest(std::int64_t robot, const std::string& request, std::int32_t kind,
                                  std::int32_t answer, const std::string& reason);
  std::int32_t setFatal(const std::string& text);
  std::int32_t sendOfflineFile(std::int64_t robot, std::int32_t word1, std::int32_t word2, std::int32_t word3,
                               std::int32_t word4, std::int32_t word5, std::int32_t word6,
                               const std::string& text);
  std::int32_t getFrameAccountState(std::int64_t robot);
  std::int32_t setAppSelfDiscontinue(std::int64_t robot);
  std::int32_t setAppSelfUninstall(std::int64_t robot);
  // The member's card; with useNickWhenEmpty an empty card gives the nickname instead. The host
  // receives robot, group, qq and `option`.
  std::string getGroupMemberCard(std::int64_t robot, std::int64_t group, std::int64_t qq,
                                 bool useNickWhenEmpty = false, std::int32_t option = 0);
  std::int32_t getGroupAdminList(std::int64_t robot, std::int64_t group, std::vector<AdminEntry>& admins);
  std::int32_t getGroupInfo(std::int64_t robot, std::int64_t group, GroupInfo& info);
  std::int32_t getSummaryInfo(std::int64_t robot, std::int64_t qq, SummaryInfo& info);
  std::int32_t setAddGroup(std::int64_t robot, std::int64_t group, const std::string& text);
  std::int32_t sendFriendMsg(std::int64_t robot, std::int64_t qq, const std::string& text);
  std::int32_t sendGroupMsg(std::int64_t robot, std::int64_t group, const std::string& text);
  std::int32_t sendGroupTmpMsg(std::int64_t robot, std::int64_t a, std::int64_t b, const std::string& text);
  std::int32_t sendDiscussMsg(std::int64_t robot, std::int64_t discuss, const std::string& text);
  std::int32_t sendDiscussTmpMsg(std::int64_t robot, std::int64_t a, std::int64_t b, const std::string& text);
  std::string setEncodeUtf8ToAnsi(const Bytes& utf8);
  Bytes setEncodeAnsiToUtf8(const std::string& text);
  // The host receives robot, level, title, text; `unused` is not passed on. Without a level: 10.
  std::int32_t addLog(std::int64_t robot, std::int32_t unused, const std::string& title, const std::string& text);
  std::int32_t addLog(std::int64_t robot, std::int32_t unused, std::int32_t level, const std::string& title,
                      const std::string& text);
  // An empty folder becomes "/" in the caller's variable before the call.
  std::int32_t setGroupFileUpload(std::int64_t robot, std::int64_t group, std::string& folder,
                                  const std::string& file);
  std::int32_t setDelGroupFile(std::int64_t robot, std::int64_t group, std::int32_t word1, std::int32_t word2,
                               std::string& folder, const std::string& file);
  std::int32_t setMessageSvcMsgWithDraw(std::int64_t robot, const std::string& message);
  std::string getFrameName();

  // Message codes: bracketed codes inside message texts that the host renders.
  // "&" -> "&amp;", "[" -> "&#91;", "]" -> "&#93;", and with escapeComma "," -> "&#44;".
  static std::string escapeCodeText(const std::string& text, bool escapeComma = false);
  static std::string unescapeCodeText(const std::string& text);
  static std::string faceCode(std::int32_t faceId);
  // "[@" + account ("all" for -1) + "]", then one space unless noSpace.
  static std::string atCode(std::int64_t account, bool noSpace = false);
  static std::string imageCode(const std::string& path);
  static std::string imageUrlsCode(const std::string& urls);
  static std::string flashPicCode(const std::string& path);
  static std::string recordCode(const std::string& path);
  // Kind 1: light-app element; kind 0: rich message; any other kind: "".
  static std::string richCode(std::int32_t kind, const std::string& data);

  // Record decoders: each takes the host's Base64 text (decodeMemberRecord the raw bytes).
  static std::int32_t decodeLoginQQList(const std::string& base64, std::vector<std::int64_t>& accounts);
  static std::int32_t decodeAdminList(const std::string& base64, std::vector<AdminEntry>& admins);
  static bool decodeGroupInfo(const std::string& base64, GroupInfo& info);
  static bool decodeSummaryInfo(const std::string& base64, SummaryInfo& info);
  static bool decodeMemberCard(const std::string& base64, std::string& card, bool useNickWhenEmpty = false);
  static bool decodeExtraRecord1(const std::string& base64, ExtraRecord1& record);
  static bool decodeExtraRecord2(const std::string& base64, ExtraRecord2& record);
  static bool decodeExtraRecord3(const std::string& base64, ExtraRecord3& record);
  static bool decodeFileRecord(const std::string& base64, FileRecord& record);
  static std::int32_t decodeGroupList(const std::string& base64, std::vector<GroupEntry>& groups);
  static std::int32_t decodeDiscussList(const std::string& base64, std::vector<DiscussEntry>& discusses);
  static bool decodeMemberRecord(const Bytes& bytes, MemberRecord& member);
  // Checks for data before each entry and replaces the caller's array only when every entry decoded.
  static std::int32_t decodeGroupMemberList(const std::string& base64, std::vector<MemberRecord>& members);
  static std::int32_t decodeFriendList(const std::string& base64, std::vector<FriendEntry>& friends);

  // Voice files, through the external programs in the folder Assembly under the current folder.
  // The output base is outputFolder + the source's file name (no separator added), or the source
  // path itself with an empty folder. Existing targets are not made again; the programs' success is
  // not checked, so the returned path may name a file that does not exist.
  static std::string convertVoice(const std::string& source, const std::string& targetExtension,
                                  const std::string& outputFolder);
  static std::string convertToSilk(const std::string& source, const std::string& outputFolder);
  static bool voiceToolsPresent();

 private:
  std::int32_t initArg2_ = 0;
  std::int32_t authCode_ = 0;
  std::string appDirectory_;
};

// The single instance, alive for the whole life of the plug-in.
HostApi& hostApi();

}  // namespace taoke
