#include "support/reference_rules.h"

#include "events/calendar.h"

namespace zel::ref {
namespace {
bool Leap(long y) {
  double q = y * 0.25;
  return q == static_cast<double>(static_cast<long>(q));
}
int Len(long y, long m) { return m == 2 && Leap(y) ? 29 : MonthLength(1, m); }
}  // namespace

int Weekday(long year, long month, long day) {
  int w = 3;
  if (year > 1997) {
    for (long y = 1997; y <= year - 1; ++y) {
      ++w;
      if (Leap(y)) ++w;
      if (w == 8) w = 1;
      if (w == 9) w = 2;
    }
  }
  if (year < 1997) {
    for (long y = 1996; y >= year; --y) {
      if (Leap(y) && --w == 0) w = 7;
      if (--w == 0) w = 7;
    }
  }
  for (int m = 1; m <= 12; ++m) {
    for (int d = 1; d <= Len(year, m); ++d) {
      if (m == month && d == day) return w;
      if (++w == 8) w = 1;
    }
  }
  return w;
}

std::int64_t DaysBetween(const TEventRec& from, const TEventRec& to) {
  TEventRec cur = from;
  std::int64_t n = 0;
  while (!SameDate(cur, to)) {
    AddDay(cur, cur);
    ++n;
  }
  return n;
}

std::int64_t HoursBetween(const TEventRec& from, const TEventRec& to) {
  TEventRec cur = from;
  std::int64_t n = 0;
  while (!SameMoment(cur, to)) {
    AddHour(cur, cur);
    ++n;
  }
  return n;
}

bool IsDue(Edition edition, const TEventRec& e, const TEventRec& p, bool c, bool t) {
  if (e.Disabled || e.Slot == 0) return false;
  bool r = false;
  switch (e.Period) {
    case 0: r = SameMoment(e, p); break;
    case 1: r = edition == Edition::English ? p.Minute == 0 : e.Minute == p.Minute; break;
    case 2: r = SameTime(e, p); break;
    case 3: r = (e.WeekMask >> (Weekday(p.Year, p.Month, p.Day) - 1)) & 1; break;
    case 4: r = e.Day == p.Day; break;
    case 5: r = p.Day % 2 == 0; break;
    case 6: r = p.Day % 2 == 1; break;
    case 7:
    case 8: r = SameMonthDayTime(e, p); break;
    case 9:
      if (DateBefore(p, e) || e.Cycle <= 0) return false;
      r = ref::DaysBetween(e, p) % e.Cycle == 0;
      break;
    case 10:
      if (e.Minute != p.Minute || MomentBefore(p, e) || e.Cycle <= 0) return false;
      r = ref::HoursBetween(e, p) % e.Cycle == 0;
      break;
    default: r = false;
  }
  if (!c) {
    if (e.Period == 3 || e.Period == 4 || e.Period == 5 || e.Period == 6 || e.Period == 9)
      return r && SameTime(e, p);
    return r;
  }
  bool cond;
  switch (e.Period) {
    case 0: cond = MomentBefore(e, p); break;
    case 2: cond = TimeBefore(e, p); break;
    case 3: case 4: case 5: case 6: case 9: cond = r && TimeBefore(e, p); break;
    case 8:
      if (t) {
        TEventRec d;
        SubDay(e, d);
        return SameMonthDay(p, d);
      }
      cond = SameMonthDay(e, p) && TimeBefore(e, p);
      break;
    case 7: cond = SameMonthDay(e, p) && TimeBefore(e, p); break;
    case 1:
    case 10: return r;
    default: return false;
  }
  return cond && !e.RealTime;
}

bool IsDueSomeMinuteOf(Edition edition, const TEventRec& e, const TEventRec& day) {
  TEventRec p = MakeProbe(day);
  for (int m = 0; m < 1440; ++m) {
    SetMinuteOfDay(p, m);
    if (IsDue(edition, e, p, false, false)) return true;
  }
  return false;
}

int CountDueToday(Edition edition, const TEventRec* events, int count, const TEventRec& day) {
  int n = 0;
  for (int i = 0; i < count; ++i) {
    const TEventRec& e = events[i];
    if (e.Slot == 0 || e.Disabled) continue;
    if (e.Period == 1 && edition == Edition::Russian) continue;
    if (IsDueSomeMinuteOf(edition, e, day)) ++n;
  }
  return n;
}

}  // namespace zel::ref
