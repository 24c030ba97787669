#include "controls/commands/ole_date.h"

#include <cmath>
#include <cstdint>

namespace klv {
namespace {

constexpr int64_t kSecondsPerDay = 86400;
constexpr int64_t kOleDaysBefore1970 = 25569;  // 30 Dec 1899 to 1 Jan 1970

// Proleptic Gregorian calendar date of a day count from 1 Jan 1970, by
// 400-year eras of 146097 days counted from 1 Mar 0000.
void CivilFromDays(int64_t days, DateTimeParts* parts) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
  parts->day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
  parts->month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  parts->year = static_cast<int>(yearOfEra + era * 400 + (parts->month <= 2 ? 1 : 0));
}

}  // namespace

DateTimeParts SplitOleDate(double oleDate) {
  if (std::isnan(oleDate)) oleDate = 0;
  if (oleDate > kLatestOleDate) oleDate = kLatestOleDate;
  if (oleDate < kEarliestOleDate) oleDate = kEarliestOleDate;
  const double whole = std::trunc(oleDate);
  int64_t day = static_cast<int64_t>(whole);
  int64_t seconds = std::llround(std::fabs(oleDate - whole) * kSecondsPerDay);
  if (seconds >= kSecondsPerDay) {  // rounded up to the next midnight
    ++day;
    seconds -= kSecondsPerDay;
  }
  DateTimeParts parts;
  CivilFromDays(day - kOleDaysBefore1970, &parts);
  parts.hour = static_cast<int>(seconds / 3600);
  parts.minute = static_cast<int>(seconds / 60 % 60);
  parts.second = static_cast<int>(seconds % 60);
  return parts;
}

}  // namespace klv
