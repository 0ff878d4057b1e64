#pragma once
// The current date and time as the user's locale (LC_TIME) writes them.
#include <ctime>
#include <string>

namespace vx {

// The short date, as strftime "%x" writes it under the user's LC_TIME (de_DE: 09.12.2004).
std::string ShortDateText(std::time_t when);

// The long time, as strftime "%X" writes it under the user's LC_TIME (de_DE: 14:05:33).
std::string LongTimeText(std::time_t when);

}  // namespace vx
