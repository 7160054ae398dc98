// Random events and probes for the property tests and the benchmark: every
// kind (and an unknown one), every flag, damaged fields now and then, and
// days chosen near month ends, 29 February and year edges.
#pragma once

#include <random>

#include "events/event_record.h"

namespace zel::test {

class EventDice {
 public:
  explicit EventDice(unsigned seed) : rng_(seed) {}
  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool Chance(int percent) { return Pick(1, 100) <= percent; }

  // A valid moment; the day often lies at a month's or year's edge.
  TEventRec Moment(int yearLo, int yearHi);
  // An event in use in slot `slot`, starting within `maxYearsBack` years
  // before `near` (kinds 9 and 10) or anywhere around it.
  TEventRec Event(const TEventRec& near, int maxYearsBack, int slot = 1);

 private:
  std::mt19937 rng_;
};

}  // namespace zel::test
