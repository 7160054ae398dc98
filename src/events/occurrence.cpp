#include "events/occurrence.h"

#include "events/calendar.h"

namespace zel {
namespace {

bool ValidTime(const TEventRec& e) { return e.Hour <= 23 && e.Minute <= 59; }

// The rule result R of the due test, for the kinds whose R does not depend on
// stopping early. Kinds 9 and 10 are handled by their callers.
bool RuleResult(Edition edition, const TEventRec& e, const TEventRec& p) {
  switch (e.Period) {
    case kPeriodOnce: return SameMoment(e, p);
    case kPeriodHourly:
      // The English edition fires hourly events at every full hour.
      return edition == Edition::English ? p.Minute == 0 : e.Minute == p.Minute;
    case kPeriodDaily: return SameTime(e, p);
    case kPeriodWeekdays: return (e.WeekMask >> (Weekday(p) - 1)) & 1;
    case kPeriodMonthDay: return e.Day == p.Day;
    case kPeriodEvenDays: return p.Day % 2 == 0;
    case kPeriodOddDays: return p.Day % 2 == 1;
    case kPeriodAnnual:
    case kPeriodJubilee: return SameMonthDayTime(e, p);
    default: return false;
  }
}

}  // namespace

bool IsDue(Edition edition, const TEventRec& e, const TEventRec& p, bool catchUp, bool tomorrow) {
  if (e.Disabled || e.Slot == 0) return false;

  bool r;
  if (e.Period == kPeriodDays) {
    if (DateBefore(p, e) || e.Cycle <= 0) return false;
    r = DaysBetween(e, p) % e.Cycle == 0;
  } else if (e.Period == kPeriodHours) {
    if (e.Minute != p.Minute || MomentBefore(p, e) || e.Cycle <= 0) return false;
    r = HoursBetween(e, p) % e.Cycle == 0;
  } else {
    r = RuleResult(edition, e, p);
  }

  if (!catchUp) {
    switch (e.Period) {
      case kPeriodWeekdays:
      case kPeriodMonthDay:
      case kPeriodEvenDays:
      case kPeriodOddDays:
      case kPeriodDays: return r && SameTime(e, p);
      default: return r;
    }
  }

  bool cond;
  switch (e.Period) {
    case kPeriodOnce: cond = MomentBefore(e, p); break;
    case kPeriodDaily: cond = TimeBefore(e, p); break;
    case kPeriodWeekdays:
    case kPeriodMonthDay:
    case kPeriodEvenDays:
    case kPeriodOddDays:
    case kPeriodDays: cond = r && TimeBefore(e, p); break;
    case kPeriodJubilee:
      if (tomorrow) {
        TEventRec eve;
        SubDay(e, eve);
        return SameMonthDay(p, eve);
      }
      [[fallthrough]];
    case kPeriodAnnual: cond = SameMonthDay(e, p) && TimeBefore(e, p); break;
    case kPeriodHourly:
    case kPeriodHours: return r;
    default: return false;
  }
  return cond && !e.RealTime;
}

bool IsDueSomeMinuteOf(Edition edition, const TEventRec& e, const TEventRec& day) {
  if (e.Disabled || e.Slot == 0) return false;
  TEventRec p = MakeProbe(day);
  switch (e.Period) {
    case kPeriodOnce: return SameDate(e, p) && ValidTime(e);
    case kPeriodHourly:
      return edition == Edition::English ? true : e.Minute <= 59;
    case kPeriodDaily:
    case kPeriodEvenDays:
    case kPeriodOddDays:
    case kPeriodWeekdays:
    case kPeriodMonthDay:
    case kPeriodAnnual:
    case kPeriodJubilee:
      // R reads the date only (or the event's own time, which the probe
      // then has to meet): test at the event's own time of day.
      if (!ValidTime(e)) return false;
      p.Hour = e.Hour;
      p.Minute = e.Minute;
      return RuleResult(edition, e, p);
    case kPeriodDays:
      if (!ValidTime(e)) return false;
      p.Hour = e.Hour;
      p.Minute = e.Minute;
      return IsDue(edition, e, p, false, false);
    case kPeriodHours: {
      if (e.Minute > 59 || e.Cycle <= 0) return false;
      p.Minute = e.Minute;
      // The probes of the day run in moment order; find the first hour not
      // before the event's start, then the first hour after it that lies on
      // the cycle.
      int first = -1;
      for (int h = 0; h < 24; ++h) {
        p.Hour = static_cast<std::uint8_t>(h);
        if (!MomentBefore(p, e)) {
          first = h;
          break;
        }
      }
      if (first < 0) return false;
      p.Hour = static_cast<std::uint8_t>(first);
      std::int64_t n = HoursBetween(e, p);
      std::int64_t wait = (e.Cycle - n % e.Cycle) % e.Cycle;
      return first + wait <= 23;
    }
    default: return false;
  }
}

}  // namespace zel
