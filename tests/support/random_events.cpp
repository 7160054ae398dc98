#include "support/random_events.h"

#include "events/calendar.h"
#include "events/event_table.h"

namespace zel::test {

TEventRec EventDice::Moment(int yearLo, int yearHi) {
  TEventRec p{};
  ResetEvent(p);
  p.Year = static_cast<std::uint16_t>(Pick(yearLo, yearHi));
  p.Month = static_cast<std::uint8_t>(Chance(30) ? (Chance(50) ? 12 : Pick(1, 3)) : Pick(1, 12));
  int len = MonthLength(p.Year, p.Month);
  p.Day = static_cast<std::uint8_t>(Chance(40) ? (Chance(50) ? len : Pick(1, 2)) : Pick(1, len));
  p.Hour = static_cast<std::uint8_t>(Chance(20) ? (Chance(50) ? 0 : 23) : Pick(0, 23));
  p.Minute = static_cast<std::uint8_t>(Chance(20) ? (Chance(50) ? 0 : 59) : Pick(0, 59));
  return p;
}

TEventRec EventDice::Event(const TEventRec& near, int maxYearsBack, int slot) {
  TEventRec e = Moment(near.Year - maxYearsBack, near.Year);
  if (Chance(30)) {  // the probe's own date or time, so that rules meet
    e.Hour = near.Hour;
    e.Minute = near.Minute;
  }
  if (Chance(15)) {
    e.Year = near.Year;
    e.Month = near.Month;
    e.Day = near.Day;
  }
  e.Slot = static_cast<std::uint16_t>(slot);
  e.Period = static_cast<std::uint8_t>(Chance(3) ? Pick(11, 255) : Pick(0, 10));
  e.WeekMask = static_cast<std::uint8_t>(Pick(0, 255));
  e.Cycle = Chance(5) ? Pick(-3, 1) : Pick(2, Chance(50) ? 10 : 480);
  e.RealTime = Chance(25) ? kTrue : 0;
  e.Disabled = Chance(10) ? kTrue : 0;
  e.DeleteAfterUse = Chance(50) ? kTrue : 0;
  e.ShowMessage = Chance(50) ? kTrue : 0;
  e.Action = static_cast<std::uint8_t>(Pick(0, 16));
  if (Chance(4)) {  // a damaged record read from a file
    switch (Pick(0, 4)) {
      case 0: e.Day = static_cast<std::uint8_t>(Pick(29, 40)); break;
      case 1: e.Day = 0; break;
      case 2: e.Month = static_cast<std::uint8_t>(Chance(50) ? 0 : Pick(13, 255)); break;
      case 3: e.Hour = static_cast<std::uint8_t>(Pick(24, 255)); break;
      case 4: e.Minute = static_cast<std::uint8_t>(Pick(60, 255)); break;
    }
  }
  return e;
}

}  // namespace zel::test
