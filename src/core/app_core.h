// The portable part of the one application object: what the engine reads and
// changes (the event table, the current time, today's count, the clock format,
// the request flags) and the seam it reaches the world through. The Windows
// program's application object holds one and adds its window handles and GDI
// objects.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "core/edition.h"
#include "core/paths.h"
#include "core/seam.h"
#include "core/settings_records.h"
#include "events/event_record.h"

namespace zel {

struct AppCore {
  AppCore(zel::Edition edition, Seam& seam) : Edition(edition), Os(seam) {}

  const zel::Edition Edition;
  Seam& Os;

  TPaths Paths;


  // Local time, laid out like the first six bytes of an event record.
  TEventRec CurrentTime{};
  std::uint8_t LastMinute = 60;  // 60: no scan has run yet

  TWorkRecord Work{};
  std::int32_t EventsToday = 0;
  std::string ClockFormat;

  // The event the event dialog edits; Slot is the slot edited, 0 for new.
  TEventRec EditBuffer{};

  // Held by every change of the table and the history, on either thread;
  // never held during an action or a sent message. Recursive, since the
  // table operations call one another.
  std::recursive_mutex TableLock;
  // The table or the history changed since vell.rwo was last written
  // (under TableLock).
  bool TableChanged = false;
  // The last minute the ticker scanned (valid once LastMinute is not 60).
  TEventRec LastScan{};

  // Requests the windows leave for the ticker. Each is cleared before its
  // work runs, so a request made meanwhile is not lost.
  std::atomic<bool> Quitting{false};
  std::atomic<bool> EditorDeleteRequest{false};
  std::atomic<bool> PurgeRequest{false};
  std::atomic<bool> RebootRequested{false};
  std::atomic<bool> PowerOffRequested{false};
  std::atomic<bool> ExchangeRequest{false};
  std::atomic<bool> SoundPurgeRequest{false};
  // The exchange asked for; written before ExchangeRequest is raised.
  std::string ExchangeFile;
  bool ExchangeSave = false;      // true: export
  bool ExchangeSelected = false;  // export: the editor's selection; import: replace

  // The settings records (vell.tun, vellsys.tun).
  TTuning Tuning{};
  TSysTuning SysTuning{};
  bool TwelveHour() const { return Tuning.TwelveHour != 0; }
  // The clock bar's last known position, kept by the main window as it
  // moves; SaveSysTuning stores it (the window may be gone by then).
  std::int32_t LastBarLeft = 0, LastBarTop = 0;
};

}  // namespace zel
