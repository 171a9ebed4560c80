// The local clock from the C library: time() and the TZ time zone (so a faked clock shifts it),
// and the LC_TIME time format of the environment, read without touching the process locale.
#include <langinfo.h>
#include <locale.h>
#include <time.h>

#include <string_view>

#include "util/local_clock.h"

namespace taoke {

LocalDateTime currentLocalDateTime() {
  const time_t now = time(nullptr);
  tm local{};
  tzset();
  if (localtime_r(&now, &local) == nullptr) return {};
  return LocalDateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                       local.tm_hour,        local.tm_min,     local.tm_sec};
}

bool localeUsesTwelveHourClock() {
  const locale_t environmentLocale = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
  if (environmentLocale == static_cast<locale_t>(0)) return false;
  const std::string_view timeFormat = nl_langinfo_l(T_FMT, environmentLocale);
  const bool twelveHour =
      timeFormat.find("%I") != std::string_view::npos || timeFormat.find("%r") != std::string_view::npos;
  freelocale(environmentLocale);
  return twelveHour;
}

}  // namespace taoke
