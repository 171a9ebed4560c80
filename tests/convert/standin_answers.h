// What the stand-in services answer, worked out the same way they do, so that tests can name the
// exact converted tokens and links they expect.
#pragma once

#include <string>
#include <string_view>

namespace taoke::test {

// A stable run of letters and digits derived from the seed's bytes.
std::string derived(std::string_view seed, std::size_t length);
std::string derivedDigits(std::string_view seed, std::size_t length);

// The new token (between the yen marks) for a token or link sent to the token conversion.
inline std::string convertedToken(std::string_view token) { return derived(token, 11); }
// The universal API's new token.
inline std::string universalToken(std::string_view token) {
  return derived("wan" + std::string(token), 11);
}
// The coupon link of a converted token or link, and its short link.
inline std::string couponLink(std::string_view seed) {
  return "https://uland.taobao.com/coupon/edetail?e=" + derived(seed, 12) + "&pid=mm_1_2_3&af=1";
}
inline std::string taobaoShortLink(std::string_view couponLink) {
  return "https://s.click.taobao.com/" + derived(couponLink, 7);
}
// The JD product behind a short-link code, and the purchase link of a product.
inline std::string jdProduct(std::string_view code) { return "100" + derivedDigits(code, 9); }
inline std::string jdPurchaseLink(std::string_view product) {
  return "https://u.jd.com/" + derived(product, 6);
}
// The Suning promotion link of a short link and a promotion id.
inline std::string suningLink(std::string_view link, std::string_view promotionId) {
  return "https://sugs.suning.com/" + derived(std::string(link) + std::string(promotionId), 8);
}
// The operator's short-link service's answer for a page address as it was sent (decoded once).
inline std::string operatorShortLink(std::string_view url) {
  return "http://dwz.demo/" + derived(url, 6);
}

}  // namespace taoke::test
