// Operations that change the event table and the reminder history of
// AppCore::Work. Slots are numbered 1..1000 and never compacted.
#pragma once

#include <string_view>

#include "core/app_core.h"
#include "core/seam.h"
#include "events/event_record.h"

namespace zel {

inline TEventRec& SlotRec(AppCore& app, int slot) { return app.Work.Events[slot - 1]; }
inline bool SlotInUse(const TEventRec& e) { return e.Slot != 0; }

// Stores the event dialog's EditBuffer: into its own slot when it edits one,
// else into the first free slot (asking about an outdated one-time event).
// True = nothing stored.
bool StoreEditedEvent(AppCore& app, WindowRef owner);
// Puts an imported event into the first free slot; true = table full (the
// limit message was shown), stop importing.
bool AppendEvent(AppCore& app, const TEventRec& event, WindowRef owner);
// Frees a slot unless the event dialog is editing it (true = refused).
bool FreeSlot(AppCore& app, int slot);
// Frees one-time events with DeleteAfterUse whose moment has come.
void PurgeExpired(AppCore& app);
// EventsToday := the events due at some minute of CurrentTime's day.
void CountDueToday(AppCore& app);
void ClearEvents(AppCore& app);
void ClearHistory(AppCore& app);
int CountEvents(const AppCore& app);
// Pushes a history line stamped with CurrentTime; the oldest line drops out.
void AddHistoryLine(AppCore& app, std::string_view text);

// The limit message text, with its "(max 1000)".
std::string LimitMessageText(const AppCore& app);

}  // namespace zel
