// The records that the host's list and information functions answer with, as the decoders of
// HostApi fill them. Numbers whose meaning the plug-in never uses are named by position.
#pragma once

#include <cstdint>
#include <string>

#include "util/gbk_text.h"

namespace taoke {

struct AdminEntry {
  std::int64_t account = 0;
  std::int32_t value = 0;
};

struct GroupInfo {
  std::int64_t number1 = 0;
  std::int64_t number2 = 0;
  std::int32_t number3 = 0;
  std::int32_t number4 = 0;
  std::int32_t number5 = 0;
  Bytes bytes1;
  std::string text1;
  std::int32_t number6 = 0;
  Bytes bytes2;
  std::string text2;
};

struct SummaryInfo {
  std::int64_t number1 = 0;
  std::int32_t number2 = 0;
  std::string text1;
  std::string text2;
  std::string text3;
  std::int32_t number3 = 0;
  std::int32_t number4 = 0;
  std::int32_t number5 = 0;
  std::int32_t number6 = 0;
};

struct ExtraRecord1 {
  Bytes bytes1;
  std::string text1;
  std::int64_t number1 = 0;
  std::int64_t number2 = 0;
};

struct ExtraRecord2 {
  std::string text1;
  std::string text2;
  std::int32_t number1 = 0;
  std::int32_t number2 = 0;
  std::int32_t number3 = 0;
  std::string text3;
  std::int32_t number4 = 0;
};

struct ExtraRecord3 {
  std::string text1;
  std::int32_t number1 = 0;
  std::int32_t number2 = 0;
  std::int32_t number3 = 0;
  std::int32_t number4 = 0;
};

// The file record of a push event; number1 keeps only the low 32 bits of its 64-bit wire value.
struct FileRecord {
  std::string text1;
  std::string text2;
  std::string text3;
  std::int32_t number1 = 0;
  std::int64_t number2 = 0;
};

struct GroupEntry {
  std::int64_t value = 0;
  std::int64_t group = 0;
  std::string name;
};

struct DiscussEntry {
  std::int64_t discuss = 0;
  std::string name;
  Bytes bytes;
  std::int32_t number1 = 0;
  std::int64_t number2 = 0;
  std::int32_t numbers32a[6] = {};
  std::int64_t numbers64[3] = {};
  std::int32_t numbers32b[3] = {};
};

struct MemberRecord {
  std::int64_t account = 0;
  std::string text1;
  std::string text2;
  std::int32_t number1 = 0;
  std::int32_t number2 = 0;
  std::string text3;
  std::int32_t number3 = 0;
  std::int32_t number4 = 0;
  std::string text4;
  std::int32_t number5 = 0;
  std::string text5;
  std::int32_t number6 = 0;
  bool flag1 = false;
  bool flag2 = false;
};

struct FriendEntry {
  std::int64_t account = 0;
  std::string name;
};

}  // namespace taoke
