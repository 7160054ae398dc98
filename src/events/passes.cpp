#include "events/passes.h"

#include <cstring>
#include <mutex>
#include <vector>

#include "core/app_core.h"
#include "core/texts.h"
#include "events/calendar.h"
#include "events/event_table.h"
#include "events/occurrence.h"

namespace zel {
namespace {

using Guard = std::lock_guard<std::recursive_mutex>;

struct PassNotes {
  bool show = false;
  bool recount = false;
};

// One firing found by a pass: the slot, the record as it was when found, and
// how it fires.
struct Found {
  int slot;
  TEventRec event;
  FireForm form;
};

void Finish(AppCore& app, const PassNotes& notes) {
  if (notes.show) app.Os.PostShowReminders();
  if (notes.recount) CountDueToday(app);
}

bool Expires(const TEventRec& e) { return e.Period == kPeriodOnce && e.DeleteAfterUse; }

// The due events are found under the table lock; their actions run without
// it, so that the dialog can store an event while a melody plays.
template <typename Test>
std::vector<Found> FindDue(AppCore& app, Test&& test) {
  std::vector<Found> found;
  Guard g(app.TableLock);
  for (int n = 1; n <= kSlotCount; ++n) {
    const TEventRec& e = SlotRec(app, n);
    if (e.Slot == 0 || e.Disabled) continue;
    test(n, e, found);
  }
  return found;
}

void AddLine(AppCore& app, const Found& f, PassNotes& notes, std::string_view prefix = {}) {
  if (!f.event.ShowMessage) return;
  std::string text(prefix);
  text.append(f.event.Message.View());
  AddHistoryLine(app, text);
  notes.show = true;
}

// A fired one-time event is freed only if its record is still the one that
// fired: the user may have just moved it to another time.
void FreeIfUnchanged(AppCore& app, const Found& f, PassNotes& notes) {
  if (!Expires(f.event)) return;
  Guard g(app.TableLock);
  if (std::memcmp(&SlotRec(app, f.slot), &f.event, sizeof f.event) == 0) {
    FreeSlot(app, f.slot);
    notes.recount = true;
  }
}

}  // namespace

void StartupPass(AppCore& app) {
  const TEventRec p = MakeProbe(app.CurrentTime);
  const Edition ed = app.Edition;
  auto found = FindDue(app, [&](int n, const TEventRec& e, std::vector<Found>& out) {
    if (IsDue(ed, e, p, true, false)) out.push_back({n, e, FireForm::CatchUp});
    // A one-time event is never an anniversary, so freeing it cannot race
    // with its eve.
    if (e.Period == kPeriodJubilee && IsDue(ed, e, p, true, true))
      out.push_back({n, e, FireForm::Eve});
  });
  PassNotes notes;
  for (const Found& f : found) {
    if (f.form == FireForm::Eve) {
      AddLine(app, f, notes, TextsOf(ed).JubileeEvePrefix);
      app.Os.RunAction(f.slot, f.event, f.form);
    } else {
      AddLine(app, f, notes);
      app.Os.RunAction(f.slot, f.event, f.form);
      FreeIfUnchanged(app, f, notes);
    }
  }
  notes.recount = true;
  Finish(app, notes);
}

void MinuteScan(AppCore& app) {
  const TEventRec p = MakeProbe(app.CurrentTime);
  const Edition ed = app.Edition;
  auto found = FindDue(app, [&](int n, const TEventRec& e, std::vector<Found>& out) {
    if (IsDue(ed, e, p, false, false)) out.push_back({n, e, FireForm::Scan});
  });
  PassNotes notes;
  for (const Found& f : found) {
    app.Os.RunAction(f.slot, f.event, f.form);
    AddLine(app, f, notes);
    FreeIfUnchanged(app, f, notes);
  }
  Finish(app, notes);
}

void MidnightPass(AppCore& app) {
  const TEventRec p = MakeProbe(app.CurrentTime);
  auto found = FindDue(app, [&](int n, const TEventRec& e, std::vector<Found>& out) {
    if (e.Period != kPeriodJubilee) return;
    TEventRec eve;
    SubDay(e, eve);
    if (SameMonthDay(p, eve)) out.push_back({n, e, FireForm::Midnight});
  });
  PassNotes notes;
  notes.recount = true;
  for (const Found& f : found) {
    app.Os.RunAction(f.slot, f.event, f.form);
    AddLine(app, f, notes);
  }
  Finish(app, notes);
}

}  // namespace zel
