#include <gtest/gtest.h>

#include "convert/suning_links.h"

namespace taoke {
namespace {

TEST(SuningRequest, BodyNestsTheQueryWithEscapedSlashes) {
  EXPECT_EQ(buildSuningBody("https://sugs.suning.com/AbCdEfGh", "P1"),
            "{\"sn_request\":{\"sn_body\":{\"queryBacthcustomlink\":{\"extend\":"
            "\"https:\\/\\/sugs.suning.com\\/AbCdEfGh\",\"promotionId\":\"P1\"}}}}");
}

TEST(SuningRequest, BodyEscapesStringValuesAsJson) {
  EXPECT_EQ(buildSuningBody("a\"b", "x/y"),
            "{\"sn_request\":{\"sn_body\":{\"queryBacthcustomlink\":{\"extend\":\"a\\\"b\","
            "\"promotionId\":\"x\\/y\"}}}}");
}

TEST(SuningRequest, SignatureIsMd5OfTheJoinedPartsAndTheBodysBase64) {
  const std::string body = buildSuningBody("https://sugs.suning.com/AbCdEfGh", "P1");
  EXPECT_EQ(signSuningRequest("sec", "suning.netalliance.bacthcustomlink.query",
                              "2026-12-11 15:30:00", "key", "v1.2", body),
            "b371eca8b6923a78e958c6a3d91fbf16");
}

TEST(SuningRequest, HeadersAreTheNineLinesInOrder) {
  EXPECT_EQ(buildSuningHeaders("m.q", "2026-12-11 15:30:00", "json", "abc", "key", "v1.2"),
            "Content-Type: application/json;charset=utf-8\r\n"
            "AppMethod: m.q\r\n"
            "AppRequestTime: 2026-12-11 15:30:00\r\n"
            "Format: json\r\n"
            "signInfo: abc\r\n"
            "AppKey: key\r\n"
            "VersionNo: v1.2\r\n"
            "User-Agent: suning-sdk-Pelkan\r\n"
            "Sdk-Version: suning-sdk-Pelkan-512046839-beta0.1\r\n");
}

}  // namespace
}  // namespace taoke
