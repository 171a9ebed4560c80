// The web services and platforms the plug-in talks to, in one place. Tests and the demo reach
// stand-ins for them on 127.0.0.1 through TAOKE_CONNECT_TO, so these stay the production names.
#pragma once

#include <string_view>

namespace taoke {

// Affiliate service (https): token conversion, short links and product lookup on port 10001,
// product search on port 10003.
inline constexpr std::string_view affiliateServiceHost = "api.zhetaoke.com";
inline constexpr int affiliateServicePort = 10001;
inline constexpr int affiliateSearchPort = 10003;

// Paid universal API service ("万能", http, port 10000). Its public host is not known: this name
// marks the place where the operator's installation sets it.
inline constexpr std::string_view universalApiHost = "wanneng.example";
inline constexpr int universalApiPort = 10000;

// Shopping-page site ("/taoke/index.php"); its public host is not known either.
inline constexpr std::string_view shoppingPageHost = "taoke-shop.example";

inline constexpr std::string_view taobaoShortLinkPrefix = "https://s.click.taobao.com/";

inline constexpr std::string_view jdShortLinkHost = "u.jd.com";
inline constexpr std::string_view jdProductPageHost = "item.jd.com";
inline constexpr std::string_view jdAffiliateToolHost = "qwd.jd.com";

inline constexpr std::string_view suningShortLinkPrefix = "https://sugs.suning.com/";
inline constexpr std::string_view suningOpenPlatformHost = "open.suning.com";

}  // namespace taoke
