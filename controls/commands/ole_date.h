// Splitting an OLE Automation date (days since 30 Dec 1899, the time of day
// as the fraction) into calendar parts. Pure, for the conversions.
#pragma once

namespace klv {

struct DateTimeParts {
  int year, month, day;
  int hour, minute, second;
};

constexpr double kEarliestOleDate = -657434;  // 1 Jan 100
constexpr double kLatestOleDate = 2958465;    // 31 Dec 9999

// Dates outside the range above are taken as its ends, and NaN as 0. The
// fraction of a negative date counts away from zero (-1.25 is 29 Dec 1899
// 06:00); the time is rounded to the nearest second.
DateTimeParts SplitOleDate(double oleDate);

}  // namespace klv
