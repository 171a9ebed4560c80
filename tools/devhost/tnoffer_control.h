/* Control functions of the development host library libTNOffer.so, beside the TN_ functions the
 * plug-in calls. The development host and the tests use them to give the host's data (login
 * accounts, groups, members, friends, fixed answers) and to read back every call the plug-in made.
 *
 * Texts are GBK, as the plug-in sees them. A recorded call is one line:
 *   function TAB name=value TAB name=value ...
 * in parameter order, authCode first; a number is written in decimal, a text as "..." with \\ \" \t
 * \r \n and \xHH (other bytes below 0x20) escaped and every other byte as it is. */
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define TNOFFER_CONTROL __attribute__((visibility("default")))

/* Forgets every account, group, member, friend, fixed answer and recorded call. */
TNOFFER_CONTROL void tnofferReset(void);

/* The accounts TN_getLoginQQList answers with, in order; the first is the robot account. */
TNOFFER_CONTROL void tnofferAddLoginAccount(int64_t account);

/* A group that TN_getGroupList answers with (for any robot), in order. */
TNOFFER_CONTROL void tnofferAddGroup(int64_t group, const char* name);

/* A member of a group: TN_getGroupMemberList and TN_getGroupMemberCard answer with it. */
TNOFFER_CONTROL void tnofferAddMember(int64_t group, int64_t account, const char* nick, const char* card);

/* A friend that TN_getFriendList answers with. */
TNOFFER_CONTROL void tnofferAddFriend(int64_t account, const char* name);

/* A fixed answer of a text function (for example "TN_getGroupList"): replaces what the library
 * would build, also to give an empty or malformed answer. A null text removes the fixed answer. */
TNOFFER_CONTROL void tnofferSetAnswer(const char* function, const char* text);

/* The calls recorded since the last take, each line ended by "\n"; valid until the next take. */
TNOFFER_CONTROL const char* tnofferTakeCalls(void);

/* Called with each recorded line (without "\n") as the call is made; null stops it. */
typedef void (*TnofferCallListener)(const char* line, void* context);
TNOFFER_CONTROL void tnofferSetCallListener(TnofferCallListener listener, void* context);

#ifdef __cplusplus
}
#endif
