// The date functions DATE (two dates compared by a named operator), DAYS360 (days from one date
// to another) and DAY (the day as written). Each takes the whole upper-cased call text.
#pragma once

#include <string>
#include <string_view>

namespace tuv {

bool CallDate(std::string_view callText, std::string& result);
bool CallDays360(std::string_view callText, std::string& result);
bool CallDay(std::string_view callText, std::string& result);

}  // namespace tuv
