// The program's own date and time arithmetic on the first six bytes of an event
// record. Leap years are the years divisible by 4, without the century rule.
// Weekday and the day and hour distances are computed in closed form; they
// give exactly the answers of stepping one day or one hour at a time.
#pragma once

#include <cstdint>
#include <string>

#include "core/edition.h"
#include "events/event_record.h"

namespace zel {

class Seam;

bool IsLeapYear(long year);
// Month length; February has 29 days in leap years. A month outside 1..12
// (only a damaged record has one) counts 31 days.
int MonthLength(long year, long month);
bool IsValidDate(long year, long month, long day);

// Sets the five date-time fields from the local clock; others untouched.
void GetNow(Seam& os, TEventRec& r);
// ResetEvent on dst, then the five date-time fields of src.
void MakeProbe(const TEventRec& src, TEventRec& dst);
TEventRec MakeProbe(const TEventRec& src);
void SetMinuteOfDay(TEventRec& r, int minutes);

// 1 = Monday .. 7 = Sunday. A day that does not exist in its month gives the
// weekday of 1 January of the next year.
int Weekday(long year, long month, long day);
int Weekday(const TEventRec& r);

bool DateBefore(const TEventRec& a, const TEventRec& b);
bool TimeBefore(const TEventRec& a, const TEventRec& b);
bool MomentBefore(const TEventRec& a, const TEventRec& b);
bool SameDate(const TEventRec& a, const TEventRec& b);
bool SameTime(const TEventRec& a, const TEventRec& b);
bool SameMoment(const TEventRec& a, const TEventRec& b);
bool SameMonthDay(const TEventRec& a, const TEventRec& b);
bool SameMonthDayTime(const TEventRec& a, const TEventRec& b);

// dst := src one hour / one day later / one day earlier (the whole record is
// copied first). AddDay answers the month length it used.
void AddHour(const TEventRec& src, TEventRec& dst);
// r one minute later, in place.
void AddMinute(TEventRec& r);
int AddDay(const TEventRec& src, TEventRec& dst);
void SubDay(const TEventRec& src, TEventRec& dst);

// Validate, then set; true = invalid, nothing set.
bool SetDate(TEventRec& r, long year, long month, long day);
bool SetTime(TEventRec& r, long hour, long minute);
bool SetDateTime(TEventRec& r, long year, long month, long day, long hour, long minute);

// The number of AddDay steps from `from`'s date until the date of `to`, and of
// AddHour steps from `from`'s date and time until `to`'s (the minutes being
// equal). `to` must be a valid moment not earlier than `from`.
std::int64_t DaysBetween(const TEventRec& from, const TEventRec& to);
std::int64_t HoursBetween(const TEventRec& from, const TEventRec& to);

std::string TwoDigits(long n);
// Two digits in 24-hour form; the edition's morning/evening mark and 1..12
// without padding in 12-hour form.
std::string HourText(Edition edition, bool twelveHour, int hour);

}  // namespace zel
