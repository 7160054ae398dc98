#include "events/event_table.h"

#include <cstring>

#include "core/app_core.h"
#include "core/texts.h"
#include "events/calendar.h"
#include "events/occurrence.h"

namespace zel {

void ResetEvent(TEventRec& e) {
  e.Year = 0;
  e.Month = e.Day = e.Hour = e.Minute = 0;
  e.Slot = 0;
  e.WeekMask = e.Action = e.Period = 0;
  e.Duration = 0;
  e.Cycle = 2;
  e.Category = 0;
  e.Message.Clear();
  e.FileName.Clear();
  e.DeleteAfterUse = kTrue;
  e.RealTime = e.Disabled = e.ShowMessage = 0;
  e.Reserved134 = 0;
  e.Influence = 0;
}

namespace {
using Guard = std::lock_guard<std::recursive_mutex>;

int FirstFreeSlot(const AppCore& app) {
  for (int n = 1; n <= kSlotCount; ++n)
    if (app.Work.Events[n - 1].Slot == 0) return n;
  return 0;
}
}  // namespace

std::string LimitMessageText(const AppCore& app) {
  return TextsOf(app.Edition).LimitMessage + "(max " + std::to_string(kEventLimit) + ")";
}

bool StoreEditedEvent(AppCore& app, WindowRef owner) {
  const TEventRec& buf = app.EditBuffer;
  const Texts& t = TextsOf(app.Edition);
  if (buf.Slot != 0 && buf.Slot <= kSlotCount) {
    {
      Guard g(app.TableLock);
      SlotRec(app, buf.Slot) = buf;
      app.TableChanged = true;
    }
    CountDueToday(app);
    return false;
  }
  int n;
  {
    Guard g(app.TableLock);
    n = FirstFreeSlot(app);
  }
  if (n == 0) {
    app.Os.ShowMessage(owner, LimitMessageText(app), t.AppCaption, kMbIconError);
    return true;
  }
  if (buf.Period == kPeriodOnce) {
    // The Russian edition also asks for the current minute itself.
    bool outdated = MomentBefore(buf, app.CurrentTime) ||
                    (app.Edition == Edition::Russian && SameMoment(buf, app.CurrentTime));
    if (outdated && app.Os.ShowMessage(owner, t.OutdatedQuestion, t.AppCaption,
                                      kMbIconWarning | kMbYesNo) == kIdNo)
      return true;
  }
  {
    // The slot found before the question may have been taken meanwhile.
    Guard g(app.TableLock);
    if (SlotRec(app, n).Slot != 0) n = FirstFreeSlot(app);
    if (n != 0) {
      TEventRec& slot = SlotRec(app, n);
      slot = buf;
      slot.Slot = static_cast<std::uint16_t>(n);
      app.TableChanged = true;
    }
  }
  if (n == 0) {
    app.Os.ShowMessage(owner, LimitMessageText(app), t.AppCaption, kMbIconError);
    return true;
  }
  CountDueToday(app);
  return false;
}

bool AppendEvent(AppCore& app, const TEventRec& event, WindowRef owner) {
  Guard g(app.TableLock);
  int n = FirstFreeSlot(app);
  if (n == 0) {
    app.Os.ShowMessage(owner, LimitMessageText(app), TextsOf(app.Edition).AppCaption,
                      kMbIconError);
    return true;
  }
  TEventRec& slot = SlotRec(app, n);
  slot = event;
  slot.Slot = static_cast<std::uint16_t>(n);
  app.TableChanged = true;
  return false;
}

bool FreeSlot(AppCore& app, int slot) {
  if (slot < 1 || slot > kSlotCount) return true;
  if (app.Os.DialogEditsSlot(slot)) return true;
  Guard g(app.TableLock);
  SlotRec(app, slot).Slot = 0;
  app.TableChanged = true;
  return false;
}

void PurgeExpired(AppCore& app) {
  Guard g(app.TableLock);
  for (int n = 1; n <= kSlotCount; ++n) {
    const TEventRec& e = SlotRec(app, n);
    if (e.Slot != 0 && e.Period == kPeriodOnce && e.DeleteAfterUse &&
        !MomentBefore(app.CurrentTime, e))
      FreeSlot(app, n);
  }
  if (app.Os.EditorOpen()) app.Os.PostEditorReload();
  CountDueToday(app);
}

void CountDueToday(AppCore& app) {
  Guard g(app.TableLock);
  int count = 0;
  const bool countHourly = app.Edition == Edition::English;
  for (const TEventRec& e : app.Work.Events) {
    if (e.Slot == 0 || e.Disabled) continue;
    if (e.Period == kPeriodHourly && !countHourly) continue;
    if (IsDueSomeMinuteOf(app.Edition, e, app.CurrentTime)) ++count;
  }
  app.EventsToday = count;
}

void ClearEvents(AppCore& app) {
  Guard g(app.TableLock);
  for (TEventRec& e : app.Work.Events) e.Slot = 0;
  app.TableChanged = true;
}

void ClearHistory(AppCore& app) {
  Guard g(app.TableLock);
  for (auto& line : app.Work.ReminderLog) line.Length = 0;
  app.TableChanged = true;
}

int CountEvents(const AppCore& app) {
  int n = 0;
  for (const TEventRec& e : app.Work.Events) n += e.Slot != 0;
  return n;
}

void AddHistoryLine(AppCore& app, std::string_view text) {
  Guard g(app.TableLock);
  app.TableChanged = true;
  auto& log = app.Work.ReminderLog;
  std::memmove(&log[1], &log[0], sizeof(log[0]) * (kHistoryLines - 1));
  const TEventRec& now = app.CurrentTime;
  const Texts& t = TextsOf(app.Edition);
  std::string line = std::to_string(now.Year) + " / " +
                     NameOrNumber(t.MonthNames, long(now.Month) - 1) + " / " +
                     TwoDigits(now.Day) + " - " + HourText(app.Edition, app.TwelveHour(), now.Hour) +
                     ":" + TwoDigits(now.Minute) + "    ";
  line.append(text);
  log[0].Set(line);
}

}  // namespace zel
