#include "platform/datetime.h"

#include <locale.h>
#include <time.h>

namespace vx {
namespace {

// Formats `when` in local time with the LC_TIME the environment names at this moment.
std::string FormatLocalTime(std::time_t when, const char* format) {
  locale_t loc = ::newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
  if (!loc) loc = ::newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
  std::tm parts{};
  ::localtime_r(&when, &parts);
  char buffer[128];
  const size_t n = ::strftime_l(buffer, sizeof buffer, format, &parts, loc);
  ::freelocale(loc);
  return std::string(buffer, n);
}

}  // namespace

std::string ShortDateText(std::time_t when) { return FormatLocalTime(when, "%x"); }

std::string LongTimeText(std::time_t when) { return FormatLocalTime(when, "%X"); }

}  // namespace vx
