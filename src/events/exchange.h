// The event text exchange format: one line per event of 18 TAB-separated
// "vell1_" key:value fields, in the edition's code page, lines ending CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "events/event_record.h"

namespace zel {

struct AppCore;

// The line of an event, without its line end.
std::string EventToLine(const TEventRec& e);
// Fills e from a line; true = rejected (empty, or no valid date and time).
bool LineToEvent(std::string_view line, TEventRec& e);

// What one exchange run did, for callers that report it in detail.
struct ExchangeReport {
  bool Failed = false;        // the result of RunExchange
  bool NotOpened = false;     // the file could not be created or opened
  bool ReadError = false;     // a read or write error stopped the run
  bool TableFull = false;
  int Accepted = 0;           // events imported, or lines exported
  std::vector<int> RejectedLines;  // 1-based line numbers
};

// Export (all slots in use, or the editor's selection in row order) or import
// (join, or replace). A replacing import builds the new table aside and puts
// it in place only when at least one event was accepted and no read error
// stopped it. A file that cannot be opened changes nothing and is never
// created. True = not everything succeeded.
bool RunExchange(AppCore& app, const std::string& file, bool exportEvents,
                 bool selectedOrReplace, ExchangeReport* report = nullptr);

}  // namespace zel
