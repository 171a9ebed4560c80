#include "util/time_format.h"

#include <cstdio>

#include "util/gbk_text.h"
#include "util/local_clock.h"

namespace taoke {
namespace {

struct StylePatterns {
  const char* date;
  const char* time;
  const char* monthDay;
  const char* hourMinute;
  const char* minuteSecond;
};

constexpr StylePatterns kStyles[] = {
    {"yyyy年MM月dd日 ", "hh时mm分ss秒", "MM月dd日", "hh时mm分", "mm分ss秒"},
    {"yyyy-MM-dd ", "hh:mm:ss", "MM-dd", "hh:mm", "mm:ss"},
    {"yyyy/MM/dd ", "hh/mm/ss", "MM/dd", "hh/mm", "mm/ss"},
    {"yyyyMMdd", "hhmmss", "MMdd", "hhmm", "mmss"},
};

std::string twoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

// Renders a picture: yyyy, MM, dd, hh (12- or 24-hour by the clock choice), HH, mm and ss are
// replaced by the fields, every other character is copied.
std::string render(std::string_view picture, const LocalDateTime& fields, bool twelveHourClock) {
  static constexpr std::size_t kLongestRenderedPart = 49;
  const int hour12 = fields.hour % 12 == 0 ? 12 : fields.hour % 12;
  std::string out;
  std::size_t at = 0;
  while (at < picture.size()) {
    const std::string_view rest = picture.substr(at);
    if (startsWithText(rest, "yyyy")) {
      char year[16];
      std::snprintf(year, sizeof year, "%04d", fields.year);
      out += year;
      at += 4;
      continue;
    }
    struct Token {
      std::string_view text;
      int value;
    };
    const Token tokens[] = {{"MM", fields.month},  {"dd", fields.day},
                            {"hh", twelveHourClock ? hour12 : fields.hour},
                            {"HH", fields.hour},   {"mm", fields.minute},
                            {"ss", fields.second}};
    bool replaced = false;
    for (const Token& token : tokens) {
      if (startsWithText(rest, token.text)) {
        out += twoDigits(token.value);
        at += token.text.size();
        replaced = true;
        break;
      }
    }
    if (replaced) continue;
    const std::size_t length = gbkCharLength(picture, at);
    out.append(picture.substr(at, length));
    at += length;
  }
  return out.substr(0, kLongestRenderedPart);
}

}  // namespace

std::string formatDateTime(const LocalDateTime& fields, int style, int part, bool twelveHourClock) {
  const StylePatterns& patterns = kStyles[style >= 0 && style <= 3 ? style : 0];
  std::string datePicture;
  std::string timePicture;
  switch (part) {
    case 1: datePicture = trimText(patterns.date); break;
    case 2: datePicture = patterns.monthDay; break;
    case 3: timePicture = patterns.time; break;
    case 4: timePicture = patterns.hourMinute; break;
    case 5: timePicture = patterns.minuteSecond; break;
    default:
      datePicture = patterns.date;
      timePicture = patterns.time;
  }
  // A picture shorter than three bytes renders as nothing.
  std::string text;
  if (datePicture.size() >= 3) text += render(datePicture, fields, twelveHourClock);
  if (timePicture.size() >= 3) text += render(timePicture, fields, twelveHourClock);
  return text;
}

std::string formatTime(std::optional<double> time, int style, int part) {
  std::optional<LocalDateTime> fields = time ? fromOleDate(*time) : currentLocalDateTime();
  if (!fields) return {};
  return formatDateTime(*fields, style, part, localeUsesTwelveHourClock());
}

}  // namespace taoke
