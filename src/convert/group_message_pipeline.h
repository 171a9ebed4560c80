// The group message pipeline: watched groups are converted and forwarded, then the keyword replies run.
#pragma once

#include <cstdint>
#include <string>

namespace taoke {

int groupMessagePipeline(std::int64_t robot, std::int64_t group, std::string& message);

}  // namespace taoke
