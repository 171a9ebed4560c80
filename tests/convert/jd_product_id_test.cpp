#include <gtest/gtest.h>

#include <ostream>

#include "convert/jd_links.h"

namespace taoke {
namespace {

struct RedirectCase {
  const char* location;
  const char* productId;
};

void PrintTo(const RedirectCase& c, std::ostream* os) { *os << "\"" << c.location << "\""; }

class JdProductIdTest : public testing::TestWithParam<RedirectCase> {};

TEST_P(JdProductIdTest, LaterMarkersOverrideEarlierOnes) {
  EXPECT_EQ(jdProductId(GetParam().location), GetParam().productId);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, JdProductIdTest,
    testing::Values(
        RedirectCase{"https://re.jd.com/search?keyword=x&sku=100012&q=abc", "100012"},
        RedirectCase{"https://item.jd.com/100034.html?cu=true", "100034"},
        RedirectCase{"https://item.m.jd.com/ware/view.action?wareId=100056&cu=true", "100056"},
        RedirectCase{"https://re.jd.com/cps?sku=1&q=z&wareId=100078&cu=true", "100078"},
        RedirectCase{"https://item.jd.com/100090.html?sku=5&q=1", "100090"},
        // sku= present but its end marker missing: the id is empty, not the rest of the target.
        RedirectCase{"https://re.jd.com/search?sku=100012", ""},
        RedirectCase{"https://www.jd.com/?from=union", ""},
        RedirectCase{"", ""}));

}  // namespace
}  // namespace taoke
