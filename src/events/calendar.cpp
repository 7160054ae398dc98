#include "events/calendar.h"

#include "core/seam.h"
#include "core/texts.h"

namespace zel {
namespace {

constexpr int kMonthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// The 16-bit year wraps, and 65536 is divisible by 4, so stepping repeats
// after this many days.
constexpr std::int64_t kYearCycle = 65536;
constexpr std::int64_t kCycleDays = kYearCycle * 365 + kYearCycle / 4;

// Days from 1 January of year 0 to the given valid date.
std::int64_t DayNumber(long y, long m, long d) {
  std::int64_t n = 365LL * y + (y + 3) / 4 + kDaysBefore[m - 1] + d - 1;
  if (m > 2 && IsLeapYear(y)) ++n;
  return n;
}

bool ValidDateOf(const TEventRec& r) { return IsValidDate(r.Year, r.Month, r.Day); }

std::int64_t Mod(std::int64_t a, std::int64_t m) { return ((a % m) + m) % m; }

}  // namespace

bool IsLeapYear(long year) { return year % 4 == 0; }

int MonthLength(long year, long month) {
  if (month < 1 || month > 12) return 31;
  if (month == 2 && IsLeapYear(year)) return 29;
  return kMonthDays[month - 1];
}

bool IsValidDate(long year, long month, long day) {
  (void)year;
  return month >= 1 && month <= 12 && day >= 1 && day <= MonthLength(year, month);
}

void GetNow(Seam& os, TEventRec& r) {
  LocalTime t = os.Now();
  r.Year = static_cast<std::uint16_t>(t.Year);
  r.Month = static_cast<std::uint8_t>(t.Month);
  r.Day = static_cast<std::uint8_t>(t.Day);
  r.Hour = static_cast<std::uint8_t>(t.Hour);
  r.Minute = static_cast<std::uint8_t>(t.Minute);
}

void MakeProbe(const TEventRec& src, TEventRec& dst) {
  ResetEvent(dst);
  dst.Year = src.Year;
  dst.Month = src.Month;
  dst.Day = src.Day;
  dst.Hour = src.Hour;
  dst.Minute = src.Minute;
}

TEventRec MakeProbe(const TEventRec& src) {
  TEventRec p{};
  MakeProbe(src, p);
  return p;
}

void SetMinuteOfDay(TEventRec& r, int minutes) {
  r.Hour = static_cast<std::uint8_t>(minutes / 60);
  r.Minute = static_cast<std::uint8_t>(minutes % 60);
}

int Weekday(long year, long month, long day) {
  // 1 January 1997 was a Wednesday (3).
  std::int64_t offset;
  if (year >= 1997) {
    offset = 365LL * (year - 1997) + ((year - 1) / 4 + 1) - (1996 / 4 + 1);
  } else {
    offset = -(365LL * (1997 - year) + (1996 / 4 + 1) - (year > 0 ? (year - 1) / 4 + 1 : 0));
  }
  std::int64_t inYear;
  if (IsValidDate(year, month, day)) {
    inYear = DayNumber(year, month, day) - DayNumber(year, 1, 1);
  } else {
    inYear = IsLeapYear(year) ? 366 : 365;  // never met: the walk ends a year on
  }
  return static_cast<int>(Mod(2 + offset + inYear, 7)) + 1;
}

int Weekday(const TEventRec& r) { return Weekday(r.Year, r.Month, r.Day); }

namespace {
// Field groups as single numbers, compared in field order.
std::uint32_t DateKey(const TEventRec& r) {
  return (std::uint32_t{r.Year} << 16) | (std::uint32_t{r.Month} << 8) | r.Day;
}
std::uint32_t TimeKey(const TEventRec& r) { return (std::uint32_t{r.Hour} << 8) | r.Minute; }
std::uint64_t MomentKey(const TEventRec& r) {
  return (std::uint64_t{DateKey(r)} << 16) | TimeKey(r);
}
}  // namespace

bool DateBefore(const TEventRec& a, const TEventRec& b) { return DateKey(a) < DateKey(b); }
bool TimeBefore(const TEventRec& a, const TEventRec& b) { return TimeKey(a) < TimeKey(b); }
bool MomentBefore(const TEventRec& a, const TEventRec& b) { return MomentKey(a) < MomentKey(b); }
bool SameDate(const TEventRec& a, const TEventRec& b) {
  return a.Year == b.Year && a.Month == b.Month && a.Day == b.Day;
}
bool SameTime(const TEventRec& a, const TEventRec& b) {
  return a.Hour == b.Hour && a.Minute == b.Minute;
}
bool SameMoment(const TEventRec& a, const TEventRec& b) { return SameDate(a, b) && SameTime(a, b); }
bool SameMonthDay(const TEventRec& a, const TEventRec& b) {
  return a.Month == b.Month && a.Day == b.Day;
}
bool SameMonthDayTime(const TEventRec& a, const TEventRec& b) {
  return SameMonthDay(a, b) && SameTime(a, b);
}

namespace {
// Carries a day past the month's end into the month and the year.
int CarryDay(TEventRec& r, int day) {
  int len = MonthLength(r.Year, r.Month);
  if (day > len) {
    day = 1;
    int month = r.Month + 1;
    if (month > 12) {
      month = 1;
      r.Year = static_cast<std::uint16_t>(r.Year + 1);
    }
    r.Month = static_cast<std::uint8_t>(month);
  }
  r.Day = static_cast<std::uint8_t>(day);
  return len;
}
}  // namespace

void AddHour(const TEventRec& src, TEventRec& dst) {
  dst = src;
  int hour = dst.Hour + 1;
  if (hour >= 24) {
    dst.Hour = 0;
    CarryDay(dst, dst.Day + 1);
  } else {
    dst.Hour = static_cast<std::uint8_t>(hour);
  }
}

void AddMinute(TEventRec& r) {
  if (r.Minute < 59) {
    ++r.Minute;
  } else {
    r.Minute = 0;
    AddHour(r, r);
  }
}

int AddDay(const TEventRec& src, TEventRec& dst) {
  dst = src;
  return CarryDay(dst, dst.Day + 1);
}

void SubDay(const TEventRec& src, TEventRec& dst) {
  dst = src;
  int day = dst.Day - 1;
  if (day <= 0) {
    int month = dst.Month - 1;
    if (month <= 0) {
      month = 12;
      dst.Year = static_cast<std::uint16_t>(dst.Year - 1);
    }
    dst.Month = static_cast<std::uint8_t>(month);
    day = MonthLength(dst.Year, dst.Month);
  }
  dst.Day = static_cast<std::uint8_t>(day);
}

bool SetDate(TEventRec& r, long year, long month, long day) {
  if (year <= 0 || year > 9000 || month < 1 || month > 12 || day <= 0 ||
      day > MonthLength(year, month))
    return true;
  r.Year = static_cast<std::uint16_t>(year);
  r.Month = static_cast<std::uint8_t>(month);
  r.Day = static_cast<std::uint8_t>(day);
  return false;
}

bool SetTime(TEventRec& r, long hour, long minute) {
  if (hour < 0 || hour > 23 || minute < 0 || minute >= 60) return true;
  r.Hour = static_cast<std::uint8_t>(hour);
  r.Minute = static_cast<std::uint8_t>(minute);
  return false;
}

bool SetDateTime(TEventRec& r, long year, long month, long day, long hour, long minute) {
  if (SetTime(r, hour, minute)) return true;
  return SetDate(r, year, month, day);
}

std::int64_t DaysBetween(const TEventRec& from, const TEventRec& to) {
  // Step a damaged start until it is a real date (a bounded number of steps),
  // then count in closed form.
  TEventRec cur = from;
  std::int64_t steps = 0;
  while (!ValidDateOf(cur)) {
    if (SameDate(cur, to)) return steps;
    AddDay(cur, cur);
    ++steps;
  }
  if (!ValidDateOf(to)) return -1;
  std::int64_t diff = DayNumber(to.Year, to.Month, to.Day) - DayNumber(cur.Year, cur.Month, cur.Day);
  return steps + Mod(diff, kCycleDays);
}

std::int64_t HoursBetween(const TEventRec& from, const TEventRec& to) {
  TEventRec cur = from;
  std::int64_t steps = 0;
  while (!ValidDateOf(cur) || cur.Hour > 23) {
    if (SameDate(cur, to) && cur.Hour == to.Hour) return steps;
    AddHour(cur, cur);
    ++steps;
  }
  if (!ValidDateOf(to) || to.Hour > 23) return -1;
  std::int64_t diff =
      (DayNumber(to.Year, to.Month, to.Day) - DayNumber(cur.Year, cur.Month, cur.Day)) * 24 +
      to.Hour - cur.Hour;
  return steps + Mod(diff, kCycleDays * 24);
}

std::string TwoDigits(long n) {
  std::string s = std::to_string(n);
  return n >= 0 && n < 10 ? "0" + s : s;
}

std::string HourText(Edition edition, bool twelveHour, int hour) {
  if (!twelveHour) return TwoDigits(hour);
  const auto& marks = TextsOf(edition).AmPmMarks;
  if (hour == 0) return marks[0] + "12";
  if (hour < 12) return marks[0] + std::to_string(hour);
  if (hour == 12) return marks[1] + "12";
  return marks[1] + std::to_string(hour - 12);
}

}  // namespace zel
