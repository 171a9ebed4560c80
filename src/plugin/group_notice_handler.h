// Notices that the host reports about groups (_eventPushMsgEvent): card changes, announcements,
// mutes, anonymous chat, tips and file uploads. They are read and described; nothing is sent, logged
// or stored.
#pragma once

#include <cstdint>
#include <string>

namespace taoke {

// The one-line description of a notice: type 1-9, group G, acting account Q, further number N,
// first notice text T1; "" for other types.
std::string noticeDescription(std::int32_t noticeType, std::int64_t group, std::int64_t actor,
                              std::int64_t number, const std::string& text1);

// Receives the event's words in order (texts as the plug-in's copies); returns 0 in every case.
int groupNoticeHandler(std::int64_t robot, std::int32_t noticeType, std::int32_t word4, std::int32_t word5,
                       std::int64_t group, std::int64_t actor, std::int64_t number, std::string& text1,
                       std::string& text2, std::int32_t lastWord);

}  // namespace taoke
