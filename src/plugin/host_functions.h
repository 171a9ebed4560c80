// The host library's functions, each declared once: name, result type, parameters (typed) and the
// same parameters as an argument list. The plug-in's bindings (host_calls.h) and the development
// host's recording library are both generated from this table; the Windows build reuses it with the
// standard calling convention that TAOKE_CALL stands for.
//
// Every function takes the authorisation code first; numbers of accounts, groups and discussion
// groups are int64_t, booleans and other integers int32_t, texts and Base64 byte arrays const char*
// (GBK). A text result belongs to the host library: copy it at once, null means empty.
#pragma once

#include <cstdint>

#define TAOKE_HOST_FUNCTIONS(X)                                                                    \
  X(TN_getAppDirectory, const char*, (int32_t authCode), (authCode))                               \
  X(TN_getLoginNick, const char*, (int32_t authCode, int64_t qq), (authCode, qq))                  \
  X(TN_getLoginQQList, const char*, (int32_t authCode), (authCode))                                \
  X(TN_getCookies, const char*, (int32_t authCode, int64_t robot), (authCode, robot))              \
  X(TN_getCsrfToken, int32_t, (int32_t authCode, int64_t robot), (authCode, robot))                \
  X(TN_getDomainCookie, const char*, (int32_t authCode, int64_t robot, const char* domain),         \
    (authCode, robot, domain))                                                                     \
  X(TN_getGroupList, const char*, (int32_t authCode, int64_t robot), (authCode, robot))            \
  X(TN_getDiscussList, const char*, (int32_t authCode, int64_t robot), (authCode, robot))          \
  X(TN_getFriendList, const char*, (int32_t authCode, int64_t robot), (authCode, robot))           \
  X(TN_getGroupMemberList, const char*, (int32_t authCode, int64_t robot, int64_t group),          \
    (authCode, robot, group))                                                                      \
  X(TN_sendLikeFavorite, int32_t, (int32_t authCode, int64_t robot, int64_t qq),                   \
    (authCode, robot, qq))                                                                         \
  X(TN_setDelFriend, int32_t, (int32_t authCode, int64_t robot, int64_t qq), (authCode, robot, qq)) \
  X(TN_setGroupMembersKick, int32_t,                                                               \
    (int32_t authCode, int64_t robot, int64_t group, int64_t qq, int32_t refuseRejoin),            \
    (authCode, robot, group, qq, refuseRejoin))                                                    \
  X(TN_setGroupWholeBanSpeak, int32_t, (int32_t authCode, int64_t robot, int64_t group, int32_t on), \
    (authCode, robot, group, on))                                                                  \
  X(TN_setGroupMembersBanSpeak, int32_t,                                                           \
    (int32_t authCode, int64_t robot, int64_t group, int64_t qq, int32_t word1, int32_t word2),    \
    (authCode, robot, group, qq, word1, word2))                                                    \
  X(TN_setModifyGroupMemberCard, int32_t,                                                          \
    (int32_t authCode, int64_t robot, int64_t group, int64_t qq, const char* card),                \
    (authCode, robot, group, qq, card))                                                            \
  X(TN_setGroupAnonymousBan, int32_t, (int32_t authCode, int64_t robot, int64_t group, int32_t on), \
    (authCode, robot, group, on))                                                                  \
  X(TN_setGroupAdmini, int32_t,                                                                    \
    (int32_t authCode, int64_t robot, int64_t group, int64_t qq, int32_t on),                      \
    (authCode, robot, group, qq, on))                                                              \
  X(TN_setGroupSpecialTitle, int32_t,                                                              \
    (int32_t authCode, int64_t robot, int64_t group, int64_t qq, const char* title,                \
     int32_t duration),                                                                            \
    (authCode, robot, group, qq, title, duration))                                                 \
  X(TN_setGroupPrivateSession, int32_t,                                                            \
    (int32_t authCode, int64_t robot, int64_t group, int32_t on), (authCode, robot, group, on))    \
  X(TN_setGroupManyPeopleChat, int32_t,                                                            \
    (int32_t authCode, int64_t robot, int64_t group, int32_t value), (authCode, robot, group, value)) \
  X(TN_setExitGroupChat, int32_t, (int32_t authCode, int64_t robot, int64_t group, int32_t dissolve), \
    (authCode, robot, group, dissolve))                                                            \
  X(TN_setExitDiscussChat, int32_t, (int32_t authCode, int64_t robot, int64_t discuss),            \
    (authCode, robot, discuss))                                                                    \
  X(TN_setDiscussMembersKick, int32_t,                                                             \
    (int32_t authCode, int64_t robot, int64_t discuss, int64_t qq), (authCode, robot, discuss, qq)) \
  X(TN_setGroupAnonymousBanSpeak, int32_t,                                                         \
    (int32_t authCode, int64_t robot, int64_t group, int32_t a, const char* anonymous,             \
     const char* text, int32_t b, int32_t c),                                                      \
    (authCode, robot, group, a, anonymous, text, b, c))                                            \
  X(TN_setFriendAddRequest, int32_t,                                                               \
    (int32_t authCode, int64_t robot, const char* request, int32_t answer, const char* text),      \
    (authCode, robot, request, answer, text))                                                      \
  X(TN_setGroupAddRequest, int32_t,                                                                \
    (int32_t authCode, int64_t robot, const char* request, int32_t kind, int32_t answer,           \
     const char* reason),                                                                          \
    (authCode, robot, request, kind, answer, reason))                                              \
  X(TN_setFatal, int32_t, (int32_t authCode, const char* text), (authCode, text))                  \
  X(TN_sendOfflineFile, int32_t,                                                                   \
    (int32_t authCode, int64_t robot, int32_t word1, int32_t word2, int32_t word3, int32_t word4,  \
     int32_t word5, int32_t word6, const char* text),                                              \
    (authCode, robot, word1, word2, word3, word4, word5, word6, text))                             \
  X(TN_getFrameAccountState, int32_t, (int32_t authCode, int64_t robot), (authCode, robot))        \
  X(TN_setAppSelfDiscontinue, int32_t, (int32_t authCode, int64_t robot), (authCode, robot))       \
  X(TN_setAppSelfUninstall, int32_t, (int32_t authCode, int64_t robot), (authCode, robot))         \
  X(TN_getGroupMemberCard, const char*,                                                            \
    (int32_t authCode, int64_t robot, int64_t group, int64_t qq, int32_t option),                  \
    (authCode, robot, group, qq, option))                                                          \
  X(TN_getGroupAdminList, const char*, (int32_t authCode, int64_t robot, int64_t group),           \
    (authCode, robot, group))                                                                      \
  X(TN_getGroupInfo, const char*, (int32_t authCode, int64_t robot, int64_t group),                \
    (authCode, robot, group))                                                                      \
  X(TN_getSummaryInfo, const char*, (int32_t authCode, int64_t robot, int64_t qq),                 \
    (authCode, robot, qq))                                                                         \
  X(TN_setAddGroup, int32_t, (int32_t authCode, int64_t robot, int64_t group, const char* text),   \
    (authCode, robot, group, text))                                                                \
  X(TN_sendFriendMsg, int32_t, (int32_t authCode, int64_t robot, int64_t qq, const char* text),    \
    (authCode, robot, qq, text))                                                                   \
  X(TN_sendGroupMsg, int32_t, (int32_t authCode, int64_t robot, int64_t group, const char* text),  \
    (authCode, robot, group, text))                                                                \
  X(TN_sendGroupTmpMsg, int32_t,                                                                   \
    (int32_t authCode, int64_t robot, int64_t a, int64_t b, const char* text),                     \
    (authCode, robot, a, b, text))                                                                 \
  X(TN_sendDiscussMsg, int32_t,                                                                    \
    (int32_t authCode, int64_t robot, int64_t discuss, const char* text),                          \
    (authCode, robot, discuss, text))                                                              \
  X(TN_sendDiscussTmpMsg, int32_t,                                                                 \
    (int32_t authCode, int64_t robot, int64_t a, int64_t b, const char* text),                     \
    (authCode, robot, a, b, text))                                                                 \
  X(TN_setEncodeUtf8ToAnsi, const char*, (int32_t authCode, const char* utf8Base64),               \
    (authCode, utf8Base64))                                                                        \
  X(TN_setEncodeAnsiToUtf8, const char*, (int32_t authCode, const char* text), (authCode, text))   \
  X(TN_addLog, int32_t,                                                                            \
    (int32_t authCode, int64_t robot, int32_t level, const char* title, const char* text),         \
    (authCode, robot, level, title, text))                                                         \
  X(TN_setGroupFileUpload, int32_t,                                                                \
    (int32_t authCode, int64_t robot, int64_t group, const char* folder, const char* file),        \
    (authCode, robot, group, folder, file))                                                        \
  X(TN_setDelGroupFile, int32_t,                                                                   \
    (int32_t authCode, int64_t robot, int64_t group, int32_t word1, int32_t word2,                 \
     const char* folder, const char* file),                                                        \
    (authCode, robot, group, word1, word2, folder, file))                                          \
  X(TN_setMessageSvcMsgWithDraw, int32_t, (int32_t authCode, int64_t robot, const char* message),  \
    (authCode, robot, message))                                                                    \
  X(TN_getFrameName, const char*, (int32_t authCode), (authCode))
