// The English edition's hint window MyHintWindow: a strip beside the clock
// bar with today's date and event count, scrolling while the mouse rests on
// the bar.
#pragma once

#include <string>

namespace zel {

struct TEventRec;

// Opens the hint unless one is open or actions are off.
void OpenHint();

// The hint text for a day and today's event count, with its separator.
std::string BuildHintText(const TEventRec& now, int eventsToday);

}  // namespace zel
