#include "convert/token_marks.h"

#include "settings/working_settings.h"

namespace taoke {

std::string markedToken(std::string_view token) {
  return readText("编辑框_前符号") + std::string(token) + readText("编辑框_后符号");
}

}  // namespace taoke
