// A person's birthday as a yearly anniversary event.
#pragma once

#include <optional>
#include <string_view>

#include "core/edition.h"
#include "core/seam.h"
#include "events/event_record.h"
#include "notebook/address_book.h"

namespace zel {

struct AppCore;

// The birthday field read by position: characters 1-4 the year, 6-7 the
// month, 9-10 the day; 5 and 8 are separators of any kind and the rest is
// ignored ("1980/12/31", "1920;02;29", "2003.08.01").
// nullopt when the field is shorter than 10 characters or the date is not
// a real one.
std::optional<TEventRec> BirthdayEventOf(Edition edition, const TPeopleRecord& person);

// The birthday command of the person dialog: the event it prepares for the
// event dialog (kind "Jubilee", shown, kept after use, its message naming
// the person, time 00:00, Slot 0 so that confirming stores a new event), or
// nullopt after the date message (owned by `owner`). Nothing else changes:
// the caller opens the event dialog on the event, or, when one is open
// already, brings that forward and leaves its event alone.
std::optional<TEventRec> MakeBirthdayEvent(AppCore& app, const TPeopleRecord& person,
                                           WindowRef owner);

}  // namespace zel
