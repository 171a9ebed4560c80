// The three keyword replies: a message that begins with one of the operator's keywords gets a
// shopping-page link, the first product found for its words, or the operator's token and coupon
// for a pasted Taobao share text. Group messages and private messages both use them.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace taoke {

// Where a reply goes and which of the few group/private differences apply.
struct ReplyChannel {
  bool privateChat = false;
  std::function<void(const std::string& reply)> send;
};

// The words after the keyword when the message begins with it (the last occurrence of the keyword
// that ends before the message's final byte); nothing when it does not. An empty keyword takes
// every non-empty message whole (a one-byte message gives empty words).
std::optional<std::string> keywordQuery(std::string_view message, std::string_view keyword);

// 选择框_网页搜索词 / 编辑框_网页搜索词.
void shoppingPageReply(const std::string& message, const ReplyChannel& channel);
// 选择框_搜单商品 / 编辑框_搜单商品.
void productSearchReply(const std::string& message, const ReplyChannel& channel);
// 选择框_私聊领券 / 编辑框_私聊领券.
void couponTokenReply(const std::string& message, const ReplyChannel& channel);

}  // namespace taoke
