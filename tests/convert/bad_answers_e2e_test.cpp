// Services that refuse, stall, answer HTML, truncated JSON, 10 MB or a token of the wrong length:
// the message comes out as each converter's failure rules say, and the next message is handled
// normally.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>

#include "plugin_scenario.h"
#include "standin_answers.h"

namespace taoke::test {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

const std::string taobaoLink = "https://s.click.taobao.com/AbCdEfG";
const std::string jdLink = "https://u.jd.com/abc123";
const std::string suningShort = "https://sugs.suning.com/AbCdEfGh";

struct Converter {
  const char* message;
  std::string converted;  // the message after a normal conversion
};

const Converter tokenMessage{"买￥AbCdEfGhIjK￥", "买￥" + convertedToken("AbCdEfGhIjK") + "￥"};
const Converter linkMessage{"看 https://s.click.taobao.com/AbCdEfG (x)",
                            "看 " + taobaoShortLink(couponLink(taobaoLink)) + " (x)"};
const Converter jdMessage{"京东 https://u.jd.com/abc123 (x)",
                          "京东 " + jdPurchaseLink(jdProduct("abc123")) + " (x)"};
const Converter suningMessage{"苏宁 https://sugs.suning.com/AbCdEfGh (x)",
                              "苏宁 " + suningLink(suningShort, suningPosition) + " (x)"};

struct BadAnswerCase {
  const char* name;
  const char* service;
  const char* mode;
  Converter converter;
  std::string sentText;  // "" when step 7 sends nothing
};

void PrintTo(const BadAnswerCase& c, std::ostream* os) { *os << c.service << " " << c.mode; }

class BadAnswers : public testing::TestWithParam<BadAnswerCase> {};

TEST_P(BadAnswers, MessageFollowsTheFailureRulesAndTheNextOneConverts) {
  const BadAnswerCase& c = GetParam();
  PluginScenario scenario;
  scenario.services().setMode(c.service, c.mode);
  scenario.groupMessage(watchedGroup, c.converter.message);
  if (c.sentText.empty()) {
    EXPECT_THAT(scenario.takeSent(), IsEmpty());
  } else {
    EXPECT_THAT(scenario.takeSent(), ElementsAre(forwarded(2001, c.sentText), forwarded(2002, c.sentText)));
  }

  scenario.services().setMode(c.service, "normal");
  scenario.groupMessage(watchedGroup, c.converter.message);
  EXPECT_THAT(scenario.takeSent(), ElementsAre(forwarded(2001, c.converter.converted),
                                               forwarded(2002, c.converter.converted)));
}

std::vector<BadAnswerCase> badAnswerCases() {
  std::vector<BadAnswerCase> cases;
  for (const char* mode : {"refuse", "html", "truncated", "huge"}) {
    const std::string m = mode;
    // Token: no new token and no apology, so the token stays.
    cases.push_back({"", "tkl", mode, tokenMessage, tokenMessage.message});
    // Taobao link: the coupon request fails and the link stays; the short-link request fails and
    // the link is removed.
    cases.push_back({"", "tkl", mode, linkMessage, linkMessage.message});
    cases.push_back({"", "shorturl", mode, linkMessage, "看  (x)"});
    // JD: any of the three requests failing empties the message.
    cases.push_back({"", "jd-landing", mode, jdMessage, ""});
    cases.push_back({"", "jd-zl", mode, jdMessage, ""});
    // Suning: the link is removed, the message stays.
    cases.push_back({"", "suning", mode, suningMessage, "苏宁  (x)"});
  }
  // A token or link of the wrong length is used as it comes.
  cases.push_back({"", "tkl", "wronglen", tokenMessage, "买￥" + derived("AbCdEfGhIjK", 7) + "￥"});
  cases.push_back({"", "shorturl", "wronglen", linkMessage,
                   "看 https://s.click.taobao.com/" + derived(couponLink(taobaoLink), 5) + " (x)"});
  cases.push_back({"", "jd-zl", "wronglen", jdMessage,
                   "京东 https://u.jd.com/" + derived(jdProduct("abc123"), 5) + " (x)"});
  cases.push_back({"", "suning", "wronglen", suningMessage,
                   "苏宁 https://sugs.suning.com/" +
                       derived(suningShort + suningPosition, 6) + " (x)"});
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Modes, BadAnswers, testing::ValuesIn(badAnswerCases()),
                         [](const auto& info) {
                           std::string name = std::string(info.param.service) + "_" + info.param.mode +
                                              "_" + std::to_string(info.index);
                           for (char& c : name) {
                             if (c == '-') c = '_';
                           }
                           return name;
                         });

// A service that never answers holds the message only until the engine's time-out.
class StalledService : public testing::TestWithParam<BadAnswerCase> {};

TEST_P(StalledService, TimesOutAndFollowsTheFailureRules) {
  const BadAnswerCase& c = GetParam();
  PluginScenario scenario;
  scenario.services().setMode(c.service, "timeout");
  scenario.groupMessage(watchedGroup, c.converter.message);
  if (c.sentText.empty()) {
    EXPECT_THAT(scenario.takeSent(), IsEmpty());
  } else {
    EXPECT_THAT(scenario.takeSent(), ElementsAre(forwarded(2001, c.sentText), forwarded(2002, c.sentText)));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Engines, StalledService,
    testing::Values(BadAnswerCase{"token", "tkl", "timeout", tokenMessage, tokenMessage.message},
                    BadAnswerCase{"jd", "jd-landing", "timeout", jdMessage, ""},
                    BadAnswerCase{"suning", "suning", "timeout", suningMessage, "苏宁  (x)"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace taoke::test
