// The conversion stage of the group message pipeline: the operator's keyword replacements, the
// four platform converters and the blocked-word check, run when 选择框_开始转链 is on.
#pragma once

#include <string>
#include <vector>

namespace taoke {

struct ReplacementPairs {
  std::vector<std::string> replaced;      // 替换关键词 / 被替换
  std::vector<std::string> replacements;  // 替换关键词 / 替换
};

// Replaces every replaced word i by replacement word i, pair after pair, so a later pair sees what
// the earlier ones made. A replaced word without a replacement at its position is skipped.
void applyReplacementPairs(std::string& message, const ReplacementPairs& pairs);

// Rewrites the message through the replacements and the converters, then reads the blocked words
// from the configuration file: returns true, after logging it, when one of them occurs in the
// message (ASCII letters compared without case; an empty entry occurs in every non-empty message).
bool runConversionStage(std::string& message, const ReplacementPairs& pairs);

}  // namespace taoke
