#include <gtest/gtest.h>

#include "plugin/host_api.h"
#include "plugin/key_value_pack.h"
#include "plugin/record_text.h"
#include "recording_host.h"

namespace taoke {
namespace {

using HostApiTest = RecordingHostTest;

HostApi initialisedApi() {
  HostApi api;
  api.setAuthCode(4321);
  api.setInitArg2(77);
  return api;
}

TEST_F(HostApiTest, EveryCallCarriesTheAuthorisationCodeAndItsArgumentsInOrder) {
  HostApi api = initialisedApi();
  EXPECT_EQ(api.getAuthCode(), 4321);
  EXPECT_EQ(api.getInitArg2(), 77);
  api.sendGroupMsg(10001, 20001, "你好");
  api.sendGroupTmpMsg(10001, 111, 222, "tmp");
  api.setGroupAddRequest(10001, "req", 0, 0, "");
  api.setFatal("boom");
  const auto calls = takeCalls();
  ASSERT_EQ(calls.size(), 4u);
  EXPECT_EQ(calls[0].line, "TN_sendGroupMsg\tauthCode=4321\trobot=10001\tgroup=20001\ttext=\"你好\"");
  EXPECT_EQ(calls[1].line, "TN_sendGroupTmpMsg\tauthCode=4321\trobot=10001\ta=111\tb=222\ttext=\"tmp\"");
  EXPECT_EQ(calls[2].line,
            "TN_setGroupAddRequest\tauthCode=4321\trobot=10001\trequest=\"req\"\tkind=0\tanswer=0\treason=\"\"");
  EXPECT_EQ(calls[3].line, "TN_setFatal\tauthCode=4321\ttext=\"boom\"");
}

TEST_F(HostApiTest, BooleansGoToTheHostAsOneOrZero) {
  HostApi api = initialisedApi();
  api.setGroupWholeBanSpeak(1, 2, true);
  api.setGroupAdmini(1, 2, 3, false);
  const auto calls = takeCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].number("on"), 1);
  EXPECT_EQ(calls[1].number("on"), 0);
}

TEST_F(HostApiTest, AnonymousBanSendsTheBytesAsBase64InTheHostsOrder) {
  HostApi api = initialisedApi();
  api.setGroupAnonymousBanSpeak(1, 2, Bytes{0xFB, 0xFF}, "text", 10, 20, 30);
  const auto calls = takeCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].line,
            "TN_setGroupAnonymousBanSpeak\tauthCode=4321\trobot=1\tgroup=2\ta=10\tanonymous=\"+/8=\"\ttext=\"text\"\tb=20\tc=30");
}

TEST_F(HostApiTest, AppDirectoryIsAskedUntilTheHostAnswersThenKept) {
  HostApi api = initialisedApi();
  tnofferSetAnswer("TN_getAppDirectory", "");
  EXPECT_EQ(api.getAppDirectory(), "");
  tnofferSetAnswer("TN_getAppDirectory", "/first/");
  EXPECT_EQ(api.getAppDirectory(), "/first/");
  tnofferSetAnswer("TN_getAppDirectory", "/second/");
  EXPECT_EQ(api.getAppDirectory(), "/first/");
  EXPECT_EQ(takeCalls().size(), 2u);

  HostApi copy = api;
  EXPECT_EQ(copy.getAppDirectory(), "/first/");
  EXPECT_EQ(copy.getAuthCode(), 4321);
}

TEST_F(HostApiTest, RecordMethodsDecodeTheHostsLists) {
  HostApi api = initialisedApi();
  tnofferAddLoginAccount(10001);
  tnofferAddLoginAccount(10002);
  tnofferAddGroup(20001, "一群");
  tnofferAddGroup(20002, "二群");
  tnofferAddMember(20001, 5001, "nick", "card");
  tnofferAddFriend(6001, "友");

  std::vector<std::int64_t> accounts;
  EXPECT_EQ(api.getLoginQQList(accounts), 1);
  EXPECT_EQ(accounts, (std::vector<std::int64_t>{10001, 10002}));

  std::vector<GroupEntry> groups;
  EXPECT_EQ(api.getGroupList(10001, groups), 1);
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[1].group, 20002);
  EXPECT_EQ(groups[1].name, "二群");

  std::vector<MemberRecord> members;
  EXPECT_EQ(api.getGroupMemberList(10001, 20001, members), 1);
  ASSERT_EQ(members.size(), 1u);
  EXPECT_EQ(members[0].account, 5001);
  EXPECT_EQ(members[0].text1, "nick");

  std::vector<FriendEntry> friends;
  EXPECT_EQ(api.getFriendList(10001, friends), 1);
  ASSERT_EQ(friends.size(), 1u);
  EXPECT_EQ(friends[0].name, "友");

  EXPECT_EQ(api.getGroupMemberCard(10001, 20001, 5001), "card");
}

TEST_F(HostApiTest, EmptyHostAnswerLeavesTheCallersListAsItWas) {
  HostApi api = initialisedApi();
  std::vector<GroupEntry> groups{{1, 2, "kept"}};
  EXPECT_EQ(api.getGroupList(10001, groups), 0);
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(groups[0].name, "kept");

  tnofferSetAnswer("TN_getGroupList", "not base64!");
  EXPECT_EQ(api.getGroupList(10001, groups), 0);
  EXPECT_EQ(groups[0].name, "kept");
}

TEST_F(HostApiTest, MemberCardFallsBackToTheNickOnlyWhenAsked) {
  HostApi api = initialisedApi();
  tnofferAddMember(20001, 5001, "nick", "");
  EXPECT_EQ(api.getGroupMemberCard(10001, 20001, 5001), "");
  EXPECT_EQ(api.getGroupMemberCard(10001, 20001, 5001, true, 3), "nick");
  const auto calls = takeCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[1].number("option"), 3);
  EXPECT_EQ(api.getGroupMemberCard(10001, 20001, 9999, true), "");
}

TEST_F(HostApiTest, AddLogWithoutLevelSendsTenAndDropsTheUnusedWord) {
  HostApi api = initialisedApi();
  api.addLog(10001, 99, "title", "text");
  api.addLog(10001, 99, 20, "title", "text");
  const auto calls = takeCalls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].line, "TN_addLog\tauthCode=4321\trobot=10001\tlevel=10\ttitle=\"title\"\ttext=\"text\"");
  EXPECT_EQ(calls[1].number("level"), 20);
}

TEST_F(HostApiTest, EmptyFolderBecomesRootInTheCallersVariable) {
  HostApi api = initialisedApi();
  std::string folder;
  api.setGroupFileUpload(1, 2, folder, "f.txt");
  EXPECT_EQ(folder, "/");
  std::string deleteFolder;
  api.setDelGroupFile(1, 2, 3, 4, deleteFolder, "f.txt");
  EXPECT_EQ(deleteFolder, "/");
  std::string kept = "/docs";
  api.setGroupFileUpload(1, 2, kept, "f.txt");
  const auto calls = takeCalls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].text("folder"), "/");
  EXPECT_EQ(calls[1].text("folder"), "/");
  EXPECT_EQ(calls[2].text("folder"), "/docs");
}

TEST_F(HostApiTest, TextReEncodingCarriesBytesAsBase64) {
  HostApi api = initialisedApi();
  tnofferSetAnswer("TN_setEncodeUtf8ToAnsi", "\xD6\xD0");
  EXPECT_EQ(api.setEncodeUtf8ToAnsi(Bytes{0xE4, 0xB8, 0xAD}), "\xD6\xD0");
  tnofferSetAnswer("TN_setEncodeAnsiToUtf8", "5Lit");
  EXPECT_EQ(api.setEncodeAnsiToUtf8("\xD6\xD0"), (Bytes{0xE4, 0xB8, 0xAD}));
  tnofferSetAnswer("TN_setEncodeAnsiToUtf8", "");
  EXPECT_EQ(api.setEncodeAnsiToUtf8("x"), Bytes{});
  const auto calls = takeCalls();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].text("utf8Base64"), "5Lit");
}

TEST_F(HostApiTest, HostTextResultsAreCopied) {
  HostApi api = initialisedApi();
  tnofferSetAnswer("TN_getFrameName", "Tarnel");
  const std::string name = api.getFrameName();
  tnofferSetAnswer("TN_getFrameName", "other");
  api.getFrameName();
  EXPECT_EQ(name, "Tarnel");
}

}  // namespace
}  // namespace taoke
