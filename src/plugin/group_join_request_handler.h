// Group join requests (_eventRequest_AddGroup): accepted automatically when the settings window is
// open, the request is of type 1 or 2 and 选择框_自动同意入群 is on; otherwise left to the operator.
#pragma once

#include <cstdint>
#include <string>

namespace taoke {

// Receives the event's words in order (texts as the plug-in's copies); returns 0 in every case.
int groupJoinRequestHandler(std::int64_t robot, std::int32_t requestType, std::int32_t word4, std::int32_t word5,
                            std::int64_t number1, std::int64_t number2, std::string& text1, std::string& text2,
                            std::string& request);

}  // namespace taoke
