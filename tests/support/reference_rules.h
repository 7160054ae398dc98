// The literal, stepping forms of the rules the engine computes in closed
// form: the weekday walk from 1997, day and hour distances by single steps,
// and today's count by probing all 1440 minutes. Slow on purpose; the tests
// and the benchmark compare the engine against them.
#pragma once

#include <cstdint>

#include "core/edition.h"
#include "events/event_record.h"

namespace zel::ref {

int Weekday(long year, long month, long day);
std::int64_t DaysBetween(const TEventRec& from, const TEventRec& to);
std::int64_t HoursBetween(const TEventRec& from, const TEventRec& to);
bool IsDue(Edition edition, const TEventRec& e, const TEventRec& p, bool catchUp, bool tomorrow);
// Whether the plain test holds at some minute of the day of `day`.
bool IsDueSomeMinuteOf(Edition edition, const TEventRec& e, const TEventRec& day);
// EventsToday for a table on the day of `day`.
int CountDueToday(Edition edition, const TEventRec* events, int count, const TEventRec& day);

}  // namespace zel::ref
