// The universal-API account check of the "万能接口" page.
#pragma once

namespace taoke {

// The click handler of 按钮_登录万能: sends the universal API's request with the three credentials
// and an empty token; when the answer is JSON, shows the notice that the login is not confirmed.
void checkUniversalApi();

}  // namespace taoke
