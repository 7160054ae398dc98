// The engine's hot paths on one full table of 1000 events: every kind, the
// period kinds started 30 years before the probe.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "core/app_core.h"
#include "core/platform_seam.h"
#include "events/calendar.h"
#include "events/event_table.h"
#include "events/passes.h"
#include "support/random_events.h"
#include "support/reference_rules.h"

namespace zel {
namespace {

class QuietSeam : public PlatformSeam {
 public:
  int ShowMessage(WindowRef, const std::string&, const std::string&, unsigned) override {
    return kIdOk;
  }
  WindowRef MainWindow() override { return 0; }
  bool DialogEditsSlot(int) override { return false; }
  void RunAction(int, const TEventRec&, FireForm) override {}
  void PostShowReminders() override {}
  bool EditorOpen() override { return false; }
  void PostEditorReload() override {}
  std::optional<std::vector<int>> EditorSelectedSlots() override { return std::nullopt; }
};

struct Bench {
  QuietSeam os;
  std::unique_ptr<AppCore> app = std::make_unique<AppCore>(Edition::Russian, os);
  std::unique_ptr<TEventRec[]> table = std::make_unique<TEventRec[]>(kSlotCount);

  Bench() {
    TEventRec probe{};
    ResetEvent(probe);
    probe.Year = 2026;
    probe.Month = 6;
    probe.Day = 15;
    probe.Hour = 12;
    probe.Minute = 0;
    app->CurrentTime = probe;
    test::EventDice dice(1000);
    for (int n = 1; n <= kSlotCount; ++n) {
      TEventRec e = dice.Event(probe, 2, n);
      e.Period = static_cast<std::uint8_t>(n % 11);
      e.Disabled = 0;
      // Times spread over the day, as a user's events are.
      e.Hour = static_cast<std::uint8_t>(dice.Pick(0, 23));
      e.Minute = static_cast<std::uint8_t>(dice.Pick(0, 59));
      if (e.Period == kPeriodDays || e.Period == kPeriodHours) {
        e.Year = static_cast<std::uint16_t>(probe.Year - 30);
        if (e.Cycle < 2) e.Cycle = 2;
      }
      if (!IsValidDate(e.Year, e.Month, e.Day)) e.Day = 1;
      if (e.Month < 1 || e.Month > 12) e.Month = 1;
      if (e.Hour > 23) e.Hour = 23;
      if (e.Minute > 59) e.Minute = 59;
      table[n - 1] = e;
    }
    Restore();
  }
  void Restore() { std::memcpy(app->Work.Events, table.get(), sizeof app->Work.Events); }
};

Bench& Shared() {
  static Bench b;
  return b;
}

void BM_CountDueToday(benchmark::State& state) {
  Bench& b = Shared();
  for (auto _ : state) {
    CountDueToday(*b.app);
    benchmark::DoNotOptimize(b.app->EventsToday);
  }
  state.counters["events_today"] = b.app->EventsToday;
}
BENCHMARK(BM_CountDueToday)->Unit(benchmark::kMicrosecond);

void BM_CountDueTodayReference(benchmark::State& state) {
  Bench& b = Shared();
  int count = 0;
  for (auto _ : state) {
    count = ref::CountDueToday(b.app->Edition, b.app->Work.Events, kSlotCount, b.app->CurrentTime);
    benchmark::DoNotOptimize(count);
  }
  state.counters["events_today"] = count;
}
BENCHMARK(BM_CountDueTodayReference)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_MinuteScan(benchmark::State& state) {
  Bench& b = Shared();
  for (auto _ : state) {
    MinuteScan(*b.app);
    benchmark::DoNotOptimize(b.app->Work);
    state.PauseTiming();
    b.Restore();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_MinuteScan)->Unit(benchmark::kMicrosecond);

void BM_StartupPass(benchmark::State& state) {
  Bench& b = Shared();
  for (auto _ : state) {
    StartupPass(*b.app);
    state.PauseTiming();
    b.Restore();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartupPass)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zel

BENCHMARK_MAIN();
