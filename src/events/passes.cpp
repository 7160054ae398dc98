#include "events/passes.h"

#include "core/app_core.h"
#include "core/texts.h"
#include "events/calendar.h"
#include "events/event_table.h"
#include "events/occurrence.h"

namespace zel {
namespace {

struct PassNotes {
  bool show = false;
  bool recount = false;
};

void Finish(AppCore& app, const PassNotes& notes) {
  if (notes.show) app.Os.PostShowReminders();
  if (notes.recount) CountDueToday(app);
}

bool Expires(const TEventRec& e) { return e.Period == kPeriodOnce && e.DeleteAfterUse; }

}  // namespace

void StartupPass(AppCore& app) {
  const TEventRec p = MakeProbe(app.CurrentTime);
  PassNotes notes;
  for (int n = 1; n <= kSlotCount; ++n) {
    const TEventRec& e = SlotRec(app, n);
    if (e.Slot == 0 || e.Disabled) continue;
    if (IsDue(app.Edition, e, p, true, false)) {
      if (e.ShowMessage) {
        AddHistoryLine(app, e.Message.View());
        notes.show = true;
      }
      app.Os.RunAction(n, e, FireForm::CatchUp);
      if (Expires(e)) FreeSlot(app, n);
    }
    if (e.Slot != 0 && e.Period == kPeriodJubilee && IsDue(app.Edition, e, p, true, true)) {
      if (e.ShowMessage) {
        AddHistoryLine(app, TextsOf(app.Edition).JubileeEvePrefix + e.Message.Get());
        notes.show = true;
      }
      app.Os.RunAction(n, e, FireForm::Eve);
    }
  }
  notes.recount = true;
  Finish(app, notes);
}

void MinuteScan(AppCore& app) {
  const TEventRec p = MakeProbe(app.CurrentTime);
  PassNotes notes;
  for (int n = 1; n <= kSlotCount; ++n) {
    const TEventRec& e = SlotRec(app, n);
    if (e.Slot == 0 || e.Disabled) continue;
    if (!IsDue(app.Edition, e, p, false, false)) continue;
    app.Os.RunAction(n, e, FireForm::Scan);
    if (e.ShowMessage) {
      AddHistoryLine(app, e.Message.View());
      notes.show = true;
    }
    if (Expires(e)) {
      FreeSlot(app, n);
      notes.recount = true;
    }
  }
  Finish(app, notes);
}

void MidnightPass(AppCore& app) {
  const TEventRec p = MakeProbe(app.CurrentTime);
  PassNotes notes;
  notes.recount = true;
  for (int n = 1; n <= kSlotCount; ++n) {
    const TEventRec& e = SlotRec(app, n);
    if (e.Slot == 0 || e.Disabled || e.Period != kPeriodJubilee) continue;
    TEventRec eve;
    SubDay(e, eve);
    if (!SameMonthDay(p, eve)) continue;
    app.Os.RunAction(n, e, FireForm::Midnight);
    if (e.ShowMessage) {
      AddHistoryLine(app, e.Message.View());
      notes.show = true;
    }
  }
  Finish(app, notes);
}

}  // namespace zel
