#include "core/ticker.h"

#include <mutex>

#include "core/app_core.h"
#include "core/texts.h"
#include "events/calendar.h"
#include "events/event_table.h"
#include "events/exchange.h"
#include "events/passes.h"
#include "events/work_file.h"
#include "toolkit/file_utils.h"
#include "toolkit/text_utils.h"

namespace zel {
namespace {

using Guard = std::lock_guard<std::recursive_mutex>;

std::string LastPart(const std::string& path) {
  size_t p = path.find_last_of("\\/:");
  return p == std::string::npos ? path : path.substr(p + 1);
}

void SaveIfChanged(AppCore& app) {
  Guard g(app.TableLock);
  if (!app.TableChanged) return;
  app.TableChanged = false;
  if (SaveWork(app)) app.TableChanged = true;  // try again at the next pass
}

void ScanMinute(AppCore& app) {
  if (app.CurrentTime.Hour == 0 && app.CurrentTime.Minute == 0) MidnightPass(app);
  MinuteScan(app);
}

// Scans the minutes from the one after the last scan up to now, in order.
// A day change starts again at 00:00 of today: earlier days are the start-up
// catch-up's business. A clock set back scans the current minute once.
void ScanSinceLast(AppCore& app) {
  const TEventRec now = app.CurrentTime;
  if (app.LastMinute != 60 && SameMoment(app.LastScan, now)) return;
  TEventRec from = now;
  if (app.LastMinute != 60 && MomentBefore(app.LastScan, now)) {
    if (SameDate(app.LastScan, now)) {
      from = app.LastScan;
      AddMinute(from);
    } else {
      from.Hour = 0;
      from.Minute = 0;
    }
  }
  for (TEventRec t = from;; AddMinute(t)) {
    app.CurrentTime = t;
    ScanMinute(app);
    if (SameMoment(t, now)) break;
  }
  app.CurrentTime = now;
  app.LastScan = MakeProbe(now);
  app.LastMinute = now.Minute;
}

void RunExchangeRequest(AppCore& app) {
  if (!app.Os.EditorOpen() || app.Os.EventDialogOpen()) return;  // dropped
  std::string file;
  bool save, selected;
  {
    Guard g(app.TableLock);
    file = app.ExchangeFile;
    save = app.ExchangeSave;
    selected = app.ExchangeSelected;
  }
  bool failed;
  {
    Guard g(app.TableLock);
    failed = RunExchange(app, file, save, selected);
  }
  if (failed) {
    const Texts& t = TextsOf(app.Edition);
    app.Os.ShowBoxFromTicker(t.NotAllImported, t.AppCaption, kMbIconWarning);
  }
}

}  // namespace

void TickerStart(AppCore& app) {
  app.LastMinute = 60;
  app.EditorDeleteRequest = false;
  app.PurgeRequest = false;
  app.RebootRequested = false;
  app.PowerOffRequested = false;
  app.ExchangeRequest = false;
  app.SoundPurgeRequest = false;
  GetNow(app.Os, app.CurrentTime);
  LoadWork(app);
  {
    Guard g(app.TableLock);
    app.TableChanged = false;  // what was just read needs no writing back
  }
  StartupPass(app);
  SaveIfChanged(app);
}

void TickerPass(AppCore& app) {
  GetNow(app.Os, app.CurrentTime);
  app.Os.RepaintClock();
  ScanSinceLast(app);
  if (app.EditorDeleteRequest.exchange(false)) app.Os.SendEditorDelete();
  if (app.PurgeRequest.exchange(false)) PurgeExpired(app);
  if (app.RebootRequested || app.PowerOffRequested) app.Os.PostShutdownRun();
  app.Os.PostCountdownTick();
  if (app.ExchangeRequest.exchange(false)) RunExchangeRequest(app);
  if (app.SoundPurgeRequest.exchange(false)) PurgeSounds(app);
  SaveIfChanged(app);
}

void PurgeSounds(AppCore& app) {
  const std::string& dir = app.Paths.SoundsDir;
  // Hidden, system and archive files; read-only ones are never found.
  constexpr std::uint32_t kMask = kAttrHidden | kAttrSystem | kAttrArchive;
  TSearchRec rec;
  for (int rc = StartSearch(app.Os, dir + "*.wav", kMask, rec); rc == 0; rc = NextMatch(rec)) {
    if (rec.Attributes & (kAttrReadOnly | kAttrDirectory)) continue;
    // A voice event may name the file by its long or its 8.3 name (short
    // names are often switched off, and then the short name is the long one).
    const std::string longName = UpperText(app.Edition, rec.Name);
    const std::string shortName =
        UpperText(app.Edition, LastPart(app.Os.ShortPathName(dir + rec.Name)));
    bool used = false;
    {
      Guard g(app.TableLock);
      for (const TEventRec& e : app.Work.Events) {
        if (e.Slot == 0 || e.Action != kActionVoice) continue;
        const std::string name = UpperText(app.Edition, e.FileName.Get() + ".wav");
        if (name == longName || name == shortName) {
          used = true;
          break;
        }
      }
    }
    if (!used) app.Os.RemoveFile(dir + rec.Name);
  }
  EndSearch(rec);
}

}  // namespace zel
