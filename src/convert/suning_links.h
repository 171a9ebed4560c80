// Suning short links in a group message become the operator's promotion links, through the
// Suning open platform's signed batch custom-link service.
#pragma once

#include <string>
#include <string_view>

namespace taoke {

// Converts every Suning short link with 编辑框_苏宁key, 编辑框_苏宁secret and 编辑框_苏宁推广位;
// a link without an answer is removed from the message.
void convertSuningLinks(std::string& message);

// {"sn_request":{"sn_body":{"queryBacthcustomlink":{"extend":link,"promotionId":id}}}}, compact,
// with every "/" written as "\/".
std::string buildSuningBody(std::string_view link, std::string_view promotionId);

// Lower-case hexadecimal MD5 of secret, method, request time, app key, version and the Base64 form
// of the body, joined without separators.
std::string signSuningRequest(std::string_view secret, std::string_view method,
                              std::string_view requestTime, std::string_view appKey,
                              std::string_view version, std::string_view body);

// The nine request header lines, each ending with "\r\n".
std::string buildSuningHeaders(std::string_view method, std::string_view requestTime,
                               std::string_view format, std::string_view signature,
                               std::string_view appKey, std::string_view version);

}  // namespace taoke
