// The request URLs of the affiliate service, the universal API, JD's affiliate tool and the
// shopping-page site, built in one place for the converters and the keyword replies.
//
// The operator's own settings and the fixed texts go in as they are; a value taken from a chat
// message or a web answer goes through queryValue, so it can never add or cut query parameters.
#pragma once

#include <string>
#include <string_view>

namespace taoke {

// Token conversion (also converts a Taobao short link given as the token), with the operator's
// 编辑框_appKey, 编辑框_SID and 编辑框_PID.
std::string tokenConversionUrl(std::string_view token);
// Universal API token conversion, with 编辑框_万能appkey, 编辑框_万能sid and 编辑框_万能pid.
std::string universalTokenUrl(std::string_view token);
// Short link of a coupon link, with 编辑框_appKey and 编辑框_SID.
std::string taobaoShortLinkUrl(std::string_view couponLink);
// Product search for words already percent-encoded as UTF-8, with 编辑框_appKey.
std::string productSearchUrl(std::string_view encodedWords);
// Product lookup of one product id, with the operator's 编辑框_appKey, 编辑框_SID and 编辑框_PID.
std::string productLookupUrl(std::string_view productId);
// JD affiliate tool's conversion of one product page.
std::string jdConversionUrl(std::string_view productId);
// The shopping page for words already percent-encoded as UTF-8.
std::string shoppingPageUrl(std::string_view encodedWords);

}  // namespace taoke
