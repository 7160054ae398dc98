// When an event falls due: the one due test, and whether an event falls due at
// some minute of a day.
#pragma once

#include "core/edition.h"
#include "events/event_record.h"

namespace zel {

// Is event e due at probe p (a record made by MakeProbe; a valid moment)?
// catchUp: the start-up test of what was missed today; tomorrow: for an
// anniversary in catch-up mode, whether p's date is its eve.
bool IsDue(Edition edition, const TEventRec& e, const TEventRec& p, bool catchUp, bool tomorrow);

// Whether the plain test holds for e at some minute 00:00..23:59 of the day of
// `day` (its date fields are read). Decided per kind without probing the 1440
// minutes one by one.
bool IsDueSomeMinuteOf(Edition edition, const TEventRec& e, const TEventRec& day);

}  // namespace zel
